#include "graphs/AxisScaling.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zoriduvo {

namespace {

int ExponentOf(const std::string& scientific) { return std::atoi(scientific.c_str() + scientific.find('E') + 1); }
double MantissaOf(const std::string& scientific, std::size_t length) {
    return std::atof(scientific.substr(0, length).c_str());
}

// No axis holds more ticks than this, whatever the data; a bound on every loop.
constexpr int kMostTicks = 1000;

// One value, or none that is finite, would make a range of zero: pad around the value instead.
// Values are kept within limit so that padding and snapping cannot overflow to infinity.
void PadDegenerate(double& minimum, double& maximum, double limit) {
    if (!std::isfinite(minimum) || !std::isfinite(maximum)) minimum = maximum = 0;
    minimum = std::clamp(minimum, -limit, limit);
    maximum = std::clamp(maximum, -limit, limit);
    if (maximum > minimum) return;
    const double half = std::max(std::fabs(maximum) * 0.1, 1.0);
    minimum -= half;
    maximum += half;
}

void Snap(float& minimum, float& maximum, int r) {
    const float unit = static_cast<float>(std::pow(10.0, r));
    minimum = std::floor(minimum / unit) * unit;
    maximum = (std::floor(maximum / unit) + 1) * unit;
}

int StepMultiplier(int q) {
    switch (q) {
    case 8: case 10: case 12: return 2;
    case 9: return 3;
    case 16: return 4;
    case 20: return 5;
    default: return 1;
    }
}

}  // namespace

std::string ScientificText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2E", value);
    return text;
}

std::vector<double> AxisA::ticks() const {
    std::vector<double> result;
    for (int i = 0; i <= intervals; ++i) result.push_back(static_cast<double>(minimum) + i * static_cast<double>(step));
    return result;
}

AxisA ScaleAxisA(float dataMinimum, float dataMaximum) {
    double low = dataMinimum, high = dataMaximum;
    PadDegenerate(low, high, 1e36);
    float m = static_cast<float>(low), M = static_cast<float>(high);
    const float d = M - m;
    M += 0.05f * d;
    m -= 0.05f * d;
    // Clamping at zero keeps a positive axis from starting below it; negative data keep their side.
    if (m < 0 && low >= 0) m = 0;
    std::string range = ScientificText(M - m);
    int r = ExponentOf(range);
    if (MantissaOf(range, 3) <= 2) --r;
    Snap(m, M, r);
    range = ScientificText(M - m);
    r = ExponentOf(range);
    const double t = MantissaOf(range, 3);
    int q = 0;
    if (t <= 2) {
        --r;
        q = t <= 1.2 ? 12 : t <= 1.6 ? 16 : 20;
        Snap(m, M, r);
    } else {
        Snap(m, M, r);
        range = ScientificText(M - m);
        q = range[0] - '0';
        r = ExponentOf(range);
        // Rounding up to the next power of ten reads as 1: ten steps of the exponent below.
        if (q == 1) {
            q = 10;
            --r;
        }
    }
    AxisA axis;
    axis.step = static_cast<float>(StepMultiplier(q) * std::pow(10.0, r));
    axis.minimum = m;
    int n = 1;
    while (m + static_cast<float>(n) * axis.step < M && n < kMostTicks) ++n;
    axis.intervals = n;
    axis.maximum = m + static_cast<float>(n) * axis.step;
    return axis;
}

AxisB ScaleAxisB(double dataMinimum, double dataMaximum, double margin) {
    PadDegenerate(dataMinimum, dataMaximum, 1e300);
    const double d = dataMaximum - dataMinimum;
    AxisB axis;
    axis.maximum = dataMaximum + margin * d;
    axis.minimum = dataMinimum - margin * d;
    const std::string range = ScientificText(axis.maximum - axis.minimum);
    const double u = MantissaOf(range, range.find('E'));
    axis.exponent = ExponentOf(range);
    axis.mantissa = u < 1.5 ? 0.2 : u < 4 ? 0.5 : u < 8 ? 1 : 2;
    const double step = axis.mantissa * std::pow(10.0, axis.exponent);
    // Whole multiples of the step, so that no sum of steps drifts past the maximum.
    const double tolerance = step * 1e-9;
    for (double j = std::floor(axis.minimum / step) + 1;
         j * step <= dataMaximum + tolerance && axis.ticks.size() < kMostTicks; ++j)
        axis.ticks.push_back(j * step);
    return axis;
}

TickFormat TickFormatOf(const AxisB& axis) {
    const int e = ExponentOf(ScientificText(axis.maximum));
    TickFormat format;
    if (axis.mantissa >= 1 && e < 0) format.decimals = -e;
    else if (axis.mantissa < 1 && e <= 0) format.decimals = 1 - e;
    if (format.decimals > 0) format.pattern = "0." + std::string(static_cast<std::size_t>(format.decimals), '0');
    else format.pattern = std::string(static_cast<std::size_t>(std::max(e, 0)), '#') + "0";
    return format;
}

std::string TickText(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string result = text;
    // A tick a rounding step below zero reads as zero, not "-0".
    if (result.find_first_not_of("-0.") == std::string::npos && result[0] == '-') result.erase(0, 1);
    return result;
}

}  // namespace zoriduvo
