#pragma once
#include <string>
#include <vector>

namespace zoriduvo {

class App;
class Sheet;

inline constexpr const char* kBulkTypingTitle = "変数の型の一括指定";

// The bulk type dialog frmVtype without its widgets: the two name lists and the typing itself.
class BulkTypeEditor {
public:
    // Fills the list of names through LoadVariableList, so unnamed variables get their default
    // names, and remembers the grid's current cell.
    BulkTypeEditor(App& app, Sheet& sheet);

    Sheet& sheet() { return sheet_; }
    // The lists no longer match this sheet: another sheet, or its variables changed meanwhile.
    bool outOfDate(const Sheet& sheet) const;
    const std::vector<std::string>& available() const { return available_; }  // lstVar
    const std::vector<std::string>& chosen() const { return chosen_; }        // lstData

    // ">>": the names at these places of the available list move to the chosen list, in order.
    void choose(const std::vector<int>& places);
    // cmdReturn: both lists as they were at opening.
    void restore();

    bool categorical = false;      // optVType(1), else optVType(0)
    std::string minimum, maximum;  // the two range fields

    enum class Outcome { Done, Beeped, FocusMinimum, Refused };
    // cmdExec: types every variable that carries a chosen name; Done means the dialog closes.
    Outcome execute();

private:
    App& app_;
    Sheet& sheet_;
    std::vector<std::string> names_;
    std::vector<std::string> available_, chosen_;
    int savedRow_, savedCol_;
};

}  // namespace zoriduvo
