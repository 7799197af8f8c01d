#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileImage.h"
#include "files/FileProblem.h"
#include "files/SafeSave.h"

namespace zoriduvo {

// One form a sheet can be written in. A form may write more than one file (a data file and its
// descriptor), so the path the user chose is turned into the list of files first.
struct ExportForm {
    std::string_view name;     // as the command line's --to takes it
    std::string_view caption;  // as the export dialog shows it
    std::string_view filter;   // its pair in the file dialog's filter
    bool native;               // a vo-Data version: the sheet's own kind of file
    bool withStatistics;       // the image is gathered with the statistics block
    std::vector<std::string> (*outputPaths)(const std::string& chosen);
    // One output file per path, in the same order; a problem leaves files as they were.
    std::optional<FileProblem> (*encode)(const FileImage& image, const std::vector<std::string>& paths,
                                         std::vector<OutputFile>& files);
};

std::span<const ExportForm> ExportForms();
// The form of that name; nullptr when there is none.
const ExportForm* FindExportForm(std::string_view name);

// The files form writes for the chosen path, encoded from the image.
std::optional<FileProblem> EncodeExport(const ExportForm& form, const FileImage& image, const std::string& chosen,
                                        std::vector<OutputFile>& files);

}  // namespace zoriduvo
