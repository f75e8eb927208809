// Start-up: the program to its login window beside a bare Qt Widgets program that shows one
// window, each as a whole process started afresh (offscreen), alternately, with the probe that
// ends it once its first window is painted. Usage: bench_startup [rounds]
#include "bench/BenchTiming.h"

#include <QCoreApplication>
#include <QProcess>
#include <cstdio>

namespace {

struct StartUps {
    QList<qint64> nanoseconds;
    int libraries = 0;
};

void startUntilShown(const QString& program, StartUps& startUps) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(VELARNO_STARTUP_PROBE));
    QProcess process;
    process.setProcessEnvironment(environment);
    const qint64 nanoseconds = timed([&] {
        process.start(program, {});
        process.waitForFinished(30000);
    });
    const int libraries = process.readAllStandardOutput().trimmed().toInt();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 || libraries <= 0)
        qFatal("%s did not show its window", qPrintable(program));
    startUps.nanoseconds.append(nanoseconds);
    startUps.libraries = libraries;
}

void report(const char* what, const StartUps& startUps) {
    std::printf("%-34s %7.1f ms  %3d shared libraries\n", what,
                medianMilliseconds(startUps.nanoseconds), startUps.libraries);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int rounds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 15;
    const QString bare = QStringLiteral(VELARNO_BARE_WINDOW);
    const QString program = QStringLiteral(VELARNO_PROGRAM);
    StartUps bareStarts, programStarts;
    startUntilShown(bare, bareStarts); // both once, so that their files are in the disk cache
    startUntilShown(program, programStarts);
    bareStarts = {};
    programStarts = {};
    for (int round = 0; round < rounds; ++round) {
        startUntilShown(bare, bareStarts);
        startUntilShown(program, programStarts);
    }
    std::printf("Median of %d starts each, to the first window painted:\n", rounds);
    report("bare Qt Widgets window", bareStarts);
    report("Velarno to its login window", programStarts);
    std::printf("ratio %.2fx\n", medianMilliseconds(programStarts.nanoseconds) /
                                     medianMilliseconds(bareStarts.nanoseconds));
    return 0;
}
