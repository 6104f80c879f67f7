#include "fontdata/FontItem.h"

#include <cstring>

const char* const kTableTags[kTableCount] = {"cmap", "glyf", "hhea", "hmtx", "loca", "maxp", "name",
                                             "post", "OS/2", "cvt ", "fpgm", "hdmx", "kern", "LTSH",
                                             "prep", "WIN ", "VDMX", "FOCA", "head"};

FontItem::FontItem() = default;
FontItem::~FontItem() = default;

void FontItem::SetFromEnumLogFont(const platform::ENUMLOGFONTA& elf) {
    m_strFullName.assign(elf.elfFullName, strnlen(elf.elfFullName, sizeof elf.elfFullName));
    m_strFamilyName.assign(elf.elfLogFont.lfFaceName,
                           strnlen(elf.elfLogFont.lfFaceName, sizeof elf.elfLogFont.lfFaceName));
    m_logFont = elf;
    m_bHasLogFont = 1;
}

void FontItem::SetFromTextMetric(const platform::NEWTEXTMETRICA& tm) {
    m_textMetric = tm;
    m_bHasTextMetric = 1;
}
