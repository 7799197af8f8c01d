#pragma once
#include <cstdint>

namespace zoriduvo {

class Clock;

// The program's uniform generator, used by the random-number fill and the transformation functions.
class Random {
public:
    virtual ~Random() = default;
    // Uniform in [0, 1).
    virtual double next() = 0;
    virtual void seed(double value) = 0;
    virtual void seedFromTimer() = 0;
};

// One deterministic generator for the program and the command line, so that the same seed gives
// the same values in both (a xoshiro256** stream seeded through splitmix64).
class SeededRandom : public Random {
public:
    explicit SeededRandom(const Clock& clock);
    double next() override;
    void seed(double value) override;
    void seedFromTimer() override;

private:
    void seedBits(std::uint64_t bits);
    const Clock& clock_;
    std::uint64_t state_[4]{};
};

}  // namespace zoriduvo
