#include "GameFixtures.h"
#include "support/WindowHarness.h"

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
    // A screen reader listens: Qt hands it every event, here to a handler that drops them.
    const QAccessible::UpdateHandler previous =
        by == By::KeyboardWithScreenReader
            ? QAccessible::installUpdateHandler([](QAccessibleEvent*) {})
            : nullptr;
    QAccessible::setActive(by == By::KeyboardWithScreenReader);
    GameArea* area = h.window->Canvas();
    const QPointF target(2 * 34 + 17, 4 * 34 + 17);
    for (auto _ : state) {
        state.PauseTiming();
        LayOut(h.probe().Board(), NoRun());
        h.probe().Board().BuildRoutes();
        h.probe().NextColours() = {6, 6, 6};
        h.Click(10, 10);
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
    QAccessible::setActive(false);
    QAccessible::installUpdateHandler(previous);
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
