// libFuzzer target for the group-file reader. The first input byte picks the layout ("6.1", "6.0" or
// the untagged legacy one) and whether a path rewrite is active; the rest is the file after the tag.
// Every group read must also survive a write and a second read unchanged (apart from the cuts the
// fixed fields make).
#include "fontdata/ByteSource.h"
#include "groups/GroupFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

std::string Cut(const std::string& s, size_t n) {
    return s.size() > n ? s.substr(0, n) : s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t mode = data[0];
    static const char* const kTags[] = {"6.1", "6.0", ""};
    std::string bytes = kTags[mode % 3];
    bytes.append(reinterpret_cast<const char*>(data + 1), size - 1);
    GroupPathRewrite rewrite;
    if (mode & 4) rewrite = {"c:\\fonts", "D:\\TYPE"};

    const std::string path = "C:\\GROUPS\\Fuzz.FGP";
    FontGroup group;
    ParseGroupFile(MemorySource(bytes), path, group, rewrite);
    Check(group.m_strPath == path);
    Check(!group.m_strName.empty() && group.m_strName.size() <= kMaxGroupName);

    const std::string written = GroupFileBytes(group);
    Check(written.size() == kGroupTagSize + kGroupNameField + group.m_pFonts->GetCount() * kGroupRecord61);

    FontGroup again;
    ParseGroupFile(MemorySource(written), path, again, GroupPathRewrite{});
    Check(again.m_strName == group.m_strName);
    Check(again.m_pFonts->GetCount() == group.m_pFonts->GetCount());
    for (size_t i = 0; i < group.m_pFonts->GetCount(); ++i) {
        const FontItem* a = group.m_pFonts->GetAt(i);
        const FontItem* b = again.m_pFonts->GetAt(i);
        Check(b->m_strFullName == Cut(a->m_strFullName, kGroupStringField - 1));
        Check(b->m_strFilePath == Cut(a->m_strFilePath, kGroupStringField - 1));
        Check(b->m_nType == a->m_nType);
        Check(b->m_strStyle == (a->m_nType == FT_TYPE1 ? Cut(a->m_strStyle, kGroupStringField - 1) : ""));
    }
    return 0;
}
