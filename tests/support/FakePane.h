#pragma once
// Test support: an installed-font pane without a window. Rows are font pointers; tests select rows by
// font and read back the row order, sorts and refills.
#include "fontdata/FontItem.h"
#include "install/PanePort.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

class FakePane : public PanePort {
public:
    // The pane shows the list held by `list` (the application's list slot, filled later).
    explicit FakePane(std::unique_ptr<FontList>& list) : m_list(list) {}

    std::vector<FontItem*> SelectedFonts() override;
    void AddRow(FontItem* font) override { rows.push_back(font); }
    bool RemoveRow(FontItem* font) override;
    void SortRows() override;
    void Refill() override;
    platform::WindowHandle OwnerWindow() override { return this; }

    void Select(FontItem* font) { selected.insert(font); }
    void SelectAll() { selected.insert(rows.begin(), rows.end()); }
    std::vector<std::string> RowNames() const;

    std::vector<FontItem*> rows;
    std::set<FontItem*> selected;
    bool refuseRemoval = false; // RemoveRow answers false
    int sorts = 0;
    int refills = 0;

private:
    std::unique_ptr<FontList>& m_list;
};
