// The main window: its layout from template 102 and on resize, focus and the caption frame, routing
// of menu commands, menu state, the View filter, Browse, keys, and the rebuild after a font change.
#include "app/ui/QtUiPort.h"
#include "dialogs/WHelp.h"
#include "platform/broadcast.h"
#include "platform/files.h"
#include "platform/fonttable.h"
#include "resources/resource.h"
#include "tests/widgets/WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>

namespace {

using MainWindow = WindowFixture;

QRect Geometry(WFontMgrDlg* dlg, unsigned id) {
    return dlg->GetDlgItem(id)->geometry();
}

TEST_F(MainWindow, OpensOnTemplate102) {
    Open();
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Kelvra TYPESTOW"));
    EXPECT_EQ(dlg->ClientArea()->size(), QSize(627, 418));
    EXPECT_EQ(Geometry(dlg.get(), IDC_CLOSE), QRect(455, 384, 75, 23));
    EXPECT_EQ(Geometry(dlg.get(), IDC_SOURCE_PANE), QRect(8, 28, 300, 154));
    EXPECT_EQ(Geometry(dlg.get(), IDC_TEMP_PANE), QRect(318, 215, 300, 154));
    // Captions sit on their frames less the top 10 pixels; the status line on its whole frame.
    EXPECT_EQ(Geometry(dlg.get(), IDC_SOURCE_CAPTION), QRect(8, 10, 300, 18));
    EXPECT_EQ(Geometry(dlg.get(), IDC_TEMP_CAPTION), QRect(318, 197, 300, 18));
    EXPECT_EQ(Geometry(dlg.get(), IDC_STATUS), QRect(8, 384, 353, 23));
    for (unsigned frame :
         {IDC_SOURCE_FRAME, IDC_PERM_FRAME, IDC_GROUPS_FRAME, IDC_TEMP_FRAME, IDC_STATUS_FRAME})
        EXPECT_EQ(Geometry(dlg.get(), frame), QRect(0, 0, 0, 0));
    EXPECT_EQ(dlg->Caption(IDC_SOURCE_CAPTION)->text(), QStringLiteral(" C:\\SRC"));
    EXPECT_EQ(dlg->Caption(IDC_GROUPS_CAPTION)->text(), QStringLiteral(" Groups"));
    EXPECT_FALSE(dlg->windowIcon().isNull());
    // The Source pane has the focus and its caption the frame.
    EXPECT_EQ(app.m_hFocusPane, dlg->SourcePane());
    EXPECT_EQ(dlg->FocusFrameCaption(), static_cast<unsigned>(IDC_SOURCE_CAPTION));
    EXPECT_TRUE(dlg->Caption(IDC_SOURCE_CAPTION)->HasFocusFrame());
    EXPECT_EQ(app.m_pMainDlg, dlg.get());
    EXPECT_TRUE(dlg->SourcePane()->HasImages());
    EXPECT_EQ(dlg->SourcePane()->viewMode(), QListView::ListMode);
}

TEST_F(MainWindow, ResizeHalvesTheChangeForThePanes) {
    Open();
    const QSize start = dlg->size();
    dlg->resize(start.width() + 101, start.height());
    QApplication::processEvents();
    EXPECT_EQ(Geometry(dlg.get(), IDC_SOURCE_PANE), QRect(8, 28, 350, 154));
    EXPECT_EQ(Geometry(dlg.get(), IDC_PERM_PANE), QRect(368, 28, 350, 154));
    EXPECT_EQ(Geometry(dlg.get(), IDC_TEMP_CAPTION), QRect(368, 197, 350, 18));
    EXPECT_EQ(Geometry(dlg.get(), IDC_CLOSE), QRect(556, 384, 75, 23));

    dlg->resize(start.width() + 101, start.height() - 3);
    QApplication::processEvents();
    EXPECT_EQ(Geometry(dlg.get(), IDC_GROUPS_PANE), QRect(8, 214, 350, 153));
    EXPECT_EQ(Geometry(dlg.get(), IDC_PERM_PANE).height(), 153);
    EXPECT_EQ(Geometry(dlg.get(), IDC_CLOSE), QRect(556, 381, 75, 23));

    const QRect pane = Geometry(dlg.get(), IDC_TEMP_PANE);
    const QRect status = Geometry(dlg.get(), IDC_STATUS);
    for (int step = 1; step <= 3; ++step) {
        dlg->resize(dlg->width() + 1, dlg->height() + 1);
        QApplication::processEvents();
        EXPECT_EQ(Geometry(dlg.get(), IDC_TEMP_PANE), pane);
        EXPECT_EQ(Geometry(dlg.get(), IDC_STATUS).top(), status.top() + step);
        EXPECT_EQ(Geometry(dlg.get(), IDC_HELP_BUTTON).left(), 539 + 101 + step);
    }
}

TEST_F(MainWindow, MenuCommandsReachTheFocusedPaneOnly) {
    FontItem* a = AddFont(*app.m_permList, "Alpha", FT_TRUETYPE, "C:\\F\\A.TTF");
    AddFont(*app.m_permList, "Beta", FT_TRUETYPE, "C:\\F\\B.TTF");
    Open();
    WPermList* perm = dlg->PermPane();
    Focus(perm);
    EXPECT_EQ(app.m_hFocusPane, perm);
    EXPECT_EQ(dlg->FocusFrameCaption(), static_cast<unsigned>(IDC_PERM_CAPTION));
    EXPECT_FALSE(dlg->Caption(IDC_SOURCE_CAPTION)->HasFocusFrame());
    perm->SelectRow(0, true);
    dlg->OnCommand(ID_EDIT_COPY);
    ASSERT_EQ(app.m_clipboard->GetCount(), 1u);
    EXPECT_EQ(app.m_clipboard->GetAt(0)->m_strFullName, "Alpha");
    EXPECT_NE(app.m_clipboard->GetAt(0), a);

    // With the focus on a button no pane receives the command.
    Focus(dlg->Button(IDC_CLOSE));
    EXPECT_EQ(app.m_hFocusPane, nullptr);
    EXPECT_EQ(dlg->FocusFrameCaption(), 0u);
    dlg->OnCommand(ID_EDIT_SELECT_ALL);
    EXPECT_EQ(Selected(perm), std::vector<int>{0});
    perm->clearSelection();
    dlg->OnCommand(ID_EDIT_COPY);
    EXPECT_EQ(app.m_clipboard->GetCount(), 1u);

    Focus(perm);
    dlg->OnCommand(ID_EDIT_SELECT_ALL);
    EXPECT_EQ(Selected(perm), (std::vector<int>{0, 1}));
}

TEST_F(MainWindow, BrowseFromTheMenuWithTheGroupsPaneFocused) {
    image.WriteFile("C:\\OTHER\\X.TXT", "x");
    image.WriteFile("C:\\OTHER\\UNREADABLE.TTF", "not a font");
    AddFont(*app.m_sourceList, "Old", FT_TRUETYPE, "C:\\SRC\\OLD.TTF");
    Open();
    Focus(dlg->GroupTree());
    EXPECT_EQ(app.m_hFocusPane, dlg->GroupTree());

    ui.AnswerFolder(std::nullopt);
    dlg->OnCommand(ID_FILE_BROWSE);
    EXPECT_EQ(ui.browsedFrom, std::vector<std::string>{"C:\\SRC"});
    EXPECT_EQ(app.m_strLastFolder, "C:\\SRC");
    EXPECT_EQ(QApplication::focusWidget(), dlg->Button(IDC_BROWSE));

    Focus(dlg->GroupTree());
    ui.AnswerFolder(std::string("C:\\OTHER"));
    dlg->OnCommand(ID_FILE_BROWSE);
    EXPECT_EQ(ui.browsedFrom.size(), 2u);
    EXPECT_EQ(app.m_strLastFolder, "C:\\OTHER");
    EXPECT_EQ(dlg->Caption(IDC_SOURCE_CAPTION)->text(), QStringLiteral(" C:\\OTHER"));
    EXPECT_EQ(QApplication::focusWidget(), dlg->Button(IDC_BROWSE));
    // The Source pane lists the new folder's font files.
    ASSERT_EQ(app.m_sourceList->GetCount(), 1u);
    EXPECT_EQ(app.m_sourceList->GetAt(0)->m_strFilePath, "C:\\OTHER\\UNREADABLE.TTF");
    EXPECT_EQ(dlg->SourcePane()->Rows()->rowCount(), 1);
}

TEST_F(MainWindow, MenuStateFollowsThePaneAndItsSelection) {
    AddFont(*app.m_permList, "Alpha", FT_TRUETYPE, "C:\\F\\A.TTF");
    AddFont(*app.m_permList, "Beta", FT_TRUETYPE, "C:\\F\\B.TTF");
    AddFont(*app.m_sourceList, "Gamma", FT_TRUETYPE, "C:\\SRC\\G.TTF");
    Open();
    auto enabled = [&](unsigned id) { return MenuItem(id)->isEnabled(); };

    Focus(dlg->PermPane());
    OpenMenuOf(ID_EDIT_COPY);
    EXPECT_FALSE(enabled(ID_EDIT_COPY));
    EXPECT_FALSE(enabled(ID_EDIT_CUT));
    EXPECT_FALSE(enabled(ID_EDIT_PASTE));
    EXPECT_TRUE(enabled(ID_EDIT_SELECT_ALL));

    dlg->PermPane()->SelectRow(0, true);
    OpenMenuOf(ID_EDIT_COPY);
    OpenMenuOf(ID_FILE_PROPERTIES);
    EXPECT_TRUE(enabled(ID_EDIT_COPY));
    EXPECT_TRUE(enabled(ID_EDIT_CUT));
    EXPECT_TRUE(enabled(ID_FILE_PROPERTIES));
    EXPECT_FALSE(enabled(ID_FILE_INSTALL));
    EXPECT_FALSE(enabled(ID_FILE_GROUP_ICON));
    EXPECT_TRUE(enabled(ID_FILE_NEW_GROUP));

    dlg->PermPane()->SelectRow(1, true);
    dlg->OnCommand(ID_EDIT_COPY);
    OpenMenuOf(ID_EDIT_COPY);
    OpenMenuOf(ID_FILE_PROPERTIES);
    EXPECT_FALSE(enabled(ID_FILE_PROPERTIES));
    EXPECT_TRUE(enabled(ID_EDIT_PASTE));

    Focus(dlg->SourcePane());
    dlg->SourcePane()->SelectRow(0, true);
    OpenMenuOf(ID_EDIT_COPY);
    OpenMenuOf(ID_FILE_PROPERTIES);
    EXPECT_FALSE(enabled(ID_EDIT_PASTE));
    EXPECT_FALSE(enabled(ID_EDIT_CUT));
    EXPECT_TRUE(enabled(ID_FILE_INSTALL_TEMP));
    EXPECT_TRUE(enabled(ID_EDIT_DELETE));

    // Losing the focus grays the pane's items; with no pane focused a popup keeps its states.
    Focus(dlg->Button(IDC_HELP_BUTTON));
    for (unsigned id : {ID_FILE_PROPERTIES, ID_FILE_INSTALL, ID_FILE_INSTALL_TEMP, ID_EDIT_COPY,
                        ID_EDIT_DELETE, ID_EDIT_SELECT_ALL})
        EXPECT_FALSE(enabled(id)) << id;
    OpenMenuOf(ID_EDIT_COPY);
    EXPECT_FALSE(enabled(ID_EDIT_SELECT_ALL));
    EXPECT_TRUE(enabled(ID_FILE_NEW_GROUP));
}

TEST_F(MainWindow, ViewFilterHidesRowsAndKeepsTheChecks) {
    AddFont(*app.m_permList, "Courier", FT_TYPE1, "C:\\PS\\COUR.PFM", "bold");
    AddFont(*app.m_permList, "Arial", FT_TRUETYPE, "C:\\F\\ARIAL.TTF");
    AddFont(*app.m_sourceList, "Times", FT_TYPE1, "C:\\SRC\\TIMES.PFM");
    Open();
    EXPECT_EQ(RowTexts(dlg->PermPane()), (std::vector<std::string>{"Arial", "Courier,bold"}));
    EXPECT_TRUE(MenuItem(ID_VIEW_ALL)->isChecked());

    dlg->OnCommand(ID_VIEW_TRUETYPE);
    EXPECT_EQ(app.m_nViewType, 4);
    EXPECT_EQ(RowTexts(dlg->PermPane()), std::vector<std::string>{"Arial"});
    EXPECT_TRUE(RowTexts(dlg->SourcePane()).empty());
    EXPECT_EQ(app.m_permList->GetCount(), 2u);
    EXPECT_TRUE(MenuItem(ID_VIEW_TRUETYPE)->isChecked());
    EXPECT_FALSE(MenuItem(ID_VIEW_ALL)->isChecked());
    // Select All takes only the rows shown.
    Focus(dlg->PermPane());
    dlg->OnCommand(ID_EDIT_SELECT_ALL);
    EXPECT_EQ(dlg->PermPane()->SelectedFonts().size(), 1u);

    dlg->OnCommand(ID_VIEW_POSTSCRIPT);
    EXPECT_EQ(RowTexts(dlg->PermPane()), std::vector<std::string>{"Courier,bold"});
    EXPECT_EQ(RowTexts(dlg->SourcePane()), std::vector<std::string>{"Times"});

    app.m_nViewType = 3;
    dlg->UpdateViewMenuChecks();
    for (unsigned id : {ID_VIEW_ALL, ID_VIEW_POSTSCRIPT, ID_VIEW_TRUETYPE})
        EXPECT_FALSE(MenuItem(id)->isChecked());

    dlg->OnCommand(ID_VIEW_WARNINGS);
    EXPECT_EQ(app.m_bShowWarnings, 0);
    EXPECT_FALSE(MenuItem(ID_VIEW_WARNINGS)->isChecked());
}

TEST_F(MainWindow, RowsSortByBytesAndShowFileNamesOnRequest) {
    AddFont(*app.m_sourceList, "arial", FT_TRUETYPE, "C:\\SRC\\LOWER.TTF");
    AddFont(*app.m_sourceList, "Times", FT_TYPE1, "C:\\SRC\\TIB.PFM", "bold");
    AddFont(*app.m_sourceList, "Arial", FT_TRUETYPE, "C:\\SRC\\UPPER.TTF");
    Open();
    WSourceList* source = dlg->SourcePane();
    EXPECT_EQ(RowTexts(source), (std::vector<std::string>{"Arial", "Times,bold", "arial"}));
    source->SelectRow(1, true);

    dlg->OnCommand(ID_VIEW_FILENAMES);
    EXPECT_EQ(app.m_bViewFileNames, 1);
    // The order stays that of the font names; the selection survives the refill.
    EXPECT_EQ(RowTexts(source), (std::vector<std::string>{"UPPER.TTF", "TIB.PFM", "LOWER.TTF"}));
    EXPECT_EQ(Selected(source), std::vector<int>{1});
    EXPECT_TRUE(MenuItem(ID_VIEW_FILENAMES)->isChecked());
    EXPECT_FALSE(MenuItem(ID_VIEW_FONTNAMES)->isChecked());

    dlg->OnCommand(ID_VIEW_FONTNAMES);
    EXPECT_EQ(RowTexts(source)[1], "Times,bold");
}

TEST_F(MainWindow, RightClickKeepsAMultipleSelectionAndExtendsFromTheAnchor) {
    for (char c = 'A'; c <= 'J'; ++c) AddFont(*app.m_permList, std::string(1, c), FT_TRUETYPE);
    Open();
    WPermList* perm = dlg->PermPane();
    auto pointOf = [&](int row) { return perm->visualRect(perm->Rows()->index(row)).center(); };
    perm->SelectRow(2, true);
    perm->SelectRow(7, true);

    QTest::mousePress(perm->viewport(), Qt::RightButton, Qt::NoModifier, pointOf(7));
    EXPECT_EQ(Selected(perm), (std::vector<int>{2, 7}));
    EXPECT_EQ(QApplication::focusWidget(), perm); // the press gave the pane the focus
    OpenMenuOf(ID_FILE_PROPERTIES);
    EXPECT_FALSE(MenuItem(ID_FILE_PROPERTIES)->isEnabled());

    QTest::mousePress(perm->viewport(), Qt::RightButton, Qt::ShiftModifier, pointOf(4));
    EXPECT_EQ(Selected(perm), (std::vector<int>{4, 5, 6, 7}));
    EXPECT_EQ(perm->currentIndex().row(), 4);
    EXPECT_EQ(perm->RememberedRow(), 4);

    QTest::mousePress(perm->viewport(), Qt::RightButton, Qt::ControlModifier, pointOf(0));
    EXPECT_EQ(Selected(perm), (std::vector<int>{0, 4, 5, 6, 7}));
    QTest::mousePress(perm->viewport(), Qt::RightButton, Qt::NoModifier, pointOf(9));
    EXPECT_EQ(Selected(perm), std::vector<int>{9});
}

TEST_F(MainWindow, CtrlXInTheSourcePaneCopiesThenAsksBeforeDeleting) {
    image.WriteFile("C:\\SRC\\A.TTF", "a");
    image.WriteFile("C:\\SRC\\B.TTF", "b");
    AddFont(*app.m_sourceList, "Alpha", FT_TRUETYPE, "C:\\SRC\\A.TTF");
    AddFont(*app.m_sourceList, "Beta", FT_TRUETYPE, "C:\\SRC\\B.TTF");
    Open();
    WSourceList* source = dlg->SourcePane();
    Focus(source);
    source->SelectRow(0, true);
    source->SelectRow(1, true);
    ui.Answer(platform::kIdNo);
    QTest::keyClick(source, Qt::Key_X, Qt::ControlModifier);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Deleting a Source Font");
    EXPECT_EQ(app.m_clipboard->GetCount(), 2u);
    EXPECT_TRUE(image.Exists("C:\\SRC\\A.TTF"));
    EXPECT_TRUE(image.Exists("C:\\SRC\\B.TTF"));
    EXPECT_EQ(RowTexts(source).size(), 2u);

    ui.Answer(platform::kIdYes);
    QTest::keyClick(source, Qt::Key_Delete);
    EXPECT_FALSE(image.Exists("C:\\SRC\\A.TTF"));
    EXPECT_TRUE(RowTexts(source).empty());
    EXPECT_TRUE(app.m_sourceList->IsEmpty());
    EXPECT_EQ(app.m_clipboard->GetCount(), 2u); // the clipboard holds copies
}

TEST_F(MainWindow, LeftClickShowsThePathOfASingleSelection) {
    AddFont(*app.m_permList, "Alpha", FT_TRUETYPE, "C:\\F\\A.TTF");
    AddFont(*app.m_permList, "Beta", FT_TRUETYPE, "");
    Open();
    WPermList* perm = dlg->PermPane();
    auto pointOf = [&](int row) { return perm->visualRect(perm->Rows()->index(row)).center(); };
    QTest::mouseClick(perm->viewport(), Qt::LeftButton, Qt::NoModifier, pointOf(0));
    EXPECT_EQ(dlg->Caption(IDC_STATUS)->text(), QStringLiteral(" C:\\F\\A.TTF"));
    EXPECT_EQ(perm->RememberedRow(), 0);
    QTest::mouseClick(perm->viewport(), Qt::LeftButton, Qt::NoModifier, pointOf(1));
    EXPECT_EQ(dlg->Caption(IDC_STATUS)->text(), QStringLiteral(" Unknown"));
    QTest::mouseClick(perm->viewport(), Qt::LeftButton, Qt::ControlModifier, pointOf(0));
    EXPECT_EQ(dlg->Caption(IDC_STATUS)->text(), QString());
}

TEST_F(MainWindow, EnterAndEscapeLeaveTheWindowOpen) {
    auto* group = app.m_groupList->AddTail(std::make_unique<FontGroup>());
    group->m_strName = "Serif";
    group->m_pFonts->AddTail(std::make_unique<FontItem>())->m_strFullName = "Times";
    Open();
    QTest::keyClick(dlg->SourcePane(), Qt::Key_Return);
    QTest::keyClick(dlg->SourcePane(), Qt::Key_Escape);
    EXPECT_TRUE(dlg->isVisible());
    // Enter on a selected group opens and closes it.
    WGroupTree* tree = dlg->GroupTree();
    Focus(tree);
    tree->setCurrentItem(tree->topLevelItem(0));
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_TRUE(tree->topLevelItem(0)->isExpanded());
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_FALSE(tree->topLevelItem(0)->isExpanded());
    EXPECT_TRUE(dlg->isVisible());
    dlg->OnCommand(ID_FILE_EXIT);
    EXPECT_FALSE(dlg->isVisible());
}

TEST_F(MainWindow, ContextMenusOfThePanes) {
    AddFont(*app.m_sourceList, "Alpha", FT_TRUETYPE, "C:\\SRC\\A.TTF");
    Open();
    WSourceList* source = dlg->SourcePane();
    Focus(source);
    source->SelectRow(0, true);
    const QPoint at = source->mapToGlobal(QPoint(5, 5));
    std::vector<std::string> texts;
    EXPECT_TRUE(WithPopup([&] { dlg->ShowControlMenu(source, at, false); },
                          [&](QMenu* menu) { texts = ItemTexts(menu); }));
    EXPECT_EQ(texts, (std::vector<std::string>{"&Browse...", "-", "&Copy", "&Delete", "-", "Instal&l",
                                               "Install Temporaril&y", "-", "Display F&ilenames",
                                               "Display F&ontnames (checked)", "-", "Propert&ies...", "-",
                                               "&What's This?"}));
    EXPECT_EQ(dlg->ChosenControlId(), static_cast<unsigned>(IDC_SOURCE_PANE));

    // A control outside the map gets only "What's This?"; choosing it shows the control's popup.
    QWidget* status = dlg->GetDlgItem(IDC_STATUS);
    EXPECT_TRUE(WithPopup([&] { dlg->ShowControlMenu(status, status->mapToGlobal(QPoint(3, 3)), false); },
                          [&](QMenu* menu) {
                              texts = ItemTexts(menu);
                              Choose(menu, ID_WHATS_THIS);
                          }));
    EXPECT_EQ(texts, std::vector<std::string>{"&What's This?"});
    auto* popup = QApplication::activePopupWidget()
                      ? qobject_cast<WHelpPopup*>(QApplication::activePopupWidget())
                      : nullptr;
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Context(), 4u);
    popup->close();

    // The window's empty face passes the request on: no menu.
    const QPoint empty = dlg->ClientArea()->mapToGlobal(QPoint(312, 100));
    EXPECT_FALSE(WithPopup([&] { dlg->ShowControlMenu(dlg->ClientArea(), empty, false); }, [](QMenu*) {}));
    EXPECT_EQ(dlg->ChosenControl(), dlg->ClientArea());
}

TEST_F(MainWindow, HelpFromTheKeyboardButtonsAndMenu) {
    Open();
    QTest::keyClick(dlg->SourcePane(), Qt::Key_F1);
    auto* popup = qobject_cast<WHelpPopup*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Context(), 8u);
    EXPECT_TRUE(popup->Text().startsWith(QStringLiteral("Lists the TrueType")));
    popup->close();

    dlg->OnCommand(IDC_HELP_BUTTON);
    ASSERT_NE(WHelpWindow::Existing(), nullptr);
    EXPECT_EQ(WHelpWindow::Existing()->CurrentContext(), 1u);
    EXPECT_EQ(WHelpWindow::Existing()->CurrentTitle(), QStringLiteral("The Kelvra TYPESTOW window"));
    dlg->OnCommand(ID_HELP_FINDER);
    EXPECT_EQ(WHelpWindow::Existing()->CurrentContext(), 0u);

    // A missing help file is reported.
    help::SetHelpFile("/nonexistent/typestow.HLP");
    dlg->OnCommand(IDC_HELP_BUTTON);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_NE(ui.boxes[0].text.find("/nonexistent/typestow.HLP"), std::string::npos);
}

TEST_F(MainWindow, SystemMenuCarriesAboutButNoHelp) {
    Open();
    std::vector<std::string> texts = ItemTexts(dlg->SystemMenu());
    EXPECT_EQ(texts, (std::vector<std::string>{"&Close", "-", "&About Kelvra TYPESTOW"}));
    dlg->OnSysCommand(WDialog::kScClose);
    EXPECT_FALSE(dlg->isVisible());
}

// A real TrueType file of the host, copied into the image; skipped when the host has none.
std::string CopyRealFont(TestImage& image, const std::string& windowsPath, const char* hostFile) {
    std::ifstream in(hostFile, std::ios::binary);
    if (!in) return "";
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    image.WriteFile(windowsPath, bytes);
    return windowsPath;
}

TEST_F(MainWindow, ActivationAfterAFontChangeRebuildsBothInstalledPanes) {
    const std::string first =
        CopyRealFont(image, "C:\\MORE\\SANS.TTF", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    const std::string second =
        CopyRealFont(image, "C:\\MORE\\SERIF.TTF", "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf");
    if (first.empty() || second.empty()) GTEST_SKIP() << "no DejaVu fonts on this host";
    ASSERT_NE(platform::AddFontResource(first), 0);
    app.m_bFontsChanged = 1;
    app.RefreshInstalledFonts();
    AddFont(*app.m_permList, "Kept Permanent", FT_TRUETYPE, "C:\\F\\K.TTF");
    Open();
    ASSERT_EQ(RowTexts(dlg->TempPane()), std::vector<std::string>{"DejaVu Sans"});
    dlg->TempPane()->SelectRow(0, true);
    dlg->PermPane()->SelectRow(0, true);

    // Activation without a change touches nothing.
    dlg->OnActivateApp();
    EXPECT_EQ(Selected(dlg->TempPane()), std::vector<int>{0});
    EXPECT_EQ(RowTexts(dlg->PermPane()).size(), 1u);

    ASSERT_NE(platform::AddFontResource(second), 0);
    platform::PostFontChange();
    dlg->OnActivateApp();
    EXPECT_EQ(app.m_bFontsChanged, 0);
    EXPECT_EQ(RowTexts(dlg->TempPane()), (std::vector<std::string>{"DejaVu Sans", "DejaVu Serif"}));
    EXPECT_TRUE(Selected(dlg->TempPane()).empty());
    EXPECT_TRUE(RowTexts(dlg->PermPane()).empty()); // rebuilt from the system: the made-up font is gone
    platform::RemoveFontResource(first);
    platform::RemoveFontResource(second);
}

} // namespace

namespace {

TEST_F(MainWindow, CopyFromSourceAndPasteIntoThePermanentPaneInstallsTheFont) {
    const std::string file =
        CopyRealFont(image, "C:\\SRC\\SANS.TTF", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    if (file.empty()) GTEST_SKIP() << "no DejaVu fonts on this host";
    FontItem* font = AddFont(*app.m_sourceList, "", FT_TRUETYPE, file);
    font->EnsureTrueTypeInfo();
    ASSERT_EQ(font->m_strFullName, "DejaVu Sans");
    app.m_bShowWarnings = 0;
    Open();
    WSourceList* source = dlg->SourcePane();
    Focus(source);
    source->SelectRow(0, true);
    QTest::keyClick(source, Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(app.m_clipboard->GetCount(), 1u);

    Focus(dlg->PermPane());
    QTest::keyClick(dlg->PermPane(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(RowTexts(dlg->PermPane()), std::vector<std::string>{"DejaVu Sans"});
    EXPECT_EQ(app.m_clipboard->GetCount(), 1u); // kept for another paste

    // The system now counts it as installed permanently, also after the rebuild at activation.
    dlg->OnActivateApp();
    EXPECT_EQ(RowTexts(dlg->PermPane()), std::vector<std::string>{"DejaVu Sans"});
    ASSERT_NE(FindFontByFullName(*app.m_permList, "DejaVu Sans"), nullptr);
    EXPECT_TRUE(RowTexts(dlg->TempPane()).empty());
    for (FontItem* f : *app.m_permList) platform::RemoveFontResource(f->m_strFilePath);
}

TEST_F(MainWindow, CutInTheTemporaryPaneAnsweredNoKeepsTheFontsInstalledAndOnTheClipboard) {
    const std::string file =
        CopyRealFont(image, "C:\\MORE\\SANS.TTF", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    if (file.empty()) GTEST_SKIP() << "no DejaVu fonts on this host";
    ASSERT_NE(platform::AddFontResource(file), 0);
    app.m_bFontsChanged = 1;
    app.RefreshInstalledFonts();
    Open();
    WTempList* temp = dlg->TempPane();
    ASSERT_EQ(RowTexts(temp), std::vector<std::string>{"DejaVu Sans"});
    Focus(temp);
    temp->SelectRow(0, true);
    ui.Answer(platform::kIdNo);
    QTest::keyClick(temp, Qt::Key_X, Qt::ControlModifier);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Uninstall Temporarily");
    ASSERT_EQ(app.m_clipboard->GetCount(), 1u);
    // Neither the catalog nor the records know the file of a font installed by another program.
    EXPECT_EQ(app.m_clipboard->GetAt(0)->m_strFullName, "DejaVu Sans");
    EXPECT_EQ(app.m_clipboard->GetAt(0)->m_strFilePath, "");
    EXPECT_EQ(RowTexts(temp), std::vector<std::string>{"DejaVu Sans"});
    EXPECT_EQ(platform::FontResourceCount(file), 1);
    platform::RemoveFontResource(file);
}

} // namespace
