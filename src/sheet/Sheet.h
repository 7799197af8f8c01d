#pragma once
#include <string>

#include "sheet/Grid.h"
#include "sheet/ModelChange.h"
#include "sheet/SheetRecords.h"
#include "sheet/UndoHistory.h"

namespace zoriduvo {

class App;

// Grid sizes of a sheet as it loads.
inline constexpr int kInitialColumns = 22;
inline constexpr int kInitialRows = 102;
inline constexpr int kCaseNumberWidth = 600;  // twips

// One open sheet: its four grids, the end-cell items, the comment, the caption and its records.
class Sheet {
public:
    Sheet(App& app, int number);

    int number() const { return number_; }
    App& app() { return app_; }

    Grid grdVo{kInitialRows, kInitialColumns, 2, 2};
    Grid grdVoLabel{4, kInitialColumns - 1};
    Grid grdVoStat{6, kInitialColumns - 1};
    Grid grdSInfo{2, 2};

    // The last used column L and row R of grdVo, kept as decimal text.
    const std::string& endCell(int item) const { return endCells_[item]; }
    // The one setter of an end-cell item: writing one unlocks a blank sheet.
    void setEndCell(int item, const std::string& text);
    int lastColumn() const;
    int lastRow() const;
    int variableCount() const { return lastColumn() - 1; }
    int caseCount() const { return lastRow() - 1; }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    const std::string& comment() const { return comment_; }
    void setComment(const std::string& comment) { comment_ = comment; }

    const SheetState& state() const { return state_; }
    SheetState& state() { return state_; }
    const SheetStatisticsAndFile& statisticsAndFile() const { return statFile_; }
    SheetStatisticsAndFile& statisticsAndFile() { return statFile_; }
    const SheetInformation& information() const { return info_; }
    SheetInformation& information() { return info_; }

    bool modified() const { return state_.modified; }
    void setModified(bool modified);
    bool statisticsValid() const { return statFile_.statisticsValid; }
    void setStatisticsValid(bool valid);
    bool blank() const { return state_.blank; }
    void setBlank(bool blank);

    // The variable-name alignment that carries the check mark.
    CellAlignment nameAlignment() const { return nameAlignment_; }
    void setNameAlignment(CellAlignment alignment);

    // The sheet window loads afresh: grids, end cells and comment as for a new window.
    void loadWindow();
    // A new sheet's records (creation, or a number handed out again).
    void resetRecords();

    // The undo steps of this sheet; a sheet that loads afresh starts a new history.
    UndoHistory& history() { return history_; }
    const UndoHistory& history() const { return history_; }

    int editOriginRow = 2;
    int editOriginColumn = 2;

private:
    void tellFlags();

    App& app_;
    int number_;
    UndoHistory history_{*this};
    std::string endCells_[2] = {"1", "1"};
    std::string caption_;
    std::string comment_;
    SheetState state_;
    SheetStatisticsAndFile statFile_;
    SheetInformation info_;
    CellAlignment nameAlignment_ = CellAlignment::LeftCenter;
};

}  // namespace zoriduvo
