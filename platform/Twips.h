#pragma once

// Layouts are given in twips, 15 to the pixel at 96 dots per inch.
constexpr int TWIPS_PER_PIXEL = 15;

constexpr int Twips(int twips) {
    return twips / TWIPS_PER_PIXEL;
}
