// The shared axis algorithms of the plots and the tick-label format.
#pragma once
#include <string>
#include <vector>

namespace zoriduvo {

// Algorithm A (box plot): rounded ends, ticks at minimum + i × step for i = 0 .. intervals. Worked
// in double, so that no single, however large, overflows the padding or the snapping.
struct AxisA {
    double minimum = 0;
    double maximum = 1;
    double step = 1;
    int intervals = 1;
    std::vector<double> ticks() const;
};
AxisA ScaleAxisA(double dataMinimum, double dataMaximum);

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

// The label of a tick of an axis with this step: the tick rounded to the step's last digit, in the
// general number text (exponent form from 1E+15 and below 1E-05), "0" for zero. Ticks a step apart
// get distinct labels while the axis spans no more than 15 digits.
std::string TickLabel(double value, double step);
// The step of algorithm B's ticks.
double StepOf(const AxisB& axis);

// Two-decimal scientific notation, "1.10E+02", whose parts the algorithms read.
std::string ScientificText(double value);

}  // namespace zoriduvo
