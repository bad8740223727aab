#pragma once

#include <array>
#include <cstdint>

// An ordered list of at most 100 cell indices; slots never written hold 0.
class clsPath {
public:
    static constexpr int32_t CAPACITY = 100;

    int32_t Count() const { return mlngCount; }
    void setPosition(int32_t lngPosition) { mlngPosition = lngPosition; }
    int32_t Position() const { return mlngPosition; }
    bool Add(int32_t lngValue);
    bool IsInPath(int32_t lngValue) const;
    int32_t GetPoint(int32_t lngPoint) const;
    void Clear();

private:
    std::array<int32_t, CAPACITY> mlngPoints{};
    int32_t mlngCount = 0;
    int32_t mlngPosition = 0;
};
