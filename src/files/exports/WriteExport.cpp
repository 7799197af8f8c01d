#include "files/exports/WriteExport.h"

#include "files/GatherSheet.h"
#include "files/SafeSave.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "variables/Statistics.h"

namespace zoriduvo {

std::optional<FileProblem> WriteExport(App& app, Sheet& sheet, const ExportForm& form, const std::string& chosen,
                                       FileImage& written, const ExportOptions& options) {
    std::vector<OutputFile> files;
    std::optional<FileProblem> problem;
    bool utf8Holds = false;
    {
        BusyPointer busy(app.ui);
        if (form.withStatistics && !sheet.statisticsValid()) ComputeStatisticsForSaving(app, sheet);
        GatherSheet(app, sheet, chosen, form.withStatistics, written, form.blanks, GatheredValues::Borrowed,
                    options.names);
        const std::string& sheetPath = sheet.information().path;
        problem = EncodeExport(form, written, chosen, files, sheetPath, TextCode::Cp932, options.notices);
        if (problem && problem->code == FileError::UnwritableCharacter && form.native() && options.writeInUtf8)
            utf8Holds = !EncodeExport(form, written, chosen, files, sheetPath, TextCode::Utf8, options.notices);
        written.dropValues();  // they were the sheet's own
    }
    // Never a silent replacement of the user's names: the question comes without the hourglass.
    if (utf8Holds && options.writeInUtf8(*problem)) problem.reset();
    if (problem) return problem;
    BusyPointer busy(app.ui);
    return SaveFilesSafely(files);
}

std::optional<FileProblem> WriteExport(App& app, Sheet& sheet, const ExportForm& form, const std::string& chosen,
                                       GatheredNames names) {
    FileImage written;
    return WriteExport(app, sheet, form, chosen, written, {.names = names});
}

}  // namespace zoriduvo
