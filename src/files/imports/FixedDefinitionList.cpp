#include "files/imports/FixedDefinitionList.h"

#include "sheet/Limits.h"
#include "sheet/VariableRecord.h"
#include "text/NumberText.h"
#include "text/Trim.h"

namespace zoriduvo {

namespace {
int ColumnOf(std::string_view text) { return RoundToInt32(LeadingNumber(text)).value_or(0); }

// A number as the list writes it: one blank before it, or its minus sign.
std::string Spaced(int n) { return n < 0 ? std::to_string(n) : " " + std::to_string(n); }
}  // namespace

ColumnCheck CheckColumns(std::string_view firstText, std::string_view lastText) {
    ColumnCheck check;
    check.first = ColumnOf(firstText);
    check.last = ColumnOf(lastText);
    if (Trim(firstText).empty() || Trim(lastText).empty() || check.last == 0 || check.first < 1 ||
        check.last > kMaxCount)
        check.kind = ColumnCheck::MendFirst;
    else if (check.first > check.last)
        check.kind = ColumnCheck::MendLast;
    return check;
}

std::string FixedEntryText(const FixedDefinition& d) {
    return d.name + "  [" + Spaced(d.first) + " -" + Spaced(d.last) + " ]";
}

FixedDefinitionList::Adding FixedDefinitionList::add(std::string_view name, std::string_view firstText,
                                                     std::string_view lastText) {
    Adding adding;
    if (name.empty()) adding.refusal = ImportMessage::NoVariableName;
    else if (!IsVariableName(name)) adding.refusal = ImportMessage::BadVariableName;
    if (adding.refusal) return adding;
    adding.columns = CheckColumns(firstText, lastText);
    if (adding.added()) definitions_.push_back({std::string(name), adding.columns.first, adding.columns.last});
    return adding;
}

FixedDefinition FixedDefinitionList::takeBack(int index) {
    if (index < 0 || index >= static_cast<int>(definitions_.size())) return {};
    FixedDefinition taken = std::move(definitions_[static_cast<std::size_t>(index)]);
    erase(index);
    return taken;
}

void FixedDefinitionList::erase(int index) {
    if (index < 0 || index >= static_cast<int>(definitions_.size())) return;
    definitions_.erase(definitions_.begin() + index);
}

}  // namespace zoriduvo
