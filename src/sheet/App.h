#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sheet/ModelChange.h"
#include "sheet/Sheet.h"
#include "sheet/Toolbar.h"
#include "variables/StatisticsTable.h"

namespace zoriduvo {

class Ui;
class Clipboard;
class Clock;
class Random;

// Lists filled for the active sheet by the operation that needs them; index 0 unused.
struct WorkingLists {
    int variableCount = 0;
    int caseCount = 0;
    int caseGroups = 1;
    std::vector<std::string> names;
    std::vector<int> categoryCounts;
    std::vector<int> maxCategories;
    std::vector<int> minCategories;
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

    int currentSheet = 0;
    bool closeCancelled = false;
    bool cellCommitGuard = false;
    int formulaHistoryPosition = 1;
    // The ten slots of the transformation-formula history, 1..10; index 0 unused.
    std::vector<std::string> formulaHistory = std::vector<std::string>(11);
    // The statistics buffer shared by the statistics commands and the per-variable view.
    StatisticsTable statistics;
    // The case-group boundary list of the case-group dialog.
    std::vector<int> groupBoundaries{0, 0};

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
};

}  // namespace zoriduvo
