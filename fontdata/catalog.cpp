// The installed-font catalog: which fonts are active, which of them are installed permanently, and
// the stores that let temporary installs be recognised again in a later run.
#include "app/WFontMgrApp.h"
#include "app/folders.h"
#include "fontdata/TempRecords.h"
#include "fontdata/Type1.h"
#include "platform/atm.h"
#include "platform/files.h"
#include "platform/fonttable.h"
#include "platform/image.h"
#include "platform/lock.h"
#include "platform/paths.h"
#include "platform/registry.h"

#include <cstring>

namespace {

FontList& ListOf(std::unique_ptr<FontList>& list) {
    if (!list) list = std::make_unique<FontList>();
    return *list;
}

// Adds the item unless the list already holds the same font and file.
void AddUnlessListed(FontList& list, std::unique_ptr<FontItem> item) {
    for (FontItem* listed : list)
        if (IsSameFontAndFile(*listed, *item)) return;
    list.AddTail(std::move(item));
}

// The extension of the file name replaced by "TTF"; a period in a folder name is no extension.
std::string WithTtfExtension(const std::string& path) {
    size_t dot = path.rfind('.');
    size_t slash = path.find_last_of("\\/");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path;
    return path.substr(0, dot + 1) + "TTF";
}

// A registration's data as a full path: used as it stands when it has a drive, else looked for in
// the Fonts, system and System folders, and turned from a .FOT file to its .TTF file.
std::string ResolveRegisteredFile(const std::string& data) {
    if (data.size() >= 2 && data[1] == ':') return data;
    const platform::Image& image = platform::CurrentImage();
    const std::string candidates[] = {image.WindowsDir() + "\\Fonts\\" + data,
                                      image.SystemDir() + "\\" + data,
                                      image.WindowsDir() + "\\System\\" + data};
    std::string path = candidates[2];
    for (const std::string& c : candidates)
        if (platform::FileExists(c)) {
            path = c;
            break;
        }
    return WithTtfExtension(path);
}

struct AtmFont {
    platform::LOGFONTA logFont;
    std::string postScriptName;
};

int CollectAtmFont(const platform::LOGFONTA* logFont, const char* postScriptName, const void*,
                   intptr_t data) {
    if (logFont)
        reinterpret_cast<std::vector<AtmFont>*>(data)->push_back(
            {*logFont, postScriptName ? postScriptName : ""});
    return 1;
}

std::string FaceNameOf(const platform::LOGFONTA& lf) {
    return std::string(lf.lfFaceName, strnlen(lf.lfFaceName, sizeof lf.lfFaceName));
}

} // namespace

int WFontMgrApp::RefreshInstalledFonts() {
    FontList& perm = ListOf(m_permList);
    FontList& temp = ListOf(m_tempList);
    perm.RemoveAll();
    temp.RemoveAll();
    if (!m_bFontsChanged) return 1;

    auto place = [&](std::unique_ptr<FontItem> item) {
        FontList& list = ClassifyInstalledFont(*item) ? perm : temp;
        AddUnlessListed(list, std::move(item));
    };

    // The families first, then the styles of each: no enumeration runs inside another's callback.
    std::vector<std::string> families;
    platform::EnumFontFamilies(
        nullptr, [&](const platform::ENUMLOGFONTA& elf, const platform::NEWTEXTMETRICA&, uint32_t) {
            families.push_back(FaceNameOf(elf.elfLogFont).substr(0, platform::kLfFaceSize - 1));
            return 1;
        });
    for (const std::string& family : families) {
        std::vector<std::unique_ptr<FontItem>> styles;
        platform::EnumFontFamilies(
            family.c_str(),
            [&](const platform::ENUMLOGFONTA& elf, const platform::NEWTEXTMETRICA& tm, uint32_t fontType) {
                if ((fontType & platform::kRasterFontType) || !(fontType & platform::kTrueTypeFontType))
                    return 1;
                auto item = std::make_unique<FontItem>();
                item->m_bInstalled = 1;
                item->SetFromEnumLogFont(elf);
                item->SetFromTextMetric(tm);
                item->m_nType = FT_TRUETYPE;
                styles.push_back(std::move(item));
                return 1;
            });
        for (auto& item : styles) place(std::move(item));
    }

    if (platform::atm::Bind()) {
        std::vector<AtmFont> fonts;
        platform::atm::ATMEnumFonts32(platform::atm::kAtmClient, CollectAtmFont,
                                      reinterpret_cast<intptr_t>(&fonts));
        for (const AtmFont& font : fonts) {
            const std::string face = FaceNameOf(font.logFont);
            if (face.empty()) continue;
            platform::ENUMLOGFONTA elf{};
            elf.elfLogFont = font.logFont;
            std::memcpy(elf.elfFullName, face.data(), face.size());
            auto item = std::make_unique<FontItem>();
            item->m_bInstalled = 1;
            item->SetFromEnumLogFont(elf);
            const int style = StyleCodeOfLogFont(font.logFont);
            std::string metrics = platform::atm::FontMetricsPath(face, static_cast<uint16_t>(style));
            if (metrics.empty()) continue;
            if (style != 0) item->m_strStyle = StyleTextOf(style);
            item->m_nType = FT_TYPE1;
            item->m_strFilePath = metrics;
            item->m_strPostScriptName = font.postScriptName;
            place(std::move(item));
        }
    }
    m_bFontsChanged = 0;
    return 1;
}

int WFontMgrApp::ClassifyInstalledFont(FontItem& item) {
    const std::string key = platform::FontsRegistryKey();
    // Registry values are read into 128-byte buffers; a longer one counts as not found.
    constexpr size_t kValueBuffer = 128;
    std::string data;
    item.m_strRegistryName = item.m_strFullName + " (TrueType)";
    long rc = platform::reg::QueryString(key, item.m_strRegistryName, data, kValueBuffer);
    if (rc != platform::kRegOk) {
        item.m_strRegistryName = item.m_strFullName + "TTF";
        rc = platform::reg::QueryString(key, item.m_strRegistryName, data, kValueBuffer);
    }
    if (rc == platform::kRegOk) {
        item.m_strFilePath = ResolveRegisteredFile(data.substr(0, data.find('\0')));
        return 1;
    }
    item.m_strRegistryName.clear();
    return HasAtmIniEntry(item) ? 1 : 0;
}

int WFontMgrApp::ReconcileTempFontFolder() {
    const std::string folder = TempFontFolder();
    FontList& temp = ListOf(m_tempList);
    for (const platform::FoundFile& found : platform::FindFiles(folder + "\\*.ttf")) {
        if (found.attributes & platform::kAttrDirectory) continue;
        const std::string path = folder + "\\" + found.name;
        FontItem scratch;
        scratch.m_strFilePath = path;
        scratch.m_nType = FT_TRUETYPE;
        scratch.EnsureTrueTypeInfo();
        // A file without a name (unreadable, damaged) belongs to no font.
        FontItem* owner =
            scratch.m_strFullName.empty() ? nullptr : FindFontByFullName(temp, scratch.m_strFullName);
        if (owner)
            owner->m_strFilePath = path;
        else
            platform::DeleteFile(path); // a failure is left for the next time
    }
    return 1;
}

int WFontMgrApp::RecordTempInstall(const FontItem& item) {
    const std::string file = TempRecordFilePath();
    platform::ImageLock lock;
    std::string bytes = platform::ReadWholeFile(file).value_or(std::string());
    const std::string name = AsRecordField(item.m_strFullName);
    auto records = ParseTempInstallRecords(bytes);
    for (const TempInstallRecord& r : records)
        if (TrimTrailingSpace(r.name) == name) return 1;
    // A partial record at the end would shift every record after it: it is dropped.
    bytes.resize(records.size() * kTempRecordSize);
    bytes += MakeTempInstallRecord(item.m_strFullName, item.m_strOriginalPath);
    return platform::WriteWholeFile(file, bytes) ? 1 : 0;
}

int WFontMgrApp::LookupTempInstallRecord(FontItem& item) {
    auto bytes = platform::ReadWholeFile(TempRecordFilePath());
    if (!bytes) return 0;
    const std::string name = AsRecordField(item.m_strFullName);
    for (const TempInstallRecord& r : ParseTempInstallRecords(*bytes))
        if (TrimTrailingSpace(r.name) == name) {
            item.m_strOriginalPath = TrimTrailingSpace(r.path);
            return 1;
        }
    return 0;
}

int WFontMgrApp::PruneTempInstallRecords() {
    const std::string file = TempRecordFilePath();
    platform::ImageLock lock;
    auto bytes = platform::ReadWholeFile(file);
    if (!bytes) return 0;
    if (bytes->empty()) return 1;
    FontList& temp = ListOf(m_tempList);
    std::string kept;
    for (const TempInstallRecord& r : ParseTempInstallRecords(*bytes)) {
        bool installed = false;
        for (FontItem* font : temp)
            if (AsRecordField(font->m_strFullName) == r.name) {
                installed = true;
                break;
            }
        if (installed) kept += r.bytes;
    }
    if (kept == *bytes) return 1;
    return platform::WriteWholeFile(file, kept) ? 1 : 0;
}
