#pragma once

class QKeyEvent;

namespace zoriduvo {

// The key code of a pressed key as the system's key table numbers keys (KeyCode in
// sheet/CellEditing.h): by physical key where the window system says which key it was, so that
// Shift+1 still counts as the key "1"; 0 for keys the editor does not care about.
int PlatformKeyCode(const QKeyEvent& event);

}  // namespace zoriduvo
