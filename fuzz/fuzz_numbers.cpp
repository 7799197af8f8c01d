// Leading-number conversion and the cell formatter: never fail, and formatting a value then
// reading it back stays within the precision the formatter keeps. A cell gives back exactly the
// text it was given, and the number LeadingNumber reads from it.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "sheet/Cell.h"
#include "text/NumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zoriduvo;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = LeadingNumber(text);
    if (std::isnan(value)) std::abort();
    const float single = ToSingle(value);
    const std::string cell = FormatNumber(single);
    if (cell.size() > 14) std::abort();  // the formatter's texts stay short
    const Cell stored = Cell::FromText(text);
    if (stored.text() != text || stored.textSize() != text.size()) std::abort();
    if (stored.leadingNumber() != value && !(stored.leadingNumber() == 0 && value == 0)) std::abort();
    for (std::size_t room = text.size() > 0 ? text.size() - 1 : 0; room <= text.size() + 1; ++room)
        if (stored.textFits(room) != (text.size() <= room)) std::abort();
    if (std::isfinite(single) && single != 0.0f) {
        const double back = LeadingNumber(cell);
        // Denormals carry fewer digits: there the text must at least read back as the same single.
        const bool close = std::fabs(back - single) <= std::fabs(static_cast<double>(single)) * 6e-6;
        if (!close && ToSingle(back) != single) std::abort();
        if (ToSingle(LeadingNumber(ShortestText(single))) != single) std::abort();
    }
    (void)RoundToInt16(value);
    (void)GeneralText(single);
    (void)PrintSingle(single);
    return 0;
}
