#include "platform/FileDates.h"

#include <ctime>

#include "platform/Clock.h"

namespace zoriduvo {

namespace {
std::string Format(std::int64_t seconds, const char* pattern) {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm parts{};
    const bool ok = SourceDateEpoch() ? gmtime_r(&t, &parts) != nullptr : localtime_r(&t, &parts) != nullptr;
    if (!ok) return {};
    char text[64];
    const std::size_t length = std::strftime(text, sizeof text, pattern, &parts);
    return std::string(text, length);
}
}  // namespace

std::string WriterDate(std::int64_t seconds) { return Format(seconds, "%m-%d-%Y %H:%M:%S"); }
std::string ReaderDate(std::int64_t seconds) { return Format(seconds, "%y-%m-%d %H:%M:%S"); }

}  // namespace zoriduvo
