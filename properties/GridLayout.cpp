#include "properties/GridLayout.h"

#include <algorithm>

namespace {
int CeilDiv(int a, int b) {
    return b > 0 ? (a + b - 1) / b : 0;
}
} // namespace

void GridLayout::Configure(int cellSize, unsigned style, int count, int rows, int columns, int firstItem) {
    m_cell = std::max(cellSize, 1);
    m_style = style;
    m_count = std::max(count, 0) + ((style & kGridSpecialCell) ? 1 : 0);
    m_confRows = m_rows = std::max(rows, 1);
    m_confColumns = m_columns = std::max(columns, 1);
    m_first = std::clamp(firstItem, 0, std::max(m_count - 1, 0));
    m_scrollRow = CeilDiv(m_first, m_columns);
}

void GridLayout::SetCount(int count) {
    m_count = std::max(count, 0) + ((m_style & kGridSpecialCell) ? 1 : 0);
    m_first = 0;
    m_scrollRow = 0;
    const int needed = std::max(RowsOfItems(), 1);
    if (needed < m_rows) m_rows = needed;
}

int GridLayout::RowsOfItems() const {
    if ((m_style & kGridSpecialCell) && m_columns > 1) return CeilDiv(m_count - 1, m_columns - 1);
    return CeilDiv(m_count, m_columns);
}

int GridLayout::ScrollMax() const {
    return std::max(RowsOfItems() - m_rows, 0);
}

GridRect GridLayout::FitLayout(GridRect r, int scrollBarWidth, int borderHeight) {
    int available = r.Width();
    if (m_confRows * m_confColumns < m_count) available -= scrollBarWidth;
    for (int n = m_confColumns; n >= 1; --n) {
        if (n * m_cell + 2 * borderHeight <= available) {
            m_columns = n;
            r.right = r.left + n * m_cell;
            break;
        }
    }
    int rows = m_confRows;
    while (rows * m_cell > r.Height() && rows >= 2) --rows;
    if (rows * m_cell <= r.Height()) m_rows = rows;
    r.bottom = r.top + m_rows * m_cell;
    if (ScrollBarInUse()) r.right += scrollBarWidth;
    return r;
}

GridRect GridLayout::Resize(int width, int height, int scrollBarWidth, int borderHeight) {
    m_confColumns = std::max(width / m_cell, 1);
    const int needed = std::max(CeilDiv(m_count - m_first, m_confColumns), 1);
    m_confRows = std::max(std::min(height / m_cell, needed), 1);
    const GridRect fitted = FitLayout(GridRect{0, 0, width, height}, scrollBarWidth, borderHeight);
    m_scrollRow = std::min(CeilDiv(m_first, m_columns), ScrollMax());
    return fitted;
}

std::optional<GridRect> GridLayout::CellRect(int position) const {
    if (position < 0 || position >= m_rows * m_columns) return std::nullopt;
    const int column = position % m_columns, row = position / m_columns;
    return GridRect{column * m_cell + 1, row * m_cell + 1, column * m_cell + m_cell + 1,
                    row * m_cell + m_cell};
}

std::optional<GridRect> GridLayout::ItemRect(int item) const {
    if (item < 0 || item >= m_count || !IsVisible(item)) return std::nullopt;
    if ((m_style & kGridSpecialCell) && item == 0) return CellRect(0);
    return CellRect(item - m_first);
}

bool GridLayout::IsVisible(int item) const {
    if ((m_style & kGridSpecialCell) && item == 0) return true;
    return item >= m_first && item < m_first + m_rows * m_columns && item < m_count;
}

int GridLayout::HitTest(int x, int y) const {
    if (x < 0 || y < 0) return -1;
    int column = 0, row = 0;
    while (column < m_columns && (column + 1) * m_cell < x) ++column;
    while (row < m_rows && (row + 1) * m_cell < y) ++row;
    if (column >= m_columns || row >= m_rows) return -1;
    const int position = row * m_columns + column;
    const int item = ((m_style & kGridSpecialCell) && position == 0) ? 0 : position + m_first;
    return item < m_count ? item : -1;
}

int GridLayout::ScrollStep(GridScroll code, int thumb) const {
    int delta = 0;
    switch (code) {
    case GridScroll::LineUp:
        delta = -1;
        break;
    case GridScroll::LineDown:
        delta = 1;
        break;
    case GridScroll::PageUp:
        delta = -std::max(m_rows, 1);
        break;
    case GridScroll::PageDown:
        delta = std::max(m_rows, 1);
        break;
    case GridScroll::Track:
        delta = thumb - m_scrollRow;
        break;
    case GridScroll::Top:
        delta = -m_scrollRow;
        break;
    case GridScroll::Bottom:
        delta = ScrollMax() - m_scrollRow;
        break;
    case GridScroll::ThumbPosition:
    case GridScroll::EndScroll:
        return 0;
    }
    return std::clamp(m_scrollRow + delta, 0, ScrollMax()) - m_scrollRow;
}

int GridLayout::Scroll(int step) {
    step = std::clamp(m_scrollRow + step, 0, ScrollMax()) - m_scrollRow;
    m_scrollRow += step;
    const int perRow = (m_style & kGridSpecialCell) ? m_columns - 1 : m_columns;
    m_first = std::max(m_first + step * perRow, 0);
    return step;
}

GridLayout::KeyResult GridLayout::Key(GridKey key, int current) const {
    KeyResult result{current, 0};
    const int last = m_count - 1;
    if (last < 0) return result;
    const int from = std::clamp(current, 0, last);
    switch (key) {
    case GridKey::Left:
        result.current = std::max(from - 1, 0);
        break;
    case GridKey::Right:
        result.current = std::min(from + 1, last);
        break;
    case GridKey::Up:
        result.current = from / m_columns == 0 ? 0 : from - m_columns;
        break;
    case GridKey::Down:
        result.current = from / m_columns == last / m_columns ? last : std::min(from + m_columns, last);
        break;
    case GridKey::PageUp:
        if (m_first != 0) result.step = ScrollStep(GridScroll::PageUp);
        return result;
    case GridKey::PageDown:
        if (m_first + m_rows * m_columns < m_count) result.step = ScrollStep(GridScroll::PageDown);
        return result;
    case GridKey::Home:
        result.step = ScrollStep(GridScroll::Top);
        return result;
    case GridKey::End:
        result.step = ScrollStep(GridScroll::Bottom);
        return result;
    }
    if (!IsVisible(result.current))
        result.step = ScrollStep(result.current < m_first ? GridScroll::LineUp : GridScroll::LineDown);
    return result;
}
