#include "groups/ui/WGroupTree.h"

#include "app/WFontMgrApp.h"
#include "app/ui/LaterSteps.h"
#include "app/ui/QtUiPort.h"
#include "groups/GroupFile.h"
#include "groups/GroupIcon.h"
#include "platform/collate.h"
#include "platform/paths.h"
#include "resources/pictures.h"
#include "resources/resource.h"
#include "resources/strings.h"
#include "resources/ui/QtResources.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QUrl>
#include <algorithm>

namespace {

enum NodeData { kGroupRole = Qt::UserRole + 1, kFontRole, kImageRole, kLabelRole };

// Pixels from the top or bottom edge of the tree within which a drag scrolls it.
constexpr int kScrollMargin = 10;

bool IsMenuFocusReason(Qt::FocusReason reason) {
    return reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason;
}

std::string AnsiLabel(const QTreeWidgetItem* item) {
    return item->data(0, kLabelRole).toByteArray().toStdString();
}

bool LabelBefore(const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
    return platform::CompareStringAnsiNoCase(AnsiLabel(a), AnsiLabel(b)) < 0;
}

// The label editor: its text goes to the pane, which decides whether the node takes it, so the
// editor never writes the label itself. The drop-highlighted node is drawn as selected.
class LabelDelegate : public QStyledItemDelegate {
public:
    explicit LabelDelegate(WGroupTree* tree) : QStyledItemDelegate(tree), m_tree(tree) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setObjectName(QStringLiteral("labelEditor"));
            line->setMaxLength(static_cast<int>(kMaxGroupName));
        }
        return editor;
    }
    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override {
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (!line) return;
        // The pane's answer may rename, re-sort or reopen the editor: it comes once this one is gone.
        QPersistentModelIndex at(index);
        const QString text = line->text();
        WGroupTree* tree = m_tree;
        QMetaObject::invokeMethod(
            tree,
            [tree, at, text] {
                if (at.isValid()) tree->OnLabelCommitted(tree->itemFromIndex(at), text);
            },
            Qt::QueuedConnection);
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt(option);
        if (m_tree->DropHighlight() && m_tree->itemFromIndex(index) == m_tree->DropHighlight())
            opt.state |= QStyle::State_Selected;
        QStyledItemDelegate::paint(painter, opt, index);
    }

private:
    WGroupTree* m_tree;
};

} // namespace

WGroupTree::WGroupTree(WPaneHost* host, QWidget* parent) : QTreeWidget(parent), m_pHost(host), m_pane(*this) {
    setObjectName(QStringLiteral("groupsPane"));
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setFocusPolicy(Qt::StrongFocus);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    setDragEnabled(false);
    setItemDelegate(new LabelDelegate(this));
    m_images = LoadImageList(IDB_PANE_IMAGES, kPaneImageSize, QColor(0, 255, 0));
    if (m_images.isEmpty() && HasApp())
        TheApp().Ui().MessageBox(nullptr, LoadString(IDS_IMAGE_LIST_FAILED), LoadString(IDS_CAPTION_ERROR),
                                 platform::kMbOk | platform::kMbIconError);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { UpdateStatusLine(current); });
}

WGroupTree::~WGroupTree() = default;

void WGroupTree::InitPane() {
    if (m_images.size() > kImageOpenFolder) {
        m_groupIcon = m_images[kImageClosedFolder];
        m_groupIcon.addPixmap(m_images[kImageOpenFolder].pixmap(kPaneImageSize), QIcon::Selected);
    }
    setIconSize(QSize(kPaneImageSize, kPaneImageSize));
    RefillGroupTree();
}

void WGroupTree::EmptyPane() {
    RemoveAllNodes();
}

FontGroup* WGroupTree::GroupOf(const QTreeWidgetItem* item) {
    return item ? static_cast<FontGroup*>(item->data(0, kGroupRole).value<void*>()) : nullptr;
}

FontItem* WGroupTree::FontOf(const QTreeWidgetItem* item) {
    return item ? static_cast<FontItem*>(item->data(0, kFontRole).value<void*>()) : nullptr;
}

// ---------------------------------------------------------------------------------------------
// GroupTreePort

std::vector<GroupTreeNode*> WGroupTree::ChildrenOf(GroupTreeNode* node) {
    std::vector<GroupTreeNode*> out;
    if (!node) {
        for (int i = 0; i < topLevelItemCount(); ++i) out.push_back(NodeOf(topLevelItem(i)));
        return out;
    }
    QTreeWidgetItem* item = ItemOf(node);
    for (int i = 0; i < item->childCount(); ++i) out.push_back(NodeOf(item->child(i)));
    return out;
}

int WGroupTree::ImageOf(GroupTreeNode* node) {
    return ItemOf(node)->data(0, kImageRole).toInt();
}

std::string WGroupTree::LabelOf(GroupTreeNode* node) {
    return AnsiLabel(ItemOf(node));
}

GroupTreeNode* WGroupTree::InsertNode(GroupTreeNode* parent, const GroupTreeNodeSpec& desc) {
    auto* item = new QTreeWidgetItem(QStringList(FromAnsi(desc.label)));
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable);
    item->setData(0, kLabelRole, QByteArray::fromStdString(desc.label));
    item->setData(0, kImageRole, desc.image);
    item->setData(0, kGroupRole, QVariant::fromValue(static_cast<void*>(desc.group)));
    item->setData(0, kFontRole, QVariant::fromValue(static_cast<void*>(desc.font)));
    if (desc.image == kGroupImageClosed && !m_groupIcon.isNull())
        item->setIcon(0, m_groupIcon);
    else if (desc.image < m_images.size())
        item->setIcon(0, m_images[desc.image]);
    // The place after every label that sorts before or with this one.
    QTreeWidgetItem* parentItem = parent ? ItemOf(parent) : invisibleRootItem();
    int at = 0;
    while (at < parentItem->childCount() && !LabelBefore(item, parentItem->child(at))) ++at;
    parentItem->insertChild(at, item);
    return NodeOf(item);
}

void WGroupTree::RemoveNode(GroupTreeNode* node) {
    QTreeWidgetItem* item = ItemOf(node);
    if (m_pDropHighlight && (m_pDropHighlight == item || m_pDropHighlight->parent() == item))
        m_pDropHighlight = nullptr;
    delete item;
}

void WGroupTree::RemoveAllNodes() {
    m_pDropHighlight = nullptr;
    clear();
}

void WGroupTree::SetLabel(GroupTreeNode* node, const std::string& label) {
    QTreeWidgetItem* item = ItemOf(node);
    item->setData(0, kLabelRole, QByteArray::fromStdString(label));
    item->setText(0, FromAnsi(label));
}

void WGroupTree::SortTopLevel() {
    QTreeWidgetItem* current = currentItem();
    std::vector<std::pair<QTreeWidgetItem*, bool>> items;
    for (int i = 0; i < topLevelItemCount(); ++i)
        items.emplace_back(topLevelItem(i), topLevelItem(i)->isExpanded());
    std::stable_sort(items.begin(), items.end(),
                     [](const auto& a, const auto& b) { return LabelBefore(a.first, b.first); });
    bool sorted = true;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].first != topLevelItem(static_cast<int>(i))) sorted = false;
    if (sorted) return;
    while (topLevelItemCount()) takeTopLevelItem(0);
    for (const auto& [item, expanded] : items) {
        addTopLevelItem(item);
        item->setExpanded(expanded);
    }
    if (current) setCurrentItem(current);
}

void WGroupTree::SelectNode(GroupTreeNode* node) {
    QTreeWidgetItem* item = ItemOf(node);
    setCurrentItem(item);
    scrollToItem(item);
}

void WGroupTree::ToggleExpanded(GroupTreeNode* node) {
    QTreeWidgetItem* item = ItemOf(node);
    item->setExpanded(!item->isExpanded());
}

void WGroupTree::EditLabel(GroupTreeNode* node) {
    QTreeWidgetItem* item = ItemOf(node);
    scrollToItem(item);
    editItem(item, 0);
}

void WGroupTree::SetStatusText(const std::string& text) {
    if (m_pHost) m_pHost->SetStatusText(text);
}

void WGroupTree::PasteIntoInstalledPane(bool permanent) {
    if (m_pHost) m_pHost->SendPaneCommand(permanent ? PaneId::Permanent : PaneId::Temporary, PANE_PASTE);
}

void WGroupTree::ShowProperties(FontItem* font) {
    ShowFontProperties(window(), font, LoadString(IDS_FONT_PROPERTIES));
}

void WGroupTree::OnLabelCommitted(QTreeWidgetItem* item, const QString& text) {
    if (!item) return;
    m_pane.LabelEditEnded(NodeOf(item), ToAnsi(text));
}

// ---------------------------------------------------------------------------------------------
// Commands, menus, focus and the status line

void WGroupTree::OnPaneCommand(unsigned id) {
    m_pane.OnPaneCommand(id);
}

void WGroupTree::UpdateMenuState(QMenu* popup) {
    for (QAction* action : popup->actions())
        if (const unsigned id = MenuActionId(action)) action->setEnabled(m_pane.ItemEnabled(id));
}

void WGroupTree::ToggleSelectedGroup() {
    QTreeWidgetItem* item = currentItem();
    if (item && !item->parent()) item->setExpanded(!item->isExpanded());
}

void WGroupTree::UpdateStatusLine(QTreeWidgetItem* item) {
    SetStatusText(m_pane.StatusText(NodeOf(item)));
}

void WGroupTree::focusInEvent(QFocusEvent* event) {
    QTreeWidget::focusInEvent(event);
    if (!m_pHost || IsMenuFocusReason(event->reason())) return;
    m_pHost->OnPaneFocus(this, true);
    QTreeWidgetItem* item = currentItem();
    // Only a font node has something to say here; a group node leaves the line empty.
    SetStatusText(item && item->parent() ? m_pane.StatusText(NodeOf(item)) : "");
}

void WGroupTree::focusOutEvent(QFocusEvent* event) {
    QTreeWidget::focusOutEvent(event);
    if (!m_pHost || IsMenuFocusReason(event->reason())) return;
    m_pHost->OnPaneFocus(this, false);
    m_pHost->GrayMenuBarItems(GroupPaneItemsGrayedOnFocusLoss());
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

// ---------------------------------------------------------------------------------------------
// Mouse and drags

void WGroupTree::mousePressEvent(QMouseEvent* event) {
    m_pressIndex = QPersistentModelIndex();
    if (event->button() == Qt::LeftButton) {
        m_pressPos = event->position().toPoint();
        m_pressIndex = indexAt(m_pressPos);
        m_bPressCtrl = (event->modifiers() & Qt::ControlModifier) != 0;
        // Ctrl prepares the shell drag of the selected group; it does not change the selection.
        if (m_bPressCtrl && m_pressIndex.isValid()) {
            setFocus(Qt::MouseFocusReason);
            return;
        }
    }
    QTreeWidget::mousePressEvent(event);
}

void WGroupTree::mouseMoveEvent(QMouseEvent* event) {
    if ((event->buttons() & Qt::LeftButton) && m_pressIndex.isValid()) {
        if ((event->position().toPoint() - m_pressPos).manhattanLength() >=
            QApplication::startDragDistance()) {
            const bool shell = m_bPressCtrl;
            if (shell) {
                m_pressIndex = QPersistentModelIndex();
                StartGroupShellDrag();
            } else if (m_pHost) {
                m_pHost->BeginPaneDrag(this, event->globalPosition().toPoint());
                m_pressIndex = QPersistentModelIndex();
            }
        }
        // A press on a node never drags a selection across the tree.
        return;
    }
    QTreeWidget::mouseMoveEvent(event);
}

void WGroupTree::mouseReleaseEvent(QMouseEvent* event) {
    const bool ctrlPress = m_bPressCtrl && m_pressIndex.isValid();
    m_pressIndex = QPersistentModelIndex();
    m_bPressCtrl = false;
    if (ctrlPress) return;
    QTreeWidget::mouseReleaseEvent(event);
}

void WGroupTree::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (item && m_pane.IsFontNode(NodeOf(item))) {
        setCurrentItem(item);
        m_pane.Properties();
        return;
    }
    QTreeWidget::mouseDoubleClickEvent(event);
}

void WGroupTree::FillDragState(DragState& drag) {
    QTreeWidgetItem* dragged = itemFromIndex(m_pressIndex);
    m_pane.BeginDrag(NodeOf(dragged), this, drag);
}

void WGroupTree::DragOver(QPoint pos) {
    const int height = viewport()->height();
    if (pos.y() >= height - kScrollMargin)
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    else if (pos.y() <= kScrollMargin)
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QTreeWidgetItem* item = itemAt(pos);
    // Only groups take a drop; the highlight stays where it was over anything else.
    if (item && !item->parent() && item != m_pDropHighlight) {
        m_pDropHighlight = item;
        viewport()->update();
    }
}

void WGroupTree::ClearDropHighlight() {
    if (!m_pDropHighlight) return;
    m_pDropHighlight = nullptr;
    viewport()->update();
}

void WGroupTree::StartGroupShellDrag() {
    FontGroup* group = m_pane.ShellDragGroup();
    if (!group) return;
    const std::string file = GroupShellDragFile(*group);
    if (file.empty()) return;
    const std::optional<std::string> host = platform::HostPath(file);
    if (!host) return;
    const QList<QUrl> urls{QUrl::fromLocalFile(QString::fromStdString(*host))};
    auto* clipboardData = new QMimeData;
    clipboardData->setUrls(urls);
    QApplication::clipboard()->setMimeData(clipboardData);
    auto* data = new QMimeData;
    data->setUrls(urls);
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}
