// The main window's rules without a window: the resize arithmetic, where menu commands go, the View
// menu's checks and filter, and the folder chooser's answers.
#include "app/browsefolder.h"
#include "app/mainwindow.h"
#include "resources/resource.h"
#include "tests/support/TestImage.h"

#include <gtest/gtest.h>

namespace {

LayoutRect R(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

// The layout the window opens with: template 102 at 96 dpi after the captions moved onto their frames.
MainLayout OpeningLayout() {
    MainLayout l;
    l.sourceCaption = R(8, 10, 300, 18);
    l.sourcePane = R(8, 28, 300, 154);
    l.permCaption = R(318, 10, 300, 18);
    l.permPane = R(318, 28, 300, 154);
    l.groupsCaption = R(8, 197, 300, 18);
    l.groupsPane = R(8, 215, 300, 154);
    l.tempCaption = R(318, 197, 300, 18);
    l.tempPane = R(318, 215, 300, 154);
    l.status = R(8, 384, 353, 23);
    l.browse = R(371, 384, 75, 23);
    l.close = R(455, 384, 75, 23);
    l.help = R(539, 384, 75, 23);
    return l;
}

TEST(MainLayout, GapsAreMeasuredBetweenTheColumnsAndTheRows) {
    const LayoutGaps gaps = MeasureLayoutGaps(OpeningLayout());
    EXPECT_EQ(gaps.horizontal, 10);
    EXPECT_EQ(gaps.vertical, 15);
}

TEST(MainLayout, WiderBy101MovesTheRightColumnBy50AndTheButtonsBy101) {
    const MainLayout before = OpeningLayout();
    const MainLayout after = ResizeMainLayout(before, 101, 0, MeasureLayoutGaps(before));
    for (auto pane :
         {&MainLayout::sourcePane, &MainLayout::permPane, &MainLayout::groupsPane, &MainLayout::tempPane}) {
        EXPECT_EQ((after.*pane).Width(), 350);
        EXPECT_EQ((after.*pane).Height(), 154);
    }
    EXPECT_EQ(after.sourcePane.left, 8);
    EXPECT_EQ(after.permPane.left, 318 + 50);
    EXPECT_EQ(after.tempCaption.left, 318 + 50);
    EXPECT_EQ(after.tempCaption.Width(), 350);
    EXPECT_EQ(after.tempCaption.Height(), 18);
    for (auto button : {&MainLayout::browse, &MainLayout::close, &MainLayout::help}) {
        EXPECT_EQ((after.*button).left, (before.*button).left + 101);
        EXPECT_EQ((after.*button).Width(), 75);
    }
    // The status line keeps its left edge and ends as far from Browse as Browse is from Close.
    EXPECT_EQ(after.status.left, 8);
    EXPECT_EQ(after.browse.left - after.status.right, after.close.left - after.browse.right);
}

TEST(MainLayout, LowerBy3ShrinksThePanesBy1AndRaisesTheLowerRowBy1) {
    const MainLayout before = OpeningLayout();
    const MainLayout after = ResizeMainLayout(before, 0, -3, MeasureLayoutGaps(before));
    EXPECT_EQ(after.sourcePane.Height(), 153);
    EXPECT_EQ(after.tempPane.Height(), 153);
    EXPECT_EQ(after.groupsPane.top, 215 - 1);
    EXPECT_EQ(after.groupsCaption.top, 197 - 1);
    EXPECT_EQ(after.permPane.top, 28);
    EXPECT_EQ(after.close.top, 384 - 3);
    EXPECT_EQ(after.status.top, 384 - 3);
    EXPECT_EQ(after.status.Height(), 23);
}

TEST(MainLayout, SinglePixelStepsMoveOnlyTheButtonsAndTheStatusLine) {
    const MainLayout start = OpeningLayout();
    const LayoutGaps gaps = MeasureLayoutGaps(start);
    MainLayout l = start;
    for (int step = 0; step < 5; ++step) l = ResizeMainLayout(l, 1, 1, gaps);
    EXPECT_EQ(l.sourcePane, start.sourcePane);
    EXPECT_EQ(l.permPane, start.permPane);
    EXPECT_EQ(l.groupsPane, start.groupsPane);
    EXPECT_EQ(l.tempPane, start.tempPane);
    EXPECT_EQ(l.tempCaption, start.tempCaption);
    EXPECT_EQ(l.close.left, start.close.left + 5);
    EXPECT_EQ(l.close.top, start.close.top + 5);
    EXPECT_EQ(l.status.top, start.status.top + 5);
    // One change of two pixels moves them.
    const MainLayout two = ResizeMainLayout(start, 2, 2, gaps);
    EXPECT_EQ(two.tempPane.left, start.tempPane.left + 1);
    EXPECT_EQ(two.tempPane.Width(), start.tempPane.Width() + 1);
}

TEST(MenuRouting, CommandsGoWhereTheWindowSends) {
    struct Case {
        unsigned id;
        MenuAction action;
        unsigned paneCommand;
        int viewType;
    };
    const Case cases[] = {
        {ID_FILE_BROWSE, MenuAction::ToSourcePane, PANE_BROWSE, 0},
        {ID_FILE_GROUP_ICON, MenuAction::ToGroupsPane, PANE_GROUP_ICON, 0},
        {ID_FILE_NEW_GROUP, MenuAction::ToFocusPane, PANE_NEW_GROUP, 0},
        {ID_FILE_RENAME_GROUP, MenuAction::ToFocusPane, PANE_RENAME, 0},
        {ID_FILE_INSTALL, MenuAction::ToFocusPane, PANE_INSTALL, 0},
        {ID_FILE_INSTALL_TEMP, MenuAction::ToFocusPane, PANE_INSTALL_TEMP, 0},
        {ID_FILE_PROPERTIES, MenuAction::ToFocusPane, PANE_PROPERTIES, 0},
        {ID_EDIT_CUT, MenuAction::ToFocusPane, PANE_CUT, 0},
        {ID_EDIT_COPY, MenuAction::ToFocusPane, PANE_COPY, 0},
        {ID_EDIT_PASTE, MenuAction::ToFocusPane, PANE_PASTE, 0},
        {ID_EDIT_DELETE, MenuAction::ToFocusPane, PANE_DELETE, 0},
        {ID_EDIT_SELECT_ALL, MenuAction::ToFocusPane, PANE_SELECT_ALL, 0},
        {ID_VIEW_FILENAMES, MenuAction::ToSourcePane, ID_VIEW_FILENAMES, 0},
        {ID_VIEW_FONTNAMES, MenuAction::ToSourcePane, ID_VIEW_FONTNAMES, 0},
        {ID_VIEW_ALL, MenuAction::ViewFilter, 0, 1},
        {ID_VIEW_POSTSCRIPT, MenuAction::ViewFilter, 0, 2},
        {ID_VIEW_TRUETYPE, MenuAction::ViewFilter, 0, 4},
        {ID_VIEW_WARNINGS, MenuAction::ShowWarnings, 0, 0},
        {ID_FILE_EXIT, MenuAction::PressClose, 0, 0},
        {ID_PRINT_ALL, MenuAction::Print, 0, 0},
        {ID_PRINT_GROUPS, MenuAction::Print, 0, 0},
        {ID_HELP_FINDER, MenuAction::HelpTopics, 0, 0},
        {ID_HELP_USING, MenuAction::UsingHelp, 0, 0},
        {ID_APP_ABOUT, MenuAction::About, 0, 0},
        {12345, MenuAction::None, 0, 0},
    };
    for (const Case& c : cases) {
        const MenuRoute route = RouteMenuCommand(c.id);
        EXPECT_EQ(route.action, c.action) << c.id;
        EXPECT_EQ(route.paneCommand, c.paneCommand) << c.id;
        EXPECT_EQ(route.viewType, c.viewType) << c.id;
    }
}

TEST(ViewMenu, ChecksFollowTheSettingsAndAnUnknownFilterChecksNone) {
    ViewChecks c = ViewMenuChecks(4, 1, 0);
    EXPECT_TRUE(c.trueType);
    EXPECT_FALSE(c.all || c.postScript);
    EXPECT_TRUE(c.fileNames);
    EXPECT_FALSE(c.fontNames);
    EXPECT_FALSE(c.warnings);
    c = ViewMenuChecks(3, 0, 1);
    EXPECT_FALSE(c.all || c.postScript || c.trueType);
    EXPECT_TRUE(c.fontNames);
    EXPECT_TRUE(c.warnings);
}

TEST(ViewMenu, FilterKeepsTheChosenKind) {
    FontItem tt, t1, other;
    tt.m_nType = FT_TRUETYPE;
    t1.m_nType = FT_TYPE1;
    other.m_nType = FT_OTHER;
    for (int view : {1, 3, 0})
        EXPECT_TRUE(PassesViewFilter(tt, view) && PassesViewFilter(t1, view) &&
                    PassesViewFilter(other, view));
    EXPECT_TRUE(PassesViewFilter(t1, 2));
    EXPECT_FALSE(PassesViewFilter(tt, 2));
    EXPECT_FALSE(PassesViewFilter(other, 2));
    EXPECT_TRUE(PassesViewFilter(tt, 4));
    EXPECT_FALSE(PassesViewFilter(t1, 4));
}

TEST(FolderChooser, FolderPathsAndParents) {
    EXPECT_EQ(NormalFolderPath("c:\\Fonts\\"), "C:\\Fonts");
    EXPECT_EQ(NormalFolderPath("C:"), "C:\\");
    EXPECT_EQ(NormalFolderPath("C:\\A\\..\\B"), "C:\\B");
    EXPECT_EQ(NormalFolderPath("Fonts"), "");
    EXPECT_EQ(ParentFolder("C:\\A\\B"), "C:\\A");
    EXPECT_EQ(ParentFolder("C:\\A"), "C:\\");
    EXPECT_EQ(ParentFolder("C:\\"), "C:\\");
}

TEST(FolderChooser, OkAnswersAFolderNeverAFile) {
    TestImage image;
    image.WriteFile("C:\\FONTS\\A\\X.TTF", "x");
    image.WriteFile("C:\\FONTS\\B\\Y.TTF", "y");
    struct Case {
        const char* shown;
        const char* entry;
        bool close;
        const char* folder;
    };
    const Case cases[] = {
        {"C:\\FONTS\\A", "C:\\FONTS\\B", true, "C:\\FONTS\\B"}, // an existing folder
        {"C:\\FONTS\\A", "..\\b", true, "C:\\FONTS\\B"},        // relative to the folder shown, any case
        {"C:\\FONTS\\A", "..\\..", true, "C:\\"},               // up to the root
        {"C:\\FONTS\\A", "C:\\FONTS\\A", true, "C:\\FONTS\\A"}, // the folder shown itself
        {"C:\\FONTS\\A", "X.TTF", true, "C:\\FONTS\\A"},        // a file is refused; the folder shown answers
        {"C:\\FONTS", "C:\\FONTS\\A\\X.TTF", true, "C:\\FONTS"}, // also one of another folder
        {"C:\\FONTS\\A", "C:\\NOWHERE", false, "C:\\FONTS\\A"},  // nothing there: the chooser stays
        {"C:\\FONTS\\A", "Y.TTF", false, "C:\\FONTS\\A"},        // a file of another folder
        {"C:\\FONTS\\A", "   ", false, "C:\\FONTS\\A"},
    };
    for (const Case& c : cases) {
        const BrowseOk ok = ResolveBrowseOk(c.shown, c.entry);
        EXPECT_EQ(ok.close, c.close) << c.entry;
        EXPECT_EQ(ok.folder, c.folder) << c.entry;
    }
}

TEST(FolderChooser, ListsSubfoldersAndStartsAtTheNearestExistingFolder) {
    TestImage image;
    image.WriteFile("C:\\FONTS\\beta\\X.TTF", "x");
    image.WriteFile("C:\\FONTS\\Alpha\\Y.TTF", "y");
    image.WriteFile("C:\\FONTS\\Z.TTF", "z");
    EXPECT_EQ(SubfolderNames("C:\\FONTS"), (std::vector<std::string>{"Alpha", "beta"}));
    EXPECT_EQ(StartFolder("C:\\FONTS\\Alpha"), "C:\\FONTS\\Alpha");
    EXPECT_EQ(StartFolder("C:\\FONTS\\Gone\\Deeper"), "C:\\FONTS");
    EXPECT_EQ(StartFolder("Q:\\Nothing"), DriveRoots().front());
    EXPECT_EQ(DriveRoots().front(), "C:\\");
}

} // namespace
