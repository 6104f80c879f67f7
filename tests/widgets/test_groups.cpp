// The Groups pane in the main window, dragging between panes with the mouse, and the Group Icon
// Type and Install Font Group dialogs.
#include "app/ui/QtUiPort.h"
#include "groups/GroupFile.h"
#include "groups/ui/WGroupIconTypeDlg.h"
#include "groups/ui/WInstallGroupDlg.h"
#include "platform/fonttable.h"
#include "platform/hostfs.h"
#include "platform/paths.h"
#include "platform/session.h"
#include "platform/shelllink.h"
#include "resources/resource.h"
#include "tests/widgets/WindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

struct GroupsWindow : WindowFixture {
    GroupsWindow() { platform::EnsureSession(); }

    void PutDejaVu(const std::string& windowsPath, const std::string& file = "DejaVuSans.ttf") {
        auto bytes = platform::host::ReadFile("/usr/share/fonts/truetype/dejavu/" + file);
        ASSERT_TRUE(bytes) << file;
        image.WriteFile(windowsPath, *bytes);
    }
    FontGroup* AddGroup(const std::string& name) {
        auto group = std::make_unique<FontGroup>(app.ProgramFolder(), name);
        SaveGroup(*group, nullptr);
        return app.m_groupList->AddTail(std::move(group));
    }
    FontItem* AddToGroup(FontGroup* group, const std::string& name, FontType type, const std::string& path) {
        FontItem* font = AddFont(*group->m_pFonts, name, type, path);
        SaveGroup(*group, nullptr);
        return font;
    }
    WGroupTree* Tree() const { return dlg->GroupTree(); }
    QTreeWidgetItem* Node(const std::string& group, const std::string& font = {}) const {
        for (int i = 0; i < Tree()->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = Tree()->topLevelItem(i);
            if (ToAnsi(item->text(0)) != group) continue;
            if (font.empty()) return item;
            for (int k = 0; k < item->childCount(); ++k)
                if (ToAnsi(item->child(k)->text(0)) == font) return item->child(k);
        }
        return nullptr;
    }
    std::vector<std::string> Labels(QTreeWidgetItem* parent = nullptr) const {
        std::vector<std::string> out;
        const int n = parent ? parent->childCount() : Tree()->topLevelItemCount();
        for (int i = 0; i < n; ++i)
            out.push_back(ToAnsi((parent ? parent->child(i) : Tree()->topLevelItem(i))->text(0)));
        return out;
    }
    QLineEdit* Editor() const {
        return qobject_cast<QLineEdit*>(Tree()->indexWidget(Tree()->currentIndex()));
    }
    void TypeLabel(const std::string& ansi) {
        const QString text = FromAnsi(ansi);
        QLineEdit* editor = Editor();
        ASSERT_NE(editor, nullptr);
        editor->setText(text);
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::qWait(20);
    }

    // Mouse events through the window, as the window system delivers them (the capture holds).
    QWindow* Win() const { return dlg->windowHandle(); }
    QPoint In(QWidget* w, QPoint local) const { return w->mapTo(dlg.get(), local); }
    QPoint RowCenter(WFontListPane* pane, int row) const {
        return In(pane->viewport(), pane->visualRect(pane->Rows()->index(row)).center());
    }
    QPoint NodeCenter(QTreeWidgetItem* item) const {
        return In(Tree()->viewport(), Tree()->visualItemRect(item).center());
    }
    void Press(QPoint at, Qt::KeyboardModifiers mods = {}) {
        QTest::mousePress(Win(), Qt::LeftButton, mods, at);
    }
    void Move(QPoint at) { QTest::mouseMove(Win(), at); }
    void Release(QPoint at) { QTest::mouseRelease(Win(), Qt::LeftButton, {}, at); }
    // Press and pull far enough for a drag to start.
    void StartDrag(QPoint from) {
        Press(from);
        Move(from + QPoint(3, 0));
        Move(from + QPoint(30, 0));
        ASSERT_TRUE(dlg->Drag().m_bDragging);
    }
};

TEST_F(GroupsWindow, NewGroupOpensTheEditorAndBadNamesReopenIt) {
    AddGroup("NewGroup");
    AddGroup("newgroup2");
    AddGroup("Other");
    Open();
    Focus(Tree());
    dlg->OnCommand(ID_FILE_NEW_GROUP);
    QApplication::processEvents();
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Tree()->currentItem()->text(0), QStringLiteral("NewGroup3"));

    TypeLabel("A:B");
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Error");
    EXPECT_NE(Editor(), nullptr);
    TypeLabel("OTHER");
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[1].text, "Group name already exists. Please choose a different name.");
    TypeLabel("   ");
    EXPECT_EQ(ui.boxes.size(), 2u);
    EXPECT_NE(Editor(), nullptr);
    TypeLabel("Fancy");
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(Labels(), (std::vector<std::string>{"Fancy", "NewGroup", "newgroup2", "Other"}));
    EXPECT_EQ(Tree()->currentItem()->text(0), QStringLiteral("Fancy"));
    EXPECT_TRUE(image.Exists(app.ProgramFolder() + "Fancy.FGP"));
    EXPECT_FALSE(image.Exists(app.ProgramFolder() + "NewGroup3.FGP"));
    EXPECT_EQ(Editor(), nullptr);
}

TEST_F(GroupsWindow, EscapeInTheEditorKeepsTheName) {
    FontGroup* sans = AddGroup("Sans");
    Open();
    Focus(Tree());
    Tree()->setCurrentItem(Node("Sans"));
    dlg->OnCommand(ID_FILE_RENAME_GROUP);
    ASSERT_NE(Editor(), nullptr);
    Editor()->setText(QStringLiteral("Serif"));
    QTest::keyClick(Editor(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(sans->m_strName, "Sans");
    EXPECT_EQ(Labels(), (std::vector<std::string>{"Sans"}));
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(GroupsWindow, NodesImagesMenusAndStatusLine) {
    FontGroup* sans = AddGroup("sans");
    AddToGroup(sans, "Zeta", FT_TRUETYPE, "C:\\F\\z.ttf");
    AddToGroup(sans, "Alpha", FT_TYPE1, "C:\\PS\\A.PFM")->m_strStyle = "bold";
    SaveGroup(*sans, nullptr);
    AddGroup("Mono");
    Open();
    EXPECT_EQ(Labels(), (std::vector<std::string>{"Mono", "sans"}));
    EXPECT_EQ(Labels(Node("sans")), (std::vector<std::string>{"Alpha,bold", "Zeta"}));
    EXPECT_FALSE(Node("sans")->icon(0).isNull());

    Focus(Tree());
    Tree()->setCurrentItem(Node("sans", "Zeta"));
    EXPECT_EQ(dlg->Caption(IDC_STATUS)->text(), QStringLiteral(" C:\\F\\z.ttf"));
    OpenMenuOf(ID_FILE_PROPERTIES);
    EXPECT_TRUE(MenuItem(ID_FILE_PROPERTIES)->isEnabled());
    EXPECT_FALSE(MenuItem(ID_FILE_GROUP_ICON)->isEnabled());
    EXPECT_FALSE(MenuItem(ID_FILE_RENAME_GROUP)->isEnabled());
    Tree()->setCurrentItem(Node("Mono"));
    EXPECT_EQ(dlg->Caption(IDC_STATUS)->text(), QStringLiteral(" "));
    OpenMenuOf(ID_EDIT_PASTE);
    EXPECT_FALSE(MenuItem(ID_EDIT_PASTE)->isEnabled());
    EXPECT_TRUE(MenuItem(ID_EDIT_COPY)->isEnabled());
    OpenMenuOf(ID_FILE_PROPERTIES);
    EXPECT_FALSE(MenuItem(ID_FILE_PROPERTIES)->isEnabled());
    EXPECT_TRUE(MenuItem(ID_FILE_RENAME_GROUP)->isEnabled());

    // Keys send the pane's commands: Ctrl+C copies the group, Insert pastes into the other.
    Tree()->setCurrentItem(Node("sans"));
    QTest::keyClick(Tree(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(app.m_clipboard->GetCount(), 2u);
    Tree()->setCurrentItem(Node("Mono"));
    QTest::keyClick(Tree(), Qt::Key_Insert);
    EXPECT_EQ(Labels(Node("Mono")), (std::vector<std::string>{"Alpha,bold", "Zeta"}));

    // Losing the focus grays the pane's items of the menu bar.
    Focus(dlg->SourcePane());
    for (unsigned id : {ID_FILE_PROPERTIES, ID_FILE_GROUP_ICON, ID_EDIT_COPY, ID_EDIT_DELETE})
        EXPECT_FALSE(MenuItem(id)->isEnabled()) << id;
}

TEST_F(GroupsWindow, DraggingTwoSourceFontsOntoThePermanentPaneInstallsThem) {
    PutDejaVu("C:\\SRC\\sans.ttf");
    PutDejaVu("C:\\SRC\\bold.ttf", "DejaVuSans-Bold.ttf");
    AddFont(*app.m_sourceList, "DejaVu Sans", FT_TRUETYPE, "C:\\SRC\\sans.ttf");
    AddFont(*app.m_sourceList, "DejaVu Sans Bold", FT_TRUETYPE, "C:\\SRC\\bold.ttf");
    Open();
    WSourceList* source = dlg->SourcePane();
    source->SelectRow(0, true);
    source->SelectRow(1, true);
    const uint64_t before = platform::FontChangeSequence();

    StartDrag(RowCenter(source, 0));
    EXPECT_EQ(dlg->Drag().m_nSource, DRAG_FROM_SOURCE);
    EXPECT_EQ(dlg->Drag().m_dragList.size(), 2u);
    ASSERT_NE(dlg->DragImage(), nullptr);
    EXPECT_EQ(QWidget::mouseGrabber(), dlg.get());
    const QPoint target = In(dlg->PermPane()->viewport(), QPoint(20, 20));
    Move(target);
    EXPECT_EQ(dlg->DragImage()->pos(), dlg->mapToGlobal(target) + QPoint(0, 16));
    Release(target);
    QApplication::processEvents();

    EXPECT_FALSE(dlg->Drag().m_bDragging);
    EXPECT_EQ(dlg->DragImage(), nullptr);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(RowTexts(dlg->PermPane()), (std::vector<std::string>{"DejaVu Sans", "DejaVu Sans Bold"}));
    EXPECT_EQ(platform::FontResourceCount("C:\\SRC\\sans.ttf"), 1);
    EXPECT_EQ(platform::FontResourceCount("C:\\SRC\\bold.ttf"), 1);
    EXPECT_GT(platform::FontChangeSequence(), before);
}

TEST_F(GroupsWindow, EscapeDuringADragChangesNothing) {
    AddFont(*app.m_permList, "Alpha", FT_TRUETYPE, "C:\\F\\A.TTF");
    AddGroup("Sans");
    Open();
    dlg->PermPane()->SelectRow(0, true);
    StartDrag(RowCenter(dlg->PermPane(), 0));
    Move(NodeCenter(Node("Sans")));
    EXPECT_EQ(Tree()->DropHighlight(), Node("Sans"));
    QTest::keyClick(dlg.get(), Qt::Key_Escape);
    EXPECT_FALSE(dlg->Drag().m_bDragging);
    EXPECT_EQ(dlg->DragImage(), nullptr);
    EXPECT_EQ(Tree()->DropHighlight(), nullptr);
    Release(NodeCenter(Node("Sans")));
    EXPECT_TRUE(app.m_groupList->GetAt(0)->m_pFonts->IsEmpty());
    EXPECT_EQ(app.m_permList->GetCount(), 1u);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(GroupsWindow, DropOnTheGroupsPaneHighlightsGroupsOnlyAndAddsToTheGroup) {
    FontGroup* sans = AddGroup("Sans");
    AddToGroup(sans, "Kept", FT_TRUETYPE, "C:\\F\\kept.ttf");
    PutDejaVu("C:\\SRC\\B.TTF");
    AddFont(*app.m_sourceList, "Beta", FT_TRUETYPE, "C:\\SRC\\B.TTF");
    Open();
    Tree()->expandAll();
    dlg->SourcePane()->SelectRow(0, true);
    StartDrag(RowCenter(dlg->SourcePane(), 0));
    Move(NodeCenter(Node("Sans", "Kept")));
    EXPECT_EQ(Tree()->DropHighlight(), nullptr); // font nodes are never highlighted
    Move(NodeCenter(Node("Sans")));
    EXPECT_EQ(Tree()->DropHighlight(), Node("Sans"));
    // Leaving the group keeps the highlight; the drop lands on it.
    const QPoint empty = In(Tree()->viewport(), QPoint(30, Tree()->viewport()->height() / 2));
    Move(empty);
    EXPECT_EQ(Tree()->DropHighlight(), Node("Sans"));
    Release(empty);
    EXPECT_EQ(Labels(Node("Sans")), (std::vector<std::string>{"Beta", "Kept"}));
    EXPECT_EQ(sans->m_pFonts->GetCount(), 2u);
    EXPECT_EQ(Tree()->DropHighlight(), nullptr);
}

TEST_F(GroupsWindow, DraggingNearTheEdgesScrollsOneLinePerMove) {
    for (int i = 0; i < 30; ++i) AddGroup("Group" + std::to_string(100 + i));
    AddFont(*app.m_sourceList, "Beta", FT_TRUETYPE, "C:\\SRC\\B.TTF");
    Open();
    QScrollBar* bar = Tree()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 3);
    dlg->SourcePane()->SelectRow(0, true);
    StartDrag(RowCenter(dlg->SourcePane(), 0));
    const int height = Tree()->viewport()->height();
    const QPoint nearBottom = In(Tree()->viewport(), QPoint(30, height - 5));
    Move(nearBottom);
    EXPECT_EQ(bar->value(), 1);
    Move(nearBottom + QPoint(1, 0));
    EXPECT_EQ(bar->value(), 2);
    Move(In(Tree()->viewport(), QPoint(30, height / 2)));
    EXPECT_EQ(bar->value(), 2);
    Move(In(Tree()->viewport(), QPoint(30, 3)));
    EXPECT_EQ(bar->value(), 1);
    QTest::keyClick(dlg.get(), Qt::Key_Escape);
}

TEST_F(GroupsWindow, DraggedGroupInstallsOnlyTheShownFontsAndOnTheDesktopMakesAnIcon) {
    PutDejaVu("C:\\SRC\\sans.ttf");
    FontGroup* mixed = AddGroup("Mixed");
    AddToGroup(mixed, "DejaVu Sans", FT_TRUETYPE, "C:\\SRC\\sans.ttf");
    AddToGroup(mixed, "Times", FT_TYPE1, "C:\\PS\\TIB.PFM");
    app.m_nViewType = 4;
    Open();
    StartDrag(NodeCenter(Node("Mixed")));
    EXPECT_EQ(dlg->Drag().m_nSource, DRAG_FROM_GROUPS);
    EXPECT_EQ(dlg->Drag().m_pDragGroup, mixed);
    EXPECT_EQ(dlg->Drag().m_dragList.size(), 1u);
    const QPoint perm = In(dlg->PermPane()->viewport(), QPoint(10, 10));
    Move(perm);
    Release(perm);
    EXPECT_EQ(RowTexts(dlg->PermPane()), (std::vector<std::string>{"DejaVu Sans"}));

    // Released outside every window of the program: the desktop.
    StartDrag(NodeCenter(Node("Mixed")));
    Move(QPoint(-40, -40));
    Release(QPoint(-40, -40));
    auto link = platform::ReadShellLink("C:\\WINDOWS\\Desktop\\Mixed.LNK");
    ASSERT_TRUE(link);
    EXPECT_EQ(link->arguments, "/Q");
    EXPECT_EQ(link->target, mixed->m_strPath);
}

TEST_F(GroupsWindow, CtrlDragOfAGroupCarriesItsShortcutAndPutsItOnTheClipboard) {
    AddGroup("Sans");
    Open();
    Tree()->setCurrentItem(Node("Sans"));
    const QPoint at = NodeCenter(Node("Sans"));
    // The drag runs its own loop; Escape ends it.
    QTimer::singleShot(50, Tree(), [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); });
    Press(at, Qt::ControlModifier);
    QTest::mouseMove(Win(), at + QPoint(30, 0));
    QApplication::processEvents();
    EXPECT_TRUE(Tree()->currentItem() == Node("Sans"));
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_EQ(data->urls().size(), 1);
    const auto host = platform::HostPath("C:\\WINDOWS\\TEMP\\Sans.LNK");
    ASSERT_TRUE(host);
    EXPECT_EQ(data->urls()[0].toLocalFile().toStdString(), *host);
    EXPECT_EQ(platform::ReadShellLink("C:\\WINDOWS\\TEMP\\Sans.LNK")->arguments, "/Q");
    EXPECT_FALSE(dlg->Drag().m_bDragging);
}

TEST_F(GroupsWindow, CreateGroupIconWithInstallTemporarilyWritesTheShortcut) {
    AddGroup("Sans");
    Open();
    Focus(dlg->SourcePane()); // the command goes to the Groups pane whatever has the focus
    Tree()->setCurrentItem(Node("Sans"));
    ui.iconTypeAnswers = {2};
    dlg->OnCommand(ID_FILE_GROUP_ICON);
    auto link = platform::ReadShellLink("C:\\WINDOWS\\Desktop\\Sans.LNK");
    ASSERT_TRUE(link);
    EXPECT_EQ(link->arguments, "/T");
    EXPECT_EQ(link->description, "Shortcut toSans");
}

// On a fresh default image with the sample fonts, an icon made with "Install Temporarily" is a
// shortcut on the desktop that installs the group when the shell opens it.
TEST_F(GroupsWindow, IconOpenedByTheShellInstallsTheGroupTemporarily) {
    if (std::system("command -v fontforge >/dev/null 2>&1") != 0 ||
        !std::filesystem::exists("/usr/share/fonts/truetype/liberation/LiberationMono-Bold.ttf"))
        GTEST_SKIP() << "fontforge-nox or the Debian font packages are missing";
    const std::string tool = std::string(TYPESTOW_BINARY_DIR) + "/typestow-system";
    ASSERT_EQ(std::system(("TYPESTOW_SYSTEM_TOOL='" + tool + "' bash '" + TYPESTOW_SOURCE_DIR +
                           "/scripts/sample-fonts.sh' '" + image.Root() + "' >/dev/null")
                              .c_str()),
              0);
    ASSERT_TRUE(platform::OpenImage(image.Root()));
    FontGroup* group = AddGroup("Samples");
    AddToGroup(group, "DejaVu Serif Italic", FT_TRUETYPE, "D:\\FONTS\\DejaVuSerif-Italic.ttf");
    AddToGroup(group, "Liberation Mono Bold", FT_TRUETYPE, "D:\\FONTS\\LiberationMono-Bold.ttf");
    Open();
    Tree()->setCurrentItem(Node("Samples"));
    ui.iconTypeAnswers = {2};
    dlg->OnCommand(ID_FILE_GROUP_ICON);
    const std::string shortcut = "C:\\WINDOWS\\Desktop\\Samples.LNK";
    ASSERT_TRUE(image.Exists(shortcut));

    const std::string command =
        "TYPESTOW_UI=console '" + tool + "' --root '" + image.Root() + "' open '" + shortcut + "' 2>&1";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
        EXPECT_EQ(pclose(pipe), 0) << output;
    }
    EXPECT_NE(output.find("Selected Fonts have been installed successfully"), std::string::npos) << output;
    const std::string tempFont = app.ProgramFolder() + "TempFont\\";
    EXPECT_EQ(platform::FontResourceCount(tempFont + "DejaVuSerif-Italic.ttf"), 1);
    EXPECT_EQ(platform::FontResourceCount(tempFont + "LiberationMono-Bold.ttf"), 1);
    // Installed temporarily: nothing was registered.
    EXPECT_EQ(platform::FontResourceCount("D:\\FONTS\\DejaVuSerif-Italic.ttf"), 0);
}

// The dialogs.

struct GroupDialogs : WindowFixture {
    GroupDialogs() {
        for (const char* name : {"Gamma", "Alpha", "beta"})
            AddFont(*group.m_pFonts, name, FT_TRUETYPE, "C:\\F\\x.ttf");
        AddFont(*app.m_tempList, "Gamma");
        AddFont(*app.m_permList, "Alpha");
    }
    FontGroup group;
};

TEST_F(GroupDialogs, GroupIconTypeStartsOnInstallTemporarily) {
    const struct {
        unsigned click; // 0: none
        int mode;
    } cases[] = {{0, 2}, {IDC_ICON_PERMANENT, 1}, {IDC_ICON_ASK, 3}, {IDC_ICON_TEMPORARY, 2}};
    for (const auto& c : cases) {
        WGroupIconTypeDlg dialog;
        dialog.Create();
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Group Icon Type"));
        auto* temporary = qobject_cast<QRadioButton*>(dialog.GetDlgItem(IDC_ICON_TEMPORARY));
        ASSERT_NE(temporary, nullptr);
        EXPECT_TRUE(temporary->isChecked());
        if (c.click) QTest::mouseClick(dialog.GetDlgItem(c.click), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_EQ(dialog.result(), IDOK_BUTTON) << c.click;
        EXPECT_EQ(dialog.m_nIconType, c.mode) << c.click;
    }
}

TEST_F(GroupDialogs, InstallGroupListsStatesAndSelectsTheFirst) {
    WInstallGroupDlg dialog(&group);
    dialog.Create();
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Install Font Group"));
    EXPECT_EQ(qobject_cast<QLabel*>(dialog.GetDlgItem(IDC_GROUP_NAME))->text(),
              QStringLiteral("Fonts in Group : "));
    QTreeWidget* list = dialog.FontList();
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("Alpha [TTF]"));
    EXPECT_EQ(list->topLevelItem(1)->text(0), QStringLiteral("beta [TTF]"));
    EXPECT_EQ(list->topLevelItem(2)->text(0), QStringLiteral("Gamma [TTF]"));
    EXPECT_FALSE(list->topLevelItem(0)->icon(0).isNull());
    EXPECT_TRUE(list->topLevelItem(0)->isSelected());
    EXPECT_FALSE(list->topLevelItem(1)->isSelected());
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);

    // Enter presses Add Temp with the first font.
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), IDOK_BUTTON);
    const auto choice = dialog.Choice(dialog.result());
    EXPECT_EQ(choice.result, platform::kIdOk);
    EXPECT_EQ(choice.installMode, 2);
    EXPECT_EQ(choice.selected, (std::vector<size_t>{1}));
    ASSERT_EQ(dialog.m_pSelected.size(), 1u);
    EXPECT_EQ(dialog.m_pSelected[0]->m_strFullName, "Alpha");
}

TEST_F(GroupDialogs, InstallGroupButtons) {
    {
        WInstallGroupDlg dialog(&group);
        dialog.Create();
        dialog.show();
        dialog.OnCommand(ID_GRP_SELECT_ALL);
        dialog.OnCommand(IDC_ADD_PERM);
        const auto choice = dialog.Choice(dialog.result());
        EXPECT_EQ(choice.installMode, 1);
        EXPECT_EQ(choice.selected, (std::vector<size_t>{1, 2, 0}));
    }
    {
        WInstallGroupDlg dialog(&group);
        dialog.Create();
        dialog.show();
        dialog.FontList()->clearSelection();
        dialog.OnCommand(IDC_ADD_TEMP);
        const auto choice = dialog.Choice(dialog.result());
        EXPECT_EQ(choice.result, platform::kIdOk);
        EXPECT_TRUE(choice.selected.empty());
    }
    {
        WInstallGroupDlg dialog(&group);
        dialog.Create();
        dialog.show();
        QTest::mouseClick(dialog.GetDlgItem(IDC_LAUNCH), Qt::LeftButton);
        EXPECT_EQ(dialog.Choice(dialog.result()).result, platform::kIdLaunch);
    }
    {
        WInstallGroupDlg dialog(&group);
        dialog.Create();
        dialog.show();
        dialog.reject();
        EXPECT_EQ(dialog.Choice(dialog.result()).result, platform::kIdCancel);
    }
}

TEST_F(GroupDialogs, TheListsContextMenuHoldsSelectAll) {
    WInstallGroupDlg dialog(&group);
    dialog.Create();
    dialog.show();
    QTreeWidget* list = dialog.FontList();
    std::vector<std::string> texts;
    EXPECT_TRUE(WithPopup([&] { dialog.ShowControlMenu(list, list->mapToGlobal(QPoint(5, 5)), false); },
                          [&](QMenu* menu) {
                              texts = ItemTexts(menu);
                              Choose(menu, ID_GRP_SELECT_ALL);
                          }));
    EXPECT_EQ(texts, (std::vector<std::string>{"Select &All", "-", "&What's This?"}));
    EXPECT_EQ(list->selectedItems().size(), 3);
}

TEST_F(GroupDialogs, TheQtPortRunsTheDialogModally) {
    QtUiPort port;
    QTimer::singleShot(0, [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal) QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, Qt::Key_Return);
    });
    const auto choice = port.InstallGroupDialog(group);
    EXPECT_EQ(choice.result, platform::kIdOk);
    EXPECT_EQ(choice.selected, (std::vector<size_t>{1}));
}

} // namespace
