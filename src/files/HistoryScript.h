// The history of a sheet as a POSIX shell script: the steps that stand, each the zoriduvo-cli
// command that does the same to a file, run from the file the history started from through files
// in a folder of the script's own, to the output. The script checks its source's SHA-256 before
// anything runs and stops when the source changed.
#pragma once
#include <optional>
#include <string>

#include "platform/Message.h"

namespace zoriduvo {

class App;
class Sheet;

struct HistoryScript {
    std::string text;     // the script, when it could be made
    std::string refusal;  // why not, otherwise
};

// output: where the script writes its result (its first argument overrides it); empty for where the
// sheet was last saved. Refused when the history starts from no file or from a sheet made some
// other way, lost its first steps, holds a step no command line does, or has no output to name.
HistoryScript MakeHistoryScript(const Sheet& sheet, const std::string& output = {});

// The date a save writes, as SOURCE_DATE_EPOCH makes the command line write it: the local time of
// the save shown as UTC, since the command line writes UTC while that variable is set.
std::int64_t ScriptDateEpoch(std::int64_t savedTime);

// "スクリプトとして保存...": the script made and written to path (made executable); false and
// the message shown when it cannot be.
bool SaveHistoryScript(App& app, const Sheet& sheet, const std::string& path, const std::string& output = {});

}  // namespace zoriduvo
