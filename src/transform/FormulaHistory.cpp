#include "transform/FormulaHistory.h"

#include "sheet/App.h"

namespace zoriduvo {

FormulaHistory::FormulaHistory(App& app) : app_(app) {
    browse_ = position();
}

FormulaRing& FormulaHistory::ring() const { return app_.state<FormulaRing>(); }

int FormulaHistory::position() const {
    const int p = ring().position;
    return p >= 1 && p <= kSlots ? p : 1;
}

void FormulaHistory::store(const std::string& text) {
    int p = position();
    ring().texts[p] = text;
    p = p % kSlots + 1;
    ring().texts[p].clear();
    ring().position = p;
    browse_ = p;
}

const std::string& FormulaHistory::up() {
    browse_ = browse_ == 1 ? kSlots : browse_ - 1;
    return ring().texts[browse_];
}

const std::string& FormulaHistory::down() {
    browse_ = browse_ == kSlots ? 1 : browse_ + 1;
    return ring().texts[browse_];
}

}  // namespace zoriduvo
