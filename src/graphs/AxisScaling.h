// The shared axis algorithms of the plots and the tick-label format.
#pragma once
#include <string>
#include <vector>

namespace zoriduvo {

// Algorithm A (box plot): rounded ends, ticks at minimum + i × step for i = 0 .. intervals.
struct AxisA {
    float minimum = 0;
    float maximum = 1;
    float step = 1;
    int intervals = 1;
    std::vector<double> ticks() const;
};
AxisA ScaleAxisA(float dataMinimum, float dataMaximum);

// Algorithm B (scatter, index): the padded range and the ticks inside it, the step being
// mantissa × 10^exponent.
struct AxisB {
    double minimum = 0;
    double maximum = 1;
    int exponent = 0;
    double mantissa = 1;
    std::vector<double> ticks;
};
AxisB ScaleAxisB(double dataMinimum, double dataMaximum, double margin);

// The number of decimals of the tick labels, and the pattern whose length sets the label margin
// ("0.00" or "##0").
struct TickFormat {
    int decimals = 0;
    std::string pattern;
};
TickFormat TickFormatOf(const AxisB& axis);
std::string TickText(double value, int decimals);

// Two-decimal scientific notation, "1.10E+02", whose parts the algorithms read.
std::string ScientificText(double value);

}  // namespace zoriduvo
