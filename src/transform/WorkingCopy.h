// The data a run works on: the columns the statements need, as numbers over the case range, with
// the names and definitions of every variable. The sheet is written only once the run is done.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sheet/CaseRange.h"
#include "transform/TransformErrors.h"
#include "transform/TransformSetup.h"

namespace zoriduvo {

class Sheet;

inline int CasesIn(const CaseRange& range) { return range.empty() ? 0 : range.last - range.first + 1; }

struct WorkCell {
    float value = 0;
    bool valid = false;  // false: an empty cell, a missing value
};

struct WorkColumn {
    int source = 0;  // the sheet's variable number, 0 for a variable the run adds
    std::string name;
    CategoryRange category;
    bool headerChanged = false;  // name or definition to be written back
    bool loaded = false;
    bool written = false;
    std::vector<float> values;  // case c at c - first of the range
    std::vector<std::uint8_t> valid;

    WorkCell cell(int index) const { return {values[index], valid[index] != 0}; }
};

class WorkingCopy {
public:
    static constexpr int kMaxNewVariables = 20;

    WorkingCopy(const Sheet& sheet, const TransformSetup& setup);

    const CaseRange& range() const { return range_; }
    int variableCount() const { return static_cast<int>(columns_.size()) - 1; }
    int openingCount() const { return static_cast<int>(current_.size()) - 1; }
    int newVariables() const { return newVariables_; }
    // Where a variable of the compiled statements stands now that columns may have been inserted.
    int current(int openingVariable) const;
    // The column of variable v (1..variableCount), read from the sheet on first use.
    WorkColumn& column(int v);
    const WorkColumn& header(int v) const { return *columns_[v]; }

    // The variable a target names: "$n" for an existing number n, else the last variable of that
    // name; 0 when the target is new.
    int findTarget(const std::string& target) const;
    // Why count more variables may not be added: the sheet would pass its limit, or the run its
    // new variables; nothing when they may.
    std::optional<TransformError> refuseAdding(int count) const;
    // A new continuous variable after the last one, all cells empty; 0 when no more may be added.
    int append(const std::string& name);
    // count new empty variables directly after v; later variables move right. False when no more
    // may be added.
    bool insertAfter(int v, int count);

private:
    const Sheet& sheet_;
    CaseRange range_;
    std::vector<std::unique_ptr<WorkColumn>> columns_;  // index 0 unused
    std::vector<int> current_;                          // opening number -> current number
    int newVariables_ = 0;
};

}  // namespace zoriduvo
