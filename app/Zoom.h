#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The sizes the player can choose for the game area, in percent of its own.
namespace Zoom {

constexpr std::array<int32_t, 7> STEPS{100, 125, 150, 175, 200, 250, 300};
constexpr int32_t NONE = STEPS.front();

// A stored value as a step: a whole number of percent gives the nearest step (the smaller of
// two as near), anything else 100.
int32_t FromStored(const QString& value);
// The step after or before one, or the same at the end of the steps.
int32_t Larger(int32_t step);
int32_t Smaller(int32_t step);
constexpr qreal Factor(int32_t step) {
    return step / 100.0;
}

} // namespace Zoom
