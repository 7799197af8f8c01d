#include "files/exports/WriteExport.h"

#include "files/GatherSheet.h"
#include "files/SafeSave.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "variables/Statistics.h"

namespace zoriduvo {

std::optional<FileProblem> WriteExport(App& app, Sheet& sheet, const ExportForm& form, const std::string& chosen) {
    BusyPointer busy(app.ui);
    if (form.withStatistics && !sheet.statisticsValid()) ComputeStatisticsForSaving(app, sheet);
    FileImage image;
    GatherSheet(app, sheet, chosen, form.withStatistics, image);
    std::vector<OutputFile> files;
    if (auto problem = EncodeExport(form, image, chosen, files)) return problem;
    return SaveFilesSafely(files);
}

}  // namespace zoriduvo
