#include "tests/support/FakePane.h"

#include <algorithm>

std::vector<FontItem*> FakePane::SelectedFonts() {
    std::vector<FontItem*> out;
    for (FontItem* row : rows)
        if (selected.count(row)) out.push_back(row);
    return out;
}

bool FakePane::RemoveRow(FontItem* font) {
    auto it = std::find(rows.begin(), rows.end(), font);
    if (refuseRemoval || it == rows.end()) return false;
    rows.erase(it);
    selected.erase(font);
    return true;
}

void FakePane::SortRows() {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const FontItem* a, const FontItem* b) { return CompareByFullName(*a, *b) < 0; });
    ++sorts;
}

void FakePane::Refill() {
    rows.clear();
    selected.clear();
    if (m_list)
        for (FontItem* font : *m_list) rows.push_back(font);
    std::stable_sort(rows.begin(), rows.end(),
                     [](const FontItem* a, const FontItem* b) { return CompareByFullName(*a, *b) < 0; });
    ++refills;
}

std::vector<std::string> FakePane::RowNames() const {
    std::vector<std::string> names;
    for (const FontItem* row : rows) names.push_back(row->m_strFullName);
    return names;
}
