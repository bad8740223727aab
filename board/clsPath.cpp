#include "board/clsPath.h"

#include <cstddef>

bool clsPath::Add(int32_t lngValue) {
    if (mlngCount >= CAPACITY) {
        return false;
    }
    mlngPoints[static_cast<std::size_t>(mlngCount)] = lngValue;
    ++mlngCount;
    mlngPosition = mlngCount;
    return true;
}

bool clsPath::IsInPath(int32_t lngValue) const {
    // Cell indices are never 0, so the first 0 marks the end of what was added.
    for (const int32_t point : mlngPoints) {
        if (point == 0) {
            return false;
        }
        if (point == lngValue) {
            return true;
        }
    }
    return false;
}

int32_t clsPath::GetPoint(int32_t lngPoint) const {
    if (lngPoint < 1 || lngPoint > CAPACITY) {
        return -1;
    }
    return mlngPoints[static_cast<std::size_t>(lngPoint - 1)];
}

void clsPath::Clear() {
    mlngPoints.fill(0);
    mlngCount = 0;
    mlngPosition = 0;
}
