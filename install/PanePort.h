#pragma once
// What an installed-font pane offers the install batches: its selection, single-row changes, sorting,
// a full refill and the window that owns its messages. The list widgets implement it; tests use a fake.
#include "platform/ui.h"

#include <vector>

class FontItem;

class PanePort {
public:
    virtual ~PanePort() = default;
    // The fonts of the selected rows, in row index order.
    virtual std::vector<FontItem*> SelectedFonts() = 0;
    // Adds a row for a font of the pane's list (the View filter may leave it without one).
    virtual void AddRow(FontItem* font) = 0;
    // Removes the row of the font; false when the pane has no such row or cannot remove it.
    virtual bool RemoveRow(FontItem* font) = 0;
    // Sorts the rows by full name (CompareByFullName).
    virtual void SortRows() = 0;
    // Rebuilds every row from the pane's list.
    virtual void Refill() = 0;
    // The window that owns the batch's message boxes.
    virtual platform::WindowHandle OwnerWindow() = 0;
};
