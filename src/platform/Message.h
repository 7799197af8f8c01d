// The one form of a message the program shows: its text, title and icon, and the rows of the
// constant message tables each concern keeps.
#pragma once
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace zoriduvo {

// The program's caption, the title of messages that belong to no dialog.
inline constexpr const char* kProgramTitle = "Da ziv Oru32";

enum class MessageIcon { None, Critical, Question, Exclamation, Information };

struct Message {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::None;
};

// A table's text with "%1", "%2", ... replaced by the values in one pass, so a value that holds
// "%1" stays as it is; a place without a value stays as it is written.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values);

// A row of a constant table: a code and its message, kept in the order of the codes.
template <typename Code>
struct MessageRow {
    Code code;
    std::string_view text;
    std::string_view title;
    MessageIcon icon;

    Message message() const { return {std::string(text), std::string(title), icon}; }
};

// True when row i holds code i for every row and every code has its row; tables assert it.
template <typename Code, std::size_t N>
constexpr bool CoversEveryCode(const MessageRow<Code> (&rows)[N]) {
    if (N != static_cast<std::size_t>(Code::Count)) return false;
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(rows[i].code) != i) return false;
    return true;
}

// The row of a code in a table that CoversEveryCode.
template <typename Code, std::size_t N>
constexpr const MessageRow<Code>& RowOf(const MessageRow<Code> (&rows)[N], Code code) {
    const auto i = static_cast<std::size_t>(code);
    return rows[i < N ? i : 0];
}

}  // namespace zoriduvo
