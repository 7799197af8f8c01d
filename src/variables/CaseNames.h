// Case names (column 1 of grdVo) as the case-name dialog stores them; a name beyond the last case
// extends the case count.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace zoriduvo {

class App;
class Sheet;

inline constexpr const char* kCaseNameTitle = "ケース名";

// A case name is refused when it holds a double quote, a comma or a line break: the file could not
// hold it in its field. Anything else, the empty name included, is a name.
bool IsCaseName(std::string_view name);

// Stores the name of case c (1 ..) as one undo step and marks the sheet modified; the same name
// again is no step. A non-empty name beyond the case count extends the sheet to c cases, the cases
// between left unnamed. A refused name shows its message and changes nothing: false.
bool StoreCaseName(App& app, Sheet& sheet, int caseNumber, const std::string& name);

// The number typed into the case-number field: a positive integer written plainly ("12", not
// "012" or "1.0"), blanks around it aside; nullopt otherwise.
std::optional<int> CaseNumberField(std::string_view text);

// The rules of frmCName: one case at a time, its name stored before every move. Each move shows
// its message and returns false when refused; the dialog then stays where it was.
class CaseNameEditor {
public:
    // The edited case is the grid's current row - 1 (at least 1).
    CaseNameEditor(App& app, Sheet& sheet);

    int caseNumber() const { return case_; }
    std::string name() const;
    bool canGoBack() const { return case_ > 1; }
    bool atLastRow() const;

    bool store(const std::string& name) { return StoreCaseName(app_, sheet_, case_, name); }
    bool next(const std::string& name);
    bool previous(const std::string& name);
    // Enter in the number field: the typed number becomes the edited case.
    bool jump(std::string_view numberText, const std::string& name);
    // Execute and cancel both leave a sheet with cases but no variable one variable wide.
    void finish();

private:
    void moveTo(int caseNumber);

    App& app_;
    Sheet& sheet_;
    int case_;
};

}  // namespace zoriduvo
