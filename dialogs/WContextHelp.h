#pragma once
// Context help shared by the family's dialogs, sheets and pages: the control chosen by a
// context-menu request, its popup from the control menu map with "What's This?" appended, and
// the help popups and topics from the help map of a template.
#include "sharedui/dialogframe.h"

#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>

class QMenu;

class WContextHelp {
public:
    WContextHelp(unsigned menuResourceId, ControlMenuMap map);

    // `face` is the window holding the controls; `requestWindow` the control the request came for,
    // or the face itself. Answers false when the request goes on to the parent (no menu).
    using Prepare = std::function<int(int x, int y, unsigned controlId, QMenu* menu)>;
    using Dispatch = std::function<void(unsigned id)>;
    bool ShowControlMenu(QWidget* face, QWidget* requestWindow, QPoint globalPos, bool fromKeyboard,
                         const Prepare& prepare, const Dispatch& dispatch);

    // "What's This?" for the control of the last request.
    void WhatsThis(unsigned helpTemplateId) const;
    // F1 on a control: the popup of its help context. False when the template has no help map.
    static bool HelpRequest(QWidget* control, unsigned helpTemplateId);
    // The context command with the dialog's own help context, for `window`.
    static bool HelpOwnContext(QWidget* window, unsigned helpTemplateId);

    QWidget* ChosenControl() const { return m_pChosen; }
    unsigned ChosenControlId() const { return m_nChosenId; }
    unsigned MenuResourceId() const { return m_nMenuResourceId; }

private:
    unsigned m_nMenuResourceId;
    ControlMenuMap m_map;
    QPointer<QWidget> m_pChosen;
    unsigned m_nChosenId = 0;
};

// The controls of a face: its direct children that carry a control id.
QWidget* ControlOfFace(QWidget* face, QWidget* widget);

// The help events of a face and its controls, as the family's dialogs, sheets and pages take them:
// a context-menu request goes to `showMenu` (for the control, or for the face itself), F1 and Qt's
// own "What's This?" pop up the control's help. True when the event was taken.
using ShowMenuFn = std::function<void(QWidget* requestWindow, QPoint globalPos, bool fromKeyboard)>;
bool FilterHelpEvent(QWidget* face, QObject* watched, QEvent* event, unsigned helpTemplateId,
                     const ShowMenuFn& showMenu);
