#include "edit/MissingValues.h"

#include <algorithm>

#include "edit/EditMessages.h"
#include "platform/Random.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/CellBlock.h"
#include "sheet/CellValue.h"
#include "sheet/DataChange.h"
#include "sheet/SavedSelection.h"
#include "sheet/StepCommand.h"
#include "text/NumberText.h"
#include "text/Trim.h"

namespace zoriduvo {

std::vector<int> MissingTargetVariables(const Sheet& sheet) {
    const CellBlock block = SelectedBlock(sheet.grdVo);
    const bool wholeColumns = block.top == 2 && block.bottom >= sheet.lastRow();
    const int first = wholeColumns ? std::max(block.left, 2) - 1 : 1;
    const int last = wholeColumns ? std::min(block.right, sheet.lastColumn()) - 1 : sheet.variableCount();
    std::vector<int> variables;
    for (int v = first; v <= last; ++v) variables.push_back(v);
    return variables;
}

bool ConvertMissing(App& app, Sheet& sheet, MissingConversion conversion, std::string_view value,
                    const std::vector<int>& variables) {
    const bool toBlank = conversion == MissingConversion::ValueToBlank;
    const std::string_view number = Trim(value);
    if (!StrictNumber(number)) {
        app.ui.beep();
        app.ui.show(MessageOf(toBlank ? EditMessage::NumberToBlank : EditMessage::NumberFromBlank));
        return false;
    }
    BusyPointer busy(app.ui);
    Grid& grid = sheet.grdVo;
    const SavedSelection cursor = SavedSelection::Of(grid);
    DataChange change(sheet, toBlank ? kToBlankStep : kFromBlankStep);
    const std::string_view from = toBlank ? number : std::string_view();
    const std::string_view to = toBlank ? std::string_view() : number;
    for (int v : variables) {
        if (v < 1 || v > sheet.variableCount()) continue;
        for (int r = 2; r <= sheet.lastRow(); ++r)
            if (grid.text(r, v + 1) == from) grid.setText(r, v + 1, to);
    }
    cursor.restore(grid);
    StepCommand command{"missing", {}, {toBlank ? "--to-blank" : "--from-blank", std::string(value)}, {}};
    std::vector<std::string> named;
    bool every = static_cast<int>(variables.size()) == sheet.variableCount();
    for (int i = 0; i < static_cast<int>(variables.size()); ++i) {
        const int v = variables[static_cast<std::size_t>(i)];
        every = every && v == i + 1;
        if (v >= 1 && v <= sheet.variableCount()) named.insert(named.end(), {"--var", VariableWord(v)});
    }
    if (!every) command.options.insert(command.options.end(), named.begin(), named.end());
    change.record(std::move(command));
    change.done();
    return true;
}

bool SetBlankCode(App& app, Sheet& sheet, const std::string& code) {
    if (code.find_first_of(",\"\r\n") != std::string::npos) {
        app.ui.show(MessageOf(EditMessage::BlankCodeRefused));
        return false;
    }
    sheet.information().blankCode = code;
    return true;
}

void SeedRandom(App& app, std::string_view seedText) {
    const double seed = LeadingNumber(seedText);
    if (seed == 0)
        app.random.seedFromTimer();
    else
        app.random.seed(seed);
}

}  // namespace zoriduvo
