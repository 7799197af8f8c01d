// Where the frame puts its child windows: the size a new sheet gets, and the cascade.
#pragma once
#include <QPoint>
#include <QSize>

class QMdiArea;
class QMdiSubWindow;

namespace zoriduvo {

// A new sheet window's size: seven eighths of the frame's client area each way.
QSize NewChildSize(const QMdiArea& windows);
// The place of the index-th window of a cascade: one title bar further down and right per window,
// back at the top left before a window would reach out of the area.
QPoint CascadePlace(int index, QSize window, QSize area, int step);
// Puts a new window at its place in the cascade of the windows already open, at the given size
// (the size a new sheet gets when none is given), within the area's visible part.
void PlaceNewChild(QMdiArea& windows, QMdiSubWindow& window, QSize size);
void PlaceNewChild(QMdiArea& windows, QMdiSubWindow& window);
// Cascades the shown windows in the order they were opened, each at the size a new sheet gets.
void CascadeChildren(QMdiArea& windows);

}  // namespace zoriduvo
