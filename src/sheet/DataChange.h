// The bookkeeping of every command that changes a sheet's data, in one place: on entry what the
// change's statistics policy says happens to the statistics blocks below the data and to the
// statistics; done() marks the sheet modified. A command that refuses returns before it makes a DataChange, or leaves without
// calling done(), and the sheet stays unmodified. Whatever the change did is one undo step,
// named by the command; a change that left the data and the records as they were is none, and
// the statistics blocks it took on entry come back.
#pragma once
#include <optional>
#include <string>

#include "sheet/Grid.h"
#include "sheet/UndoHistory.h"

namespace zoriduvo {

class Sheet;

class DataChange {
public:
    // Removed: a valid table's blocks go and the statistics are no longer valid (blocks over part
    // of the cases stay as they were taken until the used range grows).
    // EveryBlockRemoved: every block goes, partial ones too: the change moves lines under them.
    // Kept: the change leaves every value as it was (names, labels, groups), so statistics stand.
    // InvalidIfChanged: definitions; the blocks stand, the statistics are invalid once it changed.
    enum class Statistics { Removed, EveryBlockRemoved, Kept, InvalidIfChanged };
    // OneReset: the views are told one bulk rewrite when the change ends, instead of each cell.
    enum class Notify { EachChange, OneReset };

    DataChange(Sheet& sheet, const std::string& name, Statistics statistics = Statistics::Removed,
               Notify notify = Notify::EachChange);
    DataChange(Sheet& sheet, const std::string& name, Notify notify)
        : DataChange(sheet, name, Statistics::Removed, notify) {}
    DataChange(const DataChange&) = delete;
    DataChange& operator=(const DataChange&) = delete;

    // Something changed since the change began, the statistics it took on entry aside.
    bool changed() const;
    // The change went through: the sheet has something to save, if it changed.
    void done();
    // What does the same to the sheet's file, for the history's script.
    void record(StepCommand command) { step_.record(std::move(command)); }

private:
    Sheet& sheet_;
    Statistics statistics_;
    std::optional<Grid::BulkChange> bulk_;  // told after the step ends, so views see the whole change
    UndoStep step_;
    UndoHistory::Mark start_;
};

}  // namespace zoriduvo
