// The undo steps of one sheet. A step is one command: what its grids recorded while it ran, and
// the sheet's records before and after it. Undo puts the sheet back as it was before the step,
// cell for cell and flag for flag; redo as it was after. The history keeps at least 100 steps
// and drops the oldest beyond its memory bound.
#pragma once
#include <cstddef>
#include <deque>
#include <optional>
#include <cstdint>
#include <string>
#include <vector>

#include "sheet/Journal.h"
#include "sheet/SheetRecords.h"
#include "sheet/StepCommand.h"

namespace zoriduvo {

class Sheet;

// What the grids do not hold: end cells, comment and the three records.
struct UndoRecords {
    std::string endCells[2];
    std::string comment;
    SheetState state;
    SheetStatisticsAndFile statisticsAndFile;
    SheetInformation information;
    bool operator==(const UndoRecords&) const = default;
};

struct UndoStepRecord {
    std::string name;
    Journal::Entries entries;  // undo them while the step is done, redo them once undone
    UndoRecords before, after;
    bool changedData = false;
    std::int64_t time = 0;              // when the command ran, seconds since 1970
    std::vector<StepCommand> commands;  // what does the same to the sheet's file, in order
};

// Where a history starts: the file the sheet was opened from, an empty new sheet, or a sheet made
// some other way (imported, pasted, transposed), which no command line can start from.
struct HistoryOrigin {
    enum class Kind { File, Empty, Other };
    Kind kind = Kind::Other;
    std::string path;
    std::string sha256;  // of the file when the first step began; empty when it could not be read
};

class UndoHistory {
public:
    static constexpr std::size_t kMaxSteps = 200;
    static constexpr std::size_t kMaxBytes = 64u << 20;

    explicit UndoHistory(Sheet& sheet) : sheet_(sheet) {}
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    Journal& journal() { return journal_; }
    // From now on no step is kept and no change recorded: for a run that never goes back (the
    // command line), where recording a big sheet's changes is only cost.
    void keepNoSteps() { keeping_ = false; }

    // Steps nest: the outermost one is the step. A step that changed nothing is no step: what it
    // did on the way is taken back and the modified flag is as it was.
    void begin(const std::string& name);
    // Where the open step stands, so that what a command does from here on can be told apart.
    struct Mark {
        std::size_t entries = 0;
        UndoRecords records;
    };
    Mark mark() const;
    // Anything recorded or any record changed, the modified flag aside; true when no step is open.
    bool changedSince(const Mark& mark) const;
    // The outermost step's own work starts here. What it did before (the statistics blocks a data
    // change takes on entry) counts as nothing changed, and goes back, unless more follows.
    void ownWorkBegins();
    // changedData: the step is a change to save (the modified flag), not only a view of the data.
    void end(bool changedData);

    bool canUndo() const { return position_ > 0 && depth_ == 0; }
    bool canRedo() const { return position_ < steps_.size() && depth_ == 0; }
    const std::string& undoName() const;
    const std::string& redoName() const;
    void undo();
    void redo();

    // The sheet now matches its file: undoing or redoing back to here clears the modified flag.
    void markSaved();
    // When the sheet was last saved (seconds since 1970); nullopt before its first save.
    std::optional<std::int64_t> savedTime() const { return savedTime_; }
    // A new content (a file loaded into the sheet): no step before it can be taken back. The new
    // content counts as saved only while the sheet is unmodified.
    void clear();

    std::size_t stepCount() const { return steps_.size(); }
    std::size_t bytes() const { return bytes_; }

    // The open step did this to the sheet's file; nothing when no step is open or none is kept.
    void record(StepCommand command);
    // The steps in order; those from position() on are undone.
    const UndoStepRecord& step(std::size_t index) const { return steps_[index]; }
    std::size_t position() const { return position_; }
    // Where the first step kept started from; steps dropped for room lose it (startLost()).
    const HistoryOrigin& origin() const { return origin_; }
    bool startLost() const { return startLost_; }

private:
    using Records = UndoRecords;
    using Step = UndoStepRecord;

    Records take() const;
    void takeOrigin();
    void put(const Records& records);
    void travel(Step& step, const Records& to);
    void takeBack(Step& step);
    bool matchesFile() const;
    void trim();
    void tell() const;

    Sheet& sheet_;
    Journal journal_;
    std::deque<Step> steps_;
    std::size_t position_ = 0;  // steps before it are done, from it on undone
    std::optional<std::size_t> saved_ = 0;
    std::size_t bytes_ = 0;
    int depth_ = 0;
    bool keeping_ = true;
    std::optional<Step> open_;
    Mark own_;  // where the open step's own work began
    std::optional<Journal::Recording> recording_;
    HistoryOrigin origin_;
    std::optional<std::int64_t> savedTime_;
    bool originTaken_ = false;
    bool startLost_ = false;
};

// One command as one step of the sheet's history, for the lifetime of the guard.
class UndoStep {
public:
    UndoStep(UndoHistory& history, const std::string& name) : history_(history) { history_.begin(name); }
    ~UndoStep() { history_.end(changedData_); }
    UndoStep(const UndoStep&) = delete;
    UndoStep& operator=(const UndoStep&) = delete;

    void changedData() { changedData_ = true; }
    void record(StepCommand command) { history_.record(std::move(command)); }

private:
    UndoHistory& history_;
    bool changedData_ = false;
};

}  // namespace zoriduvo
