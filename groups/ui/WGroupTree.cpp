#include "groups/ui/WGroupTree.h"

#include "app/WFontMgrApp.h"
#include "app/mainwindow.h"
#include "app/ui/LaterSteps.h"
#include "app/ui/QtUiPort.h"
#include "install/listpanes.h"
#include "resources/pictures.h"
#include "resources/resource.h"
#include "resources/strings.h"
#include "resources/ui/QtResources.h"

#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>

namespace {

enum NodeData { kGroupRole = Qt::UserRole + 1, kFontRole };

// Nodes keep the tree's alphabetical order of their labels.
class GroupTreeItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        return QString::localeAwareCompare(text(0).toLower(), other.text(0).toLower()) < 0;
    }
};

bool IsMenuFocusReason(Qt::FocusReason reason) {
    return reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason;
}

const std::vector<unsigned>& GrayedOnFocusLoss() {
    static const std::vector<unsigned> ids = {ID_FILE_PROPERTIES, ID_FILE_GROUP_ICON,   ID_FILE_RENAME_GROUP,
                                              ID_FILE_INSTALL,    ID_FILE_INSTALL_TEMP, ID_EDIT_CUT,
                                              ID_EDIT_COPY,       ID_EDIT_PASTE,        ID_EDIT_DELETE};
    return ids;
}

} // namespace

WGroupTree::WGroupTree(WPaneHost* host, QWidget* parent) : QTreeWidget(parent), m_pHost(host) {
    setObjectName(QStringLiteral("groupsPane"));
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setFocusPolicy(Qt::StrongFocus);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_images = LoadImageList(IDB_PANE_IMAGES, kPaneImageSize, QColor(0, 255, 0));
    if (m_images.isEmpty() && HasApp())
        TheApp().Ui().MessageBox(nullptr, LoadString(IDS_IMAGE_LIST_FAILED), LoadString(IDS_CAPTION_ERROR),
                                 platform::kMbOk | platform::kMbIconError);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { UpdateStatusLine(current); });
}

void WGroupTree::InitPane() {
    if (m_images.size() > kImageOpenFolder) {
        m_groupIcon = m_images[kImageClosedFolder];
        m_groupIcon.addPixmap(m_images[kImageOpenFolder].pixmap(kPaneImageSize), QIcon::Selected);
    }
    setIconSize(QSize(kPaneImageSize, kPaneImageSize));
    RefillGroupTree();
}

FontGroup* WGroupTree::GroupOf(const QTreeWidgetItem* item) {
    return item ? static_cast<FontGroup*>(item->data(0, kGroupRole).value<void*>()) : nullptr;
}

FontItem* WGroupTree::FontOf(const QTreeWidgetItem* item) {
    return item ? static_cast<FontItem*>(item->data(0, kFontRole).value<void*>()) : nullptr;
}

void WGroupTree::RefillGroupTree() {
    clear();
    for (FontGroup* group : *TheApp().m_groupList) InsertGroupNode(group);
}

QTreeWidgetItem* WGroupTree::InsertGroupNode(FontGroup* group) {
    auto* node = new GroupTreeItem(QStringList(FromAnsi(group->m_strName)));
    node->setData(0, kGroupRole, QVariant::fromValue(static_cast<void*>(group)));
    node->setIcon(0, m_groupIcon);
    addTopLevelItem(node);
    const int viewType = TheApp().m_nViewType;
    for (FontItem* font : *group->m_pFonts)
        if (PassesViewFilter(*font, viewType)) InsertFontNode(font, node);
    sortItems(0, Qt::AscendingOrder);
    return node;
}

QTreeWidgetItem* WGroupTree::InsertFontNode(FontItem* font, QTreeWidgetItem* groupNode) {
    auto* node = new GroupTreeItem(QStringList(FromAnsi(PaneRowText(*font, false))));
    node->setData(0, kFontRole, QVariant::fromValue(static_cast<void*>(font)));
    const int image = font->m_nType == FT_TRUETYPE ? kImageTrueType
                      : font->m_nType == FT_TYPE1  ? kImageType1
                                                   : kImageClosedFolder;
    if (image < m_images.size()) node->setIcon(0, m_images[image]);
    groupNode->addChild(node);
    groupNode->sortChildren(0, Qt::AscendingOrder);
    return node;
}

void WGroupTree::NewGroupWithFonts(std::unique_ptr<FontList> fonts) {
    // The group commands (new group, rename, copy, paste, delete, install, icons) are the tree's
    // own work, added with the group editing; until then the fonts are not kept.
    (void)fonts;
}

void WGroupTree::OnPaneCommand(unsigned id) {
    if (id == PANE_PROPERTIES) Properties();
}

void WGroupTree::Properties() {
    FontItem* font = FontOf(currentItem());
    if (!font) return;
    font->m_bInstalled = 0;
    ShowFontProperties(window(), font, LoadString(IDS_FONT_PROPERTIES));
}

void WGroupTree::UpdateMenuState(QMenu* popup) {
    const QTreeWidgetItem* selected = currentItem();
    const bool fontSelected = selected && selected->parent();
    const bool clipboardEmpty = TheApp().m_clipboard->IsEmpty();
    for (QAction* action : popup->actions()) {
        switch (MenuActionId(action)) {
        case 0:
            break;
        case ID_FILE_PROPERTIES:
            action->setEnabled(fontSelected);
            break;
        case ID_FILE_GROUP_ICON:
        case ID_FILE_RENAME_GROUP:
            action->setEnabled(!fontSelected);
            break;
        case ID_EDIT_PASTE:
            action->setEnabled(!clipboardEmpty);
            break;
        default:
            action->setEnabled(true);
            break;
        }
    }
}

void WGroupTree::ToggleSelectedGroup() {
    QTreeWidgetItem* item = currentItem();
    if (item && !item->parent()) item->setExpanded(!item->isExpanded());
}

void WGroupTree::UpdateStatusLine(const QTreeWidgetItem* item) {
    if (!m_pHost) return;
    if (const FontItem* font = FontOf(item); font && item->parent())
        m_pHost->SetStatusText(StatusLineText(*font));
    else
        m_pHost->SetStatusText(item ? " " : "");
}

void WGroupTree::focusInEvent(QFocusEvent* event) {
    QTreeWidget::focusInEvent(event);
    if (!m_pHost || IsMenuFocusReason(event->reason())) return;
    m_pHost->OnPaneFocus(this, true);
    const QTreeWidgetItem* item = currentItem();
    const FontItem* font = FontOf(item);
    m_pHost->SetStatusText(font && item->parent() ? StatusLineText(*font) : "");
}

void WGroupTree::focusOutEvent(QFocusEvent* event) {
    QTreeWidget::focusOutEvent(event);
    if (!m_pHost || IsMenuFocusReason(event->reason())) return;
    m_pHost->OnPaneFocus(this, false);
    m_pHost->GrayMenuBarItems(GrayedOnFocusLoss());
}

void WGroupTree::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (item && item->parent() && FontOf(item)) {
        setCurrentItem(item);
        Properties();
        return;
    }
    QTreeWidget::mouseDoubleClickEvent(event);
}

void WGroupTree::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    unsigned command = 0;
    if (mods == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Left:
            horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Qt::Key_Right:
            horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        case Qt::Key_Insert:
            command = PANE_PASTE;
            break;
        case Qt::Key_Delete:
            command = PANE_DELETE;
            break;
        default:
            break;
        }
    } else if (mods == Qt::ControlModifier) {
        if (event->key() == Qt::Key_C) command = PANE_COPY;
        if (event->key() == Qt::Key_V) command = PANE_PASTE;
        if (event->key() == Qt::Key_X) command = PANE_CUT;
    }
    if (command) {
        OnPaneCommand(command);
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}
