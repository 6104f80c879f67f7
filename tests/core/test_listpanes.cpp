// The list panes' rules: row text, icon and order, the menu state, keys, the right-click selection,
// Copy, Copy with origin, New Group copies and Delete in the Source pane.
#include "app/WFontMgrApp.h"
#include "app/folders.h"
#include "install/listpanes.h"
#include "install/panecommands.h"
#include "platform/files.h"
#include "resources/pictures.h"
#include "resources/resource.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

FontItem Font(const std::string& name, FontType type = FT_TRUETYPE, const std::string& path = "",
              const std::string& style = "") {
    FontItem f;
    f.m_strFullName = name;
    f.m_nType = type;
    f.m_strFilePath = path;
    f.m_strStyle = style;
    return f;
}

TEST(ListPaneRows, TextShowsTheType1StyleOrTheFileName) {
    struct Case {
        FontItem font;
        bool fileNames;
        const char* text;
    };
    const Case cases[] = {
        {Font("Arial Bold", FT_TRUETYPE, "C:\\F\\ARIALBD.TTF", "Bold"), false, "Arial Bold"},
        {Font("Times", FT_TYPE1, "C:\\PS\\TIB.PFM", "bolditalic"), false, "Times,bolditalic"},
        {Font("Times", FT_TYPE1, "C:\\PS\\TI.PFM", ""), false, "Times"},
        {Font("Times", FT_TYPE1, "C:\\PS\\TIB.PFM", "bold"), true, "TIB.PFM"},
        {Font("Arial", FT_TRUETYPE, "C:\\F\\ARIAL.TTF"), true, "ARIAL.TTF"},
        {Font("Odd", FT_TRUETYPE, "NOFOLDER.TTF"), true, "NOFOLDER.TTF"},
        {Font("Nothing", FT_TRUETYPE, ""), true, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(PaneRowText(c.font, c.fileNames), c.text);
}

TEST(ListPaneRows, IconByType) {
    EXPECT_EQ(PaneRowImage(Font("a", FT_TRUETYPE)), kImageTrueType);
    EXPECT_EQ(PaneRowImage(Font("a", FT_TYPE1)), kImageType1);
    EXPECT_EQ(PaneRowImage(Font("a", FT_OTHER)), kImageOpenFolder);
    EXPECT_EQ(PaneRowImage(Font("a", FT_UNSET)), kImageOpenFolder);
}

TEST(ListPaneRows, SortedByBytesUpperCaseFirstAndFilteredByView) {
    FontList list;
    for (const char* name : {"arial", "Zapf", "Arial", "\xC4gypt", "Bodoni"})
        list.AddTail(std::make_unique<FontItem>(Font(name)));
    list.AddTail(std::make_unique<FontItem>(Font("Courier", FT_TYPE1)));
    std::vector<std::string> names;
    for (FontItem* f : PaneRowsOf(list, 1)) names.push_back(f->m_strFullName);
    EXPECT_EQ(names, (std::vector<std::string>{"Arial", "Bodoni", "Courier", "Zapf", "arial", "\xC4gypt"}));
    EXPECT_EQ(PaneRowsOf(list, 2).size(), 1u);
    EXPECT_EQ(PaneRowsOf(list, 4).size(), 5u);
    EXPECT_EQ(PaneRowsOf(list, 3).size(), 6u);
}

TEST(ListPaneMenus, ItemsFollowTheSelectionAndTheClipboard) {
    using K = ListPaneKind;
    struct Case {
        K kind;
        unsigned id;
        bool none, one, many, oneEmptyClipboard;
    };
    const Case cases[] = {
        {K::Source, ID_FILE_PROPERTIES, false, true, false, true},
        {K::Permanent, ID_FILE_PROPERTIES, false, true, false, true},
        {K::Temporary, ID_FILE_PROPERTIES, false, true, false, true},
        {K::Source, ID_FILE_GROUP_ICON, false, false, false, false},
        {K::Temporary, ID_FILE_RENAME_GROUP, false, false, false, false},
        {K::Source, ID_FILE_INSTALL, false, true, true, true},
        {K::Permanent, ID_FILE_INSTALL, false, false, false, false},
        {K::Temporary, ID_FILE_INSTALL, false, true, true, true},
        {K::Source, ID_FILE_INSTALL_TEMP, false, true, true, true},
        {K::Permanent, ID_FILE_INSTALL_TEMP, false, false, false, false},
        {K::Temporary, ID_FILE_INSTALL_TEMP, false, false, false, false},
        {K::Source, ID_EDIT_DELETE, false, true, true, true},
        {K::Permanent, ID_EDIT_COPY, false, true, true, true},
        {K::Source, ID_EDIT_CUT, false, false, false, false},
        {K::Permanent, ID_EDIT_CUT, false, true, true, true},
        {K::Source, ID_EDIT_PASTE, false, false, false, false},
        {K::Permanent, ID_EDIT_PASTE, true, true, true, false},
        {K::Temporary, ID_EDIT_PASTE, true, true, true, false},
        {K::Source, ID_EDIT_SELECT_ALL, true, true, true, true},
        {K::Permanent, ID_FILE_NEW_GROUP, true, true, true, true},
        {K::Temporary, ID_FILE_BROWSE, true, true, true, true},
        {K::Source, ID_VIEW_TRUETYPE, true, true, true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ListPaneItemEnabled(c.kind, c.id, 0, false), c.none) << c.id;
        EXPECT_EQ(ListPaneItemEnabled(c.kind, c.id, 1, false), c.one) << c.id;
        EXPECT_EQ(ListPaneItemEnabled(c.kind, c.id, 3, false), c.many) << c.id;
        EXPECT_EQ(ListPaneItemEnabled(c.kind, c.id, 1, true), c.oneEmptyClipboard) << c.id;
    }
}

TEST(ListPaneMenus, FocusLossGraysThePaneItems) {
    auto has = [](ListPaneKind k, unsigned id) {
        const auto& ids = ItemsGrayedOnFocusLoss(k);
        return std::find(ids.begin(), ids.end(), id) != ids.end();
    };
    EXPECT_EQ(ItemsGrayedOnFocusLoss(ListPaneKind::Permanent).size(), 6u);
    EXPECT_EQ(ItemsGrayedOnFocusLoss(ListPaneKind::Source).size(), 6u);
    EXPECT_EQ(ItemsGrayedOnFocusLoss(ListPaneKind::Temporary).size(), 7u);
    EXPECT_TRUE(has(ListPaneKind::Source, ID_FILE_INSTALL_TEMP));
    EXPECT_FALSE(has(ListPaneKind::Source, ID_EDIT_PASTE));
    EXPECT_FALSE(has(ListPaneKind::Permanent, ID_FILE_INSTALL));
    EXPECT_TRUE(has(ListPaneKind::Temporary, ID_FILE_INSTALL));
    EXPECT_FALSE(has(ListPaneKind::Temporary, ID_FILE_INSTALL_TEMP));
}

TEST(ListPaneKeys, KeysSendPaneCommands) {
    using K = ListPaneKind;
    using V = std::vector<unsigned>;
    EXPECT_EQ(PaneKeyCommands(K::Permanent, PaneKey::Insert), V{PANE_PASTE});
    EXPECT_EQ(PaneKeyCommands(K::Temporary, PaneKey::CtrlV), V{PANE_PASTE});
    EXPECT_EQ(PaneKeyCommands(K::Source, PaneKey::Insert), V{});
    EXPECT_EQ(PaneKeyCommands(K::Source, PaneKey::CtrlV), V{});
    EXPECT_EQ(PaneKeyCommands(K::Source, PaneKey::Delete), V{PANE_DELETE});
    EXPECT_EQ(PaneKeyCommands(K::Source, PaneKey::CtrlC), V{PANE_COPY});
    EXPECT_EQ(PaneKeyCommands(K::Source, PaneKey::CtrlX), (V{PANE_COPY, PANE_DELETE}));
    EXPECT_EQ(PaneKeyCommands(K::Permanent, PaneKey::CtrlX), V{PANE_CUT});
}

RowSelection Rows(size_t count, std::vector<int> selected, int focused) {
    RowSelection r;
    r.selected.assign(count, false);
    for (int i : selected) r.selected[static_cast<size_t>(i)] = true;
    r.focused = focused;
    return r;
}

std::vector<int> Selected(const RowSelection& r) {
    std::vector<int> out;
    for (size_t i = 0; i < r.selected.size(); ++i)
        if (r.selected[i]) out.push_back(static_cast<int>(i));
    return out;
}

TEST(RightClick, SelectionRules) {
    struct Case {
        const char* what;
        std::vector<int> before;
        int focused, pressed;
        bool shift, ctrl;
        bool changed;
        std::vector<int> after;
        int focusAfter;
    };
    const Case cases[] = {
        {"on no row", {2, 7}, 7, -1, false, false, false, {2, 7}, 7},
        {"on a selected row keeps a multiple selection", {2, 7}, 7, 7, false, false, false, {2, 7}, 7},
        {"plain click selects only that row", {2, 7}, 7, 4, false, false, true, {4}, 4},
        {"Ctrl keeps the others", {2, 7}, 7, 4, false, true, true, {2, 4, 7}, 4},
        {"Shift from the highest selected row", {2, 7}, 2, 4, true, false, true, {4, 5, 6, 7}, 4},
        {"Shift upwards", {1}, 1, 4, true, false, true, {1, 2, 3, 4}, 4},
        {"Shift from the focused row", {}, 6, 3, true, false, true, {3, 4, 5, 6}, 3},
        {"Shift from row 0", {}, -1, 2, true, false, true, {0, 1, 2}, 2},
        {"Shift and Ctrl is Shift", {5}, 5, 8, true, true, true, {5, 6, 7, 8}, 8},
    };
    for (const Case& c : cases) {
        RowSelection rows = Rows(10, c.before, c.focused);
        EXPECT_EQ(SelectOnRightClick(rows, c.pressed, c.shift, c.ctrl), c.changed) << c.what;
        EXPECT_EQ(Selected(rows), c.after) << c.what;
        EXPECT_EQ(rows.focused, c.focusAfter) << c.what;
    }
}

struct PaneFixture : testing::Test {
    TestImage image;
    ScriptedUi ui;
    WFontMgrApp app{ui};
    std::vector<std::unique_ptr<FontItem>> owned;

    void SetUp() override {
        app.m_permList = std::make_unique<FontList>();
        app.m_tempList = std::make_unique<FontList>();
        app.m_sourceList = std::make_unique<FontList>();
        app.m_clipboard = std::make_unique<FontList>();
        app.m_groupList = std::make_unique<GroupList>();
    }
    FontItem* Add(FontList& list, FontItem font) {
        return list.AddTail(std::make_unique<FontItem>(std::move(font)));
    }
};

TEST_F(PaneFixture, CopyEmptiesTheClipboardAndKeepsEachFontAndFileOnce) {
    app.m_clipboard->AddTail(std::make_unique<FontItem>(Font("Old")));
    FontItem* a = Add(*app.m_permList, Font("Arial", FT_TRUETYPE, "C:\\W\\ARIAL.TTF"));
    FontItem* b = Add(*app.m_permList, Font("Arial", FT_TRUETYPE, "D:\\X\\arial.ttf"));
    FontItem* c = Add(*app.m_permList, Font("Arial", FT_TRUETYPE, "D:\\X\\ARIAL2.TTF"));
    CopyToClipboard({a, b, c}, *app.m_clipboard);
    ASSERT_EQ(app.m_clipboard->GetCount(), 2u);
    EXPECT_EQ(app.m_clipboard->GetAt(0)->m_strFilePath, "C:\\W\\ARIAL.TTF");
    EXPECT_NE(app.m_clipboard->GetAt(0), a); // a copy, not the font itself
    EXPECT_EQ(app.m_clipboard->GetAt(1)->m_strFilePath, "D:\\X\\ARIAL2.TTF");
    CopyToClipboard({}, *app.m_clipboard);
    EXPECT_TRUE(app.m_clipboard->IsEmpty());
}

TEST_F(PaneFixture, CopyWithOriginNamesTheFileOutsideTheTempFontFolder) {
    const std::string tempFont = TempFontFolder() + "\\";
    FontItem recorded = Font("Recorded", FT_TRUETYPE, tempFont + "REC.TTF");
    recorded.m_strOriginalPath = "D:\\FONTS\\REC.TTF";
    ASSERT_EQ(app.RecordTempInstall(recorded), 1);
    FontItem* known = Add(*app.m_tempList, Font("Recorded", FT_TRUETYPE, tempFont + "REC.TTF"));
    FontItem* unknown = Add(*app.m_tempList, Font("Unrecorded", FT_TRUETYPE, "C:\\ELSEWHERE\\UN.TTF"));
    CopyWithOriginToClipboard({known, unknown}, *app.m_clipboard);
    ASSERT_EQ(app.m_clipboard->GetCount(), 2u);
    EXPECT_EQ(app.m_clipboard->GetAt(0)->m_strFilePath, "D:\\FONTS\\REC.TTF");
    EXPECT_EQ(app.m_clipboard->GetAt(0)->m_strOriginalPath, "");
    // Without a record the copy has no file; a permanent paste copies it into the Fonts folder.
    EXPECT_EQ(app.m_clipboard->GetAt(1)->m_strFilePath, "");
    EXPECT_EQ(app.m_clipboard->GetAt(1)->m_strOriginalPath, "C:\\ELSEWHERE\\UN.TTF");
    // The installed fonts themselves are untouched.
    EXPECT_EQ(known->m_strFilePath, tempFont + "REC.TTF");
    EXPECT_EQ(unknown->m_strOriginalPath, "");
}

TEST_F(PaneFixture, NewGroupCopiesEachFontAndFileOnce) {
    FontItem* a = Add(*app.m_sourceList, Font("A", FT_TRUETYPE, "C:\\F\\A.TTF"));
    FontItem* b = Add(*app.m_sourceList, Font("A", FT_TRUETYPE, "C:\\G\\a.ttf"));
    auto copies = CopiesForNewGroup({a, b});
    ASSERT_EQ(copies->GetCount(), 1u);
    EXPECT_NE(copies->GetAt(0), a);
}

TEST_F(PaneFixture, StatusLineShowsThePathOrUnknown) {
    EXPECT_EQ(StatusLineText(Font("A", FT_TRUETYPE, "C:\\F\\A.TTF")), " C:\\F\\A.TTF");
    EXPECT_EQ(StatusLineText(Font("A")), " Unknown");
}

// A pane that records what the Source Delete does to its rows.
struct FakePane : PanePort {
    std::vector<FontItem*> rows, selected;
    std::vector<FontItem*> SelectedFonts() override { return selected; }
    void AddRow(FontItem* f) override { rows.push_back(f); }
    bool RemoveRow(FontItem* f) override {
        auto it = std::find(rows.begin(), rows.end(), f);
        if (it == rows.end()) return false;
        rows.erase(it);
        return true;
    }
    void SortRows() override {}
    void Refill() override {}
    platform::WindowHandle OwnerWindow() override { return this; }
};

TEST_F(PaneFixture, SourceDeleteAsksAndDeletesTheFilesItCan) {
    image.WriteFile("C:\\SRC\\A.TTF", "a");
    image.WriteFile("C:\\SRC\\B.PFM", "b");
    image.WriteFile("C:\\SRC\\B.PFB", "b");
    image.WriteFile("C:\\SRC\\LOCKED.TTF", "c");
    ASSERT_TRUE(platform::SetFileAttributes("C:\\SRC\\LOCKED.TTF", platform::kAttrReadOnly));
    FakePane pane;
    FontItem* a = Add(*app.m_sourceList, Font("A", FT_TRUETYPE, "C:\\SRC\\A.TTF"));
    FontItem* b = Add(*app.m_sourceList, Font("B", FT_TYPE1, "C:\\SRC\\B.PFM"));
    FontItem* locked = Add(*app.m_sourceList, Font("Locked", FT_TRUETYPE, "C:\\SRC\\LOCKED.TTF"));
    pane.rows = {a, b, locked};
    pane.selected = {a, b, locked};

    ui.Answer(platform::kIdNo);
    DeleteSourceFiles(pane);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Are you sure you want to delete the selected font file(s)?");
    EXPECT_EQ(ui.boxes[0].caption, "Deleting a Source Font");
    EXPECT_EQ(ui.boxes[0].Buttons(), platform::kMbYesNo);
    EXPECT_EQ(ui.boxes[0].Icon(), platform::kMbIconQuestion);
    EXPECT_EQ(app.m_sourceList->GetCount(), 3u);
    EXPECT_TRUE(image.Exists("C:\\SRC\\A.TTF"));

    ui.Answer(platform::kIdYes);
    DeleteSourceFiles(pane);
    ASSERT_EQ(ui.boxes.size(), 3u);
    EXPECT_EQ(ui.boxes[2].text, "File(s) in use. Cannot delete file(s).");
    EXPECT_EQ(ui.boxes[2].caption, "Error");
    EXPECT_EQ(ui.boxes[2].Icon(), platform::kMbIconWarning);
    EXPECT_FALSE(image.Exists("C:\\SRC\\A.TTF"));
    EXPECT_FALSE(image.Exists("C:\\SRC\\B.PFM"));
    EXPECT_TRUE(image.Exists("C:\\SRC\\B.PFB")); // only the metrics file goes
    EXPECT_TRUE(image.Exists("C:\\SRC\\LOCKED.TTF"));
    ASSERT_EQ(app.m_sourceList->GetCount(), 1u);
    EXPECT_EQ(app.m_sourceList->GetAt(0), locked);
    EXPECT_EQ(pane.rows, std::vector<FontItem*>{locked});
    EXPECT_EQ(ui.m_waitDepth, 0);
}

TEST_F(PaneFixture, SourceDeleteWithWarningsOffOrNothingSelectedAsksNothing) {
    FakePane pane;
    DeleteSourceFiles(pane);
    EXPECT_TRUE(ui.boxes.empty());
    image.WriteFile("C:\\SRC\\A.TTF", "a");
    FontItem* a = Add(*app.m_sourceList, Font("A", FT_TRUETYPE, "C:\\SRC\\A.TTF"));
    pane.rows = pane.selected = {a};
    app.m_bShowWarnings = 0;
    DeleteSourceFiles(pane);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_TRUE(app.m_sourceList->IsEmpty());
}

} // namespace
