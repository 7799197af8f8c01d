#include "support/Fakes.h"

#include <algorithm>

namespace zoriduvo::test {

Answer ScriptedUi::message(const std::string& text, const std::string& title, MessageIcon icon,
                           MessageButtons buttons) {
    messages.push_back({text, title, icon, buttons});
    if (buttons == MessageButtons::Ok) return Answer::Ok;
    if (answers.empty()) return Answer::Cancel;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedUi::openFileName(const FileDialogRequest& request) {
    fileDialogs.push_back(request);
    if (fileNames.empty()) return std::nullopt;
    auto name = fileNames.front();
    fileNames.pop_front();
    return name;
}

std::optional<std::string> ScriptedUi::saveFileName(const FileDialogRequest& request) { return openFileName(request); }

int ChangeRecorder::count(ChangeKind kind) const {
    return static_cast<int>(std::count_if(changes.begin(), changes.end(), [kind](const ModelChange& c) { return c.kind == kind; }));
}

}  // namespace zoriduvo::test
