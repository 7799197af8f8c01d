// The table of open graphs: slots numbered from 1, a closed graph's slot reused lowest first.
#pragma once
#include <vector>

#include "graphs/GraphData.h"

namespace zoriduvo {

class GraphSlots {
public:
    // The slot for a new graph, its settings reset: the lowest free one, else a new last one.
    int allocate();
    void release(int slot);
    bool inUse(int slot) const;
    GraphTitles& titles(int slot) { return titles_[static_cast<std::size_t>(slot - 1)]; }
    int slotCount() const { return static_cast<int>(free_.size()); }
    int created() const { return created_; }

private:
    std::vector<bool> free_;
    std::vector<GraphTitles> titles_;
    int created_ = 0;
};

}  // namespace zoriduvo
