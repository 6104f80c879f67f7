#pragma once
// The main window: four panes with their captions, a status line and three buttons under a menu
// bar. It lays the panes out as the window is resized, tracks the pane that has the focus, routes
// menu commands to it as pane commands, keeps the View menu's checks, runs Browse, and rebuilds the
// installed panes after a font change when the program is next activated.
#include "app/mainwindow.h"
#include "app/ui/WPane.h"
#include "dialogs/WDialog.h"
#include "install/DragDrop.h"
#include "install/DragState.h"
#include "platform/broadcast.h"

#include <QLabel>
#include <QSize>

class WSourceList;
class WPermList;
class WTempList;
class WGroupTree;
class QPushButton;

// A caption or the status line: a static with a sunken edge, and the two-pixel focus frame drawn
// inside it by inverting the pixels while its pane has the focus.
class WCaption : public QLabel {
    Q_OBJECT
public:
    WCaption(const QString& text, QWidget* parent);
    void SetFocusFrame(bool shown);
    bool HasFocusFrame() const { return m_bFocusFrame; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_bFocusFrame = false;
};

class WFontMgrDlg : public WProdDialog, public WPaneHost, public platform::FontChangeListener {
    Q_OBJECT
public:
    explicit WFontMgrDlg(QWidget* parent = nullptr);
    ~WFontMgrDlg() override;

    WSourceList* SourcePane() const { return m_pSource; }
    WPermList* PermPane() const { return m_pPerm; }
    WTempList* TempPane() const { return m_pTemp; }
    WGroupTree* GroupTree() const { return m_pGroups; }
    WCaption* Caption(unsigned id) const;
    QPushButton* Button(unsigned id) const;
    // The caption that carries the focus frame, 0 for none.
    unsigned FocusFrameCaption() const { return m_bFocusFrameShown ? m_nFocusCaption : 0; }
    DragState& Drag() { return m_drag; }

    // The pane with the keyboard focus (Groups, Temporarily Installed, Permanently Installed and
    // Source are asked in this order), nullptr for none.
    WPane* FocusedPane() const;
    void ForwardToFocusPane(unsigned paneCommand);
    void SetViewFilter(int viewType);
    void OnBrowse();
    // The program became active again: a font change since the last time rebuilds the installed panes.
    void OnActivateApp();

    // WProdDialog
    bool OnCommand(unsigned id) override;
    void OnSysCommand(unsigned id) override;
    int PrepareControlMenu(int x, int y, unsigned controlId, QMenu* menu) override;

    // WPaneHost
    void OnPaneFocus(WPane* pane, bool gained) override;
    void GrayMenuBarItems(const std::vector<unsigned>& ids) override;
    void SetStatusText(const std::string& text) override;
    WPane* Pane(PaneId id) override;
    void SendPaneCommand(PaneId target, unsigned command) override;
    void PressBrowse() override;
    void UpdateViewMenuChecks() override;
    void NewGroupWithFonts(std::unique_ptr<FontList> fonts) override;
    QWidget* OwnerWindow() override { return this; }
    void BeginPaneDrag(WPane* source, QPoint globalPos) override;

    // The drag in progress: the pointer moved, or the left button was released, at a global point.
    void DragMoveTo(QPoint globalPos);
    void DropAt(QPoint globalPos);
    // The window under a global point as a drop target.
    DropTarget DropTargetAt(QPoint globalPos) const;
    QWidget* DragImage() const { return m_pDragImage; }

    // platform::FontChangeListener
    void OnFontChange() override;

protected:
    QWidget* CreateControl(const DialogItem& item, QWidget* parent) override;
    void OnInitDialog() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void OnClientResize(QSize size);
    MainLayout CurrentLayout() const;
    void ApplyLayout(const MainLayout& layout);
    void UpdatePopupState(QMenu* popup);
    void OnEnter();
    void OnEscape();
    void CancelDrag();
    // The drag image, the capture and the hidden cursor end.
    void EndDragFeedback();
    unsigned CaptionOf(const WPane* pane) const;
    void PaintTopLines();

    WSourceList* m_pSource = nullptr;
    WPermList* m_pPerm = nullptr;
    WTempList* m_pTemp = nullptr;
    WGroupTree* m_pGroups = nullptr;
    QSize m_lastClient;
    bool m_bGapsMeasured = false;
    LayoutGaps m_gaps;
    bool m_bInitDone = false;
    unsigned m_nFocusCaption = 0;
    bool m_bFocusFrameShown = false;
    DragState m_drag;
    QLabel* m_pDragImage = nullptr;
    platform::FontChangeWatcher m_fontWatcher;
};
