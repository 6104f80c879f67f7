#include "groups/FontGroup.h"
#include "install/engine.h"
#include "platform/fonttable.h"
#include "properties/GridLayout.h"
#include "properties/PropSheetLogic.h"
#include "tests/support/InstallFixture.h"

#include <gtest/gtest.h>

#include <cstring>

// ---------------------------------------------------------------------------------------------
// Sheet and Sample page decisions

TEST(PropSheetLogic, NameIsCutAt47AndIconFollowsType) {
    FontItem item;
    item.m_strFullName = std::string(60, 'x');
    EXPECT_EQ(SheetFontName(item).size(), 47u);
    item.m_strFullName = "Short";
    EXPECT_EQ(SheetFontName(item), "Short");
    EXPECT_EQ(TypeIconId(FT_TRUETYPE), 146u);
    for (FontType t : {FT_TYPE1, FT_OTHER, FT_UNSET}) EXPECT_EQ(TypeIconId(t), 147u);
}

TEST(PropSheetLogic, PageHelpContexts) {
    EXPECT_EQ(PageHelpContext(0), 31u);
    EXPECT_EQ(PageHelpContext(1), 36u);
    EXPECT_EQ(PageHelpContext(2), 40u);
    EXPECT_EQ(PageHelpContext(-1), 0u);
    EXPECT_EQ(PageHelpContext(3), 0u);
}

TEST(PropSheetLogic, PrintAndCloseSitLeftOfHelpSpacedByTheGap) {
    // Help 75 wide, 23 high, 10 pixels from the sheet's right edge.
    const SheetButtonRow row = PlaceSheetButtons({300, 400, 375, 423}, {0, 0, 385, 440});
    EXPECT_EQ(row.close, (ScreenRect{215, 400, 290, 423}));
    EXPECT_EQ(row.print, (ScreenRect{130, 400, 205, 423}));
}

TEST(PropSheetLogic, SampleHeightTruncatesTowardZero) {
    struct Case {
        int dpi, points, height;
    } cases[] = {{96, 18, -24}, {120, 10, -16}, {96, 72, -96}, {96, 6, -8}, {120, 8, -13}, {144, 12, -24}};
    for (const Case& c : cases)
        EXPECT_EQ(SampleHeight(c.dpi, c.points), c.height) << c.dpi << " " << c.points;
}

TEST(PropSheetLogic, SizeListAndEditedText) {
    ASSERT_EQ(SampleSizes().size(), 15u);
    EXPECT_EQ(SampleSizes()[kDefaultSizeIndex], "18");
    EXPECT_EQ(SampleSizes().back(), "72");
    struct Case {
        const char* text;
        int entry;
    } cases[] = {{"12", 3}, {"72", 14}, {"13", -1}, {"1", -1}, {"", -1}, {" 12", -1}, {"120", -1}, {"6", 0}};
    for (const Case& c : cases) EXPECT_EQ(MatchSizeEntry(c.text), c.entry) << "'" << c.text << "'";
    // Only the first 31 characters count.
    EXPECT_EQ(MatchSizeEntry("12" + std::string(40, ' ')), -1);
    EXPECT_EQ(ParseSampleSize("36"), 36);
    EXPECT_EQ(ParseSampleSize("abc"), 18);
    EXPECT_EQ(ParseSampleSize("99999999999"), 999999); // no overflow
}

TEST(PropSheetLogic, PageLogFontTakesTheFamilyNameCutTo31) {
    FontItem item;
    item.m_logFont.elfLogFont.lfWeight = 700;
    std::strcpy(item.m_logFont.elfLogFont.lfFaceName, "Old");
    item.m_strFamilyName = "New Family";
    platform::LOGFONTA lf = PageLogFont(item);
    EXPECT_STREQ(lf.lfFaceName, "New Family");
    EXPECT_EQ(lf.lfWeight, 700);
    item.m_strFamilyName = std::string(50, 'F');
    lf = PageLogFont(item);
    EXPECT_EQ(std::strlen(lf.lfFaceName), 31u);
}

TEST(PropSheetLogic, WrapTextBreaksAtBlanksAndKeepsLongWords) {
    const auto width = [](const std::string& s) { return static_cast<int>(s.size()) * 10; };
    EXPECT_EQ(WrapText("The quick brown fox", 100, width),
              (std::vector<std::string>{"The quick", "brown fox"}));
    EXPECT_EQ(WrapText("Extraordinarily long", 50, width),
              (std::vector<std::string>{"Extraordinarily", "long"}));
    EXPECT_EQ(WrapText("", 50, width), std::vector<std::string>{});
    EXPECT_EQ(WrapText("a b", 1000, width), std::vector<std::string>{"a b"});
}

// ---------------------------------------------------------------------------------------------
// Character Set page decisions

TEST(PropSheetLogic, CharacterNames) {
    struct Case {
        int code;
        const char* name;
    } cases[] = {{32, "space"}, {127, "none"}, {128, "none"}, {129, "none"}, {141, "none"}, {142, "none"},
                 {143, "none"}, {144, "none"}, {157, "none"}, {158, "none"}, {160, "none"}, {33, "!"},
                 {65, "A"},     {169, "\xA9"}, {255, "\xFF"}, {130, "\x82"}};
    for (const Case& c : cases) EXPECT_EQ(CharacterName(c.code), c.name) << c.code;
    EXPECT_EQ(CharacterNameLabel(160), " Character Name: none");
    EXPECT_EQ(AnsiCodeLabel(65), "ANSI Code: 065");
    EXPECT_EQ(AnsiCodeLabel(200), "ANSI Code: 0200");
    EXPECT_EQ(AnsiCodeLabel(33), "ANSI Code: 033");
    EXPECT_EQ(EmptyCharacterNameLabel(), " Character Name: nothing");
    EXPECT_EQ(EmptyAnsiCodeLabel(), "ANSI Code: 00");
}

TEST(PropSheetLogic, CharGridSetup) {
    struct Case {
        const char* name;
        int height, maxWidth, lfHeight, lfWidth, first, last, charset;
        int wantHeight, wantWidth, wantFirst, wantLast, wantCount, wantCharset;
    } cases[] = {
        // Height is the larger: it becomes 50.
        {"text font", 20, 10, 20, 8, 32, 255, 0, 50, 20, 33, 255, 223, 0},
        // The widest character is the larger.
        {"wide font", 10, 25, 10, 5, 40, 126, 0, 20, 10, 40, 126, 87, 0},
        // A last code of 0 shows up to 255 at twice the size.
        {"no last code", 20, 10, 20, 8, 0, 0, 0, 100, 40, 33, 255, 223, 0},
        {"symbol kept", 20, 10, 20, 8, 32, 255, 2, 50, 20, 33, 255, 223, 2},
        {"other set made ANSI", 20, 10, 20, 8, 32, 255, 204, 50, 20, 33, 255, 223, 0},
        // Nothing known: no scaling, no division by zero.
        {"empty metrics", 0, 0, 0, 0, 0, 0, 0, 0, 0, 33, 255, 223, 0},
        // A last code below the first gives no characters.
        {"last below first", 20, 10, 20, 8, 60, 40, 0, 50, 20, 60, 40, 0, 0},
    };
    for (const Case& c : cases) {
        FontItem item;
        item.m_textMetric.tmHeight = c.height;
        item.m_textMetric.tmMaxCharWidth = c.maxWidth;
        item.m_textMetric.tmFirstChar = static_cast<uint8_t>(c.first);
        item.m_textMetric.tmLastChar = static_cast<uint8_t>(c.last);
        item.m_logFont.elfLogFont.lfHeight = c.lfHeight;
        item.m_logFont.elfLogFont.lfWidth = c.lfWidth;
        item.m_logFont.elfLogFont.lfCharSet = static_cast<uint8_t>(c.charset);
        const CharGridSetup s = PrepareCharGrid(item);
        EXPECT_EQ(s.cellFont.lfHeight, c.wantHeight) << c.name;
        EXPECT_EQ(s.cellFont.lfWidth, c.wantWidth) << c.name;
        EXPECT_EQ(s.firstCode, c.wantFirst) << c.name;
        EXPECT_EQ(s.lastCode, c.wantLast) << c.name;
        EXPECT_EQ(s.count, c.wantCount) << c.name;
        EXPECT_EQ(s.cellFont.lfCharSet, c.wantCharset) << c.name;
        // The raised codes stay with the item.
        EXPECT_EQ(item.m_textMetric.tmFirstChar, c.wantFirst) << c.name;
        EXPECT_EQ(item.m_textMetric.tmLastChar, c.wantLast) << c.name;
    }
}

// ---------------------------------------------------------------------------------------------
// Grid geometry and selection

namespace {
// The Character Set page's grid: 330 by 266 pixels, 60-pixel cells, up to 20 by 20.
GridLayout CharPageGrid(int count, int scrollWidth = 16) {
    GridLayout g;
    g.Configure(60, kGrid3d | kGridRightClickCells, count, 20, 20, 0);
    g.FitLayout(GridRect{0, 0, 330, 266}, scrollWidth, 1);
    return g;
}
} // namespace

TEST(GridLayout, FitsTheCharacterPageToFiveByFourWithScrollBar) {
    GridLayout g;
    g.Configure(60, kGrid3d, 223, 20, 20, 0);
    const GridRect fitted = g.FitLayout(GridRect{0, 0, 330, 266}, 16, 1);
    EXPECT_EQ(g.Columns(), 5);
    EXPECT_EQ(g.Rows(), 4);
    EXPECT_TRUE(g.ScrollBarInUse());
    EXPECT_EQ(fitted, (GridRect{0, 0, 316, 240}));
    EXPECT_EQ(g.ScrollMax(), 41); // 45 rows of items less the 4 shown
}

TEST(GridLayout, FewItemsNeedNoScrollBar) {
    GridLayout g;
    g.Configure(60, kGrid3d, 12, 20, 20, 0);
    g.SetCount(12);
    const GridRect fitted = g.FitLayout(GridRect{0, 0, 330, 266}, 16, 1);
    EXPECT_EQ(g.Columns(), 5);
    EXPECT_FALSE(g.ScrollBarInUse());
    EXPECT_EQ(g.ScrollMax(), 0);
    EXPECT_EQ(fitted.Width(), 300);
}

TEST(GridLayout, ATooSmallRectangleKeepsOneRow) {
    GridLayout g;
    g.Configure(60, kGrid3d, 50, 3, 3, 0);
    g.FitLayout(GridRect{0, 0, 40, 30}, 16, 1);
    EXPECT_EQ(g.Rows(), 3); // no row count fits: it stays
    EXPECT_EQ(g.Columns(), 3);
}

TEST(GridLayout, CellRectsAndHitTest) {
    GridLayout g = CharPageGrid(223);
    EXPECT_EQ(*g.CellRect(0), (GridRect{1, 1, 61, 60}));
    EXPECT_EQ(*g.CellRect(6), (GridRect{61, 61, 121, 120}));
    EXPECT_FALSE(g.CellRect(20).has_value());
    EXPECT_FALSE(g.CellRect(-1).has_value());
    struct Case {
        int x, y, item;
    } cases[] = {{1, 1, 0},     {60, 60, 0},   {61, 1, 1}, {299, 239, 19},
                 {301, 10, -1}, {10, 241, -1}, {-1, 5, -1}};
    for (const Case& c : cases) EXPECT_EQ(g.HitTest(c.x, c.y), c.item) << c.x << "," << c.y;
    g.Scroll(2);
    EXPECT_EQ(g.HitTest(1, 1), 10);
    // Past the end of the items.
    GridLayout few = CharPageGrid(7);
    EXPECT_EQ(few.HitTest(150, 70), -1);
    EXPECT_EQ(few.HitTest(70, 70), 6);
}

TEST(GridLayout, ScrollingIsClampedToTheRange) {
    GridLayout g = CharPageGrid(223);
    EXPECT_EQ(g.ScrollStep(GridScroll::LineUp), 0);
    EXPECT_EQ(g.ScrollStep(GridScroll::LineDown), 1);
    EXPECT_EQ(g.ScrollStep(GridScroll::PageDown), 4);
    EXPECT_EQ(g.ScrollStep(GridScroll::Bottom), 41);
    EXPECT_EQ(g.ScrollStep(GridScroll::Track, 100), 41);
    EXPECT_EQ(g.ScrollStep(GridScroll::ThumbPosition, 10), 0);
    EXPECT_EQ(g.ScrollStep(GridScroll::EndScroll), 0);
    EXPECT_EQ(g.Scroll(50), 41);
    EXPECT_EQ(g.ScrollRow(), 41);
    EXPECT_EQ(g.FirstVisible(), 205);
    EXPECT_EQ(g.ScrollStep(GridScroll::LineDown), 0);
    EXPECT_EQ(g.ScrollStep(GridScroll::Top), -41);
    EXPECT_EQ(g.Scroll(-100), -41);
    EXPECT_EQ(g.FirstVisible(), 0);
}

TEST(GridLayout, ArrowKeys) {
    GridLayout g = CharPageGrid(23); // 5 rows of items, the last holding 3; 4 rows shown
    struct Case {
        const char* name;
        GridKey key;
        int from, to, step;
    } cases[] = {
        {"left stops at 0", GridKey::Left, 0, 0, 0},
        {"left", GridKey::Left, 7, 6, 0},
        {"right stops at the last", GridKey::Right, 22, 22, 1},
        {"up from the first row gives item 0", GridKey::Up, 3, 0, 0},
        {"up", GridKey::Up, 8, 3, 0},
        {"down", GridKey::Down, 2, 7, 0},
        {"down into the hidden row scrolls", GridKey::Down, 17, 22, 1},
        {"down to a short last row gives the last item", GridKey::Down, 19, 22, 1},
        {"down in the last row gives the last item", GridKey::Down, 20, 22, 1},
    };
    for (const Case& c : cases) {
        const GridLayout::KeyResult r = g.Key(c.key, c.from);
        EXPECT_EQ(r.current, c.to) << c.name;
        EXPECT_EQ(r.step, c.step) << c.name;
    }
    g.Scroll(1);
    EXPECT_EQ(g.Key(GridKey::Up, 6).step, -1); // item 1 is above the view
}

TEST(GridLayout, PageAndHomeEndKeysMoveTheViewNotTheItem) {
    GridLayout g = CharPageGrid(223);
    EXPECT_EQ(g.Key(GridKey::PageUp, 3).step, 0); // already at the top
    EXPECT_EQ(g.Key(GridKey::PageUp, 3).current, 3);
    EXPECT_EQ(g.Key(GridKey::PageDown, 3).step, 4);
    EXPECT_EQ(g.Key(GridKey::End, 3).step, 41);
    EXPECT_EQ(g.Key(GridKey::End, 3).current, 3);
    g.Scroll(41);
    EXPECT_EQ(g.Key(GridKey::PageDown, 3).step, 0); // the items end in view
    EXPECT_EQ(g.Key(GridKey::Home, 3).step, -41);
    EXPECT_EQ(g.Key(GridKey::PageUp, 3).step, -4);
}

TEST(GridLayout, ResizeRefitsAndKeepsTheFirstVisibleRow) {
    GridLayout g = CharPageGrid(223);
    g.Scroll(3);
    const GridRect r = g.Resize(200, 500, 16, 1);
    EXPECT_EQ(g.Columns(), 3);
    EXPECT_EQ(g.Rows(), 8);
    EXPECT_EQ(r.Height(), 480);
    EXPECT_EQ(g.ScrollRow(), 5); // ceil(15 / 3)
}

TEST(GridLayout, SpecialCellStaysFirstAndCountsOnce) {
    GridLayout g;
    g.Configure(60, kGrid3d | kGridSpecialCell, 10, 2, 3, 0);
    g.FitLayout(GridRect{0, 0, 200, 120}, 16, 1);
    EXPECT_EQ(g.Count(), 11);
    EXPECT_EQ(g.ScrollMax(), 3); // 10 items in rows of 2 beside the special cell, 2 rows shown
    g.Scroll(1);
    EXPECT_EQ(g.HitTest(5, 5), 0);
    EXPECT_TRUE(g.IsVisible(0));
}

// ---------------------------------------------------------------------------------------------
// Preview install and face lookup on a real font

class PropSheetFont : public InstallFixture {};

TEST_F(PropSheetFont, OpeningAndReleasingTheSheetOnASourceFont) {
    PutTrueType("C:\\SRC\\DejaVuSans.ttf");
    auto item = TrueType("DejaVu Sans", "C:\\SRC\\DejaVuSans.ttf");
    item->m_bInstalled = 0;
    OpenSheetOnFont(*item);
    EXPECT_EQ(item->m_bPreviewInstalled, 1);
    EXPECT_EQ(item->m_nPreviewUsers, 1);
    EXPECT_GT(ActiveCount("C:\\SRC\\DejaVuSans.ttf"), 0);
    EXPECT_EQ(item->m_strFamilyName, "DejaVu Sans"); // the details were read
    EXPECT_EQ(PrepareSheetFile(*item), 1);
    ReleasePreview(*item);
    EXPECT_EQ(item->m_bPreviewInstalled, 0);
    EXPECT_EQ(ActiveCount("C:\\SRC\\DejaVuSans.ttf"), 0);
}

TEST_F(PropSheetFont, AnInstalledFontIsNotPreviewInstalled) {
    PutTrueType("C:\\SRC\\DejaVuSans.ttf");
    auto item = TrueType("DejaVu Sans", "C:\\SRC\\DejaVuSans.ttf");
    item->m_bInstalled = 1;
    OpenSheetOnFont(*item);
    EXPECT_EQ(item->m_bPreviewInstalled, 0);
    EXPECT_EQ(ActiveCount("C:\\SRC\\DejaVuSans.ttf"), 0);
    ReleasePreview(*item);
    EXPECT_EQ(ActiveCount("C:\\SRC\\DejaVuSans.ttf"), 0);
}

TEST_F(PropSheetFont, FileFallsBackToTheOriginalPathOrIsMissing) {
    PutTrueType("C:\\SRC\\orig.ttf");
    auto item = TrueType("DejaVu Sans", "");
    item->m_strOriginalPath = "C:\\SRC\\orig.ttf";
    EXPECT_EQ(PrepareSheetFile(*item), 1);
    EXPECT_EQ(item->m_strFilePath, "C:\\SRC\\orig.ttf");
    EXPECT_GT(item->m_nGlyphs, 0); // read now that there is a path
    auto gone = TrueType("Gone", "C:\\SRC\\gone.ttf");
    EXPECT_EQ(PrepareSheetFile(*gone), 0);
    auto none = TrueType("None", "");
    EXPECT_EQ(PrepareSheetFile(*none), 0);
}

TEST_F(PropSheetFont, FaceLookupInstallsAFontOfNeitherListAndTakesItsRecords) {
    PutTrueType("C:\\SRC\\DejaVuSans.ttf");
    auto item = TrueType("DejaVu Sans", "C:\\SRC\\DejaVuSans.ttf");
    item->EnsureTrueTypeInfo();
    item->m_bHasLogFont = item->m_bHasTextMetric = 0;
    const FaceLookupInstall own = LookUpFace(*item);
    EXPECT_EQ(own.ownInstall, 1);
    EXPECT_EQ(ActiveCount("C:\\SRC\\DejaVuSans.ttf"), 1);
    EXPECT_EQ(item->m_bHasLogFont, 1);
    EXPECT_EQ(item->m_bHasTextMetric, 1);
    EXPECT_STREQ(item->m_logFont.elfLogFont.lfFaceName, "DejaVu Sans");
    EXPECT_EQ(item->m_textMetric.tmWeight, 400);
    // Another add of the same file (a second sheet) outlives the undo of this one.
    platform::AddFontResource("C:\\SRC\\DejaVuSans.ttf");
    UndoFaceLookupInstall(item.get(), own);
    EXPECT_EQ(ActiveCount("C:\\SRC\\DejaVuSans.ttf"), 1);
}

TEST_F(PropSheetFont, FaceLookupOfAListedFontInstallsNothingAndKeepsAnUnmatchedItem) {
    PutTrueType("C:\\SRC\\DejaVuSans.ttf");
    FontItem* listed = Add(*app->m_permList, TrueType("No Such Face", "C:\\SRC\\DejaVuSans.ttf"));
    listed->m_strFamilyName = "No Such Family";
    listed->m_logFont.elfLogFont.lfWeight = 123;
    const FaceLookupInstall own = LookUpFace(*listed);
    EXPECT_EQ(own.ownInstall, 0);
    UndoFaceLookupInstall(listed, own);
    EXPECT_EQ(ActiveCount("C:\\SRC\\DejaVuSans.ttf"), 0);
    EXPECT_EQ(listed->m_bHasLogFont, 0);
    EXPECT_EQ(listed->m_logFont.elfLogFont.lfWeight, 123);
}

TEST_F(PropSheetFont, AFontIsHeldWhileAListOrAGroupHoldsIt) {
    FontItem* perm = Add(*app->m_permList, TrueType("Perm", "C:\\SRC\\a.ttf"));
    FontItem* source = Add(*app->m_sourceList, TrueType("Source", "C:\\SRC\\b.ttf"));
    auto group = std::make_unique<FontGroup>();
    group->m_pFonts = std::make_unique<FontList>();
    FontItem* grouped = Add(*group->m_pFonts, TrueType("Grouped", "C:\\SRC\\c.ttf"));
    app->m_groupList->AddTail(std::move(group));
    for (const FontItem* f : {perm, source, grouped}) EXPECT_TRUE(FontStillHeld(f)) << f->m_strFullName;
    FontItem loose;
    EXPECT_FALSE(FontStillHeld(&loose));
    EXPECT_FALSE(FontStillHeld(nullptr));
    app->m_permList->RemoveAll(); // the installed lists are rebuilt
    app->m_groupList->RemoveAll();
    EXPECT_TRUE(FontStillHeld(source));
    EXPECT_EQ(app->m_permList->Find(perm), FontList::npos);
}
