#include "sheet/App.h"

#include <stdexcept>

namespace zoriduvo {

App::App(Ui& ui_, Clipboard& clipboard_, Clock& clock_, Random& random_)
    : ui(ui_), clipboard(clipboard_), clock(clock_), random(random_) {
    sheets_.resize(2);  // the per-sheet arrays start with upper bound 1
}

App::~App() = default;

Sheet& App::sheet(int number) {
    if (number < 1 || number > upperBound() || !sheets_[number]) throw std::out_of_range("no such sheet number");
    return *sheets_[number];
}

void App::setActiveSheet(int number) {
    if (activeSheet_ == number) return;
    activeSheet_ = number;
    bus.publish({ChangeKind::SheetActivated, number});
}

}  // namespace zoriduvo
