#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "categories/CaseGroupEditor.h"
#include "sheet/CaseGroups.h"
#include "sheet/SheetRegistry.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"

namespace zoriduvo {
namespace {

using test::TestApp;
using Mode = CaseGroupEditor::Mode;
using Lines = std::vector<std::string>;
using Sizes = std::vector<int>;

Sheet& SheetOfCases(TestApp& t, int cases, const Sizes& groups = {}) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, std::vector<std::vector<std::string>>(cases, {"1", "2"}));
    if (!groups.empty()) {
        EXPECT_TRUE(ApplyCaseGroups(sheet, groups));
    }
    sheet.setModified(false);
    return sheet;
}

// The dialog's controls in one line: the frame of the group being defined, the remainder, the
// correction heading, "修正" shown enabled (+) or disabled (-), join, apply, remove, the summary.
std::string Controls(const CaseGroupEditor::View& v) {
    std::string s;
    auto add = [&](bool on, const std::string& word) {
        if (on) s += (s.empty() ? "" : " ") + word;
    };
    add(v.defining, "frame");
    add(v.restShown, "rest " + v.restStart + "-" + v.restEnd + "/" + v.restCount);
    add(v.correctionHeading, "heading");
    add(v.correctShown, v.correctEnabled ? "rep+" : "rep-");
    add(v.joinEnabled, "join");
    add(v.applyEnabled, "exec");
    add(v.removeShown, "remove");
    add(v.summaryShown, "[" + v.summaryPrefix + std::to_string(v.summaryNumber) + "]");
    return s;
}

// The group being defined as start-end/count, with the spinner as min..max@value.
std::string Group(const CaseGroupEditor::View& v) {
    return v.start + "-" + v.end + "/" + v.count + " spin " + std::to_string(v.spinMinimum) + ".." +
           std::to_string(v.spinMaximum) + "@" + std::to_string(v.spinValue);
}

void SelectCases(Sheet& sheet, int from, int to, bool toLastColumn = true) {
    Grid& g = sheet.grdVo;
    g.setCurrent(from + 1, 2);
    g.setSelectionEnd(to + 1, toLastColumn ? g.cols() - 1 : 3);
}

void AddGroups(CaseGroupEditor& e, const Sizes& sizes) {
    for (int size : sizes) {
        e.countEdited(std::to_string(size));
        ASSERT_TRUE(e.add()) << size;
    }
}

TEST(CaseGroupDialogOpening, FreshAndGroupedSheets) {
    TestApp t;
    CaseGroupEditor fresh(t.app, SheetOfCases(t, 10));
    EXPECT_EQ(fresh.mode(), Mode::Defining);
    EXPECT_TRUE(fresh.view().lines.empty());
    EXPECT_EQ(Group(fresh.view()), "1-1/1 spin 1..10@10");
    EXPECT_EQ(Controls(fresh.view()), "frame rest 2-10/9");

    CaseGroupEditor grouped(t.app, SheetOfCases(t, 10, {3, 3, 4}));
    EXPECT_EQ(grouped.mode(), Mode::Display);
    EXPECT_EQ(grouped.view().lines, (Lines{"1 - 3  (3 )", "4 - 6  (3 )", "7 - 10  (4 )"}));
    EXPECT_EQ(Controls(grouped.view()), "heading rep- remove [全 3]");
}

TEST(CaseGroupDialogOpening, WholeRowSelectionPredefinesGroups) {
    struct Case {
        const char* name;
        int from, to;
        bool lastColumn;
        Sizes sizes;
        const char* group;
        const char* controls;
    } cases[] = {
        {"cases 4-6", 4, 6, true, {3, 3}, "7-7/1 spin 7..10@10", "frame rest 8-10/3 [現在 3]"},
        {"dragged upwards", 6, 4, true, {3, 3}, "7-7/1 spin 7..10@10", "frame rest 8-10/3 [現在 3]"},
        {"cases 4-10 reach the end", 4, 10, true, {3}, "4-4/1 spin 4..10@10", "frame rest 5-10/6 [現在 2]"},
        {"cases 1-3", 1, 3, true, {3}, "4-4/1 spin 4..10@10", "frame rest 5-10/6 [現在 2]"},
        {"all cases", 1, 10, true, {}, "1-1/1 spin 1..10@10", "frame rest 2-10/9"},
        {"past the last case", 8, 15, true, {7}, "8-8/1 spin 8..10@10", "frame rest 9-10/2 [現在 2]"},
        {"wholly below the cases", 12, 15, true, {}, "1-1/1 spin 1..10@10", "frame rest 2-10/9"},
        {"one row", 5, 5, true, {}, "1-1/1 spin 1..10@10", "frame rest 2-10/9"},
        {"not to the last column", 4, 6, false, {}, "1-1/1 spin 1..10@10", "frame rest 2-10/9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = SheetOfCases(t, 10);
        SelectCases(sheet, c.from, c.to, c.lastColumn);
        CaseGroupEditor e(t.app, sheet);
        EXPECT_EQ(e.sizes(), c.sizes);
        EXPECT_EQ(e.view().lines.size(), c.sizes.size());
        EXPECT_EQ(Group(e.view()), c.group);
        EXPECT_EQ(Controls(e.view()), c.controls);
    }
}

TEST(CaseGroupDialogOpening, ASheetWithoutCasesIsRefused) {
    TestApp t;
    EXPECT_FALSE(CaseGroupEditor::CanOpen(t.app, t.app.sheet(NewSheet(t.app))));
    ASSERT_EQ(t.ui.messages.size(), 1u);
    EXPECT_EQ(t.ui.messages[0].text, "データがありません");
    EXPECT_EQ(t.ui.messages[0].title, "ケースグループ");
    EXPECT_TRUE(CaseGroupEditor::CanOpen(t.app, SheetOfCases(t, 1)));
}

// After a first group of 3 out of 10 the definition stands at case 4, spinner 4..10 at 10.
TEST(CaseGroupFields, CountFieldReactions) {
    struct Case {
        const char* text;
        bool beep;
        const char* group;
    } cases[] = {
        {"2", false, "4-5/2 spin 4..10@9"},     {"2.5", false, "4-5/2 spin 4..10@9"},
        {"3.5", false, "4-7/4 spin 4..10@7"},   {"7", false, "4-10/7 spin 4..10@4"},
        {"3abc", false, "4-6/3 spin 4..10@8"},  {"8", true, "4-4/8 spin 4..10@10"},
        {"0", true, "4-4/0 spin 4..10@10"},     {"-1", true, "4-4/-1 spin 4..10@10"},
        {"abc", true, "4-4/abc spin 4..10@10"}, {"", true, "4-4/ spin 4..10@10"},
        {"0.4", true, "4-4/0.4 spin 4..10@10"}, {"0.5", true, "4-4/0.5 spin 4..10@10"},
        {"1E9", true, "4-4/1E9 spin 4..10@10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TestApp t;
        CaseGroupEditor e(t.app, SheetOfCases(t, 10));
        AddGroups(e, {3});
        e.countEdited(c.text);
        EXPECT_EQ(t.ui.beeps, c.beep ? 1 : 0);
        EXPECT_EQ(Group(e.view()), c.group);
    }
}

TEST(CaseGroupFields, EndFieldReactions) {
    struct Case {
        const char* text;
        bool beep;
        const char* group;
    } cases[] = {
        {"6", false, "4-6/3 spin 4..10@8"},   {"4", false, "4-4/1 spin 4..10@10"},
        {"10", false, "4-10/7 spin 4..10@4"}, {"5.5", false, "4-6/3 spin 4..10@8"},
        {"3", false, "4-3/1 spin 4..10@10"},  {"abc", false, "4-abc/1 spin 4..10@10"},
        {"11", true, "4-11/1 spin 4..10@10"}, {"1E9", true, "4-1E9/1 spin 4..10@10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TestApp t;
        CaseGroupEditor e(t.app, SheetOfCases(t, 10));
        AddGroups(e, {3});
        e.endEdited(c.text);
        EXPECT_EQ(t.ui.beeps, c.beep ? 1 : 0);
        EXPECT_EQ(Group(e.view()), c.group);
    }
}

TEST(CaseGroupFields, SpinnerRaisesTheEndAndTheRemainderFollows) {
    TestApp t;
    CaseGroupEditor e(t.app, SheetOfCases(t, 10));
    AddGroups(e, {2});
    e.spun(9);  // one step up
    EXPECT_EQ(Group(e.view()), "3-4/2 spin 3..10@9");
    EXPECT_EQ(Controls(e.view()), "frame rest 5-10/6 rep- [現在 1]");
    e.spun(3);
    EXPECT_EQ(Group(e.view()), "3-10/8 spin 3..10@3");
    EXPECT_EQ(Controls(e.view()), "frame rep- [現在 1]") << "a group ending at the last case hides the remainder";
    e.countEdited("6");
    EXPECT_EQ(Group(e.view()), "3-8/6 spin 3..10@5") << "the next step starts from the typed count's end";
}

TEST(CaseGroupAdd, InconsistentOrNonNumericFieldsAreRefused) {
    // The end field is typed first, then the count field; refused edits stay in their fields.
    struct Case {
        const char* name;
        const char* end;
        const char* count;  // nullptr: left as it is
    } cases[] = {
        {"count not matching", "5", "9"},
        {"count text", "4", "abc"},
        {"end text", "x", nullptr},
        {"end below start and zero count", "3", "0"},
        {"beyond the cases", "12", "9"},
        {"beyond 32 bits", "99999999999", "99999999996"},
        {"count with a fraction", "5", "9.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        CaseGroupEditor e(t.app, SheetOfCases(t, 10));
        AddGroups(e, {3});
        e.endEdited(c.end);
        if (c.count) e.countEdited(c.count);
        const int beeps = t.ui.beeps;
        EXPECT_FALSE(e.add());
        ASSERT_EQ(t.ui.messages.size(), 1u);
        EXPECT_EQ(t.ui.messages[0].text, "設定が誤っています");
        EXPECT_EQ(t.ui.messages[0].title, "ケースグループ");
        EXPECT_EQ(t.ui.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(t.ui.beeps, beeps);
        EXPECT_EQ(e.sizes(), Sizes{3});
        EXPECT_EQ(e.assigned(), 3);
        EXPECT_EQ(e.view().lines.size(), 1u);
    }
}

TEST(CaseGroupAdd, GroupsFillTheListUntilEveryCaseIsAssigned) {
    TestApp t;
    CaseGroupEditor e(t.app, SheetOfCases(t, 10));
    AddGroups(e, {3});
    EXPECT_EQ(Group(e.view()), "4-4/1 spin 4..10@10");
    EXPECT_EQ(Controls(e.view()), "frame rest 5-10/6 rep- [現在 1]");
    AddGroups(e, {3});
    e.rest();
    EXPECT_EQ(Group(e.view()), "7-10/4 spin 7..10@7");
    EXPECT_EQ(e.sizes().size(), 2u) << "rest does not add";
    ASSERT_TRUE(e.add());
    EXPECT_EQ(e.view().lines, (Lines{"1 - 3  (3 )", "4 - 6  (3 )", "7 - 10  (4 )"}));
    EXPECT_EQ(e.mode(), Mode::Complete);
    EXPECT_EQ(Controls(e.view()), "heading rep- exec [全 3]");
    EXPECT_FALSE(e.add());
    e.rest();
    EXPECT_EQ(e.sizes().size(), 3u);
    EXPECT_TRUE(t.ui.messages.empty());
}

TEST(CaseGroupLines, SelectionOffersCorrectionAndJoinBelowTheFirst) {
    TestApp t;
    CaseGroupEditor e(t.app, SheetOfCases(t, 10, {3, 3, 4}));
    e.selectLine(1);
    EXPECT_EQ(Controls(e.view()), "heading rep+ remove [全 3]");
    e.join();
    EXPECT_EQ(e.sizes().size(), 3u);
    e.selectLine(3);
    EXPECT_EQ(Controls(e.view()), "heading rep+ join remove [全 3]");
    e.selectLine(4);
    EXPECT_EQ(e.view().selected, 0);
}

TEST(CaseGroupLines, CorrectGoesBackToTheSelectedGroup) {
    for (bool fromDisplay : {true, false}) {
        SCOPED_TRACE(fromDisplay ? "display mode" : "complete");
        TestApp t;
        CaseGroupEditor e(t.app, SheetOfCases(t, 10, fromDisplay ? Sizes{3, 3, 4} : Sizes{}));
        if (!fromDisplay) AddGroups(e, {3, 3, 4});
        e.selectLine(2);
        e.correct();
        EXPECT_EQ(e.sizes(), Sizes{3});
        EXPECT_EQ(e.view().lines, Lines{"1 - 3  (3 )"});
        EXPECT_EQ(e.mode(), Mode::Defining);
        EXPECT_EQ(Group(e.view()), "4-4/1 spin 4..10@10");
        EXPECT_EQ(Controls(e.view()), "frame rest 5-10/6 rep- [現在1]");
        AddGroups(e, {7});
        EXPECT_EQ(e.mode(), Mode::Complete);
    }
}

TEST(CaseGroupLines, JoinMergesWithTheGroupAboveAndKeepsTheApplyState) {
    struct Case {
        const char* name;
        Sizes stored, added;
        const char* controls;
    } cases[] = {
        {"display mode", {3, 3, 4}, {}, "heading rep+ [全 2]"},
        {"complete", {}, {3, 3, 4}, "heading rep+ exec [全 2]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        CaseGroupEditor e(t.app, SheetOfCases(t, 10, c.stored));
        AddGroups(e, c.added);
        e.selectLine(3);
        e.join();
        EXPECT_EQ(e.sizes(), (Sizes{3, 7}));
        EXPECT_EQ(e.view().lines, (Lines{"1 - 3  (3 )", "4 - 10  (7 )"}));
        EXPECT_EQ(e.view().selected, 2);
        EXPECT_EQ(Controls(e.view()), c.controls);
    }
}

TEST(CaseGroupLines, JoinWhileDefiningKeepsTheGroupBeingDefined) {
    TestApp t;
    CaseGroupEditor e(t.app, SheetOfCases(t, 10));
    AddGroups(e, {2, 2});
    e.selectLine(2);
    e.join();
    EXPECT_EQ(Group(e.view()), "5-5/1 spin 5..10@10");
    AddGroups(e, {6});
    EXPECT_EQ(e.view().lines, (Lines{"1 - 4  (4 )", "5 - 10  (6 )"}));
}

TEST(CaseGroupApply, WritesTheGroupsAndKeepsTheCursor) {
    TestApp t;
    Sheet& sheet = SheetOfCases(t, 10);
    sheet.grdVo.setCurrent(5, 3);
    CaseGroupEditor e(t.app, sheet);
    AddGroups(e, {3, 3});
    EXPECT_FALSE(e.apply()) << "not before every case is assigned";
    AddGroups(e, {4});
    ASSERT_TRUE(e.apply());
    EXPECT_EQ(CaseGroupSizes(sheet), (Sizes{3, 3, 4}));
    EXPECT_EQ(sheet.grdVo.backColour(5, 2), kCaseGroupShade);
    EXPECT_EQ(sheet.grdVo.backColour(8, 2), kDefaultColour);
    EXPECT_TRUE(sheet.modified());
    EXPECT_EQ(sheet.grdVo.row(), 5);
    EXPECT_EQ(sheet.grdVo.col(), 3);
}

TEST(CaseGroupApply, OneGroupRemovesTheGrouping) {
    TestApp t;
    Sheet& sheet = SheetOfCases(t, 10, {5, 5});
    CaseGroupEditor e(t.app, sheet);
    e.selectLine(2);
    e.join();
    EXPECT_FALSE(e.apply()) << "display mode cannot apply";
    e.selectLine(1);
    e.correct();
    e.rest();
    ASSERT_TRUE(e.add());
    ASSERT_TRUE(e.apply());
    EXPECT_EQ(sheet.state().caseGroups, 1);
    EXPECT_EQ(sheet.grdSInfo.cols(), 2);
    EXPECT_EQ(sheet.grdSInfo.text(0, 1), "10");
    EXPECT_EQ(sheet.grdVo.backColour(8, 4), kDefaultColour);
    EXPECT_TRUE(sheet.modified());
}

TEST(CaseGroupRemoveAndCancel, OnlyDisplayModeRemovesAndCancelChangesNothing) {
    TestApp t;
    Sheet& sheet = SheetOfCases(t, 10, {4, 6});
    {
        CaseGroupEditor e(t.app, sheet);
        e.selectLine(1);
        e.correct();
        EXPECT_FALSE(e.remove());
        AddGroups(e, {10});
    }  // closed without "実行"
    EXPECT_EQ(CaseGroupSizes(sheet), (Sizes{4, 6}));
    EXPECT_FALSE(sheet.modified());
    CaseGroupEditor e(t.app, sheet);
    ASSERT_TRUE(e.remove());
    EXPECT_EQ(sheet.state().caseGroups, 1);
    EXPECT_EQ(sheet.grdSInfo.text(0, 1), "10");
    EXPECT_EQ(sheet.grdVo.backColour(7, 2), kDefaultColour);
    EXPECT_TRUE(sheet.modified());
}

}  // namespace
}  // namespace zoriduvo
