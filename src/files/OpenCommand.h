#pragma once
#include <string>

namespace zoriduvo {

class App;

enum class OpenOutcome {
    Opened,
    Cancelled,    // the dialog was cancelled
    AlreadyOpen,  // the file is open in a sheet already (told)
    NotOpened,    // missing, unreadable or not a file of ours (told, except a file of another kind)
};

// Opens the file at path as Open does once a name is chosen: "ファイルが存在しません" when it is
// missing or empty, "already open" when a sheet holds the same file, then the reader by the name's
// ending (".vo": native, ".csv": CSV, else native only when a field carries a vo-Data tag) and the
// loader. into: as LoadOptions::into. A CSV sheet has no file to save to, so Save asks for a name.
OpenOutcome OpenPath(App& app, const std::string& path, int into = 0);

// File > "開く(&O)...": the open dialog, then OpenPath. True when the dialog was cancelled or the
// file is open already.
bool OpenFileCommand(App& app);

}  // namespace zoriduvo
