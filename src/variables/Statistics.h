#pragma once
#include <string>

#include "variables/StatisticsTable.h"
#include "sheet/StatisticsLayout.h"

namespace zoriduvo {

class App;
class Sheet;

// One pass over cases first .. last of a variable: blanks are skipped and any other cell counts
// with its leading-number value as a single; the sums are doubles and the figures singles.
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
