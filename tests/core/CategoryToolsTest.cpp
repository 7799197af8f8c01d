#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "categories/CategoryCombination.h"
#include "categories/VariableBinding.h"
#include "sheet/SheetRegistry.h"
#include "sheet/VariableRecord.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"

namespace zoriduvo {
namespace {

using test::TestApp;
using Texts = std::vector<std::string>;

Texts ColumnOf(const Sheet& sheet, int variable) {
    Texts texts;
    for (int c = 1; c <= sheet.caseCount(); ++c) texts.emplace_back(sheet.grdVo.text(c + 1, variable + 1));
    return texts;
}

void SelectCases(Sheet& sheet, int first, int last) {
    sheet.grdVo.setCurrent(first + 1, 2);
    sheet.grdVo.setSelectionEnd(last + 1, sheet.lastColumn());
}

TEST(CategoryCombination, RecodesTheRunAndShrinksTheDefinitionOverAllCases) {
    struct Case {
        const char* name;
        const char* low;
        const char* high;
        Texts before;
        int selectFirst, selectLast;  // 0: no row selection
        Texts after;
        CategoryRange definition;
    };
    const Texts codes = {"1", "2", "3", "4", "5", "", "0"};
    const Case cases[] = {
        {"2..3", "2", "3", codes, 0, 0, {"1", "2", "2", "3", "4", "", "0"}, {4, 4, 1}},
        {"3..3 rewrites higher values as integers", "3", "3", {"1", "4.4", "3"}, 0, 0, {"1", "4", "3"}, {5, 5, 1}},
        {"typed as 4 and 2", "4", "2", codes, 0, 0, {"1", "2", "2", "2", "3", "", "0"}, {3, 3, 1}},
        {"2.5 reads 2 within 1..3, 0 stays", "1", "3", {"2.5", "0", "3.5"}, 0, 0, {"1", "0", "2"}, {3, 3, 1}},
        {"row selection of cases 3-6", "2", "3", codes, 6, 3, {"1", "2", "2", "3", "4", "", "0"}, {5, 5, 1}},
        {"4..9 counts only the declared 4 and 5", "4", "9", codes, 0, 0, {"1", "2", "3", "4", "4", "", "0"}, {4, 4, 1}},
        {"0..2 merges 1 and 2 into 0, the minimum follows",
         "0",
         "2",
         codes,
         0,
         0,
         {"0", "0", "1", "2", "3", "", "0"},
         {4, 3, 0}},
        {"the widest 16-bit span",
         "-16384",
         "16383",
         codes,
         0,
         0,
         {"-16384", "-16384", "-16384", "-16384", "-16384", "", "-16384"},
         {1, -16384, -16384}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        test::FillSheet(sheet, test::Column(c.before));
        WriteCategoryRange(sheet, 1, {5, 5, 1});
        if (c.selectFirst) SelectCases(sheet, c.selectFirst, c.selectLast);
        const auto codeRange = ReadCodeRange(c.low, c.high);
        ASSERT_TRUE(codeRange);
        EXPECT_FALSE(CombineCategories(sheet, *codeRange, CategoricalVariables(sheet), ReadCaseRange(sheet)));
        EXPECT_EQ(ColumnOf(sheet, 1), c.after);
        EXPECT_EQ(ReadCategoryRange(sheet, 1), c.definition);
        EXPECT_TRUE(sheet.modified());
    }
}

TEST(CategoryCombination, RefusesRangesThatBreakTheDefinitionBeforeAnyChange) {
    struct Case {
        const char* name;
        CodeRange codes;
        CategoryRange definition;
        CategoryMessage refusal;
    };
    const Case cases[] = {
        {"no declared code above", {7, 9}, {5, 5, 1}, CategoryMessage::NoDeclaredCode},
        {"no declared code below", {-3, 0}, {5, 5, 1}, CategoryMessage::NoDeclaredCode},
        {"a count that leaves none", {1, 5}, {2, 5, 1}, CategoryMessage::NoCategoryLeft},
        {"a span no 16-bit count holds", {-32768, 32767}, {5, 5, 1}, CategoryMessage::SpanBeyond16Bit},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        test::FillSheet(sheet, test::Column({"1", "5", "8"}));
        WriteCategoryRange(sheet, 1, c.definition);
        EXPECT_EQ(CombineCategories(sheet, c.codes, {1}, ReadCaseRange(sheet)), c.refusal);
        EXPECT_EQ(ColumnOf(sheet, 1), (Texts{"1", "5", "8"}));
        EXPECT_EQ(ReadCategoryRange(sheet, 1), c.definition);
        EXPECT_FALSE(sheet.modified());
        EXPECT_FALSE(MessageOf(c.refusal).text.empty());
    }
}

TEST(CategoryCombination, CodesBeyond16BitsOrNotNumbersAreRefused) {
    for (const char* text : {"32768", "abc", ""}) EXPECT_FALSE(ReadCodeRange("1", text)) << text;
}

struct Bound {
    TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    explicit Bound(const std::vector<Texts>& rows, CategoryRange second = {3, 3, 1}) {
        test::FillSheet(sheet, rows);
        WriteCategoryRange(sheet, 1, {2, 2, 1});
        WriteCategoryRange(sheet, 2, second);
    }
};

TEST(VariableBinding, CodesEveryPairWithTheSecondFastest) {
    struct Case {
        const char* name;
        std::vector<Texts> rows;
        CategoryRange second;
        int selectFirst, selectLast;
        Texts codes;
    };
    const std::vector<Texts> pairs = {{"1", "1"}, {"1", "2"}, {"1", "3"}, {"2", "1"}, {"2", "3"}, {"2", ""}};
    const Case cases[] = {
        {"1..2 x 1..3, a blank", pairs, {3, 3, 1}, 0, 0, {"1", "2", "3", "4", "6", ""}},
        {"second coded from 0", {{"1", "0"}, {"2", "2"}}, {3, 2, 0}, 0, 0, {"1", "6"}},
        {"row selection of cases 4-6", pairs, {3, 3, 1}, 4, 6, {"", "", "", "4", "6", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bound b(c.rows, c.second);
        if (c.selectFirst) SelectCases(b.sheet, c.selectFirst, c.selectLast);
        ASSERT_TRUE(BindVariables(b.t.app, b.sheet, 1, 2, " AB ", ReadCaseRange(b.sheet)));
        EXPECT_EQ(b.sheet.variableCount(), 3);
        EXPECT_EQ(ColumnOf(b.sheet, 3), c.codes);
        EXPECT_EQ(b.sheet.grdVo.text(0, 4), "3");
        EXPECT_EQ(b.sheet.grdVo.text(1, 4), "AB");
        EXPECT_EQ(ReadDefinition(b.sheet, 3), (VariableDefinition{" AB ", {6, 6, 1}}));
        EXPECT_TRUE(b.sheet.modified());
    }
    EXPECT_EQ(ProposedBindingName("A", "B"), "AB");
}

TEST(VariableBinding, WidensAFullGrid) {
    Bound b(std::vector<Texts>{{"2", "3"}});
    b.sheet.grdVo.setCols(4);  // no free column after the last variable
    ASSERT_TRUE(BindVariables(b.t.app, b.sheet, 1, 2, "AB", ReadCaseRange(b.sheet)));
    EXPECT_GT(b.sheet.grdVo.cols(), 4);
    EXPECT_EQ(ColumnOf(b.sheet, 3), Texts{"6"});
}

TEST(VariableBinding, RefusesBeforeAnythingChanges) {
    struct Case {
        const char* name;
        const char* newName;
        CategoryRange second;
        const char* value;
    };
    const Case cases[] = {
        {"name with a comma", "A,B", {3, 3, 1}, "1"},
        {"name with a line break", "A\nB", {3, 3, 1}, "1"},
        {"blank name", "  ", {3, 3, 1}, "1"},
        {"product beyond 32767", "AB", {16384, 16384, 1}, "1"},
        {"code beyond 32767", "AB", {3, 3, 1}, "40000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bound b({{"1", c.value}}, c.second);
        EXPECT_FALSE(BindVariables(b.t.app, b.sheet, 1, 2, c.newName, ReadCaseRange(b.sheet)));
        EXPECT_EQ(b.t.ui.messages.size(), 1u);
        EXPECT_EQ(b.sheet.variableCount(), 2);
        EXPECT_FALSE(b.sheet.modified());
    }
}

}  // namespace
}  // namespace zoriduvo
