#include "sheet/CaseGroups.h"

#include <string>

#include "sheet/Grid.h"
#include "sheet/Sheet.h"
#include "text/NumberText.h"

namespace zoriduvo {

namespace {
bool SoundSizes(const std::vector<int>& sizes, int cases) {
    long long total = 0;
    for (int size : sizes) {
        if (size < 1) return false;
        total += size;
    }
    return total == cases;
}
}  // namespace

std::vector<int> CaseGroupSizes(const Sheet& sheet) {
    const int n = sheet.caseCount();
    const std::vector<int> whole = n > 0 ? std::vector<int>{n} : std::vector<int>{};
    const int groups = sheet.state().caseGroups;
    const Grid& info = sheet.grdSInfo;
    if (groups < 2 || groups > info.cols()) return whole;
    std::vector<int> sizes;
    sizes.reserve(groups);
    for (int i = 0; i < groups; ++i) sizes.push_back(RoundToInt16(info.cell(0, i).leadingNumber()).value_or(0));
    return SoundSizes(sizes, n) ? sizes : whole;
}

std::vector<int> CaseGroupEnds(const Sheet& sheet) {
    std::vector<int> ends{0};
    for (const int size : CaseGroupSizes(sheet)) ends.push_back(ends.back() + size);
    if (ends.size() == 1) ends.push_back(0);
    return ends;
}

void ShadeCaseGroups(Sheet& sheet, const std::vector<int>& sizes) {
    Grid& grid = sheet.grdVo;
    const int lastCol = grid.cols() - 1;
    if (lastCol < 2) return;
    Grid::BulkChange bulk(grid);
    for (int row = 2; row < grid.rows(); ++row) grid.setBackColour(row, 2, lastCol, kDefaultColour);
    int end = 0;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const int begin = end;
        end += sizes[i];
        if (i % 2 == 0) continue;  // groups 1, 3, 5, ... stay white
        for (int c = begin + 1; c <= end && c + 1 < grid.rows(); ++c) grid.setBackColour(c + 1, 2, lastCol, kCaseGroupShade);
    }
}

bool ApplyCaseGroups(Sheet& sheet, const std::vector<int>& sizes) {
    if (!SoundSizes(sizes, sheet.caseCount())) return false;
    if (sizes.size() < 2) {
        ClearCaseGroups(sheet);
        return true;
    }
    const int k = static_cast<int>(sizes.size());
    Grid& info = sheet.grdSInfo;
    info.setCols(k);
    for (int i = 0; i < k; ++i) info.setText(0, i, std::to_string(sizes[i]));
    ShadeCaseGroups(sheet, sizes);
    sheet.state().caseGroups = static_cast<std::int16_t>(k);
    return true;
}

void ClearCaseGroups(Sheet& sheet) {
    Grid& info = sheet.grdSInfo;
    info.setCols(2);
    info.setText(0, 1, std::to_string(sheet.caseCount()));
    const bool grouped = sheet.state().caseGroups > 1;
    sheet.state().caseGroups = 1;
    if (grouped) ShadeCaseGroups(sheet, {});  // only the groups' shading needs painting over
}

void GrowLastCaseGroup(Sheet& sheet, int oldCaseCount, int newCaseCount) {
    const int groups = sheet.state().caseGroups;
    if (groups < 2 || newCaseCount <= oldCaseCount) return;
    const std::vector<int> sizes = CaseGroupSizes(sheet);
    if (static_cast<int>(sizes.size()) != groups) return;  // stored sizes that never held together
    const int added = newCaseCount - oldCaseCount;
    sheet.grdSInfo.setText(0, groups - 1, std::to_string(sizes.back() + added));
    if (groups % 2 == 1) return;  // the last group is white
    Grid& grid = sheet.grdVo;
    for (int c = oldCaseCount + 1; c <= newCaseCount && c + 1 < grid.rows(); ++c)
        grid.setBackColour(c + 1, 2, grid.cols() - 1, kCaseGroupShade);
}

}  // namespace zoriduvo
