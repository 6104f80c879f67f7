#pragma once
// The rules of the Source, Permanently Installed and Temporarily Installed panes that need no
// window: row text, icon and order, the menu state, keys, the right-click selection, and what Copy,
// Copy with origin and New Group put together.
#include "fontdata/FontItem.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

enum class ListPaneKind { Source, Permanent, Temporary };

// The row text: the full name, with a Type 1 font's style after a comma; with `showFileName` (the
// Source pane's Display Filenames) the file name of the font's path instead.
std::string PaneRowText(const FontItem& font, bool showFileName);
// The image of bitmap 131 for the font's type.
int PaneRowImage(const FontItem& font);
// Rows ascending by full name in unsigned byte order; equal names keep their order.
void SortPaneRows(std::vector<FontItem*>& rows);
// The fonts of a list that pass the View filter, sorted as rows.
std::vector<FontItem*> PaneRowsOf(const FontList& list, int viewType);

// Whether a menu item is enabled while the pane has the focus.
bool ListPaneItemEnabled(ListPaneKind kind, unsigned id, size_t selectedCount, bool clipboardEmpty);
// The menu-bar items a pane grays when it loses the focus.
const std::vector<unsigned>& ItemsGrayedOnFocusLoss(ListPaneKind kind);

enum class PaneKey { Insert, Delete, CtrlC, CtrlV, CtrlX };
// The pane commands a key sends to the pane itself, in order; empty when the pane ignores the key.
std::vector<unsigned> PaneKeyCommands(ListPaneKind kind, PaneKey key);

struct RowSelection {
    std::vector<bool> selected;
    int focused = -1; // -1 when no row has the focus
};
// Right button down on a row (`pressed`, -1 for no row). False when nothing changes: no row, or a
// row already selected (a multiple selection survives the context menu).
bool SelectOnRightClick(RowSelection& rows, int pressed, bool shift, bool ctrl);

// Copy: empties the clipboard and appends a copy of each selected font, leaving out a font the
// clipboard already holds in the same file.
void CopyToClipboard(const std::vector<FontItem*>& selection, FontList& clipboard);
// Copy of the Temporarily Installed pane: as Copy, each copy naming the font's file outside the
// TempFont folder when the temporary-install records know it; otherwise its path moves to the
// original path, so that a permanent paste copies the file into the Fonts folder.
void CopyWithOriginToClipboard(const std::vector<FontItem*>& selection, FontList& clipboard);
// Step two of the above, once the record was looked up into the copy.
void SwapInOrigin(FontItem& copy);
// New Group: copies of the selected fonts, each font and file once.
std::unique_ptr<FontList> CopiesForNewGroup(const std::vector<FontItem*>& selection);

// The status line for a clicked row: a blank and the font's path, or a blank and "Unknown".
std::string StatusLineText(const FontItem& font);
