#include "board/AreaLayout.h"
#include "support/GameProbe.h"
#include "support/Pixels.h"
#include "support/WindowHarness.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

namespace {

enum class Told { All, Geometry, LogicalDpi, PhysicalDpi };

// Two screens side by side, each with its own scale, as the offscreen platform takes them:
// "one", where windows open, and "two" to its right. A screen whose scale changes keeps its name.
void SetScreens(qreal one, qreal two) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    using Set = void (*)(const QJsonObject&, QPlatformNativeInterface*);
    const auto set =
        reinterpret_cast<Set>(native->nativeResourceForIntegration("setConfiguration"));
    QVERIFY(set != nullptr);
    auto screen = [](const char* name, int x, qreal scale) {
        return QJsonObject{
            {"name", name},        {"x", x},        {"y", 0},
            {"width", 1000},       {"height", 800}, {"logicalDpi", qRound(96 * scale)},
            {"logicalBaseDpi", 96}};
    };
    set(QJsonObject{{"screens", QJsonArray{screen("one", 0, one), screen("two", 1000, two)}}},
        native);
    QWindowSystemInterface::flushWindowSystemEvents(); // the screens' signals now, not later
}

QScreen* Screen(const QString& name) {
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == name) {
            return screen;
        }
    }
    return nullptr;
}

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
    const QRegion cursor =
        DeviceRect(QRectF(QPointF(34 * 4, 34 * 6), QSizeF(34, 34)), ratio).adjusted(-1, -1, 1, 1);
    return FirstNotShown(window.Surface().Image(), window.grab().toImage(),
                         qRound(window.Canvas()->y() * ratio),
                         LabelsOn(*window.Canvas(), ratio) + cursor);
}

// How many device pixels of the keyboard cursor's frame the window shows around a cell.
int FramePixels(frmMain& window, int32_t col, int32_t row) {
    const qreal ratio = window.devicePixelRatioF();
    const QImage shown = window.grab().toImage();
    const int top = qRound(window.Canvas()->y() * ratio);
    const QRect around =
        DeviceRect(QRectF(QPointF((col - 1) * 34, (row - 1) * 34), QSizeF(34, 34)), ratio);
    int frame = 0;
    for (int y = around.top(); y <= around.bottom(); ++y) {
        for (int x = around.left(); x <= around.right(); ++x) {
            frame += shown.pixel(x, top + y) == kCursor;
        }
    }
    return frame;
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
        QTest::newRow("screen scaled 1 to 2") << 1.0 << 2.0 << false << Told::All;
        QTest::newRow("screen scaled 2 to 1") << 2.0 << 1.0 << false << Told::All;
        QTest::newRow("screen scaled 1.75 to 1.25") << 1.75 << 1.25 << false << Told::All;
        // At 1.5 the menu bar must grow by a pixel, which only a window that heard of its
        // new scale does.
        QTest::newRow("screen scaled 2 to 1.5, told by its geometry")
            << 2.0 << 1.5 << false << Told::Geometry;
        QTest::newRow("screen scaled 1 to 1.5, told by its logical DPI")
            << 1.0 << 1.5 << false << Told::LogicalDpi;
        QTest::newRow("screen scaled 1.75 to 1.5, told by its physical DPI")
            << 1.75 << 1.5 << false << Told::PhysicalDpi;
        QTest::newRow("moved from 1 to 2") << 1.0 << 2.0 << true << Told::All;
        QTest::newRow("moved from 2 to 1") << 2.0 << 1.0 << true << Told::All;
        QTest::newRow("moved from 1.25 to 1.75") << 1.25 << 1.75 << true << Told::All;
    }

    void remadeAtTheNewRatio() {
        QFETCH(qreal, from);
        QFETCH(qreal, to);
        QFETCH(bool, moved);
        QFETCH(Told, told);
        const QImage fresh = FreshSurface(to); // before the window, with settings of its own
        SetScreens(from, moved ? to : from);
        WindowHarness h(false);
        QVERIFY(QTest::qWaitForWindowExposed(h.window.get()));
        QCOMPARE(h.window->devicePixelRatioF(), from);
        QCOMPARE(h.window->Surface().DevicePixelRatio(), from);
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
        QTRY_COMPARE(h.window->Surface().DevicePixelRatio(), to);

        // Drawn anew, and just as a game started at this ratio draws it.
        const QImage& surface = h.window->Surface().Image();
        QCOMPARE(surface.size(), QSize(qRound(CLIENT_WIDTH * to), qRound(CLIENT_HEIGHT * to)));
        for (int32_t i = 0; i < PIECE_IMAGES; ++i) {
            const QImage& piece = h.window->Surface().picPiece(i).Image();
            QCOMPARE(piece.devicePixelRatio(), to);
            QCOMPARE(piece, DrawPieceImage(i % PIECE_COLOURS, i >= PIECE_COLOURS, to));
        }
        QVERIFY(surface == fresh);

        // Nothing of the game is lost, and the window keeps its size and layout; only the menu
        // bar may take a pixel more or less, to fit the game area to the new device pixels.
        QCOMPARE(h.Facts(), facts);
        QCOMPARE(h.window->Canvas()->size(), QSize(CLIENT_WIDTH, CLIENT_HEIGHT));
        QTRY_COMPARE(h.window->size(), size + QSize(0, h.window->Canvas()->y() - menu));
        QVERIFY(qAbs(h.window->Canvas()->y() - menu) <= 16);
        QCOMPARE(h.window->Canvas()->findChild<QLabel*>()->pos(), label);

        // Shown one device pixel for one, with the keyboard cursor's frame at the new ratio.
        QTRY_VERIFY(!NotShown(*h.window));
        QVERIFY(FramePixels(*h.window, 5, 7) >= qFloor(4 * 30 * to * 2));

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
};

QTEST_MAIN(TestScaleChange)
#include "tst_scalechange.moc"
