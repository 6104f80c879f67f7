#include "dialogs/WSheet.h"

#include "app/ui/QtUiPort.h"
#include "dialogs/WHelp.h"
#include "resources/helpmaps.h"
#include "resources/resource.h"
#include "resources/strings.h"
#include "resources/ui/QtResources.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>

namespace {
const char* const kPageMarker = "KelvraPage";
}

// ---------------------------------------------------------------------------------------------
// Pages

WPropertyPage::WPropertyPage(unsigned templateId, const QString& tabCaption)
    : QWidget(nullptr), m_nTemplateId(templateId), m_strCaption(tabCaption) {
    const DialogTemplate* t = FindDialogTemplate(templateId);
    if (t)
        setMinimumSize(DialogUnitsToPixelsX(t->cx, logicalDpiX()),
                       DialogUnitsToPixelsY(t->cy, logicalDpiY()));
}

const DialogTemplate* WPropertyPage::Template() const {
    const ResourceModule* module = GetResourceModule();
    if (module && module->findTemplate) return module->findTemplate(m_nTemplateId);
    return FindDialogTemplate(m_nTemplateId);
}

void WPropertyPage::EnsureCreated() {
    if (m_bCreated) return;
    m_bCreated = true;
    if (const DialogTemplate* t = Template()) {
        const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
        setMinimumSize(DialogUnitsToPixelsX(t->cx, dpi), DialogUnitsToPixelsY(t->cy, dpi));
        for (const DialogItem& item : t->items) {
            QWidget* w = CreateControl(item, this);
            if (!w) continue;
            w->setProperty("controlId", item.id);
            if (w->objectName().isEmpty()) w->setObjectName(QStringLiteral("ctl%1").arg(item.id));
            const PixelRect r = DialogItemPixels(item, dpi);
            w->setGeometry(r.x, r.y, r.cx, r.cy);
            w->show();
        }
    }
    OnInitDialog();
}

QWidget* WPropertyPage::CreateControl(const DialogItem& item, QWidget* parent) {
    QWidget* w = CreateTemplateControl(item, parent);
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        const unsigned id = item.id;
        connect(button, &QPushButton::clicked, this, [this, id] { OnCommand(id); });
    }
    return w;
}

QWidget* WPropertyPage::GetDlgItem(unsigned id) const {
    for (QObject* child : children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && WDialog::ControlIdOf(w) == id) return w;
    }
    return nullptr;
}

WProdPage::WProdPage(unsigned templateId, unsigned menuResourceId, ControlMenuMap menuMap, int,
                     const QString& tabCaption)
    : WPropertyPage(templateId, tabCaption), m_help(menuResourceId, std::move(menuMap)) {}

void WProdPage::OnInitDialog() {
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

void WProdPage::ShowControlMenu(QWidget* requestWindow, QPoint globalPos, bool fromKeyboard) {
    m_help.ShowControlMenu(
        this, requestWindow, globalPos, fromKeyboard,
        [this](int x, int y, unsigned id, QMenu* menu) { return PrepareControlMenu(x, y, id, menu); },
        [this](unsigned id) { OnCommand(id); });
}

int WProdPage::PrepareControlMenu(int, int, unsigned, QMenu*) {
    return 0;
}

bool WProdPage::OnCommand(unsigned id) {
    if (id == ID_WHATS_THIS) {
        m_help.WhatsThis(TemplateId());
        return true;
    }
    return WPropertyPage::OnCommand(id);
}

bool WProdPage::eventFilter(QObject* watched, QEvent* event) {
    if (FilterHelpEvent(this, watched, event, TemplateId(),
                        [this](QWidget* w, QPoint at, bool keyboard) { ShowControlMenu(w, at, keyboard); }))
        return true;
    return WPropertyPage::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Sheets

WPropertySheet::WPropertySheet(const QString& caption, QWidget* parent) : QDialog(parent) {
    setWindowTitle(caption);
    m_pTabs = new QTabWidget(this);
    m_pTabs->setObjectName(QStringLiteral("sheetTabs"));
    connect(m_pTabs, &QTabWidget::currentChanged, this, &WPropertySheet::OnTabChanged);
}

void WPropertySheet::AddPage(WPropertyPage* page) {
    if (!page || m_pages.contains(page)) return;
    m_pages.append(page);
    QSignalBlocker block(m_pTabs);
    m_pTabs->addTab(page, page->TabCaption());
}

WPropertyPage* WPropertySheet::GetActivePage() const {
    return m_pages.value(m_pTabs->currentIndex());
}

void WPropertySheet::SetActivePage(int index) {
    m_pTabs->setCurrentIndex(index);
}

QPushButton* WPropertySheet::StandardButton(unsigned id) const {
    for (QPushButton* b : m_buttons)
        if (WDialog::ControlIdOf(b) == id) return b;
    return nullptr;
}

void WPropertySheet::Create() {
    if (m_bCreated) return;
    m_bCreated = true;
    // All four buttons are made for modeless sheets too; the mask decides which show.
    static const char* const kTexts[] = {"OK", "Cancel", "&Help", "&Apply"};
    const auto& standard = SheetButtons();
    for (size_t i = 0; i < standard.size(); ++i) {
        auto* b = new QPushButton(QString::fromLatin1(kTexts[i]), this);
        b->setProperty("controlId", standard[i].id);
        b->setObjectName(QStringLiteral("ctl%1").arg(standard[i].id));
        b->setVisible((m_nButtonMask & standard[i].bit) != 0);
        if (standard[i].id == IDOK_BUTTON) b->setDefault(true);
        const unsigned id = standard[i].id;
        connect(b, &QPushButton::clicked, this, [this, id] { OnCommand(id); });
        m_buttons.append(b);
    }
    if (!m_pages.isEmpty()) {
        m_nActive = 0;
        m_pages.first()->EnsureCreated();
        m_pages.first()->OnSetActive();
    }
    const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    const int margin = DialogUnitsToPixelsX(7, dpi);
    const QSize tabs = m_pTabs->sizeHint();
    m_pTabs->setGeometry(margin, margin, tabs.width(), tabs.height());
    const int buttonHeight = DialogUnitsToPixelsY(14, dpi);
    resize(tabs.width() + 2 * margin, tabs.height() + 3 * margin + buttonHeight);
    LayoutButtons();
    OnCreate();
}

void WPropertySheet::LayoutButtons() {
    const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    const int margin = DialogUnitsToPixelsX(7, dpi);
    const int w = DialogUnitsToPixelsX(50, dpi), h = DialogUnitsToPixelsY(14, dpi),
              gap = DialogUnitsToPixelsX(6, dpi);
    int x = width() - margin;
    for (auto it = m_buttons.rbegin(); it != m_buttons.rend(); ++it) {
        if ((*it)->isHidden()) continue;
        x -= w;
        (*it)->setGeometry(x, height() - margin - h, w, h);
        x -= gap;
    }
}

int WPropertySheet::DoModal() {
    m_bModal = true;
    Create();
    return exec();
}

void WPropertySheet::setVisible(bool visible) {
    if (visible) Create();
    QDialog::setVisible(visible);
}

void WPropertySheet::OnTabChanged(int index) {
    WPropertyPage* old = m_pages.value(m_nActive);
    if (old && index != m_nActive && !old->OnKillActive()) {
        QSignalBlocker block(m_pTabs);
        m_pTabs->setCurrentIndex(m_nActive);
        return;
    }
    m_nActive = index;
    if (WPropertyPage* page = m_pages.value(index)) {
        page->EnsureCreated();
        page->OnSetActive();
    }
}

void WPropertySheet::SendToPages(unsigned id) {
    for (WPropertyPage* page : m_pages)
        if (page->IsCreated()) page->OnCommand(id);
}

bool WPropertySheet::OnCommand(unsigned id) {
    switch (id) {
    case IDOK_BUTTON:
    case ID_APPLY_NOW:
        if (WPropertyPage* active = GetActivePage(); active && !active->OnKillActive()) return true;
        SendToPages(id);
        if (id == IDOK_BUTTON && m_bModal) done(1);
        return true;
    case IDCANCEL_BUTTON:
        if (m_bModal)
            done(2);
        else
            close();
        return true;
    case ID_HELP:
        OnHelpButton();
        return true;
    default:
        return false;
    }
}

WProdSheet::WProdSheet(const QString& caption, unsigned menuResourceId, ControlMenuMap menuMap,
                       bool systemMenuHelp, unsigned layoutTemplateId, QWidget* parent,
                       WPropertyPage* firstPage)
    : WPropertySheet(caption, parent), m_help(menuResourceId, std::move(menuMap)),
      m_bSystemMenuHelp(systemMenuHelp), m_nLayoutTemplateId(layoutTemplateId) {
    if (firstPage) AddPage(firstPage);
}

void WProdSheet::OnCreate() {
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    m_pSystemMenu = new QMenu(this);
    m_pSystemMenu->setObjectName(QStringLiteral("systemMenu"));
    m_pSystemMenu->addAction(FromAnsi(LoadString(IDS_CLOSE_ITEM)))->setData(WDialog::kScClose);
    if (m_bSystemMenuHelp)
        m_pSystemMenu->addAction(FromAnsi(LoadString(IDS_HELP_ITEM)))
            ->setData(static_cast<unsigned>(ID_SYS_HELP));
    for (auto key : {QKeySequence(Qt::ALT | Qt::Key_Space), QKeySequence(Qt::ALT | Qt::Key_Minus)}) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [this] {
            const unsigned id = MenuActionId(m_pSystemMenu->exec(mapToGlobal(QPoint(0, 0))));
            if (id == WDialog::kScClose) close();
            if (id == ID_SYS_HELP) OnCommand(ID_SYS_HELP);
        });
    }
    if (m_nLayoutTemplateId) LayoutFromTemplate();
    installEventFilter(this);
    for (QObject* child : children())
        if (auto* w = qobject_cast<QWidget*>(child); w && WDialog::ControlIdOf(w))
            w->installEventFilter(this);
}

void WProdSheet::LayoutFromTemplate() {
    const ResourceModule* module = GetResourceModule();
    const DialogTemplate* t = module && module->findTemplate ? module->findTemplate(m_nLayoutTemplateId)
                                                             : FindDialogTemplate(m_nLayoutTemplateId);
    if (!t) return;
    setUpdatesEnabled(false);
    m_nHelpTemplateId = m_nLayoutTemplateId;
    const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    setWindowTitle(FromAnsi(t->caption));
    resize(DialogUnitsToPixelsX(t->cx, dpi), DialogUnitsToPixelsY(t->cy, dpi));
    for (const DialogItem& item : t->items) {
        const PixelRect r = DialogItemPixels(item, dpi);
        if (item.text == kPageMarker) {
            TabControl()->setGeometry(r.x, r.y, r.cx, r.cy);
            continue;
        }
        QWidget* w = CreateTemplateControl(item, this);
        if (!w) break; // the layout stops with the children made so far
        w->setProperty("controlId", item.id);
        w->setObjectName(QStringLiteral("ctl%1").arg(item.id));
        w->setFont(FamilyDialogFont());
        w->setGeometry(r.x, r.y, r.cx, r.cy);
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            const unsigned id = item.id;
            connect(button, &QPushButton::clicked, this, [this, id] { OnCommand(id); });
        }
        w->show();
    }
    LayoutButtons();
    setUpdatesEnabled(true);
}

void WProdSheet::ShowControlMenu(QWidget* requestWindow, QPoint globalPos, bool fromKeyboard) {
    m_help.ShowControlMenu(
        this, requestWindow, globalPos, fromKeyboard,
        [this](int x, int y, unsigned id, QMenu* menu) { return PrepareControlMenu(x, y, id, menu); },
        [this](unsigned id) { OnCommand(id); });
}

int WProdSheet::PrepareControlMenu(int, int, unsigned, QMenu*) {
    return 0;
}

bool WProdSheet::OnCommand(unsigned id) {
    switch (id) {
    case ID_WHATS_THIS:
        m_help.WhatsThis(m_nHelpTemplateId);
        return true;
    case ID_SYS_HELP:
        WContextHelp::HelpOwnContext(this, m_nHelpTemplateId);
        return true;
    default:
        return WPropertySheet::OnCommand(id);
    }
}

void WProdSheet::OnHelpButton() {
    WPropertyPage* page = GetActivePage();
    if (!page) return;
    auto map = LoadHelpMap(page->TemplateId());
    if (!map) return;
    QWidget* button = StandardButton(ID_HELP);
    help::ShowContext(button ? button : this, map->ownContext);
}

bool WProdSheet::eventFilter(QObject* watched, QEvent* event) {
    if (FilterHelpEvent(this, watched, event, m_nHelpTemplateId,
                        [this](QWidget* w, QPoint at, bool keyboard) { ShowControlMenu(w, at, keyboard); }))
        return true;
    return WPropertySheet::eventFilter(watched, event);
}
