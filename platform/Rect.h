#pragma once

#include <cstdint>

// A rectangle in pixels; right and bottom are one past the last pixel inside it.
struct RECT {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool operator==(const RECT&) const = default;
};

struct POINT {
    int32_t x = 0;
    int32_t y = 0;
};

inline void SetRect(RECT& rect, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    rect = RECT{left, top, right, bottom};
}

inline bool PtInRect(const RECT& rect, POINT point) {
    return rect.left <= point.x && point.x < rect.right && rect.top <= point.y &&
           point.y < rect.bottom;
}
