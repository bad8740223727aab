#include "board/AreaLayout.h"
#include "support/GameProbe.h"
#include "support/Pixels.h"
#include "support/Screens.h"
#include "support/WindowHarness.h"

#include "app/TitleBar.h"

#include <QBackingStore>
#include <QLabel>
#include <QTest>
#include <QtMath>
#include <qpa/qplatformbackingstore.h>

namespace {

bool InsideAny(QPoint p, const QList<QRect>& rects) {
    for (const QRect& r : rects) {
        if (r.contains(p)) {
            return true;
        }
    }
    return false;
}

// Whether the 2 × 2 block of device pixels under a logical pixel is one colour.
bool UniformBlock(const QImage& image, int x, int y) {
    const QRgb c = image.pixel(2 * x, 2 * y);
    return image.pixel(2 * x + 1, 2 * y) == c && image.pixel(2 * x, 2 * y + 1) == c &&
           image.pixel(2 * x + 1, 2 * y + 1) == c;
}

// Plays the same few turns on a surface of the given ratio.
void Play(GameHarness& h) {
    h.Start(BoardWith({{1, "2........."}, {3, "....3...5."}, {7, ".2222....."}}));
    h.probe().NextColours() = {0, 4, 6};
    h.Press(9, 3);
    h.Press(9, 4); // three new pieces follow
    h.Press(1, 1);
    h.Press(1, 7); // completes the row of twos
    h.Press(5, 3); // and leaves the three selected
}

} // namespace

class TestHighDpi : public QObject {
    Q_OBJECT

private slots:
    void doubledSurfaceKeepsTheLayout() {
        if (qApp->devicePixelRatio() != 2.0) {
            QSKIP("compares ratios 1 and 2 whatever the screen's; once is enough");
        }
        GameHarness single(true, 1.0);
        Play(single);
        GameHarness twice(true, 2.0);
        Play(twice);
        QCOMPARE(single.game->Score(), 50);
        QCOMPARE(twice.game->Score(), 50);

        const QImage& one = single.surface.Image();
        const QImage& two = twice.surface.Image();
        QCOMPARE(two.size(), QSize(2 * CLIENT_WIDTH, 2 * CLIENT_HEIGHT));

        // Balls and digits are drawn anew at full resolution; everything else, fills, edges
        // and grid lines, covers exactly the doubled area.
        QList<QRect> detailed{QRect(350, 25, 105, 30), QRect(347, 263, 109, 16),
                              QRect(347, 313, 109, 16)};
        colPieces& board = single.probe().Board();
        for (int32_t i = 1; i <= 100; ++i) {
            const clsPiece& cell = *board.Item(i);
            if (cell.Populated()) {
                detailed << QRect(cell.Left(), cell.Top(), 30, 30);
            }
        }
        for (int y = 0; y < CLIENT_HEIGHT; ++y) {
            for (int x = 0; x < CLIENT_WIDTH; ++x) {
                if (InsideAny(QPoint(x, y), detailed)) {
                    continue;
                }
                if (!UniformBlock(two, x, y) || two.pixel(2 * x, 2 * y) != one.pixel(x, y)) {
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is not doubled").arg(x).arg(y)));
                }
            }
        }

        // The selected three at column 5, row 3 is the full-resolution ball on white.
        const QImage ball = DrawPieceImage(3, true, 2.0);
        QImage shown = two.copy(276, 140, 60, 60);
        shown.setDevicePixelRatio(2.0);
        QCOMPARE(shown, ball);
        int detail = 0;
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 30; ++x) {
                detail += !UniformBlock(ball, x, y);
            }
        }
        QVERIFY2(detail > 20, "the ball's outline should be finer than a doubled pixel");

        // The digits of the score: white, and with edges finer than a doubled pixel.
        int white = 0;
        int fine = 0;
        for (int y = 263; y < 279; ++y) {
            for (int x = 347; x < 456; ++x) {
                white += two.pixel(2 * x, 2 * y) == kWhite;
                fine += !UniformBlock(two, x, y);
            }
        }
        QVERIFY(white > 0);
        QVERIFY(fine > 0);
    }

    // Every device pixel of the surface reaches the window one for one, at whole and at
    // fractional scale factors alike, below a title bar of the window's own too, and zoomed.
    void windowShowsEveryDevicePixel_data() {
        QTest::addColumn<bool>("titled");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<qreal>("scale"); // the screen's, where only one will do
        QTest::newRow("menu bar only") << false << 100 << 0.0;
        QTest::newRow("title bar") << true << 100 << 0.0;
        QTest::newRow("125% at scale 1") << false << 125 << 1.0;
        QTest::newRow("150% at scale 1.25") << false << 150 << 1.25;
        QTest::newRow("200% at scale 1.5, title bar") << true << 200 << 1.5;
        QTest::newRow("300% at scale 2") << false << 300 << 2.0;
    }
    void windowShowsEveryDevicePixel() {
        QFETCH(bool, titled);
        QFETCH(int, zoom);
        QFETCH(qreal, scale);
        if (scale != 0 && !qFuzzyCompare(qApp->devicePixelRatio(), scale)) {
            QSKIP("for another screen scale");
        }
        SetScreens(1, 1, QSize(4000, 3000)); // room for the largest, at the scale of the run
        WindowHarness h;
        if (titled) {
            TitleBar::Install(*h.window);
            QTRY_COMPARE(h.window->Canvas()->y(), TitleBar::HEIGHT + h.window->menuBar()->height());
        }
        h.Action(QStringLiteral("%1%").arg(zoom))->trigger();
        const qreal ratio = h.window->devicePixelRatioF();
        const qreal drawn = ratio * zoom / 100;
        QCOMPARE(h.window->Surface().DevicePixelRatio(), drawn);
        const QImage& surface = h.window->Surface().Image();
        QCOMPARE(surface.size(), QSize(qRound(463 * drawn), qRound(339 * drawn)));
        if (zoom == 100) {
            QCOMPARE(h.window->Canvas()->size(), QSize(463, 339));
            for (QLabel* label : h.window->Canvas()->findChildren<QLabel*>()) {
                QCOMPARE(label->x(), 346); // logical pixels, as at ratio 1
            }
        }
        QTRY_COMPARE(h.window->size(), h.window->minimumSize()); // the window takes the area's
        const QImage shown = h.window->grab().toImage();
        const int top = qRound(h.window->Canvas()->y() * ratio); // where Qt puts the area
        if (const std::optional<QPoint> missing =
                FirstNotShown(surface, shown, top, LabelsOn(*h.window->Canvas(), ratio))) {
            QFAIL(qPrintable(QStringLiteral("device pixel %1,%2 is not shown")
                                 .arg(missing->x())
                                 .arg(missing->y())));
        }
        // Below and right of the picture, where the area reaches past it, its edges go on.
        const int bottom = qMin(shown.height(), top + qFloor(h.window->Canvas()->height() * ratio));
        const int right = qMin(shown.width(), qFloor(h.window->Canvas()->width() * ratio));
        for (int y = top; y < bottom; ++y) {
            for (int x = y - top < surface.height() ? surface.width() : 0; x < right; ++x) {
                QCOMPARE(shown.pixel(x, y), surface.pixel(qMin(x, surface.width() - 1),
                                                          qMin(y - top, surface.height() - 1)));
            }
        }

        // The keyboard cursor's frame is sharp: every device pixel around the cell is either
        // the surface's or the frame's own colour, and the cell itself stays in view.
        h.window->Canvas()->setCursorCell(CellIndex(3, 3));
        const QImage framed = h.window->grab().toImage();
        const QRect cell = DeviceRect(QRectF(70, 70, 30, 30), drawn);
        int frame = 0;
        for (int y = cell.top() - 6; y <= cell.bottom() + 6; ++y) {
            for (int x = cell.left() - 6; x <= cell.right() + 6; ++x) {
                const QRgb pixel = framed.pixel(x, top + y);
                const bool inside = cell.adjusted(1, 1, -1, -1).contains(x, y);
                frame += pixel == kCursor;
                QVERIFY(pixel == surface.pixel(x, y) || (!inside && pixel == kCursor));
            }
        }
        QVERIFY(frame >= 4 * 30 * drawn * 2); // at least two device pixels wide all round

        // A press lands on the cell shown, and the window shows anew what it changed there: the
        // ball on white, in the window's own picture.
        LayOut(h.probe().Board(), BoardWith({{10, ".........3"}}));
        h.probe().Board().BuildRoutes();
        h.Click(10, 10);
        QVERIFY(h.probe().Board().Item(100)->Selected());
        QCoreApplication::processEvents();
        const QImage buffer = h.window->backingStore()->handle()->toImage();
        const QRect ball = DeviceRect(QRectF(308, 308, 30, 30), drawn).adjusted(1, 1, -1, -1);
        for (int y = ball.top(); y <= ball.bottom(); y += 3) {
            for (int x = ball.left(); x <= ball.right(); x += 3) {
                QCOMPARE(buffer.pixel(x, top + y), surface.pixel(x, y));
            }
        }
    }
};

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
