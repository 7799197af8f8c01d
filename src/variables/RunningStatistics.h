#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "variables/StatisticsTable.h"

namespace zoriduvo {

// The running figures of one variable, taken case by case in case order, in single precision.
struct RunningFigures {
    float maximum = 0, minimum = 0, total = 0, s = 0, k = 0;

    void add(float x) {
        if (k == 0) {
            maximum = minimum = total = x;
            k = 1;
            return;
        }
        total += x;
        k += 1;
        // The running sum of squared deviations without a second pass over the data.
        const float t = k * x - total;
        s += t * t / (k * (k - 1));
        maximum = std::max(maximum, x);
        minimum = std::min(minimum, x);
    }

    VariableStatistics result() const {
        VariableStatistics result;
        if (k == 0) return result;
        result.maximum = maximum;
        result.minimum = minimum;
        result.mean = total / k;
        result.standardDeviation = k < 2 ? 0.0f : std::sqrt(s / (k - 1));
        result.cases = static_cast<int>(k);
        return result;
    }
};

// Four variables side by side, each lane taking exactly the single operations RunningFigures::add
// takes, in the same order, so every figure is the same to the bit; four at a time.
class FourRunningFigures {
public:
    using Lanes = float __attribute__((vector_size(16)));
    using Mask = std::int32_t __attribute__((vector_size(16)));

    // Adds x's lanes where present is set (all ones); other lanes stay as they are.
    void add(Lanes x, Mask present) {
        if (started_ && AllSet(present)) {
            addToEveryLane(x);
            return;
        }
        const Mask first = present & (k_ == 0);
        const Mask later = present & ~first;
        const Lanes total = total_ + x;
        const Lanes k = k_ + 1;
        const Lanes t = k * x - total;
        const Lanes s = s_ + t * t / (k * (k - 1));
        // std::max(m, x) is m < x ? x : m, and std::min(m, x) is x < m ? x : m.
        const Lanes maximum = Select(maximum_ < x, x, maximum_);
        const Lanes minimum = Select(x < minimum_, x, minimum_);
        total_ = Select(later, total, Select(first, x, total_));
        k_ = Select(later, k, Select(first, Lanes{} + 1, k_));
        s_ = Select(later, s, s_);
        maximum_ = Select(later, maximum, Select(first, x, maximum_));
        minimum_ = Select(later, minimum, Select(first, x, minimum_));
        started_ = AllSet(k_ != 0);
    }

    RunningFigures lane(int i) const { return {maximum_[i], minimum_[i], total_[i], s_[i], k_[i]}; }

private:
    // The same operations where every lane has had a value before: no lane takes its first.
    void addToEveryLane(Lanes x) {
        total_ += x;
        k_ += 1;
        const Lanes t = k_ * x - total_;
        s_ += t * t / (k_ * (k_ - 1));
        maximum_ = maximum_ < x ? x : maximum_;
        minimum_ = x < minimum_ ? x : minimum_;
    }
    static bool AllSet(Mask m) { return (m[0] & m[1] & m[2] & m[3]) == -1; }
    static Lanes Select(Mask where, Lanes a, Lanes b) {
        return reinterpret_cast<Lanes>((where & reinterpret_cast<Mask>(a)) | (~where & reinterpret_cast<Mask>(b)));
    }

    Lanes maximum_{}, minimum_{}, total_{}, s_{}, k_{};
    bool started_ = false;  // every lane has had a value
};

}  // namespace zoriduvo
