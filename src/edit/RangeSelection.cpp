#include "edit/RangeSelection.h"

#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/CaseRange.h"
#include "sheet/DataChange.h"
#include "sheet/SheetMessages.h"
#include "sheet/SheetOperations.h"
#include "sheet/StepCommand.h"

namespace zoriduvo {

RangeSelection::RangeSelection(const Sheet& sheet)
    : caseCount_(sheet.caseCount()), rangeSet_(sheet.state().rangeSelection) {
    const CaseRange start = ReadCaseRange(sheet);
    from_ = start.first;
    to_ = start.last;
    const CaseRange stored = StoredCaseRange(sheet);
    storedFirst_ = stored.first;
    storedLast_ = stored.last;
}

std::string RangeSelection::stateText() const { return RangeStateText(rangeSet_, storedFirst_, storedLast_); }

RangeSelection::Outcome RangeSelection::execute(App& app, Sheet& sheet, std::string_view fromText,
                                                std::string_view toText) {
    const int first = CaseNumberOf(fromText);
    const int last = CaseNumberOf(toText);
    if (first == 1 && last == caseCount_) {
        Remove(sheet);
        return Outcome::Removed;
    }
    if (first < 1 || last < first || last > caseCount_) {
        app.ui.beep();
        app.ui.show(MessageOf(SheetMessage::RangeRefused));
        return Outcome::Refused;
    }
    Store(sheet, first, last);
    from_ = first;
    to_ = last;
    return Outcome::Set;
}

void RangeSelection::Store(Sheet& sheet, int first, int last) {
    // Clearing the flag alone would leave blocks over all cases standing for good, with stale
    // figures after the next edit; they go as an edit would take them.
    DataChange change(sheet, kRangeStep);  // the range is no data: nothing new to save
    sheet.state().rangeSelection = true;
    sheet.grdSInfo.setText(1, 0, std::to_string(first));
    sheet.grdSInfo.setText(1, 1, std::to_string(last));
    change.record({"range", {}, {"--from", std::to_string(first), "--to", std::to_string(last)}, {}});
}

void RangeSelection::Remove(Sheet& sheet) {
    if (!sheet.state().rangeSelection) return;
    DataChange change(sheet, kRangeStep);
    change.record({"range", {}, {"--none"}, {}});
    sheet.state().rangeSelection = false;
    sheet.grdSInfo.setText(1, 0, "1");
    sheet.grdSInfo.setText(1, 1, std::to_string(sheet.caseCount()));
}

}  // namespace zoriduvo
