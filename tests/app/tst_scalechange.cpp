#include "app/Zoom.h"
#include "board/AreaLayout.h"
#include "support/GameProbe.h"
#include "support/Pixels.h"
#include "support/Screens.h"
#include "support/WindowHarness.h"

#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

namespace {

enum class Told { All, Geometry, LogicalDpi, PhysicalDpi };

// A game in the middle of play: a few balls, one of them selected, a score, and the keyboard
// cursor on another cell.
const QStringList kLayout{QStringLiteral(".........."), QStringLiteral("..1......."),
                          QStringLiteral(".....4...."), QStringLiteral(".........."),
                          QStringLiteral("...2.....6"), QStringLiteral(".........."),
                          QStringLiteral(".........."), QStringLiteral("3........."),
                          QStringLiteral("......5..."), QStringLiteral("..........")};
constexpr NextColourArray kNext{4, 0, 6};

void SetUp(GameProbe probe) {
    LayOut(probe.Board(), kLayout);
    probe.Board().BuildRoutes();
    probe.NextColours() = kNext;
    probe.SetScore(120);
    probe.DrawBoard();
}

// The game area as a window started at the given ratio would draw it, in the same state.
QImage FreshSurface(qreal ratio) {
    GameHarness fresh(true, ratio);
    fresh.game->NewGame(fresh.surface);
    SetUp(fresh.probe());
    fresh.Press(6, 3); // selects the 4
    return fresh.surface.Image();
}

// Where the window shows a device pixel of the surface differently, labels and the keyboard
// cursor's frame aside, or nothing.
std::optional<QPoint> NotShown(frmMain& window) {
    const qreal ratio = window.devicePixelRatioF();
    const qreal drawn = window.Surface().DevicePixelRatio(); // with the zoom
    const QRegion cursor =
        DeviceRect(QRectF(QPointF(34 * 4, 34 * 6), QSizeF(34, 34)), drawn).adjusted(-1, -1, 1, 1);
    return FirstNotShown(window.Surface().Image(), window.grab().toImage(),
                         qRound(window.Canvas()->y() * ratio),
                         LabelsOn(*window.Canvas(), ratio) + cursor);
}

// How many device pixels of the keyboard cursor's frame the window shows around a cell.
int FramePixels(frmMain& window, int32_t col, int32_t row) {
    const qreal ratio = window.devicePixelRatioF();
    const QImage shown = window.grab().toImage();
    const int top = qRound(window.Canvas()->y() * ratio);
    const QRect around = DeviceRect(QRectF(QPointF((col - 1) * 34, (row - 1) * 34), QSizeF(34, 34)),
                                    window.Surface().DevicePixelRatio());
    int frame = 0;
    for (int y = around.top(); y <= around.bottom(); ++y) {
        for (int x = around.left(); x <= around.right(); ++x) {
            frame += shown.pixel(x, top + y) == kCursor;
        }
    }
    return frame;
}

// The zoom the Game menu shows, in percent, or 0 for none.
int ZoomShown(WindowHarness& h) {
    for (const int32_t step : Zoom::STEPS) {
        if (h.Action(QStringLiteral("%1%").arg(step))->isChecked()) {
            return step;
        }
    }
    return 0;
}

// A key of the zoom, as the player presses it, or Ctrl with the wheel over the game.
void ZoomBy(WindowHarness& h, const QString& how) {
    if (how.startsWith(QLatin1String("wheel"))) {
        const int angle = how == QLatin1String("wheel up")     ? 120
                          : how == QLatin1String("wheel down") ? -120
                                                               : 60; // half a notch
        const QPointF at(50, 50);
        QWheelEvent wheel(at, h.window->Canvas()->mapToGlobal(at), QPoint(), QPoint(0, angle),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(h.window->Canvas(), &wheel);
        return;
    }
    const Qt::Key key = how == QLatin1String("Ctrl++")   ? Qt::Key_Plus
                        : how == QLatin1String("Ctrl+=") ? Qt::Key_Equal
                        : how == QLatin1String("Ctrl+-") ? Qt::Key_Minus
                                                         : Qt::Key_0;
    h.Shortcut(key, Qt::ControlModifier);
}

} // namespace

Q_DECLARE_METATYPE(Told)

class TestScaleChange : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
            QSKIP("sets up its screens through the offscreen platform");
        }
    }

    void remadeAtTheNewRatio_data() {
        QTest::addColumn<qreal>("from");
        QTest::addColumn<qreal>("to");
        QTest::addColumn<bool>("moved"); // to the other screen, or its own screen rescaled
        // How the platform tells of a new scale: each platform sends its own few of the
        // screen's signals, and any one of them must be enough.
        QTest::addColumn<Told>("told");
        QTest::addColumn<int>("zoom");
        QTest::newRow("screen scaled 1 to 2") << 1.0 << 2.0 << false << Told::All << 100;
        QTest::newRow("screen scaled 2 to 1") << 2.0 << 1.0 << false << Told::All << 100;
        QTest::newRow("screen scaled 1.75 to 1.25") << 1.75 << 1.25 << false << Told::All << 100;
        // At 1.5 the menu bar must grow by a pixel, which only a window that heard of its
        // new scale does.
        QTest::newRow("screen scaled 2 to 1.5, told by its geometry")
            << 2.0 << 1.5 << false << Told::Geometry << 100;
        QTest::newRow("screen scaled 1 to 1.5, told by its logical DPI")
            << 1.0 << 1.5 << false << Told::LogicalDpi << 100;
        QTest::newRow("screen scaled 1.75 to 1.5, told by its physical DPI")
            << 1.75 << 1.5 << false << Told::PhysicalDpi << 100;
        QTest::newRow("moved from 1 to 2") << 1.0 << 2.0 << true << Told::All << 100;
        QTest::newRow("moved from 2 to 1") << 2.0 << 1.0 << true << Told::All << 100;
        QTest::newRow("moved from 1.25 to 1.75") << 1.25 << 1.75 << true << Told::All << 100;
        QTest::newRow("screen scaled 1 to 1.5, at 150%") << 1.0 << 1.5 << false << Told::All << 150;
        QTest::newRow("moved from 2 to 1.25, at 125%") << 2.0 << 1.25 << true << Told::All << 125;
        QTest::newRow("screen scaled 1 to 1.25, at 200%")
            << 1.0 << 1.25 << false << Told::All << 200;
        QTest::newRow("screen scaled 1 to 2, at 150%") << 1.0 << 2.0 << false << Told::All << 150;
    }

    void remadeAtTheNewRatio() {
        QFETCH(qreal, from);
        QFETCH(qreal, to);
        QFETCH(bool, moved);
        QFETCH(Told, told);
        QFETCH(int, zoom);
        const qreal zoomed = zoom / 100.0;
        const QImage fresh = FreshSurface(to * zoomed); // before the window, with its own settings
        SetScreens(from, moved ? to : from, QSize(2000, 1600));
        WindowHarness h(false);
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        h.Action(QStringLiteral("%1%").arg(zoom))->trigger();
        QCOMPARE(h.window->devicePixelRatioF(), from);
        QCOMPARE(h.window->Surface().DevicePixelRatio(), from * zoomed);
        SetUp(h.probe());
        h.Click(6, 3);
        h.window->Canvas()->setCursorCell(CellIndex(5, 7));
        const GameFacts facts = h.Facts();
        const QSize size = h.window->size();
        const int menu = h.window->Canvas()->y();
        const QPoint label = h.window->Canvas()->findChild<QLabel*>()->pos();

        if (moved) {
            h.window->move(1100, 100);
            // As X11 tells of a move to a monitor of another scale: the window keeps its size
            // in device pixels, then it is on the other screen.
            QWindow* native = h.window->windowHandle();
            QWindowSystemInterface::handleGeometryChange<
                QWindowSystemInterface::SynchronousDelivery>(
                native, QRect(native->handle()->geometry().topLeft(), size * from));
            QWindowSystemInterface::handleWindowScreenChanged<
                QWindowSystemInterface::SynchronousDelivery>(native, Screen(QStringLiteral("two")));
        } else if (told == Told::All) {
            SetScreens(to, to);
        } else {
            QScreen* screen = Screen(QStringLiteral("one"));
            {
                const QSignalBlocker quiet(screen);
                SetScreens(to, to);
            }
            switch (told) {
            case Told::Geometry:
                emit screen->geometryChanged(screen->geometry());
                break;
            case Told::LogicalDpi:
                emit screen->logicalDotsPerInchChanged(screen->logicalDotsPerInch());
                break;
            default:
                emit screen->physicalDotsPerInchChanged(screen->physicalDotsPerInch());
                break;
            }
        }
        QTRY_COMPARE(h.window->devicePixelRatioF(), to);
        const qreal drawn = to * zoomed;
        QTRY_COMPARE(h.window->Surface().DevicePixelRatio(), drawn);

        // Drawn anew, and just as a game started at this ratio draws it.
        const QImage& surface = h.window->Surface().Image();
        QCOMPARE(surface.size(),
                 QSize(qRound(CLIENT_WIDTH * drawn), qRound(CLIENT_HEIGHT * drawn)));
        for (int32_t i = 0; i < PIECE_IMAGES; ++i) {
            const QImage& piece = h.window->Surface().picPiece(i).Image();
            QCOMPARE(piece.devicePixelRatio(), drawn);
            QCOMPARE(piece, DrawPieceImage(i % PIECE_COLOURS, i >= PIECE_COLOURS, drawn));
        }
        QVERIFY(surface == fresh);

        // Nothing of the game is lost, and the window keeps its size and layout; only the menu
        // bar may take a pixel more or less, to fit the game area to the new device pixels.
        QCOMPARE(h.Facts(), facts);
        if (zoom == 100) {
            QCOMPARE(h.window->Canvas()->size(), QSize(CLIENT_WIDTH, CLIENT_HEIGHT));
            QTRY_COMPARE(h.window->size(), size + QSize(0, h.window->Canvas()->y() - menu));
            QVERIFY(qAbs(h.window->Canvas()->y() - menu) <= 16);
            QCOMPARE(h.window->Canvas()->findChild<QLabel*>()->pos(), label);
        } else { // within a pixel of the same size, as the new scale rounds it, and all shown
            QTRY_VERIFY((h.window->size() - size).width() <= 1);
            QTRY_VERIFY((h.window->size() - size).height() <= 1);
            QTRY_VERIFY(h.window->Canvas()->width() * to >= surface.width());
            QTRY_VERIFY(h.window->Canvas()->height() * to >= surface.height());
        }

        // Shown one device pixel for one, with the keyboard cursor's frame at the new ratio.
        QTRY_VERIFY(!NotShown(*h.window));
        QVERIFY(FramePixels(*h.window, 5, 7) >= qFloor(4 * 30 * drawn * 2));

        // The mouse and the keys still meet the cells shown.
        h.Click(6, 3); // puts the 4 down
        h.Click(3, 2); // and takes up the 1
        QVERIFY(h.probe().Board().Item(CellIndex(3, 2))->Selected());
        QVERIFY(!h.probe().Board().Item(CellIndex(6, 3))->Selected());
        h.window->Canvas()->setCursorCell(CellIndex(1, 1));
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Space}) {
            QTest::keyClick(h.window->Canvas(), key);
        }
        QCOMPARE(h.window->Canvas()->FramedCell(), std::optional<int32_t>(CellIndex(2, 2)));
        QCOMPARE(h.window->Game().CellColour(CellIndex(2, 2)), 1); // the 1 went there
    }
    // The zoom stored last time, as a new start finds it, on a screen with room up to 200%.
    void zoomStartsFromTheStore_data() {
        QTest::addColumn<QVariant>("stored"); // nothing: no value stored
        QTest::addColumn<int>("shown");
        QTest::newRow("nothing stored") << QVariant() << 100;
        QTest::newRow("a step") << QVariant(QStringLiteral("150")) << 150;
        QTest::newRow("near a step") << QVariant(QStringLiteral("160")) << 150;
        QTest::newRow("nearer the next") << QVariant(QStringLiteral("163")) << 175;
        QTest::newRow("below the first") << QVariant(QStringLiteral("7")) << 100;
        QTest::newRow("too large for the screen") << QVariant(QStringLiteral("300")) << 200;
        QTest::newRow("far beyond") << QVariant(QStringLiteral("5000")) << 200;
        for (const char* unreadable : {"abc", "", "-50", "0", "1e9", " 150", "150%", "1.5e2"}) {
            QTest::addRow("\"%s\"", unreadable) << QVariant(QString::fromLatin1(unreadable)) << 100;
        }
        QTest::newRow("a list") << QVariant(
                                       QStringList{QStringLiteral("150"), QStringLiteral("150")})
                                << 100;
    }
    void zoomStartsFromTheStore() {
        QFETCH(QVariant, stored);
        QFETCH(int, shown);
        SetScreens(1, 1);
        WindowHarness h(false);
        if (stored.isValid()) {
            IsolatedSettings::Write(Stored::Key::Zoom, stored);
        }
        h.Restart();
        QCOMPARE(ZoomShown(h), shown);
        QCOMPARE(h.window->Surface().DevicePixelRatio(), shown / 100.0);
        QCOMPARE(IsolatedSettings::Read(Stored::Key::Zoom), stored); // left as it was
        QCOMPARE(h.Action(QStringLiteral("250%"))->isEnabled(), false);
        QCOMPARE(h.Action(QStringLiteral("200%"))->isEnabled(), true);
    }

    // A step chosen just before the close, not yet drawn, is stored at the close.
    void zoomChosenAtTheCloseComesBack() {
        SetScreens(1, 1);
        WindowHarness h(false);
        h.Action(QStringLiteral("150%"))->trigger();
        h.Restart();
        QCOMPARE(ZoomShown(h), 150);
    }

    // The keys and the wheel step as far as the screen has room (up to 200% here), each step
    // stored at once and the game left as it was.
    void zoomKeysStepAsFarAsFits_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("shown");
        QTest::newRow("Ctrl++") << QStringList{"Ctrl++"} << 125;
        QTest::newRow("Ctrl+= twice") << QStringList{"Ctrl+=", "Ctrl+="} << 150;
        QTest::newRow("Ctrl++ past the last that fits") << QStringList(6, "Ctrl++") << 200;
        QTest::newRow("Ctrl+-") << QStringList{"Ctrl++", "Ctrl++", "Ctrl+-"} << 125;
        QTest::newRow("Ctrl+- at 100%") << QStringList{"Ctrl+-"} << 100;
        QTest::newRow("Ctrl+0") << QStringList{"Ctrl++", "Ctrl++", "Ctrl+0"} << 100;
        QTest::newRow("the wheel") << QStringList{"wheel up", "wheel up", "wheel down"} << 125;
        QTest::newRow("two half notches") << QStringList{"wheel half", "wheel half"} << 125;
    }
    void zoomKeysStepAsFarAsFits() {
        QFETCH(QStringList, steps);
        QFETCH(int, shown);
        SetScreens(1, 1);
        WindowHarness h(false);
        QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
        SetUp(h.probe());
        h.Click(6, 3);
        h.window->Canvas()->setCursorCell(CellIndex(5, 7));
        const GameFacts facts = h.Facts();
        for (const QString& step : steps) {
            ZoomBy(h, step);
        }
        QCOMPARE(ZoomShown(h), shown);
        QCOMPARE(h.window->Surface().DevicePixelRatio(), shown / 100.0);
        const bool moved = shown != 100 || steps.contains(QStringLiteral("Ctrl+0"));
        QTRY_COMPARE(IsolatedSettings::Read(Stored::Key::Zoom).toString(),
                     moved ? QString::number(shown) : QString());
        QCOMPARE(h.Facts(), facts);
        QVERIFY(!NotShown(*h.window));
        h.Click(6, 3); // lands on the selected ball, shown where it is
        QVERIFY(!h.probe().Board().Item(CellIndex(6, 3))->Selected());
    }

    // A screen that shrinks under a zoomed window (a lower resolution, a smaller monitor) brings
    // it down to the largest step that fits; the choice stays, and comes back with the room.
    void zoomComesDownWithTheScreen() {
        SetScreens(1, 1, QSize(2000, 1600));
        WindowHarness h(false);
        h.Action(QStringLiteral("300%"))->trigger();
        QCOMPARE(ZoomShown(h), 300);
        SetScreens(1, 1, QSize(1000, 690)); // room for 200%'s area, not for the menu bar too
        QTRY_COMPARE(ZoomShown(h), 175);
        SetScreens(1, 1, QSize(1000, 800));
        QTRY_COMPARE(ZoomShown(h), 200);
        QTRY_VERIFY(h.window->frameGeometry().width() <= 1000);
        QVERIFY(!h.Action(QStringLiteral("300%"))->isEnabled());
        QTRY_COMPARE(IsolatedSettings::Read(Stored::Key::Zoom).toString(), QStringLiteral("300"));
        SetScreens(1, 1, QSize(2000, 1600));
        QTRY_COMPARE(ZoomShown(h), 300);
    }
};

QTEST_MAIN(TestScaleChange)
#include "tst_scalechange.moc"