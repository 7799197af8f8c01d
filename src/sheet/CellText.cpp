#include "sheet/CellText.h"

#include <new>

namespace zoriduvo {

void CellText::release() noexcept {
    if (onHeap()) delete[] heapPointer();
    std::memset(bytes_, 0, sizeof bytes_);
}

void CellText::assign(std::string_view text) {
    if (text.size() <= kInline) {
        unsigned char copy[kInline];
        // text may point into this cell; an empty view may have no data at all.
        if (!text.empty()) std::memcpy(copy, text.data(), text.size());
        release();
        if (!text.empty()) std::memcpy(bytes_, copy, text.size());
        bytes_[kTag] = static_cast<unsigned char>(text.size());
        return;
    }
    const auto length = static_cast<std::uint32_t>(text.size());
    char* p = new char[length];
    std::memcpy(p, text.data(), length);
    release();
    std::memcpy(bytes_, &p, sizeof p);
    std::memcpy(bytes_ + 8, &length, sizeof length);
    bytes_[kTag] = kHeapTag;
}

}  // namespace zoriduvo
