// Start-up benchmark: runs Orbet and a bare window of the same size, alternately, each many
// times from a fresh process, and compares the time from main to the first painted frame and
// the peak memory; then Orbet in German against Orbet in English, which shows what loading the
// catalogues costs. Usage: orbet_startup_bench [RUNS]

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Sample {
    double milliseconds;
    double megabytes;
};

bool Run(const QString& program, const QProcessEnvironment& environment, Sample& sample) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, {});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return false;
    }
    const QList<QByteArray> fields = process.readAllStandardOutput().trimmed().split(' ');
    sample = {fields.value(0).toDouble() / 1000.0, fields.value(1).toDouble() / 1024.0};
    return fields.size() == 2;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 21;
    const QString folder = QCoreApplication::applicationDirPath();
    QTemporaryDir home; // never the user's own settings
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")) &&
        !environment.contains(QStringLiteral("DISPLAY"))) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }

    std::vector<double> orbetTimes, bareTimes, orbetMemory, bareMemory;
    for (int i = 0; i < runs; ++i) {
        Sample orbet{}, bare{};
        if (!Run(folder + QStringLiteral("/orbet_startup_probe"), environment, orbet) ||
            !Run(folder + QStringLiteral("/orbet_startup_bare"), environment, bare)) {
            std::fprintf(stderr, "a probe failed to report its first frame\n");
            return 1;
        }
        orbetTimes.push_back(orbet.milliseconds);
        bareTimes.push_back(bare.milliseconds);
        orbetMemory.push_back(orbet.megabytes);
        bareMemory.push_back(bare.megabytes);
    }
    const double orbet = Median(orbetTimes);
    const double bare = Median(bareTimes);
    std::printf("platform: %s, %d runs each, medians\n",
                qPrintable(environment.value(QStringLiteral("QT_QPA_PLATFORM"), "default")), runs);
    std::printf("%-12s %10s %12s\n", "window", "first frame", "peak memory");
    std::printf("%-12s %8.1f ms %9.1f MiB\n", "bare", bare, Median(bareMemory));
    std::printf("%-12s %8.1f ms %9.1f MiB\n", "orbet", orbet, Median(orbetMemory));
    std::printf("ratio        %8.2f    (target: at most 1.25)\n", orbet / bare);

    // The same program in two languages, alternately: English loads only its plural forms,
    // German its own catalogue and Qt's.
    std::vector<double> english, german;
    for (int i = 0; i < runs; ++i) {
        for (const auto& [language, times] :
             {std::pair{"en_US", &english}, std::pair{"de_DE", &german}}) {
            QProcessEnvironment speaking = environment;
            speaking.insert(QStringLiteral("LANGUAGE"), QString::fromLatin1(language).left(2));
            speaking.insert(QStringLiteral("LANG"), QString::fromLatin1(language) + ".UTF-8");
            Sample sample{};
            if (!Run(folder + QStringLiteral("/orbet_startup_probe"), speaking, sample)) {
                std::fprintf(stderr, "a probe failed to report its first frame\n");
                return 1;
            }
            times->push_back(sample.milliseconds);
        }
    }
    std::printf("%-12s %8.1f ms\n%-12s %8.1f ms\n", "in English", Median(english), "in German",
                Median(german));
    std::printf("catalogues  %+8.1f ms (target: at most 5)\n", Median(german) - Median(english));
    return 0;
}
