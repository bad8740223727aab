#include "platform/DeviceContext.h"
#include "support/Pixels.h"

#include <QImage>
#include <QTest>

namespace {

QImage Blank(int width, int height, qreal ratio = 1.0) {
    QImage image(qRound(width * ratio), qRound(height * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(kBlack);
    return image;
}

// The set of device pixels of one colour, as a bounding box and a count.
struct Coverage {
    QRect box;
    int count = 0;
};

Coverage CoverageOf(const QImage& image, QRgb colour) {
    Coverage c;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour) {
                c.box = c.box.united(QRect(x, y, 1, 1));
                ++c.count;
            }
        }
    }
    return c;
}

} // namespace

class TestDeviceContext : public QObject {
    Q_OBJECT

private slots:
    void fillLeavesOutRightAndBottom_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("ratio 1") << 1.0;
        QTest::newRow("ratio 2 covers the doubled area") << 2.0;
    }
    void fillLeavesOutRightAndBottom() {
        QFETCH(qreal, ratio);
        QImage image = Blank(20, 20, ratio);
        DeviceContext dc(image);
        dc.FillRect(RECT{2, 3, 5, 7}, CreateSolidBrush(kWhite));
        const Coverage c = CoverageOf(image, kWhite);
        const int r = qRound(ratio);
        QCOMPARE(c.box, QRect(2 * r, 3 * r, 3 * r, 4 * r));
        QCOMPARE(c.count, 12 * r * r);
    }

    void everyImageFormatGetsTheRightColours_data() {
        QTest::addColumn<QImage::Format>("format");
        QTest::newRow("RGB32") << QImage::Format_RGB32;
        QTest::newRow("ARGB32 premultiplied") << QImage::Format_ARGB32_Premultiplied;
        QTest::newRow("RGBX8888") << QImage::Format_RGBX8888;
        QTest::newRow("RGBA8888") << QImage::Format_RGBA8888;
        QTest::newRow("BGR30") << QImage::Format_BGR30;
        QTest::newRow("RGB888") << QImage::Format_RGB888;
    }
    void everyImageFormatGetsTheRightColours() {
        QFETCH(QImage::Format, format);
        QImage image(12, 12, format);
        image.fill(Qt::black);
        DeviceContext dc(image);
        dc.FillRect(RECT{1, 1, 4, 4}, CreateSolidBrush(RGB(255, 0, 0)));
        dc.SelectObject(CreatePen(PS_SOLID, 1, RGB(0, 0, 255)));
        dc.MoveToEx(0, 8);
        dc.LineTo(12, 8);
        dc.DrawEdge(RECT{6, 1, 11, 6}, EDGE_SUNKEN, BF_RECT);
        QCOMPARE(image.pixel(2, 2), RGB(255, 0, 0));
        QCOMPARE(image.pixel(5, 8), RGB(0, 0, 255));
        QImage reference = Blank(12, 12);
        DeviceContext(reference).DrawEdge(RECT{6, 1, 11, 6}, EDGE_SUNKEN, BF_RECT);
        QCOMPARE(image.pixel(6, 1), reference.pixel(6, 1));
        QCOMPARE(image.pixel(10, 5), reference.pixel(10, 5));
    }

    void emptyOrInvertedFillPaintsNothing() {
        QImage image = Blank(10, 10);
        DeviceContext dc(image);
        dc.FillRect(RECT{4, 4, 4, 8}, CreateSolidBrush(kWhite));
        dc.FillRect(RECT{6, 6, 2, 2}, CreateSolidBrush(kWhite));
        QCOMPARE(CoverageOf(image, kWhite).count, 0);
    }

    void lineLeavesOutItsEndPoint_data() {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<int>("count");
        QTest::newRow("rightwards") << QPoint(0, 5) << QPoint(10, 5) << QRect(0, 5, 10, 1) << 10;
        QTest::newRow("leftwards") << QPoint(10, 5) << QPoint(0, 5) << QRect(1, 5, 10, 1) << 10;
        QTest::newRow("downwards") << QPoint(3, 0) << QPoint(3, 12) << QRect(3, 0, 1, 12) << 12;
        QTest::newRow("upwards") << QPoint(3, 12) << QPoint(3, 0) << QRect(3, 1, 1, 12) << 12;
        QTest::newRow("diagonal") << QPoint(0, 0) << QPoint(6, 6) << QRect(0, 0, 6, 6) << 6;
        QTest::newRow("zero length") << QPoint(4, 4) << QPoint(4, 4) << QRect() << 0;
    }
    void lineLeavesOutItsEndPoint() {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QRect, box);
        QFETCH(int, count);
        QImage image = Blank(20, 20);
        DeviceContext dc(image);
        const Pen old = dc.SelectObject(CreatePen(PS_SOLID, 1, kWhite));
        dc.MoveToEx(from.x(), from.y());
        dc.LineTo(to.x(), to.y());
        const Coverage c = CoverageOf(image, kWhite);
        QCOMPARE(c.box, box);
        QCOMPARE(c.count, count);
        QCOMPARE(dc.SelectObject(old).Colour(), kWhite);
    }

    void linesContinueFromTheirEnd() {
        QImage image = Blank(20, 20);
        DeviceContext dc(image);
        dc.SelectObject(CreatePen(PS_SOLID, 1, kWhite));
        dc.MoveToEx(2, 2);
        dc.LineTo(8, 2);
        dc.LineTo(8, 9);
        QCOMPARE(image.pixel(8, 2), kWhite); // start of the second line
        QCOMPARE(image.pixel(8, 9), kBlack);
        QCOMPARE(CoverageOf(image, kWhite).count, 13);
    }

    void bitBltCopiesExactlyItsRectangle() {
        QImage source = Blank(30, 30);
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 30; ++x) {
                source.setPixel(x, y, RGB(x * 8, y * 8, 200));
            }
        }
        QImage target = Blank(40, 40);
        DeviceContext from(source);
        DeviceContext to(target);
        to.BitBlt(5, 7, 10, 6, from, 3, 4, SRCCOPY);
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 40; ++x) {
                const bool inside = x >= 5 && x < 15 && y >= 7 && y < 13;
                const QRgb expected = inside ? source.pixel(x - 5 + 3, y - 7 + 4) : kBlack;
                QCOMPARE(target.pixel(x, y), expected);
            }
        }
    }

    void bitBltCopiesAHighResolutionSourceWhole() {
        QImage source = Blank(30, 30, 2.0);
        source.setPixel(1, 0, kWhite); // a detail only visible at full resolution
        QImage target = Blank(40, 40, 2.0);
        DeviceContext from(source);
        DeviceContext to(target);
        to.BitBlt(4, 4, 30, 30, from, 0, 0, SRCCOPY);
        QCOMPARE(target.pixel(9, 8), kWhite);
        QCOMPARE(CoverageOf(target, kWhite).count, 1);
    }

    void edgesAreTwoPixelsWide_data() {
        QTest::addColumn<uint>("edge");
        QTest::addColumn<bool>("outerDarkOnTopLeft");
        QTest::addColumn<bool>("innerDarkOnTopLeft");
        QTest::newRow("sunken") << uint(EDGE_SUNKEN) << true << true;
        QTest::newRow("raised") << uint(EDGE_RAISED) << false << false;
        QTest::newRow("etched") << uint(EDGE_ETCHED) << true << false;
    }
    void edgesAreTwoPixelsWide() {
        QFETCH(uint, edge);
        QFETCH(bool, outerDarkOnTopLeft);
        QFETCH(bool, innerDarkOnTopLeft);
        const QRgb grey = RGB(218, 240, 240);
        QImage image = Blank(30, 30);
        image.fill(grey);
        DeviceContext dc(image);
        dc.DrawEdge(RECT{5, 5, 25, 20}, edge, BF_RECT);

        // Outside the rectangle and inside the two rings nothing changes.
        QCOMPARE(image.pixel(4, 10), grey);
        QCOMPARE(image.pixel(25, 10), grey);
        QCOMPARE(image.pixel(10, 20), grey);
        QCOMPARE(image.pixel(7, 7), grey);
        QCOMPARE(image.pixel(22, 17), grey);

        for (int inset : {0, 1}) {
            const QRgb top = image.pixel(12, 5 + inset);
            const QRgb left = image.pixel(5 + inset, 12);
            const QRgb bottom = image.pixel(12, 19 - inset);
            const QRgb right = image.pixel(24 - inset, 12);
            QCOMPARE(top, left);
            QCOMPARE(bottom, right);
            QVERIFY(top != grey && bottom != grey);
            const bool darkOnTopLeft = inset == 0 ? outerDarkOnTopLeft : innerDarkOnTopLeft;
            QCOMPARE(Brightness(top) < Brightness(bottom), darkOnTopLeft);
        }
    }

    void textIsCentredAndUnsmoothed() {
        QImage image = Blank(113, 20);
        DeviceContext dc(image);
        dc.SetTextColor(kWhite);
        dc.DrawText(QStringLiteral("2147483647"), RECT{0, 0, 113, 20},
                    DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        const Coverage c = CoverageOf(image, kWhite);
        QVERIFY(c.count > 0);
        QCOMPARE(c.count + CoverageOf(image, kBlack).count, 113 * 20); // only two colours
        QVERIFY(c.box.left() > 0 && c.box.right() < 112);
        QVERIFY(qAbs(c.box.left() - (112 - c.box.right())) <= 2);
        QVERIFY(qAbs(c.box.top() - (19 - c.box.bottom())) <= 3);
    }
};

QTEST_MAIN(TestDeviceContext)
#include "tst_devicecontext.moc"
