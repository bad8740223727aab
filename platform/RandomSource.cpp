#include "platform/RandomSource.h"

#include <chrono>

ClockRandomSource::ClockRandomSource()
    : mGenerator(static_cast<uint64_t>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count())) {}

double ClockRandomSource::Rnd() {
    // The top 53 bits make a double in [0, 1) that can never round up to 1.
    return static_cast<double>(mGenerator() >> 11) * 0x1.0p-53;
}
