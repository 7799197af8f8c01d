#include "variables/StatisticsViewTexts.h"

#include "sheet/Sheet.h"

namespace zoriduvo {

const char* const kStatisticsViewCaptions[kStatisticCount] = {"最 大 値 :", "最 小 値 :", "平 均 値 :", "標準偏差 :",
                                                              "ケース数 :"};

StatisticsViewTexts StatisticsViewFor(const Sheet& sheet, int variable) {
    StatisticsViewTexts texts;
    texts.heading.append("<< 第 ").append(std::to_string(variable)).append(" 変数 >>");
    const VariableStatistics statistics = ComputeVariableStatistics(sheet, variable, 1, sheet.caseCount());
    for (int i = 0; i < kStatisticCount; ++i) {
        const auto which = static_cast<Statistic>(i);
        texts.values[i] = StatisticText(statistics, which, which != Statistic::Cases);
    }
    return texts;
}

}  // namespace zoriduvo
