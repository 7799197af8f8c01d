#pragma once
#include <cstdint>
#include <optional>

namespace zoriduvo {

// Seconds since 1970 (UTC). Every date and time the program writes comes from a Clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t now() const = 0;
};

// SOURCE_DATE_EPOCH when it is set to a valid number, so that builds of files are reproducible.
std::optional<std::int64_t> SourceDateEpoch();

// The machine's clock, overridden by SOURCE_DATE_EPOCH.
class SystemClock : public Clock {
public:
    std::int64_t now() const override;
};

}  // namespace zoriduvo
