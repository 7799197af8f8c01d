#pragma once
#include <algorithm>
#include <vector>

namespace zoriduvo {

// The one way views learn of model changes: one kind per sort of change.
enum class ChangeKind {
    Cell,             // a data cell of grdVo: row, column
    Names,            // a cell of the fixed rows or columns (numbers, names): row, column
    RowsInserted,     // first, count
    RowsRemoved,      // first, count
    ColumnsInserted,  // first, count
    ColumnsRemoved,   // first, count
    Reset,            // a bulk rewrite of the whole sheet
    Cursor,           // current cell, selection or scroll position
    Layout,           // widths, heights, alignment, colours
    Flags,            // modified, blank-sheet, statistics-valid, caption, alignment choice
    SheetOpened,
    SheetClosed,
    SheetActivated,   // the registry asks for this sheet's window to be active
    Toolbar,
};

struct ModelChange {
    ChangeKind kind;
    int sheet = 0;
    int row = 0;  // first row or the only row
    int column = 0;
    int count = 0;
};

class ModelObserver {
public:
    virtual ~ModelObserver() = default;
    virtual void modelChanged(const ModelChange& change) = 0;
};

class ChangeBus {
public:
    void subscribe(ModelObserver* observer) { observers_.push_back(observer); }
    void unsubscribe(ModelObserver* observer) {
        observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
    }
    void publish(const ModelChange& change) const {
        // A copy, so that an observer may unsubscribe while it is told.
        const auto observers = observers_;
        for (auto* observer : observers) observer->modelChanged(change);
    }

private:
    std::vector<ModelObserver*> observers_;
};

}  // namespace zoriduvo
