#include "platform/ConsoleUi.h"

namespace zoriduvo {

Answer ConsoleUi::message(const std::string& text, const std::string& title, MessageIcon, MessageButtons buttons) {
    if (!title.empty()) errors_ << title << ": ";
    // Messages may hold the platform's line breaks; one message is one paragraph on the console.
    for (char ch : text) errors_ << (ch == '\r' ? ' ' : ch);
    errors_ << '\n';
    return buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel ? Answer::Ok : Answer::No;
}

}  // namespace zoriduvo
