#include "WindowTurn.h"
#include "support/ScreenReader.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

// One turn played on the window, as a player gives it: the press reaches the game area as a
// window event, and the engine moves, adds pieces and draws. By mouse and by keyboard, the
// keyboard's cursor already standing on the target cell.
namespace {

enum class By { Mouse, Keyboard, KeyboardWithScreenReader };

void MeasureTurn(benchmark::State& state, By by) {
    WindowHarness h(false);
    // A screen reader listens, or none does. Qt hands a listener every event, here to a
    // handler that drops them.
    const bool listening = by == By::KeyboardWithScreenReader;
    ScreenReaderListening(listening);
    if (listening && !QAccessible::isActive()) {
        state.SkipWithError("needs Qt's bridge to screen readers: run the benchmark with "
                            "tests/support/on_accessibility_bus.sh");
        return;
    }
    const QAccessible::UpdateHandler previous =
        QAccessible::installUpdateHandler([](QAccessibleEvent*) {});
    GameArea* area = h.window->Canvas();
    const QPointF target(2 * 34 + 17, 4 * 34 + 17);
    for (auto _ : state) {
        state.PauseTiming();
        TakeUpForATurn(h);
        area->setCursorCell(by == By::Mouse ? std::nullopt : std::optional(CellIndex(3, 5)));
        state.ResumeTiming();
        if (by == By::Mouse) {
            QMouseEvent press(QEvent::MouseButtonPress, target, area->mapToGlobal(target),
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(area, &press);
        } else {
            QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QApplication::sendEvent(area, &space);
        }
    }
    QAccessible::installUpdateHandler(previous);
    ScreenReaderListening(true);
    if (h.probe().Board().PopulatedPieceCount() != 43 + 3) {
        state.SkipWithError("the turn did not do what this benchmark measures");
    }
}

} // namespace

static void BM_Turn_ByMouse(benchmark::State& state) {
    MeasureTurn(state, By::Mouse);
}
BENCHMARK(BM_Turn_ByMouse)->Unit(benchmark::kMicrosecond);

static void BM_Turn_ByKeyboard(benchmark::State& state) {
    MeasureTurn(state, By::Keyboard);
}
BENCHMARK(BM_Turn_ByKeyboard)->Unit(benchmark::kMicrosecond);

static void BM_Turn_ByKeyboard_ScreenReaderListening(benchmark::State& state) {
    MeasureTurn(state, By::KeyboardWithScreenReader);
}
BENCHMARK(BM_Turn_ByKeyboard_ScreenReaderListening)->Unit(benchmark::kMicrosecond);
