#pragma once
// The one drag in progress between the main window's panes.
#include "platform/ui.h"

#include <vector>

class FontItem;
class FontGroup;

// Where a drag started.
enum DRAG_SOURCE : int {
    DRAG_NONE = 0,
    DRAG_FROM_SOURCE = 1,
    DRAG_FROM_PERM = 2,
    DRAG_FROM_TEMP = 4,
    DRAG_FROM_GROUPS = 8,
};

// What a drop changed.
enum DropResult : int {
    DROP_PERM_CHANGED = 2,
    DROP_TEMP_CHANGED = 4,
    DROP_GROUP_CHANGED = 8,
};

struct DragState {
    int m_bDragging = 0;
    DRAG_SOURCE m_nSource = DRAG_NONE;
    platform::WindowHandle m_hSourceWnd = nullptr;
    // The dragged fonts themselves, owned by their lists or groups.
    std::vector<FontItem*> m_dragList;
    FontGroup* m_pDragGroup = nullptr;

    void Reset() { *this = DragState(); }
};
