#pragma once

namespace zoriduvo {

class App;
class Sheet;

enum class SaveOutcome { Saved, Cancelled, Failed };

// File > "保存(&S)": nothing unless the sheet is modified; with a file, version 3 to its path,
// otherwise Save As.
SaveOutcome SaveCommand(App& app, Sheet& sheet);
// File > "名前をつけて保存(&A)...": the save dialog, then version 3 to the chosen path; the
// caption becomes the file name. True when the sheet was not saved (cancelled or failed).
bool SaveAsCommand(App& app, Sheet& sheet);
// The save of the close question: with a file, version 3 to its path, else Save As. True when
// the sheet was saved.
bool SaveSheetForClose(App& app, Sheet& sheet);

// Installs the saver that the close question calls on Yes.
void InstallFileCommands(App& app);

}  // namespace zoriduvo
