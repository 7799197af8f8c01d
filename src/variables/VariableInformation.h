// The variable information view (frmVarInfo): one column of texts per variable.
#pragma once
#include <array>
#include <string>
#include <vector>

namespace zoriduvo {

class Sheet;

// The heading column of grdVType, rows 0 to 4.
inline constexpr std::array<const char*, 5> kVariableInformationHeadings = {
    " 番  号 ", "変 数 名", "変数の型", "最大ｶﾃｺﾞﾘｰ値", "最小ｶﾃｺﾞﾘｰ値"};

// Number, name, type, maximum and minimum category of each variable, in variable order.
std::vector<std::array<std::string, 5>> VariableInformation(const Sheet& sheet);

}  // namespace zoriduvo
