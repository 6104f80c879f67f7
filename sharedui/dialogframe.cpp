#include "sharedui/dialogframe.h"

int PickChildAt(const std::vector<ChildRect>& children, int x, int y) {
    int best = -1;
    int bestDistance = 0;
    for (size_t i = 0; i < children.size(); ++i) {
        const ChildRect& r = children[i];
        if (x < r.left || x >= r.right || y < r.top || y >= r.bottom) continue;
        const int distance = x - r.left;
        if (best < 0 || distance <= bestDistance) {
            best = static_cast<int>(i);
            bestDistance = distance;
        }
    }
    return best;
}

std::optional<int> PopupIndexFor(const ControlMenuMap& map, unsigned controlId) {
    for (const auto& entry : map) {
        if (entry.controlId == 0) break;
        if (entry.controlId == controlId) return entry.popupIndex;
    }
    return std::nullopt;
}

ContextMenuPlan PlanContextMenu(bool chosenIsDialog, unsigned menuResourceId, const ControlMenuMap& map,
                                unsigned controlId, int* popupIndex) {
    if (chosenIsDialog) return ContextMenuPlan::PassOn;
    if (menuResourceId != 0) {
        if (auto index = PopupIndexFor(map, controlId)) {
            if (popupIndex) *popupIndex = *index;
            return ContextMenuPlan::ControlMenu;
        }
    }
    return ContextMenuPlan::WhatsThisOnly;
}

const std::vector<SheetButton>& SheetButtons() {
    static const std::vector<SheetButton> buttons = {
        {kSheetOk, 1}, {kSheetCancel, 2}, {kSheetHelp, 57669}, {kSheetApplyNow, 59904}};
    return buttons;
}
