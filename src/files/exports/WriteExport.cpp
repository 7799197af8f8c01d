#include "files/exports/WriteExport.h"

#include "files/GatherSheet.h"
#include "files/SafeSave.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "variables/Statistics.h"

namespace zoriduvo {

std::optional<FileProblem> WriteExport(App& app, Sheet& sheet, const ExportForm& form, const std::string& chosen,
                                       FileImage& written, std::vector<std::string>* notices,
                                       const Utf8Question& writeInUtf8) {
    std::vector<OutputFile> files;
    std::optional<FileProblem> problem;
    bool utf8Holds = false;
    {
        BusyPointer busy(app.ui);
        if (form.withStatistics && !sheet.statisticsValid()) ComputeStatisticsForSaving(app, sheet);
        GatherSheet(app, sheet, chosen, form.withStatistics, written, form.blanks, GatheredValues::Borrowed);
        const std::string& sheetPath = sheet.information().path;
        problem = EncodeExport(form, written, chosen, files, sheetPath, TextCode::Cp932, notices);
        if (problem && problem->code == FileError::UnwritableCharacter && form.native() && writeInUtf8)
            utf8Holds = !EncodeExport(form, written, chosen, files, sheetPath, TextCode::Utf8, notices);
        written.dropValues();  // they were the sheet's own
    }
    // Never a silent replacement of the user's names: the question comes without the hourglass.
    if (utf8Holds && writeInUtf8(*problem)) problem.reset();
    if (problem) return problem;
    BusyPointer busy(app.ui);
    return SaveFilesSafely(files);
}

std::optional<FileProblem> WriteExport(App& app, Sheet& sheet, const ExportForm& form, const std::string& chosen) {
    FileImage written;
    return WriteExport(app, sheet, form, chosen, written);
}

}  // namespace zoriduvo
