// The dialog, sheet and page bases: controls from templates, context menus and help from the help
// maps, the window menu's Help item, the tooltip relay, the sheet's button mask and its layout
// from a template.
#include "app/ui/QtUiPort.h"
#include "dialogs/WHelp.h"
#include "dialogs/WSheet.h"
#include "resources/resource.h"
#include "resources/ui/QtResources.h"
#include "tests/widgets/WindowFixture.h"

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <stdexcept>

namespace {

struct Dialogs : testing::Test {
    TestImage image;
    ScriptedUi ui;
    WFontMgrApp app{ui};
    Dialogs() { help::SetHelpFile(std::string(TYPESTOW_SOURCE_DIR) + "/resources/typestow.HLP"); }
    ~Dialogs() override {
        if (auto* popup = QApplication::activePopupWidget()) popup->close();
        delete WHelpWindow::Existing();
    }
};

WHelpPopup* OpenHelpPopup() {
    return qobject_cast<WHelpPopup*>(QApplication::activePopupWidget());
}

TEST_F(Dialogs, ControlsComeFromTheTemplateInDialogUnits) {
    WProdDialog dialog(IDD_GROUP_ICON_TYPE, 0, {}, false, nullptr);
    dialog.Create();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Group Icon Type"));
    EXPECT_EQ(dialog.size(), QSize(285, 159));
    QWidget* help = dialog.GetDlgItem(ID_HELP);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->geometry(), QRect(189, 125, 75, 23));
    EXPECT_EQ(qobject_cast<QPushButton*>(help)->text(), QStringLiteral("&Help"));
    EXPECT_TRUE(qobject_cast<QPushButton*>(dialog.GetDlgItem(IDOK_BUTTON))->isDefault());
    EXPECT_EQ(dialog.font().family(), FamilyDialogFont().family());
    EXPECT_EQ(dialog.font().pointSize(), 8);
    EXPECT_EQ(dialog.MenuBar(), nullptr);
}

TEST_F(Dialogs, HelpPopupsFromTheHelpMap) {
    WProdDialog dialog(IDD_GROUP_ICON_TYPE, 0, {}, false, nullptr);
    dialog.show();
    QApplication::processEvents();
    // F1 on the Help button pops up its own context.
    QTest::keyClick(dialog.GetDlgItem(ID_HELP), Qt::Key_F1);
    ASSERT_NE(OpenHelpPopup(), nullptr);
    EXPECT_EQ(OpenHelpPopup()->Context(), 27u);
    OpenHelpPopup()->close();
    // Without a context menu resource a control gets only "What's This?", which shows its popup.
    QWidget* ask = dialog.GetDlgItem(IDC_ICON_ASK);
    std::vector<std::string> texts;
    EXPECT_TRUE(WithPopup([&] { dialog.ShowControlMenu(ask, ask->mapToGlobal(QPoint(2, 2)), false); },
                          [&](QMenu* menu) {
                              texts = ItemTexts(menu);
                              Choose(menu, ID_WHATS_THIS);
                          }));
    EXPECT_EQ(texts, std::vector<std::string>{"&What's This?"});
    ASSERT_NE(OpenHelpPopup(), nullptr);
    EXPECT_EQ(OpenHelpPopup()->Context(), 29u);
    OpenHelpPopup()->close();
    // The switch is off: the window menu has no Help item.
    EXPECT_EQ(ItemTexts(dialog.SystemMenu()), std::vector<std::string>{"&Close"});
}

TEST_F(Dialogs, ControlMenuFromTheMapAndHelpInTheWindowMenu) {
    const ControlMenuMap map = {{IDC_GROUP_FONTS, 0}, {0, 0}};
    WProdDialog dialog(IDD_INSTALL_GROUP, IDR_GROUP_DLG_MENU, map, true, nullptr);
    dialog.show();
    QApplication::processEvents();
    QWidget* list = dialog.GetDlgItem(IDC_GROUP_FONTS);
    std::vector<std::string> texts;
    EXPECT_TRUE(WithPopup([&] { dialog.ShowControlMenu(list, list->mapToGlobal(QPoint(4, 4)), false); },
                          [&](QMenu* menu) { texts = ItemTexts(menu); }));
    EXPECT_EQ(texts, (std::vector<std::string>{"Select &All", "-", "&What's This?"}));
    EXPECT_EQ(dialog.ChosenControlId(), static_cast<unsigned>(IDC_GROUP_FONTS));

    // The group frame is not in the map; the static over it is found from the dialog's face.
    QWidget* name = dialog.GetDlgItem(IDC_GROUP_NAME);
    const QPoint onName = name->mapToGlobal(QPoint(3, 3));
    EXPECT_TRUE(WithPopup([&] { dialog.ShowControlMenu(dialog.ClientArea(), onName, false); },
                          [&](QMenu* menu) { texts = ItemTexts(menu); }));
    EXPECT_EQ(dialog.ChosenControlId(), static_cast<unsigned>(IDC_GROUP_NAME));
    EXPECT_EQ(texts, std::vector<std::string>{"&What's This?"});

    EXPECT_EQ(ItemTexts(dialog.SystemMenu()), (std::vector<std::string>{"&Close", "&Help"}));
    dialog.OnSysCommand(ID_SYS_HELP);
    ASSERT_NE(WHelpWindow::Existing(), nullptr);
    EXPECT_EQ(WHelpWindow::Existing()->CurrentContext(), 19u);
}

TEST_F(Dialogs, KeyboardContextMenuOpensAtTheMouseCursor) {
    WProdDialog dialog(IDD_GROUP_ICON_TYPE, 0, {}, false, nullptr);
    dialog.show();
    QApplication::processEvents();
    QWidget* ok = dialog.GetDlgItem(IDOK_BUTTON);
    QPoint shownAt;
    QCursor::setPos(ok->mapToGlobal(QPoint(10, 5)));
    EXPECT_TRUE(WithPopup([&] { dialog.ShowControlMenu(ok, QPoint(-1, -1), true); },
                          [&](QMenu* menu) { shownAt = menu->pos(); }));
    EXPECT_EQ(shownAt, QCursor::pos());
}

struct FailingDialog : WProdDialog {
    FailingDialog() : WProdDialog(IDD_GROUP_ICON_TYPE, 0, {}, false, nullptr) {}
    void OnInitDialog() override { throw std::runtime_error("no"); }
};

TEST_F(Dialogs, FailedInitialisationEndsTheModalRunWithThree) {
    FailingDialog dialog;
    EXPECT_EQ(dialog.DoModal(), 3);
}

TEST_F(Dialogs, MouseMessagesToControlsAreRelayedToTheTooltip) {
    WProdDialog dialog(IDD_GROUP_ICON_TYPE, 0, {}, false, nullptr);
    dialog.show();
    QApplication::processEvents();
    QWidget* ok = dialog.GetDlgItem(IDOK_BUTTON);
    const int before = dialog.ToolTip()->RelayedCount();
    QTest::mouseMove(ok, QPoint(5, 5));
    QTest::mousePress(ok, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(ok, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    const int relayed = dialog.ToolTip()->RelayedCount() - before;
    EXPECT_GE(relayed, 2);
    QTest::mouseDClick(ok, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    // A double click relays its press and release but not the double click itself.
    EXPECT_LE(dialog.ToolTip()->RelayedCount() - before - relayed, 3);
}

// Pages that answer their commands and may refuse to be left.
struct Page : WProdPage {
    Page(unsigned templateId, const char* caption)
        : WProdPage(templateId, 0, {}, 0, QString::fromLatin1(caption)) {}
    bool OnKillActive() override { return mayLeave; }
    bool OnCommand(unsigned id) override {
        commands.push_back(id);
        return WProdPage::OnCommand(id);
    }
    bool mayLeave = true;
    std::vector<unsigned> commands;
};

TEST_F(Dialogs, SheetButtonsByMaskAndCommandsToThePages) {
    auto* first = new Page(IDD_GROUP_ICON_TYPE, "First");
    auto* second = new Page(IDD_INSTALL_GROUP, "Second");
    WProdSheet sheet(QStringLiteral("Sheet"), 0, {}, false, 0, nullptr, first);
    sheet.AddPage(second);
    sheet.SetButtonMask(4);
    sheet.show();
    QApplication::processEvents();
    for (unsigned id : {IDOK_BUTTON, IDCANCEL_BUTTON, ID_APPLY_NOW})
        EXPECT_FALSE(sheet.StandardButton(id)->isVisibleTo(&sheet));
    EXPECT_TRUE(sheet.StandardButton(ID_HELP)->isVisibleTo(&sheet));
    EXPECT_TRUE(first->IsCreated());
    EXPECT_FALSE(second->IsCreated()); // made when first activated
    EXPECT_NE(first->GetDlgItem(IDC_ICON_ASK), nullptr);

    // The Help button shows the active page's own topic.
    sheet.OnCommand(ID_HELP);
    ASSERT_NE(WHelpWindow::Existing(), nullptr);
    EXPECT_EQ(WHelpWindow::Existing()->CurrentContext(), 26u);

    // A page that refuses to be left keeps the sheet on it and stops OK.
    first->mayLeave = false;
    sheet.SetActivePage(1);
    EXPECT_EQ(sheet.GetActivePage(), first);
    sheet.OnCommand(IDOK_BUTTON);
    EXPECT_TRUE(first->commands.empty());
    first->mayLeave = true;
    sheet.SetActivePage(1);
    EXPECT_TRUE(second->IsCreated());
    sheet.OnCommand(ID_APPLY_NOW);
    sheet.OnCommand(IDOK_BUTTON);
    EXPECT_EQ(first->commands, (std::vector<unsigned>{ID_APPLY_NOW, IDOK_BUTTON}));
    EXPECT_EQ(second->commands, (std::vector<unsigned>{ID_APPLY_NOW, IDOK_BUTTON}));
    EXPECT_TRUE(sheet.isVisible()); // a modeless sheet stays open after OK
}

const DialogTemplate* LayoutTemplates(unsigned id) {
    static const DialogTemplate layout{
        900,
        "Laid Out",
        300,
        200,
        0,
        "MS Sans Serif",
        8,
        0,
        {DialogItem{1200, ControlKind::PushButton, "Extra", 230, 10, 50, 14, kStyleTabStop},
         DialogItem{IDC_STATIC_ANY, ControlKind::Static, "KelvraPage", 10, 10, 200, 150, 0}}};
    return id == 900 ? &layout : FindDialogTemplate(id);
}
const ResourceModule kLayoutModule{&LayoutTemplates};

struct LaidOutSheet : WProdSheet {
    explicit LaidOutSheet(WPropertyPage* page)
        : WProdSheet(QStringLiteral("Sheet"), 0, {}, true, 900, nullptr, page) {}
    const ResourceModule* GetResourceModule() const override { return &kLayoutModule; }
};

TEST_F(Dialogs, SheetLaidOutFromATemplate) {
    LaidOutSheet sheet(new Page(IDD_GROUP_ICON_TYPE, "Page"));
    sheet.show();
    QApplication::processEvents();
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("Laid Out"));
    EXPECT_EQ(sheet.HelpTemplateId(), 900u);
    EXPECT_EQ(sheet.TabControl()->geometry(), QRect(15, 16, 300, 244));
    QWidget* extra = sheet.findChild<QWidget*>(QStringLiteral("ctl1200"));
    ASSERT_NE(extra, nullptr);
    EXPECT_EQ(extra->geometry(), QRect(345, 16, 75, 23));
    EXPECT_EQ(extra->font().family(), FamilyDialogFont().family());
    EXPECT_EQ(sheet.findChild<QWidget*>(QStringLiteral("ctl65535"), Qt::FindDirectChildrenOnly),
              nullptr); // no marker
    EXPECT_EQ(ItemTexts(sheet.SystemMenu()), (std::vector<std::string>{"&Close", "&Help"}));
}

} // namespace
