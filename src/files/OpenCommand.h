#pragma once
#include <string>

namespace zoriduvo {

class App;

enum class OpenOutcome {
    Opened,
    Cancelled,     // the dialog was cancelled
    AlreadyOpen,   // the file is open in a sheet already (told)
    NotOurFormat,  // neither a vo-Data nor a CSV file: passed over without a word
    Failed,        // missing, unreadable or refused (told)
};

// Opens the file at path as Open does once a name is chosen: "ファイルが存在しません" when it is
// missing or empty, "already open" when a sheet holds the same file, then the reader by the name's
// ending (".vo": native, ".csv": CSV, else native only when a field carries a vo-Data tag) and the
// loader. into: as LoadOptions::into. A CSV sheet has no file to save to, so Save asks for a name.
OpenOutcome OpenPath(App& app, const std::string& path, int into = 0);

// File > "開く(&O)...": the open dialog, then OpenPath.
OpenOutcome OpenFileCommand(App& app);

}  // namespace zoriduvo
