#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet/Grid.h"
#include "support/Fakes.h"

namespace zoriduvo {
namespace {

TEST(CellStorage, ShortAndLongTextsSurviveCopiesMovesAndSelfAssignment) {
    const std::string lengths[] = {"", "5", std::string(14, 'a'), std::string(15, 'b'), std::string(300, 'c'), "日本語の名前です"};
    for (const auto& text : lengths) {
        Cell cell = Cell::FromText(text);
        EXPECT_EQ(cell.text(), text);
        Cell copy = cell;
        Cell moved = std::move(cell);
        EXPECT_EQ(copy.text(), text);
        EXPECT_EQ(moved.text(), text);
        EXPECT_TRUE(cell.empty());
        const CellString whole = moved.text();
        moved = Cell::FromText(whole.view().substr(whole.size() / 2));  // from its own bytes
        EXPECT_EQ(moved.text(), text.substr(text.size() / 2));
        copy = copy;
        EXPECT_EQ(copy.text(), text);
    }
}

TEST(GridCells, UnwrittenCellsAreEmptyAndShrinkingDropsContent) {
    Grid grid(10, 5, 2, 2);
    EXPECT_EQ(grid.text(9, 4), "");
    grid.setText(9, 4, "x");
    grid.setText(3, 3, std::string(40, 'y'));
    grid.setRows(5);
    grid.setRows(10);
    EXPECT_EQ(grid.text(9, 4), "");
    EXPECT_EQ(grid.text(3, 3), std::string(40, 'y'));
    grid.setCols(3);
    grid.setCols(5);
    EXPECT_EQ(grid.text(3, 3), "");
    EXPECT_THROW(grid.text(10, 0), std::out_of_range);
    EXPECT_THROW(grid.setText(0, 5, "z"), std::out_of_range);
}

TEST(GridCells, CursorStaysInsideWhenTheGridShrinks) {
    Grid grid(10, 10, 2, 2);
    grid.setCurrent(9, 9);
    grid.setTopRow(8);
    grid.setRows(4);
    grid.setCols(3);
    EXPECT_EQ(grid.row(), 3);
    EXPECT_EQ(grid.col(), 2);
    EXPECT_EQ(grid.topRow(), 3);
}

TEST(GridColours, LaterSpansWinAndCoveredSpansAreDropped) {
    Grid grid(5, 10);
    grid.setBackColour(2, 2, 9, 0xEEEEEE);
    grid.setBackColour(2, 4, 4, 0x0000FF);
    EXPECT_EQ(grid.backColour(2, 3), 0xEEEEEEu);
    EXPECT_EQ(grid.backColour(2, 4), 0x0000FFu);
    EXPECT_EQ(grid.backColour(2, 1), kDefaultColour);
    EXPECT_EQ(grid.backColour(3, 4), kDefaultColour);
    grid.setBackColour(2, 2, 9, kDefaultColour);
    EXPECT_EQ(grid.backColour(2, 4), kDefaultColour);
}

TEST(GridNotifications, KindsFollowTheAreaAndBulkChangesTellOneReset) {
    ChangeBus bus;
    test::ChangeRecorder recorder(bus);
    Grid grid(10, 10, 2, 2);
    grid.attach(&bus, 7);
    grid.setText(1, 4, "V3");
    grid.setText(5, 0, "4");
    grid.setText(5, 5, "1");
    grid.setText(5, 5, "1");  // unchanged: not told
    ASSERT_EQ(recorder.changes.size(), 3u);
    EXPECT_EQ(recorder.changes[0].kind, ChangeKind::Names);
    EXPECT_EQ(recorder.changes[1].kind, ChangeKind::Names);
    EXPECT_EQ(recorder.changes[2].kind, ChangeKind::Cell);
    EXPECT_EQ(recorder.changes[2].sheet, 7);
    recorder.changes.clear();
    {
        Grid::BulkChange bulk(grid);
        for (int r = 2; r < 10; ++r) grid.setText(r, 2, "9");
        grid.setRows(40);
    }
    ASSERT_EQ(recorder.changes.size(), 1u);
    EXPECT_EQ(recorder.changes[0].kind, ChangeKind::Reset);
    grid.setRows(50);
    EXPECT_EQ(recorder.changes.back().kind, ChangeKind::RowsInserted);
    EXPECT_EQ(recorder.changes.back().row, 40);
    EXPECT_EQ(recorder.changes.back().count, 10);
}

TEST(GridNotifications, ABulkChangeOfAFewCellsTellsThoseCellsAndOfManyOneReset) {
    struct Case {
        const char* name;
        int cells;       // changed down column 2 from row 2
        bool moveCursor;
        std::vector<ChangeKind> told;
    };
    const std::vector<ChangeKind> threeCells(3, ChangeKind::Cell);
    std::vector<ChangeKind> threeAndCursor = threeCells;
    threeAndCursor.push_back(ChangeKind::Cursor);
    const Case cases[] = {
        {"a few cells", 3, false, threeCells},
        {"a few cells and the cursor", 3, true, threeAndCursor},
        {"more cells than a few", 100, true, {ChangeKind::Reset}},
        {"nothing changed", 0, false, {ChangeKind::Reset}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ChangeBus bus;
        test::ChangeRecorder recorder(bus);
        Grid grid(120, 5, 2, 2);
        grid.attach(&bus, 1);
        {
            Grid::BulkChange bulk(grid);
            for (int r = 2; r < 2 + c.cells; ++r) grid.setText(r, 2, "5");
            if (c.moveCursor) grid.setCurrent(4, 3);
            EXPECT_TRUE(recorder.changes.empty());  // nothing before the end
        }
        std::vector<ChangeKind> told;
        for (const ModelChange& change : recorder.changes) told.push_back(change.kind);
        EXPECT_EQ(told, c.told);
        if (c.told == threeCells) {
            EXPECT_EQ(recorder.changes[2].row, 4);
            EXPECT_EQ(recorder.changes[2].column, 2);
        }
    }
}

}  // namespace
}  // namespace zoriduvo

namespace zoriduvo {
namespace {

std::string Column(const Grid& grid, int col) {
    std::string out;
    for (int r = 0; r < grid.rows(); ++r) out += grid.text(r, col).empty() ? "." : std::string(grid.text(r, col));
    return out;
}

TEST(GridStructure, InsertAndRemoveMoveContentsAndColours) {
    Grid grid(4, 4);
    for (int r = 0; r < 4; ++r) grid.setText(r, 1, std::string(1, char('a' + r)));
    grid.setBackColour(2, 0, 3, 0x111111);
    grid.insertRows(1, 2);
    EXPECT_EQ(Column(grid, 1), "a..bcd");
    EXPECT_EQ(grid.backColour(4, 2), 0x111111u);
    grid.removeRows(0, 2);
    EXPECT_EQ(Column(grid, 1), ".bcd");
    grid.insertCols(1, 1);
    EXPECT_EQ(Column(grid, 2), ".bcd");
    EXPECT_EQ(Column(grid, 1), "....");
    EXPECT_EQ(grid.backColour(2, 4), 0x111111u);
    grid.removeCols(0, 2);
    EXPECT_EQ(Column(grid, 0), ".bcd");
    EXPECT_EQ(grid.backColour(2, 0), 0x111111u);
    EXPECT_EQ(grid.cols(), 3);
    EXPECT_THROW(grid.removeRows(3, 2), std::out_of_range);
}

TEST(GridStructure, PermuteRowsReordersTheRangeOnly) {
    Grid grid(6, 2);
    for (int r = 0; r < 6; ++r) grid.setText(r, 0, std::to_string(r));
    grid.permuteRows(2, {2, 0, 1});
    EXPECT_EQ(Column(grid, 0), "014235");
    EXPECT_THROW(grid.permuteRows(4, {0, 1, 2}), std::out_of_range);
}

}  // namespace
}  // namespace zoriduvo
