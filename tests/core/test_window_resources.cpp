// The window's resources as data: templates in dialog units, menus, help maps, the help file and
// the pictures; and the dialog framework's choice of control and menu.
#include "resources/dialogs.h"
#include "resources/helpfile.h"
#include "resources/helpmaps.h"
#include "resources/menus.h"
#include "resources/pictures.h"
#include "resources/resource.h"
#include "resources/strings.h"
#include "sharedui/dialogframe.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

TEST(DialogUnits, BaseUnitsOfTheDialogFontScaledByDpi) {
    struct Case {
        int du, dpi, x, y;
    };
    const Case cases[] = {
        {50, 96, 75, 81}, {14, 96, 21, 23}, {220, 96, 330, 358}, {164, 96, 246, 267}, {1, 96, 2, 2},
        {3, 96, 5, 5},    {0, 96, 0, 0},    {50, 144, 113, 122}, {418, 96, 627, 679}, {257, 96, 386, 418},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DialogUnitsToPixelsX(c.du, c.dpi), c.x) << c.du << " at " << c.dpi;
        EXPECT_EQ(DialogUnitsToPixelsY(c.du, c.dpi), c.y) << c.du << " at " << c.dpi;
    }
    const DialogItem button{IDC_CLOSE, ControlKind::PushButton, "Close", 303, 236, 50, 14, 0};
    EXPECT_EQ(DialogItemPixels(button), (PixelRect{455, 384, 75, 23}));
}

TEST(DialogTemplates, TheMainWindowAndTheGroupDialogs) {
    const DialogTemplate* main = FindDialogTemplate(IDD_FONTMGR);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->caption, "Kelvra TYPESTOW");
    EXPECT_EQ(main->cx, 418);
    EXPECT_EQ(main->cy, 257);
    EXPECT_EQ(main->menu, IDR_MAINMENU);
    EXPECT_EQ(main->items.size(), 17u);
    const DialogItem* temp = main->Item(IDC_TEMP_PANE);
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(temp->kind, ControlKind::ListView);
    EXPECT_EQ((std::vector<int>{temp->x, temp->y, temp->cx, temp->cy}),
              (std::vector<int>{212, 132, 200, 95}));
    EXPECT_EQ(main->Item(IDC_PERM_CAPTION)->text, " Permanently Installed");
    EXPECT_TRUE(main->Item(IDC_SOURCE_PANE)->style & kListIconMode);
    EXPECT_TRUE(main->Item(IDC_GROUPS_PANE)->style & kTreeEditLabels);

    const DialogTemplate* icon = FindDialogTemplate(IDD_GROUP_ICON_TYPE);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->caption, "Group Icon Type");
    EXPECT_EQ(icon->Item(ID_HELP)->text, "&Help");
    EXPECT_EQ(icon->Item(IDOK_BUTTON)->kind, ControlKind::DefPushButton);

    const DialogTemplate* group = FindDialogTemplate(IDD_INSTALL_GROUP);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->caption, "Install Font Group");
    EXPECT_EQ(group->Item(IDC_ADD_TEMP)->kind, ControlKind::DefPushButton);
    EXPECT_EQ(group->Item(IDC_GROUP_NAME)->text, "Fonts in Group : ");
    EXPECT_EQ(FindDialogTemplate(999), nullptr);
}

TEST(Menus, MenuBarStartsWithTheGrayedAndCheckedItems) {
    const MenuResource* bar = FindMenu(IDR_MAINMENU);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->items.size(), 4u);
    EXPECT_EQ(bar->items[2].text, "&View");
    for (unsigned id :
         {ID_FILE_GROUP_ICON, ID_FILE_RENAME_GROUP, ID_FILE_INSTALL, ID_FILE_INSTALL_TEMP, ID_FILE_PROPERTIES,
          ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_DELETE, ID_EDIT_SELECT_ALL})
        EXPECT_TRUE(FindMenuItem(bar->items, id)->flags & kMenuGrayed) << id;
    for (unsigned id : {ID_VIEW_ALL, ID_VIEW_FONTNAMES, ID_VIEW_WARNINGS})
        EXPECT_TRUE(FindMenuItem(bar->items, id)->flags & kMenuChecked) << id;
    EXPECT_FALSE(FindMenuItem(bar->items, ID_FILE_NEW_GROUP)->flags & kMenuGrayed);
    EXPECT_EQ(FindMenuItem(bar->items, ID_PRINT_FOLDER)->text, "&Current Folder...");
    EXPECT_EQ(FindMenuItem(bar->items, ID_FILE_EXIT)->text, "E&xit");
}

TEST(Menus, ContextPopupsInTheirOrder) {
    const MenuResource* panes = FindMenu(IDR_PANE_MENUS);
    ASSERT_NE(panes, nullptr);
    std::vector<std::string> names;
    for (const auto& popup : panes->items) names.push_back(popup.text);
    EXPECT_EQ(names, (std::vector<std::string>{"FileCtrl", "Perm", "Temp", "Group", "Source"}));
    auto ids = [](const MenuItem& popup) {
        std::vector<unsigned> out;
        for (const auto& item : popup.items)
            if (item.id) out.push_back(item.id);
        return out;
    };
    EXPECT_EQ(ids(panes->items[kPopupPerm]), (std::vector<unsigned>{ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE,
                                                                    ID_EDIT_DELETE, ID_FILE_PROPERTIES}));
    EXPECT_EQ(ids(panes->items[kPopupSource]),
              (std::vector<unsigned>{ID_FILE_BROWSE, ID_EDIT_COPY, ID_EDIT_DELETE, ID_FILE_INSTALL,
                                     ID_FILE_INSTALL_TEMP, ID_VIEW_FILENAMES, ID_VIEW_FONTNAMES,
                                     ID_FILE_PROPERTIES}));
    EXPECT_EQ(ids(panes->items[kPopupGroup]).size(), 10u);
    const MenuResource* grp = FindMenu(IDR_GROUP_DLG_MENU);
    ASSERT_NE(grp, nullptr);
    EXPECT_EQ(grp->items[0].text, "&Grp Ctrl");
    EXPECT_EQ(grp->items[0].items[0].id, static_cast<unsigned>(ID_GRP_SELECT_ALL));
}

TEST(HelpMaps, LeadingZeroGivesTheDialogsOwnContext) {
    auto main = LoadHelpMap(IDD_FONTMGR);
    ASSERT_TRUE(main);
    EXPECT_EQ(main->ownContext, 1u);
    EXPECT_EQ(main->pairs.size(), 17u);
    EXPECT_EQ(main->ContextOf(IDC_SOURCE_PANE), 8u);
    EXPECT_EQ(main->ContextOf(IDC_TEMP_CAPTION), 18u);
    EXPECT_EQ(main->ContextOf(4242), 0u);
    EXPECT_EQ(LoadHelpMap(IDD_GROUP_ICON_TYPE)->ContextOf(ID_HELP), 27u);
    EXPECT_EQ(LoadHelpMap(IDD_INSTALL_GROUP)->ownContext, 19u);
    EXPECT_EQ(LoadHelpMap(144)->ContextOf(1024), 47u);
    EXPECT_FALSE(LoadHelpMap(IDD_EMPTY_FONT));

    // Without the leading zero the pairs start at once and the template id is the own context.
    const HelpMap plain = ParseHelpMap({1047, 2, 1016, 3, 0}, 102);
    EXPECT_EQ(plain.ownContext, 102u);
    EXPECT_EQ(plain.ContextOf(1016), 3u);
    // A map without its end stops at its last whole pair.
    const HelpMap cut = ParseHelpMap({0, 5, 10, 11, 12}, 7);
    EXPECT_EQ(cut.ownContext, 5u);
    EXPECT_EQ(cut.pairs.size(), 1u);
}

TEST(HelpFile, TopicsAndPopupsByContext) {
    const HelpFile file = ParseHelpFile(
        "; comment\n.topic 7 Seven\r\nFirst line\nsame paragraph\n\nSecond\n\n.popup 8\nPopup text\n"
        ".popup\norphan text\n.topic 3 Three\nThree text\n");
    ASSERT_NE(file.Topic(7), nullptr);
    EXPECT_EQ(file.Topic(7)->title, "Seven");
    EXPECT_EQ(file.Topic(7)->text, "First line\nsame paragraph\n\nSecond");
    EXPECT_EQ(file.PopupText(8), "Popup text");
    EXPECT_EQ(file.PopupText(3), "Three text"); // a topic serves as a popup
    EXPECT_EQ(file.PopupText(99), "");
    EXPECT_EQ(file.ContentsContext(), 3u);
    EXPECT_EQ(file.topics.size(), 2u);
    EXPECT_EQ(file.popups.size(), 1u);
}

TEST(HelpFile, ShippedFileCoversEveryHelpMap) {
    std::ifstream in(std::string(TYPESTOW_SOURCE_DIR) + "/resources/typestow.HLP", std::ios::binary);
    ASSERT_TRUE(in);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const HelpFile file = ParseHelpFile(bytes.str());
    for (unsigned id : {102u, 142u, 143u, 144u, 148u, 149u}) {
        const HelpMap map = *LoadHelpMap(id);
        EXPECT_NE(file.Topic(map.ownContext), nullptr) << id;
        for (const auto& [control, context] : map.pairs) EXPECT_NE(file.PopupText(context), "") << context;
    }
}

TEST(HelpFile, NamedAfterTheProgram) {
    EXPECT_EQ(HelpFilePathFor("/opt/app/typestow"), "/opt/app/typestow.HLP");
    EXPECT_EQ(HelpFilePathFor("/opt/app.d/typestow"), "/opt/app.d/typestow.HLP");
    EXPECT_EQ(HelpFilePathFor("/opt/typestow.bin"), "/opt/typestow.HLP");
}

TEST(Pictures, TenImagesOfSixteenPixelsWithGreenForTransparency) {
    const auto& xpm = PictureXpm(IDB_PANE_IMAGES);
    ASSERT_FALSE(xpm.empty());
    int width = 0, height = 0, colours = 0, chars = 0;
    std::istringstream(xpm[0]) >> width >> height >> colours >> chars;
    EXPECT_EQ(width, kPaneImageSize * kPaneImageCount);
    EXPECT_EQ(height, kPaneImageSize);
    ASSERT_EQ(xpm.size(), static_cast<size_t>(1 + colours + height));
    EXPECT_EQ(xpm[1], "g c #00FF00");
    for (int row = 0; row < height; ++row) {
        const std::string& line = xpm[static_cast<size_t>(1 + colours + row)];
        ASSERT_EQ(line.size(), static_cast<size_t>(width));
        EXPECT_EQ(line.substr(7 * kPaneImageSize), std::string(3 * kPaneImageSize, 'g')); // 7 to 9 empty
    }
    EXPECT_FALSE(PictureXpm(IDI_MAINFRAME).empty());
    EXPECT_TRUE(PictureXpm(4711).empty());
}

TEST(DialogFrame, ChildNearestToTheLeftOfThePointWins) {
    const std::vector<ChildRect> children = {
        {0, 0, 100, 20}, // 0
        {10, 0, 50, 50}, // 1: nearer to the left of x = 30
        {10, 0, 40, 10}, // 2: as near as 1, found later
        {200, 200, 210, 210},
    };
    EXPECT_EQ(PickChildAt(children, 30, 5), 2);
    EXPECT_EQ(PickChildAt(children, 30, 15), 1);
    EXPECT_EQ(PickChildAt(children, 5, 5), 0);
    EXPECT_EQ(PickChildAt(children, 100, 5), -1); // right edges are outside
    EXPECT_EQ(PickChildAt(children, 150, 150), -1);
}

TEST(DialogFrame, ContextMenuPlans) {
    const ControlMenuMap map = {{1015, 0}, {1004, 1}, {0, 0}, {1003, 2}};
    int index = -1;
    EXPECT_EQ(PlanContextMenu(true, 159, map, 0, &index), ContextMenuPlan::PassOn);
    EXPECT_EQ(PlanContextMenu(false, 159, map, 1004, &index), ContextMenuPlan::ControlMenu);
    EXPECT_EQ(index, 1);
    // Entries after the end mark do not count.
    EXPECT_EQ(PlanContextMenu(false, 159, map, 1003, &index), ContextMenuPlan::WhatsThisOnly);
    EXPECT_EQ(PlanContextMenu(false, 0, map, 1004, &index), ContextMenuPlan::WhatsThisOnly);
    EXPECT_EQ(PlanContextMenu(false, 159, map, 1047, &index), ContextMenuPlan::WhatsThisOnly);
}

TEST(Strings, TextsOfTheWindow) {
    EXPECT_STREQ(LoadString(IDS_ABOUT_MENU), "&About Kelvra TYPESTOW");
    EXPECT_STREQ(LoadString(IDS_WHATS_THIS), "&What's This?");
    EXPECT_STREQ(LoadString(IDS_HELP_ITEM), "&Help");
    EXPECT_STREQ(LoadString(IDS_STYLE_SEPARATOR), ",");
}

} // namespace
