#include "fontdata/FontItem.h"

#include "platform/paths.h"
#include "platform/text.h"

#include <algorithm>

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

bool IsSameName(const std::string& a, const std::string& b) {
    return a == b;
}

FontItem* FindFontByFullName(const FontList& list, const std::string& fullName) {
    for (FontItem* item : list)
        if (IsSameName(item->m_strFullName, fullName)) return item;
    return nullptr;
}

int IsSameFontAndFile(const FontItem& a, const FontItem& b) {
    if (!IsSameName(a.m_strFullName, b.m_strFullName)) return 0;
    return platform::LowerAnsi(platform::BaseNameOf(a.m_strFilePath)) ==
                   platform::LowerAnsi(platform::BaseNameOf(b.m_strFilePath))
               ? 1
               : 0;
}

int CompareByFullName(const FontItem& a, const FontItem& b) {
    // std::string compares through char_traits<char>, which orders as unsigned bytes.
    int c = a.m_strFullName.compare(b.m_strFullName);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

std::vector<FontItem*> InDisplayOrder(const FontList& list) {
    std::vector<FontItem*> items;
    items.reserve(list.GetCount());
    for (FontItem* item : list) items.push_back(item);
    std::stable_sort(items.begin(), items.end(),
                     [](const FontItem* a, const FontItem* b) { return CompareByFullName(*a, *b) < 0; });
    return items;
}
