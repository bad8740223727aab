#include "WindowTurn.h"
#include "support/Screens.h"

#include <QElapsedTimer>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

// The game at its largest on a screen of scale 2, where the surface is drawn at ratio 6
// (2778 x 2034 device pixels): a step of the zoom to there, and a turn played there, each with
// the frame that follows, as the event loop paints it into the window's own buffer. The turn at
// 100% on the same screen, at ratio 2, is the one to compare with.
namespace {

// Counts the paints a widget gets.
class Paints : public QObject {
public:
    explicit Paints(QWidget& widget) { widget.installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

void OnScreenOfScale2() {
    SetScreens(2, 2, QSize(4000, 3000));
}

// What the surface and its piece images hold at the zoom shown, in bytes.
double SurfaceBytes(WindowHarness& h) {
    double bytes = static_cast<double>(h.window->Surface().Image().sizeInBytes());
    for (int32_t i = 0; i < PIECE_IMAGES; ++i) {
        bytes += static_cast<double>(h.window->Surface().picPiece(i).Image().sizeInBytes());
    }
    return bytes;
}

void MeasureTurn(benchmark::State& state, const QString& zoom) {
    OnScreenOfScale2();
    WindowHarness h(false);
    if (!QTest::qWaitForWindowExposed(h.window.get())) {
        state.SkipWithError("the window did not show");
        return;
    }
    h.Action(zoom)->trigger();
    GameArea* area = h.window->Canvas();
    const Paints painted(*area);
    const QPointF target = QPointF(2 * 34 + 17, 4 * 34 + 17) * area->Zoom();
    for (auto _ : state) {
        state.PauseTiming();
        TakeUpForATurn(h);
        QCoreApplication::sendPostedEvents();
        state.ResumeTiming();
        QMouseEvent press(QEvent::MouseButtonPress, target, area->mapToGlobal(target),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(area, &press);
        QCoreApplication::sendPostedEvents(); // the frame: what the turn drew, painted
    }
    if (painted.count < static_cast<int>(state.iterations())) {
        state.SkipWithError("the area was not painted");
    }
    state.counters["ratio"] = h.window->Surface().DevicePixelRatio();
    state.counters["surface_MB"] = SurfaceBytes(h) / 1e6;
    if (h.probe().Board().PopulatedPieceCount() != 43 + 3) {
        state.SkipWithError("the turn did not do what this benchmark measures");
    }
}

} // namespace

static void BM_ZoomTo300_OnScale2(benchmark::State& state) {
    OnScreenOfScale2();
    WindowHarness h(false);
    if (!QTest::qWaitForWindowExposed(h.window.get())) {
        state.SkipWithError("the window did not show");
        return;
    }
    LayOut(h.probe().Board(), NoRun());
    QAction* largest = h.Action(QStringLiteral("300%"));
    QAction* none = h.Action(QStringLiteral("100%"));
    // From the choice to the end of the first paint of the whole area at the new size; what
    // comes after that frame (the choice stored) is left out.
    QElapsedTimer clock;
    double drawn = 0;
    QObject::connect(h.window->Canvas(), &GameArea::Painted, [&] {
        if (clock.isValid()) {
            drawn = static_cast<double>(clock.nsecsElapsed()) / 1e9;
            clock.invalidate();
        }
    });
    for (auto _ : state) {
        clock.invalidate();
        none->trigger();
        QCoreApplication::sendPostedEvents();
        drawn = 0;
        clock.start();
        largest->trigger();
        QCoreApplication::sendPostedEvents();
        if (drawn == 0) {
            state.SkipWithError("the area was not painted");
            return;
        }
        state.SetIterationTime(drawn);
    }
    state.counters["ratio"] = h.window->Surface().DevicePixelRatio();
    state.counters["surface_MB"] = SurfaceBytes(h) / 1e6;
}
BENCHMARK(BM_ZoomTo300_OnScale2)->UseManualTime()->Unit(benchmark::kMillisecond);

static void BM_Turn_At100_OnScale2(benchmark::State& state) {
    MeasureTurn(state, QStringLiteral("100%"));
}
BENCHMARK(BM_Turn_At100_OnScale2)->Unit(benchmark::kMicrosecond);

static void BM_Turn_At300_OnScale2(benchmark::State& state) {
    MeasureTurn(state, QStringLiteral("300%"));
}
BENCHMARK(BM_Turn_At300_OnScale2)->Unit(benchmark::kMicrosecond);
