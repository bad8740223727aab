#include "platform/DeviceContext.h"
#include "platform/PieceImages.h"

#include <QColor>
#include <QList>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <set>

namespace {

double Luma(QRgb c) {
    return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
}

bool IsWebSafe(QRgb c) {
    return qRed(c) % 51 == 0 && qGreen(c) % 51 == 0 && qBlue(c) % 51 == 0;
}

const QList<qreal> kRatios{1.0, 1.25, 1.5, 1.75, 2.0};
const QStringList kColours{QStringLiteral("red"),   QStringLiteral("blue"),
                           QStringLiteral("green"), QStringLiteral("yellow"),
                           QStringLiteral("cyan"),  QStringLiteral("magenta"),
                           QStringLiteral("orange")};

// Where shapes change a piece image: the glyph, drawn in one ink that none of the ball's own
// tones has, and the pixels around it that took another tone of the ball.
struct GlyphPixels {
    QList<QPoint> glyph;
    std::set<QRgb> inks;
    QList<QPoint> retoned;
};

GlyphPixels Compare(int colour, bool onWhite, qreal ratio) {
    const QImage plain = DrawPieceImage(colour, onWhite, ratio);
    const QImage shaped = DrawPieceImage(colour, onWhite, ratio, true);
    const QImage other = DrawPieceImage(colour, !onWhite, ratio);
    std::set<QRgb> tones; // of the ball: the same whatever its background
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (plain.pixel(x, y) == other.pixel(x, y)) {
                tones.insert(plain.pixel(x, y));
            }
        }
    }
    GlyphPixels changed;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            const QRgb now = shaped.pixel(x, y);
            if (now == plain.pixel(x, y)) {
                continue;
            }
            if (tones.count(now) == 0) {
                changed.glyph << QPoint(x, y);
                changed.inks.insert(now);
            } else {
                changed.retoned << QPoint(x, y);
            }
        }
    }
    return changed;
}

QList<QPoint> GlyphOf(int colour, qreal ratio) {
    return Compare(colour, false, ratio).glyph;
}

QRect Bounds(const QList<QPoint>& pixels) {
    QRect box;
    for (QPoint p : pixels) {
        box = box.united(QRect(p, QSize(1, 1)));
    }
    return box;
}

bool Touches(const QList<QPoint>& pixels, QPoint p) {
    return std::any_of(pixels.begin(), pixels.end(), [p](QPoint q) {
        return std::abs(q.x() - p.x()) <= 1 && std::abs(q.y() - p.y()) <= 1;
    });
}

// A glyph's outline whatever its size, turned by an angle: its pixels sampled on a square grid
// laid over the square around the turned glyph, so a smaller or larger copy of an outline gives
// the same cells.
constexpr int kCells = 16;
using Outline = std::array<std::array<bool, kCells>, kCells>;

Outline OutlineOf(const QList<QPoint>& pixels, double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    double left = 1e9;
    double top = 1e9;
    double right = -1e9;
    double bottom = -1e9;
    for (QPoint p : pixels) {
        const double x = (p.x() + 0.5) * c - (p.y() + 0.5) * s;
        const double y = (p.x() + 0.5) * s + (p.y() + 0.5) * c;
        left = std::min(left, x - 0.5);
        right = std::max(right, x + 0.5);
        top = std::min(top, y - 0.5);
        bottom = std::max(bottom, y + 0.5);
    }
    const double side = std::max(right - left, bottom - top);
    left = (left + right - side) / 2;
    top = (top + bottom - side) / 2;
    Outline outline{};
    for (int j = 0; j < kCells; ++j) {
        for (int i = 0; i < kCells; ++i) {
            const double x = left + (i + 0.5) * side / kCells;
            const double y = top + (j + 0.5) * side / kCells;
            const QPoint turnedBack(static_cast<int>(std::floor(x * c + y * s)),
                                    static_cast<int>(std::floor(y * c - x * s)));
            outline[static_cast<size_t>(j)][static_cast<size_t>(i)] = pixels.contains(turnedBack);
        }
    }
    return outline;
}

// The share of cells, among those either outline covers, that only one of them covers, for
// the second outline turned by quarter turns and mirrored in whichever way brings it closest.
double Unlikeness(const Outline& a, const Outline& b) {
    double closest = 1.0;
    for (int turn = 0; turn < 8; ++turn) {
        int either = 0;
        int one = 0;
        for (int j = 0; j < kCells; ++j) {
            for (int i = 0; i < kCells; ++i) {
                int x = (turn & 1) != 0 ? kCells - 1 - i : i;
                int y = (turn & 2) != 0 ? kCells - 1 - j : j;
                if ((turn & 4) != 0) {
                    std::swap(x, y);
                }
                const bool inA = a[static_cast<size_t>(j)][static_cast<size_t>(i)];
                const bool inB = b[static_cast<size_t>(y)][static_cast<size_t>(x)];
                either += inA || inB;
                one += inA != inB;
            }
        }
        closest = std::min(closest, static_cast<double>(one) / either);
    }
    return closest;
}

// Colour in linear light, each component 0 to 1.
using Linear = std::array<double, 3>;
using Matrix = std::array<Linear, 3>;

Linear ToLinear(QRgb c) {
    const auto component = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return {component(qRed(c)), component(qGreen(c)), component(qBlue(c))};
}

// Colours as people without one kind of cone see them: Machado, Oliveira and Fernandes (2009)
// at full severity. The matrices model the light that reaches the cones, so they act on linear
// light (not on the gamma-encoded values); results outside the display's range are clipped.
const Matrix kNormalVision{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
const Matrix kDeuteranopia{{{0.367322, 0.860646, -0.227968},
                            {0.280085, 0.672501, 0.047413},
                            {-0.011820, 0.042940, 0.968881}}};
const Matrix kProtanopia{{{0.152286, 1.052583, -0.204868},
                          {0.114503, 0.786281, 0.099216},
                          {-0.003882, -0.048116, 1.051998}}};
const Matrix kTritanopia{{{1.255528, -0.076749, -0.178779},
                          {-0.078411, 0.930809, 0.147602},
                          {0.004733, 0.691367, 0.303900}}};

// Relative luminance of a colour as seen through a vision, and the contrast of two of them.
double Luminance(QRgb c, const Matrix& vision) {
    const Linear l = ToLinear(c);
    const Linear weights{0.2126, 0.7152, 0.0722};
    double y = 0;
    for (size_t row = 0; row < 3; ++row) {
        const double seen = vision[row][0] * l[0] + vision[row][1] * l[1] + vision[row][2] * l[2];
        y += weights[row] * std::clamp(seen, 0.0, 1.0);
    }
    return y;
}

double Contrast(QRgb a, QRgb b, const Matrix& vision) {
    const double la = Luminance(a, vision);
    const double lb = Luminance(b, vision);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

Q_DECLARE_METATYPE(Matrix)

class TestPieceImages : public QObject {
    Q_OBJECT

private slots:
    void ballsAreWellFormed_data() {
        QTest::addColumn<int>("colour");
        QTest::addColumn<QRgb>("dark");
        QTest::addColumn<QRgb>("main");
        QTest::addColumn<QRgb>("highlight");
        QTest::newRow("red") << 0 << RGB(102, 0, 0) << RGB(153, 0, 0) << RGB(255, 0, 0);
        QTest::newRow("blue") << 1 << RGB(0, 0, 102) << RGB(0, 0, 153) << RGB(0, 0, 204);
        QTest::newRow("green") << 2 << RGB(0, 51, 0) << RGB(0, 102, 0) << RGB(0, 153, 0);
        QTest::newRow("yellow") << 3 << RGB(153, 102, 0) << RGB(204, 153, 0) << RGB(255, 255, 51);
        QTest::newRow("cyan") << 4 << RGB(0, 102, 102) << RGB(0, 153, 153) << RGB(0, 153, 204);
        QTest::newRow("magenta") << 5 << RGB(102, 0, 102) << RGB(153, 0, 153) << RGB(255, 51, 255);
        QTest::newRow("orange") << 6 << RGB(102, 51, 0) << RGB(153, 51, 0) << RGB(255, 102, 0);
    }
    void ballsAreWellFormed() {
        QFETCH(int, colour);
        QFETCH(QRgb, dark);
        QFETCH(QRgb, main);
        QFETCH(QRgb, highlight);
        const QImage onBlack = DrawPieceImage(colour, false);
        const QImage onWhite = DrawPieceImage(colour, true);
        QCOMPARE(onBlack.size(), QSize(PIECE_SIZE, PIECE_SIZE));
        QCOMPARE(onWhite.size(), QSize(PIECE_SIZE, PIECE_SIZE));

        // A ball pixel is the same on both backgrounds; the rest is black on one, white on
        // the other.
        auto isBall = [&](QPoint p) { return onBlack.pixel(p) == onWhite.pixel(p); };
        for (QPoint corner : {QPoint(0, 0), QPoint(29, 0), QPoint(0, 29), QPoint(29, 29)}) {
            QCOMPARE(onBlack.pixel(corner), RGB(0, 0, 0));
            QCOMPARE(onWhite.pixel(corner), RGB(255, 255, 255));
        }
        for (QPoint middle : {QPoint(15, 0), QPoint(0, 15), QPoint(29, 14), QPoint(14, 29)}) {
            QVERIFY2(isBall(middle), "the ball does not reach the middle of a side");
        }

        std::map<QRgb, int> tones; // tone, pixels
        for (int y = 0; y < PIECE_SIZE; ++y) {
            for (int x = 0; x < PIECE_SIZE; ++x) {
                const QRgb black = onBlack.pixel(x, y);
                QVERIFY(IsWebSafe(black));
                if (isBall(QPoint(x, y))) {
                    ++tones[black];
                } else {
                    QCOMPARE(black, RGB(0, 0, 0));
                    QCOMPARE(onWhite.pixel(x, y), RGB(255, 255, 255));
                }
            }
        }
        QVERIFY2(tones[main] > 100 && tones[dark] > 20, "the main tones should carry the ball");
        QVERIFY2(tones[highlight] > 0, "the highlight is missing");
        QVERIFY2(tones.size() >= 4, "a shaded ball needs several tones");
        for (const auto& [tone, pixels] : tones) {
            QVERIFY2(tone == highlight || Luma(tone) < Luma(highlight),
                     "a tone outshines the highlight");
        }
        // The outline is darker than every tone of the body.
        QVERIFY(Luma(onWhite.pixel(15, 0)) < Luma(dark));

        // Lit from the upper left: the upper-left quarter is brighter than the lower right.
        QVERIFY(Luma(onBlack.pixel(10, 10)) > Luma(onBlack.pixel(21, 21)));
    }

    void glyphsSitCrisplyInTheMiddle_data() {
        QTest::addColumn<qreal>("ratio");
        for (qreal ratio : kRatios) {
            QTest::addRow("ratio %.2f", ratio) << ratio;
        }
    }
    void glyphsSitCrisplyInTheMiddle() {
        QFETCH(qreal, ratio);
        for (int colour = 0; colour < PIECE_COLOURS; ++colour) {
            const QImage shaped = DrawPieceImage(colour, false, ratio, true);
            QCOMPARE(shaped.size(), DrawPieceImage(colour, false, ratio).size());
            QCOMPARE(shaped.devicePixelRatio(), ratio);
            const GlyphPixels changed = Compare(colour, false, ratio);
            QVERIFY(!changed.glyph.isEmpty());
            QCOMPARE(changed.inks.size(), size_t(1)); // one ink, no blended edge
            // The same glyph on the selected ball.
            const GlyphPixels selected = Compare(colour, true, ratio);
            QCOMPARE(selected.glyph, changed.glyph);
            QCOMPARE(selected.inks, changed.inks);
            QCOMPARE(selected.retoned, changed.retoned);

            // About a third of the ball across, in its middle.
            const QRect box = Bounds(changed.glyph);
            const int side = shaped.width();
            QVERIFY2(std::abs(box.left() + box.right() + 1 - side) <= 1 &&
                         std::abs(box.top() + box.bottom() + 1 - side) <= 1,
                     qPrintable(kColours.at(colour) + QStringLiteral(" glyph off the middle")));
            QVERIFY(std::max(box.width(), box.height()) >= side / 5);
            QVERIFY(std::max(box.width(), box.height()) <= side * 2 / 5);

            // Nothing else changes but the shine right beside the glyph.
            for (QPoint p : changed.retoned) {
                QVERIFY(Touches(changed.glyph, p));
            }
            QVERIFY(changed.retoned.size() < changed.glyph.size());
        }
    }

    // At the ratios where the ball is an odd number of device pixels across, each glyph drawn
    // to a size is the whole number of pixels nearest to it that leaves it exactly in the middle
    // (the star and the triangle are drawn to no size of their own: none is given).
    void glyphsHaveTheirSize_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QList<QSize>>("sizes"); // red to orange, in device pixels
        QTest::newRow("ratio 1.10")
            << 1.1 << QList<QSize>{{11, 11}, {}, {11, 11}, {9, 9}, {11, 11}, {11, 3}, {}};
        QTest::newRow("ratio 1.50")
            << 1.5 << QList<QSize>{{15, 15}, {}, {15, 15}, {13, 13}, {15, 15}, {15, 5}, {}};
        QTest::newRow("ratio 1.75")
            << 1.75 << QList<QSize>{{17, 17}, {}, {17, 17}, {15, 15}, {17, 17}, {17, 5}, {}};
    }
    void glyphsHaveTheirSize() {
        QFETCH(qreal, ratio);
        QFETCH(QList<QSize>, sizes);
        for (int colour = 0; colour < PIECE_COLOURS; ++colour) {
            if (sizes.at(colour).isEmpty()) {
                continue;
            }
            const QRect box = Bounds(GlyphOf(colour, ratio));
            const int side = DrawPieceImage(colour, false, ratio).width();
            QCOMPARE(side % 2, 1);
            QCOMPARE(box.size(), sizes.at(colour));
            QCOMPARE(box.left() + box.right() + 1, side);
            QCOMPARE(box.top() + box.bottom() + 1, side);
        }
    }

    void glyphsDifferInShape_data() {
        QTest::addColumn<qreal>("ratio");
        for (qreal ratio : kRatios) {
            QTest::addRow("ratio %.2f", ratio) << ratio;
        }
    }
    // Also when one of them is turned by an eighth of a turn, as a square is into a diamond.
    // The glyphs score 0.31 or more; copies of one outline tried here (a square and a diamond, a
    // plus and an X, a triangle and a smaller one) score under 0.25 at some ratio.
    void glyphsDifferInShape() {
        QFETCH(qreal, ratio);
        constexpr double kEighth = std::numbers::pi / 4;
        for (int a = 0; a < PIECE_COLOURS; ++a) {
            const Outline outline = OutlineOf(GlyphOf(a, ratio), 0);
            for (int b = a + 1; b < PIECE_COLOURS; ++b) {
                const QList<QPoint> other = GlyphOf(b, ratio);
                const double unlikeness = std::min(Unlikeness(outline, OutlineOf(other, 0)),
                                                   Unlikeness(outline, OutlineOf(other, kEighth)));
                QVERIFY2(unlikeness >= 0.25, qPrintable(QStringLiteral("%1 and %2 alike: %3")
                                                            .arg(kColours.at(a), kColours.at(b))
                                                            .arg(unlikeness)));
            }
        }
    }

    void glyphsStandOut_data() {
        QTest::addColumn<int>("colour");
        QTest::addColumn<Matrix>("vision");
        const QList<std::pair<const char*, Matrix>> visions{{"normal vision", kNormalVision},
                                                            {"deuteranopia", kDeuteranopia},
                                                            {"protanopia", kProtanopia},
                                                            {"tritanopia", kTritanopia}};
        for (int colour = 0; colour < PIECE_COLOURS; ++colour) {
            for (const auto& [name, vision] : visions) {
                QTest::addRow("%s, %s", qPrintable(kColours.at(colour)), name) << colour << vision;
            }
        }
    }
    // Against every tone of the ball that borders it, at every ratio.
    void glyphsStandOut() {
        QFETCH(int, colour);
        QFETCH(Matrix, vision);
        for (qreal ratio : kRatios) {
            const QImage shaped = DrawPieceImage(colour, false, ratio, true);
            const QList<QPoint> glyph = GlyphOf(colour, ratio);
            const QRgb ink = shaped.pixel(glyph.first());
            std::set<QRgb> around;
            for (QPoint p : glyph) {
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint q = p + QPoint(dx, dy);
                        if (!glyph.contains(q)) {
                            around.insert(shaped.pixel(q));
                        }
                    }
                }
            }
            for (QRgb tone : around) {
                const double contrast = Contrast(ink, tone, vision);
                QVERIFY2(contrast >= 3.0,
                         qPrintable(QStringLiteral("%1 on %2 at %3: %4:1")
                                        .arg(QColor(ink).name(), QColor(tone).name())
                                        .arg(ratio)
                                        .arg(contrast, 0, 'f', 2)));
            }
        }
    }

    void highResolutionBallsKeepTheirShape() {
        const QImage image = DrawPieceImage(3, false, 2.0);
        QCOMPARE(image.size(), QSize(60, 60));
        QCOMPARE(image.devicePixelRatio(), 2.0);
        QCOMPARE(image.pixel(0, 0), RGB(0, 0, 0));
        QVERIFY(image.pixel(30, 0) != RGB(0, 0, 0));
        QVERIFY(IsWebSafe(image.pixel(30, 30)));
    }
};

QTEST_MAIN(TestPieceImages)
#include "tst_pieceimages.moc"
