#pragma once
#include <optional>
#include <string>

namespace zoriduvo {

inline constexpr const char* kTypingStep = "入力";

class App;
class Sheet;

// Key codes as the platform reports keys (not characters), so that the same physical keys
// behave alike on every keyboard layout.
namespace KeyCode {
inline constexpr int Digit0 = 48, Digit9 = 57;
inline constexpr int Pad0 = 96, Pad9 = 105;
inline constexpr int PadMinus = 109, PadDecimal = 110;
inline constexpr int Minus = 189, Period = 190;
inline constexpr int F2 = 113;
}  // namespace KeyCode

// What the in-cell editor holds when a key opens it; nullopt when the key opens nothing.
std::optional<std::string> EditorTextForKey(const Sheet& sheet, int keyCode);
// The current cell's value read as a number, in the general number text (F2, double click).
std::string EditorTextOfCurrentCell(const Sheet& sheet);

// Enter in the editor: the value goes into the current cell, the used range grows to it and the
// commit guard is set until the cursor leaves the cell.
void CommitEditorWithEnter(App& app, Sheet& sheet, const std::string& text);
// The editor lost the focus some other way: the value goes into the cell where editing began.
void CommitEditorOnFocusLoss(App& app, Sheet& sheet, const std::string& text);
// The cursor is about to leave the current cell: the guard of a commit ends.
void LeaveCell(App& app, Sheet& sheet);
// Brings the used range, numbering and default names up to the current cell; only under the guard.
void ExtendUsedRange(App& app, Sheet& sheet);

enum class CursorKey { Enter, ShiftEnter, Home, End };
// Moves the cursor after a key in the grid, leaving the current cell first.
void MoveAfterKey(App& app, Sheet& sheet, CursorKey key);

enum class DoubleClickAction { Nothing, DefineVariable, NameCase, Edit };
DoubleClickAction DoubleClickDispatch(const Sheet& sheet);

}  // namespace zoriduvo
