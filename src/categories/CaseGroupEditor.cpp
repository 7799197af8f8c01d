#include "categories/CaseGroupEditor.h"

#include <algorithm>
#include <numeric>

#include "categories/CategoryMessages.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/CaseGroups.h"
#include "sheet/DataChange.h"
#include "text/NumberText.h"

namespace zoriduvo {

namespace {
// A field read as a whole number: blanks around, an optional sign and digits, nothing else.
std::optional<int> FieldInteger(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::nullopt;
    const std::string t = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    const std::size_t digits = t[0] == '-' || t[0] == '+' ? 1 : 0;
    if (digits == t.size() || t.size() - digits > 9) return std::nullopt;
    if (!std::all_of(t.begin() + static_cast<long>(digits), t.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return RoundToInt32(LeadingNumber(t));
}
}  // namespace

bool CaseGroupEditor::CanOpen(App& app, const Sheet& sheet) {
    if (sheet.caseCount() >= 1) return true;
    app.ui.show(MessageOf(CategoryMessage::NoCases));
    return false;
}

CaseGroupEditor::CaseGroupEditor(App& app, Sheet& sheet)
    : app_(app), sheet_(sheet), n_(std::max(sheet.caseCount(), 0)) {
    const std::vector<int> stored = CaseGroupSizes(sheet);
    if (stored.size() >= 2) {
        openDisplay(stored);
        return;
    }
    predefineFromSelection();
    view_.defining = true;
    beginGroup();
    if (!sizes_.empty()) {
        view_.summaryShown = true;
        view_.summaryNumber = static_cast<int>(sizes_.size()) + 1;
    }
}

void CaseGroupEditor::openDisplay(const std::vector<int>& sizes) {
    sizes_ = sizes;
    assigned_ = n_;
    rebuildLines();
    view_.summaryShown = true;
    view_.summaryPrefix = "全 ";
    view_.summaryNumber = static_cast<int>(sizes_.size());
    view_.correctShown = true;
    view_.correctionHeading = true;
    view_.removeShown = true;
}

void CaseGroupEditor::predefineFromSelection() {
    const Grid& grid = sheet_.grdVo;
    if (grid.row() == grid.rowSel() || grid.colSel() != grid.cols() - 1) return;
    const int top = std::max(std::min(grid.row(), grid.rowSel()) - 1, 1);
    const int bottom = std::min(std::max(grid.row(), grid.rowSel()) - 1, n_);
    if (top > bottom || (top == 1 && bottom == n_)) return;
    if (top > 1) sizes_.push_back(top - 1);
    // A block that reaches the last case is where the definition goes on, not a group yet.
    if (bottom < n_) sizes_.push_back(bottom - top + 1);
    assigned_ = std::accumulate(sizes_.begin(), sizes_.end(), 0);
    rebuildLines();
}

CaseGroupEditor::Mode CaseGroupEditor::mode() const {
    if (view_.defining) return Mode::Defining;
    return view_.applyEnabled ? Mode::Complete : Mode::Display;
}

std::string CaseGroupEditor::line(int start, int end, int size) const {
    return std::to_string(start) + " - " + std::to_string(end) + "  (" + std::to_string(size) + " )";
}

void CaseGroupEditor::rebuildLines() {
    view_.lines.clear();
    int end = 0;
    for (int size : sizes_) {
        view_.lines.push_back(line(end + 1, end + size, size));
        end += size;
    }
}

void CaseGroupEditor::beginGroup() {
    const int start = assigned_ + 1;
    view_.spinMinimum = start;
    view_.spinMaximum = std::max(n_, start);
    showGroup(start);
}

// The group being defined runs from the case after the assigned ones to end: the three fields,
// the remainder after it and the spinner.
void CaseGroupEditor::showGroup(int end) {
    const int start = assigned_ + 1;
    view_.start = std::to_string(start);
    view_.end = std::to_string(end);
    view_.count = std::to_string(end - start + 1);
    view_.restShown = end < n_;
    if (view_.restShown) {
        view_.restStart = std::to_string(end + 1);
        view_.restEnd = std::to_string(n_);
        view_.restCount = std::to_string(n_ - end);
    }
    view_.spinValue = n_ - end + start;
}

void CaseGroupEditor::countEdited(const std::string& text) {
    view_.count = text;
    if (!view_.defining) return;
    const double x = LeadingNumber(text);
    const auto count = RoundToInt16(x);
    // A count that rounds to no case at all would make an empty group.
    if (x <= 0 || x > n_ - assigned_ || !count || *count < 1) {
        app_.ui.beep();
        return;
    }
    showGroup(assigned_ + *count);
}

void CaseGroupEditor::endEdited(const std::string& text) {
    view_.end = text;
    if (!view_.defining) return;
    const double x = LeadingNumber(text);
    if (x < assigned_ + 1) return;
    if (x <= 0 || x > n_) {
        app_.ui.beep();
        return;
    }
    showGroup(std::max(static_cast<int>(RoundToInt16(x).value_or(n_)), assigned_ + 1));
}

void CaseGroupEditor::spun(int value) {
    if (!view_.defining) return;
    value = std::clamp(value, view_.spinMinimum, view_.spinMaximum);
    endEdited(std::to_string(n_ - value + assigned_ + 1));
}

bool CaseGroupEditor::add() {
    if (!view_.defining) return false;
    const auto start = FieldInteger(view_.start), end = FieldInteger(view_.end), count = FieldInteger(view_.count);
    if (!start || !end || !count || *count != *end - *start + 1 || *start != assigned_ + 1 || *count < 1 ||
        *end > n_) {
        app_.ui.show(MessageOf(CategoryMessage::GroupRefused));
        return false;
    }
    sizes_.push_back(*count);
    assigned_ += *count;
    view_.lines.push_back(line(*start, *end, *count));
    view_.selected = 0;
    view_.summaryShown = true;
    view_.summaryNumber = static_cast<int>(sizes_.size());
    view_.correctShown = true;
    view_.correctEnabled = false;
    view_.joinEnabled = false;
    if (assigned_ < n_) {
        beginGroup();
        return true;
    }
    view_.defining = false;
    view_.restShown = false;
    view_.correctionHeading = true;
    view_.summaryPrefix = "全 ";
    view_.applyEnabled = true;
    return true;
}

void CaseGroupEditor::rest() {
    if (view_.defining) showGroup(n_);
}

void CaseGroupEditor::selectLine(int line) {
    if (line < 1 || line > static_cast<int>(sizes_.size())) {
        view_.selected = 0;
        return;
    }
    view_.selected = line;
    view_.correctShown = view_.correctEnabled = true;
    view_.joinEnabled = line != 1;
}

void CaseGroupEditor::correct() {
    const int j = view_.selected;
    if (!view_.correctEnabled || j < 1) return;
    sizes_.resize(j - 1);
    view_.lines.resize(j - 1);
    assigned_ = std::accumulate(sizes_.begin(), sizes_.end(), 0);
    view_.selected = 0;
    view_.summaryShown = true;
    view_.summaryPrefix = "現在";
    view_.summaryNumber = j - 1;
    view_.defining = true;
    view_.correctionHeading = false;
    view_.removeShown = false;
    view_.correctShown = true;
    view_.correctEnabled = false;
    view_.joinEnabled = false;
    view_.applyEnabled = false;
    beginGroup();
}

void CaseGroupEditor::join() {
    const int j = view_.selected;
    if (!view_.joinEnabled || j < 2) return;
    sizes_[j - 2] += sizes_[j - 1];
    sizes_.erase(sizes_.begin() + (j - 1));
    rebuildLines();
    view_.selected = j - 1;
    view_.joinEnabled = false;
    view_.correctEnabled = true;
    view_.summaryNumber = static_cast<int>(sizes_.size());
    view_.removeShown = false;
}

bool CaseGroupEditor::apply() { return view_.applyEnabled && GroupCases(sheet_, sizes_); }

bool CaseGroupEditor::remove() {
    if (!view_.removeShown) return false;
    UngroupCases(sheet_);
    return true;
}

bool GroupCases(Sheet& sheet, const std::vector<int>& sizes) {
    DataChange change(sheet, kCaseGroupTitle, DataChange::Statistics::Kept);
    if (!ApplyCaseGroups(sheet, sizes)) return false;
    std::string list;
    for (const int size : sizes) list += (list.empty() ? "" : ",") + std::to_string(size);
    change.record({"groups", {}, {"--sizes", list}, {}});
    change.done();
    return true;
}

void UngroupCases(Sheet& sheet) {
    DataChange change(sheet, kCaseGroupTitle, DataChange::Statistics::Kept);
    ClearCaseGroups(sheet);
    change.record({"groups", {}, {"--none"}, {}});
    change.done();
}

}  // namespace zoriduvo
