#include "tests/widgets/WindowFixture.h"

#include "app/ui/QtUiPort.h"
#include "dialogs/WHelp.h"
#include "resources/ui/QtResources.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

WindowFixture::WindowFixture() {
    app.m_permList = std::make_unique<FontList>();
    app.m_tempList = std::make_unique<FontList>();
    app.m_sourceList = std::make_unique<FontList>();
    app.m_clipboard = std::make_unique<FontList>();
    app.m_groupList = std::make_unique<GroupList>();
    app.m_strLastFolder = "C:\\SRC";
    help::SetHelpFile(std::string(TYPESTOW_SOURCE_DIR) + "/resources/typestow.HLP");
}

WindowFixture::~WindowFixture() {
    if (auto* popup = QApplication::activePopupWidget()) popup->close();
    if (auto* help = WHelpWindow::Existing()) delete help;
    dlg.reset();
}

FontItem* WindowFixture::AddFont(FontList& list, const std::string& name, FontType type,
                                 const std::string& path, const std::string& style) {
    auto f = std::make_unique<FontItem>();
    f->m_strFullName = name;
    f->m_nType = type;
    f->m_strFilePath = path;
    f->m_strStyle = style;
    return list.AddTail(std::move(f));
}

void WindowFixture::Open() {
    dlg = std::make_unique<WFontMgrDlg>();
    dlg->show();
    dlg->activateWindow();
    QApplication::setActiveWindow(dlg.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    QApplication::processEvents();
}

std::vector<std::string> WindowFixture::RowTexts(WFontListPane* pane) {
    std::vector<std::string> texts;
    for (int row = 0; row < pane->Rows()->rowCount(); ++row)
        texts.push_back(ToAnsi(pane->Rows()->data(pane->Rows()->index(row), Qt::DisplayRole).toString()));
    return texts;
}

void WindowFixture::Focus(QWidget* widget) {
    widget->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
}

QAction* WindowFixture::MenuItem(unsigned id) const {
    return FindMenuAction(dlg->MenuBar(), id);
}

void WindowFixture::OpenMenuOf(unsigned id) const {
    QAction* action = MenuItem(id);
    ASSERT_NE(action, nullptr);
    for (QObject* o : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(o)) emit menu->aboutToShow();
}

bool WithPopup(const std::function<void()>& open, const std::function<void(QMenu*)>& inspect) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        seen = true;
        inspect(menu);
        if (menu->isVisible()) menu->close();
    });
    open();
    QApplication::processEvents();
    return seen;
}

void Choose(QMenu* menu, unsigned id) {
    for (QAction* a : menu->actions())
        if (MenuActionId(a) == id) {
            menu->setActiveAction(a);
            QTest::keyClick(menu, Qt::Key_Return);
            return;
        }
}

std::vector<std::string> ItemTexts(QMenu* menu) {
    std::vector<std::string> texts;
    for (QAction* a : menu->actions())
        texts.push_back(a->isSeparator() ? "-"
                                         : ToAnsi(a->text()) + (a->isEnabled() ? "" : " (grayed)") +
                                               (a->isChecked() ? " (checked)" : ""));
    return texts;
}
