// The exchange forms as the programs users analyse in take them: R (haven, readxl) reads our
// SPSS, Stata, SAS transport and Excel files with the sheet's names, values and NAs; files that R
// (haven, openxlsx) and GNU PSPP write open here with the same values; PSPP describes our .sav as
// the sheet's statistics do. They come with scripts/deps.sh; a machine without them skips.
#include <gtest/gtest.h>

#include <sstream>

#include "FileTestSupport.h"
#include "files/NativeReader.h"
#include "files/OpenCommand.h"
#include "files/SheetLoader.h"
#include "files/exports/ExportCommand.h"
#include "sheet/App.h"
#include "support/Fakes.h"
#include "variables/Statistics.h"

namespace zoriduvo {
namespace {

bool RHas(const char* package) {
    return test::Installed("Rscript") &&
           test::RunShell(std::string("Rscript --vanilla -e 'library(") + package + ")'").first == 0;
}

struct Fixture {
    test::TestApp t;
    test::TempFolder folder;
    Sheet* sheet = nullptr;

    Fixture() {
        FileImage image;
        EXPECT_FALSE(ReadNativeBytes(test::TestData("exports/sheet.vo"), image));
        sheet = &t.app.sheet(LoadImageIntoSheet(t.app, image));
    }
    std::string exportAs(const std::string& form) {
        const std::string path = folder.file("sheet." + form);
        EXPECT_EQ(ExportCommand(t.app, *sheet, *FindExportForm(form), path), ExportOutcome::Written) << form;
        return path;
    }
    std::pair<int, std::string> runR(const std::string& code) const {
        const std::string script = folder.file("check.R");
        test::WriteBytes(script, code);
        return test::RunShell("LC_ALL=C.UTF-8 Rscript --vanilla '" + script + "'");
    }
    Sheet& open(const std::string& path) {
        t.ui.answers.push_back(Answer::Yes);  // the unique text variable names the cases
        EXPECT_EQ(OpenPath(t.app, path), OpenOutcome::Opened) << path;
        return t.app.sheet(t.app.openSheets().back());
    }
};

// The sheet of tests/data/exports/sheet.vo as R should see it.
constexpr const char* kExpected =
    "e <- list(case = c('佐藤', '鈴木', '高橋', '田中', '伊藤'), a = c(170.5, NA, 160, 181, 158.5),\n"
    "          b = c(3, 5, NA, 4, 5), c = c(60, 72.25, 55, NA, 49))\n"
    "same <- function(d, names) {\n"
    "  stopifnot(identical(names(d), names))\n"
    "  for (k in 1:4) stopifnot(isTRUE(all.equal(as.vector(unclass(d[[k]])), e[[k]], check.attributes = FALSE)))\n"
    "}\n";

TEST(ForeignReaders, RReadsEachFormWithTheSheetsNamesValuesAndNAs) {
    if (!RHas("haven") || !RHas("readxl"))
        GTEST_SKIP() << "R with haven and readxl is not installed (scripts/deps.sh installs r-cran-haven, r-cran-readxl)";
    Fixture f;
    const std::string names = "c('case', '身長', '評価', '体重')";
    const auto [status, output] = f.runR(std::string(kExpected) +
        "same(haven::read_sav('" + f.exportAs("sav") + "'), " + names + ")\n"
        "same(haven::read_dta('" + f.exportAs("dta") + "'), " + names + ")\n"
        "same(haven::read_xpt('" + f.exportAs("xpt") + "'), c('case', 'V1', 'V2', 'V3'))\n"
        "same(readxl::read_xlsx('" + f.exportAs("xlsx") + "'), " + names + ")\n"
        "d <- read.csv('" + f.exportAs("data-csv") + "', encoding = 'UTF-8', check.names = FALSE)\n"
        "same(d, " + names + ")\n");
    EXPECT_EQ(status, 0) << output;
}

TEST(ForeignReaders, FilesRWritesOpenHereWithTheSameValues) {
    if (!RHas("haven") || !RHas("openxlsx"))
        GTEST_SKIP() << "R with haven and openxlsx is not installed (scripts/deps.sh installs r-cran-haven, r-cran-openxlsx)";
    Fixture f;
    const std::string base = f.folder.file("r");
    const auto [status, output] = f.runR(
        "d <- data.frame(id = c('い', 'ろ', 'は'), x = c(1.5, NA, -2), y = c(10, 20, NA))\n"
        "haven::write_sav(d, '" + base + ".sav'); haven::write_dta(d, '" + base + ".dta')\n"
        "haven::write_xpt(d, '" + base + ".xpt'); openxlsx::write.xlsx(d, '" + base + ".xlsx')\n");
    ASSERT_EQ(status, 0) << output;
    for (const char* form : {"sav", "dta", "xpt", "xlsx"}) {
        Sheet& sheet = f.open(base + "." + form);
        ASSERT_EQ(sheet.caseCount(), 3) << form;
        ASSERT_EQ(sheet.variableCount(), 2) << form;
        const char* expected[3][3] = {{"い", "1.5", "10"}, {"ろ", "", "20"}, {"は", "-2", ""}};
        for (int c = 1; c <= 3; ++c)
            for (int column = 1; column <= 3; ++column)
                EXPECT_EQ(sheet.grdVo.text(c + 1, column), expected[c - 1][column - 1]) << form << " " << c << " " << column;
    }
}

TEST(ForeignReaders, PsppDescribesOurSavAsTheSheetAndItsOwnSavesReadBack) {
    if (!test::Installed("pspp")) GTEST_SKIP() << "pspp is not installed (scripts/deps.sh installs GNU PSPP)";
    Fixture f;
    const std::string sav = f.exportAs("sav");
    const std::string syntax = f.folder.file("describe.sps"), out = f.folder.file("out.csv");
    const std::string saved = f.folder.file("pspp.sav"), zsaved = f.folder.file("pspp.zsav");
    test::WriteBytes(syntax, "GET FILE='" + sav + "'.\nDESCRIPTIVES /VARIABLES=ALL /STATISTICS=MEAN STDDEV MIN MAX.\n"
                             "SAVE OUTFILE='" + saved + "'.\nSAVE OUTFILE='" + zsaved + "' /ZCOMPRESSED.\n");
    const auto [status, output] = test::RunShell("pspp -o '" + out + "' '" + syntax + "'");
    ASSERT_EQ(status, 0) << output;

    ComputeStatisticsForSaving(f.t.app, *f.sheet);
    const Grid& stat = f.sheet->grdVoStat;
    std::istringstream lines(test::ReadBytes(out));
    int described = 0;
    for (std::string line; std::getline(lines, line);) {
        for (int v = 1; v <= f.sheet->variableCount(); ++v) {
            const std::string name(f.sheet->grdVo.text(1, v + 1).view());
            if (!line.starts_with(name + ",")) continue;
            double n = 0, mean = 0, deviation = 0, minimum = 0, maximum = 0;
            ASSERT_EQ(std::sscanf(line.c_str() + name.size() + 1, "%lf,%lf,%lf,%lf,%lf", &n, &mean, &deviation, &minimum,
                                  &maximum), 5) << line;
            EXPECT_EQ(n, std::stod(std::string(stat.text(5, v).view()))) << line;
            EXPECT_NEAR(mean, std::stod(std::string(stat.text(3, v).view())), 0.006) << line;
            EXPECT_NEAR(deviation, std::stod(std::string(stat.text(4, v).view())), 0.006) << line;
            EXPECT_NEAR(minimum, std::stod(std::string(stat.text(2, v).view())), 0.006) << line;
            EXPECT_NEAR(maximum, std::stod(std::string(stat.text(1, v).view())), 0.006) << line;
            ++described;
        }
    }
    EXPECT_EQ(described, 3) << test::ReadBytes(out);

    for (const std::string& path : {saved, zsaved}) {
        Sheet& back = f.open(path);
        ASSERT_EQ(back.caseCount(), f.sheet->caseCount()) << path;
        ASSERT_EQ(back.variableCount(), f.sheet->variableCount()) << path;
        for (int c = 1; c <= back.caseCount(); ++c)
            for (int column = 1; column <= back.variableCount() + 1; ++column)
                EXPECT_EQ(back.grdVo.text(c + 1, column), f.sheet->grdVo.text(c + 1, column).view()) << path;
    }
}

}  // namespace
}  // namespace zoriduvo
