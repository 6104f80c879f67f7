// libFuzzer target: the PFM reader on arbitrary bytes.
#include "fontdata/Type1.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FontItem item;
    int result =
        ReadPfmInfoFrom(item, MemorySource(std::string_view(reinterpret_cast<const char*>(data), size)));
    if (result != 0 && result != 1) std::abort();
    if (item.m_strPostScriptName.size() > 40 || item.m_strFullName.size() > item.m_strPostScriptName.size())
        std::abort();
    if (result == 1 && item.m_strFullName != item.m_strFamilyName) std::abort();
    StyleCodeOf(item.m_strStyle);
    return 0;
}
