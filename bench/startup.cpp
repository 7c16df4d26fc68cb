// Start-up cost: from process start to the first painted frame of the test
// window, against a bare Qt window of the same size, both on the offscreen
// platform, alternated in one run. Prints the medians of wall time and of
// peak memory, and their ratios.
//   bench_startup [RUNS]      (default 20 of each)

#include "content/biologytest.h"
#include "ui/program.h"
#include "ui/testwindowview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

qint64 monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Reports, at the first paint of the window, the time since `started` and
// the peak memory, and ends the process at once.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(qint64 started) : m_started(started) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // After the whole frame, of which this is the first widget.
            QTimer::singleShot(0, this, [this] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("%lld %ld\n", static_cast<long long>(monotonicNanoseconds() - m_started), usage.ru_maxrss);
                std::fflush(stdout);
                _exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    qint64 m_started;
    bool m_seen = false;
};

int child(int argc, char *argv[], bool program, qint64 started)
{
    QApplication app(argc, argv);
    FirstPaint firstPaint(started);
    std::unique_ptr<Program> vomar;
    std::unique_ptr<QWidget> bare;
    if (program) {
        vomar = std::make_unique<Program>(biologyTest());
        if (!vomar->start())
            return 1;
        // Shown, but not painted before the event loop runs.
        vomar->view()->installEventFilter(&firstPaint);
    } else {
        bare = std::make_unique<QWidget>();
        bare->installEventFilter(&firstPaint);
        // The size of the test window's client area and menu bar at 96 dpi.
        bare->setFixedSize(742, 492);
        bare->show();
    }
    return QApplication::exec();
}

struct Sample
{
    double milliseconds;
    double megabytes;
};

Sample runChild(const QString &mode)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    const qint64 started = monotonicNanoseconds();
    process.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--child"), mode, QString::number(started)});
    process.waitForFinished(60000);
    const QList<QByteArray> fields = process.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 2)
        qFatal("child %s printed no figures", qPrintable(mode));
    return {fields[0].toDouble() / 1e6, fields[1].toDouble() / 1024.0};
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 4 && qstrcmp(argv[1], "--child") == 0)
        return child(argc, argv, qstrcmp(argv[2], "program") == 0, QByteArray(argv[3]).toLongLong());

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 20;
    QList<double> programTime, bareTime, programMemory, bareMemory;
    runChild(QStringLiteral("program")); // warms the file caches
    for (int i = 0; i < runs; ++i) {
        const Sample p = runChild(QStringLiteral("program"));
        const Sample b = runChild(QStringLiteral("bare"));
        programTime << p.milliseconds;
        programMemory << p.megabytes;
        bareTime << b.milliseconds;
        bareMemory << b.megabytes;
    }
    const double pt = median(programTime), bt = median(bareTime);
    const double pm = median(programMemory), bm = median(bareMemory);
    std::printf("start-up to first frame, median of %d: test window %.1f ms, bare window %.1f ms, ratio %.3f\n",
                runs, pt, bt, pt / bt);
    std::printf("peak memory, median of %d: test window %.1f MiB, bare window %.1f MiB, ratio %.3f\n", runs, pm, bm,
                pm / bm);
    return 0;
}
