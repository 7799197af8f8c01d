// The exports as their own readers take them: R reads the S data frame and the CSV table, GNU PSPP
// describes the values-with-counts body, SBCL reads the LispStat file byte by byte, and the native
// reader reads the vo-Data versions back. R, PSPP and SBCL come with scripts/deps.sh; a machine
// without them skips with the reason.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>

#include "FileTestSupport.h"
#include "files/NativeReader.h"
#include "files/SheetLoader.h"
#include "files/exports/ExportCommand.h"
#include "sheet/App.h"
#include "sheet/SheetRegistry.h"
#include "sheet/VariableRecord.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"
#include "variables/Statistics.h"

namespace zoriduvo {
namespace {

double Number(std::string_view text) { return std::stod(std::string(text)); }

// The fixture: two groups, a continuous, a categorical (3 to 5) and another continuous variable,
// blanks, Japanese names and case names.
struct Fixture {
    test::TestApp t;
    test::TempFolder folder;
    Sheet* sheet = nullptr;

    Fixture() {
        FileImage image;
        EXPECT_FALSE(ReadNativeBytes(test::TestData("exports/sheet.vo"), image));
        sheet = &t.app.sheet(LoadImageIntoSheet(t.app, image));
    }
    explicit Fixture(Sheet& (*make)(test::TestApp&)) : sheet(&make(t)) {}
    std::string exportAs(const char* form, const char* name) {
        const std::string path = folder.file(name);
        EXPECT_EQ(ExportCommand(t.app, *sheet, *FindExportForm(form), path), ExportOutcome::Written);
        return path;
    }
    // Runs the R code; its exit status and what it printed.
    std::pair<int, std::string> runR(const std::string& code) const {
        const std::string script = folder.file("check.R");
        test::WriteBytes(script, code);
        return test::RunShell("LC_ALL=C.UTF-8 Rscript --vanilla '" + script + "'");
    }
};

TEST(ExportReaders, RReadsTheDataFrameAndTheCsvTable) {
    if (!test::Installed("Rscript")) GTEST_SKIP() << "Rscript is not installed (scripts/deps.sh installs r-base-core)";
    Fixture f;
    const std::string frame = f.exportAs("sdata", "frame.s");
    const std::string table = f.exportAs("csv", "table.csv");
    const auto [status, output] = f.runR("d <- dget(file('" + frame + "', encoding = 'CP932'))\n"
        "stopifnot(is.data.frame(d), identical(names(d), c('身長', '評価', '体重')))\n"
        "stopifnot(identical(row.names(d), c('佐藤', '鈴木', '高橋', '田中', '伊藤')))\n"
        "stopifnot(isTRUE(all.equal(d[[1]], c(170.5, NA, 160, 181, 158.5))))\n"
        "stopifnot(is.factor(d[[2]]), identical(levels(d[[2]]), c('3', '4', '5')))\n"
        "stopifnot(identical(as.character(d[[2]]), c('3', '5', NA, '4', '5')))\n"
        "stopifnot(isTRUE(all.equal(d[[3]], c(60, 72.25, 55, NA, 49))))\n"
        "t <- read.csv(file('" + table + "', encoding = 'CP932'), header = FALSE, col.names = paste0('V', 1:4),\n"
        "              fill = TRUE, strip.white = TRUE, colClasses = 'character')\n"
        "stopifnot(identical(unname(unlist(t[4, ])), c('name', '身長', '評価', '体重')))\n"
        "stopifnot(identical(t[8:12, 1], c('佐藤', '鈴木', '高橋', '田中', '伊藤')))\n"
        "stopifnot(isTRUE(all.equal(suppressWarnings(as.numeric(t[8:12, 4])), c(60, 72.25, 55, NA, 49))))\n");
    EXPECT_EQ(status, 0) << output;
}

// Names and codes users have: a backslash (byte 0x5C, which code page 932 shows as "¥") before a
// letter and ending a name, "¥" itself, kanji whose second byte is 0x5C (表 能 ソ), a quote, a
// categorical value outside its range (7 in 1 to 2) and a numeric blank code.
Sheet& HostileSheet(test::TestApp& t) {
    Sheet& sheet = t.app.sheet(NewSheet(t.app));
    test::FillSheet(sheet, {{"1.5", "1", ""}, {"", "7", "2"}, {"3", "", "4"}});
    const char* names[] = {"C:\\new", "表", "a¥"};
    const char* cases[] = {"能\\", "x\"y", "ソ"};
    for (int v = 1; v <= 3; ++v) sheet.grdVoLabel.setText(0, v, names[v - 1]);
    for (int c = 1; c <= 3; ++c) sheet.grdVo.setText(c + 1, 1, cases[c - 1]);
    WriteCategoryRange(sheet, 2, {2, 2, 1});
    sheet.information().blankCode = "-999";
    return sheet;
}

TEST(ExportReaders, RReadsHostileNamesAndBlanksOfTheDataFrame) {
    if (!test::Installed("Rscript")) GTEST_SKIP() << "Rscript is not installed (scripts/deps.sh installs r-base-core)";
    Fixture f(HostileSheet);
    const std::string frame = f.exportAs("sdata", "frame.s");
    const auto [status, output] = f.runR("d <- dget(file('" + frame + "', encoding = 'CP932'))\n"
        "stopifnot(identical(names(d), c('C:\\\\new', '表', 'a\\u00a5')))\n"
        "stopifnot(identical(row.names(d), c('能\\\\', 'x\"y', 'ソ')))\n"
        "stopifnot(isTRUE(all.equal(d[[1]], c(1.5, NA, 3))))\n"
        "stopifnot(is.factor(d[[2]]), identical(levels(d[[2]]), c('1', '2', '7')))\n"
        "stopifnot(identical(as.character(d[[2]]), c('1', '7', NA)))\n"
        "stopifnot(isTRUE(all.equal(d[[3]], c(NA, 2, 4))))\n");
    EXPECT_EQ(status, 0) << output << test::ReadBytes(frame);
}

// A byte-reading Lisp reader: SBCL takes every byte as a character of its own, and letters keep
// their case so that the names come back byte for byte. Prints each DEF as its symbol's name and
// its items, tab-separated. "¥" is the byte 0x5C in code page 932, so it comes back as "\\".
TEST(ExportReaders, ALispReaderReadsHostileNamesByteForByte) {
    if (!test::Installed("sbcl")) GTEST_SKIP() << "sbcl is not installed (scripts/deps.sh installs it)";
    Fixture f(HostileSheet);
    f.sheet->grdVoLabel.setText(0, 1, "C:\\new (2)");
    f.sheet->grdVo.setText(3, 3, "ポ|x");  // a value that is no number: a symbol, 0x83 0x7C 0x7C 0x78
    const std::string lisp = f.exportAs("lisp", "data.lsp");
    const std::string out = f.folder.file("read.txt");
    const std::string script = f.folder.file("read.lisp");
    test::WriteBytes(script, "(let ((cased (copy-readtable nil)))\n"
        " (setf (readtable-case cased) :preserve)\n"
        " (with-open-file (in \"" + lisp + "\" :external-format :latin-1)\n"
        "  (with-open-file (out \"" + out + "\" :direction :output :external-format :latin-1)\n"
        "   (loop for form = (let ((*readtable* cased)) (read in nil in)) until (eq form in) do\n"
        "   (format out \"~A~{\t~A~}~%\" (symbol-name (second form))\n"
        "    (mapcar (lambda (x) (if (symbolp x) (symbol-name x) x)) (second (third form))))))))\n");
    const auto [status, output] = test::RunShell("sbcl --script '" + script + "'");
    ASSERT_EQ(status, 0) << output << test::ReadBytes(lisp);
    EXPECT_EQ(Cp932ToUtf8(test::ReadBytes(out)).value_or("?"),
              "C:\\new (2)\t1.5\t-999\t3\n"
              "表\t1\tポ|x\t-999\n"
              "a\\\t-999\t2\t4\n"
              "VNames\tC:\\new (2)\t表\ta\\\n"
              "CNames\t能\\\tx\"y\tソ\n")
        << test::ReadBytes(lisp);
}

TEST(ExportReaders, PsppDescribesTheCountedValuesAsTheSheetDoes) {
    if (!test::Installed("pspp")) GTEST_SKIP() << "pspp is not installed (scripts/deps.sh installs GNU PSPP)";
    Fixture f;
    const std::string bytes = test::ReadBytes(f.exportAs("counts", "counted.dat"));
    ASSERT_EQ(bytes.substr(0, bytes.find("\r\n")), " 5 , 3 ");
    const std::string body = f.folder.file("body.dat");
    test::WriteBytes(body, bytes.substr(bytes.find("\r\n") + 2));
    const std::string syntax = f.folder.file("describe.sps");
    const std::string out = f.folder.file("out.csv");
    test::WriteBytes(syntax, "DATA LIST LIST (\",\") FILE='" + body + "' / v1 v2 v3.\n"
                             "DESCRIPTIVES /VARIABLES=v1 v2 v3 /STATISTICS=MEAN MIN MAX.\n");
    const auto [status, output] = test::RunShell("pspp -o '" + out + "' '" + syntax + "'");
    ASSERT_EQ(status, 0) << output;

    ComputeStatisticsForSaving(f.t.app, *f.sheet);
    const Grid& stat = f.sheet->grdVoStat;
    std::istringstream lines(test::ReadBytes(out));
    int described = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.size() < 3 || line[0] != 'v' || line[2] != ',') continue;
        const int v = line[1] - '0';
        double n = 0, mean = 0, minimum = 0, maximum = 0;
        // The data list's own table names the variables too, with their formats.
        if (std::sscanf(line.c_str() + 3, "%lf,%lf,%lf,%lf", &n, &mean, &minimum, &maximum) != 4) continue;
        SCOPED_TRACE(line);
        EXPECT_EQ(n, Number(stat.text(5, v).view()));
        EXPECT_NEAR(mean, Number(stat.text(3, v).view()), 0.006);
        EXPECT_NEAR(minimum, Number(stat.text(2, v).view()), 0.006);
        EXPECT_NEAR(maximum, Number(stat.text(1, v).view()), 0.006);
        ++described;
    }
    EXPECT_EQ(described, 3) << test::ReadBytes(out);
}

TEST(ExportReaders, NativeVersionsReadBackToTheSameSheet) {
    Fixture f;
    FileImage original;
    ASSERT_FALSE(ReadNativeBytes(test::TestData("exports/sheet.vo"), original));
    for (const char* form : {"vo1", "vo2", "vo4"}) {
        SCOPED_TRACE(form);
        FileImage back;
        ASSERT_FALSE(ReadNativeFile(f.exportAs(form, std::string(form).append(".vo").c_str()), back));
        EXPECT_EQ(back.groupSizes, original.groupSizes);
        for (int v = 1; v <= original.variableCount; ++v) EXPECT_EQ(back.variable(v).name, original.variable(v).name);
        if (form == std::string("vo4")) {
            EXPECT_EQ(back.variables, original.variables);  // 1 and 2 keep no range
        }
        EXPECT_EQ(back.caseNames, original.caseNames);
        for (int c = 1; c <= original.caseCount; ++c)
            for (int v = 1; v <= original.variableCount; ++v) EXPECT_EQ(back.value(c, v), original.value(c, v));
    }
}

}  // namespace
}  // namespace zoriduvo
