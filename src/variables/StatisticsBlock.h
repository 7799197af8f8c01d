#pragma once

namespace zoriduvo {

inline constexpr const char* kStatisticsStep = "基礎統計量";

class App;
class Sheet;

// "基礎統計量(&S)": the statistics of the case range appended as a new block below the data;
// over all cases also into grdVoStat, with the statistics-valid flag set. A sheet without
// cases gets the message "データがありません" instead.
void ShowStatisticsBlock(App& app, Sheet& sheet);

}  // namespace zoriduvo
