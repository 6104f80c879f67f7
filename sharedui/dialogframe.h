#pragma once
// Decisions of the dialog framework that need no window: which control a context-menu request
// on a dialog's face is for, which menu it gets, and which standard sheet buttons a mask shows.
#include <optional>
#include <vector>

// One entry of a control menu map: the control and the index of its popup in the menu resource.
// An entry with control id 0 ends the map.
struct ControlMenuEntry {
    unsigned controlId = 0;
    int popupIndex = 0;
};
using ControlMenuMap = std::vector<ControlMenuEntry>;

// A child's rectangle in its dialog's coordinates; right and bottom are exclusive.
struct ChildRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The child whose rectangle holds the point and whose left edge lies nearest to its left; of
// equally near ones the last. -1 when no child holds the point.
int PickChildAt(const std::vector<ChildRect>& children, int x, int y);

std::optional<int> PopupIndexFor(const ControlMenuMap& map, unsigned controlId);

enum class ContextMenuPlan {
    PassOn,        // the request goes on to the parent: no menu
    ControlMenu,   // the control's popup with "What's This?" appended
    WhatsThisOnly, // a popup holding only "What's This?"
};
ContextMenuPlan PlanContextMenu(bool chosenIsDialog, unsigned menuResourceId, const ControlMenuMap& map,
                                unsigned controlId, int* popupIndex);

// The standard sheet buttons by mask bit: 1 OK, 2 Cancel, 4 Help, 8 Apply Now.
enum SheetButtonBit : unsigned {
    kSheetOk = 1,
    kSheetCancel = 2,
    kSheetHelp = 4,
    kSheetApplyNow = 8,
    kSheetAllButtons = 15,
};
struct SheetButton {
    unsigned bit;
    unsigned id;
};
// The four buttons in their order with their ids (1, 2, 57669, 59904).
const std::vector<SheetButton>& SheetButtons();
