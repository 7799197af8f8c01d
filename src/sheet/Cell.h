#pragma once
#include <cstdint>
#include <cstring>
#include <iosfwd>
#include <limits>
#include <span>
#include <string_view>

namespace zoriduvo {

// The text of a cell: a number's or short text's bytes are made into the value itself, a long text's
// are the cell's own and stay valid while the cell is unchanged. Bind it to a CellString, not to a
// string_view, which would outlive a made text.
class CellString {
public:
    CellString() noexcept = default;
    // Refers to text's bytes, which must outlive it.
    static CellString Of(std::string_view text) noexcept {
        CellString out;
        out.data_ = text.data();
        out.size_ = static_cast<std::uint32_t>(text.size());
        return out;
    }
    std::string_view view() const noexcept { return {data_ ? data_ : local_, size_}; }
    operator std::string_view() const& noexcept { return view(); }
    operator std::string_view() const&& = delete;
    bool empty() const noexcept { return size_ == 0; }
    std::size_t size() const noexcept { return size_; }

    friend bool operator==(const CellString& a, std::string_view b) noexcept { return a.view() == b; }
    friend bool operator==(const CellString& a, const CellString& b) noexcept { return a.view() == b.view(); }

private:
    friend class Cell;
    const char* data_ = nullptr;  // a long text's own bytes, else local_
    std::uint32_t size_ = 0;
    char local_[28];
};

std::ostream& operator<<(std::ostream& out, const CellString& text);

// One grid cell in 8 bytes. A text that is the general text of its own number (what loading,
// typing "12.5" and most results give) is kept as that double and its text is made again when
// read, exactly as it was; a short other text sits in the cell; a long one on the heap. A full
// sheet holds millions of these, and statistics and sorting read the numbers without parsing.
class Cell {
public:
    Cell() noexcept = default;
    // Exactly this text comes back from text().
    static Cell FromText(std::string_view text);
    // The cell of a text that CanonicalNumber reads as number, made without the text.
    static Cell FromCanonicalNumber(double number) noexcept {
        Cell cell;
        std::uint64_t raw;
        std::memcpy(&raw, &number, sizeof raw);
        cell.setRaw(raw);
        return cell;
    }
    Cell(const Cell& other) : bits_(other.bits_) {
        if (other.onHeap()) copyHeapFrom(other);
    }
    Cell(Cell&& other) noexcept : bits_(other.bits_) { other.bits_ = 0; }
    Cell& operator=(const Cell& other);
    Cell& operator=(Cell&& other) noexcept {
        if (this != &other) {
            if (onHeap()) freeHeap();
            bits_ = other.bits_;
            other.bits_ = 0;
        }
        return *this;
    }
    ~Cell() {
        if (onHeap()) freeHeap();
    }

    bool empty() const noexcept { return bits_ == 0; }
    // A number cell's value is what LeadingNumber reads from its text.
    bool isNumber() const noexcept {
        const double v = raw();
        return v == v;  // the tags are NaNs
    }
    double number() const noexcept { return raw(); }
    // What LeadingNumber reads from the text, without reading it for a number cell.
    double leadingNumber() const;
    CellString text() const;
    // The text's length in bytes and in characters, without making a number's text.
    std::size_t textSize() const;
    std::size_t characterCount() const;
    // textSize() <= size, quicker for a number.
    bool textFits(std::size_t size) const;
    // The same text.
    bool operator==(const Cell& other) const noexcept {
        return bits_ == other.bits_ || (onHeap() && other.onHeap() && sameHeapText(other));
    }
    // Heap bytes beyond the cell itself.
    std::size_t heapBytes() const noexcept;

private:
    std::uint64_t rawBits() const noexcept { return bits_ ^ kBlank; }
    double raw() const noexcept {
        const std::uint64_t b = rawBits();
        double v;
        std::memcpy(&v, &b, sizeof v);
        return v;
    }
    std::uint16_t tag() const noexcept { return static_cast<std::uint16_t>(rawBits() >> 48); }
    bool onHeap() const noexcept { return tag() == kHeapTag; }
    void setRaw(std::uint64_t raw) noexcept { bits_ = raw ^ kBlank; }
    // A copy of text on the heap, as its raw pattern.
    static std::uint64_t HeapRaw(std::string_view text);
    const char* heapText() const noexcept;
    std::uint32_t heapLength() const noexcept;
    void copyHeapFrom(const Cell& other);
    void freeHeap() noexcept;
    bool sameHeapText(const Cell& other) const noexcept;

    // Stored bits are the raw pattern xor kBlank, so that zeroed cells are blank.
    static constexpr std::uint64_t kBlank = 0x7FF8000000000001ull;
    static constexpr std::uint16_t kInlineTag = 0xFFF0;  // | length 1..6, the bytes in the low 48 bits
    static constexpr std::uint16_t kHeapTag = 0x7FFA;    // a pointer in the low 48 bits

    std::uint64_t bits_ = 0;
};

static_assert(sizeof(Cell) == 8);
// The tags are NaN patterns: a cell needs IEEE doubles, and NaNs that compare unequal to themselves.
static_assert(std::numeric_limits<double>::is_iec559);

// Asks for cells that will be read soon, a cache line at a time: after a sort the rows of a sheet
// lie anywhere in memory, and a reader walking case by case would wait for each.
inline void Prefetch(std::span<const Cell> cells) noexcept {
    constexpr std::size_t kCellsInALine = 64 / sizeof(Cell);
    for (std::size_t i = 0; i < cells.size(); i += kCellsInALine) __builtin_prefetch(cells.data() + i);
}

}  // namespace zoriduvo
