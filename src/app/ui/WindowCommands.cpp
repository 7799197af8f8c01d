#include "app/ui/FrameCommands.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "platform/qt/ChildPlacement.h"
#include "platform/qt/FrameContext.h"
#include "sheet/Commands.h"

namespace zoriduvo {

namespace {
// Side by side, each window the full height of the frame's client area.
void TileSideBySide(QMdiArea& windows) {
    QList<QMdiSubWindow*> shown;
    for (auto* window : windows.subWindowList())
        if (!window->isMinimized() && window->isVisible()) shown << window;
    if (shown.isEmpty()) return;
    const QRect area = windows.viewport()->rect();
    const int width = area.width() / static_cast<int>(shown.size());
    for (int i = 0; i < shown.size(); ++i) {
        shown[i]->showNormal();
        shown[i]->setGeometry(i * width, 0, width, area.height());
    }
}

// The minimized windows in a row along the bottom.
void ArrangeIcons(QMdiArea& windows) {
    int left = 0;
    const QRect area = windows.viewport()->rect();
    for (auto* window : windows.subWindowList()) {
        if (!window->isMinimized()) continue;
        window->move(left, area.height() - window->height());
        left += window->width();
    }
}
}  // namespace

void RegisterWindowCommands(CommandTable& commands, FrameContext& context) {
    QMdiArea& windows = context.windows;
    commands.add("mnuWCascade", [&windows] { CascadeChildren(windows); });
    commands.add("mnuWTile", [&windows] { TileSideBySide(windows); });
    commands.add("mnuWArrange", [&windows] { ArrangeIcons(windows); });
}

}  // namespace zoriduvo
