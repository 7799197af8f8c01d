// The export forms line by line where the layout has its edges, the paths they write, the texts
// they refuse, and the blank output code: the native files keep "%M", the text forms take the code.
#include <gtest/gtest.h>

#include "FileTestSupport.h"
#include "files/NativeFileSave.h"
#include "files/NativeReader.h"
#include "files/SheetLoader.h"
#include "files/exports/ExportCommand.h"
#include "files/exports/LispText.h"
#include "files/exports/WriteExport.h"
#include "sheet/App.h"
#include "sheet/SheetRegistry.h"
#include "sheet/VariableRecord.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"

namespace zoriduvo {
namespace {

using test::TestApp;

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    const auto text = Cp932ToUtf8(bytes);
    std::size_t start = 0;
    for (std::size_t end; (end = text->find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text->substr(start, end - start));
    return lines;
}

// The files the form writes for a sheet, or the problem.
struct Written {
    std::optional<FileProblem> problem;
    std::vector<OutputFile> files;
};

Written Encode(App& app, Sheet& sheet, const char* form, const std::string& path = "/d/x.hdr") {
    const ExportForm& row = *FindExportForm(form);
    FileImage image;
    GatherSheet(app, sheet, path, row.withStatistics, image, row.blanks);
    Written written;
    written.problem = EncodeExport(row, image, path, written.files, "/d/sheet.vo");
    return written;
}

std::vector<std::string> LinesOf(App& app, Sheet& sheet, const char* form, std::size_t file = 0) {
    const Written written = Encode(app, sheet, form, form == std::string("mirv") ? "/d/x.hdr" : "/d/x.lsp");
    EXPECT_FALSE(written.problem) << form;
    return written.files.size() > file ? Lines(written.files[file].bytes) : std::vector<std::string>{};
}

// A sheet with a categorical variable of categories 3 to 5 and a continuous one; blanks first,
// inside and last.
Sheet& CategorySheet(TestApp& t) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, {{"3", ""}, {"5", "2.5"}, {"", "7"}, {"4", ""}});
    sheet.grdVoLabel.setText(0, 1, "g");
    sheet.grdVoLabel.setText(0, 2, "x");
    WriteCategoryRange(sheet, 1, {3, 5, 3});
    return sheet;
}

TEST(ExportLayouts, EdgesOfEachForm) {
    TestApp t;
    Sheet& sheet = CategorySheet(t);
    const auto sdata = LinesOf(t.app, sheet, "sdata");
    ASSERT_EQ(sdata.size(), 7u);
    EXPECT_EQ(sdata[0], "structure(.Data = list(\"g\" = structure(.Data = c(");
    EXPECT_EQ(sdata[1], " 1 , 3 ,NA, 2 ), .Label = c(");
    EXPECT_EQ(sdata[2], "\"3\",\"4\",\"5\"), class = \"factor\"),");
    EXPECT_EQ(sdata[4], "NA,2.5,7,NA))),");
    EXPECT_EQ(sdata[5], "row.names = c(\"C1\",\"C2\",\"C3\",\"C4\"),");
    EXPECT_EQ(sdata[6], "class = \"data.frame\")");

    const auto lisp = LinesOf(t.app, sheet, "lisp");
    ASSERT_EQ(lisp.size(), 4u);
    EXPECT_EQ(lisp[0], "(DEF g (QUOTE (3 5  0  4)))");
    EXPECT_EQ(lisp[1], "(DEF x (QUOTE ( 0  2.5 7 0)))");
    EXPECT_EQ(lisp[3], "(DEF CNames (QUOTE (\"C1\" \"C2\" \"C3\" \"C4\")))");

    EXPECT_EQ(LinesOf(t.app, sheet, "values"), (std::vector<std::string>{"3, ", "5,2.5", ",7", "4, "}));
    EXPECT_EQ(LinesOf(t.app, sheet, "counts"), (std::vector<std::string>{" 4 , 2 ", "3,", "5,2.5", ",7", "4,"}));
    EXPECT_EQ(LinesOf(t.app, sheet, "mirv", 1), (std::vector<std::string>{"3,%M", "5,2.5", "%M,7", "4,%M"}));
}

TEST(ExportLayouts, MirvHeaderNamesStemSheetGroupsAndVariables) {
    test::SourceDateGuard date("1700000000");
    TestApp t;
    Sheet& sheet = CategorySheet(t);
    EXPECT_EQ(LinesOf(t.app, sheet, "mirv"),
              (std::vector<std::string>{"\"Mirv/B_1\"", "\"x\",\"11-14-2023\", \"22:13:20\"", "\"vo : Data Entry/Edit\"",
                                        "\"/d/sheet.vo\",\"11-14-2023\", \"22:13:20\"", "\"1\"", " 1 ", " 4 ,\"\"",
                                        " 2 , 0 ", "\"g\",\"\", 3 , 0 , 0 ", "\"x\",\"\", 0 , 0 , 0 ", " 0 , 0 "}));
}

// The blank output code stands in the forms that take their blanks from the gathered sheet.
TEST(ExportBlankCode, TextFormsWriteTheSheetsCode) {
    struct Case {
        const char* code;
        const char* sdata;  // the continuous variable's values
        const char* csv;    // the first case
        const char* mirv;   // the first case
    };
    const Case cases[] = {
        {"%M", "NA,2.5,7,NA))),", "\"C1\",3, ", "3,%M"},
        {"NA", "NA,2.5,7,NA))),", "\"C1\",3,NA", "3,NA"},
        {"", "NA,2.5,7,NA))),", "\"C1\",3,", "3,"},
        {"-999", "NA,2.5,7,NA))),", "\"C1\",3,-999", "3,-999"},  // a frame's blanks are NA whatever the code
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        TestApp t;
        Sheet& sheet = CategorySheet(t);
        sheet.information().blankCode = c.code;
        EXPECT_EQ(LinesOf(t.app, sheet, "sdata")[4], c.sdata);
        EXPECT_EQ(LinesOf(t.app, sheet, "csv")[7], c.csv);
        EXPECT_EQ(LinesOf(t.app, sheet, "mirv", 1)[0], c.mirv);
        EXPECT_EQ(LinesOf(t.app, sheet, "values")[0], "3, ");
    }
}

// Save, Save As and the vo-Data exports write "%M", the one text read back as a blank.
TEST(ExportBlankCode, NativeFilesReadBackBlanksWhateverTheCode) {
    test::TempFolder folder;
    for (const char* form : {"vo1", "vo2", "vo3", "vo4"}) {
        SCOPED_TRACE(form);
        TestApp t;
        Sheet& sheet = CategorySheet(t);
        sheet.information().blankCode = "NA";
        const std::string path = folder.file(std::string(form) + ".vo");
        if (form == std::string("vo3")) ASSERT_TRUE(WriteSheetVersion3(t.app, sheet, path));
        else ASSERT_EQ(ExportCommand(t.app, sheet, *FindExportForm(form), path), ExportOutcome::Written);
        FileImage back;
        ASSERT_FALSE(ReadNativeFile(path, back));
        EXPECT_EQ(back.value(3, 1), "");
        EXPECT_EQ(back.value(1, 2), "");
    }
}

// An export onto the file of an open sheet, its own included, would bind two sheets to one file or
// leave a sheet bound to a file that no longer holds it: refused, nothing written.
TEST(ExportPaths, TheFileOfAnOpenSheetIsRefused) {
    test::TempFolder folder;
    TestApp t;
    Sheet& first = CategorySheet(t);
    Sheet& second = CategorySheet(t);
    const std::string a = folder.file("a.vo"), b = folder.file("b.vo");
    ASSERT_TRUE(WriteSheetVersion3(t.app, first, a));
    ASSERT_TRUE(WriteSheetVersion3(t.app, second, b));
    const std::string before = test::ReadBytes(a);
    const struct {
        const char* name;
        Sheet* sheet;
        const char* form;
        std::string path;
        ExportOutcome outcome;
    } cases[] = {
        {"vo-Data onto another sheet's file", &second, "vo1", a, ExportOutcome::PathRefused},
        {"values onto the sheet's own file", &first, "values", a, ExportOutcome::PathRefused},
        {"by another name of the folder", &second, "csv", folder.file("../" + folder.path().filename().string() + "/a.vo"),
         ExportOutcome::PathRefused},
        {"a file no sheet holds", &second, "values", folder.file("c.txt"), ExportOutcome::Written},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        t.ui.messages.clear();
        EXPECT_EQ(ExportCommand(t.app, *c.sheet, *FindExportForm(c.form), c.path), c.outcome);
        if (c.outcome == ExportOutcome::Written) continue;
        ASSERT_EQ(t.ui.messages.size(), 1u);
        EXPECT_EQ(t.ui.messages[0].text, "このファイルは開いているシートのファイルです。\n別の名前を指定してください。");
    }
    EXPECT_EQ(test::ReadBytes(a), before);
    EXPECT_EQ(second.information().path, b);
}

TEST(ExportPaths, FormsTakeTheirPathsAsChosen) {
    struct Case {
        const char* form;
        const char* chosen;
        std::vector<std::string> paths;  // empty: refused
    };
    const Case cases[] = {
        {"mirv", "/d/x.hdr", {"/d/x.hdr", "/d/x.dat"}},
        {"mirv", "/D/Long Name.HDR", {"/D/Long Name.HDR", "/D/Long Name.DAT"}},
        {"mirv", "/a.b/c.Hdr", {"/a.b/c.Hdr", "/a.b/c.Dat"}},
        {"mirv", "/a.b/c", {}},
        {"mirv", "/d/x.hdr.txt", {}},
        {"lisp", "/a.b/Data", {"/a.b/Data.lsp"}},
        {"lisp", "/d/X.LSP", {"/d/X.LSP"}},
        {"lisp", "/a.lsp/x.txt", {}},
        {"csv", "/d/A Very Long File Name.CSV", {"/d/A Very Long File Name.CSV"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        std::vector<std::string> paths;
        const bool refused = FindExportForm(c.form)->outputPaths(c.chosen, paths).has_value();
        EXPECT_EQ(refused, c.paths.empty());
        EXPECT_EQ(paths, c.paths);
    }
}

// A text the form cannot hold is refused with its place before a byte is written.
TEST(ExportRefusals, NameThePlaceAndWriteNothing) {
    struct Case {
        const char* form;
        void (*spoil)(Sheet&);
        const char* where;
    };
    const Case cases[] = {
        {"values", [](Sheet& s) { s.grdVo.setText(3, 3, "1,5"); }, "ケース 2、変数 2 の値"},
        {"counts", [](Sheet& s) { s.grdVo.setText(2, 2, "\"3"); }, "ケース 1、変数 1 の値"},
        {"mirv", [](Sheet& s) { s.grdVo.setText(3, 3, "2,5"); }, "ケース 2、変数 2 の値"},
        {"mirv", [](Sheet& s) { s.grdVoLabel.setText(0, 2, "x\"y"); }, "変数 2 の名前"},
        // What the text imports split a value at, full-width ones included, would shift the values after it.
        {"values", [](Sheet& s) { s.grdVo.setText(3, 3, "1 5"); }, "ケース 2、変数 2 の値"},
        {"counts", [](Sheet& s) { s.grdVo.setText(2, 2, "1\u30005"); }, "ケース 1、変数 1 の値"},
        {"mirv", [](Sheet& s) { s.grdVo.setText(5, 3, "2\uFF0C5"); }, "ケース 4、変数 2 の値"},
        {"mirv", [](Sheet& s) { s.grdVo.setText(3, 2, "2\t5"); }, "ケース 2、変数 1 の値"},
        {"mirv", [](Sheet& s) { s.information().blankCode = "N A"; }, "ケース 1、変数 2 の値"},
        {"lisp", [](Sheet& s) { s.information().blankCode = ""; }, "ケース 1、変数 2 の値"},
        // A blank code that is no atom as written: "(3 . 5)" would be no list of values.
        {"lisp", [](Sheet& s) { s.information().blankCode = "."; }, "ケース 1、変数 2 の値"},
        {"lisp", [](Sheet& s) { s.information().blankCode = "a b"; }, "ケース 1、変数 2 の値"},
        {"sdata", [](Sheet& s) { s.grdVo.setText(3, 3, "abc"); }, "ケース 2、変数 2 の値"},
        {"csv", [](Sheet& s) { s.grdVo.setText(3, 3, "1,5"); }, "ケース 2、変数 2 の値"},
    };
    test::TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.form) + " " + c.where);
        TestApp t;
        Sheet& sheet = CategorySheet(t);
        c.spoil(sheet);
        const std::string path = folder.file(c.form == std::string("mirv") ? "x.hdr" : "x.lsp");
        EXPECT_EQ(ExportCommand(t.app, sheet, *FindExportForm(c.form), path), ExportOutcome::Refused);
        ASSERT_EQ(t.ui.messages.size(), 1u);
        EXPECT_NE(t.ui.messages[0].text.find(c.where), std::string::npos) << t.ui.messages[0].text;
        EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
    }
}

TEST(ExportCommandRun, VoDataPointsTheSheetAtTheFileOtherFormsLeaveIt) {
    test::TempFolder folder;
    TestApp t;
    Sheet& sheet = CategorySheet(t);
    sheet.setModified(true);
    ASSERT_EQ(ExportCommand(t.app, sheet, *FindExportForm("csv"), folder.file("x.csv")), ExportOutcome::Written);
    EXPECT_TRUE(sheet.modified());
    EXPECT_FALSE(sheet.statisticsAndFile().hasFile);
    ASSERT_EQ(ExportCommand(t.app, sheet, *FindExportForm("vo1"), folder.file("Old.vo")), ExportOutcome::Written);
    EXPECT_EQ(sheet.information().path, folder.file("Old.vo"));
    EXPECT_EQ(sheet.information().formatTag, "vo-Data_1");
    EXPECT_FALSE(sheet.modified());

    EXPECT_EQ(ExportCommand(t.app, sheet, *FindExportForm("mirv"), ""), ExportOutcome::NoPath);
    EXPECT_EQ(ExportCommand(t.app, sheet, *FindExportForm("mirv"), folder.file("x.txt")), ExportOutcome::PathRefused);
    EXPECT_EQ(t.ui.messages.back().text, "ヘッダーファイル (*.HDR)を指定してください。");
    EXPECT_EQ(t.ui.messages.back().title, "Export");
    EXPECT_EQ(ExportBrowseRequest(*FindExportForm("lisp")).filterIndex, 3);
}

}  // namespace
}  // namespace zoriduvo

namespace zoriduvo {
namespace {

// Each language escapes on its own terms: S on the text (R decodes the code page first), Lisp on the
// bytes a byte-reading reader sees.
TEST(ExportEscapes, SNamesAreStringLiteralsRReadsBack) {
    const struct {
        const char* name;
        const char* literal;
    } cases[] = {
        {"C:\\new", "\"C:\\\\new\" = "},   {"a\\", "\"a\\\\\" = "},         {"x\"y", "\"x\\\"y\" = "},
        {"a\nb\tc", "\"a\\nb\\tc\" = "}, {"a\x01", "\"a\\x01\" = "},      {"a¥", "\"a\\u00a5\" = "},
        {"表", "\"表\" = "},             {"a‾", "\"a\\u203e\" = "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        Sheet& sheet = CategorySheet(t);
        sheet.grdVoLabel.setText(0, 2, c.name);
        EXPECT_EQ(LinesOf(t.app, sheet, "sdata").at(3), std::string(c.literal) + "structure(.Data = c(");
    }
}

TEST(ExportEscapes, LispEscapesTheBytesAByteReaderTakesForSyntax) {
    const struct {
        const char* name;
        std::string text;    // as the sheet holds it
        std::string symbol;  // code page 932 bytes
        std::string string;
    } cases[] = {
        {"plain", "abc", "abc", "\"abc\""},
        {"second byte 0x5C", "表", "\x95\\\\", "\"\x95\\\\\""},
        {"second byte |", "ポ", "\x83\\|", "\"\x83|\""},
        {"second byte `", "チ", "\x83\\`", "\"\x83`\""},
        {"backslash and colon", "C:\\new", "C\\:\\\\new", "\"C:\\\\new\""},
        {"blank and parentheses", "a (b)", "a\\ \\(b\\)", "\"a (b)\""},
        {"quote", "x\"y", "x\\\"y", "\"x\\\"y\""},
        {"would read as a number", "12", "\\12", "\"12\""},
        {"would read as a dot", ".", "\\.", "\".\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LispSymbol(test::Sjis(c.text)), c.symbol);
        EXPECT_EQ(LispString(test::Sjis(c.text)), c.string);
    }
}

// A categorical value outside its range, or between two categories, gets a level of its own: a code
// past the labels is a factor R refuses to read.
TEST(ExportLayouts, FactorLevelsCoverEveryValue) {
    TestApp t;
    Sheet& sheet = CategorySheet(t);
    sheet.grdVo.setText(3, 2, "7");
    sheet.grdVo.setText(5, 2, "3.5");
    sheet.information().blankCode = "-999";
    const auto sdata = LinesOf(t.app, sheet, "sdata");
    ASSERT_EQ(sdata.size(), 7u);
    EXPECT_EQ(sdata[1], " 1 , 5 ,NA, 2 ), .Label = c(");
    EXPECT_EQ(sdata[2], "\"3\",\"3.5\",\"4\",\"5\",\"7\"), class = \"factor\"),");
}

// Texts the program makes up from file and folder names replace what the code page cannot hold, as
// the native file's label does: a name the user chose freely does not refuse the export.
TEST(ExportLayouts, NamesOutsideTheCodePageAreReplacedInGeneratedTexts) {
    test::SourceDateGuard date("1700000000");
    TestApp t;
    Sheet& sheet = CategorySheet(t);
    const Written csv = Encode(t.app, sheet, "csv", "/dé/café.csv");
    ASSERT_FALSE(csv.problem);
    EXPECT_EQ(Lines(csv.files[0].bytes).at(1), "\"caf?.csv : 11-14-2023 22:13:20\"");
    FileImage image;
    GatherSheet(t.app, sheet, "/dé/café.hdr", false, image);
    std::vector<OutputFile> files;
    ASSERT_FALSE(EncodeExport(*FindExportForm("mirv"), image, "/dé/café.hdr", files, "/dé/naïve.vo"));
    const auto header = Lines(files[0].bytes);
    EXPECT_EQ(header.at(1), "\"caf?\",\"11-14-2023\", \"22:13:20\"");
    EXPECT_EQ(header.at(3), "\"/d?/na?ve.vo\",\"11-14-2023\", \"22:13:20\"");
}

// The Mirv/B import reads "%M", empty, "NA" and "." as blanks; any other code comes back as values.
TEST(ExportNotes, MirvTellsOfABlankCodeItsImportReadsAsAValue) {
    const struct {
        const char* form;
        const char* code;
        bool note;
    } cases[] = {
        {"mirv", "%M", false}, {"mirv", "", false},  {"mirv", "NA", false}, {"mirv", ".", false},
        {"mirv", "-999", true}, {"mirv", "N/A", true}, {"csv", "-999", false}, {"values", "-999", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.form) + " " + c.code);
        TestApp t;
        Sheet& sheet = CategorySheet(t);
        sheet.information().blankCode = c.code;
        const std::string note = ExportNote(*FindExportForm(c.form), sheet);
        EXPECT_EQ(!note.empty(), c.note);
        if (c.note) {
            EXPECT_NE(note.find(std::string("「") + c.code + "」"), std::string::npos) << note;
        }
    }
}

}  // namespace
}  // namespace zoriduvo
