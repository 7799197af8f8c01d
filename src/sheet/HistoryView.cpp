#include "sheet/HistoryView.h"

#include <ctime>

#include "sheet/Sheet.h"
#include "sheet/UndoHistory.h"

namespace zoriduvo {

namespace {

std::string ClockTime(std::int64_t seconds) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm parts{};
    if (!localtime_r(&t, &parts)) return {};
    char text[16];
    return std::string(text, std::strftime(text, sizeof text, "%H:%M:%S", &parts));
}

std::string StartName(const HistoryOrigin& origin) {
    switch (origin.kind) {
    case HistoryOrigin::Kind::File: return "開始: " + origin.path;
    case HistoryOrigin::Kind::Empty: return "開始: 新しいシート";
    case HistoryOrigin::Kind::Other: break;
    }
    return "開始";
}

std::string CommandLines(const UndoStepRecord& step) {
    if (step.commands.empty())
        return step.changedData ? "（コマンドラインでは再現できません）" : "（ファイルは変わりません）";
    std::string text;
    for (const StepCommand& command : step.commands) {
        if (!text.empty()) text += '\n';
        text += "zoriduvo-cli " + CommandText(command);
    }
    return text;
}

}  // namespace

HistoryView ViewOfHistory(const Sheet& sheet) {
    const UndoHistory& history = sheet.history();
    HistoryView view;
    const std::size_t position = history.position();
    view.rows.push_back({{}, {}, StartName(history.origin()), {}, position == 0, false});
    for (std::size_t i = 0; i < history.stepCount(); ++i) {
        const UndoStepRecord& step = history.step(i);
        view.rows.push_back({std::to_string(i + 1), ClockTime(step.time), step.name, CommandLines(step),
                             i + 1 == position, i >= position});
    }
    view.canSaveScript = position > 0;
    return view;
}

}  // namespace zoriduvo
