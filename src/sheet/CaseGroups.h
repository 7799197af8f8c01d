#pragma once
#include <cstdint>
#include <vector>

namespace zoriduvo {

class Sheet;

// Background of the rows of the even-numbered groups: red, green and blue 238.
inline constexpr std::uint32_t kCaseGroupShade = 15658734;

// The one reader of the case groups a sheet stores (grdSInfo row 0 and the count in its record):
// the sizes while it is grouped and they hold together (each at least 1, adding up to the case
// count); otherwise one group of all cases, none without cases.
std::vector<int> CaseGroupSizes(const Sheet& sheet);
// The running sums of the sizes with a leading 0: group g holds cases ends[g-1]+1 .. ends[g].
std::vector<int> CaseGroupEnds(const Sheet& sheet);

// Groups the sheet: the sizes into grdSInfo row 0, their count into the sheet's record, and the
// rows of the even-numbered groups shaded. One group removes the grouping. Sizes below 1 or not
// adding up to the case count are refused: false, nothing changed. The modified flag is the
// caller's to set. For loaders, call it after the end-cell items hold the case count.
bool ApplyCaseGroups(Sheet& sheet, const std::vector<int>& sizes);

// Ungroups: grdSInfo back to 2 columns with the case count in row 0, column 1, the count 1, the
// variable area white. Row 1 of grdSInfo (the case range) is kept. Call it with the new case count
// in place when cases were inserted or removed.
void ClearCaseGroups(Sheet& sheet);

// New cases added after the last: the last group grows to hold them, shaded as it is. Call it with
// the case count before the growth, then write the new end cell.
void GrowLastCaseGroup(Sheet& sheet, int oldCaseCount, int newCaseCount);

// Paints the whole variable area white and the even-numbered groups grey.
void ShadeCaseGroups(Sheet& sheet, const std::vector<int>& sizes);

}  // namespace zoriduvo
