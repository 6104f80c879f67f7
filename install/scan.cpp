#include "install/scan.h"

#include "app/WFontMgrApp.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "resources/strings.h"

#include <memory>
#include <unordered_set>

namespace {

// The patterns are read into a buffer of this size, as the resource loader fills one.
constexpr size_t kPatternBuffer = 260;

FontType TypeOfPattern(const std::string& pattern) {
    const size_t dot = pattern.find('.');
    const std::string ext = dot == std::string::npos ? std::string() : pattern.substr(dot + 1);
    if (ext == LoadString(IDS_SCAN_TRUETYPE_EXT)) return FT_TRUETYPE;
    if (ext == LoadString(IDS_SCAN_TYPE1_EXT)) return FT_TYPE1;
    return FT_OTHER;
}

// What makes two fonts the same font and file (IsSameFontAndFile): the full name and the file's base
// name without regard to case. Kept in a set so that a large folder is not walked once per file.
std::string SameFontAndFileKey(const FontItem& item) {
    return std::to_string(item.m_strFullName.size()) + ':' + item.m_strFullName +
           platform::LowerAnsi(platform::BaseNameOf(item.m_strFilePath));
}

} // namespace

void ScanSourceFolder(const std::string& folder) {
    WFontMgrApp& app = TheApp();
    platform::WaitCursor wait(app.Ui());
    FontList& list = *app.m_sourceList;
    list.RemoveAll();

    std::string patterns = LoadString(IDS_SCAN_PATTERNS);
    if (patterns.size() >= kPatternBuffer) patterns.resize(kPatternBuffer - 1);
    const std::string prefix = !folder.empty() && folder.back() == '\\' ? folder : folder + '\\';

    std::unordered_set<std::string> listed;
    for (const std::string& pattern : platform::Split(patterns, ';')) {
        if (pattern.empty()) continue;
        const FontType type = TypeOfPattern(pattern);
        for (const platform::FoundFile& found : platform::FindFiles(prefix + pattern)) {
            // A folder whose name matches the pattern is no font file.
            if (found.attributes & platform::kAttrDirectory) continue;
            auto item = std::make_unique<FontItem>();
            item->m_strFilePath = prefix + found.name;
            item->m_nType = type;
            if (type == FT_TRUETYPE)
                item->EnsureTrueTypeInfo();
            else if (type == FT_TYPE1)
                item->ReadPfmInfo();
            if (!listed.insert(SameFontAndFileKey(*item)).second) continue;
            list.AddTail(std::move(item));
        }
    }
}
