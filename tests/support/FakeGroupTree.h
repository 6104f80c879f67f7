#pragma once
// Test support: the Groups pane's tree without a window. Nodes keep the order of their labels as the
// real tree does; the fake records what the pane asked of it (label editors, pastes, properties).
#include "groups/GroupTreePort.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class FakeGroupTree : public GroupTreePort {
public:
    struct Node {
        Node* parent = nullptr;
        std::vector<Node*> children;
        GroupTreeNodeSpec desc;
        bool expanded = false;
    };

    GroupTreeNode* SelectedNode() override { return Handle(selected); }
    GroupTreeNode* ParentOf(GroupTreeNode* node) override { return Handle(Of(node)->parent); }
    std::vector<GroupTreeNode*> ChildrenOf(GroupTreeNode* node) override;
    int ImageOf(GroupTreeNode* node) override { return Of(node)->desc.image; }
    FontGroup* GroupOf(GroupTreeNode* node) override { return Of(node)->desc.group; }
    FontItem* FontOf(GroupTreeNode* node) override { return Of(node)->desc.font; }
    std::string LabelOf(GroupTreeNode* node) override { return Of(node)->desc.label; }
    GroupTreeNode* InsertNode(GroupTreeNode* parent, const GroupTreeNodeSpec& desc) override;
    void RemoveNode(GroupTreeNode* node) override;
    void RemoveAllNodes() override;
    void SetLabel(GroupTreeNode* node, const std::string& label) override { Of(node)->desc.label = label; }
    void SortTopLevel() override;
    void EnsureVisible(GroupTreeNode*) override {}
    void SelectNode(GroupTreeNode* node) override { selected = Of(node); }
    void ToggleExpanded(GroupTreeNode* node) override { Of(node)->expanded = !Of(node)->expanded; }
    void EditLabel(GroupTreeNode* node) override { edited.push_back(Of(node)); }
    platform::WindowHandle OwnerWindow() override { return this; }
    void SetStatusText(const std::string& text) override { status = text; }
    void PasteIntoInstalledPane(bool permanent) override {
        pastes.push_back(permanent);
        if (onPaste) onPaste(permanent);
    }
    void ShowProperties(FontItem* font) override { properties.push_back(font); }

    static GroupTreeNode* Handle(Node* node) { return reinterpret_cast<GroupTreeNode*>(node); }
    static Node* Of(GroupTreeNode* node) { return reinterpret_cast<Node*>(node); }
    // The top-level node with that label, or a child of it when `child` is given.
    Node* Find(const std::string& label, const std::string& child = {}) const;
    std::vector<std::string> Labels(const Node* parent = nullptr) const;
    void Select(Node* node) { selected = node; }

    std::vector<Node*> roots;
    Node* selected = nullptr;
    std::vector<Node*> edited;
    std::vector<bool> pastes;
    std::vector<FontItem*> properties;
    std::string status;
    bool refuseInsert = false;
    std::function<void(bool)> onPaste;

private:
    void Forget(Node* node);
    std::vector<std::unique_ptr<Node>> m_nodes;
};
