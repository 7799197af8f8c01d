#include "files/exports/WriteExport.h"

#include "files/GatherSheet.h"
#include "files/SafeSave.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "variables/Statistics.h"

namespace zoriduvo {

std::optional<FileProblem> WriteExport(App& app, Sheet& sheet, const ExportForm& form, const std::string& chosen,
                                       FileImage& written, GatheredNames names) {
    BusyPointer busy(app.ui);
    if (form.withStatistics && !sheet.statisticsValid()) ComputeStatisticsForSaving(app, sheet);
    GatherSheet(app, sheet, chosen, form.withStatistics, written, form.blanks, GatheredValues::Borrowed, names);
    std::vector<OutputFile> files;
    auto problem = EncodeExport(form, written, chosen, files, sheet.information().path);
    written.dropValues();  // they were the sheet's own
    return problem ? problem : SaveFilesSafely(files);
}

std::optional<FileProblem> WriteExport(App& app, Sheet& sheet, const ExportForm& form, const std::string& chosen,
                                       GatheredNames names) {
    FileImage written;
    return WriteExport(app, sheet, form, chosen, written, names);
}

}  // namespace zoriduvo
