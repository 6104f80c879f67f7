// The grid picker on its own: fitting to its window, the notifications and private messages of
// the mouse, the magnifier, drag to move, the special cell and the disabled look.
#include "properties/ui/WGridPicker.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

struct GridPicker : testing::Test {
    QWidget parent;
    WGridPicker* grid = nullptr;
    std::vector<std::pair<unsigned, int>> notes;
    std::vector<std::pair<int, qint64>> messages;

    void Make(unsigned style, int count, QSize size = QSize(260, 160)) {
        parent.resize(400, 300);
        grid = new WGridPicker(&parent);
        grid->setProperty("controlId", 1024u);
        grid->setGeometry(QRect(QPoint(10, 10), size));
        QObject::connect(grid, &WGridPicker::notify,
                         [this](unsigned id, int code) { notes.emplace_back(id, code); });
        QObject::connect(grid, &WGridPicker::gridMessage,
                         [this](int message, qint64 argument) { messages.emplace_back(message, argument); });
        GridPickerConfig config;
        config.cellSize = 50;
        config.style = style;
        config.count = count;
        config.rows = 0;
        config.columns = 0;
        grid->Configure(config);
        parent.show();
        QApplication::processEvents();
        grid->grab();
    }
    QPoint Center(int item) const { return grid->ItemRect(item).center(); }
    void Press(Qt::MouseButton button, QPoint at) {
        QMouseEvent e(QEvent::MouseButtonPress, at, grid->mapToGlobal(at), button, button, Qt::NoModifier);
        QApplication::sendEvent(grid, &e);
    }
    void MoveHeld(QPoint at) {
        QMouseEvent e(QEvent::MouseMove, at, grid->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(grid, &e);
    }
    void Release(Qt::MouseButton button, QPoint at) {
        QMouseEvent e(QEvent::MouseButtonRelease, at, grid->mapToGlobal(at), button, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(grid, &e);
    }
};

TEST_F(GridPicker, FitsRowsAndColumnsToItsWindowAndScrollsWhenNeeded) {
    Make(kGrid3d, 30);
    EXPECT_EQ(grid->Layout().Columns(), 4); // 260 less the scroll bar holds four 50-pixel columns
    EXPECT_EQ(grid->Layout().Rows(), 3);
    ASSERT_NE(grid->ScrollBar(), nullptr);
    EXPECT_TRUE(grid->ScrollBar()->isVisible());
    EXPECT_EQ(grid->ScrollBar()->property("controlId").toUInt(), 201u);
    EXPECT_EQ(grid->ScrollBar()->maximum(), 5); // 8 rows of items less the 3 shown
    EXPECT_EQ(grid->CurrentItem(), 0);          // the first paint makes item 0 current
    grid->SetCount(6);
    EXPECT_FALSE(grid->ScrollBar()->isVisible());
}

TEST_F(GridPicker, LeftClickReportsTheItemAndRightClickInsideACell) {
    Make(kGrid3d | kGridRightClickCells, 30);
    Press(Qt::LeftButton, Center(5));
    Release(Qt::LeftButton, Center(5));
    EXPECT_EQ(grid->CurrentItem(), 5);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0], std::make_pair(1024u, 1));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], std::make_pair(1037, qint64(5 | (1 << 16))));
    notes.clear();
    messages.clear();
    Press(Qt::RightButton, Center(2));
    Release(Qt::RightButton, Center(2));
    EXPECT_EQ(grid->CurrentItem(), 2);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], std::make_pair(1037, qint64(2)));
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].second, 3);
}

TEST_F(GridPicker, PressesWhereThereIsNoItem) {
    Make(kGrid3d, 5); // one full row of four and one item
    const QPoint empty = Center(4) + QPoint(100, 0);
    Press(Qt::LeftButton, Center(3));
    Release(Qt::LeftButton, Center(3));
    Press(Qt::LeftButton, empty);
    Release(Qt::LeftButton, empty);
    EXPECT_EQ(grid->CurrentItem(), 3); // the left button changes nothing there
    Press(Qt::RightButton, empty);
    EXPECT_EQ(grid->CurrentItem(), -1); // the right button leaves no item current...
    grid->grab();
    EXPECT_EQ(grid->CurrentItem(), 0); // ...until the next paint
}

TEST_F(GridPicker, MagnifierShowsWhileTheLeftButtonIsHeld) {
    Make(kGrid3d | kGridMagnifier, 30);
    Press(Qt::LeftButton, Center(1));
    ASSERT_NE(grid->Magnifier(), nullptr);
    EXPECT_TRUE(grid->Magnifier()->isVisible());
    EXPECT_EQ(grid->Magnifier()->width(), 52); // the cell at 100 percent, with its border
    MoveHeld(Center(2));
    EXPECT_EQ(grid->CurrentItem(), 2);
    Release(Qt::LeftButton, Center(2));
    EXPECT_EQ(grid->Magnifier(), nullptr);
}

TEST_F(GridPicker, DragToMoveReportsTheMoveAndKeepsTheCurrentItem) {
    Make(kGrid3d | kGridDragMove, 30);
    Press(Qt::LeftButton, Center(1));
    MoveHeld(Center(6));
    Release(Qt::LeftButton, Center(6));
    EXPECT_EQ(grid->CurrentItem(), 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], std::make_pair(1035, qint64(1 | (6 << 16))));
    EXPECT_TRUE(notes.empty());
}

TEST_F(GridPicker, TheSpecialCellReportsItsOwnClickAndMessagesCountWithoutIt) {
    Make(kGrid3d | kGridSpecialCell, 10);
    EXPECT_EQ(grid->Layout().Count(), 11);
    Press(Qt::LeftButton, Center(0));
    Release(Qt::LeftButton, Center(0));
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].second, 3);
    EXPECT_EQ(messages.back().second & 0xFFFF, 0xFFFF); // item -1: the special cell itself
    Press(Qt::LeftButton, Center(3));
    Release(Qt::LeftButton, Center(3));
    EXPECT_EQ(notes.back().second, 1);
    EXPECT_EQ(messages.back().second, qint64(2 | (1 << 16)));
}

TEST_F(GridPicker, DisabledAndNumberedLooksPaint) {
    Make(kGridNumbered, 12);
    EXPECT_FALSE(grid->grab().isNull());
    grid->setEnabled(false);
    EXPECT_FALSE(grid->grab().isNull());
}

} // namespace
