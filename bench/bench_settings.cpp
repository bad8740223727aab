#include "support/Fakes.h"

#include <benchmark/benchmark.h>

namespace {

// The game's own file: its options and a full High Score table, as the game leaves them.
void StoreOrdinaryFile() {
    IsolatedSettings::WriteScores(QList<int>{900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
    IsolatedSettings::Write(Stored::Key::Sounds, QStringLiteral("on"));
    IsolatedSettings::Write(Stored::Key::Zoom, QStringLiteral("150"));
}

// Another program's settings in the same file: 120,000 keys in a section of its own, about
// 3.4 MB.
QByteArray ForeignSection() {
    QByteArray text = "[Another%20Program]\n";
    for (int i = 0; i < 120000; ++i) {
        const QByteArray number = QByteArray::number(i).rightJustified(6, '0');
        text += "Key" + number + "=Value " + number + " kept\n";
    }
    return text;
}

// One option saved again and again, as the game saves it when the player switches it.
void MeasureSave(benchmark::State& state, const QByteArray& foreign) {
    const IsolatedSettings settings;
    StoreOrdinaryFile();
    QFile file(settings.File());
    if (!file.open(QIODevice::Append) || file.write(foreign) != foreign.size()) {
        state.SkipWithError("the file could not be made");
        return;
    }
    file.close();
    bool on = false;
    for (auto _ : state) {
        on = !on;
        if (!Stored::WriteSwitch(Stored::Key::Sounds, on)) {
            state.SkipWithError("a save failed");
            return;
        }
    }
    if (!settings.Bytes().contains(foreign)) {
        state.SkipWithError("the other program's settings were not kept");
    }
    state.counters["file kB"] = static_cast<double>(settings.Bytes().size()) / 1000.0;
}

} // namespace

static void BM_Save_OrdinaryFile(benchmark::State& state) {
    MeasureSave(state, QByteArray());
}
BENCHMARK(BM_Save_OrdinaryFile)->Unit(benchmark::kMillisecond);

static void BM_Save_HugeForeignSection(benchmark::State& state) {
    MeasureSave(state, ForeignSection());
}
BENCHMARK(BM_Save_HugeForeignSection)->Unit(benchmark::kMillisecond);
