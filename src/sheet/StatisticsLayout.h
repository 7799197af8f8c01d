// Where statistics stand on a sheet: the rows of grdVoStat and the blocks shown below the data.
#pragma once

namespace zoriduvo {

// Rows of the statistics table, in the order of grdVoStat rows 1 .. 5.
enum class Statistic { Maximum, Minimum, Mean, StandardDeviation, Cases };
inline constexpr int kStatisticCount = 5;

// The captions of grdVoStat column 0, rows 1 .. 5, also the row captions of a statistics block.
inline constexpr const char* kStatisticCaptions[kStatisticCount] = {" 最　大", " 最　小", " 平　均", "標準偏差", "ケース数"};

// Rows of one statistics block below the data: the case range, five statistics, an empty row.
inline constexpr int kStatisticsBlockRows = 7;

// The grdVo row of the case-range line of block k (0 for the first) below n cases.
constexpr int StatisticsBlockRow(int caseCount, int block) { return caseCount + 3 + kStatisticsBlockRows * block; }

// The last grdVo row holding a statistic when blocks blocks stand below n cases.
constexpr int LastStatisticsRow(int caseCount, int blocks) { return caseCount + 1 + kStatisticsBlockRows * blocks; }

}  // namespace zoriduvo
