#include "graphs/GraphSlots.h"

#include <algorithm>

namespace zoriduvo {

int GraphSlots::allocate() {
    auto it = std::find(free_.begin(), free_.end(), true);
    std::size_t index = static_cast<std::size_t>(it - free_.begin());
    if (it == free_.end()) {
        free_.push_back(false);
        titles_.emplace_back();
    }
    free_[index] = false;
    titles_[index] = {};
    ++created_;
    return static_cast<int>(index) + 1;
}

void GraphSlots::release(int slot) {
    if (slot >= 1 && slot <= slotCount()) free_[static_cast<std::size_t>(slot - 1)] = true;
}

bool GraphSlots::inUse(int slot) const { return slot >= 1 && slot <= slotCount() && !free_[static_cast<std::size_t>(slot - 1)]; }

}  // namespace zoriduvo
