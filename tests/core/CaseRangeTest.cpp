#include "sheet/CaseRange.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"

namespace zoriduvo {
namespace {

using test::TestApp;

TEST(CaseRange, SharedReaderFollowsSelectionThenAllCasesThenStoredRange) {
    struct Case {
        const char* name;
        int row, col, rowSel, colSel;
        WholeRows rule;
        const char* storedFirst;  // nullptr: no range set
        const char* storedLast;
        int first, last;
        CaseRangeSource source;
    };
    using enum WholeRows;
    using enum CaseRangeSource;
    // Ten cases of three variables: the last variable is column 4 of a 22-column grid.
    const Case cases[] = {
        {"single cell", 5, 3, 5, 3, ReachLastVariable, nullptr, nullptr, 1, 10, AllCases},
        {"whole grid rows", 5, 2, 10, 21, ReachLastVariable, nullptr, nullptr, 4, 9, Selection},
        {"dragged from bottom right", 10, 21, 5, 2, ReachLastVariable, nullptr, nullptr, 4, 9, Selection},
        {"ends on the last variable", 5, 2, 10, 4, ReachLastVariable, nullptr, nullptr, 4, 9, Selection},
        {"ends on the last variable, statistics rule", 5, 2, 10, 4, PassLastVariable, nullptr, nullptr, 1, 10, AllCases},
        {"passes the last variable, statistics rule", 5, 2, 10, 5, PassLastVariable, nullptr, nullptr, 4, 9, Selection},
        {"starts at the second variable", 5, 3, 10, 21, ReachLastVariable, nullptr, nullptr, 1, 10, AllCases},
        {"stops before the last variable", 5, 2, 10, 3, ReachLastVariable, nullptr, nullptr, 1, 10, AllCases},
        {"reaches past the last case", 8, 2, 40, 21, ReachLastVariable, nullptr, nullptr, 7, 10, Selection},
        {"rows below the data hold no case", 14, 2, 16, 21, ReachLastVariable, nullptr, nullptr, 1, 10, AllCases},
        {"single whole row", 3, 2, 3, 21, ReachLastVariable, nullptr, nullptr, 2, 2, Selection},
        {"stored range without selection", 5, 3, 5, 3, ReachLastVariable, "3", "6", 3, 6, StoredRange},
        {"all rows selected give way to the stored range", 2, 2, 11, 21, ReachLastVariable, "3", "6", 3, 6, StoredRange},
        {"a row selection beats the stored range", 5, 2, 6, 21, ReachLastVariable, "3", "6", 4, 5, Selection},
        {"stored range partly beyond the cases", 5, 3, 5, 3, ReachLastVariable, "8", "15", 8, 10, StoredRange},
        {"stored range wholly beyond the cases", 5, 3, 5, 3, ReachLastVariable, "12", "15", 1, 10, AllCases},
        {"stored range reversed", 5, 3, 5, 3, ReachLastVariable, "6", "3", 1, 10, AllCases},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        test::FillSheet(sheet, std::vector<std::vector<std::string>>(10, {"1", "2", "3"}));
        if (c.storedFirst) {
            sheet.state().rangeSelection = true;
            sheet.grdSInfo.setText(1, 0, c.storedFirst);
            sheet.grdSInfo.setText(1, 1, c.storedLast);
        }
        sheet.grdVo.setCurrent(c.row, c.col);
        sheet.grdVo.setSelectionEnd(c.rowSel, c.colSel);
        const CaseRange range = ReadCaseRange(sheet, c.rule);
        EXPECT_EQ(range.first, c.first);
        EXPECT_EQ(range.last, c.last);
        EXPECT_EQ(range.source, c.source);
    }
}

TEST(CaseRange, StoredTextIsIgnoredWhileNoRangeIsSet) {
    TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, test::Column(std::vector<std::string>(10, "1")));
    sheet.grdSInfo.setText(1, 0, "3");
    sheet.grdSInfo.setText(1, 1, "6");
    EXPECT_EQ(ReadCaseRange(sheet), (CaseRange{1, 10}));
}

TEST(CaseRange, CursorInTheOnlyVariableIsNoRowSelection) {
    TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, test::Column(std::vector<std::string>(10, "1")));
    sheet.grdVo.setCurrent(6, 2);
    EXPECT_EQ(ReadCaseRange(sheet), (CaseRange{1, 10}));
    sheet.grdVo.setSelectionEnd(7, 2);
    EXPECT_EQ(ReadCaseRange(sheet), (CaseRange{5, 6}));
}

TEST(CaseRange, SheetWithoutCasesHoldsNone) {
    TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    sheet.state().rangeSelection = true;
    EXPECT_TRUE(ReadCaseRange(sheet).empty());
}

TEST(CaseRange, TextsOfBlocksAndStateLabels) {
    EXPECT_EQ(CaseRangeText(1, 50), " 1- 50");
    EXPECT_EQ(RangeStateText(true, 3, 10), " あり  [ 3- 10]");
    EXPECT_EQ(RangeStateText(false, 3, 10), " なし ");
}

TEST(CaseRange, CaseNumbersRoundAndSaturate) {
    struct Case {
        const char* text;
        int expected;
    };
    for (const Case& c : {Case{"12", 12}, Case{" 3.5", 4}, Case{"2.5", 2}, Case{"abc", 0}, Case{"", 0},
                          Case{"1e12", INT_MAX}, Case{"-1e12", INT_MIN}}) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CaseNumberOf(c.text), c.expected);
    }
}

}  // namespace
}  // namespace zoriduvo
