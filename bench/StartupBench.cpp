// Times launches to the first painted window: the program (with a settings
// store of its own) against the minimal Qt window, alternating, many runs each.
// Usage: bench_startup [runs]   (medians and the ratio on standard output)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double launchMs(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer elapsed;
    elapsed.start();
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return -1.0;
    return double(elapsed.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 15;
    const QString folder = QCoreApplication::applicationDirPath();
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TALV_EXIT_AFTER_FIRST_PAINT"), QStringLiteral("1"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    environment.insert(QStringLiteral("HOME"), home.path());
    if (!environment.contains(QStringLiteral("DISPLAY")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    const QString program = folder + QStringLiteral("/talvstats");
    const QString minimal = folder + QStringLiteral("/bench_minimal_window");
    const QStringList programArguments{QStringLiteral("--nosplash")};
    // One run each first: the first start writes the settings and warms the caches.
    launchMs(program, programArguments, environment);
    launchMs(minimal, {}, environment);

    std::vector<double> programTimes, minimalTimes;
    for (int i = 0; i < runs; ++i) {
        const double p = launchMs(program, programArguments, environment);
        const double m = launchMs(minimal, {}, environment);
        if (p < 0 || m < 0) {
            std::fprintf(stderr, "a launch failed\n");
            return 1;
        }
        programTimes.push_back(p);
        minimalTimes.push_back(m);
    }
    const double p = median(programTimes), m = median(minimalTimes);
    std::printf("runs %d (%s)\n", runs,
                qPrintable(environment.value(QStringLiteral("QT_QPA_PLATFORM"),
                                             QStringLiteral("display"))));
    std::printf("program to first painted main window: median %.1f ms\n", p);
    std::printf("minimal Qt window:                    median %.1f ms\n", m);
    std::printf("ratio %.2f\n", p / m);
    return 0;
}
