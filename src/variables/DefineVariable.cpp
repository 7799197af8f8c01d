#include "variables/DefineVariable.h"

#include <string>

#include "sheet/DataChange.h"
#include "sheet/Sheet.h"
#include "sheet/SheetShape.h"
#include "sheet/StepCommand.h"
#include "variables/BulkTyping.h"
#include "variables/VariableDefinition.h"
#include "variables/VariableDefinitionEditor.h"

namespace zoriduvo {

namespace {

void AddCategories(StepCommand& command, CategoryRange categories) {
    if (!categories.categorical()) command.options.push_back("--continuous");
    else
        command.options.insert(command.options.end(), {"--categories", std::to_string(categories.minimum),
                                                       std::to_string(categories.maximum)});
}

}  // namespace

void DefineVariable(Sheet& sheet, int variable, const VariableDefinition& definition, bool extend) {
    DataChange change(sheet, kVariableDefinitionTitle, DataChange::Statistics::Kept);
    const bool changed = ReadDefinition(sheet, variable) != definition ||
                         sheet.grdVo.text(1, variable + 1) != definition.name;
    WriteDefinition(sheet, variable, definition);
    const bool extended = (extend || !definition.name.empty()) && ExtendDefinedVariables(sheet, variable);
    // A definition beyond the variables is no part of the file until the count reaches it.
    if (variable <= sheet.variableCount()) {
        StepCommand command{"define", {}, {"--var", std::to_string(variable), "--name", definition.name}, {}};
        AddCategories(command, definition.category);
        change.record(std::move(command));
    }
    // A stored definition is a change to save even when the dialog is left with Cancel.
    if (changed || extended) change.done();
}

void TypeVariables(Sheet& sheet, const std::vector<int>& variables, CategoryRange categories) {
    DataChange change(sheet, kBulkTypingTitle, DataChange::Statistics::Kept);
    StepCommand command{"define", {}, {}, {}};
    for (const int v : variables) {
        WriteCategoryRange(sheet, v, categories);
        command.options.insert(command.options.end(), {"--var", std::to_string(v)});
    }
    AddCategories(command, categories);
    change.record(std::move(command));
    change.done();
}

}  // namespace zoriduvo
