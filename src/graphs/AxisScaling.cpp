#include "graphs/AxisScaling.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "text/NumberText.h"

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

void Snap(double& minimum, double& maximum, int r) {
    const double unit = std::pow(10.0, r);
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

AxisA ScaleAxisA(double dataMinimum, double dataMaximum) {
    double low = dataMinimum, high = dataMaximum;
    PadDegenerate(low, high, 1e300);
    double m = low, M = high;
    const double d = M - m;
    M += 0.05 * d;
    m -= 0.05 * d;
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
    axis.step = StepMultiplier(q) * std::pow(10.0, r);
    axis.minimum = m;
    int n = 1;
    while (m + n * axis.step < M && n < kMostTicks) ++n;
    axis.intervals = n;
    axis.maximum = m + n * axis.step;
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

double StepOf(const AxisB& axis) { return axis.mantissa * std::pow(10.0, axis.exponent); }

std::string TickLabel(double value, double step) {
    // The step's last digit: 10^k, with k read as the algorithms read exponents.
    const int k = ExponentOf(ScientificText(step));
    const double unit = std::pow(10.0, std::abs(k));
    const double digits = std::nearbyint(k < 0 ? value * unit : value / unit);
    // Dividing by an exact power of ten gives the double nearest the decimal, which the general
    // text then writes without the noise a product would leave.
    const double exact = k < 0 ? digits / unit : digits * unit;
    return GeneralText(std::isfinite(exact) ? exact + 0.0 : value);
}

}  // namespace zoriduvo
