#include "edit/MissingValues.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"

namespace zoriduvo {
namespace {

using test::TestApp;
using Texts = std::vector<std::string>;

Texts Cells(const Sheet& sheet) {
    Texts texts;
    for (int c = 1; c <= sheet.caseCount(); ++c)
        for (int v = 1; v <= sheet.variableCount(); ++v) texts.emplace_back(sheet.grdVo.text(c + 1, v + 1));
    return texts;
}

TEST(MissingValues, TheSelectionDecidesTheVariablesAndTextsAreCompared) {
    struct Case {
        const char* name;
        const char* value;
        bool wholeColumn;  // variable 1 selected by its header, else the single cell (3, 2)
        Texts after;
    };
    const Case cases[] = {
        {"whole column", "1", true, {"", "1", "2", "2", "", "2.50"}},
        {"single cell: every variable", " 1 ", false, {"", "", "2", "2", "", "2.50"}},
        {"2.5 is not 2.50", "2.5", false, {"1", "1", "2", "2", "1", "2.50"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        test::FillSheet(sheet, {{"1", "1"}, {"2", "2"}, {"1", "2.50"}});
        Grid& grid = sheet.grdVo;
        grid.setCurrent(c.wholeColumn ? grid.rows() - 1 : 3, 2);
        if (c.wholeColumn) grid.setSelectionEnd(2, 2);
        ASSERT_TRUE(
            ConvertMissing(t.app, sheet, MissingConversion::ValueToBlank, c.value, MissingTargetVariables(sheet)));
        EXPECT_EQ(Cells(sheet), c.after);
        EXPECT_EQ(sheet.modified(), c.after[0] != "1" || c.after[1] != "1") << "no cell converted, nothing to save";
    }
}

TEST(MissingValues, BlankToValueStopsAtTheLastCase) {
    TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, {{""}, {"4"}, {""}});
    ASSERT_TRUE(ConvertMissing(t.app, sheet, MissingConversion::BlankToValue, "0", {1}));
    EXPECT_EQ(Cells(sheet), (Texts{"0", "4", "0"}));
    EXPECT_EQ(sheet.grdVo.text(5, 2), "");
}

TEST(MissingValues, NonNumbersAreRefusedWithTheDialogsTitle) {
    for (const auto conversion : {MissingConversion::ValueToBlank, MissingConversion::BlankToValue}) {
        TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        test::FillSheet(sheet, {{"abc"}});
        EXPECT_FALSE(ConvertMissing(t.app, sheet, conversion, "abc", {1}));
        EXPECT_EQ(sheet.grdVo.text(2, 2), "abc");
        EXPECT_FALSE(sheet.modified());
        EXPECT_EQ(t.ui.beeps, 1);
        EXPECT_EQ(t.ui.messages.at(0).text, "数値を指定して下さい。");
        EXPECT_EQ(t.ui.messages.at(0).title,
                  conversion == MissingConversion::ValueToBlank ? "指定の値を欠損値へ" : "欠損値を指定の値へ");
    }
}

TEST(BlankCode, SeparatorsAndLineBreaksAreRefused) {
    const struct {
        const char* code;
        bool taken;
    } cases[] = {{"NA", true},      {"", true},      {"-999", true}, {"N,A", false},
                 {"\"NA\"", false}, {"N\nA", false}, {"N\rA", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        EXPECT_EQ(SetBlankCode(t.app, sheet, c.code), c.taken);
        EXPECT_EQ(sheet.information().blankCode, c.taken ? c.code : "%M");
        EXPECT_EQ(t.ui.messages.empty(), c.taken);
    }
}

TEST(SeedRandom, ZeroSeedsFromTheClockANumberRepeatsItsStream) {
    TestApp t;
    SeedRandom(t.app, "42");
    const double first = t.random.next();
    SeedRandom(t.app, "42");
    EXPECT_EQ(t.random.next(), first);
    SeedRandom(t.app, "0");
    const double fromClock = t.random.next();
    t.clock.seconds += 1000;
    SeedRandom(t.app, "");
    EXPECT_NE(t.random.next(), fromClock);
}

}  // namespace
}  // namespace zoriduvo
