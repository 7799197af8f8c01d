// What the window "操作の記録" shows of a sheet's history, without its widgets: one row for where
// the history starts, then one per step in order with its time and command lines; the current
// place in the undo history marked, the undone steps told apart.
#pragma once
#include <string>
#include <vector>

namespace zoriduvo {

class Sheet;

inline constexpr const char* kHistoryTitle = "操作の記録";

struct HistoryRow {
    std::string number;   // "1", "2", ...; empty on the starting row
    std::string time;     // "hh:mm:ss" of the step
    std::string name;     // the step's name, or where the history starts
    std::string command;  // the command lines, one a line
    bool current = false; // the sheet stands after this row
    bool undone = false;  // shown greyed
};

struct HistoryView {
    std::vector<HistoryRow> rows;
    bool canSaveScript = false;  // a step stands to be replayed
};

HistoryView ViewOfHistory(const Sheet& sheet);

}  // namespace zoriduvo
