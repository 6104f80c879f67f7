#pragma once
// The family's dialog bases: WDialog (controls from a template in dialog units, a menu bar when the
// template names one, the tooltip relay, a window menu) and WProdDialog (per-control context menus,
// "What's This?" and F1 help from the template's help map, the family's dialog font).
#include "dialogs/WContextHelp.h"
#include "resources/dialogs.h"
#include "sharedui/dialogframe.h"

#include <QDialog>
#include <QHash>
#include <QPointer>
#include <string>

class QMenu;
class QMenuBar;
class QMouseEvent;

// A control of a template made with the platform's usual widget for its kind; buttons are not
// connected. nullptr when the kind cannot be made.
QWidget* CreateTemplateControl(const DialogItem& item, QWidget* parent);

// The resources a dialog is made from; nullptr stands for the program's own.
struct ResourceModule {
    const DialogTemplate* (*findTemplate)(unsigned id) = nullptr;
};

// The dialog's tooltip control: mouse messages aimed at the dialog's controls are relayed to it,
// and it shows the text of a tool when the mouse rests on it.
class WToolTip : public QObject {
    Q_OBJECT
public:
    explicit WToolTip(QObject* parent) : QObject(parent) {}
    void AddTool(QWidget* tool, const QString& text);
    void RelayEvent(QWidget* target, QMouseEvent* event);
    int RelayedCount() const { return m_relayed; }

private:
    QHash<QWidget*, QString> m_tools;
    int m_relayed = 0;
};

class WDialog : public QDialog {
    Q_OBJECT
public:
    WDialog(unsigned templateId, QWidget* parent);
    ~WDialog() override;

    unsigned TemplateId() const { return m_nTemplateId; }
    // The module holding the template; none means the program's own resources.
    virtual const ResourceModule* GetResourceModule() const { return nullptr; }

    // Makes the window from its template and initialises it, once.
    void Create();
    bool IsCreated() const { return m_bCreated; }
    // The modal run; 3 when the initialisation failed.
    int DoModal();

    QWidget* GetDlgItem(unsigned id) const;
    static unsigned ControlIdOf(const QWidget* widget);
    // The control of this dialog that is `widget` or holds it; nullptr when none.
    QWidget* ControlOf(QWidget* widget) const;
    // Where the controls live: the window below its menu bar.
    QWidget* ClientArea() const { return m_pClient; }
    QMenuBar* MenuBar() const { return m_pMenuBar; }
    WToolTip* ToolTip() const { return m_pToolTip; }
    int Dpi() const;

    // The window menu (Qt has no system menu): Alt+Space or Alt+Minus opens it at the window's
    // top left corner; it starts with "&Close".
    QMenu* SystemMenu();
    void AppendSystemMenuItem(unsigned id, const QString& text);
    void ShowSystemMenu();

    // A command from a button, a menu or a shortcut; true when handled.
    virtual bool OnCommand(unsigned id);
    virtual void OnSysCommand(unsigned id);
    static constexpr unsigned kScClose = 0xF060;

protected:
    // Before the controls are made.
    virtual void OnCreate() {}
    virtual QWidget* CreateControl(const DialogItem& item, QWidget* parent);
    virtual void OnInitDialog() {}
    // Filters of the controls; derived classes extend them.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void setVisible(bool visible) override;
    void WatchWidget(QWidget* widget);
    const DialogTemplate* Template() const;

private:
    unsigned m_nTemplateId;
    bool m_bCreated = false;
    bool m_bInitFailed = false;
    QWidget* m_pClient = nullptr;
    QMenuBar* m_pMenuBar = nullptr;
    WToolTip* m_pToolTip = nullptr;
    QMenu* m_pSystemMenu = nullptr;
};

class WProdDialog : public WDialog {
    Q_OBJECT
public:
    WProdDialog(unsigned templateId, unsigned menuResourceId, ControlMenuMap menuMap, bool systemMenuHelp,
                QWidget* parent);

    // The context-menu request at a global point, for a control or for the dialog's face.
    virtual void ShowControlMenu(QWidget* requestWindow, QPoint globalPos, bool fromKeyboard);
    // Called with the control's popup before it shows; the base does nothing and answers 0.
    virtual int PrepareControlMenu(int x, int y, unsigned controlId, QMenu* menu);
    bool OnCommand(unsigned id) override;
    void OnSysCommand(unsigned id) override;

    QWidget* ChosenControl() const { return m_help.ChosenControl(); }
    unsigned ChosenControlId() const { return m_help.ChosenControlId(); }

protected:
    void OnCreate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WContextHelp m_help;
    bool m_bSystemMenuHelp;
};
