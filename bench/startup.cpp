// Start-up cost: from process start to the first painted frame of the test
// window, against a bare Qt window of the same size, all on the offscreen
// platform, alternated in one run. Prints the medians of wall time and of
// peak memory, and their ratios. A bare window draws no text and so never
// starts Qt's font database; a third window, bare but for one line of text
// in the layouts' font, shows what of the difference is that start.
//   bench_startup [RUNS]      (default 20 of each)

#include "content/biologytest.h"
#include "ui/program.h"
#include "ui/testwindowview.h"

#include <QApplication>
#include <QLabel>
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

enum class Window { Program, Bare, BareWithText };

int child(int argc, char *argv[], Window window, qint64 started)
{
    QApplication app(argc, argv);
    FirstPaint firstPaint(started);
    std::unique_ptr<Program> vomar;
    std::unique_ptr<QWidget> bare;
    if (window == Window::Program) {
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
        if (window == Window::BareWithText) {
            auto *text = new QLabel(QStringLiteral("Vomar"), bare.get());
            text->setFont(QFont(QStringLiteral("Times New Roman"), 12));
        }
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
    if (argc == 4 && qstrcmp(argv[1], "--child") == 0) {
        const QByteArray mode = argv[2];
        const Window window = mode == "program" ? Window::Program : mode == "bare" ? Window::Bare : Window::BareWithText;
        return child(argc, argv, window, QByteArray(argv[3]).toLongLong());
    }

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 20;
    const QStringList modes = {QStringLiteral("program"), QStringLiteral("bare"), QStringLiteral("bare-text")};
    QList<QList<double>> times(modes.size()), memory(modes.size());
    runChild(modes[0]); // warms the file caches
    for (int i = 0; i < runs; ++i)
        for (qsizetype m = 0; m < modes.size(); ++m) {
            const Sample sample = runChild(modes[m]);
            times[m] << sample.milliseconds;
            memory[m] << sample.megabytes;
        }
    const double pt = median(times[0]), bt = median(times[1]), tt = median(times[2]);
    const double pm = median(memory[0]), bm = median(memory[1]), tm = median(memory[2]);
    std::printf("start-up to first frame, median of %d runs: test window %.1f ms; bare window %.1f ms (ratio %.2f); "
                "bare window with text %.1f ms (ratio %.2f)\n",
                runs, pt, bt, pt / bt, tt, pt / tt);
    std::printf("peak memory, median of %d runs: test window %.1f MiB; bare window %.1f MiB (ratio %.2f); "
                "bare window with text %.1f MiB (ratio %.2f)\n",
                runs, pm, bm, pm / bm, tm, pm / tm);
    return 0;
}
