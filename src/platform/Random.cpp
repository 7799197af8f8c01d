#include "platform/Random.h"

#include <bit>
#include <chrono>

#include "platform/Clock.h"

namespace zoriduvo {

namespace {
std::uint64_t SplitMix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
}  // namespace

SeededRandom::SeededRandom(const Clock& clock) : clock_(clock) { seedBits(0); }

void SeededRandom::seedBits(std::uint64_t bits) {
    for (auto& word : state_) word = SplitMix(bits);
}

void SeededRandom::seed(double value) { seedBits(std::bit_cast<std::uint64_t>(value + 0.0)); }

void SeededRandom::seedFromTimer() {
    auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    seedBits(static_cast<std::uint64_t>(ticks) ^ (static_cast<std::uint64_t>(clock_.now()) << 20));
}

double SeededRandom::next() {
    const std::uint64_t result = std::rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = std::rotl(state_[3], 45);
    return static_cast<double>(result >> 11) * 0x1.0p-53;
}

}  // namespace zoriduvo
