#include "transform/RangeTables.h"

#include <algorithm>
#include <cmath>

#include "transform/WorkingCopy.h"

namespace zoriduvo {

std::vector<int> GroupNumbers(const std::vector<int>& groupSizes, const CaseRange& range) {
    std::vector<int> groups(CasesIn(range), 1);
    if (groupSizes.empty()) return groups;
    const int last = static_cast<int>(groupSizes.size());
    int g = 1;
    long long total = groupSizes[0];
    for (int c = range.first; c <= range.last; ++c) {
        while (total < c && g < last) total += groupSizes[g++];
        groups[c - range.first] = g;
    }
    return groups;
}

std::vector<float> RankValues(const std::vector<float>& values, const std::vector<std::uint8_t>& valid) {
    std::vector<int> order;
    for (std::size_t i = 0; i < values.size(); ++i)
        if (valid[i]) order.push_back(static_cast<int>(i));
    std::sort(order.begin(), order.end(), [&](int a, int b) { return values[a] < values[b]; });
    std::vector<float> ranks(values.size(), 0.0f);
    for (std::size_t i = 0; i < order.size();) {
        std::size_t j = i;
        while (j + 1 < order.size() && values[order[j + 1]] == values[order[i]]) ++j;
        const float rank = static_cast<float>(i + 1 + j + 1) / 2.0f;
        for (std::size_t k = i; k <= j; ++k) ranks[order[k]] = rank;
        i = j + 1;
    }
    return ranks;
}

MeanAndDeviation ComputeMeanAndDeviation(const std::vector<float>& values, const std::vector<std::uint8_t>& valid) {
    float total = 0, s = 0;
    int k = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!valid[i]) continue;
        const float x = values[i];
        if (k == 0) {
            total = x;
            k = 1;
            continue;
        }
        total += x;
        ++k;
        const float fk = static_cast<float>(k);
        const float t = fk * x - total;
        s += t * t / (fk * (fk - 1.0f));
    }
    MeanAndDeviation result;
    result.count = k;
    if (k == 0) return result;
    result.mean = total / static_cast<float>(k);
    result.deviation = k < 2 ? 0.0f : std::sqrt(s / static_cast<float>(k - 1));
    return result;
}

}  // namespace zoriduvo
