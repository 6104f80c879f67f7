#include "dialogs/WDialog.h"

#include "app/ui/QtUiPort.h"
#include "resources/resource.h"
#include "resources/strings.h"
#include "resources/ui/QtResources.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QToolTip>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <exception>

void WToolTip::AddTool(QWidget* tool, const QString& text) {
    m_tools.insert(tool, text);
}

void WToolTip::RelayEvent(QWidget* target, QMouseEvent* event) {
    ++m_relayed;
    if (event->type() != QEvent::MouseMove) {
        QToolTip::hideText();
        return;
    }
    for (QWidget* w = target; w; w = w->parentWidget()) {
        auto it = m_tools.constFind(w);
        if (it != m_tools.constEnd()) {
            QToolTip::showText(event->globalPosition().toPoint(), *it, w);
            return;
        }
    }
}

WDialog::WDialog(unsigned templateId, QWidget* parent) : QDialog(parent), m_nTemplateId(templateId) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_pClient = new QWidget(this);
    m_pClient->setObjectName(QStringLiteral("client"));
    layout->addWidget(m_pClient);
    for (auto key : {QKeySequence(Qt::ALT | Qt::Key_Space), QKeySequence(Qt::ALT | Qt::Key_Minus)}) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, &WDialog::ShowSystemMenu);
    }
}

WDialog::~WDialog() = default;

const DialogTemplate* WDialog::Template() const {
    const ResourceModule* module = GetResourceModule();
    if (module && module->findTemplate) return module->findTemplate(m_nTemplateId);
    return FindDialogTemplate(m_nTemplateId);
}

int WDialog::Dpi() const {
    const int dpi = logicalDpiX();
    return dpi > 0 ? dpi : 96;
}

void WDialog::Create() {
    if (m_bCreated) return;
    m_bCreated = true;
    OnCreate();
    m_pToolTip = new WToolTip(this);
    const DialogTemplate* t = Template();
    const int dpi = Dpi();
    if (t) {
        setWindowTitle(FromAnsi(t->caption));
        if (t->menu) {
            m_pMenuBar = new QMenuBar(this);
            BuildMenuBar(m_pMenuBar, t->menu);
            static_cast<QVBoxLayout*>(layout())->setMenuBar(m_pMenuBar);
            connect(m_pMenuBar, &QMenuBar::triggered, this, [this](QAction* a) {
                if (unsigned id = MenuActionId(a)) OnCommand(id);
            });
        }
        Qt::WindowFlags flags = windowFlags() | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (t->style & kDialogMinimizeBox) flags |= Qt::WindowMinimizeButtonHint;
        if (t->style & kDialogMaximizeBox) flags |= Qt::WindowMaximizeButtonHint;
        setWindowFlags(flags);
        setSizeGripEnabled(false);
        for (const DialogItem& item : t->items) {
            QWidget* w = CreateControl(item, m_pClient);
            if (!w) continue;
            w->setProperty("controlId", item.id);
            if (w->objectName().isEmpty()) w->setObjectName(QStringLiteral("ctl%1").arg(item.id));
            const PixelRect r = DialogItemPixels(item, dpi);
            w->setGeometry(r.x, r.y, r.cx, r.cy);
            WatchWidget(w);
        }
        const int menuHeight = m_pMenuBar ? m_pMenuBar->sizeHint().height() : 0;
        resize(DialogUnitsToPixelsX(t->cx, dpi), DialogUnitsToPixelsY(t->cy, dpi) + menuHeight);
        if (!(t->style & kDialogSizingBorder)) setFixedSize(size());
    }
    m_pClient->installEventFilter(this);
    try {
        OnInitDialog();
    } catch (const std::exception&) {
        m_bInitFailed = true;
    }
}

int WDialog::DoModal() {
    Create();
    if (m_bInitFailed) return 3;
    return exec();
}

void WDialog::setVisible(bool visible) {
    if (visible) Create();
    QDialog::setVisible(visible);
}

QWidget* WDialog::GetDlgItem(unsigned id) const {
    for (QObject* child : m_pClient->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && ControlIdOf(w) == id) return w;
    }
    return nullptr;
}

unsigned WDialog::ControlIdOf(const QWidget* widget) {
    return widget ? widget->property("controlId").toUInt() : 0;
}

QWidget* WDialog::ControlOf(QWidget* widget) const {
    return ControlOfFace(m_pClient, widget);
}

void WDialog::WatchWidget(QWidget* widget) {
    widget->installEventFilter(this);
    for (QWidget* child : widget->findChildren<QWidget*>()) child->installEventFilter(this);
}

QWidget* CreateTemplateControl(const DialogItem& item, QWidget* parent) {
    const QString text = FromAnsi(item.text);
    QWidget* w = nullptr;
    switch (item.kind) {
    case ControlKind::GroupBox:
        w = new QGroupBox(text, parent);
        // As the template means it: the frame's top edge runs through the middle of the title,
        // so the controls placed inside it clear the frame.
        w->setStyleSheet(QStringLiteral(
            "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }"
            "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 6px;"
            " padding: 0 2px; background-color: palette(window); }"));
        break;
    case ControlKind::Static: {
        auto* label = new QLabel(text, parent);
        label->setTextFormat(Qt::PlainText);
        w = label;
        break;
    }
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* button = new QPushButton(text, parent);
        if (item.kind == ControlKind::DefPushButton) button->setDefault(true);
        w = button;
        break;
    }
    case ControlKind::RadioButton:
        w = new QRadioButton(text, parent);
        break;
    case ControlKind::ListView: {
        if (item.style & kListReportMode) {
            auto* tree = new QTreeWidget(parent);
            tree->setHeaderHidden((item.style & kListNoColumnHeader) != 0);
            tree->setRootIsDecorated(false);
            w = tree;
        } else {
            auto* list = new QListWidget(parent);
            list->setViewMode((item.style & kListIconMode) ? QListView::IconMode : QListView::ListMode);
            w = list;
        }
        auto* view = static_cast<QAbstractItemView*>(w);
        view->setSelectionMode((item.style & kListSingleSelection) ? QAbstractItemView::SingleSelection
                                                                   : QAbstractItemView::ExtendedSelection);
        break;
    }
    case ControlKind::TreeView: {
        auto* tree = new QTreeWidget(parent);
        tree->setHeaderHidden(true);
        tree->setRootIsDecorated((item.style & kTreeLinesAtRoot) != 0);
        if (item.style & kTreeEditLabels) tree->setEditTriggers(QAbstractItemView::EditKeyPressed);
        w = tree;
        break;
    }
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        w = combo;
        break;
    }
    case ControlKind::ListBox: {
        auto* list = new QListWidget(parent);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        w = list;
        break;
    }
    case ControlKind::BlackFrame: {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        frame->setPalette(palette);
        if (item.style & kStaticHidden) frame->setVisible(false);
        w = frame;
        break;
    }
    case ControlKind::Custom:
        // A placeholder that the dialog's own code takes over when it is initialised.
        w = new QWidget(parent);
        w->setProperty("windowClass", text);
        break;
    }
    if (!w) return nullptr;
    if (auto* label = qobject_cast<QLabel*>(w); label && (item.style & kStaticCenter))
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    if (auto* frame = qobject_cast<QFrame*>(w);
        frame && (item.kind == ControlKind::ListView || item.kind == ControlKind::TreeView))
        frame->setFrameStyle((item.style & kStyleBorder) ? QFrame::StyledPanel | QFrame::Sunken
                                                         : QFrame::NoFrame);
    if (item.kind == ControlKind::Static || item.kind == ControlKind::GroupBox)
        w->setFocusPolicy(Qt::NoFocus);
    else
        w->setFocusPolicy((item.style & kStyleTabStop) ? Qt::StrongFocus : Qt::ClickFocus);
    return w;
}

QWidget* WDialog::CreateControl(const DialogItem& item, QWidget* parent) {
    QWidget* w = CreateTemplateControl(item, parent);
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        const unsigned id = item.id;
        connect(button, &QPushButton::clicked, this, [this, id] { OnCommand(id); });
    }
    return w;
}

bool WDialog::OnCommand(unsigned id) {
    if (id == IDOK_BUTTON) {
        done(IDOK_BUTTON);
        return true;
    }
    if (id == IDCANCEL_BUTTON) {
        done(IDCANCEL_BUTTON);
        return true;
    }
    return false;
}

QMenu* WDialog::SystemMenu() {
    if (!m_pSystemMenu) {
        m_pSystemMenu = new QMenu(this);
        m_pSystemMenu->setObjectName(QStringLiteral("systemMenu"));
        QAction* close = m_pSystemMenu->addAction(FromAnsi(LoadString(IDS_CLOSE_ITEM)));
        close->setData(kScClose);
    }
    return m_pSystemMenu;
}

void WDialog::AppendSystemMenuItem(unsigned id, const QString& text) {
    QAction* action = SystemMenu()->addAction(text);
    action->setData(id);
}

void WDialog::ShowSystemMenu() {
    QAction* picked = SystemMenu()->exec(mapToGlobal(QPoint(0, 0)));
    if (unsigned id = MenuActionId(picked)) OnSysCommand(id);
}

void WDialog::OnSysCommand(unsigned id) {
    if (id == kScClose) close();
}

bool WDialog::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        if (auto* w = qobject_cast<QWidget*>(watched); w && w != m_pClient && m_pToolTip)
            m_pToolTip->RelayEvent(w, static_cast<QMouseEvent*>(event));
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

WProdDialog::WProdDialog(unsigned templateId, unsigned menuResourceId, ControlMenuMap menuMap,
                         bool systemMenuHelp, QWidget* parent)
    : WDialog(templateId, parent), m_help(menuResourceId, std::move(menuMap)),
      m_bSystemMenuHelp(systemMenuHelp) {}

void WProdDialog::OnCreate() {
    setFont(FamilyDialogFont());
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    if (m_bSystemMenuHelp) AppendSystemMenuItem(ID_SYS_HELP, FromAnsi(LoadString(IDS_HELP_ITEM)));
}

void WProdDialog::ShowControlMenu(QWidget* requestWindow, QPoint globalPos, bool fromKeyboard) {
    m_help.ShowControlMenu(
        ClientArea(), requestWindow, globalPos, fromKeyboard,
        [this](int x, int y, unsigned id, QMenu* menu) { return PrepareControlMenu(x, y, id, menu); },
        [this](unsigned id) { OnCommand(id); });
}

int WProdDialog::PrepareControlMenu(int, int, unsigned, QMenu*) {
    return 0;
}

bool WProdDialog::OnCommand(unsigned id) {
    switch (id) {
    case ID_WHATS_THIS:
        m_help.WhatsThis(TemplateId());
        return true;
    case ID_SYS_HELP:
        WContextHelp::HelpOwnContext(this, TemplateId());
        return true;
    case IDHELP_BUTTON9: {
        QWidget* button = GetDlgItem(IDHELP_BUTTON9);
        WContextHelp::HelpOwnContext(button ? button : this, TemplateId());
        return true;
    }
    default:
        return WDialog::OnCommand(id);
    }
}

void WProdDialog::OnSysCommand(unsigned id) {
    if (id == ID_SYS_HELP)
        OnCommand(ID_SYS_HELP);
    else
        WDialog::OnSysCommand(id);
}

bool WProdDialog::eventFilter(QObject* watched, QEvent* event) {
    if (FilterHelpEvent(ClientArea(), watched, event, TemplateId(),
                        [this](QWidget* w, QPoint at, bool keyboard) { ShowControlMenu(w, at, keyboard); }))
        return true;
    return WDialog::eventFilter(watched, event);
}
