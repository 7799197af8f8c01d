#include "sheet/CellValue.h"

#include "text/NumberText.h"
#include "text/Trim.h"

namespace zoriduvo {

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of the number at the start of text in the leading-number syntax, 0 when none.
std::size_t NumberLength(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digits = 0;
    for (; i < t.size() && IsDigit(t[i]); ++i) ++digits;
    if (i < t.size() && t[i] == '.')
        for (++i; i < t.size() && IsDigit(t[i]); ++i) ++digits;
    if (digits == 0) return 0;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        const std::size_t start = j;
        while (j < t.size() && IsDigit(t[j])) ++j;
        if (j > start) i = j;
    }
    return i;
}
}  // namespace

float CellSingle(std::string_view text) { return ToSingle(LeadingNumber(text)); }
float CellSingle(const Cell& cell) { return ToSingle(cell.leadingNumber()); }

bool BeginsWithNumber(std::string_view text) {
    text = Trim(text);
    if (LeadingNumber(text) != 0) return true;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
    if (!text.empty() && text[0] == '.') text.remove_prefix(1);
    return !text.empty() && IsDigit(text[0]);
}

bool WhollyNumber(std::string_view text) {
    text = Trim(text);
    return !text.empty() && NumberLength(text) == text.size();
}

std::optional<double> StrictNumber(std::string_view text) {
    if (!WhollyNumber(text)) return std::nullopt;
    return LeadingNumber(Trim(text));
}

}  // namespace zoriduvo
