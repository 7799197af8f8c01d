#include "platform/qt/ChildPlacement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <algorithm>

#include "platform/FrameLayout.h"

namespace zoriduvo {

namespace {
int TitleStep(const QMdiArea& windows) {
    return std::max(1, windows.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &windows));
}
}  // namespace

QSize NewChildSize(const QMdiArea& windows) {
    const QSize inner = windows.viewport()->size();
    const double dpiX = windows.logicalDpiX(), dpiY = windows.logicalDpiY();
    const TwipRect size = SheetWindowGeometry(PixelsToTwips(inner.width(), dpiX), PixelsToTwips(inner.height(), dpiY));
    return {TwipsToPixels(size.width, dpiX), TwipsToPixels(size.height, dpiY)};
}

QPoint CascadePlace(int index, QSize window, QSize area, int step) {
    const int room = std::min(area.width() - window.width(), area.height() - window.height());
    const int places = std::max(0, room) / step + 1;
    const int offset = (index % places) * step;
    return {offset, offset};
}

void PlaceNewChild(QMdiArea& windows, QMdiSubWindow& window, QSize size) {
    const QSize area = windows.viewport()->size();
    size = size.boundedTo(area);
    const int others = static_cast<int>(windows.subWindowList().size()) - 1;
    window.resize(size);
    window.move(CascadePlace(others, size, area, TitleStep(windows)));
}

void PlaceNewChild(QMdiArea& windows, QMdiSubWindow& window) { PlaceNewChild(windows, window, NewChildSize(windows)); }

void CascadeChildren(QMdiArea& windows) {
    const QSize size = NewChildSize(windows);
    int index = 0;
    for (QMdiSubWindow* window : windows.subWindowList(QMdiArea::CreationOrder)) {
        if (window->isMinimized() || !window->isVisible()) continue;
        window->showNormal();
        window->setGeometry(QRect(CascadePlace(index++, size, windows.viewport()->size(), TitleStep(windows)), size));
        window->raise();
    }
}

}  // namespace zoriduvo
