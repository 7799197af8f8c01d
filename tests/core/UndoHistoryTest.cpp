#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "UndoTestSupport.h"
#include "categories/CategoryCombination.h"
#include "categories/VariableBinding.h"
#include "edit/ClipboardCommands.h"
#include "edit/FindReplace.h"
#include "edit/InsertDelete.h"
#include "edit/MissingValues.h"
#include "edit/Sorting.h"
#include "edit/Transpose.h"
#include "files/GatherSheet.h"
#include "files/imports/ImportSheet.h"
#include "files/imports/Merge.h"
#include "sheet/CaseRange.h"
#include "sheet/DataChange.h"
#include "transform/RunTransformation.h"
#include "transform/TransformList.h"
#include "transform/TransformSetup.h"
#include "variables/BulkTyping.h"
#include "variables/CaseNames.h"
#include "variables/Comment.h"
#include "variables/FileLabel.h"
#include "variables/Labels.h"
#include "variables/StatisticsBlock.h"
#include "variables/VariableDefinitionEditor.h"

namespace zoriduvo {
namespace {

using test::Difference;
using test::Fixture;
using test::Select;
using test::Take;
using test::TestApp;
using test::Type;

void Transform(TestApp& t, Sheet& s, const std::string& statement) {
    TransformList list(ReadTransformSetup(s));
    ASSERT_FALSE(list.add(statement));
    ASSERT_FALSE(RunTransformation(t.app, s, list.setup(), list.records()));
}

void Paste(TestApp& t, Sheet& s, int row, int col, const std::string& text) {
    t.clipboard.content = text;
    s.grdVo.setCurrent(row, col);
    ASSERT_TRUE(PasteAtCursor(t.app, s));
}

void Merge(TestApp& t, Sheet& s, MergeDirection direction) {
    FileImage image;
    GatherSheet(t.app, s, "more.vo", false, image, GatheredBlanks::NativeMark);
    ASSERT_FALSE(direction == MergeDirection::Cases ? AppendImageCases(s, image) : AppendImageVariables(s, image));
}

void Replace(TestApp& t, Sheet& s, bool all) {
    s.grdVo.setCurrent(2, 3);
    const Search search{SearchLine::Column, true, "1"};
    if (all) {
        ASSERT_EQ(ReplaceAll(t.app, s, CaptureSearchStart(s), search, "9"), 2);
        return;
    }
    t.ui.answers = {Answer::No, Answer::Yes};
    ReplaceOneByOne(t.app, s, CaptureSearchStart(s), search, "9");
}

// What a command leaves in the history of the sheet it ran on.
enum class Effect {
    Modifies,  // a step, and something to save
    View,      // a step, nothing to save
    None,      // no step and the sheet as it was (the command made another sheet)
};

TEST(UndoHistory, EveryCommandUndoesToTheSheetBeforeAndRedoesToTheSheetAfter) {
    struct Case {
        const char* name;
        Fixture fixture;
        std::function<void(TestApp&, Sheet&)> command;
        Effect effect;
    } cases[] = {
        {"typing a value", Fixture::Grouped, [](TestApp& t, Sheet& s) { Type(t, s, 3, 3, "9"); }, Effect::Modifies},
        {"typing far below and right", Fixture::Grouped, [](TestApp& t, Sheet& s) { Type(t, s, 30, 9, "5"); },
         Effect::Modifies},
        {"sort within groups", Fixture::Grouped, [](TestApp& t, Sheet& s) { SortCases(t.app, s, 1, false, true); },
         Effect::Modifies},
        {"sort over all cases", Fixture::Grouped, [](TestApp& t, Sheet& s) { SortCases(t.app, s, 3, false, false); },
         Effect::Modifies},
        {"a new variable", Fixture::Grouped, [](TestApp& t, Sheet& s) { Transform(t, s, "Y = X1 * 2"); },
         Effect::Modifies},
        {"a variable rewritten from other cases", Fixture::Ranged,
         [](TestApp& t, Sheet& s) { Transform(t, s, "X3 = LAG(X3, 1)"); }, Effect::Modifies},
        {"EXPAND inserts columns", Fixture::Grouped, [](TestApp& t, Sheet& s) { Transform(t, s, "D = EXPAND(X2)"); },
         Effect::Modifies},
        {"a definition", Fixture::Grouped,
         [](TestApp& t, Sheet& s) {
             s.grdVo.setCurrent(3, 2);
             VariableDefinitionEditor e(t.app, s);
             e.fields().name = "身長";
             ASSERT_TRUE(e.ok());
         },
         Effect::Modifies},
        {"bulk types", Fixture::Grouped,
         [](TestApp& t, Sheet& s) {
             BulkTypeEditor e(t.app, s);
             e.choose({0, 2});
             e.categorical = true;
             e.minimum = "1";
             e.maximum = "4";
             ASSERT_EQ(e.execute(), BulkTypeEditor::Outcome::Done);
         },
         Effect::Modifies},
        {"new groups", Fixture::Grouped,
         [](TestApp&, Sheet& s) {
             DataChange change(s, "ケースグループ", DataChange::Statistics::Kept);
             ApplyCaseGroups(s, {1, 3});
             change.done();
         },
         Effect::Modifies},
        {"a file label", Fixture::Grouped, [](TestApp& t, Sheet& s) { ASSERT_TRUE(SetFileLabel(t.app, s, "調査 2026")); },
         Effect::Modifies},
        {"a comment", Fixture::Grouped, [](TestApp&, Sheet& s) { SetComment(s, "一行目\r\n二行目"); }, Effect::Modifies},
        {"a case range", Fixture::Grouped, [](TestApp& t, Sheet& s) { RangeSelection(s).execute(t.app, s, "2", "3"); },
         Effect::View},
        {"the range removed", Fixture::Ranged, [](TestApp&, Sheet& s) { RangeSelection::Remove(s); }, Effect::View},
        {"a block over part of the cases", Fixture::Grouped,
         [](TestApp& t, Sheet& s) {
             Select(s, 3, 2, 4, s.grdVo.cols() - 1);
             ShowStatisticsBlock(t.app, s);
         },
         Effect::View},
        {"cut", Fixture::Grouped,
         [](TestApp& t, Sheet& s) {
             Select(s, 3, 2, 9, 3);
             CutSelection(t.app, s);
         },
         Effect::Modifies},
        {"erase beyond the data", Fixture::Ranged,
         [](TestApp& t, Sheet& s) {
             t.ui.answers = {Answer::Ok};
             Select(s, 4, 3, 12, 8);
             ASSERT_TRUE(EraseSelection(t.app, s));
         },
         Effect::Modifies},
        {"paste within", Fixture::Grouped, [](TestApp& t, Sheet& s) { Paste(t, s, 3, 3, "8\t9\r7\t6"); },
         Effect::Modifies},
        {"paste growing the grid", Fixture::Ranged,
         [](TestApp& t, Sheet& s) { Paste(t, s, 90, 20, "a\tb\r\nc\td\r\n"); }, Effect::Modifies},
        {"paste with labels into a sheet on file", Fixture::BlankOnFile,
         [](TestApp& t, Sheet& s) {
             t.clipboard.content = "\tA\tB\r\nc1\t1\t2\r\nc2\t3\t4\r\n";
             ASSERT_EQ(PasteWithLabels(t.app, s), s.number());
         },
         Effect::Modifies},
        {"rows inserted in groups", Fixture::Grouped,
         [](TestApp& t, Sheet& s) { ASSERT_TRUE(InsertRows(t.app, s, 3, 2)); }, Effect::Modifies},
        {"rows inserted before a range", Fixture::Ranged,
         [](TestApp& t, Sheet& s) { ASSERT_TRUE(InsertRows(t.app, s, 2, 1)); }, Effect::Modifies},
        {"rows inserted below the data", Fixture::Grouped,
         [](TestApp& t, Sheet& s) { ASSERT_TRUE(InsertRows(t.app, s, 20, 3)); }, Effect::View},
        {"columns inserted", Fixture::Grouped, [](TestApp& t, Sheet& s) { ASSERT_TRUE(InsertColumns(t.app, s, 3, 2)); },
         Effect::Modifies},
        {"columns inserted at the first empty one", Fixture::Ranged,
         [](TestApp& t, Sheet& s) { ASSERT_TRUE(InsertColumns(t.app, s, 5, 2)); }, Effect::Modifies},
        {"rows deleted in groups", Fixture::Grouped,
         [](TestApp& t, Sheet& s) { ASSERT_TRUE(DeleteRows(t.app, s, 3, 1)); }, Effect::Modifies},
        {"rows deleted from a range", Fixture::Ranged,
         [](TestApp& t, Sheet& s) { ASSERT_TRUE(DeleteRows(t.app, s, 2, 3)); }, Effect::Modifies},
        {"columns deleted", Fixture::Grouped, [](TestApp& t, Sheet& s) { ASSERT_TRUE(DeleteColumns(t.app, s, 2, 2)); },
         Effect::Modifies},
        {"replace one by one", Fixture::Grouped, [](TestApp& t, Sheet& s) { Replace(t, s, false); }, Effect::Modifies},
        {"replace all", Fixture::Ranged, [](TestApp& t, Sheet& s) { Replace(t, s, true); }, Effect::Modifies},
        {"a value to blanks", Fixture::Grouped,
         [](TestApp& t, Sheet& s) {
             ASSERT_TRUE(ConvertMissing(t.app, s, MissingConversion::ValueToBlank, "2", {1, 2, 3}));
         },
         Effect::Modifies},
        {"blanks to a value", Fixture::Ranged,
         [](TestApp& t, Sheet& s) { ASSERT_TRUE(ConvertMissing(t.app, s, MissingConversion::BlankToValue, "0", {3})); },
         Effect::Modifies},
        {"a case name", Fixture::Grouped, [](TestApp& t, Sheet& s) { ASSERT_TRUE(StoreCaseName(t.app, s, 2, "太郎")); },
         Effect::Modifies},
        {"a case name past the last case", Fixture::Ranged,
         [](TestApp& t, Sheet& s) { ASSERT_TRUE(StoreCaseName(t.app, s, 7, "七")); }, Effect::Modifies},
        {"generated labels", Fixture::Grouped, [](TestApp&, Sheet& s) { GenerateLabels(s, LabelTarget::Both); },
         Effect::Modifies},
        {"erased labels", Fixture::Ranged, [](TestApp&, Sheet& s) { EraseLabels(s, LabelTarget::Cases); },
         Effect::Modifies},
        {"categories combined over all cases", Fixture::Grouped,
         [](TestApp&, Sheet& s) { CombineCategories(s, {2, 3}, {1}, ReadCaseRange(s)); }, Effect::Modifies},
        {"categories combined over a range", Fixture::Ranged,
         [](TestApp&, Sheet& s) { CombineCategories(s, {1, 2}, {1, 2}, ReadCaseRange(s)); }, Effect::Modifies},
        {"binding", Fixture::Grouped,
         [](TestApp& t, Sheet& s) { ASSERT_TRUE(BindVariables(t.app, s, 1, 2, "X1X2", ReadCaseRange(s))); },
         Effect::Modifies},
        {"merged cases", Fixture::Grouped, [](TestApp& t, Sheet& s) { Merge(t, s, MergeDirection::Cases); },
         Effect::Modifies},
        {"merged variables", Fixture::Ranged, [](TestApp& t, Sheet& s) { Merge(t, s, MergeDirection::Variables); },
         Effect::Modifies},
        {"transposition", Fixture::Grouped, [](TestApp& t, Sheet& s) { ASSERT_GT(TransposeSheet(t.app, s), s.number()); },
         Effect::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& s = test::MakeFixture(t, c.fixture);
        const test::Picture before = Take(s);
        c.command(t, s);
        const test::Picture after = Take(s);
        if (c.effect == Effect::None) {
            EXPECT_EQ(Difference(after, before), "");
            EXPECT_FALSE(s.history().canUndo());
            continue;
        }
        ASSERT_NE(after, before);
        ASSERT_TRUE(s.history().canUndo());
        s.history().undo();
        EXPECT_EQ(Difference(Take(s), before), "");
        s.history().redo();
        EXPECT_EQ(Difference(Take(s), after), "");
        EXPECT_EQ(s.modified(), c.effect == Effect::Modifies);
    }
}

// A command that changes nothing is no step: the blocks it took on entry come back and the
// modified flag stays as it was, set or not.
TEST(UndoHistory, ACommandThatChangesNothingIsNoStep) {
    const struct {
        const char* name;
        std::function<void(TestApp&, Sheet&)> command;
    } cases[] = {
        {"the same value typed", [](TestApp& t, Sheet& s) { Type(t, s, 2, 2, "3"); }},
        {"case names read with next and previous",
         [](TestApp& t, Sheet& s) {
             CaseNameEditor e(t.app, s);
             for (int i = 0; i < 3; ++i) ASSERT_TRUE(e.next(e.name()));
             while (e.canGoBack()) ASSERT_TRUE(e.previous(e.name()));
             ASSERT_TRUE(e.jump("3", e.name()));
         }},
        {"the same case name", [](TestApp& t, Sheet& s) { ASSERT_TRUE(StoreCaseName(t.app, s, 2, "n2")); }},
        {"an empty name past the last case", [](TestApp& t, Sheet& s) { ASSERT_TRUE(StoreCaseName(t.app, s, 9, "")); }},
        {"the same file label",
         [](TestApp& t, Sheet& s) { ASSERT_TRUE(SetFileLabel(t.app, s, s.information().fileLabel)); }},
        {"the same comment", [](TestApp&, Sheet& s) { SetComment(s, s.comment()); }},
        {"the same definition",
         [](TestApp& t, Sheet& s) {
             s.grdVo.setCurrent(2, 3);
             ASSERT_TRUE(VariableDefinitionEditor(t.app, s).ok());
         }},
        {"a replacement that finds nothing",
         [](TestApp& t, Sheet& s) {
             ASSERT_EQ(ReplaceAll(t.app, s, CaptureSearchStart(s), {SearchLine::Column, true, "99"}, "1"), 0);
         }},
        {"a value no cell holds to blanks",
         [](TestApp& t, Sheet& s) {
             ASSERT_TRUE(ConvertMissing(t.app, s, MissingConversion::ValueToBlank, "99", {1, 2, 3}));
         }},
        {"blanks to a value where there are none",
         [](TestApp& t, Sheet& s) { ASSERT_TRUE(ConvertMissing(t.app, s, MissingConversion::BlankToValue, "0", {1})); }},
        {"codes combined into themselves",
         [](TestApp&, Sheet& s) { CombineCategories(s, {2, 2}, {1, 2}, ReadCaseRange(s)); }},
        {"no range removed", [](TestApp&, Sheet& s) { RangeSelection::Remove(s); }},
        {"cases sorted already", [](TestApp& t, Sheet& s) { ASSERT_TRUE(SortCases(t.app, s, 2, false, true)); }},
        {"erasing empty cells",
         [](TestApp& t, Sheet& s) {
             t.ui.answers = {Answer::Ok};
             Select(s, 20, 2, 25, 5);
             ASSERT_TRUE(EraseSelection(t.app, s));
         }},
    };
    for (const auto& c : cases) {
        for (const bool modified : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (modified ? ", modified" : ", unmodified"));
            TestApp t;
            Sheet& s = test::MakeFixture(t);
            s.setModified(modified);
            s.grdVo.setCurrent(2, 2);
            const test::Picture before = Take(s);
            c.command(t, s);
            EXPECT_EQ(Difference(Take(s), before), "");
            EXPECT_FALSE(s.history().canUndo());
        }
    }
}

TEST(UndoHistory, SavedStateNewChangesAndTheBound) {
    TestApp t;
    Sheet& s = test::MakeFixture(t);
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
        Sheet& from = test::MakeFixture(t);
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
    Sheet& s = test::MakeFixture(t);
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
