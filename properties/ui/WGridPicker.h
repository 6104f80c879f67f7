#pragma once
// The family's grid picker: items as square cells in rows and columns, scrolling by rows, one
// current item moved with the mouse and the arrow keys, clicks, hovering and moves reported to the
// notify window. A dialog template holds a placeholder of the class "PTV60_GridPicker" that a
// WGridPicker takes over when the dialog is initialised.
#include "properties/GridLayout.h"

#include <QPointer>
#include <QWidget>
#include <cstdint>

class QMenu;
class QPainter;
class QScrollBar;

struct GridPickerConfig {
    using DrawCallback = void (*)(QPainter* painter, const QRect& cell, int item, uint32_t value);
    DrawCallback drawCallback = nullptr;
    uint32_t callbackValue = 0;
    int cellSize = 60;
    unsigned style = kGrid3d | kGridRightClickCells;
    int count = 0;
    int rows = 20;    // 0: as many as the control's height holds
    int columns = 20; // 0: as many as its width holds
    int firstItem = 0;
    QMenu* menu = nullptr;
};

// The private messages the grid sends its parent, and the command notification codes.
enum GridMessage : int { kGridMsgMoved = 1035, kGridMsgHover = 1036, kGridMsgReleased = 1037 };
enum GridNotify : int { kGridClick = 1, kGridHover = 2, kGridOther = 3 };

extern const char* const kGridPickerClass; // "PTV60_GridPicker"

class WGridPicker : public QWidget {
    Q_OBJECT
public:
    explicit WGridPicker(QWidget* parent = nullptr);

    // Marks placeholders of the class as known; safe to call more than once.
    static void RegisterGridPickerClass();
    static bool IsGridPickerClassRegistered();

    bool Create(unsigned style, const QRect& rect, QWidget* parent, unsigned controlId);
    // Takes the place, id and name of a placeholder window made by a template; the placeholder goes.
    bool TakeOver(QWidget* placeholder);
    void SetNotifyWindow(QWidget* window) { m_pNotify = window; }

    void Configure(const GridPickerConfig& config);
    void SetCount(int count);

    int CurrentItem() const { return m_nCurrent; }
    unsigned ControlId() const;
    const GridLayout& Layout() const { return m_layout; }
    QScrollBar* ScrollBar() const { return m_pScrollBar; }
    // The magnifier popup while the left button is held with the magnifier style; nullptr otherwise.
    QWidget* Magnifier() const { return m_pMagnifier; }
    // The cell rectangle of an item's visible position; nullptr-like empty rect when not visible.
    QRect ItemRect(int item) const;

    virtual void DrawSelection(int item, bool on);
    virtual bool OnItemMoved(int from, int to) { return true; }
    virtual QRect GetCellArea() const;
    virtual void NotifyClick();
    virtual void NotifyHover(int item);
    virtual void NotifyDoubleClick();
    virtual void NotifyRightClick();
    virtual void NotifySpecialRightClick();
    virtual void NotifySpecialClick();
    virtual int HitTest(int x, int y) const { return m_layout.HitTest(x, y); }

signals:
    // The command notification (code 1 click, 2 hover, 3 the others) and the private messages.
    void notify(unsigned controlId, int code);
    void gridMessage(int message, qint64 argument);
    void menuCommand(unsigned id);

protected:
    virtual void PrepareDC(QPainter& painter) {}
    virtual void PaintCells(QPainter& painter, const QRect& area);
    virtual void DrawCell(QPainter& painter, int item, const QRect& cell);
    // Paints the current-cell mark of the look.
    virtual void PaintSelection(QPainter& painter, int item);
    // The right button was pressed where there is no item: nothing is current until the next paint.
    virtual void CurrentCleared() {}
    void SetCurrent(int item) { m_nCurrent = item; }
    int ScrollRows(int step);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void UpdateScrollBar();
    void OpenMagnifier(QPoint globalPos);
    void MoveMagnifier(QPoint globalPos);
    void CloseMagnifier();
    void PaintBorder(QPainter& painter, const QRect& cell);
    int SpecialOffset() const { return (m_layout.Style() & kGridSpecialCell) ? 1 : 0; }
    bool IsSpecial(int item) const { return SpecialOffset() && item == 0; }

    GridLayout m_layout;
    GridPickerConfig m_config;
    bool m_bConfigured = false;
    bool m_bFitting = false;
    QSize m_fittedSize; // the size the grid gave itself; its resize event may come later
    int m_nCurrent = -1;
    int m_nPressItem = -1;
    bool m_bPressed = false;
    bool m_bMoved = false;
    QScrollBar* m_pScrollBar = nullptr;
    QPointer<QWidget> m_pNotify;
    QPointer<QWidget> m_pMagnifier;
    int m_nZoom = 100; // percent of the cell size
};
