#pragma once

#include "board/BoardGeometry.h"
#include "platform/Rect.h"
#include "platform/Twips.h"
#include "platform/WindowSurface.h"

#include <QPointF>
#include <QRect>
#include <QSize>

#include <cmath>
#include <cstdint>

// The main window's client area around the board's cells: its size, the window's own unit, and
// the side panel with its parts and the labels above them, in pixels of the client area.
// Drawing, hit testing, the window's size and what screen readers are told all read it here.

// 6945 × 5085 twips.
constexpr int32_t CLIENT_TWIPS_DOWN = 5085;
constexpr int32_t CLIENT_WIDTH = Twips(6945);
constexpr int32_t CLIENT_HEIGHT = Twips(CLIENT_TWIPS_DOWN);
// The window's own unit is 15.258605 twips across and 15.352937 down. The window reports its
// height in it, and places its labels in it.
constexpr float TWIPS_PER_UNIT_ACROSS = 15.258605f;
constexpr float TWIPS_PER_UNIT_DOWN = 15.352937f;
constexpr float CLIENT_SCALE_HEIGHT = CLIENT_TWIPS_DOWN / TWIPS_PER_UNIT_DOWN;
constexpr SurfaceShape CLIENT_SURFACE{CLIENT_WIDTH, CLIENT_HEIGHT, CLIENT_SCALE_HEIGHT};

// The side panel right of the board and, on it, the preview of the next colours.
constexpr RECT SIDE_PANEL{BOARD_AREA.right, 0, 464, BOARD_AREA.bottom};
constexpr RECT PREVIEW_BOX{345, 20, 458, 60};
constexpr POINT NextColourAt(int32_t k) {
    return POINT{350 + 35 * k, 25};
}

// The two score displays stand at the foot of the panel, placed from the window's height in
// its own units, each edge rounded to the nearest pixel (a half to the even one).
inline RECT ScoreBox(bool blnBest, float sngScaleHeight) {
    const auto edge = [sngScaleHeight](float up) {
        return static_cast<int32_t>(std::nearbyint(sngScaleHeight - up));
    };
    return blnBest ? RECT{345, edge(20), 458, edge(0)} : RECT{345, edge(70), 458, edge(50)};
}

// The parts of the area in reading order: the board, then the side panel's from the top.
enum class AreaPart { Board, NextColours, YourScore, HighScore };
constexpr int AREA_PARTS = 4;

// Where a part stands: the board's area, or its box on the panel.
inline RECT PartBox(AreaPart part) {
    switch (part) {
    case AreaPart::NextColours:
        return PREVIEW_BOX;
    case AreaPart::YourScore:
        return ScoreBox(false, CLIENT_SCALE_HEIGHT);
    case AreaPart::HighScore:
        return ScoreBox(true, CLIENT_SCALE_HEIGHT);
    case AreaPart::Board:
        break;
    }
    return BOARD_AREA;
}

// The top-left corner of the label above a part of the panel, placed in the window's unit:
// 340 across, and 5 down, or 95 and 45 up from the foot for the two scores.
inline QPointF LabelCorner(AreaPart part) {
    const float top = part == AreaPart::NextColours ? 5.0f
                      : part == AreaPart::YourScore ? CLIENT_SCALE_HEIGHT - 95.0f
                                                    : CLIENT_SCALE_HEIGHT - 45.0f;
    return QPointF(340.0f * TWIPS_PER_UNIT_ACROSS / TWIPS_PER_PIXEL,
                   top * TWIPS_PER_UNIT_DOWN / TWIPS_PER_PIXEL);
}

// The area's size in logical pixels when it is zoomed, on a screen of a device pixel ratio. At
// 100% its own. Larger, it covers every device pixel of its picture drawn at zoom × ratio, with
// a device row to spare below, so that however Qt rounds the area's top edge the last row shows.
inline QSize AreaSize(qreal zoom, qreal ratio) {
    if (zoom <= 1.0) {
        return QSize(CLIENT_WIDTH, CLIENT_HEIGHT);
    }
    const auto cover = [ratio](double device) {
        return static_cast<int>(std::ceil(device / ratio - 1e-9));
    };
    return QSize(cover(qRound(CLIENT_WIDTH * zoom * ratio)),
                 cover(qRound(CLIENT_HEIGHT * zoom * ratio) + 1));
}

// A rectangle of the area at a ratio: a zoom, or a zoom times the screen's ratio for device
// pixels. Each edge goes to the first pixel at or after it, as the surface's own fills place it.
inline QRect Zoomed(const RECT& rect, qreal ratio) {
    const auto at = [ratio](int32_t edge) {
        return static_cast<int>(std::ceil(edge * ratio - 0.5));
    };
    return QRect(QPoint(at(rect.left), at(rect.top)),
                 QPoint(at(rect.right) - 1, at(rect.bottom) - 1));
}
