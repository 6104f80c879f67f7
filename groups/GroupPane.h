#pragma once
// The Groups pane's work, without a window: its nodes, every pane command, the end of a label edit,
// the menu state, the status line, what a drag out of the pane carries and what a drop onto it adds.
// The tree widget calls it with itself as the GroupTreePort.
#include "groups/FontGroup.h"
#include "groups/GroupTreePort.h"
#include "install/DragState.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// A font node's label: the full name, and for a Type 1 font with a style a comma and the style.
std::string GroupNodeLabel(const FontItem& font);
// A font node's image: TrueType and Type 1 pages, and a page of its own for any other type, so that
// every font node differs from a group node by its image too.
int GroupNodeImage(const FontItem& font);

// The name New Group gives: "NewGroup", else "NewGroup2", "NewGroup3" ..., the first that no group
// has (compared without regard to case) and no file of the program folder already carries.
std::string FreeNewGroupName(const GroupList& groups, const std::string& folder);
// None of \ / : * ? " < > | and the extended codes 0x7F 0x80 0x81 0x8D 0x8E 0x8F 0x90 0x9D 0x9E 0xA0.
bool IsValidGroupName(const std::string& name);

// How the end of a group's label edit came out.
enum class LabelEditOutcome {
    Ignored,   // a font node, or the edit was cancelled: the label keeps its text
    Blank,     // only blanks: the editor opens again, without a message
    Duplicate, // another group has the name in some letter case
    Invalid,   // a forbidden character
    TooLong,   // more than the group file's 127 characters
    Renamed,   // the group took the name and its file was renamed
};
// The checks of a typed name for `group` in the order the pane makes them (trailing white space is
// ignored by them). Blank, Duplicate, Invalid, TooLong or Renamed (the name may be taken).
LabelEditOutcome CheckGroupName(const GroupList& groups, const FontGroup* group, const std::string& typed);

// Takes out of a list the fonts that cannot serve in a group: no file path, or a file directly in
// the TempFont folder whose origin is unknown; shows "Some fonts have invalid fontfiles." when it
// took any. Returns how many it took.
int DropUnusableFonts(FontList& fonts, platform::WindowHandle owner);
// 1 when some font is the same font in the same file as one of the group's; the notice is shown
// while warnings are on.
int ReportFontsAlreadyInGroup(const FontGroup& group, const std::vector<FontItem*>& fonts,
                              platform::WindowHandle owner);
int ReportFontsAlreadyInGroup(const FontGroup& group, const FontList& fonts, platform::WindowHandle owner);

// Whether a menu item is enabled while the Groups pane has the focus.
bool GroupPaneItemEnabled(unsigned id, bool fontSelected, bool clipboardEmpty);
// The menu-bar items the pane grays when it loses the focus.
const std::vector<unsigned>& GroupPaneItemsGrayedOnFocusLoss();

class GroupPane {
public:
    explicit GroupPane(GroupTreePort& tree) : m_tree(tree) {}

    // Removes every node and inserts every group of m_groupList with the fonts the View filter shows.
    void RefillGroupTree();
    // The group's node at the top level with its shown fonts; nullptr (after a message) when refused.
    GroupTreeNode* InsertGroupNode(FontGroup* group);
    GroupTreeNode* InsertFontNode(FontItem* font, GroupTreeNode* groupNode);

    // The internal pane commands; the pane ignores those it does not know.
    void OnPaneCommand(unsigned id);
    void NewGroup();
    // New Group of another pane: a group that takes the fonts over.
    void NewGroupWithFonts(std::unique_ptr<FontList> fonts);
    void Rename();
    void Copy();
    void Cut();
    void Paste();
    void Delete();
    void Properties();
    void Install(bool permanent);
    void CreateGroupIcon();

    // The label editor closed on a node with the new text, or with nothing when it was cancelled.
    // Reopens the editor (after the message) when the name cannot be taken.
    LabelEditOutcome LabelEditEnded(GroupTreeNode* node, const std::optional<std::string>& text);

    bool IsFontNode(GroupTreeNode* node) { return node && m_tree.ImageOf(node) != kGroupImageClosed; }
    // The status line for a selected node: a blank and a font node's path (" Unknown" without one),
    // a single blank for a group node, nothing without a node.
    std::string StatusText(GroupTreeNode* node);
    bool ItemEnabled(unsigned id);

    // A pane-to-pane drag out of the tree: the dragged font node's font, or the fonts shown under a
    // dragged group node (in tree order) with the group itself.
    void BeginDrag(GroupTreeNode* dragged, platform::WindowHandle sourceWindow, DragState& drag);
    // A Ctrl-drag: the selected group, or nullptr when none or a font node is selected.
    FontGroup* ShellDragGroup();
    // A drop onto the tree: the dragged fonts join the group of `target` (a font node stands for its
    // group); DROP_GROUP_CHANGED when the group took any. The group is saved in every case.
    int AddDraggedToGroup(DragState& drag, GroupTreeNode* target);

private:
    GroupTreeNode* AddGroup(std::unique_ptr<FontGroup> group);
    // The node's group: its own, or its parent's for a font node.
    FontGroup* TargetGroup(GroupTreeNode*& node);

    GroupTreePort& m_tree;
};
