// Counts of sheets, cases and variables are 16-bit: one limit and one check for all of them.
#pragma once
#include <cstdint>
#include <limits>

namespace zoriduvo {

inline constexpr int kInt16Min = std::numeric_limits<std::int16_t>::min();
inline constexpr int kInt16Max = std::numeric_limits<std::int16_t>::max();

// The most sheets, cases or variables there can be.
inline constexpr int kMaxCount = kInt16Max;
inline constexpr int kMaxSheets = kMaxCount;
inline constexpr int kMaxCases = kMaxCount;
inline constexpr int kMaxVariables = kMaxCount;

// True when a count of sheets, cases or variables fits 16 bits.
constexpr bool WithinCountLimit(long long count) { return count >= 0 && count <= kMaxCount; }

}  // namespace zoriduvo
