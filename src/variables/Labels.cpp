#include "variables/Labels.h"

#include <string>

#include "sheet/DataChange.h"
#include "sheet/DefaultNames.h"
#include "sheet/Sheet.h"

namespace zoriduvo {

namespace {
bool Names(LabelTarget target, LabelTarget part) { return target == LabelTarget::Both || target == part; }

// Names only: the values stand, and so do their statistics.
// option: the command line's "--generate" or "--erase", which does the same to a file.
template <typename VariableName, typename CaseName>
void WriteLabels(Sheet& sheet, LabelTarget target, const char* step, const char* option, VariableName variableName,
                 CaseName caseName) {
    DataChange change(sheet, step, DataChange::Statistics::Kept);
    const char* const targets[] = {"both", "variables", "cases"};
    const int which = target == LabelTarget::Both ? 0 : target == LabelTarget::Variables ? 1 : 2;
    change.record({"names", {}, {option, targets[which]}, {}});
    if (Names(target, LabelTarget::Variables)) {
        for (int v = 1; v <= sheet.variableCount(); ++v) {
            const std::string name = variableName(v);
            sheet.grdVo.setText(1, v + 1, name);
            if (v < sheet.grdVoLabel.cols()) sheet.grdVoLabel.setText(0, v, name);
        }
    }
    if (Names(target, LabelTarget::Cases))
        for (int c = 1; c <= sheet.caseCount(); ++c) sheet.grdVo.setText(c + 1, 1, caseName(c));
    change.done();
}
}  // namespace

void GenerateLabels(Sheet& sheet, LabelTarget target) {
    WriteLabels(sheet, target, "自動生成", "--generate", DefaultVariableName, DefaultCaseName);
}

void EraseLabels(Sheet& sheet, LabelTarget target) {
    const auto empty = [](int) { return std::string(); };
    WriteLabels(sheet, target, "削除", "--erase", empty, empty);
}

}  // namespace zoriduvo
