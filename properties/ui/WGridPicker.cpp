#include "properties/ui/WGridPicker.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <functional>

const char* const kGridPickerClass = "PTV60_GridPicker";

namespace {
bool g_bClassRegistered = false;

// The magnifier: a bordered popup that draws the current cell again at its own size.
class MagnifierWindow : public QWidget {
public:
    MagnifierWindow(QWidget* owner, std::function<void(QPainter&, const QRect&)> paint)
        : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint), m_paint(std::move(paint)) {
        setObjectName(QStringLiteral("gridMagnifier"));
        setAttribute(Qt::WA_DeleteOnClose);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Base));
        m_paint(painter, rect().adjusted(1, 1, -1, -1));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    std::function<void(QPainter&, const QRect&)> m_paint;
};

QRect ToQRect(const GridRect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}
} // namespace

void WGridPicker::RegisterGridPickerClass() {
    g_bClassRegistered = true;
}

bool WGridPicker::IsGridPickerClassRegistered() {
    return g_bClassRegistered;
}

WGridPicker::WGridPicker(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent); // the cells cover the background
}

bool WGridPicker::Create(unsigned, const QRect& rect, QWidget* parent, unsigned controlId) {
    setParent(parent);
    setGeometry(rect);
    setProperty("controlId", controlId);
    show();
    return true;
}

bool WGridPicker::TakeOver(QWidget* placeholder) {
    if (!placeholder || !placeholder->parentWidget()) return false;
    setParent(placeholder->parentWidget());
    setGeometry(placeholder->geometry());
    setProperty("controlId", placeholder->property("controlId"));
    setObjectName(placeholder->objectName());
    setFocusPolicy(placeholder->focusPolicy() == Qt::NoFocus ? Qt::StrongFocus : placeholder->focusPolicy());
    stackUnder(placeholder);
    delete placeholder;
    show();
    return true;
}

unsigned WGridPicker::ControlId() const {
    return property("controlId").toUInt();
}

QRect WGridPicker::ItemRect(int item) const {
    auto r = m_layout.ItemRect(item);
    return r ? ToQRect(*r) : QRect();
}

QRect WGridPicker::GetCellArea() const {
    QRect r = rect();
    if (m_pScrollBar && m_pScrollBar->isVisible()) r.setRight(r.right() - m_pScrollBar->width());
    return r;
}

void WGridPicker::Configure(const GridPickerConfig& config) {
    if (!m_pNotify) m_pNotify = parentWidget();
    m_config = config;
    const int cell = qMax(config.cellSize, 1);
    const int rows = config.rows ? config.rows : qMax(height() / cell, 1);
    const int columns = config.columns ? config.columns : qMax(width() / cell, 1);
    m_layout.Configure(cell, config.style, config.count, rows, columns, config.firstItem);
    const int scrollWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const GridRect fitted = m_layout.FitLayout(GridRect{0, 0, width(), height()}, scrollWidth, 1);
    m_fittedSize = QSize(fitted.Width() + 1, fitted.Height() + 1);
    m_bFitting = true;
    resize(m_fittedSize);
    m_bFitting = false;
    if (!m_pScrollBar) {
        m_pScrollBar = new QScrollBar(Qt::Vertical, this);
        m_pScrollBar->setProperty("controlId", 201u);
        m_pScrollBar->setObjectName(QStringLiteral("gridScrollBar"));
        m_pScrollBar->hide();
        connect(m_pScrollBar, &QScrollBar::valueChanged, this,
                [this](int value) { ScrollRows(value - m_layout.ScrollRow()); });
    }
    if (config.style & kGridMagnifier) m_nZoom = 100;
    m_bConfigured = true;
    m_nCurrent = -1;
    UpdateScrollBar();
    update();
}

void WGridPicker::SetCount(int count) {
    m_layout.SetCount(count);
    m_nCurrent = m_layout.Count() > 0 ? 0 : -1;
    UpdateScrollBar();
    update();
}

void WGridPicker::UpdateScrollBar() {
    if (!m_pScrollBar) return;
    if (m_layout.ScrollBarInUse()) {
        const int w = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        QSignalBlocker block(m_pScrollBar);
        m_pScrollBar->setRange(0, m_layout.ScrollMax());
        m_pScrollBar->setPageStep(qMax(m_layout.Rows(), 1));
        m_pScrollBar->setValue(m_layout.ScrollRow());
        m_pScrollBar->setGeometry(width() - w, 0, w, height());
        m_pScrollBar->show();
    } else {
        m_pScrollBar->hide();
    }
}

int WGridPicker::ScrollRows(int step) {
    const int moved = m_layout.Scroll(step);
    if (m_pScrollBar) {
        QSignalBlocker block(m_pScrollBar);
        m_pScrollBar->setValue(m_layout.ScrollRow());
    }
    if (moved) update();
    return moved;
}

void WGridPicker::DrawSelection(int item, bool) {
    if (item >= 0) update();
}

void WGridPicker::NotifyClick() {
    emit notify(ControlId(), kGridClick);
}
void WGridPicker::NotifyHover(int) {
    emit notify(ControlId(), kGridHover);
}
void WGridPicker::NotifyDoubleClick() {
    emit notify(ControlId(), kGridOther);
}
void WGridPicker::NotifyRightClick() {
    emit notify(ControlId(), kGridOther);
}
void WGridPicker::NotifySpecialRightClick() {
    emit notify(ControlId(), kGridOther);
}
void WGridPicker::NotifySpecialClick() {
    emit notify(ControlId(), kGridOther);
}

void WGridPicker::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (m_nCurrent < 0 && m_layout.Count() > 0) {
        m_nCurrent = 0;
        DrawSelection(0, true);
    }
    PrepareDC(painter);
    painter.fillRect(event->rect(), palette().color(QPalette::Button));
    if (!m_bConfigured) return;
    if (isEnabled()) {
        PaintCells(painter, event->rect());
        if (m_nCurrent >= 0 && m_layout.IsVisible(m_nCurrent)) PaintSelection(painter, m_nCurrent);
        if (hasFocus()) {
            const QRect r = ItemRect(m_nCurrent);
            if (!r.isEmpty()) {
                QStyleOptionFocusRect option;
                option.initFrom(this);
                option.rect = r.adjusted(3, 3, -4, -4);
                style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
            }
        }
    } else {
        for (int p = 0; p < m_layout.Rows() * m_layout.Columns(); ++p) {
            const QRect r = ToQRect(*m_layout.CellRect(p));
            painter.fillRect(r, palette().color(QPalette::Button));
            const int item = IsSpecial(p) ? 0 : p + m_layout.FirstVisible();
            if (item < m_layout.Count()) PaintBorder(painter, r);
        }
    }
}

void WGridPicker::PaintCells(QPainter& painter, const QRect& area) {
    const bool look3d = (m_layout.Style() & kGrid3d) != 0;
    for (int p = 0; p < m_layout.Rows() * m_layout.Columns(); ++p) {
        const QRect r = ToQRect(*m_layout.CellRect(p));
        if (!r.intersects(area)) continue;
        const int item = (SpecialOffset() && p == 0) ? 0 : p + m_layout.FirstVisible();
        if (item >= m_layout.Count()) {
            painter.fillRect(r, palette().color(QPalette::Button));
            continue;
        }
        painter.fillRect(r, palette().color(QPalette::Button));
        const QRect inner = look3d ? r.adjusted(2, 2, -2, -2) : r.adjusted(1, 1, -1, -1);
        if (IsSpecial(item)) {
            painter.fillRect(inner, palette().color(QPalette::Base));
            painter.setPen(palette().color(QPalette::ButtonText));
            painter.drawRect(inner.adjusted(0, 0, -1, -1));
            painter.drawLine(inner.topLeft(), inner.bottomRight());
            painter.drawLine(inner.topRight(), inner.bottomLeft());
        } else {
            painter.save();
            painter.setClipRect(inner);
            DrawCell(painter, item, inner);
            painter.restore();
        }
        PaintBorder(painter, r);
    }
}

void WGridPicker::PaintBorder(QPainter& painter, const QRect& r) {
    if (m_layout.Style() & kGrid3d) {
        // Sunken: shadow above and left, highlight below and right, two pixels deep.
        for (int i = 0; i < 2; ++i) {
            const QRect b = r.adjusted(i, i, -i, -i);
            painter.setPen(i == 0 ? palette().color(QPalette::Dark) : palette().color(QPalette::Shadow));
            painter.drawLine(b.topLeft(), b.topRight());
            painter.drawLine(b.topLeft(), b.bottomLeft());
            painter.setPen(i == 0 ? palette().color(QPalette::Light) : palette().color(QPalette::Button));
            painter.drawLine(b.bottomLeft(), b.bottomRight());
            painter.drawLine(b.topRight(), b.bottomRight());
        }
    } else {
        painter.setPen(palette().color(QPalette::Button));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void WGridPicker::PaintSelection(QPainter& painter, int item) {
    const QRect r = ItemRect(item);
    if (r.isEmpty()) return;
    if (m_layout.Style() & kGrid3d) {
        const QColor colours[] = {palette().color(QPalette::ButtonText), palette().color(QPalette::Light),
                                  palette().color(QPalette::ButtonText)};
        for (int i = 0; i < 3; ++i) {
            painter.setPen(colours[i]);
            painter.drawRect(r.adjusted(i, i, -1 - i, -1 - i));
        }
    } else {
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(Qt::white);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
}

void WGridPicker::DrawCell(QPainter& painter, int item, const QRect& cell) {
    if (m_config.drawCallback) {
        m_config.drawCallback(&painter, cell, item - SpecialOffset(), m_config.callbackValue);
        return;
    }
    if (m_layout.Style() == kGridNumbered) {
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        painter.drawText(cell, Qt::AlignCenter, QString::number(item));
    }
}

void WGridPicker::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const int item = HitTest(at.x(), at.y());
    if (event->button() == Qt::LeftButton) {
        if (item < 0) return;
        DrawSelection(m_nCurrent, false);
        m_nCurrent = item;
        DrawSelection(item, true);
        m_bPressed = true;
        m_bMoved = false;
        m_nPressItem = item;
        if (m_layout.Style() & kGridDragMove) setCursor(Qt::CrossCursor);
        if (m_layout.Style() & kGridMagnifier) OpenMagnifier(event->globalPosition().toPoint());
    } else if (event->button() == Qt::RightButton) {
        DrawSelection(m_nCurrent, false);
        m_nCurrent = item;
        if (item >= 0)
            DrawSelection(item, true);
        else
            CurrentCleared();
        update();
    }
}

void WGridPicker::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const int item = HitTest(at.x(), at.y());
    if (m_bPressed && (event->buttons() & Qt::LeftButton)) {
        if (at.y() < 0)
            ScrollRows(-1);
        else if (at.y() >= height())
            ScrollRows(1);
        if (item >= 0 && item != m_nPressItem) m_bMoved = true;
        if (!(m_layout.Style() & kGridDragMove) && item >= 0 && item != m_nCurrent) {
            DrawSelection(m_nCurrent, false);
            m_nCurrent = item;
            DrawSelection(item, true);
        }
        MoveMagnifier(event->globalPosition().toPoint());
        return;
    }
    unsetCursor();
    if (item >= 0) {
        emit gridMessage(kGridMsgHover, item - SpecialOffset());
        NotifyHover(item);
    }
}

void WGridPicker::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const int item = rect().contains(at) ? HitTest(at.x(), at.y()) : -1;
    if (event->button() == Qt::LeftButton) {
        const bool pressed = m_bPressed;
        m_bPressed = false;
        unsetCursor();
        CloseMagnifier();
        if (!pressed || item < 0) return;
        if ((m_layout.Style() & kGridDragMove) && m_bMoved && item != m_nPressItem) {
            emit gridMessage(kGridMsgMoved,
                             (m_nPressItem & 0xFFFF) | (static_cast<qint64>(item & 0xFFFF) << 16));
            OnItemMoved(m_nPressItem, item);
            update();
            return;
        }
        DrawSelection(m_nCurrent, false);
        m_nCurrent = item;
        DrawSelection(item, true);
        emit gridMessage(kGridMsgReleased, ((item - SpecialOffset()) & 0xFFFF) | (1LL << 16));
        if (IsSpecial(item))
            NotifySpecialClick();
        else
            NotifyClick();
    } else if (event->button() == Qt::RightButton) {
        if (item < 0) return;
        emit gridMessage(kGridMsgReleased, (item - SpecialOffset()) & 0xFFFF);
        if (m_layout.Style() & kGridRightClickCells) {
            const QRect inner =
                (m_layout.Style() & kGrid3d) ? ItemRect(item).adjusted(2, 2, -2, -2) : ItemRect(item);
            if (inner.contains(at)) {
                if (IsSpecial(item))
                    NotifySpecialRightClick();
                else
                    NotifyRightClick();
            }
        }
    }
}

void WGridPicker::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) NotifyDoubleClick();
}

void WGridPicker::keyPressEvent(QKeyEvent* event) {
    GridKey key;
    switch (event->key()) {
    case Qt::Key_Left:
        key = GridKey::Left;
        break;
    case Qt::Key_Right:
        key = GridKey::Right;
        break;
    case Qt::Key_Up:
        key = GridKey::Up;
        break;
    case Qt::Key_Down:
        key = GridKey::Down;
        break;
    case Qt::Key_PageUp:
        key = GridKey::PageUp;
        break;
    case Qt::Key_PageDown:
        key = GridKey::PageDown;
        break;
    case Qt::Key_Home:
        key = GridKey::Home;
        break;
    case Qt::Key_End:
        key = GridKey::End;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    const GridLayout::KeyResult result = m_layout.Key(key, m_nCurrent);
    if (result.current != m_nCurrent) DrawSelection(m_nCurrent, false);
    if (result.step) ScrollRows(result.step);
    if (result.current != m_nCurrent) {
        m_nCurrent = result.current;
        DrawSelection(m_nCurrent, true);
    }
    update();
}

bool WGridPicker::event(QEvent* event) {
    // The arrow keys and Tab-free navigation belong to the grid, not to the dialog.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            event->accept();
            return true;
        default:
            break;
        }
    }
    return QWidget::event(event);
}

void WGridPicker::contextMenuEvent(QContextMenuEvent* event) {
    if (m_bPressed) {
        event->accept();
        return;
    }
    const QPoint at = event->pos();
    const int item = HitTest(at.x(), at.y());
    if (!m_config.menu || ((m_layout.Style() & kGridRightClickCells) && item >= 0)) {
        event->ignore(); // the parent's context help takes it
        return;
    }
    if (QAction* chosen = m_config.menu->exec(event->globalPos())) emit menuCommand(chosen->data().toUInt());
}

void WGridPicker::focusInEvent(QFocusEvent*) {
    if (QWidget::mouseGrabber() == this) releaseMouse();
    update();
}

void WGridPicker::focusOutEvent(QFocusEvent*) {
    update();
}

void WGridPicker::resizeEvent(QResizeEvent* event) {
    if (m_bFitting || !m_bConfigured || event->size() == m_fittedSize) {
        UpdateScrollBar();
        return;
    }
    const int scrollWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const GridRect fitted = m_layout.Resize(event->size().width(), event->size().height(), scrollWidth, 1);
    m_fittedSize = QSize(fitted.Width() + 1, fitted.Height() + 1);
    if (m_fittedSize != size()) {
        m_bFitting = true;
        resize(m_fittedSize);
        m_bFitting = false;
    }
    UpdateScrollBar();
}

void WGridPicker::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::PaletteChange) update();
    QWidget::changeEvent(event);
}

void WGridPicker::OpenMagnifier(QPoint globalPos) {
    CloseMagnifier();
    const int side = m_layout.CellSize() * m_nZoom / 100 + 2;
    m_pMagnifier = new MagnifierWindow(this, [this](QPainter& painter, const QRect& r) {
        if (m_nCurrent < 0 || m_nCurrent >= m_layout.Count()) return;
        painter.save();
        painter.setClipRect(r);
        DrawCell(painter, m_nCurrent, r);
        painter.restore();
    });
    m_pMagnifier->resize(side, side);
    setCursor(Qt::BlankCursor);
    MoveMagnifier(globalPos);
    m_pMagnifier->show();
}

void WGridPicker::MoveMagnifier(QPoint globalPos) {
    if (!m_pMagnifier) return;
    m_pMagnifier->move(globalPos - QPoint(m_pMagnifier->width() / 2, m_pMagnifier->height() / 2));
    m_pMagnifier->update();
}

void WGridPicker::CloseMagnifier() {
    if (m_pMagnifier) m_pMagnifier->close();
    m_pMagnifier = nullptr;
}
