// Each command's step records the command line that does the same to the sheet's file; changes
// that are no step record nothing; the script holds the steps that stand.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "UndoTestSupport.h"
#include "categories/CaseGroupEditor.h"
#include "categories/CategoryCombination.h"
#include "categories/VariableBinding.h"
#include "edit/ClipboardCommands.h"
#include "edit/EditMessages.h"
#include "edit/FindReplace.h"
#include "edit/InsertDelete.h"
#include "edit/MissingValues.h"
#include "edit/Sorting.h"
#include "files/GatherSheet.h"
#include "files/HistoryScript.h"
#include "sheet/CellEdits.h"
#include "sheet/SheetMessages.h"
#include "text/Sha256.h"
#include "text/ShellQuote.h"
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

// The command texts of the last step, joined by " ; ".
std::string LastStepText(const Sheet& s) {
    const UndoHistory& h = s.history();
    if (h.stepCount() == 0) return "(no step)";
    std::string text;
    for (const StepCommand& command : h.step(h.stepCount() - 1).commands) {
        if (!text.empty()) text += " ; ";
        text += CommandText(command);
        if (!command.cells.empty()) text += " <" + command.cells + ">";
    }
    return text;
}

struct Case {
    const char* name;
    std::function<void(TestApp&, Sheet&)> run;
    const char* expected;
};

TEST(StepRecord, EachCommandRecordsItsCommandLine) {
    const Case cases[] = {
        {"typing", [](TestApp& t, Sheet& s) { test::Type(t, s, 3, 4, "12.50"); }, "set IN OUT --cell 2 3 12.5"},
        {"typing past the data",
         [](TestApp& t, Sheet& s) { test::Type(t, s, 8, 6, "1"); }, "set IN OUT --cell 7 5 1"},
        {"cut",
         [](TestApp& t, Sheet& s) {
             test::Select(s, 2, 2, 3, 3);
             CutSelection(t.app, s);
         },
         "set IN OUT --cell 1 1 '' --cell 1 2 '' --cell 2 1 '' --cell 2 2 ''"},
        {"erase beyond the data records the cells of the data",
         [](TestApp& t, Sheet& s) {
             t.ui.answers = {Answer::Ok};
             test::Select(s, 5, 4, 9, 9);
             EraseSelection(t.app, s);
         },
         "set IN OUT --cell 4 3 ''"},
        {"paste of a block goes to a cells file",
         [](TestApp& t, Sheet& s) {
             t.clipboard.content = "1\t2\r\n3\t'4\r\n5\t\r\n";
             s.grdVo.setCurrent(5, 4);
             PasteAtCursor(t.app, s);
         },
         "set IN OUT --cells CELLS <4\t3\t1\n4\t4\t2\n5\t3\t3\n5\t4\t'4\n6\t3\t5\n6\t4\t\n>"},
        {"paste into the names",
         [](TestApp& t, Sheet& s) {
             t.clipboard.content = "甲\t乙";
             s.grdVo.setCurrent(1, 3);
             PasteAtCursor(t.app, s);
         },
         "set IN OUT --cell 0 2 '甲' --cell 0 3 '乙'"},
        {"replace all", [](TestApp& t, Sheet& s) {
             s.grdVo.setCurrent(2, 3);
             ReplaceAll(t.app, s, CaptureSearchStart(s), {SearchLine::Column, true, "2"}, "9");
         }, "set IN OUT --cell 2 2 9 --cell 4 2 9"},
        {"insert rows", [](TestApp& t, Sheet& s) { InsertRows(t.app, s, 3, 2); }, "insert IN OUT --cases 2 2"},
        {"insert columns", [](TestApp& t, Sheet& s) { InsertColumns(t.app, s, 9, 1); },
         "insert IN OUT --variables 4 1"},
        {"delete rows", [](TestApp& t, Sheet& s) { DeleteRows(t.app, s, 2, 9); }, "delete IN OUT --cases 1 9"},
        {"delete columns", [](TestApp& t, Sheet& s) { DeleteColumns(t.app, s, 4, 1); },
         "delete IN OUT --variables 3 1"},
        {"sort", [](TestApp& t, Sheet& s) { SortCases(t.app, s, 3, true, true); },
         "sort IN OUT --key '$3' --descending --within-groups"},
        {"missing values of one variable",
         [](TestApp& t, Sheet& s) { ConvertMissing(t.app, s, MissingConversion::BlankToValue, " -9", {3}); },
         "missing IN OUT --from-blank ' -9' --var '$3'"},
        {"missing values of all",
         [](TestApp& t, Sheet& s) { ConvertMissing(t.app, s, MissingConversion::ValueToBlank, "1", {1, 2, 3}); },
         "missing IN OUT --to-blank 1"},
        {"case name", [](TestApp& t, Sheet& s) { StoreCaseName(t.app, s, 6, "名 'x'"); },
         "casename IN OUT --case 6 --name '名 '\\''x'\\'''"},
        {"names", [](TestApp&, Sheet& s) { EraseLabels(s, LabelTarget::Cases); }, "names IN OUT --erase cases"},
        {"recode over part of the cases",
         [](TestApp&, Sheet& s) { CombineCategories(s, {1, 2}, {1, 2}, {2, 3, CaseRangeSource::Selection}); },
         "recode IN OUT --codes 1-2 --var '$1' --var '$2' --from 2 --to 3"},
        {"bind", [](TestApp& t, Sheet& s) { BindVariables(t.app, s, 1, 2, "性別 年代", ReadCaseRange(s)); },
         "bind IN OUT --var '$1' --var '$2' --name '性別 年代'"},
        {"transform within the range",
         [](TestApp& t, Sheet& s) {
             RangeSelection::Store(s, 2, 3);
             TransformList list(ReadTransformSetup(s));
             ASSERT_FALSE(list.add("T = X1 * 2"));
             RunTransformation(t.app, s, list.setup(), list.records());
         },
         "transform IN OUT --from 2 --to 3 -e 'T = X1 * 2'"},
        {"transform with random numbers records nothing",
         [](TestApp& t, Sheet& s) {
             TransformList list(ReadTransformSetup(s));
             ASSERT_FALSE(list.add("T = RND(1)"));
             RunTransformation(t.app, s, list.setup(), list.records());
         },
         ""},
        {"definition",
         [](TestApp& t, Sheet& s) {
             s.grdVo.setCurrent(2, 4);
             VariableDefinitionEditor e(t.app, s);
             e.fields().name = "体重";
             e.chooseCategorical();
             e.fields().minimum = "0";
             e.fields().maximum = "3";
             e.ok();
         },
         "define IN OUT --var 3 --name '体重' --categories 0 3"},
        {"bulk types",
         [](TestApp& t, Sheet& s) {
             BulkTypeEditor e(t.app, s);
             e.choose({2});
             e.categorical = true;
             e.minimum = "1";
             e.maximum = "3";
             e.execute();
         },
         "define IN OUT --var 3 --categories 1 3"},
        {"groups", [](TestApp&, Sheet& s) { GroupCases(s, {1, 3}); }, "groups IN OUT --sizes 1,3"},
        {"ungroup", [](TestApp&, Sheet& s) { UngroupCases(s); }, "groups IN OUT --none"},
        {"range", [](TestApp& t, Sheet& s) { RangeSelection(s).execute(t.app, s, "2", "3"); },
         "range IN OUT --from 2 --to 3"},
        {"file label", [](TestApp& t, Sheet& s) { SetFileLabel(t.app, s, "調査 $1"); },
         "file-label IN OUT --file-label '調査 $1'"},
        {"comment", [](TestApp&, Sheet& s) { SetComment(s, "a\r\nb"); }, "comment IN OUT --comment 'a\r\nb'"},
        {"statistics shown records nothing", [](TestApp& t, Sheet& s) { ShowStatisticsBlock(t.app, s); }, ""},
        {"a sort that moves nothing is no step",
         [](TestApp& t, Sheet& s) {
             UngroupCases(s);
             s.history().clear();
             SortCases(t.app, s, 2, false, false);
             SortCases(t.app, s, 2, false, false);
             s.history().undo();
             s.history().redo();
             ASSERT_EQ(s.history().stepCount(), 1u);
         },
         "sort IN OUT --key '$2'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& s = test::MakeFixture(t);
        c.run(t, s);
        EXPECT_EQ(LastStepText(s), c.expected);
    }
}

TEST(StepRecord, SetCellsGrowsTheDataAsAPasteDoes) {
    TestApp t;
    Sheet& pasted = test::MakeFixture(t);
    t.clipboard.content = "1\t\r\n\t2\r\n";
    pasted.grdVo.setCurrent(6, 5);
    ASSERT_TRUE(PasteAtCursor(t.app, pasted));
    Sheet& set = test::MakeFixture(t);
    ASSERT_TRUE(SetCells(t.app, set, CellsOfBlock(pasted, 6, 5, 7, 6)));
    EXPECT_EQ(test::Difference(test::Take(set), test::Take(pasted)), "");
    EXPECT_FALSE(SetCells(t.app, set, {{32768, 1, "1"}}));
    EXPECT_EQ(t.ui.messages.back().text, MessageOf(SheetMessage::PasteBeyondLimit).text);
}

TEST(ShellQuote, WordsComeBackUnchanged) {
    const std::pair<const char*, const char*> words[] = {
        {"abc", "abc"}, {"", "''"}, {"a b", "'a b'"}, {"it's", "'it'\\''s'"}, {"$HOME", "'$HOME'"},
        {"`x`", "'`x`'"}, {"a\nb", "'a\nb'"}, {"身長", "'身長'"}, {"-3--1", "-3--1"}, {"*", "'*'"}};
    for (const auto& [word, quoted] : words) EXPECT_EQ(QuoteForShell(word), quoted) << word;
}

TEST(Sha256, KnownDigests) {
    const std::pair<std::string, const char*> vectors[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000, 'a'), "41edece42d63e8d9bf515a9ba6932e1c20cbc9f5a5d134645adb5db1b9737ea3"}};
    for (const auto& [bytes, digest] : vectors) {
        Sha256 hash;
        hash.add(bytes.substr(0, bytes.size() / 2));
        hash.add(bytes.substr(bytes.size() / 2));
        EXPECT_EQ(hash.hex(), digest) << bytes.size();
    }
}

TEST(HistoryScript, HoldsOnlyTheStepsThatStand) {
    TestApp t;
    Sheet& s = t.app.sheet(NewSheet(t.app));
    test::Type(t, s, 2, 2, "1");
    test::Type(t, s, 3, 2, "2");
    SortCases(t.app, s, 1, true, false);
    s.history().undo();
    const HistoryScript script = MakeHistoryScript(s, "/tmp/out.vo");
    EXPECT_EQ(script.refusal, "");
    EXPECT_NE(script.text.find("set \"$work/0/$name\" \"$work/1/$name\" --cell 1 1 1"), std::string::npos);
    EXPECT_NE(script.text.find("--cell 2 1 2"), std::string::npos);
    EXPECT_EQ(script.text.find("sort"), std::string::npos) << script.text;
}

TEST(HistoryScript, RefusesWhatNoCommandLineReplays) {
    struct Refused {
        const char* name;
        std::function<void(TestApp&, Sheet&)> run;
        const char* refusal;  // the start of the message
    };
    const Refused cases[] = {
        {"a sheet made by pasting a labelled table",
         [](TestApp& t, Sheet& s) {
             s.history().clear();
             t.clipboard.content = "\tA\r\nc\t1\r\n";
             PasteWithLabels(t.app, s);
             test::Type(t, s, 2, 2, "3");
         },
         "手順「ラベル付き貼り付け」"},
        {"a sheet that holds data without a file",
         [](TestApp& t, Sheet& s) {
             test::FillSheet(s, {{"1"}});
             s.history().clear();
             test::Type(t, s, 2, 2, "3");
         },
         "このシートはファイルから開かれていない"},
        {"a new sheet never saved, without an output name",
         [](TestApp& t, Sheet& s) { test::Type(t, s, 2, 2, "3"); }, "シートが保存されていない"},
    };
    for (const Refused& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& s = t.app.sheet(NewSheet(t.app));
        c.run(t, s);
        EXPECT_EQ(MakeHistoryScript(s).refusal.rfind(c.refusal, 0), 0u) << MakeHistoryScript(s).refusal;
    }
}

}  // namespace
}  // namespace zoriduvo

namespace zoriduvo {
namespace {

// A name pasted over a defined variable's name is the name the file keeps, as the sheet shows it.
TEST(StepRecord, APastedNameIsTheNameSaved) {
    test::TestApp t;
    Sheet& s = test::MakeFixture(t);
    t.clipboard.content = "新";
    s.grdVo.setCurrent(1, 3);
    ASSERT_TRUE(PasteAtCursor(t.app, s));
    FileImage image;
    GatherSheet(t.app, s, "/tmp/x.vo", false, image, GatheredBlanks::NativeMark);
    EXPECT_EQ(image.variable(2).name, "新");
}

}  // namespace
}  // namespace zoriduvo
