#include "variables/VariableDefinitionEditor.h"

#include <algorithm>
#include <optional>
#include <string>

#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/DataChange.h"
#include "sheet/Limits.h"
#include "sheet/SheetShape.h"
#include "text/Trim.h"
#include "variables/DefineVariable.h"
#include "variables/StatisticsViewTexts.h"
#include "variables/VariableMessages.h"

namespace zoriduvo {

namespace {
// A variable number as typed: a plain positive integer with no sign, no leading zero and nothing
// else, at most 15 digits (longer numbers do not read back as the digits typed).
std::optional<long long> TypedVariableNumber(const std::string& text) {
    const std::string t(Trim(text, " "));
    if (t.empty() || t.size() > 15 || t[0] == '0') return std::nullopt;
    if (!std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
    return std::stoll(t);
}
}  // namespace

VariableDefinitionEditor::VariableDefinitionEditor(App& app, Sheet& sheet) : app_(app), sheet_(&sheet) { open(); }

void VariableDefinitionEditor::open() {
    const Grid& grid = sheet_->grdVo;
    savedCol_ = grid.col();
    savedRow_ = std::max(grid.row(), 2);
    const int n = sheet_->variableCount();
    int v;
    if (n < savedCol_) {
        v = n;
        fields_.nextEnabled = false;
    } else {
        v = savedCol_ - 1;
        fields_.nextEnabled = true;
    }
    // A sheet without variables, or the cursor on a fixed column, still edits a real variable.
    v = std::clamp(v, 1, std::max(grid.cols() - 2, 1));
    load(v);
    noteCursor();
}

void VariableDefinitionEditor::activate(Sheet& sheet) {
    if (closed_) return;
    const Grid& grid = sheet.grdVo;
    if (&sheet == sheet_ && grid.row() == seenRow_ && grid.col() == seenCol_) return;
    if (&sheet != sheet_) {
        cancel();
        closed_ = false;
        sheet_ = &sheet;
    }
    open();
}

void VariableDefinitionEditor::noteCursor() {
    seenRow_ = sheet_->grdVo.row();
    seenCol_ = sheet_->grdVo.col();
}

void VariableDefinitionEditor::load(int variable) {
    variable_ = variable;
    fields_.number = std::to_string(variable);
    fields_.beforeEnabled = variable != 1;
    buffer_ = ReadDefinition(*sheet_, variable);
    fields_.name = buffer_.name;
    fields_.categorical = buffer_.categorical();
    fields_.rangeEnabled = fields_.categorical;
    if (fields_.categorical) {
        fields_.minimum = std::to_string(buffer_.category.minimum);
        fields_.maximum = std::to_string(buffer_.category.maximum);
    } else {
        fields_.minimum.clear();
        fields_.maximum.clear();
    }
}

void VariableDefinitionEditor::moveTo(int variable) {
    EnsureGridSize(*sheet_, variable + 2, 0);
    load(variable);
    fields_.nextEnabled = variable != sheet_->variableCount();
}

bool VariableDefinitionEditor::inGrid() const { return variable_ >= 1 && variable_ + 2 <= sheet_->grdVo.cols(); }

bool VariableDefinitionEditor::store(bool extendAlways) {
    if (!inGrid()) {
        // Columns went away under the open dialog: start again where the cursor is.
        open();
        return false;
    }
    if (!IsVariableName(fields_.name)) {
        app_.ui.show(MessageOf(VariableMessage::BadName));
        return false;
    }
    VariableDefinition d;
    d.name = fields_.name;
    if (fields_.categorical) {
        if (const auto error = CategoryRangeOf(fields_.minimum, fields_.maximum, d.category);
            error != CategoryRangeError::None) {
            app_.ui.show(CategoryRangeMessage(error, kVariableDefinitionTitle));
            return false;
        }
    }
    DefineVariable(*sheet_, variable_, d, extendAlways);
    buffer_ = d;
    return true;
}

bool VariableDefinitionEditor::ok() {
    if (closed_) return false;
    // The store and the end of the dialog are one step.
    DataChange change(*sheet_, kVariableDefinitionTitle, DataChange::Statistics::InvalidIfChanged);
    if (!store(true)) return false;
    change.done();
    finish();
    return true;
}

bool VariableDefinitionEditor::next() {
    if (closed_ || !store(false)) return false;
    if (sheet_->grdVo.cols() <= variable_ + 2 || variable_ >= kMaxVariables) {
        app_.ui.show(MessageOf(VariableMessage::ColumnsFull));
        return false;
    }
    moveTo(variable_ + 1);
    return true;
}

bool VariableDefinitionEditor::previous() {
    if (closed_ || variable_ <= 1 || !store(false)) return false;
    moveTo(variable_ - 1);
    return true;
}

bool VariableDefinitionEditor::commitNumber() {
    if (closed_) return false;
    const auto number = TypedVariableNumber(fields_.number);
    if (!number) {
        app_.ui.beep();
        app_.ui.show(MessageOf(VariableMessage::NumberWanted));
        return false;
    }
    if (!store(false)) return false;
    Grid& grid = sheet_->grdVo;
    if (*number > grid.cols() - 2 || *number > kMaxVariables) {
        app_.ui.show(MessageOf(VariableMessage::BeyondTable));
        fields_.number = std::to_string(variable_);
        return false;
    }
    moveTo(static_cast<int>(*number));
    grid.setCurrent(grid.row(), variable_ + 1);
    noteCursor();
    return true;
}

bool VariableDefinitionEditor::keyUp() { return variable_ != 1 && previous(); }

bool VariableDefinitionEditor::keyDown() { return variable_ != sheet_->grdVo.cols() - 2 && next(); }

void VariableDefinitionEditor::cancel() {
    if (closed_) return;
    if (inGrid()) {
        Grid& label = sheet_->grdVoLabel;
        if (variable_ < label.cols()) label.setCell(0, variable_, sheet_->grdVo.cell(1, variable_ + 1));
    }
    finish();
}

void VariableDefinitionEditor::finish() {
    sheet_->grdVo.setCurrent(savedRow_, savedCol_);
    fields_.beforeEnabled = fields_.nextEnabled = true;
    statisticsShown_ = false;
    closed_ = true;
}

void VariableDefinitionEditor::nameLeftFocus() {
    if (closed_ || fields_.name.empty() || !inGrid()) return;
    EnsureGridSize(*sheet_, variable_ + 2, 0);
    sheet_->grdVoLabel.setText(0, variable_, fields_.name);
}

void VariableDefinitionEditor::chooseContinuous() {
    fields_.categorical = false;
    fields_.rangeEnabled = false;
}

void VariableDefinitionEditor::chooseCategorical() {
    fields_.categorical = true;
    fields_.rangeEnabled = true;
    if (statisticsShown_) {
        const StatisticsViewTexts shown = StatisticsViewFor(*sheet_, variable_);
        fields_.minimum = shown.values[static_cast<int>(Statistic::Minimum)];
        fields_.maximum = shown.values[static_cast<int>(Statistic::Maximum)];
    } else {
        fields_.minimum = std::to_string(buffer_.category.minimum);
        fields_.maximum = std::to_string(buffer_.category.maximum);
    }
}

void VariableDefinitionEditor::openStatistics() {
    if (closed_) return;
    statisticsShown_ = true;
    Grid& grid = sheet_->grdVo;
    grid.setCurrent(grid.row(), variable_ + 1);
    noteCursor();
}

}  // namespace zoriduvo
