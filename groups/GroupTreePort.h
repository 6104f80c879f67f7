#pragma once
// What the Groups pane's tree offers the pane's commands: nodes with a label, an image and their
// group or font, sorted insertion, selection, expansion and the label editor, and the hand-offs to
// other windows. The tree widget implements it; tests use a fake tree.
#include "platform/ui.h"

#include <string>
#include <vector>

class FontGroup;
class FontItem;

// A node of the tree, as the tree hands it out; only the tree knows what it is.
struct GroupTreeNode;

// Images of the tree's image list (bitmap 131) that its nodes use.
enum GroupTreeImage : int {
    kGroupImageClosed = 0,
    kGroupImageOpen = 1,
    kGroupImageTrueType = 2,
    kGroupImageOtherFont = 3,
    kGroupImageType1 = 4,
};

struct GroupTreeNodeSpec {
    std::string label;
    int image = kGroupImageClosed;
    int selectedImage = kGroupImageOpen;
    FontGroup* group = nullptr; // a group node's group
    FontItem* font = nullptr;   // a font node's font, held in its group's list
};

class GroupTreePort {
public:
    virtual ~GroupTreePort() = default;

    virtual GroupTreeNode* SelectedNode() = 0;
    virtual GroupTreeNode* ParentOf(GroupTreeNode* node) = 0;
    // Children in the tree's order; the top-level nodes for nullptr.
    virtual std::vector<GroupTreeNode*> ChildrenOf(GroupTreeNode* node) = 0;
    virtual int ImageOf(GroupTreeNode* node) = 0;
    virtual FontGroup* GroupOf(GroupTreeNode* node) = 0;
    virtual FontItem* FontOf(GroupTreeNode* node) = 0;
    virtual std::string LabelOf(GroupTreeNode* node) = 0;

    // Inserts a node under `parent` (nullptr: at the top level) at its place in the order of the
    // labels (CompareStringAnsiNoCase). nullptr when the tree refuses.
    virtual GroupTreeNode* InsertNode(GroupTreeNode* parent, const GroupTreeNodeSpec& desc) = 0;
    // Removes the node with its children.
    virtual void RemoveNode(GroupTreeNode* node) = 0;
    virtual void RemoveAllNodes() = 0;
    virtual void SetLabel(GroupTreeNode* node, const std::string& label) = 0;
    // Puts the top-level nodes in the order of their labels again.
    virtual void SortTopLevel() = 0;
    virtual void EnsureVisible(GroupTreeNode* node) = 0;
    virtual void SelectNode(GroupTreeNode* node) = 0;
    virtual void ToggleExpanded(GroupTreeNode* node) = 0;
    // Opens the label editor on the node; also while an edit of it is just ending (then it opens again).
    virtual void EditLabel(GroupTreeNode* node) = 0;

    // The window that owns the pane's message boxes.
    virtual platform::WindowHandle OwnerWindow() = 0;
    virtual void SetStatusText(const std::string& text) = 0;
    // PANE_PASTE to the Permanently Installed pane (permanent) or the Temporarily Installed pane.
    virtual void PasteIntoInstalledPane(bool permanent) = 0;
    // The Font Properties sheet on the font, owned by the tree.
    virtual void ShowProperties(FontItem* font) = 0;
};
