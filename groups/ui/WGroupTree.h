#pragma once
// The Groups pane: each group of m_groupList as a top-level node with its fonts below it, sorted by
// label. The pane's commands, label edits and drags are GroupPane's work; the tree is its window:
// nodes, images, the label editor, keys, focus, the status line, the drop highlight and the drags
// that start on it.
#include "app/ui/WPane.h"
#include "groups/GroupPane.h"

#include <QIcon>
#include <QList>
#include <QPersistentModelIndex>
#include <QPoint>
#include <QTreeWidget>

class FontGroup;

class WGroupTree : public QTreeWidget, public WPane, public GroupTreePort {
    Q_OBJECT
public:
    WGroupTree(WPaneHost* host, QWidget* parent);
    ~WGroupTree() override;

    // WPane
    QWidget* PaneWidget() override { return this; }
    PaneId Id() const override { return PaneId::Groups; }
    void InitPane() override;
    void RefillPane() override { RefillGroupTree(); }
    void EmptyPane() override;
    void OnPaneCommand(unsigned id) override;
    void UpdateMenuState(QMenu* popup) override;
    void FillDragState(DragState& drag) override;

    void RefillGroupTree() { m_pane.RefillGroupTree(); }
    // A new group made of the fonts, which it takes over.
    void NewGroupWithFonts(std::unique_ptr<FontList> fonts) { m_pane.NewGroupWithFonts(std::move(fonts)); }
    // Enter while the tree has the focus: a selected group opens or closes.
    void ToggleSelectedGroup();
    GroupPane& Pane() { return m_pane; }

    static FontGroup* GroupOf(const QTreeWidgetItem* item);
    static FontItem* FontOf(const QTreeWidgetItem* item);
    static QTreeWidgetItem* ItemOf(GroupTreeNode* node) { return reinterpret_cast<QTreeWidgetItem*>(node); }
    static GroupTreeNode* NodeOf(QTreeWidgetItem* item) { return reinterpret_cast<GroupTreeNode*>(item); }
    bool HasImages() const { return !m_images.isEmpty(); }
    // The main window goes away before its children: the tree stops reporting to it.
    void DetachHost() { m_pHost = nullptr; }

    // A pane-to-pane drag moving over the tree (viewport coordinates): one line of scrolling near the
    // top and bottom edges, and the group under the point becomes the drop-highlighted node.
    void DragOver(QPoint viewportPos);
    QTreeWidgetItem* DropHighlight() const { return m_pDropHighlight; }
    void ClearDropHighlight();
    // The Ctrl-drag of the selected group: its shortcut (or file) as a file URL, also put on the
    // clipboard. Nothing when no group node is selected.
    void StartGroupShellDrag();

    // GroupTreePort
    GroupTreeNode* SelectedNode() override { return NodeOf(currentItem()); }
    GroupTreeNode* ParentOf(GroupTreeNode* node) override { return NodeOf(ItemOf(node)->parent()); }
    std::vector<GroupTreeNode*> ChildrenOf(GroupTreeNode* node) override;
    int ImageOf(GroupTreeNode* node) override;
    FontGroup* GroupOf(GroupTreeNode* node) override { return GroupOf(ItemOf(node)); }
    FontItem* FontOf(GroupTreeNode* node) override { return FontOf(ItemOf(node)); }
    std::string LabelOf(GroupTreeNode* node) override;
    GroupTreeNode* InsertNode(GroupTreeNode* parent, const GroupTreeNodeSpec& desc) override;
    void RemoveNode(GroupTreeNode* node) override;
    void RemoveAllNodes() override;
    void SetLabel(GroupTreeNode* node, const std::string& label) override;
    void SortTopLevel() override;
    void EnsureVisible(GroupTreeNode* node) override { scrollToItem(ItemOf(node)); }
    void SelectNode(GroupTreeNode* node) override;
    void ToggleExpanded(GroupTreeNode* node) override;
    void EditLabel(GroupTreeNode* node) override;
    platform::WindowHandle OwnerWindow() override { return this; }
    void SetStatusText(const std::string& text) override;
    void PasteIntoInstalledPane(bool permanent) override;
    void ShowProperties(FontItem* font) override;

    // The label editor closed with a text (the delegate's commit).
    void OnLabelCommitted(QTreeWidgetItem* item, const QString& text);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UpdateStatusLine(QTreeWidgetItem* item);

    WPaneHost* m_pHost;
    GroupPane m_pane;
    QList<QIcon> m_images;
    QIcon m_groupIcon;
    QTreeWidgetItem* m_pDropHighlight = nullptr;
    // The press that may start a drag.
    QPoint m_pressPos;
    QPersistentModelIndex m_pressIndex;
    bool m_bPressCtrl = false;
};
