#include "transform/FormulaHistory.h"

#include "sheet/App.h"

namespace zoriduvo {

FormulaHistory::FormulaHistory(App& app) : app_(app) {
    if (app_.formulaHistory.size() != kSlots + 1) app_.formulaHistory.resize(kSlots + 1);
    browse_ = position();
}

int FormulaHistory::position() const {
    const int p = app_.formulaHistoryPosition;
    return p >= 1 && p <= kSlots ? p : 1;
}

void FormulaHistory::store(const std::string& text) {
    int p = position();
    app_.formulaHistory[p] = text;
    p = p % kSlots + 1;
    app_.formulaHistory[p].clear();
    app_.formulaHistoryPosition = p;
    browse_ = p;
}

const std::string& FormulaHistory::up() {
    browse_ = browse_ == 1 ? kSlots : browse_ - 1;
    return app_.formulaHistory[browse_];
}

const std::string& FormulaHistory::down() {
    browse_ = browse_ == kSlots ? 1 : browse_ + 1;
    return app_.formulaHistory[browse_];
}

}  // namespace zoriduvo
