#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/FileProblem.h"
#include "files/GatherSheet.h"
#include "files/exports/ExportFormats.h"

namespace zoriduvo {

class App;
class Sheet;

// Asked, when a vo-Data form meets a character code page 932 cannot hold and UTF-8 can, whether
// to write the file in UTF-8; false keeps the problem and writes nothing.
using Utf8Question = std::function<bool(const FileProblem& problem)>;

struct ExportOptions {
    std::vector<std::string>* notices = nullptr;  // what the form changed to hold the sheet
    Utf8Question writeInUtf8{};
    GatheredNames names = GatheredNames::Defaults;
};

// The one way a sheet is written to files (Save, Save As, Export, the command line): the sheet in
// the form to the files of the chosen path, all or none (SaveFilesSafely). A form that carries
// statistics has them brought up to date first; the sheet's file record is left as it was.
// written receives the image's records as they were gathered, without the values.
std::optional<FileProblem> WriteExport(App& app, Sheet& sheet, const ExportForm& form, const std::string& chosen,
                                       FileImage& written, const ExportOptions& options = {});
std::optional<FileProblem> WriteExport(App& app, Sheet& sheet, const ExportForm& form, const std::string& chosen,
                                       GatheredNames names = GatheredNames::Defaults);

}  // namespace zoriduvo
