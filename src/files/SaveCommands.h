#pragma once

namespace zoriduvo {

class App;
class Sheet;

enum class SaveOutcome { Saved, Cancelled, Failed };

// File > "保存(&S)": nothing unless the sheet is modified; with a file, version 3 to its path,
// otherwise Save As. The close question saves with it too.
SaveOutcome SaveCommand(App& app, Sheet& sheet);
// File > "名前をつけて保存(&A)...": the save dialog, then version 3 to the chosen path; the
// caption becomes the file name. A file that another open sheet holds is refused as Open refuses it.
SaveOutcome SaveAsCommand(App& app, Sheet& sheet);

}  // namespace zoriduvo
