// Keeps the unsaved sheets of this run in the user's data folder against a crash: every two
// minutes and before a merge or a transformation, written on a worker thread from a snapshot.
// At start it offers what a run that died left behind; a normal end removes this run's files.
#pragma once
#include <QObject>
#include <QTimer>
#include <memory>
#include <string>
#include <thread>

#include "files/Recovery.h"
#include "sheet/ModelChange.h"

class QStatusBar;

namespace zoriduvo {

class App;
class CommandTable;

class RecoveryKeeper : public QObject, public ModelObserver {
public:
    // root: the recovery folder; empty means the data location's "recovery".
    RecoveryKeeper(App& app, CommandTable& commands, std::string root = {});
    ~RecoveryKeeper() override;

    // Where a write that failed is told.
    void tellFailuresIn(QStatusBar* statusBar) { statusBar_ = statusBar; }
    // Offers the sheets of dead runs: restored, discarded, or kept for the next start.
    void offerLeftSheets();
    // Writes the unsaved sheets now; waits for the write before.
    void keep();
    // The program ends normally: nothing of this run is left to recover.
    void finish();

    const std::string& runFolder() const { return run_->folder(); }
    void modelChanged(const ModelChange& change) override;

private:
    void waitForWriter();
    void tellFailure();

    App& app_;
    std::string root_;
    std::unique_ptr<RecoveryRun> run_;
    QTimer timer_;
    std::thread writer_;
    QStatusBar* statusBar_ = nullptr;
};

}  // namespace zoriduvo
