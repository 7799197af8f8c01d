#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "sheet/SheetRegistry.h"
#include "sheet/VariableRecord.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"
#include "variables/CaseNames.h"
#include "variables/FileLabel.h"
#include "variables/Labels.h"
#include "variables/StatisticsBlock.h"
#include "variables/VariableInformation.h"

namespace zoriduvo {
namespace {

using test::TestApp;
using Texts = std::vector<std::string>;

struct Filled {
    TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    explicit Filled(int cases, int variables = 1) {
        test::FillSheet(sheet, std::vector<Texts>(cases, Texts(variables, "1")));
    }
};

TEST(CaseNames, StoringANameBeyondTheLastCaseExtendsTheSheet) {
    struct Case {
        const char* name;
        int caseNumber;
        const char* caseName;
        int caseCount;
    };
    const Case cases[] = {
        {"case 12 on 10 cases", 12, "十二", 12},
        {"an empty name does not extend", 12, "", 10},
        {"blanks and punctuation", 3, " a.b-c! ", 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Filled f(10);
        ASSERT_TRUE(StoreCaseName(f.t.app, f.sheet, c.caseNumber, c.caseName));
        EXPECT_EQ(f.sheet.caseCount(), c.caseCount);
        EXPECT_EQ(f.sheet.grdVo.text(c.caseNumber + 1, 1), c.caseName);
        EXPECT_EQ(f.sheet.modified(), *c.caseName != '\0') << "an empty name where there was none changes nothing";
        if (c.caseCount == 12) {
            EXPECT_EQ(f.sheet.grdVo.text(12, 0), "11");
            EXPECT_EQ(f.sheet.grdVo.text(13, 0), "12");
            EXPECT_EQ(f.sheet.grdVo.text(12, 1), "");
            EXPECT_EQ(f.sheet.grdVo.text(13, 2), "");
        }
    }
}

// Past the last case the rows are the statistics block's: the dialog takes the block away in the
// step of the move instead of offering its lines as names.
TEST(CaseNames, MovingPastTheLastCaseTakesTheStatisticsBlocksInTheStep) {
    const struct {
        const char* name;
        bool (*move)(CaseNameEditor&);
        int caseNumber;
    } cases[] = {
        {"next", [](CaseNameEditor& e) { return e.next(e.name()); }, 4},
        {"a number past the cases", [](CaseNameEditor& e) { return e.jump("6", e.name()); }, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Filled f(3);
        ShowStatisticsBlock(f.t.app, f.sheet);
        f.sheet.setModified(false);
        f.sheet.history().clear();
        f.sheet.grdVo.setCurrent(4, 2);
        CaseNameEditor e(f.t.app, f.sheet);
        ASSERT_TRUE(c.move(e));
        EXPECT_EQ(e.caseNumber(), c.caseNumber);
        EXPECT_EQ(e.name(), "");
        EXPECT_EQ(f.sheet.state().statisticsBlocks, 0);
        ASSERT_TRUE(e.next(""));
        EXPECT_EQ(f.sheet.caseCount(), 3) << "an empty name past the cases names none";
        EXPECT_FALSE(f.sheet.modified());
        f.sheet.history().undo();
        EXPECT_EQ(f.sheet.state().statisticsBlocks, 1);
        EXPECT_FALSE(f.sheet.history().canUndo()) << "the moves without a name are no steps of their own";
    }
}

TEST(CaseNames, NamesTheFileCannotHoldAreRefused) {
    for (const char* name : {"a,b", "a\"b", "a\nb", "a\rb"}) {
        Filled f(10);
        EXPECT_FALSE(StoreCaseName(f.t.app, f.sheet, 2, name)) << name;
        ASSERT_EQ(f.t.ui.messages.size(), 1u);
        EXPECT_EQ(f.t.ui.messages[0].text, "ケース名が間違っています。");
        EXPECT_EQ(f.sheet.grdVo.text(3, 1), "C2");
        EXPECT_FALSE(f.sheet.modified());
    }
}

TEST(CaseNames, TheNumberFieldTakesOnlyPlainPositiveIntegers) {
    EXPECT_EQ(CaseNumberField(" 12 "), 12);
    for (const char* text : {"0", "-1", "012", "1.0", "1e1", "12a", "", "40000"})
        EXPECT_FALSE(CaseNumberField(text)) << text;
}

TEST(Labels, GenerateAndEraseWriteBothGridsAndMarkTheSheet) {
    Filled f(2, 3);
    for (int v = 1; v <= 3; ++v) WriteDefinition(f.sheet, v, {"x", {}});
    f.sheet.grdVo.setText(2, 1, "typed");
    GenerateLabels(f.sheet, LabelTarget::Both);
    EXPECT_TRUE(f.sheet.modified());
    for (int v = 1; v <= 3; ++v) {
        EXPECT_EQ(f.sheet.grdVo.text(1, v + 1), "V" + std::to_string(v));
        EXPECT_EQ(f.sheet.grdVoLabel.text(0, v), "V" + std::to_string(v));
    }
    EXPECT_EQ(f.sheet.grdVo.text(2, 1), "C1");
    f.sheet.setModified(false);
    EraseLabels(f.sheet, LabelTarget::Variables);
    EXPECT_TRUE(f.sheet.modified());
    for (int v = 1; v <= 3; ++v) {
        EXPECT_EQ(f.sheet.grdVo.text(1, v + 1), "");
        EXPECT_EQ(f.sheet.grdVoLabel.text(0, v), "");
    }
    EXPECT_EQ(f.sheet.grdVo.text(3, 1), "C2");
}

TEST(FileLabel, InsertionReplacesTheSelectionAndAddsOneBlank) {
    struct Case {
        const char* text;
        std::size_t start, length;
        const char* result;
        std::size_t caret;
    };
    const Case cases[] = {
        {"", 0, 0, "12-07-2026 ", 11},
        {"ab", 1, 0, "a12-07-2026 b", 12},
        {"abcd", 1, 2, "a12-07-2026 d", 12},
        {"ab", 5, 9, "ab12-07-2026 ", 13},
    };
    for (const Case& c : cases) {
        const FieldEdit edit = InsertAtSelection(c.text, c.start, c.length, "12-07-2026");
        EXPECT_EQ(edit.text, c.result);
        EXPECT_EQ(edit.caret, c.caret);
    }
}

TEST(FileLabel, StoringMarksTheSheetAndRefusesQuotesAndLineBreaks) {
    Filled f(1);
    EXPECT_FALSE(SetFileLabel(f.t.app, f.sheet, "a\"b"));
    EXPECT_FALSE(SetFileLabel(f.t.app, f.sheet, "a\r\nb"));
    EXPECT_EQ(f.t.ui.messages.size(), 2u);
    EXPECT_FALSE(f.sheet.modified());
    EXPECT_TRUE(SetFileLabel(f.t.app, f.sheet, "調査 2026"));
    EXPECT_EQ(f.sheet.information().fileLabel, "調査 2026");
    EXPECT_TRUE(f.sheet.modified());
}

TEST(VariableInformation, CategoricalAndContinuousColumns) {
    Filled f(1, 2);
    WriteCategoryRange(f.sheet, 1, {5, 5, 1});
    using Column = std::array<std::string, 5>;
    EXPECT_EQ(VariableInformation(f.sheet), (std::vector<Column>{{"1", "V1", "ｶﾃｺﾞﾘｰ型", "5", "1"},
                                                                 {"2", "V2", "連続型", "－", "－"}}));
}

}  // namespace
}  // namespace zoriduvo
