#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "variables/StatisticsTable.h"

namespace zoriduvo {

// The running figures of one variable, taken case by case in case order. The values are singles;
// the sums are doubles, so that a column of real size keeps every digit a single shows (a total of
// singles of one column is exact in a double, whatever the order of its cases) and only the
// results are rounded to singles.
struct RunningFigures {
    double maximum = 0, minimum = 0, total = 0, s = 0, k = 0;

    void add(float value) {
        const double x = value;
        if (k == 0) {
            maximum = minimum = total = x;
            k = 1;
            return;
        }
        total += x;
        k += 1;
        // The running sum of squared deviations without a second pass over the data.
        const double t = k * x - total;
        s += t * t / (k * (k - 1));
        maximum = std::max(maximum, x);
        minimum = std::min(minimum, x);
    }

    VariableStatistics result() const {
        VariableStatistics result;
        if (k == 0) return result;
        result.maximum = static_cast<float>(maximum);
        result.minimum = static_cast<float>(minimum);
        result.mean = static_cast<float>(total / k);
        result.standardDeviation = k < 2 ? 0.0f : static_cast<float>(std::sqrt(s / (k - 1)));
        result.cases = static_cast<int>(k);
        return result;
    }
};

// Four variables side by side, each lane taking exactly the operations RunningFigures::add takes,
// in the same order, so every figure is the same to the bit; four at a time.
class FourRunningFigures {
public:
    using Singles = float __attribute__((vector_size(16)));
    using Mask = std::int32_t __attribute__((vector_size(16)));

    // Adds the values' lanes where present is set (all ones); other lanes stay as they are.
    void add(Singles values, Mask presentLanes) {
        const Lanes x = __builtin_convertvector(values, Lanes);
        const WideMask present = __builtin_convertvector(presentLanes, WideMask);
        if (started_ && AllSet(present)) {
            addToEveryLane(x);
            return;
        }
        const WideMask first = present & (k_ == 0);
        const WideMask later = present & ~first;
        const Lanes total = total_ + x;
        const Lanes k = k_ + 1;
        const Lanes t = k * x - total;
        const Lanes s = s_ + t * t / (k * (k - 1));
        // std::max(m, x) is m < x ? x : m, and std::min(m, x) is x < m ? x : m.
        const Lanes maximum = maximum_ < x ? x : maximum_;
        const Lanes minimum = x < minimum_ ? x : minimum_;
        total_ = later ? total : first ? x : total_;
        k_ = later ? k : first ? Lanes{} + 1 : k_;
        s_ = later ? s : s_;
        maximum_ = later ? maximum : first ? x : maximum_;
        minimum_ = later ? minimum : first ? x : minimum_;
        started_ = AllSet(k_ != 0);
    }

    RunningFigures lane(int i) const { return {maximum_[i], minimum_[i], total_[i], s_[i], k_[i]}; }

private:
    using Lanes = double __attribute__((vector_size(32)));
    using WideMask = std::int64_t __attribute__((vector_size(32)));

    // The same operations where every lane has had a value before: no lane takes its first.
    // Vectors of 32 bytes go by reference: by value, their calling convention would differ with AVX.
    void addToEveryLane(const Lanes& x) {
        total_ += x;
        k_ += 1;
        const Lanes t = k_ * x - total_;
        s_ += t * t / (k_ * (k_ - 1));
        maximum_ = maximum_ < x ? x : maximum_;
        minimum_ = x < minimum_ ? x : minimum_;
    }
    static bool AllSet(const WideMask& m) { return (m[0] & m[1] & m[2] & m[3]) == -1; }

    Lanes maximum_{}, minimum_{}, total_{}, s_{}, k_{};
    bool started_ = false;  // every lane has had a value
};

}  // namespace zoriduvo
