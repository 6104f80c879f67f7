#include "tests/support/FakeGroupTree.h"

#include "platform/collate.h"

#include <algorithm>

namespace {

bool LabelBefore(const FakeGroupTree::Node* a, const FakeGroupTree::Node* b) {
    return platform::CompareStringAnsiNoCase(a->desc.label, b->desc.label) < 0;
}

} // namespace

std::vector<GroupTreeNode*> FakeGroupTree::ChildrenOf(GroupTreeNode* node) {
    std::vector<GroupTreeNode*> out;
    for (Node* child : node ? Of(node)->children : roots) out.push_back(Handle(child));
    return out;
}

GroupTreeNode* FakeGroupTree::InsertNode(GroupTreeNode* parent, const GroupTreeNodeSpec& desc) {
    if (refuseInsert) return nullptr;
    auto node = std::make_unique<Node>();
    node->desc = desc;
    node->parent = Of(parent);
    auto& siblings = parent ? Of(parent)->children : roots;
    siblings.insert(std::upper_bound(siblings.begin(), siblings.end(), node.get(), LabelBefore), node.get());
    m_nodes.push_back(std::move(node));
    return Handle(m_nodes.back().get());
}

void FakeGroupTree::Forget(Node* node) {
    for (Node* child : node->children) Forget(child);
    if (selected == node) selected = nullptr;
    std::erase(edited, node);
    std::erase_if(m_nodes, [node](const std::unique_ptr<Node>& n) { return n.get() == node; });
}

void FakeGroupTree::RemoveNode(GroupTreeNode* handle) {
    Node* node = Of(handle);
    auto& siblings = node->parent ? node->parent->children : roots;
    std::erase(siblings, node);
    Forget(node);
}

void FakeGroupTree::RemoveAllNodes() {
    roots.clear();
    m_nodes.clear();
    selected = nullptr;
    edited.clear();
}

void FakeGroupTree::SortTopLevel() {
    std::stable_sort(roots.begin(), roots.end(), LabelBefore);
}

FakeGroupTree::Node* FakeGroupTree::Find(const std::string& label, const std::string& child) const {
    for (Node* root : roots) {
        if (root->desc.label != label) continue;
        if (child.empty()) return root;
        for (Node* c : root->children)
            if (c->desc.label == child) return c;
    }
    return nullptr;
}

std::vector<std::string> FakeGroupTree::Labels(const Node* parent) const {
    std::vector<std::string> out;
    for (const Node* n : parent ? parent->children : roots) out.push_back(n->desc.label);
    return out;
}
