#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/FieldForms.h"
#include "files/FileImage.h"
#include "files/FileProblem.h"
#include "files/GatherSheet.h"
#include "files/SafeSave.h"
#include "files/exports/ExportMessages.h"

namespace zoriduvo {

// What an encoder writes from: the gathered image, the files its form writes (in the order of its
// outputs) and the sheet's own file, which the Mirv/B header names.
struct ExportInput {
    const FileImage& image;
    std::vector<std::string> paths;
    std::string sheetPath;
    TextCode text = TextCode::Cp932;  // of the vo-Data forms; the other forms keep their own
    // What the form changed to hold the sheet (names it cannot hold), for the export's notice.
    std::vector<std::string>* notices = nullptr;
};

using ExportEncoder = std::optional<FileProblem> (*)(const ExportInput& input, std::vector<OutputFile>& files);

// One form a sheet can be written in. A form may write more than one file (a data file and its
// descriptor), so the path the user chose is turned into the list of files first.
struct ExportForm {
    std::string_view name;     // as the command line's --to takes it
    std::string_view caption;  // as the export dialog shows it
    std::string_view control;  // the dialog's option button
    int filterIndex;           // the pair of the browse filter chosen for the form, from 1
    int version;               // the vo-Data version; 0 for the other forms
    bool withStatistics;       // the image is gathered with the statistics block
    GatheredBlanks blanks;     // what the gathered image holds for a blank cell
    // The files for the path the user chose; a refusal when the form takes no such path.
    std::optional<ExportText> (*outputPaths)(const std::string& chosen, std::vector<std::string>& paths);
    // One output file per path, in the same order; a problem leaves files as they were.
    ExportEncoder encode;

    bool native() const { return version != 0; }
};

std::span<const ExportForm> ExportForms();
// The form of that name; nullptr when there is none.
const ExportForm* FindExportForm(std::string_view name);

// The files form writes for the chosen path, encoded from the image. A path the form refuses is
// told as a problem of that path.
std::optional<FileProblem> EncodeExport(const ExportForm& form, const FileImage& image, const std::string& chosen,
                                        std::vector<OutputFile>& files, const std::string& sheetPath = {},
                                        TextCode text = TextCode::Cp932, std::vector<std::string>* notices = nullptr);

}  // namespace zoriduvo
