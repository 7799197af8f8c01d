#include "edit/ClipboardCommands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"
#include "variables/StatisticsBlock.h"

namespace zoriduvo {
namespace {

using test::TestApp;
using Texts = std::vector<std::string>;

// Values 1 2 / 3 4 in variables V1 V2 of cases C1 C2.
Sheet& SmallSheet(TestApp& t) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, {{"1", "2"}, {"3", "4"}});
    return sheet;
}

void Select(Sheet& sheet, int row, int col, int rowSel, int colSel) {
    sheet.grdVo.setCurrent(row, col);
    sheet.grdVo.setSelectionEnd(rowSel, colSel);
}

Texts Row(const Sheet& sheet, int row, int first, int last) {
    Texts texts;
    for (int c = first; c <= last; ++c) texts.emplace_back(sheet.grdVo.text(row, c));
    return texts;
}

TEST(ClipboardCopy, TextsAreByteForByteWithTheirOwnLineEnds) {
    struct Case {
        const char* name;
        void (*command)(App&, Sheet&);
        const char* expected;
    };
    const Case cases[] = {
        {"copy: CR LF between rows, nothing after", CopySelection, "1\t2\r\n3\t4"},
        {"cut: CR LF between rows and after", CutSelection, "1\t2\r\n3\t4\r\n"},
        {"copy with labels", CopyWithLabels, "\tV1\tV2\r\nC1\t1\t2\r\nC2\t3\t4\r\n"},
        {"whole sheet", CopyWholeSheet, "\tV1\tV2\r\nC1\t1\t2\r\nC2\t3\t4\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = SmallSheet(t);
        Select(sheet, 2, 2, 3, 3);
        c.command(t.app, sheet);
        EXPECT_EQ(t.clipboard.content, c.expected);
    }
}

TEST(ClipboardCopy, SelectionBeyondTheUsedRangeIsCutToItButEraseEmptiesAll) {
    TestApp t;
    Sheet& sheet = SmallSheet(t);
    Select(sheet, 2, 2, 9, 9);
    CopySelection(t.app, sheet);
    EXPECT_EQ(t.clipboard.content, "1\t2\r\n3\t4");
    EXPECT_EQ(sheet.grdVo.rowSel(), 3);

    sheet.grdVo.setText(6, 6, "x");  // outside the used range
    Select(sheet, 2, 2, 9, 9);
    EXPECT_FALSE(EraseSelection(t.app, sheet));  // unscripted: Cancel
    EXPECT_EQ(sheet.grdVo.text(6, 6), "x");
    EXPECT_FALSE(sheet.modified());
    t.ui.answers = {Answer::Ok};
    ASSERT_TRUE(EraseSelection(t.app, sheet));
    EXPECT_EQ(Row(sheet, 2, 2, 3), (Texts{"", ""}));
    EXPECT_EQ(sheet.grdVo.text(6, 6), "");
    EXPECT_TRUE(sheet.modified());
    EXPECT_EQ(t.ui.messages.back().text, "選択されているデータを削除します");
}

TEST(ClipboardCopy, WholeSheetTakesTheStatisticsBlock) {
    TestApp t;
    Sheet& sheet = SmallSheet(t);
    ShowStatisticsBlock(t.app, sheet);
    CopyWholeSheet(t.app, sheet);
    const std::string& text = t.clipboard.content;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3 + 7);
    EXPECT_NE(text.find(" 平　均\t2\t3\r\n"), std::string::npos) << text;
}

TEST(ClipboardPaste, TextsAreStoredAsTheyAreAndCopyBackIdentically) {
    TestApp t;
    Sheet& sheet = SmallSheet(t);
    sheet.grdVo.setCurrent(3, 3);
    t.clipboard.content = "a\t5.0\r\nx y\t\r\n";
    ASSERT_TRUE(PasteAtCursor(t.app, sheet));
    EXPECT_EQ(Row(sheet, 3, 3, 4), (Texts{"a", "5.0"}));
    EXPECT_EQ(Row(sheet, 4, 3, 4), (Texts{"x y", ""}));
    EXPECT_EQ(sheet.lastColumn(), 4);
    EXPECT_EQ(sheet.lastRow(), 4);
    EXPECT_EQ(sheet.grdVo.text(1, 4), "V3");  // the new variable gets its default name
    EXPECT_TRUE(sheet.modified());
    CopySelection(t.app, sheet);
    EXPECT_EQ(t.clipboard.content, "a\t5.0\r\nx y\t");
    CutSelection(t.app, sheet);
    EXPECT_EQ(t.clipboard.content, "a\t5.0\r\nx y\t\r\n");
    EXPECT_EQ(Row(sheet, 3, 3, 4), (Texts{"", ""}));
    EXPECT_EQ(sheet.lastRow(), 4);  // the used range does not shrink
}

// Clipboard texts of editors, terminals and browsers end lines in LF alone, older programs in CR.
TEST(ClipboardPaste, EveryLineEndFormSplitsTheSameRows) {
    const struct {
        const char* name;
        const char* text;
    } cases[] = {
        {"LF", "1\t2\n3\t4"},          {"LF after the last line", "1\t2\n3\t4\n"},
        {"CR LF", "1\t2\r\n3\t4\r\n"}, {"CR", "1\t2\r3\t4\r"},
        {"mixed", "1\t2\r\n3\t4\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        sheet.grdVo.setCurrent(2, 2);
        t.clipboard.content = c.text;
        ASSERT_TRUE(PasteAtCursor(t.app, sheet));
        EXPECT_EQ(Row(sheet, 2, 2, 3), (Texts{"1", "2"}));
        EXPECT_EQ(Row(sheet, 3, 2, 3), (Texts{"3", "4"}));
        EXPECT_EQ(sheet.caseCount(), 2);
        EXPECT_EQ(sheet.variableCount(), 2);

        // The same lines under labels; the second case has no name, so its values move left.
        TestApp labelled;
        Sheet& blank = labelled.app.sheet(NewSheet(labelled.app));
        labelled.clipboard.content = std::string("\tA\tB\nC1\t") + c.text;
        Sheet& table = labelled.app.sheet(PasteWithLabels(labelled.app, blank));
        EXPECT_EQ(table.caseCount(), 2);
        EXPECT_EQ(Row(table, 3, 1, 3), (Texts{"3", "4", ""}));
    }
}

TEST(ClipboardPaste, SingleLineFeedsKeepNumbersApart) {
    TestApp t;
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    sheet.grdVo.setCurrent(2, 2);
    t.clipboard.content = "6\n7";
    ASSERT_TRUE(PasteAtCursor(t.app, sheet));
    EXPECT_EQ(sheet.grdVo.text(2, 2), "6");
    EXPECT_EQ(sheet.grdVo.text(3, 2), "7");
}

TEST(ClipboardPaste, TwentyThousandCharactersPassAndOneMoreIsRefused) {
    for (const std::size_t size : {std::size_t{20000}, std::size_t{20001}}) {
        SCOPED_TRACE(size);
        TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        t.clipboard.content = std::string(size / 2, 'a') + std::string(size - size / 2 - 1, 'b') + "\xE3\x81\x82";
        const bool pasted = PasteAtCursor(t.app, sheet);
        EXPECT_EQ(pasted, size == 20000);
        EXPECT_EQ(sheet.modified(), pasted);
        EXPECT_EQ(t.ui.messages.empty(), pasted);
        if (!pasted) {
            EXPECT_EQ(t.ui.messages[0].text, "データのサイズが大きすぎます。分割して貼り付けて下さい。");
        }
    }
}

TEST(ClipboardPaste, FarBeyondTheUsedRangeTheGridHoldsTheArea) {
    TestApp t;
    Sheet& sheet = SmallSheet(t);
    sheet.grdVo.setRows(400);
    sheet.grdVo.setCols(200);
    sheet.grdVo.setCurrent(300, 150);
    std::string text;
    for (int r = 0; r < 40; ++r) text += std::string("1\t2\t3\t4\t5\t6\t7\t8\t9\t10") + "\r\n";
    t.clipboard.content = text;
    ASSERT_TRUE(PasteAtCursor(t.app, sheet));
    EXPECT_EQ(sheet.lastRow(), 339);
    EXPECT_EQ(sheet.lastColumn(), 159);
    EXPECT_EQ(sheet.grdVo.text(339, 159), "10");
    EXPECT_GT(sheet.grdVo.rows(), 339 + 20);
    EXPECT_GT(sheet.grdVo.cols(), 159 + 5);
    EXPECT_EQ(sheet.grdVoLabel.cols(), sheet.grdVo.cols() - 1);
}

TEST(ClipboardPasteWithLabels, BlankSheetTakesItAndASheetWithDataIsNeverOverwritten) {
    struct Case {
        const char* name;
        std::vector<std::vector<std::string>> before;
        bool newSheet;
    };
    const Case cases[] = {
        {"blank sheet", {}, false},
        {"one variable", {{"7"}}, true},
        {"two variables", {{"7", "8"}}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& active = t.app.sheet(NewSheet(t.app));
        if (!c.before.empty()) test::FillSheet(active, c.before);
        t.clipboard.content = "\tV1\tV2\r\nC1\t1\t2\r\nC2\t3\t4\r\n";
        const int number = PasteWithLabels(t.app, active);
        ASSERT_NE(number, 0);
        EXPECT_EQ(number != active.number(), c.newSheet);
        if (!c.before.empty()) {
            EXPECT_EQ(active.grdVo.text(2, 2), "7");
        }
        Sheet& pasted = t.app.sheet(number);
        EXPECT_EQ(Row(pasted, 1, 1, 3), (Texts{"", "V1", "V2"}));
        EXPECT_EQ(Row(pasted, 3, 0, 3), (Texts{"2", "C2", "3", "4"}));
        EXPECT_EQ(pasted.grdVoLabel.text(0, 2), "V2");
        EXPECT_EQ(pasted.variableCount(), 2);
        EXPECT_EQ(pasted.caseCount(), 2);
        EXPECT_TRUE(pasted.modified());
        EXPECT_EQ(pasted.information().formatTag, "未保存");
        EXPECT_EQ(pasted.information().loadedCases, 2);
    }
}

}  // namespace
}  // namespace zoriduvo
