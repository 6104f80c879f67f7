#pragma once
// The family's property sheet and page bases: WPropertySheet (the standard-button mask, OK and
// Apply Now sent to every page), WProdSheet (context help, and the frame laid out from a dialog
// template whose "KelvraPage" marker places the tabs), WPropertyPage (the page's controls made from
// its template when the sheet first activates it) and WProdPage (context help for the page).
#include "dialogs/WContextHelp.h"
#include "dialogs/WDialog.h"
#include "sharedui/dialogframe.h"

#include <QDialog>
#include <QList>
#include <QWidget>
#include <string>

class QPushButton;
class QTabWidget;

class WPropertyPage : public QWidget {
    Q_OBJECT
public:
    WPropertyPage(unsigned templateId, const QString& tabCaption);

    unsigned TemplateId() const { return m_nTemplateId; }
    QString TabCaption() const { return m_strCaption; }
    virtual const ResourceModule* GetResourceModule() const { return nullptr; }

    // The page's controls, made from its template once.
    void EnsureCreated();
    bool IsCreated() const { return m_bCreated; }
    QWidget* GetDlgItem(unsigned id) const;

    virtual bool OnSetActive() { return true; }
    // The leave check: false keeps the page active.
    virtual bool OnKillActive() { return true; }
    // A command sent to the page (OK 1 and Apply Now 59904 from the sheet, its own buttons).
    virtual bool OnCommand(unsigned id) { return false; }

protected:
    virtual QWidget* CreateControl(const DialogItem& item, QWidget* parent);
    virtual void OnInitDialog() {}
    const DialogTemplate* Template() const;

private:
    unsigned m_nTemplateId;
    QString m_strCaption;
    bool m_bCreated = false;
};

class WProdPage : public WPropertyPage {
    Q_OBJECT
public:
    WProdPage(unsigned templateId, unsigned menuResourceId, ControlMenuMap menuMap, int extra,
              const QString& tabCaption);

    virtual void ShowControlMenu(QWidget* requestWindow, QPoint globalPos, bool fromKeyboard);
    virtual int PrepareControlMenu(int x, int y, unsigned controlId, QMenu* menu);
    bool OnCommand(unsigned id) override;
    QWidget* ChosenControl() const { return m_help.ChosenControl(); }

protected:
    void OnInitDialog() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WContextHelp m_help;
};

class WPropertySheet : public QDialog {
    Q_OBJECT
public:
    WPropertySheet(const QString& caption, QWidget* parent);

    void AddPage(WPropertyPage* page);
    // The module holding the layout template; none means the program's own resources.
    virtual const ResourceModule* GetResourceModule() const { return nullptr; }
    int GetPageCount() const { return m_pages.size(); }
    WPropertyPage* GetPage(int index) const { return m_pages.value(index); }
    WPropertyPage* GetActivePage() const;
    void SetActivePage(int index);
    QTabWidget* TabControl() const { return m_pTabs; }

    void SetButtonMask(unsigned mask) { m_nButtonMask = mask; }
    unsigned ButtonMask() const { return m_nButtonMask; }
    // The standard button with id 1, 2, 57669 or 59904.
    QPushButton* StandardButton(unsigned id) const;

    // Makes the sheet's window once: tabs, the four standard buttons shown by the mask, the pages.
    void Create();
    int DoModal();
    bool IsModal() const { return m_bModal; }

    virtual bool OnCommand(unsigned id);

protected:
    virtual void OnCreate() {}
    virtual void OnHelpButton() {}
    void setVisible(bool visible) override;
    // Places the visible standard buttons in a row at the bottom right.
    void LayoutButtons();

private:
    void OnTabChanged(int index);
    void SendToPages(unsigned id);

    QTabWidget* m_pTabs;
    QList<WPropertyPage*> m_pages;
    QList<QPushButton*> m_buttons;
    unsigned m_nButtonMask = kSheetAllButtons;
    bool m_bCreated = false;
    bool m_bModal = false;
    int m_nActive = -1;
};

class WProdSheet : public WPropertySheet {
    Q_OBJECT
public:
    WProdSheet(const QString& caption, unsigned menuResourceId, ControlMenuMap menuMap, bool systemMenuHelp,
               unsigned layoutTemplateId, QWidget* parent, WPropertyPage* firstPage);

    unsigned LayoutTemplateId() const { return m_nLayoutTemplateId; }
    unsigned HelpTemplateId() const { return m_nHelpTemplateId; }
    virtual void ShowControlMenu(QWidget* requestWindow, QPoint globalPos, bool fromKeyboard);
    virtual int PrepareControlMenu(int x, int y, unsigned controlId, QMenu* menu);
    bool OnCommand(unsigned id) override;

    // The window menu: "&Close", and "&Help" when the switch asks for it.
    QMenu* SystemMenu() const { return m_pSystemMenu; }

protected:
    void OnCreate() override;
    void OnHelpButton() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LayoutFromTemplate();

    WContextHelp m_help;
    bool m_bSystemMenuHelp;
    unsigned m_nLayoutTemplateId;
    unsigned m_nHelpTemplateId = 0;
    QMenu* m_pSystemMenu = nullptr;
};
