#include "sheet/Cell.h"

#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <string>

#include "text/NumberText.h"
#include "text/Utf8.h"

namespace zoriduvo {

std::ostream& operator<<(std::ostream& out, const CellString& text) { return out << text.view(); }

Cell Cell::FromText(std::string_view text) {
    Cell cell;
    if (text.empty()) return cell;
    if (const auto number = CanonicalNumber(text)) return FromCanonicalNumber(*number);
    if (text.size() <= 6) {
        std::uint64_t raw = static_cast<std::uint64_t>(kInlineTag | text.size()) << 48;
        for (std::size_t i = 0; i < text.size(); ++i)
            raw |= static_cast<std::uint64_t>(static_cast<unsigned char>(text[i])) << (8 * i);
        cell.setRaw(raw);
        return cell;
    }
    cell.setRaw(HeapRaw(text));
    return cell;
}

std::uint64_t Cell::HeapRaw(std::string_view text) {
    const auto length = static_cast<std::uint32_t>(text.size());
    char* block = new char[sizeof length + length];
    std::memcpy(block, &length, sizeof length);
    std::memcpy(block + sizeof length, text.data(), length);
    const auto address = reinterpret_cast<std::uintptr_t>(block);
    if (address >> 48) std::abort();  // user space addresses take 47 bits
    return static_cast<std::uint64_t>(kHeapTag) << 48 | address;
}

Cell& Cell::operator=(const Cell& other) {
    if (this == &other) return *this;
    Cell copy(other);
    return *this = std::move(copy);
}

CellString Cell::text() const {
    CellString out;
    if (empty()) return out;
    if (isNumber()) {
        static_assert(sizeof out.local_ >= kGeneralTextRoom - 4, "a general text fits in the string's own room");
        char text[kGeneralTextRoom];
        const std::size_t length = GeneralTextTo(number(), text);
        out.size_ = static_cast<std::uint32_t>(length);
        std::memcpy(out.local_, text, length);
        return out;
    }
    if (onHeap()) {
        out.data_ = heapText();
        out.size_ = heapLength();
        return out;
    }
    const std::uint64_t raw = rawBits();
    out.size_ = tag() & 0xF;
    for (std::uint32_t i = 0; i < out.size_; ++i) out.local_[i] = static_cast<char>(raw >> (8 * i));
    return out;
}

std::size_t Cell::textSize() const {
    if (isNumber()) return GeneralTextSize(number());
    if (onHeap()) return heapLength();
    return empty() ? 0 : tag() & 0xF;
}

bool Cell::textFits(std::size_t size) const {
    return isNumber() ? GeneralTextFits(number(), size) : textSize() <= size;
}

std::size_t Cell::characterCount() const { return isNumber() ? textSize() : CodePointCount(text().view()); }

double Cell::leadingNumber() const { return isNumber() ? number() : LeadingNumber(text().view()); }

bool Cell::sameHeapText(const Cell& other) const noexcept {
    return std::string_view(heapText(), heapLength()) == std::string_view(other.heapText(), other.heapLength());
}

std::size_t Cell::heapBytes() const noexcept { return onHeap() ? sizeof(std::uint32_t) + heapLength() : 0; }

const char* Cell::heapText() const noexcept {
    return reinterpret_cast<const char*>(rawBits() & 0xFFFFFFFFFFFFull) + sizeof(std::uint32_t);
}

std::uint32_t Cell::heapLength() const noexcept {
    std::uint32_t length;
    std::memcpy(&length, heapText() - sizeof length, sizeof length);
    return length;
}

void Cell::copyHeapFrom(const Cell& other) {
    bits_ = 0;  // a failed allocation leaves a blank cell
    setRaw(HeapRaw({other.heapText(), other.heapLength()}));  // a long text is never a number's
}

void Cell::freeHeap() noexcept {
    delete[] (heapText() - sizeof(std::uint32_t));
    bits_ = 0;
}

}  // namespace zoriduvo
