#pragma once
#include <string>

#include "variables/StatisticsTable.h"

namespace zoriduvo {

class App;
class Sheet;

// Rows of the statistics table, in the order of grdVoStat rows 1 .. 5.
enum class Statistic { Maximum, Minimum, Mean, StandardDeviation, Cases };
inline constexpr int kStatisticCount = 5;

// The captions of grdVoStat column 0, rows 1 .. 5, also the row captions of a statistics block.
extern const char* const kStatisticCaptions[kStatisticCount];

// One pass over cases first .. last of a variable, in single precision; blanks are skipped and
// any other cell counts with its leading-number value.
VariableStatistics ComputeVariableStatistics(const Sheet& sheet, int variable, int first, int last);

// Every variable of the sheet over cases first .. last.
StatisticsTable ComputeStatistics(const Sheet& sheet, int first, int last);

// The display text of one statistic: "-" for the first four of a variable without values,
// otherwise FormatNumber with width 12 and 6 digits.
std::string StatisticText(const VariableStatistics& statistics, Statistic which, bool keepZeros = false);

// Writes the table into grdVoStat: the case range text in the corner, the display texts of
// variable v in column v.
void WriteStatisticsGrid(Sheet& sheet, const StatisticsTable& table);

// For the file writer when the statistics-valid flag is clear: the statistics of all cases
// into the buffer and grdVoStat, and the flag set.
void ComputeStatisticsForSaving(App& app, Sheet& sheet);

}  // namespace zoriduvo
