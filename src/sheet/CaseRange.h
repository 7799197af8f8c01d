#pragma once
#include <string>
#include <string_view>

namespace zoriduvo {

class Sheet;

// Where the cases an analysis command works on came from.
enum class CaseRangeSource { Selection, AllCases, StoredRange };

// The first and last case (1-based) an analysis command works on. On a sheet without cases
// the range is 1 .. 0, which holds no case.
struct CaseRange {
    int first = 1;
    int last = 0;
    CaseRangeSource source = CaseRangeSource::AllCases;

    bool empty() const { return last < first; }
    bool contains(int caseNumber) const { return caseNumber >= first && caseNumber <= last; }
    bool operator==(const CaseRange& other) const { return first == other.first && last == other.last; }
};

// How far a selection must reach to the right to count as whole rows. The statistics command
// asks for a selection past the last variable; every other command (transformation, range
// dialog, categorical tools, graphs) for one that is not before it.
enum class WholeRows { ReachLastVariable, PassLastVariable };

// The case range shared by every analysis command: the cases of a whole-row selection of grdVo
// (in either drag direction, cut to the case count), else all cases; all cases give way to the
// stored range while the sheet's range-selection flag is set. A single cell is never a row
// selection; a selection that holds no case, or a stored range that no longer fits the sheet,
// never yields cases outside 1 .. n.
CaseRange ReadCaseRange(const Sheet& sheet, WholeRows wholeRows = WholeRows::ReachLastVariable);

// The stored range of grdSInfo row 1, cut to 1 .. n; all cases when nothing of it is left.
CaseRange StoredCaseRange(const Sheet& sheet);

// A case number as typed or stored: the leading number rounded (halves to even), saturating at
// the ends of the int range so that no text can wrap into a valid number.
int CaseNumberOf(std::string_view text);

// " 3- 10": each number with its leading blank, as statistics blocks and grdVoStat show it.
std::string CaseRangeText(int first, int last);

// The state text of the range labels: " あり  [ 3- 10]" while a range is set, else " なし ".
std::string RangeStateText(bool rangeSet, int first, int last);

}  // namespace zoriduvo
