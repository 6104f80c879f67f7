#include "app/ui/WFontMgrDlg.h"

#include "app/WFontMgrApp.h"
#include "app/ui/LaterSteps.h"
#include "app/ui/QtUiPort.h"
#include "dialogs/WHelp.h"
#include "groups/ui/WGroupTree.h"
#include "install/panecommands.h"
#include "install/ui/WFontListPane.h"
#include "resources/pictures.h"
#include "resources/resource.h"
#include "resources/strings.h"
#include "resources/ui/QtResources.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>

namespace {

// Captions of the panes, and the frames behind them that give their place.
struct CaptionFrame {
    unsigned caption;
    unsigned frame;
};
constexpr CaptionFrame kCaptionFrames[] = {{IDC_SOURCE_CAPTION, IDC_SOURCE_FRAME},
                                           {IDC_PERM_CAPTION, IDC_PERM_FRAME},
                                           {IDC_GROUPS_CAPTION, IDC_GROUPS_FRAME},
                                           {IDC_TEMP_CAPTION, IDC_TEMP_FRAME}};
constexpr int kCaptionFrameTop = 10;

ControlMenuMap MainMenuMap() {
    return {{IDC_SOURCE_CAPTION, kPopupFileCtrl}, {IDC_PERM_PANE, kPopupPerm},
            {IDC_TEMP_PANE, kPopupTemp},          {IDC_GROUPS_PANE, kPopupGroup},
            {IDC_SOURCE_PANE, kPopupSource},      {0, 0}};
}

LayoutRect RectOf(const QWidget* w) {
    if (!w) return {};
    const QRect g = w->geometry();
    return {g.x(), g.y(), g.x() + g.width(), g.y() + g.height()};
}

void Place(QWidget* w, const LayoutRect& r) {
    if (w) w->setGeometry(r.left, r.top, r.Width(), r.Height());
}

} // namespace

// ---------------------------------------------------------------------------------------------

WCaption::WCaption(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setFocusPolicy(Qt::NoFocus);
}

void WCaption::SetFocusFrame(bool shown) {
    if (m_bFocusFrame == shown) return;
    m_bFocusFrame = shown;
    update();
}

void WCaption::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!m_bFocusFrame) return;
    QPainter painter(this);
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    const QRect r = contentsRect();
    const int t = 2;
    painter.fillRect(QRect(r.left(), r.top(), r.width(), t), Qt::black);
    painter.fillRect(QRect(r.left(), r.bottom() - t + 1, r.width(), t), Qt::black);
    painter.fillRect(QRect(r.left(), r.top() + t, t, r.height() - 2 * t), Qt::black);
    painter.fillRect(QRect(r.right() - t + 1, r.top() + t, t, r.height() - 2 * t), Qt::black);
}

// ---------------------------------------------------------------------------------------------

WFontMgrDlg::WFontMgrDlg(QWidget* parent)
    : WProdDialog(IDD_FONTMGR, IDR_PANE_MENUS, MainMenuMap(), false, parent) {
    setObjectName(QStringLiteral("mainWindow"));
    if (HasApp() && !TheApp().m_pMainDlg) TheApp().m_pMainDlg = this;
    platform::AddFontChangeListener(this);
    // Posted notices reach the window when the event loop next waits, as posted messages do.
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [] {
            if (platform::PendingPostedFontChanges()) platform::DispatchPostedFontChanges();
        });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive) OnActivateApp();
    });
}

WFontMgrDlg::~WFontMgrDlg() {
    EndDragFeedback();
    for (WFontListPane* pane : std::initializer_list<WFontListPane*>{m_pSource, m_pPerm, m_pTemp})
        if (pane) pane->DetachHost();
    if (m_pGroups) m_pGroups->DetachHost();
    platform::RemoveFontChangeListener(this);
    if (HasApp()) {
        WFontMgrApp& app = TheApp();
        if (app.m_pMainDlg == this) app.m_pMainDlg = nullptr;
        app.m_hFocusPane = nullptr;
    }
}

QWidget* WFontMgrDlg::CreateControl(const DialogItem& item, QWidget* parent) {
    switch (item.id) {
    case IDC_SOURCE_PANE:
        return m_pSource = new WSourceList(this, parent);
    case IDC_PERM_PANE:
        return m_pPerm = new WPermList(this, parent);
    case IDC_TEMP_PANE:
        return m_pTemp = new WTempList(this, parent);
    case IDC_GROUPS_PANE:
        return m_pGroups = new WGroupTree(this, parent);
    case IDC_SOURCE_CAPTION:
    case IDC_PERM_CAPTION:
    case IDC_GROUPS_CAPTION:
    case IDC_TEMP_CAPTION:
    case IDC_STATUS: {
        auto* caption = new WCaption(FromAnsi(item.text), parent);
        caption->setObjectName(item.id == IDC_STATUS ? QStringLiteral("statusLine")
                                                     : QStringLiteral("caption%1").arg(item.id));
        return caption;
    }
    default:
        return WProdDialog::CreateControl(item, parent);
    }
}

WCaption* WFontMgrDlg::Caption(unsigned id) const {
    return qobject_cast<WCaption*>(GetDlgItem(id));
}

QPushButton* WFontMgrDlg::Button(unsigned id) const {
    return qobject_cast<QPushButton*>(GetDlgItem(id));
}

void WFontMgrDlg::OnInitDialog() {
    WFontMgrApp& app = TheApp();
    setWindowIcon(QIcon(LoadPicture(IDI_MAINFRAME)));
    const std::string about = LoadString(IDS_ABOUT_MENU);
    if (!about.empty()) {
        SystemMenu()->addSeparator();
        AppendSystemMenuItem(ID_SYS_ABOUT, FromAnsi(about));
    }

    m_pSource->InitPane();
    m_pGroups->InitPane();
    m_pTemp->InitPane();
    m_pPerm->InitPane();
    Caption(IDC_SOURCE_CAPTION)->setText(FromAnsi(" " + app.m_strLastFolder));

    for (unsigned id :
         {IDC_SOURCE_CAPTION, IDC_PERM_CAPTION, IDC_GROUPS_CAPTION, IDC_TEMP_CAPTION, IDC_STATUS})
        Caption(id)->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    for (QFrame* pane : std::initializer_list<QFrame*>{m_pSource, m_pPerm, m_pGroups, m_pTemp})
        pane->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    for (const auto& cf : kCaptionFrames) {
        const QRect r = GetDlgItem(cf.frame)->geometry();
        Caption(cf.caption)->setGeometry(r.adjusted(0, kCaptionFrameTop, 0, 0));
    }
    Caption(IDC_STATUS)->setGeometry(GetDlgItem(IDC_STATUS_FRAME)->geometry());
    for (unsigned frame :
         {IDC_SOURCE_FRAME, IDC_PERM_FRAME, IDC_GROUPS_FRAME, IDC_TEMP_FRAME, IDC_STATUS_FRAME})
        GetDlgItem(frame)->setGeometry(0, 0, 0, 0);

    m_pSource->setFocus(Qt::OtherFocusReason);
    UpdateViewMenuChecks();

    if (MenuBar())
        for (QMenu* menu : MenuBar()->findChildren<QMenu*>())
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdatePopupState(menu); });

    // The window opens at the template's size; that is the size the first change is measured from.
    const DialogTemplate* t = FindDialogTemplate(IDD_FONTMGR);
    m_lastClient = QSize(DialogUnitsToPixelsX(t->cx, Dpi()), DialogUnitsToPixelsY(t->cy, Dpi()));
    m_bInitDone = true;
}

// ---------------------------------------------------------------------------------------------
// Layout and painting

MainLayout WFontMgrDlg::CurrentLayout() const {
    MainLayout l;
    l.help = RectOf(GetDlgItem(IDC_HELP_BUTTON));
    l.close = RectOf(GetDlgItem(IDC_CLOSE));
    l.browse = RectOf(GetDlgItem(IDC_BROWSE));
    l.status = RectOf(GetDlgItem(IDC_STATUS));
    l.sourceCaption = RectOf(GetDlgItem(IDC_SOURCE_CAPTION));
    l.sourcePane = RectOf(m_pSource);
    l.permCaption = RectOf(GetDlgItem(IDC_PERM_CAPTION));
    l.permPane = RectOf(m_pPerm);
    l.groupsCaption = RectOf(GetDlgItem(IDC_GROUPS_CAPTION));
    l.groupsPane = RectOf(m_pGroups);
    l.tempCaption = RectOf(GetDlgItem(IDC_TEMP_CAPTION));
    l.tempPane = RectOf(m_pTemp);
    return l;
}

void WFontMgrDlg::ApplyLayout(const MainLayout& l) {
    Place(GetDlgItem(IDC_HELP_BUTTON), l.help);
    Place(GetDlgItem(IDC_CLOSE), l.close);
    Place(GetDlgItem(IDC_BROWSE), l.browse);
    Place(GetDlgItem(IDC_STATUS), l.status);
    Place(GetDlgItem(IDC_SOURCE_CAPTION), l.sourceCaption);
    Place(m_pSource, l.sourcePane);
    Place(GetDlgItem(IDC_PERM_CAPTION), l.permCaption);
    Place(m_pPerm, l.permPane);
    Place(GetDlgItem(IDC_GROUPS_CAPTION), l.groupsCaption);
    Place(m_pGroups, l.groupsPane);
    Place(GetDlgItem(IDC_TEMP_CAPTION), l.tempCaption);
    Place(m_pTemp, l.tempPane);
}

void WFontMgrDlg::OnClientResize(QSize size) {
    if (!m_bInitDone || !GetDlgItem(IDC_CLOSE)) {
        m_lastClient = size;
        return;
    }
    if (size == m_lastClient) return; // shown, not resized
    if (!m_bGapsMeasured) {
        m_gaps = MeasureLayoutGaps(CurrentLayout());
        m_bGapsMeasured = true;
    }
    const int dx = size.width() - m_lastClient.width();
    const int dy = size.height() - m_lastClient.height();
    ApplyLayout(ResizeMainLayout(CurrentLayout(), dx, dy, m_gaps));
    m_lastClient = size;
}

void WFontMgrDlg::PaintTopLines() {
    QPainter painter(ClientArea());
    const int width = ClientArea()->width();
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, 0, width - 1, 0);
    painter.setPen(palette().color(QPalette::Midlight));
    painter.drawLine(0, 1, width - 1, 1);
}

bool WFontMgrDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ClientArea()) {
        if (event->type() == QEvent::Resize) OnClientResize(static_cast<QResizeEvent*>(event)->size());
        if (event->type() == QEvent::Paint) PaintTopLines();
    }
    return WProdDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Panes, focus and menus

WPane* WFontMgrDlg::Pane(PaneId id) {
    switch (id) {
    case PaneId::Source:
        return m_pSource;
    case PaneId::Permanent:
        return m_pPerm;
    case PaneId::Temporary:
        return m_pTemp;
    case PaneId::Groups:
        return m_pGroups;
    }
    return nullptr;
}

WPane* WFontMgrDlg::FocusedPane() const {
    const platform::WindowHandle focus = TheApp().m_hFocusPane;
    if (!focus) return nullptr;
    for (WPane* pane : std::initializer_list<WPane*>{m_pGroups, m_pTemp, m_pPerm, m_pSource})
        if (pane && pane->PaneWidget() == focus) return pane;
    return nullptr;
}

void WFontMgrDlg::ForwardToFocusPane(unsigned paneCommand) {
    if (WPane* pane = FocusedPane()) pane->OnPaneCommand(paneCommand);
}

void WFontMgrDlg::SendPaneCommand(PaneId target, unsigned command) {
    if (WPane* pane = Pane(target)) pane->OnPaneCommand(command);
}

unsigned WFontMgrDlg::CaptionOf(const WPane* pane) const {
    switch (pane->Id()) {
    case PaneId::Source:
        return IDC_SOURCE_CAPTION;
    case PaneId::Permanent:
        return IDC_PERM_CAPTION;
    case PaneId::Temporary:
        return IDC_TEMP_CAPTION;
    case PaneId::Groups:
        return IDC_GROUPS_CAPTION;
    }
    return 0;
}

void WFontMgrDlg::OnPaneFocus(WPane* pane, bool gained) {
    WFontMgrApp& app = TheApp();
    if (m_nFocusCaption)
        if (WCaption* old = Caption(m_nFocusCaption)) old->SetFocusFrame(false);
    if (gained) {
        app.m_hFocusPane = pane->PaneWidget();
        m_nFocusCaption = CaptionOf(pane);
        m_bFocusFrameShown = true;
        Caption(m_nFocusCaption)->SetFocusFrame(true);
    } else {
        app.m_hFocusPane = nullptr;
        m_nFocusCaption = 0;
        m_bFocusFrameShown = false;
    }
}

void WFontMgrDlg::GrayMenuBarItems(const std::vector<unsigned>& ids) {
    for (unsigned id : ids) EnableMenuItem(FindMenuAction(MenuBar(), id), false);
}

void WFontMgrDlg::SetStatusText(const std::string& text) {
    Caption(IDC_STATUS)->setText(FromAnsi(text));
}

void WFontMgrDlg::UpdatePopupState(QMenu* popup) {
    if (WPane* pane = FocusedPane()) pane->UpdateMenuState(popup);
}

int WFontMgrDlg::PrepareControlMenu(int, int, unsigned controlId, QMenu* menu) {
    UpdatePopupState(menu);
    if (controlId == IDC_SOURCE_PANE) {
        const bool fileNames = TheApp().m_bViewFileNames != 0;
        CheckMenuItem(FindMenuAction(menu, ID_VIEW_FILENAMES), fileNames);
        CheckMenuItem(FindMenuAction(menu, ID_VIEW_FONTNAMES), !fileNames);
    }
    return 0;
}

void WFontMgrDlg::UpdateViewMenuChecks() {
    if (!MenuBar() || MenuBar()->actions().size() < 3) return;
    QMenu* view = MenuBar()->actions().at(2)->menu();
    if (!view) return;
    const WFontMgrApp& app = TheApp();
    const ViewChecks checks = ViewMenuChecks(app.m_nViewType, app.m_bViewFileNames, app.m_bShowWarnings);
    CheckMenuItem(FindMenuAction(view, ID_VIEW_ALL), checks.all);
    CheckMenuItem(FindMenuAction(view, ID_VIEW_POSTSCRIPT), checks.postScript);
    CheckMenuItem(FindMenuAction(view, ID_VIEW_TRUETYPE), checks.trueType);
    CheckMenuItem(FindMenuAction(view, ID_VIEW_FILENAMES), checks.fileNames);
    CheckMenuItem(FindMenuAction(view, ID_VIEW_FONTNAMES), checks.fontNames);
    CheckMenuItem(FindMenuAction(view, ID_VIEW_WARNINGS), checks.warnings);
}

void WFontMgrDlg::SetViewFilter(int viewType) {
    TheApp().m_nViewType = viewType;
    UpdateViewMenuChecks();
    m_pSource->RefillPane();
    m_pGroups->RefillPane();
    m_pPerm->RefillPane();
    m_pTemp->RefillPane();
}

void WFontMgrDlg::NewGroupWithFonts(std::unique_ptr<FontList> fonts) {
    m_pGroups->setFocus(Qt::OtherFocusReason);
    m_pGroups->NewGroupWithFonts(std::move(fonts));
}

// ---------------------------------------------------------------------------------------------
// Commands

bool WFontMgrDlg::OnCommand(unsigned id) {
    WFontMgrApp& app = TheApp();
    switch (id) {
    case IDC_BROWSE:
        OnBrowse();
        return true;
    case IDC_CLOSE:
        done(IDCANCEL_BUTTON);
        return true;
    case IDC_HELP_BUTTON:
        help::ShowContents(this);
        return true;
    default:
        break;
    }
    const MenuRoute route = RouteMenuCommand(id);
    switch (route.action) {
    case MenuAction::ToFocusPane:
        ForwardToFocusPane(route.paneCommand);
        return true;
    case MenuAction::ToSourcePane:
        SendPaneCommand(PaneId::Source, route.paneCommand);
        return true;
    case MenuAction::ToGroupsPane:
        SendPaneCommand(PaneId::Groups, route.paneCommand);
        return true;
    case MenuAction::PressClose:
        if (QPushButton* close = Button(IDC_CLOSE)) close->click();
        return true;
    case MenuAction::Print:
        PrintFromMenu(this, id);
        return true;
    case MenuAction::ViewFilter:
        SetViewFilter(route.viewType);
        return true;
    case MenuAction::ShowWarnings:
        app.m_bShowWarnings = app.m_bShowWarnings ? 0 : 1;
        UpdateViewMenuChecks();
        return true;
    case MenuAction::HelpTopics:
        help::ShowFinder(this);
        return true;
    case MenuAction::UsingHelp:
        help::ShowHelpOnHelp(this);
        return true;
    case MenuAction::About:
        ShowAboutBox(this);
        return true;
    case MenuAction::None:
        break;
    }
    return WProdDialog::OnCommand(id);
}

void WFontMgrDlg::OnSysCommand(unsigned id) {
    if ((id & ~0xFu) == ID_SYS_ABOUT)
        ShowAboutBox(this);
    else
        WProdDialog::OnSysCommand(id);
}

void WFontMgrDlg::PressBrowse() {
    if (QPushButton* browse = Button(IDC_BROWSE)) browse->click();
}

void WFontMgrDlg::OnBrowse() {
    WFontMgrApp& app = TheApp();
    if (auto folder = app.Ui().BrowseForFolder(this, app.m_strLastFolder)) {
        m_pSource->EmptyPane();
        app.m_strLastFolder = *folder;
        Caption(IDC_SOURCE_CAPTION)->setText(FromAnsi(" " + app.m_strLastFolder));
        RescanSourceFolder(app.m_strLastFolder);
        m_pSource->RefillPane();
    }
    if (QPushButton* browse = Button(IDC_BROWSE)) browse->setFocus(Qt::OtherFocusReason);
}

void WFontMgrDlg::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        OnEnter();
        return;
    }
    if (mods == Qt::NoModifier && event->key() == Qt::Key_Escape) {
        OnEscape();
        return;
    }
    WProdDialog::keyPressEvent(event);
}

void WFontMgrDlg::OnEnter() {
    // A label being edited takes Enter itself; what reaches the window may open or close a group.
    if (m_pGroups->hasFocus()) m_pGroups->ToggleSelectedGroup();
}

void WFontMgrDlg::OnEscape() {
    if (m_drag.m_bDragging) CancelDrag();
}

void WFontMgrDlg::CancelDrag() {
    EndDragFeedback();
    m_drag.Reset();
    m_pGroups->ClearDropHighlight();
}

// ---------------------------------------------------------------------------------------------
// Dragging fonts between panes

void WFontMgrDlg::BeginPaneDrag(WPane* source, QPoint globalPos) {
    if (m_drag.m_bDragging || !source) return;
    m_drag.Reset();
    source->FillDragState(m_drag);
    // A group without shown fonts still drags: onto the desktop it makes an icon.
    if (m_drag.m_dragList.empty() && !m_drag.m_pDragGroup) {
        m_drag.Reset();
        return;
    }
    m_drag.m_bDragging = 1;
    // The hand of the panes' images hangs just below the pointer.
    m_pDragImage = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput);
    m_pDragImage->setObjectName(QStringLiteral("dragImage"));
    m_pDragImage->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_pDragImage->setAttribute(Qt::WA_ShowWithoutActivating);
    const QList<QIcon> images = LoadImageList(IDB_PANE_IMAGES, kPaneImageSize, QColor(0, 255, 0));
    if (images.size() > kImageHand) m_pDragImage->setPixmap(images[kImageHand].pixmap(kPaneImageSize));
    m_pDragImage->resize(kPaneImageSize, kPaneImageSize);
    m_pDragImage->move(globalPos + QPoint(0, kPaneImageSize));
    m_pDragImage->show();
    QGuiApplication::setOverrideCursor(Qt::BlankCursor);
    grabMouse();
    grabKeyboard();
}

void WFontMgrDlg::EndDragFeedback() {
    if (!m_pDragImage) return;
    delete m_pDragImage;
    m_pDragImage = nullptr;
    releaseKeyboard();
    releaseMouse();
    QGuiApplication::restoreOverrideCursor();
}

DropTarget WFontMgrDlg::DropTargetAt(QPoint globalPos) const {
    QWidget* under = QApplication::widgetAt(globalPos);
    // Outside every window of the program lies the desktop.
    if (!under) return DropTarget::Desktop;
    const auto within = [under](QWidget* pane) {
        return pane && (pane == under || pane->isAncestorOf(under));
    };
    if (within(m_pSource)) return DropTarget::Source;
    if (within(m_pPerm)) return DropTarget::Permanent;
    if (within(m_pTemp)) return DropTarget::Temporary;
    if (within(m_pGroups)) return DropTarget::Groups;
    return DropTarget::Nothing;
}

void WFontMgrDlg::DragMoveTo(QPoint globalPos) {
    if (!m_drag.m_bDragging || !m_pDragImage) return;
    m_pDragImage->hide();
    if (DropTargetAt(globalPos) == DropTarget::Groups)
        m_pGroups->DragOver(m_pGroups->viewport()->mapFromGlobal(globalPos));
    m_pDragImage->move(globalPos + QPoint(0, kPaneImageSize));
    m_pDragImage->show();
}

void WFontMgrDlg::DropAt(QPoint globalPos) {
    if (!m_drag.m_bDragging) return;
    EndDragFeedback();
    const DropTarget target = DropTargetAt(globalPos);
    DropPanes panes{*m_pPerm, *m_pTemp, &m_pGroups->Pane(), WGroupTree::NodeOf(m_pGroups->DropHighlight()),
                    this};
    DropDraggedFonts(m_drag, target, panes);
    m_drag.Reset();
    m_pGroups->ClearDropHighlight();
}

void WFontMgrDlg::mouseMoveEvent(QMouseEvent* event) {
    if (m_drag.m_bDragging) {
        DragMoveTo(event->globalPosition().toPoint());
        return;
    }
    WProdDialog::mouseMoveEvent(event);
}

void WFontMgrDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (m_drag.m_bDragging && event->button() == Qt::LeftButton) {
        DropAt(event->globalPosition().toPoint());
        return;
    }
    WProdDialog::mouseReleaseEvent(event);
}

// ---------------------------------------------------------------------------------------------
// Font changes

void WFontMgrDlg::OnFontChange() {
    TheApp().m_bFontsChanged = 1;
}

void WFontMgrDlg::OnActivateApp() {
    WFontMgrApp& app = TheApp();
    platform::DispatchPostedFontChanges();
    // Notices of other programs show as a changed sequence number.
    if (m_fontWatcher.Poll()) app.m_bFontsChanged = 1;
    if (!app.m_bFontsChanged) return;
    m_pPerm->EmptyPane();
    m_pTemp->EmptyPane();
    app.RefreshInstalledFonts();
    app.ReconcileTempFontFolder();
    m_pPerm->RefillPane();
    m_pTemp->RefillPane();
}
