#include "sheet/DataChange.h"

#include "sheet/Sheet.h"
#include "sheet/SheetOperations.h"

namespace zoriduvo {

DataChange::DataChange(Sheet& sheet, const std::string& name, Statistics statistics, Notify notify)
    : sheet_(sheet), statistics_(statistics), bulk_(notify == Notify::OneReset ? std::optional<Grid::BulkChange>(std::in_place, sheet.grdVo)
                                                       : std::nullopt),
      step_(sheet.history(), name) {
    switch (statistics) {
    case Statistics::Removed:
        if (sheet.statisticsValid()) RemoveStatisticsBlocks(sheet);
        sheet.setStatisticsValid(false);
        break;
    case Statistics::EveryBlockRemoved: RemoveStatisticsBlocks(sheet); break;
    case Statistics::Kept:
    case Statistics::InvalidIfChanged: break;
    }
    start_ = sheet.history().mark();
    sheet.history().ownWorkBegins();
}

bool DataChange::changed() const { return sheet_.history().changedSince(start_); }

void DataChange::done() {
    if (!changed()) return;
    if (statistics_ == Statistics::InvalidIfChanged) sheet_.setStatisticsValid(false);
    sheet_.setModified(true);
    step_.changedData();
}

}  // namespace zoriduvo
