#pragma once
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zoriduvo {

// Dialogs of the system open in the middle of the screen, whatever window opened them.
inline void CentreOnScreen(QWidget& dialog) {
    const QScreen* screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize size = dialog.frameGeometry().size();
    dialog.move(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
}

}  // namespace zoriduvo
