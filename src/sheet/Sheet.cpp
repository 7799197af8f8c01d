#include "sheet/Sheet.h"

#include "sheet/App.h"
#include "sheet/StatisticsLayout.h"
#include "text/NumberText.h"

namespace zoriduvo {

namespace {

int EndCellNumber(const std::string& text) {
    return RoundToInt32(LeadingNumber(text)).value_or(1);
}
}  // namespace

Sheet::Sheet(App& app, int number) : app_(app), number_(number) {
    loadWindow();
    resetRecords();
}

void Sheet::loadWindow() {
    app_.cellCommitGuard = false;
    grdVo = Grid(kInitialRows, kInitialColumns, 2, 2);
    grdVo.setColWidth(0, kCaseNumberWidth);
    grdVo.setCurrent(2, 2);
    grdVoLabel = Grid(4, kInitialColumns - 1);
    grdVoStat = Grid(6, kInitialColumns - 1);
    for (int i = 0; i < kStatisticCount; ++i) grdVoStat.setText(i + 1, 0, kStatisticCaptions[i]);
    grdSInfo = Grid(2, 2);
    endCells_[0] = endCells_[1] = "1";
    comment_.clear();
    nameAlignment_ = CellAlignment::LeftCenter;
    editOriginRow = editOriginColumn = 2;
    grdVo.attach(&app_.bus, number_);
    for (Grid* grid : {&grdVo, &grdVoLabel, &grdVoStat, &grdSInfo}) grid->attach(&history_.journal());
    history_.clear();
    app_.bus.publish({ChangeKind::Reset, number_});
}

void Sheet::resetRecords() {
    state_ = SheetState{};
    statFile_ = SheetStatisticsAndFile{};
    info_ = SheetInformation{};
    tellFlags();
}

void Sheet::tellFlags() { app_.bus.publish({ChangeKind::Flags, number_}); }

void Sheet::setEndCell(int item, const std::string& text) {
    if (endCells_[item] == text) return;
    endCells_[item] = text;
    if (state_.blank) {
        state_.blank = false;
        app_.toolbar.setDataButtonsEnabled(true);
        app_.toolbar.setPressed("valignLeft", true);
        app_.tellToolbar();
        tellFlags();
    }
}

int Sheet::lastColumn() const { return EndCellNumber(endCells_[0]); }
int Sheet::lastRow() const { return EndCellNumber(endCells_[1]); }

void Sheet::setCaption(const std::string& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    tellFlags();
}

void Sheet::setModified(bool modified) {
    if (state_.modified == modified) return;
    state_.modified = modified;
    tellFlags();
}

void Sheet::setStatisticsValid(bool valid) {
    if (statFile_.statisticsValid == valid) return;
    statFile_.statisticsValid = valid;
    tellFlags();
}

void Sheet::setBlank(bool blank) {
    if (state_.blank == blank) return;
    state_.blank = blank;
    tellFlags();
}

void Sheet::setNameAlignment(CellAlignment alignment) {
    if (nameAlignment_ == alignment) return;
    nameAlignment_ = alignment;
    tellFlags();
}

}  // namespace zoriduvo
