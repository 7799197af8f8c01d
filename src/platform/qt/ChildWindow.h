// What a child window of the frame says about itself, so that the frame needs no window classes.
#pragma once
#include <QMdiSubWindow>

namespace zoriduvo {

enum class ChildKind { Sheet, Graph };

class ChildWindow {
public:
    virtual ~ChildWindow() = default;
    virtual ChildKind childKind() const = 0;
    // True while the window's own close event runs.
    virtual bool closing() const = 0;
    // Scrolls the rows first .. last of its grid into view; a window without a grid has none.
    virtual void showRows(int /*first*/, int /*last*/) {}
};

// The child shown in a sub-window of the frame; null for none.
inline ChildWindow* ChildIn(const QMdiSubWindow* window) {
    return window ? dynamic_cast<ChildWindow*>(window->widget()) : nullptr;
}

}  // namespace zoriduvo
