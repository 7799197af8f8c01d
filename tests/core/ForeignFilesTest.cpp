// The data sets of the programs users analyse in: each form written from a sheet and read back
// gives the same values and blanks; names a form cannot hold change by the stated rule; the readers
// refuse what a sheet cannot hold and survive every truncation.
#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include "FileTestSupport.h"
#include "files/NativeReader.h"
#include "files/OpenCommand.h"
#include "files/SheetLoader.h"
#include "files/exports/ExportCommand.h"
#include "files/exports/ExportFormats.h"
#include "files/exports/ForeignNames.h"
#include "files/imports/ForeignData.h"
#include "sheet/App.h"
#include "sheet/SheetRegistry.h"
#include "text/NumberText.h"
#include "sheet/VariableRecord.h"
#include "support/Fakes.h"
#include "support/SheetFill.h"

namespace zoriduvo {
namespace {

constexpr const char* kForms[] = {"sav", "dta", "xpt", "xlsx"};

struct Fixture {
    test::TestApp t;
    test::TempFolder folder;

    Sheet& openVo(const std::string& relative) {
        FileImage image;
        EXPECT_FALSE(ReadNativeBytes(test::TestData(relative), image));
        return t.app.sheet(LoadImageIntoSheet(t.app, image));
    }
    Sheet& filled(const std::vector<std::vector<std::string>>& values) {
        Sheet& sheet = t.app.sheet(NewSheet(t.app));
        test::FillSheet(sheet, values);
        return sheet;
    }
    std::string exportAs(Sheet& sheet, const std::string& form) {
        const std::string path = folder.file("out." + form);
        EXPECT_EQ(ExportCommand(t.app, sheet, *FindExportForm(form), path), ExportOutcome::Written) << form;
        return path;
    }
    // Opens the file as Open does, taking the case names when asked.
    Sheet& open(const std::string& path, bool takeCaseNames = true) {
        t.ui.answers.push_back(takeCaseNames ? Answer::Yes : Answer::No);
        EXPECT_EQ(OpenPath(t.app, path), OpenOutcome::Opened) << path;
        return t.app.sheet(t.app.openSheets().back());
    }
};

// Same counts, case names, values and blanks; the names as the form gives them back.
void ExpectSameData(const Sheet& a, const Sheet& b, bool sameNames, const std::string& form) {
    ASSERT_EQ(a.caseCount(), b.caseCount()) << form;
    ASSERT_EQ(a.variableCount(), b.variableCount()) << form;
    for (int v = 1; v <= a.variableCount() && sameNames; ++v)
        EXPECT_EQ(a.grdVo.text(1, v + 1), b.grdVo.text(1, v + 1).view()) << form << " variable " << v;
    for (int c = 1; c <= a.caseCount(); ++c) {
        EXPECT_EQ(a.grdVo.text(c + 1, 1), b.grdVo.text(c + 1, 1).view()) << form << " case name " << c;
        for (int v = 1; v <= a.variableCount(); ++v) {
            const Cell& value = a.grdVo.cell(c + 1, v + 1);
            const std::string expected = value.empty() ? std::string() : GeneralText(value.leadingNumber());
            EXPECT_EQ(b.grdVo.text(c + 1, v + 1), expected) << form << " case " << c << " variable " << v;
        }
    }
}

TEST(ForeignFiles, EachFormReadsBackWithTheSameValuesBlanksAndCaseNames) {
    for (const char* form : kForms) {
        Fixture f;
        Sheet& sheet = f.openVo("exports/sheet.vo");  // Japanese names, a categorical variable, blanks
        Sheet& back = f.open(f.exportAs(sheet, form));
        // SAS transport holds 8 ASCII characters: the Japanese names become V1, V2, V3.
        ExpectSameData(sheet, back, std::string(form) != "xpt", form);
        EXPECT_FALSE(back.statisticsAndFile().hasFile) << form << ": Save must ask for a vo-Data name";
    }
}

TEST(ForeignFiles, SpssKeepsTheCategoriesAndTheFileLabel) {
    Fixture f;
    Sheet& sheet = f.openVo("exports/sheet.vo");
    Sheet& back = f.open(f.exportAs(sheet, "sav"));
    for (int v = 1; v <= sheet.variableCount(); ++v)
        EXPECT_EQ(ReadCategoryRange(back, v), ReadCategoryRange(sheet, v)) << v;
    EXPECT_EQ(back.information().fileLabel, sheet.information().fileLabel);
}

// Numbers of every kind and scattered blanks over a few hundred cases.
std::vector<std::vector<std::string>> MediumValues() {
    const char* samples[] = {"0", "-1", "0.1", "12.5", "-3.25", "1234567", "1E-07", "9.87654321", "", "2.5E+12", "-0.001"};
    std::vector<std::vector<std::string>> rows;
    for (int c = 0; c < 300; ++c) {
        rows.emplace_back();
        for (int v = 0; v < 12; ++v) rows.back().push_back(samples[(c * 7 + v * 3 + c / 5) % std::size(samples)]);
    }
    return rows;
}

TEST(ForeignFiles, AMediumSheetRoundTripsThroughEveryForm) {
    for (const char* form : kForms) {
        Fixture f;
        Sheet& sheet = f.filled(MediumValues());
        ExpectSameData(sheet, f.open(f.exportAs(sheet, form)), true, form);
    }
}

TEST(ForeignFiles, ATextValueMakesItsVariableAStringVariableAndIsTold) {
    for (const char* form : {"sav", "dta", "xpt"}) {
        Fixture f;
        Sheet& sheet = f.filled({{"1", "x1"}, {"2", "abc"}, {"", "12"}});
        Sheet& back = f.open(f.exportAs(sheet, form), false);
        const auto& notice = f.t.ui.messages.at(0).text;
        EXPECT_NE(notice.find("変数「V2」は文字列の変数（ケース 1 の値「x1」"), std::string::npos) << form << notice;
        // Not taken as case names: "case" is the first variable, then the two of the sheet.
        ASSERT_EQ(back.variableCount(), 3) << form;
        EXPECT_EQ(back.grdVo.text(3, 4), "abc") << form;  // case 2 in row 3
        EXPECT_EQ(back.grdVo.text(4, 4), "12") << form;
        EXPECT_EQ(back.grdVo.text(4, 3), "") << form;
    }
}

TEST(ForeignFiles, ATextLongerThanTheFormHoldsIsRefusedNamingItsCell) {
    Fixture f;
    Sheet& sheet = f.filled({{"1"}, {std::string(201, 'a')}});
    const std::string path = f.folder.file("long.xpt");
    EXPECT_EQ(ExportCommand(f.t.app, sheet, *FindExportForm("xpt"), path), ExportOutcome::Refused);
    EXPECT_NE(f.t.ui.messages.at(0).text.find("ケース 2"), std::string::npos) << f.t.ui.messages.at(0).text;
    EXPECT_FALSE(std::filesystem::exists(path));
}

struct NameCase {
    const char* rule;
    std::vector<std::string> names;
    std::vector<std::string> expected;
    const char* caseColumn;
};

const NameRule* RuleOf(std::string_view name) {
    if (name == "sav") return &SpssNames();
    if (name == "dta") return &StataNames();
    if (name == "xpt") return &TransportNames();
    return nullptr;
}

TEST(ForeignFiles, NamesAFormCannotHoldChangeByTheStatedRuleWithoutCollisions) {
    const NameCase cases[] = {
        {"dta", {"身長", "1st", "a b", "if", std::string(40, 'a'), "x", "X"},
         {"身長", "V1st", "ab", "if_", std::string(32, 'a'), "x", "X_2"}, "case"},
        {"dta", {std::string(40, 'b'), std::string(41, 'b')}, {std::string(32, 'b'), std::string(30, 'b') + "_2"}, "case"},
        {"xpt", {"身長", "height_in_cm", "height_in_mm", "_N_", "case"},
         {"V1", "height_i", "height_2", "_N__", "case"}, "case_2"},
        {"sav", {"AND", "a.b.", "#x", "評価", "@at"}, {"AND_", "a.b", "V#x", "評価", "@at"}, "case"},
        {"sav", {std::string(30, 'x') + "あいうえおかきくけこさしすせそ"},  // 30 + 15 × 3 bytes
         {std::string(30, 'x') + "あいうえおかきくけこ" + "さ"}, "case"},
        {"xlsx", {"any name", "any name", "case"}, {"any name", "any name", "case"}, "case_2"},
    };
    for (const NameCase& c : cases) {
        FileImage image;
        image.variableCount = static_cast<int>(c.names.size());
        for (const std::string& name : c.names) image.variables.push_back({name, {}});
        const ForeignNames names = NamesForForm(image, RuleOf(c.rule));
        EXPECT_EQ(names.variables, c.expected) << c.rule << " " << c.names.front();
        EXPECT_EQ(names.caseColumn, c.caseColumn) << c.rule;
    }
}

TEST(ForeignFiles, RenamedVariablesAreListedInTheExportNotice) {
    Fixture f;
    Sheet& sheet = f.openVo("exports/sheet.vo");
    f.exportAs(sheet, "xpt");
    ASSERT_EQ(f.t.ui.messages.size(), 1u);
    EXPECT_EQ(f.t.ui.messages[0].text,
              "この形式に合わせて次のとおり変えて書き出しました（3 件）:\n変数名「身長」→「V1」\n"
              "変数名「評価」→「V2」\n変数名「体重」→「V3」");
}

// An image of that many cases and variables, written by the form into memory.
std::string Encoded(const char* form, int cases, int variables) {
    FileImage image;
    image.caseCount = cases;
    image.variableCount = variables;
    for (int v = 1; v <= variables; ++v) image.variables.push_back({"v" + std::to_string(v), {}});
    for (int c = 1; c <= cases; ++c) {
        image.caseNames.push_back("c" + std::to_string(c));
        image.appendValue("1");
    }
    std::vector<OutputFile> files;
    EXPECT_FALSE(EncodeExport(*FindExportForm(form), image, std::string("/nowhere/x.") + form, files)) << form;
    return files.empty() ? std::string() : files[0].bytes;
}

TEST(ForeignFiles, MoreThan32767CasesOrVariablesAreRefused) {
    struct Case {
        const char* form;
        int cases, variables;
        const char* place;
    };
    const Case cases[] = {
        {"sav", 32768, 1, "ケース数"}, {"dta", 32768, 1, "ケース数"}, {"xpt", 32768, 1, "ケース数"},
        {"xlsx", 32768, 1, "ケース数"}, {"sav", 1, 32767, "変数の数"},  // and the case names' variable
        {"dta", 1, 32767, "変数の数"},
    };
    for (const Case& c : cases) {
        const std::string bytes = Encoded(c.form, c.cases, c.variables);
        FileImage image;
        bool cancelled = false;
        const auto problem = ReadForeignBytes(bytes, ForeignKindOf(bytes), {}, image, cancelled);
        ASSERT_TRUE(problem) << c.form;
        EXPECT_EQ(problem->code, FileError::TooLarge) << c.form;
        EXPECT_EQ(problem->where, c.place) << c.form;
        EXPECT_EQ(image.caseCount, 0) << c.form;
    }
}

TEST(ForeignFiles, EveryTruncationIsRefusedOrReadWithoutHarm) {
    Fixture f;
    Sheet& sheet = f.openVo("exports/sheet.vo");
    for (const char* form : kForms) {
        const std::string bytes = test::ReadBytes(f.exportAs(sheet, form));
        for (std::size_t n = 0; n < bytes.size(); ++n) {
            const std::string_view cut(bytes.data(), n);
            FileImage image;
            bool cancelled = false;
            const ForeignKind kind = ForeignKindOf(cut);
            if (kind == ForeignKind::None) continue;
            if (ReadForeignBytes(cut, kind, {}, image, cancelled)) continue;
            EXPECT_LE(image.caseCount, sheet.caseCount()) << form << " cut at " << n;
            EXPECT_LE(image.variableCount, sheet.variableCount() + 1) << form << " cut at " << n;
        }
    }
}

TEST(ForeignFiles, TheKindIsToldByTheFirstBytes) {
    const std::pair<std::string_view, ForeignKind> cases[] = {
        {"$FL2@(#) SPSS", ForeignKind::Spss},
        {"$FL3@(#) zlib", ForeignKind::Spss},
        {"<stata_dta><header>", ForeignKind::Stata},
        {std::string_view("\x72\x02\x01\x00", 4), ForeignKind::Stata},
        {std::string_view("\x72\x03\x01\x00", 4), ForeignKind::None},
        {"HEADER RECORD*******LIBRARY HEADER RECORD!!!!!!!", ForeignKind::Transport},
        {"HEADER RECORD*******LIBV8   HEADER RECORD!!!!!!!", ForeignKind::Transport},
        {std::string_view("PK\x03\x04", 4), ForeignKind::Xlsx},
        {"\"vo-Data_3\"", ForeignKind::None},
        {"case,a,b", ForeignKind::None},
        {"", ForeignKind::None},
    };
    for (const auto& [bytes, kind] : cases) EXPECT_EQ(ForeignKindOf(bytes), kind) << bytes;
}

TEST(ForeignFiles, ASpssFileNamedLikeVoDataIsReadByItsFirstBytes) {
    Fixture f;
    Sheet& sheet = f.openVo("exports/sheet.vo");
    const std::string sav = f.exportAs(sheet, "sav");
    const std::string renamed = f.folder.file("looks-native.vo");
    std::filesystem::rename(sav, renamed);
    ExpectSameData(sheet, f.open(renamed), true, "sav as .vo");
}

// A workbook of two worksheets, each with a header and one case.
std::string TwoSheetBook(const std::string& path) {
    lxw_workbook* book = workbook_new(path.c_str());
    lxw_worksheet* first = workbook_add_worksheet(book, "first");
    lxw_worksheet* second = workbook_add_worksheet(book, "二番目");
    worksheet_write_string(first, 0, 0, "a", nullptr);
    worksheet_write_number(first, 1, 0, 1.5, nullptr);
    worksheet_write_string(second, 0, 0, "b", nullptr);
    worksheet_write_string(second, 0, 2, "c", nullptr);
    worksheet_write_number(second, 1, 0, 7, nullptr);
    worksheet_write_boolean(second, 1, 2, 1, nullptr);
    worksheet_write_number(second, 3, 1, -2.25, nullptr);  // row 3 left out: a case of blanks
    workbook_close(book);
    return test::ReadBytes(path);
}

TEST(ForeignFiles, AWorkbookOfSeveralSheetsReadsTheOneChosen) {
    test::TempFolder folder;
    const std::string bytes = TwoSheetBook(folder.file("book.xlsx"));
    std::vector<std::string> offered;
    ForeignQuestions questions;
    questions.chooseSheet = [&offered](const std::vector<std::string>& sheets) {
        offered = sheets;
        return std::optional<int>(1);
    };
    FileImage image;
    bool cancelled = false;
    ASSERT_FALSE(ReadForeignBytes(bytes, ForeignKind::Xlsx, questions, image, cancelled));
    EXPECT_EQ(offered, (std::vector<std::string>{"first", "二番目"}));
    ASSERT_EQ(image.variableCount, 3);
    EXPECT_EQ(image.variable(1).name, "b");
    EXPECT_EQ(image.variable(2).name, "V2");
    EXPECT_EQ(image.variable(3).name, "c");
    ASSERT_EQ(image.caseCount, 3);
    EXPECT_EQ(image.value(1, 1), "7");
    EXPECT_EQ(image.value(1, 3), "1");
    EXPECT_EQ(image.value(2, 1), "");
    EXPECT_EQ(image.value(3, 2), "-2.25");

    questions.chooseSheet = [](const std::vector<std::string>&) { return std::optional<int>(); };
    FileImage untouched;
    ASSERT_FALSE(ReadForeignBytes(bytes, ForeignKind::Xlsx, questions, untouched, cancelled));
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(untouched.variableCount, 0);
}

TEST(ForeignFiles, CaseNamesComeFromAUniqueTextVariableOnlyWhenTheUserSaysSo) {
    Fixture f;
    Sheet& sheet = f.openVo("exports/sheet.vo");
    const std::string sav = f.exportAs(sheet, "sav");
    Sheet& numbered = f.open(sav, false);
    EXPECT_EQ(f.t.ui.messages.back().buttons, MessageButtons::YesNo);
    EXPECT_EQ(numbered.variableCount(), sheet.variableCount() + 1);
    EXPECT_EQ(numbered.grdVo.text(2, 1), "C1");
    EXPECT_EQ(numbered.grdVo.text(2, 2), "佐藤");
}

}  // namespace
}  // namespace zoriduvo
