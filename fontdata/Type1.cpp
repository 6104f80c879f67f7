#include "fontdata/Type1.h"

#include "platform/profile.h"
#include "platform/text.h"

#include <limits>

const char* const kAtmIni = "ATM.INI";
const char* const kAtmIniSection = "Fonts";

namespace {

// dfDriverInfo of the PFM extension: the file offset of the PostScript name.
constexpr uint64_t kDriverInfoOffset = 139;
constexpr size_t kMaxPostScriptName = 40;

bool Contains(const std::string& s, const char* part) {
    return s.find(part) != std::string::npos;
}

// "bolditalic", "italic", "bold" or nullptr, tested in that order on the lower-cased name.
const char* StyleOfName(const std::string& lower) {
    if (Contains(lower, "bolditalic") || Contains(lower, "mediumitalic") || Contains(lower, "boldoblique") ||
        Contains(lower, "mediumoblique"))
        return "bolditalic";
    if (Contains(lower, "italic") || Contains(lower, "oblique")) return "italic";
    if (Contains(lower, "bold") || Contains(lower, "medium")) return "bold";
    return nullptr;
}

} // namespace

int ReadPfmInfoFrom(FontItem& item, const ByteSource& file) {
    const uint64_t size = file.Size();
    if (size <= kDriverInfoOffset) return 0;
    uint8_t b[4];
    // A partial offset would point anywhere: treat it like a missing one.
    if (!file.ReadExact(kDriverInfoOffset, b, sizeof b)) return 0;
    const uint32_t driverInfo = static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                                static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24;

    char raw[kMaxPostScriptName];
    size_t got = file.ReadAt(driverInfo, raw, sizeof raw);
    size_t length = 0;
    while (length < got && raw[length] != '\0') ++length;
    std::string name(raw, length);

    item.m_strPostScriptName = name;
    if (const char* style = StyleOfName(platform::LowerAnsi(name))) {
        item.m_strStyle = style;
        size_t hyphen = name.find('-');
        if (hyphen != std::string::npos) name.resize(hyphen);
    }
    item.m_strFullName = name;
    item.m_strFamilyName = name;
    item.m_nFileSize = static_cast<int32_t>(std::min<uint64_t>(size, std::numeric_limits<int32_t>::max()));
    item.m_bInfoRead = 1;
    return 1;
}

int FontItem::ReadPfmInfo() {
    auto file = platform::ReadFile::Open(m_strFilePath);
    if (!file) {
        // Treated as read: the item keeps whatever names it already had.
        m_bInfoRead = 1;
        return 1;
    }
    return ReadPfmInfoFrom(*this, FileSource(*file));
}

std::string OutlinePathOf(const std::string& metricsPath) {
    // Only a period in the file name marks an extension; one in a folder name does not.
    size_t dot = metricsPath.rfind('.');
    size_t slash = metricsPath.find_last_of("\\/");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return metricsPath;
    return metricsPath.substr(0, dot + 1) + "pfb";
}

int StyleCodeOf(const std::string& style) {
    if (style == "bold") return 2;
    if (style == "italic") return 1;
    if (style == "bolditalic") return 3;
    return 0;
}

int StyleCodeOfLogFont(const platform::LOGFONTA& logFont) {
    return (logFont.lfWeight > 500 ? 2 : 0) + (logFont.lfItalic ? 1 : 0);
}

const char* StyleTextOf(int code) {
    switch (code) {
    case 1:
        return "italic";
    case 2:
        return "bold";
    case 3:
        return "bolditalic";
    default:
        return "";
    }
}

std::string AtmIniKey(const FontItem& item) {
    if (item.m_strStyle.empty()) return item.m_strFullName;
    return item.m_strFullName + "," + item.m_strStyle;
}

std::string AtmIniValue(const FontItem& item) {
    return item.m_strFilePath + "," + OutlinePathOf(item.m_strFilePath);
}

void WriteAtmIniEntry(const FontItem& item) {
    platform::profile::Write(kAtmIni, kAtmIniSection, AtmIniKey(item), AtmIniValue(item));
}

void DeleteAtmIniEntry(const FontItem& item) {
    platform::profile::Write(kAtmIni, kAtmIniSection, AtmIniKey(item), std::nullopt);
}

bool HasAtmIniEntry(const FontItem& item) {
    std::string value;
    platform::profile::GetString(kAtmIni, kAtmIniSection, AtmIniKey(item), "", value, 260);
    return !value.empty();
}
