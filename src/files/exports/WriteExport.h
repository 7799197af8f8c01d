#pragma once
#include <optional>
#include <string>
#include <vector>

#include "files/FileProblem.h"
#include "files/exports/ExportFormats.h"

namespace zoriduvo {

class App;
class Sheet;

// Writes the sheet in the form to the files of the chosen path, all or none (SaveFilesSafely).
// A form that carries statistics has them brought up to date first; the sheet's file record is
// left as it was. written receives the image's records as they were gathered, without the values;
// notices, when given, what the form changed to hold the sheet (names it cannot hold).
std::optional<FileProblem> WriteExport(App& app, Sheet& sheet, const ExportForm& form, const std::string& chosen,
                                       FileImage& written, std::vector<std::string>* notices = nullptr);
std::optional<FileProblem> WriteExport(App& app, Sheet& sheet, const ExportForm& form, const std::string& chosen);

}  // namespace zoriduvo
