#include "platform/DeviceContext.h"
#include "platform/PieceImages.h"

#include <QTest>

#include <set>

namespace {

bool IsWebSafe(QRgb c) {
    return qRed(c) % 51 == 0 && qGreen(c) % 51 == 0 && qBlue(c) % 51 == 0;
}

} // namespace

class TestPieceImages : public QObject {
    Q_OBJECT

private slots:
    void ballsAreWellFormed_data() {
        QTest::addColumn<int>("colour");
        QTest::addColumn<QRgb>("mainTone");
        QTest::newRow("red") << 0 << RGB(153, 0, 0);
        QTest::newRow("blue") << 1 << RGB(0, 0, 153);
        QTest::newRow("green") << 2 << RGB(0, 102, 0);
        QTest::newRow("yellow") << 3 << RGB(204, 153, 0);
        QTest::newRow("cyan") << 4 << RGB(0, 153, 153);
        QTest::newRow("magenta") << 5 << RGB(153, 0, 153);
        QTest::newRow("orange") << 6 << RGB(153, 51, 0);
    }
    void ballsAreWellFormed() {
        QFETCH(int, colour);
        QFETCH(QRgb, mainTone);
        const QImage onBlack = DrawPieceImage(colour, false);
        const QImage onWhite = DrawPieceImage(colour, true);
        QCOMPARE(onBlack.size(), QSize(PIECE_SIZE, PIECE_SIZE));
        QCOMPARE(onWhite.size(), QSize(PIECE_SIZE, PIECE_SIZE));

        for (QPoint corner : {QPoint(0, 0), QPoint(29, 0), QPoint(0, 29), QPoint(29, 29)}) {
            QCOMPARE(onBlack.pixel(corner), RGB(0, 0, 0));
            QCOMPARE(onWhite.pixel(corner), RGB(255, 255, 255));
        }
        // The ball touches the middle of every side.
        for (QPoint middle : {QPoint(15, 0), QPoint(0, 15), QPoint(29, 14), QPoint(14, 29)}) {
            QVERIFY2(onBlack.pixel(middle) != RGB(0, 0, 0), "ball does not reach the side");
        }

        int mainTonePixels = 0;
        std::set<QRgb> tones;
        for (int y = 0; y < PIECE_SIZE; ++y) {
            for (int x = 0; x < PIECE_SIZE; ++x) {
                const QRgb black = onBlack.pixel(x, y);
                const QRgb white = onWhite.pixel(x, y);
                QVERIFY(IsWebSafe(black));
                const bool background = black == RGB(0, 0, 0);
                if (background) {
                    QCOMPARE(white, RGB(255, 255, 255));
                } else {
                    QCOMPARE(white, black); // the same ball pixel for pixel
                    tones.insert(black);
                }
                mainTonePixels += black == mainTone;
            }
        }
        QVERIFY2(mainTonePixels > 100, "the main tone should carry the ball");
        QVERIFY2(tones.size() >= 4, "a shaded ball needs several tones");

        // Lit from the upper left: the upper-left quarter is brighter than the lower right.
        auto brightness = [&](int x, int y) {
            const QRgb c = onBlack.pixel(x, y);
            return qRed(c) + qGreen(c) + qBlue(c);
        };
        QVERIFY(brightness(10, 10) > brightness(21, 21));
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
