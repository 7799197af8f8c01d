#pragma once
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace zoriduvo::test {

// Single-precision results against hand-computed figures: equal within a few units of the
// single's precision, relative to the expected magnitude (absolute below 1).
inline testing::AssertionResult SingleNear(float actual, double expected) {
    const double tolerance = 8 * FLT_EPSILON * std::fmax(1.0, std::fabs(expected));
    if (std::fabs(actual - expected) <= tolerance) return testing::AssertionSuccess();
    return testing::AssertionFailure() << actual << " is not " << expected << " within " << tolerance;
}

// A figure that must be the single nearest the exact value, or its neighbour on either side.
inline testing::AssertionResult NearestSingle(float actual, long double exact) {
    const float nearest = static_cast<float>(exact);
    if (actual == nearest || actual == std::nextafter(nearest, INFINITY) ||
        actual == std::nextafter(nearest, -INFINITY))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << actual << " is not the single nearest " << static_cast<double>(exact) << " ("
                                       << nearest << ")";
}

}  // namespace zoriduvo::test
