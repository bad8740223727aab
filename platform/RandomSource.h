#pragma once

#include <cstdint>
#include <random>

// Fractions in [0, 1), each draw uniform.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double Rnd() = 0;
};

// Seeded once from the clock: reseeding before every draw would repeat draws while the clock
// stands still.
class ClockRandomSource : public RandomSource {
public:
    ClockRandomSource();
    explicit ClockRandomSource(uint64_t seed) : mGenerator(seed) {}
    double Rnd() override;

private:
    std::mt19937_64 mGenerator;
};
