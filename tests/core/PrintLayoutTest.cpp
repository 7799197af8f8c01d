#include "files/print/PrintLayout.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include <string>
#include <vector>

#include "files/print/PrintCommand.h"
#include "sheet/SheetRegistry.h"
#include "support/DrawingFakes.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"
#include "variables/StatisticsBlock.h"

namespace zoriduvo {
namespace {

using test::FillSheet;
using test::FixedTextMetrics;
using test::TestApp;

// With the fixed metrics at 10 points: a letter is 100 twips wide, a line 200 high, a row 280.
constexpr int kM = 100;
constexpr int kRow = 280;
constexpr int kFirstRowTop = 500 + 3 * 200 + 300;

std::vector<DrawText> Texts(const DisplayList& page) {
    std::vector<DrawText> texts;
    for (const DrawItem& item : page.items)
        if (const auto* text = std::get_if<DrawText>(&item)) texts.push_back(*text);
    return texts;
}

std::vector<std::string> Header(const DisplayList& page) {
    const std::vector<DrawText> texts = Texts(page);
    std::vector<std::string> header;
    for (std::size_t i = 0; i < 3 && i < texts.size(); ++i) header.push_back(texts[i].text);
    return header;
}

// The tops of the rows a page prints, once per row: the boxes of column 0.
std::vector<int> RowTops(const DisplayList& page) {
    std::vector<int> tops;
    for (const DrawItem& item : page.items)
        if (const auto* box = std::get_if<DrawBox>(&item); box && box->rect.left == 0) tops.push_back(box->rect.top);
    return tops;
}

const DrawText* FindText(const DisplayList& page, const std::string& text) {
    for (const DrawItem& item : page.items)
        if (const auto* found = std::get_if<DrawText>(&item); found && found->text == text) return found;
    return nullptr;
}

Sheet& Filled(TestApp& t, int cases, std::vector<std::string> row) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    FillSheet(sheet, std::vector<std::vector<std::string>>(cases, row));
    sheet.setCaption("表.vo");
    return sheet;
}

TEST(PrintLayout, ColumnsAreTwoUnitsPerCharacterOfTheirLongestTextPlusTwoLetters) {
    struct Case {
        const char* name;
        std::string value;
        int letters;
    } cases[] = {
        {"three characters", "abc", 8},
        {"three Japanese characters", "身長差", 8},
        {"names longer than values", "1", 6},  // "V1" is the longest
        {"five digits", "12345", 12},
    };
    for (const Case& c : cases) {
        TestApp t;
        const FixedTextMetrics metrics;
        PrintLayout layout(Filled(t, 3, {c.value}), metrics, {20000, 20000});
        ASSERT_EQ(layout.columnWidths().size(), 3u) << c.name;
        EXPECT_EQ(layout.columnWidths()[2], c.letters * kM) << c.name;
        EXPECT_EQ(layout.columnWidths()[0], 4 * kM) << c.name;  // case numbers 1 .. 3
        EXPECT_EQ(layout.lineHeight(), kRow) << c.name;
    }
}

// Widths skip counting texts no longer in bytes than the longest so far; a text of more bytes may
// still have fewer characters, before or after the longest.
TEST(PrintLayout, AColumnIsAsWideAsItsMostCharactersNotItsMostBytes) {
    const struct {
        const char* name;
        std::vector<std::vector<std::string>> rows;
    } cases[] = {{"more bytes after", {{"abcd"}, {"身長差"}}}, {"more bytes before", {{"身長差"}, {"abcd"}}}};
    for (const auto& c : cases) {
        TestApp t;
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        FillSheet(sheet, c.rows);
        const FixedTextMetrics metrics;
        const PrintLayout layout(sheet, metrics, {20000, 20000});
        ASSERT_EQ(layout.columnWidths().size(), 3u) << c.name;
        EXPECT_EQ(layout.columnWidths()[2], (2 * 4 + 2) * kM) << c.name;
    }
}

TEST(PrintLayout, FirstPageHasTheHeaderAndEveryCellAligned) {
    TestApp t;
    const FixedTextMetrics metrics;
    PrintLayout layout(Filled(t, 2, {"7", "8"}), metrics, {20000, 20000});
    const std::vector<DisplayList> pages = layout.remainingPages();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(Header(pages[0]), (std::vector<std::string>{"--- Zo rid Uvo ------", "File = 表.vo", "Page. 1"}));
    EXPECT_EQ(RowTops(pages[0]), (std::vector<int>{kFirstRowTop, kFirstRowTop + kRow, kFirstRowTop + 2 * kRow,
                                                   kFirstRowTop + 3 * kRow}));
    // Columns 0 and 1 are 4 and 6 letters wide, V1 and V2 6 each.
    const struct {
        const char* text;
        HAlign across;
        int x;
    } cells[] = {{"C2", HAlign::Left, 400}, {"V2", HAlign::Centre, 1900}, {"8", HAlign::Right, 2200}};
    for (const auto& cell : cells) {
        const DrawText* text = FindText(pages[0], cell.text);
        ASSERT_NE(text, nullptr) << cell.text;
        EXPECT_EQ(text->style.across, cell.across) << cell.text;
        EXPECT_EQ(text->at.x, cell.x) << cell.text;
        EXPECT_EQ(text->style.down, VAlign::Top) << cell.text;
        EXPECT_EQ((text->at.y - kFirstRowTop) % kRow, (kRow - 200) / 2) << cell.text;  // centred in its row
    }
}

TEST(PrintLayout, ColumnsBeyondThePageWidthFormASecondBlockBelowTheFirst) {
    struct Case {
        const char* name;
        int width;
        std::size_t rowsPrinted;  // 4 rows per block
    } cases[] = {{"fits", 10 * 600, 4}, {"one column short", 4 * 600 + 400, 8}};
    for (const Case& c : cases) {
        TestApp t;
        const FixedTextMetrics metrics;
        PrintLayout layout(Filled(t, 2, {"1", "2", "3", "4"}), metrics, {c.width, 20000});
        const std::vector<DisplayList> pages = layout.remainingPages();
        ASSERT_EQ(pages.size(), 1u) << c.name;
        const std::vector<int> tops = RowTops(pages[0]);
        ASSERT_EQ(tops.size(), c.rowsPrinted) << c.name;
        if (c.rowsPrinted == 4) continue;
        EXPECT_EQ(tops[4], tops[3] + 2 * kRow) << c.name;
        // The second block starts again with the case names and holds only the last variable.
        const DrawText* v4 = FindText(pages[0], "V4");
        ASSERT_NE(v4, nullptr);
        EXPECT_EQ(v4->at.y, tops[4] + kRow + 40);
        EXPECT_EQ(v4->at.x, 1000 + 300);
        int caseNames = 0;
        for (const DrawText& text : Texts(pages[0])) caseNames += text.text == "C1" && text.at.x == 400;
        EXPECT_EQ(caseNames, 2);
    }
}

TEST(PrintLayout, AStatisticsBlockAddsSevenRows) {
    TestApp t;
    Sheet& sheet = Filled(t, 3, {"1", "2"});
    ShowStatisticsBlock(t.app, sheet);
    ASSERT_EQ(sheet.state().statisticsBlocks, 1);
    const FixedTextMetrics metrics;
    PrintLayout layout(sheet, metrics, {20000, 20000});
    const std::vector<DisplayList> pages = layout.remainingPages();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(RowTops(pages[0]).size(), 5u + 7u);
    EXPECT_NE(FindText(pages[0], "ケース数"), nullptr);
}

TEST(PrintLayout, RowsPastThePageContinueUnderARepeatedHeader) {
    TestApp t;
    const FixedTextMetrics metrics;
    // Room for the header and ten rows: 12 rows print as 10 and 2.
    PrintLayout layout(Filled(t, 10, {"1"}), metrics, {20000, kFirstRowTop + 10 * kRow + 100});
    const std::vector<DisplayList> pages = layout.remainingPages();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(RowTops(pages[0]).size(), 10u);
    EXPECT_EQ(RowTops(pages[1]), (std::vector<int>{kFirstRowTop, kFirstRowTop + kRow}));
    EXPECT_EQ(Header(pages[1]), (std::vector<std::string>{"--- Zo rid Uvo ------", "File = 表.vo", "Page. 2"}));
    EXPECT_NE(FindText(pages[1], "C10"), nullptr);
}

TEST(PrintLayout, TheFinalMovePastThePageBeginsANewPage) {
    struct Case {
        const char* name;
        int spare;  // below the last row
        std::size_t pages;
    } cases[] = {{"room for the move", 300, 1}, {"no room for the move", 299, 2}};
    for (const Case& c : cases) {
        TestApp t;
        const FixedTextMetrics metrics;
        PrintLayout layout(Filled(t, 2, {"1"}), metrics, {20000, kFirstRowTop + 4 * kRow + c.spare});
        const std::vector<DisplayList> pages = layout.remainingPages();
        ASSERT_EQ(pages.size(), c.pages) << c.name;
        EXPECT_EQ(RowTops(pages[0]).size(), 4u) << c.name;
        EXPECT_EQ(Texts(pages.back()).size() == 3, c.pages == 2) << c.name;  // the header alone
    }
}

// The page breaks are fixed before any page is drawn: a preview may draw the pages in any order.
TEST(PrintLayout, APageDrawnOutOfTurnIsTheSamePage) {
    TestApp t;
    const FixedTextMetrics metrics;
    const Sheet& sheet = Filled(t, 25, {"1", "22", "333"});
    const TwipSize printable{kFirstRowTop + 5000, kFirstRowTop + 6 * kRow};
    PrintLayout inTurn(sheet, metrics, printable);
    const std::vector<DisplayList> pages = inTurn.remainingPages();
    const PrintLayout anyOrder(sheet, metrics, printable);
    ASSERT_EQ(anyOrder.pageCount(), static_cast<int>(pages.size()));
    ASSERT_GT(pages.size(), 4u);
    for (int i = anyOrder.pageCount() - 1; i >= 0; i -= 2) EXPECT_EQ(anyOrder.page(i), pages[i]) << "page " << i + 1;
    EXPECT_THROW((void)anyOrder.page(anyOrder.pageCount()), std::out_of_range);
}

TEST(PrintSheet, PrintsEveryPageAsOneJobOrStopsWhereThePrinterDoes) {
    TestApp t;
    Sheet& sheet = Filled(t, 300, {"1", "2", "3"});
    const FixedTextMetrics metrics;
    test::RecordingPrinter printer;
    EXPECT_EQ(PrintSheet(sheet, metrics, printer), PrintOutcome::Ok);
    EXPECT_EQ(printer.title, "表.vo");
    EXPECT_TRUE(printer.ended);
    PrintLayout layout(sheet, metrics, {printer.page.printable.width, printer.page.printable.height});
    EXPECT_EQ(printer.pages, layout.remainingPages());
    EXPECT_GT(printer.pages.size(), 1u);

    test::RecordingPrinter missing;
    missing.beginOutcome = PrintOutcome::Failed;
    EXPECT_EQ(PrintSheet(sheet, metrics, missing), PrintOutcome::Failed);
    EXPECT_TRUE(missing.pages.empty());
}

TEST(PrintSheet, AProgressThatSaysStopEndsTheJobAsCancelled) {
    TestApp t;
    Sheet& sheet = Filled(t, 300, {"1", "2", "3"});
    const FixedTextMetrics metrics;
    test::RecordingPrinter printer;
    std::vector<std::pair<int, int>> told;
    const auto outcome = PrintSheet(sheet, metrics, printer, [&told](int done, int count) {
        told.emplace_back(done, count);
        return done < 2;
    });
    EXPECT_EQ(outcome, PrintOutcome::Cancelled);
    EXPECT_EQ(printer.pages.size(), 2u);
    EXPECT_TRUE(printer.ended);
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[1].first, 2);
    EXPECT_EQ(told[1].second, PageCount(sheet, metrics, {printer.page.printable.width, printer.page.printable.height}));
}

TEST(PrintSheet, TheQuestionsSayHowManyPagesBeyondAThousand) {
    struct Case {
        const char* name;
        int pages;
        const char* printing;  // the question before printing
        bool askedBeforePdf;
    };
    const Case cases[] = {
        {"a thousand pages", 1000, "印刷を開始します。よろしいですか？", false},
        {"one more", 1001, "印刷を開始します。1001 ページになります。よろしいですか？", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        t.ui.answers = {Answer::Ok, Answer::Cancel};
        EXPECT_TRUE(ConfirmPrinting(t.ui, c.pages));
        EXPECT_EQ(ConfirmSavingPdf(t.ui, c.pages), !c.askedBeforePdf);
        ASSERT_EQ(t.ui.messages.size(), c.askedBeforePdf ? 2u : 1u);
        EXPECT_EQ(t.ui.messages[0].text, c.printing);
        if (c.askedBeforePdf) {
            EXPECT_EQ(t.ui.messages[1].text,
                      "PDF に保存します。" + std::to_string(c.pages) + " ページになります。よろしいですか？");
        }
    }
}

}  // namespace
}  // namespace zoriduvo
