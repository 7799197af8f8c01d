#include "transform/EditLine.h"

#include <algorithm>

#include "transform/StatementForm.h"
#include "text/Trim.h"

namespace zoriduvo {

namespace {

struct Split {
    std::string left, right;
};

// The edit line cut at the selection, both sides trimmed; a selection beyond the text is clamped.
Split SplitAt(std::string_view text, std::size_t start, std::size_t length) {
    start = std::min(start, text.size());
    const std::size_t end = start + std::min(length, text.size() - start);
    return {std::string(Trim(text.substr(0, start))), std::string(Trim(text.substr(end)))};
}

}  // namespace

EditLine InsertFunctionTemplate(std::string_view text, std::size_t selectionStart, std::size_t selectionLength,
                                std::string_view functionTemplate) {
    const Split s = SplitAt(text, selectionStart, selectionLength);
    const std::size_t bracket = std::min(functionTemplate.find('('), functionTemplate.size() - 1);
    return {s.left + " " + std::string(functionTemplate) + " " + s.right, s.left.size() + 1 + bracket + 1};
}

EditLine InsertVariableName(std::string_view text, std::size_t selectionStart, std::size_t selectionLength,
                            std::string_view name) {
    const Split s = SplitAt(text, selectionStart, selectionLength);
    const std::string quoted = "\"" + std::string(name) + "\"";
    return {s.left + quoted + s.right, s.left.size() + quoted.size()};
}

EditLine InsertOperatorText(std::string_view text, std::size_t selectionStart, std::size_t selectionLength,
                            std::string_view operatorText) {
    const Split s = SplitAt(text, selectionStart, selectionLength);
    return {s.left + std::string(operatorText) + s.right, s.left.size() + operatorText.size()};
}

EditLine DeleteSelection(std::string_view text, std::size_t selectionStart, std::size_t selectionLength) {
    const Split s = SplitAt(text, selectionStart, selectionLength);
    return {s.left + s.right, s.left.size()};
}

}  // namespace zoriduvo
