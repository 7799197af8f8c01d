#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "variables/StatisticsTable.h"

namespace zoriduvo {

// The running figures of one variable, taken case by case in case order. The values are singles;
// the sums are doubles and only the results are rounded to singles, so that a column of real size
// keeps every digit a single shows. The total of a column's singles is exact in a double while
// their magnitudes lie within a factor of about 16000 of each other, and otherwise off by far less
// than a single's last place, so the order of the cases changes no shown figure.
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
// in the same order, so every figure is the same to the bit; four at a time. The sums go as two
// pairs of doubles (the vectors the machine has: wider ones would be taken apart lane by lane);
// maximum and minimum, singles whatever the sums, stay four singles wide.
class FourRunningFigures {
public:
    using Singles = float __attribute__((vector_size(16)));
    using Mask = std::int32_t __attribute__((vector_size(16)));
    using Doubles = double __attribute__((vector_size(16)));

    // Adds four values to the four lanes, given as doubles within the single range: each lane takes
    // its value narrowed to a single.
    void addEvery(Doubles low, Doubles high) {
        using HalfSingles = float __attribute__((vector_size(8)));
        const HalfSingles a = __builtin_convertvector(low, HalfSingles), b = __builtin_convertvector(high, HalfSingles);
        if (!started_) return add(Singles{a[0], a[1], b[0], b[1]}, ~Mask{});
        low_.addToBoth(__builtin_convertvector(a, Doubles));
        high_.addToBoth(__builtin_convertvector(b, Doubles));
        const Singles x{a[0], a[1], b[0], b[1]};
        // std::max(m, x) is m < x ? x : m, and std::min(m, x) is x < m ? x : m.
        maximum_ = Select(maximum_ < x, x, maximum_);
        minimum_ = Select(x < minimum_, x, minimum_);
    }

    // Adds the values' lanes where present is set (all ones); other lanes stay as they are.
    void add(Singles x, Mask present) {
        const Mask none = {-(low_.k[0] == 0), -(low_.k[1] == 0), -(high_.k[0] == 0), -(high_.k[1] == 0)};
        const Mask first = present & none;
        const Mask later = present & ~first;
        low_.add(Doubles{x[0], x[1]}, Pair::Present{later[0], later[1]}, Pair::Present{first[0], first[1]});
        high_.add(Doubles{x[2], x[3]}, Pair::Present{later[2], later[3]}, Pair::Present{first[2], first[3]});
        maximum_ = Select(later, Select(maximum_ < x, x, maximum_), Select(first, x, maximum_));
        minimum_ = Select(later, Select(x < minimum_, x, minimum_), Select(first, x, minimum_));
        started_ = low_.k[0] != 0 && low_.k[1] != 0 && high_.k[0] != 0 && high_.k[1] != 0;
    }

    RunningFigures lane(int i) const {
        const Pair& pair = i < 2 ? low_ : high_;
        return {maximum_[i], minimum_[i], pair.total[i % 2], pair.s[i % 2], pair.k[i % 2]};
    }

private:
    // The sums of two lanes.
    struct Pair {
        using Present = std::int64_t __attribute__((vector_size(16)));

        void addToBoth(Doubles x) {
            total += x;
            k += 1;
            const Doubles t = k * x - total;
            s += t * t / (k * (k - 1));
        }
        // Lanes in later take x as a later value, lanes in first as their first.
        void add(Doubles x, Present later, Present first) {
            const Doubles nextTotal = total + x, nextK = k + 1;
            const Doubles t = nextK * x - nextTotal;
            const Doubles nextS = s + t * t / (nextK * (nextK - 1));
            total = Select(later, nextTotal, Select(first, x, total));
            k = Select(later, nextK, Select(first, Doubles{} + 1, k));
            s = Select(later, nextS, s);
        }

        Doubles total{}, s{}, k{};
    };

    template <typename Lanes, typename Where>
    static Lanes Select(Where where, Lanes a, Lanes b) {
        return reinterpret_cast<Lanes>((where & reinterpret_cast<Where>(a)) | (~where & reinterpret_cast<Where>(b)));
    }

    Pair low_, high_;
    Singles maximum_{}, minimum_{};
    bool started_ = false;  // every lane has had a value
};

}  // namespace zoriduvo
