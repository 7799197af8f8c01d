// What the list and operator buttons of frmTrans do to the edit line. Offsets are bytes of the
// UTF-8 text; the selection is [selectionStart, selectionStart + selectionLength).
#pragma once
#include <string>
#include <string_view>

namespace zoriduvo {

struct EditLine {
    std::string text;
    std::size_t caret = 0;
};

// left + " " + template + " " + right, the caret just after the template's "(".
EditLine InsertFunctionTemplate(std::string_view text, std::size_t selectionStart, std::size_t selectionLength,
                                std::string_view functionTemplate);
// left + double quote + name + double quote + right, the caret after the closing quote.
EditLine InsertVariableName(std::string_view text, std::size_t selectionStart, std::size_t selectionLength,
                            std::string_view name);
// left + operator + right, the caret after it.
EditLine InsertOperatorText(std::string_view text, std::size_t selectionStart, std::size_t selectionLength,
                            std::string_view operatorText);
// The selection deleted, the parts before and after it trimmed and joined, the caret at the join.
EditLine DeleteSelection(std::string_view text, std::size_t selectionStart, std::size_t selectionLength);

}  // namespace zoriduvo
