#include "transform/RunTransformation.h"

#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/Sheet.h"
#include "sheet/StepCommand.h"
#include "transform/Evaluator.h"
#include "transform/TransformList.h"
#include "transform/WorkingCopy.h"
#include "transform/WriteBack.h"

namespace zoriduvo {

std::optional<TransformError> RunTransformation(App& app, Sheet& sheet, const TransformSetup& setup,
                                                const std::vector<StatementRecord>& statements) {
    BusyPointer busy(app.ui);
    WorkingCopy copy(sheet, setup);
    for (const StatementRecord& statement : statements)
        if (auto error = RunStatement(copy, statement, setup, app.random)) return error;
    // The statements said on the command line do the same to a file, unless they draw random
    // numbers: the generator's state is no argument, and such a step is told as not replayable.
    StepCommand command{"transform", {}, {}, {}};
    AddCaseRange(command, setup.range.first, setup.range.last, sheet.caseCount());
    for (const StatementRecord& statement : statements) {
        command.options.insert(command.options.end(), {"-e", statement.text});
        std::string upper = statement.text;
        for (char& c : upper) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        if (upper.find("RND(") != std::string::npos) command = {};
        if (command.subcommand.empty()) break;
    }
    WriteBack(sheet, copy, std::move(command));
    return std::nullopt;
}

bool ExecuteTransformation(App& app, Sheet& sheet, const TransformList& list) {
    if (auto error = RunTransformation(app, sheet, list.setup(), list.records())) {
        ShowTransformError(app.ui, *error);
        return false;
    }
    return true;
}

}  // namespace zoriduvo
