#pragma once
#include <map>
#include <string>
#include <vector>

#include "sheet/Sheet.h"
#include "text/NumberText.h"
#include "transform/ExpressionCompiler.h"
#include "transform/OperationCodes.h"
#include "transform/TransformSetup.h"

namespace zoriduvo::test {

// A setup with the given variable names (1-based in order) and, where given, categories.
inline TransformSetup SetupOf(const std::vector<std::string>& names, std::map<int, CategoryRange> categories = {},
                              int gridColumns = 22) {
    TransformSetup setup;
    setup.variableCount = static_cast<int>(names.size());
    setup.names.push_back("");
    setup.names.insert(setup.names.end(), names.begin(), names.end());
    setup.categories.assign(names.size() + 1, CategoryRange{});
    for (const auto& [v, category] : categories) setup.categories[v] = category;
    setup.gridColumns = gridColumns;
    return setup;
}

// Compiled code in words: variables by name, $0, constants by value as "#value", operations by
// their token, functions by name, "IF3" and "IF2" for the two conditionals; the end marker left out.
inline std::string Disassemble(const CompiledExpression& e, const TransformSetup& setup) {
    static const std::map<int, std::string> kWords = {
        {kOpIf, "IF3"}, {kOpIfThen, "IF2"}, {kOpOr, "OR"}, {kOpAnd, "AND"}, {kOpNot, "NOT"},
        {kOpEqual, "="}, {kOpLess, "<"}, {kOpGreater, ">"}, {kOpLessEqual, "<="}, {kOpGreaterEqual, ">="},
        {kOpNotEqual, "<>"}, {kOpAdd, "+"}, {kOpSubtract, "-"}, {kOpMod, "MOD"}, {kOpIntDivide, "\\"},
        {kOpMultiply, "*"}, {kOpDivide, "/"}, {kOpNegate, "neg"}, {kOpPower, "^"}, {kOpNegateExponent, "xneg"},
    };
    std::string out;
    for (std::size_t i = 0; i + 1 < e.code.size(); ++i) {
        const int entry = e.code[i];
        std::string word;
        if (entry > 0) word = setup.names.at(entry);
        else if (entry == 0) word = "$0";
        else if (IsConstantEntry(entry)) word = "#" + GeneralText(e.constants.at(-entry - 1));
        else if (IsFunction(-entry)) word = std::string(kFunctions[-entry - kFirstFunction].name);
        else word = kWords.at(-entry);
        out += (out.empty() ? "" : " ") + word;
    }
    return out;
}

// A sheet filled as typing leaves it, with names for its variables.
void FillNamedSheet(Sheet& sheet, const std::vector<std::string>& names, const std::vector<std::vector<std::string>>& rows);
// Marks variable v categorical with the given range in grdVoLabel.
void SetCategorical(Sheet& sheet, int v, int minimum, int maximum);
// The data texts of variable v, cases 1..n.
std::vector<std::string> ColumnTexts(const Sheet& sheet, int v);

}  // namespace zoriduvo::test
