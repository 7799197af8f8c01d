#pragma once
#include <string>

#include "variables/VariableDefinition.h"

namespace zoriduvo {

class App;
class Sheet;

inline constexpr const char* kVariableDefinitionTitle = "変数の定義";

// The definition dialog frmVarLbl without its widgets: the fields it shows, the buffer of the
// edited variable, storing, moving between variables and closing. The dialog copies what the
// user typed into fields() before it calls an operation and shows fields() afterwards.
class VariableDefinitionEditor {
public:
    struct Fields {
        std::string number;            // txtVarNo
        std::string name;              // txtVName
        bool categorical = false;      // optTypeCateg, else optTypeCont
        std::string minimum, maximum;  // txtRange(0), txtRange(1)
        bool rangeEnabled = false;     // both range fields and lblRange
        bool beforeEnabled = false;    // cmdBefore
        bool nextEnabled = false;      // cmdNext
    };

    // Opens on the variable of the grid's current column.
    VariableDefinitionEditor(App& app, Sheet& sheet);

    Sheet& sheet() { return *sheet_; }
    int variable() const { return variable_; }
    Fields& fields() { return fields_; }
    const Fields& fields() const { return fields_; }
    // The statistics view was opened from this dialog and is still open (the dialog's tag).
    bool statisticsShown() const { return statisticsShown_; }
    bool closed() const { return closed_; }

    // The dialog becomes active again, on the active sheet: it follows the grid when the user
    // moved the cursor or changed sheets meanwhile, and keeps what is typed otherwise.
    void activate(Sheet& sheet);

    // Each returns true when the dialog is to close (ok) or moved to another variable.
    bool ok();
    bool previous();
    bool next();
    bool commitNumber();
    bool keyUp();
    bool keyDown();
    // Discards what was not stored; closing the window in any other way does the same.
    void cancel();
    // The sheet went away under the dialog: close without touching it.
    void abandon() { closed_ = true; }

    void nameLeftFocus();
    void chooseContinuous();
    void chooseCategorical();
    void openStatistics();
    void statisticsClosed() { statisticsShown_ = false; }

private:
    void open();
    void load(int variable);
    void moveTo(int variable);
    bool store(bool extendAlways);
    bool inGrid() const;
    void finish();
    void noteCursor();

    App& app_;
    Sheet* sheet_;
    int variable_ = 1;
    VariableDefinition buffer_;
    int savedRow_ = 2, savedCol_ = 2;
    int seenRow_ = 0, seenCol_ = 0;
    bool statisticsShown_ = false;
    bool closed_ = false;
    Fields fields_;
};

}  // namespace zoriduvo
