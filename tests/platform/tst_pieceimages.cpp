#include "platform/DeviceContext.h"
#include "platform/PieceImages.h"

#include <QTest>

#include <map>

namespace {

double Luma(QRgb c) {
    return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
}

bool IsWebSafe(QRgb c) {
    return qRed(c) % 51 == 0 && qGreen(c) % 51 == 0 && qBlue(c) % 51 == 0;
}

} // namespace

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
