// Makes the game's sounds and icons at build time: orbet_assets SOUND_FOLDER ICON_FOLDER.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

#include "platform/PieceImages.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

constexpr int kRate = 22050;

// One note: a sine with a little of its octave, a 5 ms rise and an exponential fall.
struct Note {
    double start;  // seconds
    double length; // seconds
    double pitch;  // hertz, gliding linearly to glideTo over the note
    double glideTo;
    double loudness; // 0 to 1
};

std::vector<int16_t> Render(const std::vector<Note>& notes) {
    double end = 0;
    for (const Note& n : notes) {
        end = std::max(end, n.start + n.length);
    }
    std::vector<double> mix(static_cast<size_t>(end * kRate) + 1, 0.0);
    for (const Note& n : notes) {
        double phase = 0;
        const auto first = static_cast<size_t>(n.start * kRate);
        const auto count = static_cast<size_t>(n.length * kRate);
        for (size_t i = 0; i < count && first + i < mix.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double pitch = n.pitch + (n.glideTo - n.pitch) * t / n.length;
            phase += 2 * std::numbers::pi * pitch / kRate;
            const double rise = std::min(1.0, t / 0.005);
            const double fall = std::exp(-5.0 * t / n.length);
            const double tail = std::min(1.0, (n.length - t) / 0.01); // no click at the end
            const double wave = std::sin(phase) + 0.25 * std::sin(2 * phase);
            mix[first + i] += n.loudness * rise * fall * tail * wave;
        }
    }
    std::vector<int16_t> samples(mix.size());
    for (size_t i = 0; i < mix.size(); ++i) {
        samples[i] = static_cast<int16_t>(std::clamp(mix[i], -1.0, 1.0) * 26000);
    }
    return samples;
}

template <typename T> void Put(QByteArray& out, T value) {
    for (size_t i = 0; i < sizeof(T); ++i) {
        out.append(static_cast<char>((static_cast<uint64_t>(value) >> (8 * i)) & 0xFF));
    }
}

bool WriteWave(const QString& path, const std::vector<int16_t>& samples) {
    const auto data = static_cast<uint32_t>(samples.size() * 2);
    QByteArray out;
    out.append("RIFF");
    Put<uint32_t>(out, 36 + data);
    out.append("WAVEfmt ");
    Put<uint32_t>(out, 16);
    Put<uint16_t>(out, 1); // PCM
    Put<uint16_t>(out, 1); // mono
    Put<uint32_t>(out, kRate);
    Put<uint32_t>(out, kRate * 2);
    Put<uint16_t>(out, 2);
    Put<uint16_t>(out, 16);
    out.append("data");
    Put<uint32_t>(out, data);
    for (int16_t s : samples) {
        Put<uint16_t>(out, static_cast<uint16_t>(s));
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

// The sixteen colours of the classic palette.
const QList<QRgb> kSixteen{
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

// A 3 × 3 grid of grey cells on black, four of them holding a coloured ball, in the sixteen
// classic colours: for the small sizes, where detail would be lost.
QImage DrawSmallIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const double unit = size / 32.0;
    painter.fillRect(QRectF(1 * unit, 1 * unit, 30 * unit, 30 * unit), QColor(0, 0, 0));
    const QColor balls[3][3] = {
        {QColor(255, 0, 0), QColor(), QColor(0, 0, 255)},
        {QColor(), QColor(255, 255, 0), QColor()},
        {QColor(0, 255, 0), QColor(), QColor()},
    };
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRectF cell((2 + col * 10) * unit, (2 + row * 10) * unit, 8 * unit, 8 * unit);
            painter.fillRect(cell, QColor(128, 128, 128));
            painter.fillRect(cell.adjusted(unit, unit, 0, 0), QColor(192, 192, 192));
            const QColor ball = balls[row][col];
            if (ball.isValid()) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(ball);
                painter.drawEllipse(cell.adjusted(unit, unit, -unit, -unit));
                painter.setBrush(QColor(255, 255, 255));
                const QPointF shine = cell.topLeft() + QPointF(3 * unit, 3 * unit);
                painter.drawEllipse(shine, 0.8 * unit, 0.8 * unit);
            }
        }
    }
    painter.end();
    return image.convertToFormat(QImage::Format_Indexed8, kSixteen, Qt::ThresholdDither);
}

// A corner of the board as the game draws it: black cells, grey grid lines between them, and
// four of the game's own shaded balls, drawn afresh at the icon's resolution.
QImage DrawLargeIcon(int size) {
    constexpr int kCells = 3;
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const double margin = size / 32.0;
    const double pitch = (size - 2 * margin) / kCells;
    const double gap = pitch * 4 / 34; // the game's 4-pixel gap beside its 30-pixel cells
    painter.fillRect(QRectF(margin, margin, size - 2 * margin, size - 2 * margin), Qt::black);
    painter.setPen(QPen(QColor(190, 190, 190), std::max(1.0, pitch / 34)));
    for (int i = 1; i < kCells; ++i) {
        const double at = margin + i * pitch;
        painter.drawLine(QPointF(at, margin), QPointF(at, size - margin));
        painter.drawLine(QPointF(margin, at), QPointF(size - margin, at));
    }
    const int balls[kCells][kCells] = {{0, -1, 1}, {-1, 3, -1}, {2, -1, 5}};
    const double ball = pitch - gap;
    for (int row = 0; row < kCells; ++row) {
        for (int col = 0; col < kCells; ++col) {
            if (balls[row][col] < 0) {
                continue;
            }
            QImage piece = DrawPieceImage(balls[row][col], false, ball / PIECE_SIZE);
            piece.setDevicePixelRatio(1.0);
            painter.drawImage(
                QPointF(margin + col * pitch + gap / 2, margin + row * pitch + gap / 2), piece);
        }
    }
    return image;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: orbet_assets SOUND_FOLDER ICON_FOLDER\n");
        return 2;
    }
    const QString sounds = QString::fromLocal8Bit(argv[1]);
    const QString icons = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(sounds);
    QDir().mkpath(icons);

    bool ok = true;
    // A short bright tick when a ball is picked up.
    ok &= WriteWave(sounds + "/select.wav", Render({{0, 0.07, 1320, 1320, 0.5}}));
    // A soft falling drop as new balls arrive.
    ok &= WriteWave(sounds + "/add.wav",
                    Render({{0, 0.12, 660, 440, 0.45}, {0.06, 0.12, 550, 370, 0.3}}));
    // A rising chime when a line vanishes.
    ok &= WriteWave(sounds + "/remove.wav", Render({{0, 0.12, 784, 784, 0.35},
                                                    {0.07, 0.12, 988, 988, 0.35},
                                                    {0.14, 0.12, 1175, 1175, 0.35},
                                                    {0.21, 0.35, 1568, 1568, 0.35}}));
    // A slow falling phrase when the board is full.
    ok &= WriteWave(sounds + "/end.wav", Render({{0, 0.3, 523, 523, 0.4},
                                                 {0.25, 0.3, 415, 415, 0.4},
                                                 {0.5, 0.3, 349, 349, 0.4},
                                                 {0.75, 0.8, 262, 262, 0.45}}));
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon = size <= 32 ? DrawSmallIcon(size) : DrawLargeIcon(size);
        ok &= icon.save(QStringLiteral("%1/orbet-%2.png").arg(icons).arg(size));
    }
    return ok ? 0 : 1;
}
