#include "variables/InformationViews.h"

#include "sheet/CaseGroups.h"
#include "sheet/CaseRange.h"
#include "sheet/Sheet.h"
#include "text/PathText.h"

namespace zoriduvo {

std::vector<std::pair<std::string, std::string>> FileInformation(const Sheet& sheet) {
    const SheetInformation& info = sheet.information();
    std::vector<std::pair<std::string, std::string>> lines = {
        {"ファイル名", sheet.statisticsAndFile().hasFile ? FileNameOf(info.path) : sheet.caption()},
        {"作成日時", info.date},
        {"ファイル形式", info.formatTag},
        {"ケース数", std::to_string(sheet.caseCount())},
        {"変 量 数", std::to_string(sheet.variableCount())},
        {"ラベル", info.fileLabel},
    };
    const std::vector<int> sizes = CaseGroupSizes(sheet);
    if (sizes.size() > 1) {
        lines.emplace_back("ケースグループ", "あり");
        lines.emplace_back("グループ", std::to_string(sizes.size()));
        for (std::size_t g = 0; g < sizes.size(); ++g)
            lines.emplace_back("ｸﾞﾙｰﾌﾟ番号 " + std::to_string(g + 1), std::to_string(sizes[g]));
    } else {
        lines.emplace_back("ケースグループ", "なし");
    }
    if (sheet.state().rangeSelection) {
        const CaseRange range = StoredCaseRange(sheet);
        lines.emplace_back("範囲指定", "[ " + std::to_string(range.first) + " - " + std::to_string(range.last) + " ]");
    } else {
        lines.emplace_back("範囲指定", "なし");
    }
    return lines;
}

}  // namespace zoriduvo
