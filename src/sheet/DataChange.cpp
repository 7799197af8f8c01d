#include "sheet/DataChange.h"

#include "sheet/Sheet.h"
#include "sheet/SheetOperations.h"

namespace zoriduvo {

DataChange::DataChange(Sheet& sheet, const std::string& name, Statistics statistics, Notify notify)
    : sheet_(sheet), bulk_(notify == Notify::OneReset ? std::optional<Grid::BulkChange>(std::in_place, sheet.grdVo)
                                                       : std::nullopt),
      step_(sheet.history(), name) {
    if (statistics == Statistics::Removed) {
        // Blocks over part of the cases stay as they were taken until the used range grows.
        if (sheet.statisticsValid()) RemoveStatisticsBlocks(sheet);
        sheet.setStatisticsValid(false);
    }
    start_ = sheet.history().mark();
    sheet.history().ownWorkBegins();
}

bool DataChange::changed() const { return sheet_.history().changedSince(start_); }

void DataChange::done() {
    if (!changed()) return;
    sheet_.setModified(true);
    step_.changedData();
}

}  // namespace zoriduvo
