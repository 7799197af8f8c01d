#include "files/HistoryScript.h"

#include <sys/stat.h>

#include <ctime>

#include "files/FileImage.h"
#include "files/FileProblem.h"
#include "files/NativeWriter.h"
#include "files/SafeSave.h"
#include "platform/Clock.h"
#include "platform/FileDates.h"
#include "platform/Ui.h"
#include "sheet/App.h"
#include "sheet/Sheet.h"
#include "sheet/UndoHistory.h"
#include "text/PathText.h"
#include "text/ShellQuote.h"

namespace zoriduvo {

namespace {

constexpr const char* kTitle = "操作の記録";
// The files between the steps are the script's own: values and empty names as the sheet held them.
constexpr const char* kExact = " --exact-in --exact-out\n";

// The bytes as a printf format that writes them back: octal escapes for all but plain ASCII.
std::string PrintfBytes(std::string_view bytes) {
    std::string format;
    for (const unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7f && c != '\\' && c != '%' && c != '\'') {
            format += static_cast<char>(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\%03o", c);
            format += escape;
        }
    }
    return format;
}

// The file a new sheet stands for: no cases and no variables, as vo-Data version 3.
std::string EmptySheetBytes(const std::string& name) {
    FileImage image;
    image.path = name;
    image.fileName = name;
    image.fileLabel = kUndefined;
    image.formatTag = "vo-Data_3";
    std::string bytes;
    EncodeNativeFile(image, 3, bytes);
    return bytes;
}

std::string StepTime(std::int64_t seconds) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm parts{};
    if (!localtime_r(&t, &parts)) return {};
    char text[32];
    return std::string(text, std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts));
}

// The refusal of a history no script can replay; empty when one can.
std::string Refusal(const UndoHistory& history, const Sheet& sheet, const std::string& output) {
    if (history.startLost()) return "履歴の最初の手順が失われたため、スクリプトを作れません。";
    const HistoryOrigin& origin = history.origin();
    if (history.position() > 0 && origin.kind == HistoryOrigin::Kind::Other)
        return "このシートはファイルから開かれていない（取り込み、貼り付け、転置など）ため、スクリプトを作れません。";
    if (origin.kind == HistoryOrigin::Kind::File && origin.sha256.empty())
        return "元のファイルを読めなかったため、スクリプトを作れません: " + origin.path;
    for (std::size_t i = 0; i < history.position(); ++i) {
        const UndoStepRecord& step = history.step(i);
        if (step.changedData && step.commands.empty())
            return "手順「" + step.name + "」はコマンドラインで再現できないため、スクリプトを作れません。";
    }
    if (output.empty() && !sheet.statisticsAndFile().hasFile)
        return "シートが保存されていないため、出力ファイルの名前を指定してください。";
    return {};
}

}  // namespace

std::int64_t ScriptDateEpoch(std::int64_t savedTime) {
    if (SourceDateEpoch()) return savedTime;
    const std::time_t t = static_cast<std::time_t>(savedTime);
    std::tm local{};
    if (!localtime_r(&t, &local)) return savedTime;
    return static_cast<std::int64_t>(timegm(&local));
}

HistoryScript MakeHistoryScript(const Sheet& sheet, const std::string& output) {
    const UndoHistory& history = sheet.history();
    const std::string out = output.empty() ? sheet.information().path : output;
    if (std::string refusal = Refusal(history, sheet, output); !refusal.empty()) return {{}, refusal};
    const HistoryOrigin& origin = history.origin();
    const bool fromFile = origin.kind == HistoryOrigin::Kind::File && history.position() > 0;
    std::string s = "#!/bin/sh\n";
    s += "# " + std::string(kTitle) + ": " + sheet.caption() + "\n";
    s += "# zoriduvo-cli で手順を順に再現します。引数で出力ファイルを変えられます。\n";
    s += "# ZORIDUVO_CLI で別の zoriduvo-cli を指定できます。\n";
    s += "set -eu\n";
    s += "cli=${ZORIDUVO_CLI:-zoriduvo-cli}\n";
    s += "out=${1:-" + QuoteForShell(out) + "}\n";
    if (fromFile) {
        s += "source=" + QuoteForShell(origin.path) + "\n";
        s += "expected=" + origin.sha256 + "\n";
        s += "actual=$( (sha256sum \"$source\" || shasum -a 256 \"$source\") 2>/dev/null | cut -d ' ' -f 1) || actual=\n";
        s += "if [ \"$actual\" != \"$expected\" ]; then\n";
        s += "    echo \"元のファイルが変わっているか、ありません。スクリプトを実行できません: $source\" >&2\n";
        s += "    exit 1\nfi\n";
    }
    // The date a file holds: the saved file's own, while the sheet is as it was saved.
    if (const auto saved = history.savedTime(); saved && !sheet.modified())
        s += "SOURCE_DATE_EPOCH=" + std::to_string(ScriptDateEpoch(*saved)) + "\nexport SOURCE_DATE_EPOCH\n";
    s += "work=$(mktemp -d \"${TMPDIR:-/tmp}/zoriduvo-script.XXXXXX\")\n";
    s += "trap 'rm -rf \"$work\"' EXIT\n";
    s += "name=${out##*/}\n";
    s += "mkdir \"$work/0\"\n";
    if (fromFile) {
        s += "\"$cli\" convert \"$source\" \"$work/0/$name\" --exact-out\n";
    } else {
        s += "# 新しいシート: 空のシートから始めます\n";
        s += "printf '" + PrintfBytes(EmptySheetBytes("empty.vo")) + "' > \"$work/0/$name\"\n";
    }
    int file = 0;
    for (std::size_t i = 0; i < history.position(); ++i) {
        const UndoStepRecord& step = history.step(i);
        s += "# " + std::to_string(i + 1) + ". " + step.name + " (" + StepTime(step.time) + ")\n";
        for (const StepCommand& command : step.commands) {
            const std::string in = "$work/" + std::to_string(file) + "/$name";
            const std::string next = "$work/" + std::to_string(++file);
            const std::string cells = "$work/cells" + std::to_string(file) + ".tsv";
            if (!command.cells.empty()) s += "printf '%s' " + QuoteForShell(command.cells) + " > \"" + cells + "\"\n";
            s += "mkdir \"" + next + "\"\n\"$cli\"";
            for (const std::string& word : CommandWords(command, "\x01" + in, "\x01" + next + "/$name", "\x01" + cells))
                s += " " + (word.rfind('\x01', 0) == 0 ? "\"" + word.substr(1) + "\"" : QuoteForShell(word));
            s += kExact;
        }
    }
    // A label made up at a save stays with the sheet, but outside every step.
    const std::string& label = sheet.information().fileLabel;
    if (!label.empty() && label != kUndefined) {
        const std::string in = "$work/" + std::to_string(file) + "/$name";
        const std::string next = "$work/" + std::to_string(++file);
        s += "mkdir \"" + next + "\"\n\"$cli\" file-label \"" + in + "\" \"" + next + "/$name\" --file-label " +
             QuoteForShell(label) + kExact;
    }
    s += "\"$cli\" convert \"$work/" + std::to_string(file) + "/$name\" \"$out\" --exact-in\n";
    return {s, {}};
}

bool SaveHistoryScript(App& app, const Sheet& sheet, const std::string& path, const std::string& output) {
    const HistoryScript script = MakeHistoryScript(sheet, output);
    if (!script.refusal.empty()) {
        app.ui.show({script.refusal, kTitle, MessageIcon::Exclamation});
        return false;
    }
    if (auto problem = SaveFileSafely(path, script.text)) {
        ShowFileProblem(app.ui, *problem);
        return false;
    }
    ::chmod(path.c_str(), 0755);
    return true;
}

}  // namespace zoriduvo
