#pragma once
// The geometry and selection rules of the grid picker: fitting rows and columns to a rectangle, the
// cell rectangles and hit test, scrolling by rows and the keyboard moves of the current item.
#include <optional>

enum GridStyle : unsigned {
    kGridNumbered = 0x01,
    kGridFlat = 0x04,
    kGrid3d = 0x08,
    kGridSpecialCell = 0x10,
    kGridMagnifier = 0x20,
    kGridDragMove = 0x80,
    kGridRightClickCells = 0x800,
};

struct GridRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const GridRect&) const = default;
};

enum class GridScroll { LineUp, LineDown, PageUp, PageDown, Track, Top, Bottom, ThumbPosition, EndScroll };
enum class GridKey { Left, Right, Up, Down, PageUp, PageDown, Home, End };

class GridLayout {
public:
    // cellSize and style as configured; rows and columns are upper bounds (0 already replaced by
    // the caller). count is the caller's item count (one more is added with the special cell).
    void Configure(int cellSize, unsigned style, int count, int rows, int columns, int firstItem);
    void SetCount(int count);

    // Fits rows and columns into `r`; scrollBarWidth and borderHeight are the system's metrics.
    GridRect FitLayout(GridRect r, int scrollBarWidth, int borderHeight);
    // Resizing from outside: columns and rows from the new size, then refitted.
    GridRect Resize(int width, int height, int scrollBarWidth, int borderHeight);

    int CellSize() const { return m_cell; }
    unsigned Style() const { return m_style; }
    int Count() const { return m_count; }
    int Rows() const { return m_rows; }
    int Columns() const { return m_columns; }
    int FirstVisible() const { return m_first; }
    int ScrollRow() const { return m_scrollRow; }
    bool ScrollBarInUse() const { return m_rows * m_columns < m_count; }
    int ScrollMax() const;

    // The cell at a position counted from the first visible item; nullopt outside the visible cells.
    std::optional<GridRect> CellRect(int position) const;
    std::optional<GridRect> ItemRect(int item) const;
    int HitTest(int x, int y) const;
    bool IsVisible(int item) const;

    // The scroll step a scroll code asks for, clamped to the range; applying it moves the first
    // visible item. Answers the rows actually moved.
    int ScrollStep(GridScroll code, int thumb = 0) const;
    int Scroll(int step);

    // The current item after an arrow key, and the scroll step (−1, 0 or 1) that brings it into
    // view. Page and Home/End keys leave the item and give a scroll step.
    struct KeyResult {
        int current = -1;
        int step = 0;
    };
    KeyResult Key(GridKey key, int current) const;

private:
    int RowsOfItems() const; // rows the items take, the special cell left out of every row
    int m_cell = 60;
    unsigned m_style = 0;
    int m_count = 0;
    int m_confRows = 1, m_confColumns = 1;
    int m_rows = 1, m_columns = 1;
    int m_first = 0;
    int m_scrollRow = 0;
};
