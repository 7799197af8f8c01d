#pragma once
#include <cstdint>
#include <cstring>
#include <string_view>

namespace zoriduvo {

// The text of one grid cell in 16 bytes: texts up to 14 bytes (every number the formatter makes)
// live inside the cell, longer ones on the heap. A full sheet holds millions of these.
class CellText {
public:
    CellText() noexcept { std::memset(bytes_, 0, sizeof bytes_); }
    explicit CellText(std::string_view text) : CellText() { assign(text); }
    CellText(const CellText& other) : CellText() { assign(other.view()); }
    CellText(CellText&& other) noexcept {
        std::memcpy(bytes_, other.bytes_, sizeof bytes_);
        std::memset(other.bytes_, 0, sizeof other.bytes_);
    }
    CellText& operator=(const CellText& other) {
        if (this != &other) assign(other.view());
        return *this;
    }
    CellText& operator=(CellText&& other) noexcept {
        if (this != &other) {
            release();
            std::memcpy(bytes_, other.bytes_, sizeof bytes_);
            std::memset(other.bytes_, 0, sizeof other.bytes_);
        }
        return *this;
    }
    ~CellText() { release(); }

    void assign(std::string_view text);
    std::string_view view() const noexcept {
        if (onHeap()) return {heapPointer(), heapLength()};
        return {reinterpret_cast<const char*>(bytes_), bytes_[kTag]};
    }
    bool empty() const noexcept { return !onHeap() && bytes_[kTag] == 0; }

private:
    static constexpr std::size_t kTag = 15;
    static constexpr std::size_t kInline = 14;
    static constexpr unsigned char kHeapTag = 0xFF;

    bool onHeap() const noexcept { return bytes_[kTag] == kHeapTag; }
    char* heapPointer() const noexcept {
        char* p;
        std::memcpy(&p, bytes_, sizeof p);
        return p;
    }
    std::uint32_t heapLength() const noexcept {
        std::uint32_t n;
        std::memcpy(&n, bytes_ + 8, sizeof n);
        return n;
    }
    void release() noexcept;

    alignas(8) unsigned char bytes_[16];
};

static_assert(sizeof(CellText) == 16);

}  // namespace zoriduvo
