#pragma once
#include <memory>
#include <typeindex>
#include <unordered_map>
#include <string>
#include <vector>

#include "sheet/ModelChange.h"
#include "sheet/Sheet.h"
#include "sheet/Toolbar.h"

namespace zoriduvo {

class Ui;
class Clipboard;
class Clock;
class Random;

// The active sheet's variable names, filled by the dialogs that list them; index 0 unused.
struct WorkingLists {
    int variableCount = 0;
    std::vector<std::string> names;
};

// The program-wide registry: the sheets by number and everything shared between them.
class App {
public:
    App(Ui& ui, Clipboard& clipboard, Clock& clock, Random& random);
    ~App();

    Ui& ui;
    Clipboard& clipboard;
    Clock& clock;
    Random& random;
    ChangeBus bus;
    Toolbar toolbar;
    WorkingLists lists;

    // Upper bound N of the per-sheet arrays; numbers 1..N exist, index 0 is never used.
    int upperBound() const { return static_cast<int>(sheets_.size()) - 1; }
    Sheet& sheet(int number);
    // The open sheets in opening order.
    const std::vector<int>& openSheets() const { return openSheets_; }
    int openCount() const { return static_cast<int>(openSheets_.size()); }

    bool closeCancelled = false;
    bool cellCommitGuard = false;

    // What a concern keeps for the whole program, made on first use: the statistics table
    // (variables), the formula history (transform), the open graphs' slots (graphs). The registry
    // knows each by type only, so it never includes the concern.
    template <typename State>
    State& state() {
        std::shared_ptr<void>& held = states_[std::type_index(typeid(State))];
        if (!held) held = std::make_shared<State>();
        return *static_cast<State*>(held.get());
    }

    // The sheet whose window is active in the frame; 0 when none is.
    int activeSheet() const { return activeSheet_; }
    void setActiveSheet(int number);

    void tellToolbar() { bus.publish({ChangeKind::Toolbar}); }

private:
    friend int FindFreeSheetNumber(App& app);
    friend int NewSheet(App& app);
    friend void ForgetClosedSheet(App& app, int number);

    std::vector<std::unique_ptr<Sheet>> sheets_;
    std::vector<int> openSheets_;
    int activeSheet_ = 0;
    std::unordered_map<std::type_index, std::shared_ptr<void>> states_;
};

}  // namespace zoriduvo
