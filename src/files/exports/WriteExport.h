#pragma once
#include <optional>
#include <string>

#include "files/FileProblem.h"
#include "files/GatherSheet.h"
#include "files/exports/ExportFormats.h"

namespace zoriduvo {

class App;
class Sheet;

// Writes the sheet in the form to the files of the chosen path, all or none (SaveFilesSafely).
// A form that carries statistics has them brought up to date first; the sheet's file record is
// left as it was. written receives the image's records as they were gathered, without the values.
std::optional<FileProblem> WriteExport(App& app, Sheet& sheet, const ExportForm& form, const std::string& chosen,
                                       FileImage& written, GatheredNames names = GatheredNames::Defaults);
std::optional<FileProblem> WriteExport(App& app, Sheet& sheet, const ExportForm& form, const std::string& chosen,
                                       GatheredNames names = GatheredNames::Defaults);

}  // namespace zoriduvo
