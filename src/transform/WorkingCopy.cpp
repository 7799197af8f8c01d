#include "transform/WorkingCopy.h"

#include "sheet/CellValue.h"
#include "sheet/Limits.h"
#include "sheet/Sheet.h"
#include "text/NumberText.h"

namespace zoriduvo {

WorkingCopy::WorkingCopy(const Sheet& sheet, const TransformSetup& setup) : sheet_(sheet), range_(setup.range) {
    const int count = setup.variableCount;
    columns_.resize(count + 1);
    current_.resize(count + 1);
    for (int v = 1; v <= count; ++v) {
        auto column = std::make_unique<WorkColumn>();
        column->source = v;
        column->name = v + 1 < sheet.grdVo.cols() ? std::string(sheet.grdVo.text(1, v + 1).view()) : std::string();
        column->category = setup.categories[v];
        columns_[v] = std::move(column);
        current_[v] = v;
    }
}

int WorkingCopy::current(int openingVariable) const {
    if (openingVariable >= 1 && openingVariable <= openingCount()) return current_[openingVariable];
    return openingVariable;
}

WorkColumn& WorkingCopy::column(int v) {
    WorkColumn& column = *columns_.at(v);
    if (column.loaded) return column;
    const int n = CasesIn(range_);
    column.values.assign(n, 0.0f);
    column.valid.assign(n, 0);
    const Grid& grid = sheet_.grdVo;
    const int col = column.source + 1;
    if (column.source > 0 && col < grid.cols()) {
        for (int i = 0; i < n; ++i) {
            const int row = range_.first + i + 1;
            if (row >= grid.rows()) break;
            const Cell& cell = grid.cell(row, col);
            if (cell.empty()) continue;
            column.values[i] = CellSingle(cell);
            column.valid[i] = 1;
        }
    }
    column.loaded = true;
    return column;
}

int WorkingCopy::findTarget(const std::string& target) const {
    if (target.size() >= 2 && target[0] == '$') {
        const double x = LeadingNumber(std::string_view(target).substr(1));
        if (x >= 1 && x <= variableCount() && x == static_cast<int>(x)) return current(static_cast<int>(x));
    }
    for (int v = variableCount(); v >= 1; --v)
        if (columns_[v]->name == target) return v;
    return 0;
}

std::optional<TransformError> WorkingCopy::refuseAdding(int count) const {
    if (variableCount() + count > kMaxVariables) return TransformError{TransformErrorCode::SheetFull, 0};
    if (newVariables_ + count > kMaxNewVariables) return TransformError{TransformErrorCode::TooManyNewVariables, 0};
    return std::nullopt;
}

int WorkingCopy::append(const std::string& name) {
    if (refuseAdding(1)) return 0;
    auto column = std::make_unique<WorkColumn>();
    column->name = name;
    columns_.push_back(std::move(column));
    ++newVariables_;
    return variableCount();
}

bool WorkingCopy::insertAfter(int v, int count) {
    if (count <= 0) return true;
    if (refuseAdding(count)) return false;
    std::vector<std::unique_ptr<WorkColumn>> added(count);
    for (auto& column : added) column = std::make_unique<WorkColumn>();
    columns_.insert(columns_.begin() + v + 1, std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
    for (int& number : current_)
        if (number > v) number += count;
    newVariables_ += count;
    return true;
}

}  // namespace zoriduvo
