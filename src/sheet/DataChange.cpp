#include "sheet/DataChange.h"

#include "sheet/Sheet.h"
#include "sheet/SheetOperations.h"

namespace zoriduvo {

DataChange::DataChange(Sheet& sheet, Statistics statistics, Notify notify) : sheet_(sheet) {
    if (notify == Notify::OneReset) bulk_.emplace(sheet.grdVo);
    if (statistics == Statistics::Kept) return;
    // Blocks over part of the cases stay as they were taken until the used range grows.
    if (sheet.statisticsValid()) RemoveStatisticsBlocks(sheet);
    sheet.setStatisticsValid(false);
}

void DataChange::done() { sheet_.setModified(true); }

}  // namespace zoriduvo
