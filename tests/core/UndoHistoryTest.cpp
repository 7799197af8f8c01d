#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "files/GatherSheet.h"
#include "files/imports/ImportSheet.h"
#include "sheet/CaseGroups.h"
#include "sheet/CellEditing.h"
#include "sheet/DataChange.h"
#include "sheet/RangeSelection.h"
#include "sheet/SheetRegistry.h"
#include "sheet/Sorting.h"
#include "sheet/Transpose.h"
#include "sheet/VariableRecord.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"
#include "transform/RunTransformation.h"
#include "transform/TransformList.h"
#include "transform/TransformSetup.h"
#include "variables/BulkTyping.h"
#include "variables/Comment.h"
#include "variables/FileLabel.h"
#include "variables/StatisticsBlock.h"
#include "variables/VariableDefinitionEditor.h"

namespace zoriduvo {
namespace {

using test::TestApp;

// Everything undo must put back: every cell of the four grids, grdVo's colours, widths and
// alignments, the end cells and the records.
struct Picture {
    std::vector<std::string> cells;
    std::vector<std::uint32_t> colours;
    std::vector<int> widths;
    std::string records;
    bool operator==(const Picture&) const = default;
};

// The first difference, for the failure message; empty when the pictures are equal.
std::string Difference(const Picture& a, const Picture& b) {
    if (a.records != b.records) return "records " + a.records + " / " + b.records;
    for (std::size_t i = 0; i < std::min(a.cells.size(), b.cells.size()); ++i)
        if (a.cells[i] != b.cells[i]) return "cell " + std::to_string(i) + ": " + a.cells[i] + " / " + b.cells[i];
    if (a.cells.size() != b.cells.size()) return "cell count";
    if (a.colours != b.colours) return "colours";
    if (a.widths != b.widths) return "widths or alignments";
    return {};
}

void AddGrid(Picture& p, const Grid& grid) {
    p.cells.push_back(std::to_string(grid.rows()) + "x" + std::to_string(grid.cols()));
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c) p.cells.emplace_back(grid.text(r, c));
}

Picture Take(const Sheet& s) {
    Picture p;
    for (const Grid* grid : {&s.grdVo, &s.grdVoLabel, &s.grdVoStat, &s.grdSInfo}) AddGrid(p, *grid);
    for (int r = 0; r < s.grdVo.rows(); ++r)
        for (int c = 2; c < s.grdVo.cols(); c += 3) p.colours.push_back(s.grdVo.backColour(r, c));
    for (int c = 0; c < s.grdVo.cols(); ++c) {
        p.widths.push_back(s.grdVo.colWidth(c));
        p.widths.push_back(static_cast<int>(s.grdVo.nameAlignment(c)));
    }
    const SheetState& st = s.state();
    p.records = s.endCell(0) + "," + s.endCell(1) + "," + s.comment() + "," + s.information().fileLabel + "," +
                std::to_string(st.statisticsBlocks) + "," + std::to_string(st.caseGroups) + "," +
                std::to_string(st.rangeSelection) + "," + std::to_string(st.blank) + "," +
                std::to_string(s.statisticsValid()) + "," + std::to_string(s.modified());
    return p;
}

// Four cases of three variables, variable 2 categorical, two groups, a block over all cases,
// as a file would load: unmodified and without history.
Sheet& Fixture(TestApp& t) {
    Sheet& s = t.app.sheet(NewSheet(t.app));
    test::FillSheet(s, {{"3", "1", "7"}, {"1", "2", ""}, {"4", "1", "5"}, {"2", "2", "6"}});
    for (int v = 1; v <= 3; ++v) WriteDefinition(s, v, {"V" + std::to_string(v), {}});
    WriteDefinition(s, 2, {"V2", {2, 2, 1}});
    ApplyCaseGroups(s, {2, 2});
    ShowStatisticsBlock(t.app, s);
    s.setModified(false);
    s.history().clear();
    return s;
}

void Type(TestApp& t, Sheet& s, int row, int col, const std::string& text) {
    s.grdVo.setCurrent(row, col);
    CommitEditorWithEnter(t.app, s, text);
    MoveAfterKey(t.app, s, CursorKey::Enter);
}

void Transform(TestApp& t, Sheet& s, const std::string& statement) {
    TransformList list(ReadTransformSetup(s));
    ASSERT_FALSE(list.add(statement));
    ASSERT_FALSE(RunTransformation(t.app, s, list.setup(), list.records()));
}

TEST(UndoHistory, EveryCommandUndoesToTheSheetBeforeAndRedoesToTheSheetAfter) {
    struct Case {
        const char* name;
        std::function<void(TestApp&, Sheet&)> command;
        bool modifies;
    } cases[] = {
        {"typing a value", [](TestApp& t, Sheet& s) { Type(t, s, 3, 3, "9"); }, true},
        {"typing far below and right", [](TestApp& t, Sheet& s) { Type(t, s, 30, 9, "5"); }, true},
        {"sort within groups", [](TestApp& t, Sheet& s) { SortCases(t.app, s, 1, true, true); }, true},
        {"sort over all cases", [](TestApp& t, Sheet& s) { SortCases(t.app, s, 3, false, false); }, true},
        {"a new variable", [](TestApp& t, Sheet& s) { Transform(t, s, "Y = V1 * 2"); }, true},
        {"a variable rewritten from other cases", [](TestApp& t, Sheet& s) { Transform(t, s, "V3 = LAG(V3, 1)"); },
         true},
        {"EXPAND inserts columns", [](TestApp& t, Sheet& s) { Transform(t, s, "D = EXPAND(V2)"); }, true},
        {"a definition",
         [](TestApp& t, Sheet& s) {
             s.grdVo.setCurrent(3, 2);
             VariableDefinitionEditor e(t.app, s);
             e.fields().name = "身長";
             ASSERT_TRUE(e.ok());
         },
         true},
        {"bulk types",
         [](TestApp& t, Sheet& s) {
             BulkTypeEditor e(t.app, s);
             e.choose({0, 2});
             e.categorical = true;
             e.minimum = "1";
             e.maximum = "4";
             ASSERT_EQ(e.execute(), BulkTypeEditor::Outcome::Done);
         },
         true},
        {"new groups",
         [](TestApp&, Sheet& s) {
             DataChange change(s, "ケースグループ", DataChange::Statistics::Kept);
             ApplyCaseGroups(s, {1, 3});
             change.done();
         },
         true},
        {"a file label", [](TestApp& t, Sheet& s) { ASSERT_TRUE(SetFileLabel(t.app, s, "調査 2026")); }, true},
        {"a comment", [](TestApp&, Sheet& s) { SetComment(s, "一行目\r\n二行目"); }, true},
        {"a case range", [](TestApp& t, Sheet& s) { RangeSelection(s).execute(t.app, s, "2", "3"); }, false},
        {"a block over part of the cases",
         [](TestApp& t, Sheet& s) {
             s.grdVo.setCurrent(3, 2);
             s.grdVo.setSelectionEnd(4, s.grdVo.cols() - 1);
             ShowStatisticsBlock(t.app, s);
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& s = Fixture(t);
        const Picture before = Take(s);
        c.command(t, s);
        const Picture after = Take(s);
        ASSERT_NE(after, before);
        ASSERT_TRUE(s.history().canUndo());
        s.history().undo();
        EXPECT_EQ(Difference(Take(s), before), "");
        EXPECT_FALSE(s.modified());
        s.history().redo();
        EXPECT_EQ(Difference(Take(s), after), "");
        EXPECT_EQ(s.modified(), c.modifies);
    }
}

TEST(UndoHistory, SavedStateNewChangesAndTheBound) {
    TestApp t;
    Sheet& s = Fixture(t);
    Type(t, s, 2, 2, "1");
    Type(t, s, 2, 2, "2");
    s.history().markSaved();  // as a save does
    s.setModified(false);
    Type(t, s, 2, 2, "3");
    EXPECT_EQ(s.history().undoName(), kTypingStep);
    s.history().undo();
    EXPECT_FALSE(s.modified()) << "back at the saved state";
    s.history().undo();
    EXPECT_TRUE(s.modified()) << "before the saved state";
    EXPECT_EQ(s.grdVo.text(2, 2), "1");
    Type(t, s, 3, 2, "8");
    EXPECT_FALSE(s.history().canRedo()) << "a new change drops the undone steps";
    EXPECT_TRUE(s.modified());

    for (int i = 0; i < 250; ++i) Type(t, s, 2, 3, std::to_string(i));
    EXPECT_EQ(s.history().stepCount(), UndoHistory::kMaxSteps);
    EXPECT_LT(s.history().bytes(), 1u << 20);
    int undone = 0;
    while (s.history().canUndo()) s.history().undo(), ++undone;
    EXPECT_EQ(undone, static_cast<int>(UndoHistory::kMaxSteps));
    EXPECT_TRUE(s.modified()) << "the saved state fell out of the history";
}

// A sheet that no file holds has nothing to go back to unmodified: one change and its undo leave
// it as it came, still unsaved.
TEST(UndoHistory, SheetsWithoutAFileStayModifiedWhateverIsUndone) {
    const struct {
        const char* name;
        int (*make)(TestApp& t, Sheet& from);
    } cases[] = {
        {"imported",
         [](TestApp& t, Sheet& from) {
             FileImage image;
             GatherSheet(t.app, from, "data.txt", false, image, GatheredBlanks::NativeMark);
             return LoadImportedImage(t.app, image, "data.Vo");
         }},
        {"transposed", [](TestApp& t, Sheet& from) { return TransposeSheet(t.app, from); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& from = Fixture(t);
        const int n = c.make(t, from);
        ASSERT_GT(n, from.number());
        Sheet& s = t.app.sheet(n);
        ASSERT_TRUE(s.modified());
        Type(t, s, 2, 2, "9");
        s.history().undo();
        EXPECT_TRUE(s.modified()) << "undone back to content that was never saved";
        s.history().markSaved();  // as a save does
        s.setModified(false);
        Type(t, s, 2, 2, "8");
        s.history().undo();
        EXPECT_FALSE(s.modified()) << "undone back to what was saved";
    }
}

// The command line keeps no steps: changes still happen and mark the sheet, nothing is recorded.
TEST(UndoHistory, KeepingNoStepsRecordsNothing) {
    TestApp t;
    Sheet& s = Fixture(t);
    s.history().keepNoSteps();
    Type(t, s, 2, 2, "5");
    ASSERT_TRUE(SortCases(t.app, s, 1, true, false));
    EXPECT_EQ(s.grdVo.text(2, 2), "5");
    EXPECT_TRUE(s.modified());
    EXPECT_FALSE(s.history().canUndo());
    EXPECT_EQ(s.history().stepCount(), 0u);
    EXPECT_EQ(s.history().bytes(), 0u);
}

}  // namespace
}  // namespace zoriduvo
