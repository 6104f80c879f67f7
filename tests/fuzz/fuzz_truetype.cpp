// libFuzzer target: the TrueType reader on arbitrary bytes, then the Info lines of what it read.
#include "fontdata/TrueTypeReader.h"
#include "properties/InfoLines.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FontItem item;
    item.m_nType = FT_TRUETYPE;
    ReadTrueTypeInfo(item, MemorySource(std::string_view(reinterpret_cast<const char*>(data), size)));
    for (const std::string* name :
         {&item.m_strFullName, &item.m_strFamilyName, &item.m_strStyle, &item.m_strPostScriptName})
        if (name->size() > 64) std::abort();
    for (int t = 0; t < kTableCount; ++t)
        if (item.m_bTable[t] != 0 && item.m_bTable[t] != 1) std::abort();
    if (item.m_bInfoRead != 1 || InfoLines(item).size() < 40) std::abort();
    return 0;
}
