#pragma once

#include "platform/Rect.h"

#include <QFont>
#include <QRegion>
#include <QRgb>
#include <QString>

#include <cstdint>

class QImage;

constexpr QRgb RGB(int r, int g, int b) {
    return qRgb(r, g, b);
}

// Brushes and pens are plain values: nothing to delete, they go with their scope.
class Brush {
public:
    explicit Brush(QRgb colour) : mColour(colour) {}
    QRgb Colour() const { return mColour; }

private:
    QRgb mColour;
};

class Pen {
public:
    Pen(QRgb colour, int32_t width) : mColour(colour), mWidth(width) {}
    QRgb Colour() const { return mColour; }
    int32_t Width() const { return mWidth; }

private:
    QRgb mColour;
    int32_t mWidth;
};

inline Brush CreateSolidBrush(QRgb colour) {
    return Brush(colour);
}

enum PenStyle : int32_t { PS_SOLID = 0 };
inline Pen CreatePen(PenStyle, int32_t width, QRgb colour) {
    return Pen(colour, width);
}

enum : uint32_t {
    BDR_RAISEDOUTER = 0x1,
    BDR_SUNKENOUTER = 0x2,
    BDR_RAISEDINNER = 0x4,
    BDR_SUNKENINNER = 0x8,
    EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER,
    EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
    EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER,
    BF_RECT = 0xF,
};

enum : uint32_t { DT_CENTER = 0x1, DT_VCENTER = 0x4, DT_SINGLELINE = 0x20 };
enum : uint32_t { SRCCOPY = 0x00CC0020 };

// A device context over an image, in the image's logical pixels. Every operation is
// pixel-exact and unsmoothed: fills and lines leave out their right and bottom edge and their
// end point, as the board's geometry expects.
class DeviceContext {
public:
    explicit DeviceContext(QImage& image);

    void FillRect(const RECT& rect, const Brush& brush);
    void DrawEdge(const RECT& rect, uint32_t edge, uint32_t flags);
    Pen SelectObject(const Pen& pen);
    void MoveToEx(int32_t x, int32_t y);
    void LineTo(int32_t x, int32_t y);
    void BitBlt(int32_t x, int32_t y, int32_t cx, int32_t cy, const DeviceContext& source,
                int32_t x1, int32_t y1, uint32_t rop);
    QRgb SetTextColor(QRgb colour);
    void SetFont(const QFont& font);
    void DrawText(const QString& text, const RECT& rect, uint32_t format);

    const QImage& Image() const { return mImage; }
    // What has been drawn on since the last call, in logical pixels: all a window need show
    // anew.
    QRegion TakeDrawn();

private:
    void Fill(int32_t x, int32_t y, int32_t width, int32_t height, QRgb colour);

    QImage& mImage;
    Pen mPen;
    POINT mCurrent;
    QRgb mTextColour;
    QFont mFont;
    QRegion mDrawn;
};
