#pragma once
// The help engine: the program's help file shown in a help window (topics by context number, the
// contents and the index) and in popup windows beside single controls.
#include "resources/helpmaps.h"

#include <QDialog>
#include <QFrame>
#include <cstdint>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QWidget;

namespace help {

// The help file of the program: its own path with ".HLP" for its extension, unless set here.
void SetHelpFile(const std::string& hostPath);
std::string HelpFile();

// The context command: the topic of a context number in the help window.
bool ShowContext(QWidget* window, uint32_t context);
// The control-popup command: the popup text that the map gives the control's id, beside the control.
bool ShowControlPopup(QWidget* control, const HelpMap& map);
// The contents command, the contents-and-index (finder) command and the help on using help.
bool ShowContents(QWidget* window);
bool ShowFinder(QWidget* window);
bool ShowHelpOnHelp(QWidget* window);

} // namespace help

// The help window: one per process, reused by every help command.
class WHelpWindow : public QDialog {
    Q_OBJECT
public:
    static WHelpWindow* Instance(); // created on first use
    static WHelpWindow* Existing(); // nullptr until created
    void ShowTopic(uint32_t context);
    void ShowIndex();
    void ShowText(const QString& title, const QString& text);
    uint32_t CurrentContext() const { return m_context; }
    QString CurrentTitle() const;

private:
    WHelpWindow();
    void Reload();
    void FillLists();
    void DisplaySelected(QListWidget* list);

    QTabWidget* m_pTabs;
    QListWidget* m_pContents;
    QLineEdit* m_pFind;
    QListWidget* m_pIndex;
    QTextBrowser* m_pText;
    uint32_t m_context = 0;
};

// The popup window of a control's help text; it closes at the next click or key.
class WHelpPopup : public QFrame {
    Q_OBJECT
public:
    static WHelpPopup* Show(QWidget* control, uint32_t context, const QString& text);
    uint32_t Context() const { return m_context; }
    QString Text() const;

private:
    WHelpPopup(uint32_t context, const QString& text);
    QLabel* m_pLabel;
    uint32_t m_context;
};
