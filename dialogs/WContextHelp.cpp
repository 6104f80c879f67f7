#include "dialogs/WContextHelp.h"

#include "app/ui/QtUiPort.h"
#include "dialogs/WDialog.h"
#include "dialogs/WHelp.h"
#include "resources/helpmaps.h"
#include "resources/resource.h"
#include "resources/strings.h"
#include "resources/ui/QtResources.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <memory>

QWidget* ControlOfFace(QWidget* face, QWidget* widget) {
    for (QWidget* w = widget; w && w != face; w = w->parentWidget())
        if (w->parentWidget() == face && WDialog::ControlIdOf(w) != 0) return w;
    return nullptr;
}

WContextHelp::WContextHelp(unsigned menuResourceId, ControlMenuMap map)
    : m_nMenuResourceId(menuResourceId), m_map(std::move(map)) {}

bool WContextHelp::ShowControlMenu(QWidget* face, QWidget* requestWindow, QPoint globalPos, bool fromKeyboard,
                                   const Prepare& prepare, const Dispatch& dispatch) {
    QWidget* chosen = requestWindow;
    if (chosen == face) {
        // Static controls and frames let the request through to the face: find the control there.
        std::vector<QWidget*> controls;
        std::vector<ChildRect> rects;
        for (QObject* child : face->children()) {
            auto* w = qobject_cast<QWidget*>(child);
            if (!w || w->isWindow() || !w->isVisibleTo(face) || WDialog::ControlIdOf(w) == 0) continue;
            const QRect g = w->geometry();
            controls.push_back(w);
            rects.push_back(ChildRect{g.left(), g.top(), g.left() + g.width(), g.top() + g.height()});
        }
        const QPoint p = face->mapFromGlobal(fromKeyboard ? QCursor::pos() : globalPos);
        const int index = PickChildAt(rects, p.x(), p.y());
        if (index >= 0) chosen = controls[static_cast<size_t>(index)];
    }
    m_pChosen = chosen;
    m_nChosenId = chosen == face ? 0 : WDialog::ControlIdOf(chosen);

    int popupIndex = 0;
    const ContextMenuPlan plan =
        PlanContextMenu(chosen == face, m_nMenuResourceId, m_map, m_nChosenId, &popupIndex);
    if (plan == ContextMenuPlan::PassOn) return false;

    std::unique_ptr<QMenu> menu;
    if (plan == ContextMenuPlan::ControlMenu) {
        menu.reset(LoadPopupMenu(m_nMenuResourceId, popupIndex, nullptr));
        if (!menu) return true; // a menu that cannot be loaded shows nothing
        menu->addSeparator();
    } else {
        menu = std::make_unique<QMenu>();
    }
    menu->setObjectName(QStringLiteral("controlMenu"));
    QAction* whatsThis = menu->addAction(FromAnsi(LoadString(IDS_WHATS_THIS)));
    whatsThis->setData(static_cast<unsigned>(ID_WHATS_THIS));

    const QPoint at = fromKeyboard ? QCursor::pos() : globalPos;
    if (plan == ContextMenuPlan::ControlMenu && prepare) prepare(at.x(), at.y(), m_nChosenId, menu.get());
    QAction* picked = menu->exec(at);
    const unsigned id = MenuActionId(picked);
    menu.reset();
    if (id && dispatch) dispatch(id);
    return true;
}

void WContextHelp::WhatsThis(unsigned helpTemplateId) const {
    auto map = LoadHelpMap(helpTemplateId);
    if (!map || !m_pChosen) return;
    help::ShowControlPopup(m_pChosen, *map);
}

bool WContextHelp::HelpRequest(QWidget* control, unsigned helpTemplateId) {
    auto map = LoadHelpMap(helpTemplateId);
    if (!map || !control) return false;
    help::ShowControlPopup(control, *map);
    return true;
}

bool WContextHelp::HelpOwnContext(QWidget* window, unsigned helpTemplateId) {
    auto map = LoadHelpMap(helpTemplateId);
    if (!map) return false;
    return help::ShowContext(window, map->ownContext);
}

bool FilterHelpEvent(QWidget* face, QObject* watched, QEvent* event, unsigned helpTemplateId,
                     const ShowMenuFn& showMenu) {
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* control = !widget ? nullptr : widget == face ? face : ControlOfFace(face, widget);
    if (!control) return false;
    switch (event->type()) {
    case QEvent::ContextMenu: {
        auto* e = static_cast<QContextMenuEvent*>(event);
        showMenu(control, e->globalPos(), e->reason() == QContextMenuEvent::Keyboard);
        return true;
    }
    case QEvent::KeyPress: {
        auto* e = static_cast<QKeyEvent*>(event);
        if (control == face || e->key() != Qt::Key_F1 || e->modifiers() != Qt::NoModifier) return false;
        WContextHelp::HelpRequest(control, helpTemplateId);
        return true;
    }
    case QEvent::QueryWhatsThis:
        if (control == face) return false;
        event->accept();
        return true;
    case QEvent::WhatsThis:
        if (control == face) return false;
        WContextHelp::HelpRequest(control, helpTemplateId);
        return true;
    default:
        return false;
    }
}
