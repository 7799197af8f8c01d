#include "files/exports/ExportFormats.h"

#include "files/NativeWriter.h"
#include "files/exports/CsvTableWriter.h"
#include "files/exports/DataSetWriter.h"
#include "files/exports/LispStatWriter.h"
#include "files/exports/MirvWriter.h"
#include "files/exports/PlainValuesWriter.h"
#include "files/exports/SDataWriter.h"
#include "files/exports/SpreadsheetWriters.h"

namespace zoriduvo {

namespace {

std::optional<ExportText> TheChosenFile(const std::string& chosen, std::vector<std::string>& paths) {
    paths = {chosen};
    return std::nullopt;
}

template <int Version>
std::optional<FileProblem> EncodeNative(const ExportInput& input, std::vector<OutputFile>& files) {
    std::string bytes;
    if (auto problem = EncodeNativeFile(input.image, Version, bytes, input.text)) return problem;
    // Not through an initializer list, whose elements are copied: a big file's bytes would be held twice.
    files.clear();
    files.push_back({input.paths.at(0), std::move(bytes)});
    return std::nullopt;
}

using Blanks = GatheredBlanks;

// Browse filter pairs: 1 vo-Data, 2 Mirv/B, 3 Lisp, 4 text, 5 CSV, 8 SPSS, 9 Stata, 10 SAS transport,
// 11 Excel. The forms of the programs users analyse in follow the nine of the dialog; blanks reach
// them empty, as their own missing value.
constexpr ExportForm kForms[] = {
    {"vo1", "vo-Data_1", "optVo1", 1, 1, false, Blanks::NativeMark, TheChosenFile, EncodeNative<1>},
    {"vo2", "vo-Data_2", "optVo2", 1, 2, true, Blanks::NativeMark, TheChosenFile, EncodeNative<2>},
    {"vo3", "vo-Data_3", "", 1, 3, true, Blanks::NativeMark, TheChosenFile, EncodeNative<3>},
    {"vo4", "vo-Data_4", "optVo4", 1, 4, false, Blanks::NativeMark, TheChosenFile, EncodeNative<4>},
    {"values", "データのみ", "optDataOnly", 4, 0, false, Blanks::Empty, TheChosenFile, EncodeValuesOnly},
    {"counts", "ケース数、変量数付きデータ", "optIndexData", 4, 0, false, Blanks::Empty, TheChosenFile,
     EncodeValuesWithCounts},
    {"mirv", "Mirv/B", "optMirv", 2, 0, false, Blanks::SheetCode, MirvPairPaths, EncodeMirvPair},
    {"sdata", "S_Data", "optSData", 4, 0, false, Blanks::SheetCode, TheChosenFile, EncodeSDataFrame},
    {"lisp", "LispStat_Data", "optLisp", 3, 0, false, Blanks::SheetCode, LispStatPath, EncodeLispStat},
    {"csv", "CSV", "optCSV", 5, 0, true, Blanks::SheetCode, TheChosenFile, EncodeCsvTable},
    {"sav", "SPSS (*.sav)", "optSav", 8, 0, false, Blanks::Empty, TheChosenFile, EncodeSpssFile},
    {"dta", "Stata (*.dta)", "optDta", 9, 0, false, Blanks::Empty, TheChosenFile, EncodeStataFile},
    {"xpt", "SAS transport (*.xpt)", "optXpt", 10, 0, false, Blanks::Empty, TheChosenFile, EncodeTransportFile},
    {"xlsx", "Excel (*.xlsx)", "optXlsx", 11, 0, false, Blanks::Empty, TheChosenFile, EncodeXlsxFile},
    {"data-csv", "データ CSV (UTF-8)", "optDataCsv", 5, 0, false, Blanks::Empty, TheChosenFile, EncodeDataCsv},
    {"data-csv-cp932", "データ CSV (シフトJIS)", "optDataCsvCp932", 5, 0, false, Blanks::Empty, TheChosenFile,
     EncodeDataCsvCp932},
};

}  // namespace

std::span<const ExportForm> ExportForms() { return kForms; }

const ExportForm* FindExportForm(std::string_view name) {
    for (const ExportForm& form : kForms)
        if (form.name == name) return &form;
    return nullptr;
}

std::optional<FileProblem> EncodeExport(const ExportForm& form, const FileImage& image, const std::string& chosen,
                                        std::vector<OutputFile>& files, const std::string& sheetPath, TextCode text,
                                        std::vector<std::string>* notices) {
    ExportInput input{image, {}, sheetPath, text, notices};
    if (auto refusal = form.outputPaths(chosen, input.paths))
        return FileProblem{FileError::CannotWrite, 0, 0, chosen, TextOf(*refusal)};
    std::vector<OutputFile> encoded;
    if (auto problem = form.encode(input, encoded)) return problem;
    files = std::move(encoded);
    return std::nullopt;
}

}  // namespace zoriduvo
