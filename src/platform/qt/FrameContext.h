// What a concern's registration needs of the frame besides the command table: the parent of its
// dialogs (closing it ends the program) and the area that holds the child windows.
#pragma once

class QMdiArea;
class QWidget;

namespace zoriduvo {

struct FrameContext {
    QWidget& frame;
    QMdiArea& windows;
};

}  // namespace zoriduvo
