// The graph data table a plot dialog fills from the sheet, and the working copies a graph
// rebuilds from it: after creation a graph never looks at the sheet again.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "sheet/CaseRange.h"

namespace zoriduvo {

class Sheet;

enum class PlotKind { Scatter = 1, Box = 2, Index = 3 };
enum class BoxKind { MeanDeviation = 0, MedianQuartiles = 1 };

// All cells text, row 0 the kind code and the headers.
using GraphTable = std::vector<std::vector<std::string>>;

struct GraphTitles {
    std::string title;
    std::string xTitle;
    std::string yTitle;
};

// One graph: what its window keeps. caseCount is the sheet's case count when the graph was made
// (the index plot's horizontal extent).
struct Graph {
    GraphTable data;
    GraphTitles titles;
    std::string caption;
    int caseCount = 0;
};

std::optional<PlotKind> KindOf(const GraphTable& data);

// Variables by number; the range marks the cases inside it.
GraphTable ScatterTable(const Sheet& sheet, int xVariable, int yVariable, const CaseRange& range);
GraphTable IndexTable(const Sheet& sheet, int variable, const CaseRange& range);
// The index plot of a variable as its dialog makes it: the table, the title naming the variable and
// the case count.
Graph IndexGraph(const Sheet& sheet, int variable, const CaseRange& range);
GraphTable BoxTable(const Sheet& sheet, const std::vector<int>& variables, const CaseRange& range, BoxKind kind);

// A drawable point of a scatter or index plot: its data-table row and values.
struct PlotPoint {
    double x = 0;
    double y = 0;
    int row = 0;
    bool inRange = false;
};

// The rows whose coordinates are numbers; a blank or a text that is no number is left out. The
// index plot numbers the kept rows 1, 2, ...
std::vector<PlotPoint> ReadPoints(const GraphTable& data);

// The summary of one variable of a box plot, over the non-blank cells of the range.
struct BoxNumbers {
    std::string name;
    int count = 0;
    float minimum = 0, maximum = 0, mean = 0, deviation = 0;
    float lowerQuartile = 0, median = 0, upperQuartile = 0;
};
// values: the cells' numbers sorted ascending; the statistics come from the caller.
void SetQuartiles(BoxNumbers& numbers, const std::vector<float>& sorted);
BoxNumbers ComputeBoxNumbers(const Sheet& sheet, int variable, const CaseRange& range);

struct BoxColumn {
    std::string name;
    bool empty = true;
    float minimum = 0, maximum = 0, low = 0, centre = 0, high = 0;
};
std::vector<BoxColumn> ReadBoxes(const GraphTable& data);

// The name the graph dialogs look a variable up by: the last variable with it, 0 when none.
int LastVariableNamed(const Sheet& sheet, const std::string& name);

}  // namespace zoriduvo
