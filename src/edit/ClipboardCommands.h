// The Edit menu's exchange with the system clipboard, on a sheet's data grid grdVo and its
// selection. Each runs with the hourglass pointer; each data change is one undo step.
#pragma once

namespace zoriduvo {

inline constexpr const char* kCutStep = "切り取り";
inline constexpr const char* kEraseStep = "消去";
inline constexpr const char* kPasteStep = "貼り付け";
inline constexpr const char* kPasteLabelsStep = "ラベル付き貼り付け";

class App;
class Sheet;

// The selection, its end cut to the used range, as TAB/CR LF text without a final line end: CR LF
// is a line end to every program here, a lone CR is not.
void CopySelection(App& app, Sheet& sheet);
// The selection cut to the used range as TAB/CR LF text with a final CR LF; its cells are emptied.
void CutSelection(App& app, Sheet& sheet);
// Empties the whole selection after the question; false when it was answered Cancel.
bool EraseSelection(App& app, Sheet& sheet);
// The clipboard text written at the cursor as it is; the grid and the used range grow to hold
// it. False when it was refused (too long, or beyond the 16-bit counts).
bool PasteAtCursor(App& app, Sheet& sheet);
// The selection with the variable names above it and the case names before each row.
void CopyWithLabels(App& app, Sheet& sheet);
// The whole used range with names and the statistics blocks shown, CR LF after every line.
void CopyWholeSheet(App& app, Sheet& sheet);
// A labelled text as a sheet of its own: into the active sheet while it holds no data, else into
// a new one. Returns the number of the sheet written, 0 when nothing was.
int PasteWithLabels(App& app, Sheet& sheet);

}  // namespace zoriduvo
