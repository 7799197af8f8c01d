#include "transform/WriteBack.h"

#include <algorithm>
#include <string>

#include "sheet/DataChange.h"
#include "sheet/Sheet.h"
#include "sheet/SheetOperations.h"
#include "sheet/SheetShape.h"
#include "sheet/StatisticsLayout.h"
#include "sheet/VariableRecord.h"
#include "text/NumberText.h"
#include "transform/WorkingCopy.h"

namespace zoriduvo {

namespace {

// New variables standing before the last variable of the sheet get columns of their own; the
// ones after it are added by growing the used range.
void InsertNewVariables(Sheet& sheet, const WorkingCopy& copy) {
    const int lastOpening = copy.openingCount() > 0 ? copy.current(copy.openingCount()) : 0;
    for (int j = 1; j <= lastOpening;) {
        if (copy.header(j).source != 0) {
            ++j;
            continue;
        }
        int run = 0;
        while (j + run <= lastOpening && copy.header(j + run).source == 0) ++run;
        InsertVariables(sheet, j, run);
        j += run;
    }
}

void WriteData(Sheet& sheet, const WorkColumn& column, int v, const CaseRange& range) {
    Grid& grid = sheet.grdVo;
    for (int c = range.first; c <= range.last; ++c) {
        const WorkCell cell = column.cell(c - range.first);
        grid.setText(c + 1, v + 1, cell.valid ? FormatNumber(cell.value, 12, 6, false) : std::string());
    }
    if (column.source != 0) return;
    // A new variable has no values outside the range.
    const int n = sheet.caseCount();
    for (int c = 1; c <= n; ++c)
        if (!range.contains(c) && !grid.isEmpty(c + 1, v + 1)) grid.setText(c + 1, v + 1, "");
}

}  // namespace

void WriteBack(Sheet& sheet, WorkingCopy& copy, StepCommand command) {
    DataChange change(sheet, kTransformStep, DataChange::Statistics::EveryBlockRemoved, DataChange::Notify::OneReset);
    if (!command.subcommand.empty()) change.record(std::move(command));
    InsertNewVariables(sheet, copy);
    const int count = copy.variableCount();
    ExtendVariables(sheet, count);
    for (int v = 1; v <= count; ++v) {
        const WorkColumn& column = copy.header(v);
        if (column.source == 0 || column.headerChanged) WriteDefinition(sheet, v, {column.name, column.category});
        if (column.written) WriteData(sheet, column, v, copy.range());
    }
    change.done();
}

}  // namespace zoriduvo
