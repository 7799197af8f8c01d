#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/imports/ImportMessages.h"

namespace zoriduvo {

// A variable of a fixed-width file: its name and its first and last display column (from 1).
struct FixedDefinition {
    std::string name;
    int first = 0;
    int last = 0;

    bool operator==(const FixedDefinition&) const = default;
};

// Two column fields as typed, checked as the fixed-width dialog checks them.
struct ColumnCheck {
    enum Kind {
        Ok,
        MendFirst,  // a field is empty, the last column is 0 or the columns are beyond a line
        MendLast,   // first after last: the last field takes the first field's text
    } kind = Ok;
    int first = 0;
    int last = 0;
};
ColumnCheck CheckColumns(std::string_view firstText, std::string_view lastText);

// The list entry of a definition: "age  [ 1 - 3 ]".
std::string FixedEntryText(const FixedDefinition& definition);

// The definitions of the fixed-width dialog, in list order, with its rules for adding (">>"),
// taking back ("<<") and deleting.
class FixedDefinitionList {
public:
    struct Adding {
        std::optional<ImportMessage> refusal;  // the name was refused with this message
        ColumnCheck columns;                   // else the columns, added when Ok
        bool added() const { return !refusal && columns.kind == ColumnCheck::Ok; }
    };
    Adding add(std::string_view name, std::string_view firstText, std::string_view lastText);
    // Removes the definition at index (from 0) and returns it; the later ones move up.
    FixedDefinition takeBack(int index);
    void erase(int index);
    void clear() { definitions_.clear(); }

    const std::vector<FixedDefinition>& definitions() const { return definitions_; }
    bool empty() const { return definitions_.empty(); }

private:
    std::vector<FixedDefinition> definitions_;
};

}  // namespace zoriduvo
