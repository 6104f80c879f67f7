// FontItem: the member-wise copy, matching by name and file, display order.
#include "fontdata/FontItem.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::unique_ptr<FontItem> Font(const std::string& full, const std::string& path = {}) {
    auto f = std::make_unique<FontItem>();
    f->m_strFullName = full;
    f->m_strFilePath = path;
    return f;
}

TEST(FontItem, StartsEmptyAndCopiesEveryField) {
    FontItem fresh;
    EXPECT_EQ(fresh.m_nType, FT_UNSET);
    EXPECT_EQ(fresh.m_bInstalled, 0);
    EXPECT_EQ(fresh.m_logFont.elfFullName[0], '\0');

    FontItem a;
    a.m_strFullName = "Arial Bold";
    a.m_strOriginalPath = "D:\\ARIALBD.TTF";
    a.m_nType = FT_TRUETYPE;
    a.m_panose[9] = 4;
    a.m_bTable[18] = 1;
    std::strcpy(a.m_logFont.elfStyle, "Bold");
    a.m_textMetric.tmWeight = 700;
    FontItem b(a);
    EXPECT_EQ(b.m_strOriginalPath, a.m_strOriginalPath);
    EXPECT_EQ(b.m_panose[9], 4);
    EXPECT_EQ(b.m_bTable[18], 1);
    EXPECT_STREQ(b.m_logFont.elfStyle, "Bold");
    EXPECT_EQ(b.m_textMetric.tmWeight, 700);
}

TEST(FontItem, SetFromEnumLogFontTakesNamesFromTheRecord) {
    platform::ENUMLOGFONTA elf{};
    std::memcpy(elf.elfFullName, std::string(64, 'F').data(), 64); // no NUL: all 64 characters
    std::strcpy(elf.elfLogFont.lfFaceName, "Face");
    FontItem item;
    item.SetFromEnumLogFont(elf);
    EXPECT_EQ(item.m_strFullName, std::string(64, 'F'));
    EXPECT_EQ(item.m_strFamilyName, "Face");
    EXPECT_EQ(item.m_bHasLogFont, 1);
}

TEST(FontMatching, SameFontAndFile) {
    struct Case {
        std::string nameA, pathA, nameB, pathB;
        int same;
    } cases[] = {
        {"Arial", "C:\\WINDOWS\\FONTS\\ARIAL.TTF", "Arial", "D:\\other\\arial.ttf",
         1}, // base names ignore case
        {"Arial", "C:\\A\\ARIAL.TTF", "Arial", "C:\\A\\ARIAL2.TTF", 0},
        {"Arial", "C:\\A\\ARIAL.TTF", "arial", "C:\\A\\ARIAL.TTF", 0}, // names are case-sensitive
        {"Arial", "", "Arial", "", 1},                                 // no path: empty base names
        {"Arial", "C:\\A\\ARIAL.TTF", "Arial", "", 0},
        {"Helv", "C:\\PS\\HV.PFM", "Helv", "C:\\PS\\HV.PFB", 1}, // the extension does not count
    };
    for (const Case& c : cases) {
        auto a = Font(c.nameA, c.pathA), b = Font(c.nameB, c.pathB);
        EXPECT_EQ(IsSameFontAndFile(*a, *b), c.same) << c.pathA << " / " << c.pathB;
    }
}

TEST(FontMatching, FindByFullNameReturnsTheFirst) {
    FontList list;
    FontItem* first = list.AddTail(Font("Arial", "C:\\A.TTF"));
    list.AddTail(Font("Arial", "C:\\B.TTF"));
    list.AddTail(Font("Times"));
    EXPECT_EQ(FindFontByFullName(list, "Arial"), first);
    EXPECT_EQ(FindFontByFullName(list, "arial"), nullptr);
    EXPECT_EQ(FindFontByFullName(list, "Times")->m_strFullName, "Times");
    EXPECT_EQ(FindFontByFullName(FontList(), "Arial"), nullptr);
}

TEST(FontMatching, DisplayOrderComparesUnsignedBytes) {
    FontList list;
    for (const char* name : {"b", "\xE9t\xE9", "B", "a", "Zeta", "", "B"}) list.AddTail(Font(name));
    std::vector<std::string> names;
    for (FontItem* f : InDisplayOrder(list)) names.push_back(f->m_strFullName);
    EXPECT_EQ(names, (std::vector<std::string>{"", "B", "B", "Zeta", "a", "b", "\xE9t\xE9"}));
    EXPECT_LT(CompareByFullName(*Font("Z"), *Font("\xE9")), 0);
    EXPECT_EQ(CompareByFullName(*Font("x"), *Font("x")), 0);
    EXPECT_GT(CompareByFullName(*Font("ab"), *Font("a")), 0);
}

} // namespace
