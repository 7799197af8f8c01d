#include "sheet/ui/PlatformKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include "sheet/CellEditing.h"

namespace zoriduvo {

namespace {
// X11 keycodes of the evdev keyboard (the same on every layout).
int FromX11ScanCode(quint32 code) {
    if (code >= 10 && code <= 18) return KeyCode::Digit0 + static_cast<int>(code) - 9;  // 1..9
    switch (code) {
    case 19: return KeyCode::Digit0;
    case 20: return KeyCode::Minus;
    case 60: return KeyCode::Period;
    case 68: return KeyCode::F2;
    case 90: return KeyCode::Pad0;
    case 87: return KeyCode::Pad0 + 1;
    case 88: return KeyCode::Pad0 + 2;
    case 89: return KeyCode::Pad0 + 3;
    case 83: return KeyCode::Pad0 + 4;
    case 84: return KeyCode::Pad0 + 5;
    case 85: return KeyCode::Pad0 + 6;
    case 79: return KeyCode::Pad0 + 7;
    case 80: return KeyCode::Pad0 + 8;
    case 81: return KeyCode::Pad0 + 9;
    case 82: return KeyCode::PadMinus;
    case 91: return KeyCode::PadDecimal;
    default: return 0;
    }
}

int FromQtKey(const QKeyEvent& event) {
    const bool pad = event.modifiers() & Qt::KeypadModifier;
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return (pad ? KeyCode::Pad0 : KeyCode::Digit0) + key - Qt::Key_0;
    switch (key) {
    case Qt::Key_Minus: return pad ? KeyCode::PadMinus : KeyCode::Minus;
    case Qt::Key_Period: return pad ? KeyCode::PadDecimal : KeyCode::Period;
    case Qt::Key_F2: return KeyCode::F2;
    default: return 0;
    }
}
}  // namespace

int PlatformKeyCode(const QKeyEvent& event) {
    if (QGuiApplication::platformName() == "xcb" && event.nativeScanCode() != 0) {
        if (const int code = FromX11ScanCode(event.nativeScanCode())) return code;
    }
    return FromQtKey(event);
}

}  // namespace zoriduvo
