#include "platform/Clock.h"

#include <charconv>
#include <chrono>
#include <cstdlib>
#include <string_view>

namespace zoriduvo {

std::optional<std::int64_t> SourceDateEpoch() {
    const char* text = std::getenv("SOURCE_DATE_EPOCH");
    if (!text) return std::nullopt;
    std::string_view view(text);
    std::int64_t seconds = 0;
    auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), seconds);
    if (error != std::errc() || end != view.data() + view.size() || view.empty() || seconds < 0)
        return std::nullopt;
    return seconds;
}

std::int64_t SystemClock::now() const {
    if (auto fixed = SourceDateEpoch()) return *fixed;
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace zoriduvo
