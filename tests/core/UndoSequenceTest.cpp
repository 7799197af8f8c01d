// Long seeded runs of commands on a small sheet, undone to the start and redone to the end: every
// step must lead back to the sheet as it was before it and forward to the sheet as it was after.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

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
#include "variables/VariableDefinitionEditor.h"

namespace zoriduvo {
namespace {

using test::TestApp;

// Draws the parameters of one command.
struct Draw {
    std::mt19937 rng;
    int operator()(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }
    template <typename T>
    const T& of(const std::vector<T>& items) {
        return items[static_cast<std::size_t>((*this)(0, static_cast<int>(items.size()) - 1))];
    }
    std::string value() { return of<std::string>({"1", "2", "3", "", "2.5", "x"}); }
    int row(const Sheet& s) { return (*this)(2, s.lastRow() + 2); }
    int col(const Sheet& s) { return (*this)(2, s.lastColumn() + 2); }
    void select(Sheet& s) {
        const int top = row(s), left = col(s);
        test::Select(s, top, left, top + (*this)(0, 2), left + (*this)(0, 2));
    }
};

struct Turn {
    TestApp& t;
    Sheet& s;
    Draw& d;
    const FileImage& more;  // what merges bring
};

void Transform(Turn& r, const std::string& statement) {
    TransformList list(ReadTransformSetup(r.s));
    if (!list.add(statement)) RunTransformation(r.t.app, r.s, list.setup(), list.records());
}

const struct Command {
    const char* name;
    void (*run)(Turn&);
} kCommands[] = {
    {"typing", [](Turn& r) { test::Type(r.t, r.s, r.d.row(r.s), r.d.col(r.s), r.d.value()); }},
    {"cut",
     [](Turn& r) {
         r.d.select(r.s);
         CutSelection(r.t.app, r.s);
     }},
    {"erase",
     [](Turn& r) {
         r.t.ui.answers = {Answer::Ok};
         r.d.select(r.s);
         EraseSelection(r.t.app, r.s);
     }},
    {"paste",
     [](Turn& r) {
         r.t.clipboard.content = r.d.value() + "\t" + r.d.value() + (r.d(0, 1) ? "\r" + r.d.value() : "");
         r.s.grdVo.setCurrent(r.d.row(r.s), r.d.col(r.s));
         PasteAtCursor(r.t.app, r.s);
     }},
    {"paste with labels",
     [](Turn& r) {
         r.t.clipboard.content = "\tA\r\nc\t" + r.d.value() + "\r\n";
         PasteWithLabels(r.t.app, r.s);
     }},
    {"insert rows", [](Turn& r) { InsertRows(r.t.app, r.s, r.d.row(r.s), r.d(1, 2)); }},
    {"insert columns", [](Turn& r) { InsertColumns(r.t.app, r.s, r.d.col(r.s), r.d(1, 2)); }},
    {"delete rows", [](Turn& r) { DeleteRows(r.t.app, r.s, r.d.row(r.s), r.d(1, 2)); }},
    {"delete columns", [](Turn& r) { DeleteColumns(r.t.app, r.s, r.d.col(r.s), 1); }},
    {"replace",
     [](Turn& r) {
         r.s.grdVo.setCurrent(r.d.row(r.s), r.d.col(r.s));
         const Search search{r.d(0, 1) ? SearchLine::Column : SearchLine::Row, r.d(0, 1) == 1, r.d.value()};
         const std::string replacement = r.d.value();
         if (r.d(0, 1)) {
             ReplaceAll(r.t.app, r.s, CaptureSearchStart(r.s), search, replacement);
             return;
         }
         for (int i = 0; i < 8; ++i) r.t.ui.answers.push_back(r.d(0, 1) ? Answer::Yes : Answer::No);
         ReplaceOneByOne(r.t.app, r.s, CaptureSearchStart(r.s), search, replacement);
         r.t.ui.answers.clear();
     }},
    {"missing values",
     [](Turn& r) {
         const auto way = r.d(0, 1) ? MissingConversion::ValueToBlank : MissingConversion::BlankToValue;
         ConvertMissing(r.t.app, r.s, way, r.d.of<std::string>({"1", "2", "0"}), MissingTargetVariables(r.s));
     }},
    {"case name", [](Turn& r) { StoreCaseName(r.t.app, r.s, r.d(1, r.s.caseCount() + 2), r.d.of<std::string>({"", "a", "名"})); }},
    {"case-name dialog",
     [](Turn& r) {
         r.s.grdVo.setCurrent(r.d.row(r.s), 2);
         CaseNameEditor e(r.t.app, r.s);
         for (int i = r.d(1, 3); i > 0; --i) e.next(r.d(0, 2) ? e.name() : "b");
     }},
    {"labels",
     [](Turn& r) {
         const auto target = r.d.of<LabelTarget>({LabelTarget::Both, LabelTarget::Variables, LabelTarget::Cases});
         r.d(0, 1) ? GenerateLabels(r.s, target) : EraseLabels(r.s, target);
     }},
    {"category combination",
     [](Turn& r) {
         const std::vector<int> variables = CategoricalVariables(r.s);
         if (!variables.empty()) CombineCategories(r.s, {1, r.d(1, 3)}, {r.d.of(variables)}, ReadCaseRange(r.s));
     }},
    {"binding",
     [](Turn& r) {
         const std::vector<int> variables = CategoricalVariables(r.s);
         if (variables.size() >= 2 && r.s.variableCount() < 8)
             BindVariables(r.t.app, r.s, variables[0], variables[1], "B", ReadCaseRange(r.s));
     }},
    {"sort", [](Turn& r) { SortCases(r.t.app, r.s, r.d(1, std::max(1, r.s.variableCount())), r.d(0, 1), r.d(0, 1)); }},
    {"transformation", [](Turn& r) { Transform(r, r.d(0, 1) ? "T = 2" : "T = LAG(T, 1)"); }},
    {"definition",
     [](Turn& r) {
         r.s.grdVo.setCurrent(2, r.d(2, r.s.lastColumn()));
         VariableDefinitionEditor e(r.t.app, r.s);
         e.fields().name = r.d.of<std::string>({"身長", "W", e.fields().name});
         e.ok();
     }},
    {"bulk types",
     [](Turn& r) {
         BulkTypeEditor e(r.t.app, r.s);
         e.choose({0});
         e.categorical = r.d(0, 1);
         e.minimum = "1";
         e.maximum = "3";
         e.execute();
     }},
    {"groups",
     [](Turn& r) {
         const int n = r.s.caseCount();
         if (n < 2) return;
         DataChange change(r.s, "ケースグループ", DataChange::Statistics::Kept);
         const int first = r.d(1, n - 1);
         ApplyCaseGroups(r.s, {first, n - first});
         change.done();
     }},
    {"file label", [](Turn& r) { SetFileLabel(r.t.app, r.s, r.d.of<std::string>({"調査", "b"})); }},
    {"comment", [](Turn& r) { SetComment(r.s, r.d.of<std::string>({"一行", "a\r\nb"})); }},
    {"range",
     [](Turn& r) {
         const int from = r.d(1, 3);
         RangeSelection(r.s).execute(r.t.app, r.s, std::to_string(from), std::to_string(from + r.d(0, 2)));
     }},
    {"statistics block",
     [](Turn& r) {
         if (r.d(0, 1)) test::Select(r.s, 2, 2, r.d(2, r.s.lastRow()), r.s.grdVo.cols() - 1);
         ShowStatisticsBlock(r.t.app, r.s);
     }},
    {"transposition", [](Turn& r) { TransposeSheet(r.t.app, r.s); }},
    {"merge",
     [](Turn& r) {
         if (r.s.caseCount() > 12 || r.s.variableCount() > 8) return;
         r.d(0, 1) ? AppendImageCases(r.s, r.more) : AppendImageVariables(r.s, r.more);
     }},
};

// Small enough for the history to keep every step.
constexpr int kCommandsPerRun = 180;

TEST(UndoSequence, SeededRunsUndoToTheStartAndRedoToTheEndStepByStep) {
    for (const unsigned seed : {1u, 7u, 2026u, 31337u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        TestApp t;
        Sheet& s = test::MakeFixture(t);
        FileImage more;
        GatherSheet(t.app, test::MakeFixture(t), "more.vo", false, more, GatheredBlanks::NativeMark);
        Draw draw{std::mt19937(seed)};
        Turn turn{t, s, draw, more};
        // After each command that made steps: the steps so far and the sheet.
        std::vector<std::pair<std::size_t, test::Picture>> done{{0, test::Take(s)}};
        std::vector<const char*> names;
        for (int i = 0; i < kCommandsPerRun; ++i) {
            const Command& command = kCommands[draw(0, static_cast<int>(std::size(kCommands)) - 1)];
            command.run(turn);
            test::Picture now = test::Take(s);
            if (s.history().stepCount() == done.back().first) {
                ASSERT_EQ(test::Difference(now, done.back().second), "") << command.name << " changed without a step";
                continue;
            }
            names.push_back(command.name);
            done.emplace_back(s.history().stepCount(), std::move(now));
        }
        std::size_t at = done.back().first;  // the steps done
        for (std::size_t k = names.size(); k > 0; --k) {
            for (; at > done[k - 1].first; --at) s.history().undo();
            ASSERT_EQ(test::Difference(test::Take(s), done[k - 1].second), "") << "undoing " << names[k - 1];
        }
        ASSERT_FALSE(s.history().canUndo());
        for (std::size_t k = 1; k <= names.size(); ++k) {
            for (; at < done[k].first; ++at) s.history().redo();
            ASSERT_EQ(test::Difference(test::Take(s), done[k].second), "") << "redoing " << names[k - 1];
        }
    }
}

}  // namespace
}  // namespace zoriduvo
