#pragma once
#include <array>
#include <string>

#include "variables/Statistics.h"

namespace zoriduvo {

class Sheet;

// The captions of the per-variable view frmStat, beside lblUniStat(0) .. (4).
extern const char* const kStatisticsViewCaptions[kStatisticCount];

// What frmStat shows for one variable: the heading lblBStat and the five values.
struct StatisticsViewTexts {
    std::string heading;
    std::array<std::string, kStatisticCount> values;
};

// Variable v over all cases of the sheet: "<< 第 v 変数 >>" and the five figures, the first
// four keeping their zeros. A variable the sheet does not hold shows as one without values.
StatisticsViewTexts StatisticsViewFor(const Sheet& sheet, int variable);

}  // namespace zoriduvo
