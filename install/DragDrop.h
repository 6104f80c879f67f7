#pragma once
// The end of a drag between the main window's panes: what the drop does on the window under the
// pointer, the refills and the font-change notice it causes, and the reset of the drag.
#include "install/DragState.h"
#include "install/PanePort.h"

class GroupPane;
struct GroupTreeNode;

// The window under the pointer when the button was released.
enum class DropTarget {
    Nothing,   // no window, a window of another program, or one of this program that is no pane
    Source,    // the Source pane
    Permanent, // the Permanently Installed pane
    Temporary, // the Temporarily Installed pane
    Groups,    // the Groups pane
    Desktop,   // the desktop itself: outside every window
};

struct DropPanes {
    PanePort& perm;
    PanePort& temp;
    GroupPane* groups = nullptr;
    GroupTreeNode* highlighted = nullptr; // the Groups pane's drop-highlighted node
    platform::WindowHandle owner = nullptr;
};

// Drops the dragged fonts (or group) onto the target, then refills the Permanently Installed pane
// for DROP_PERM_CHANGED, the Temporarily Installed pane for DROP_TEMP_CHANGED and posts the
// font-change notice for either; finally resets the drag. Returns the drop's flags.
int DropDraggedFonts(DragState& drag, DropTarget target, DropPanes& panes);
