// The changes of an open undo step, kept as the operations that take them back. A grid that knows
// a journal records, for each change it makes, how to undo it; taking a step back runs those
// records newest first while recording again, which yields the records that redo it.
#pragma once
#include <cstddef>
#include <functional>
#include <vector>

namespace zoriduvo {

class Journal {
public:
    using Entry = std::function<void()>;

    struct Entries {
        std::vector<Entry> entries;
        std::size_t bytes = 0;  // what the entries hold, roughly
    };

    bool recording() const { return target_ != nullptr; }
    // bytes: what the entry keeps alive besides itself (texts, rows), for the history's bound.
    void record(Entry entry, std::size_t bytes = 0) {
        if (!target_) return;
        target_->entries.push_back(std::move(entry));
        target_->bytes += sizeof(Entry) + bytes;
    }

    // Records go into entries until the returned guard ends.
    class Recording {
    public:
        Recording(Journal& journal, Entries& entries) : journal_(journal), previous_(journal.target_) {
            journal.target_ = &entries;
        }
        ~Recording() { journal_.target_ = previous_; }
        Recording(const Recording&) = delete;
        Recording& operator=(const Recording&) = delete;

    private:
        Journal& journal_;
        Entries* previous_;
    };

    // Runs the entries newest first and returns what takes their work back again.
    Entries replay(Entries entries) {
        Entries inverse;
        Recording recording(*this, inverse);
        for (auto it = entries.entries.rbegin(); it != entries.entries.rend(); ++it) (*it)();
        return inverse;
    }

private:
    Entries* target_ = nullptr;
};

}  // namespace zoriduvo
