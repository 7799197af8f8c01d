// The frame as the program starts it, on a test App: shown, with sheet 1 blank.
#pragma once
#include "app/StartUp.h"
#include "app/ui/MainFrame.h"
#include "platform/qt/QtUi.h"
#include "support/Fakes.h"

namespace zoriduvo::test {

struct Frame {
    TestApp t;
    QtUi qtUi;
    MainFrame frame{t.app, qtUi};
    Frame() {
        frame.show();
        StartUp(t.app);
    }
};

}  // namespace zoriduvo::test
