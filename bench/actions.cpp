// The latency of each learner action through the real widgets (offscreen):
// from the click until its handler has run and the repaint is processed,
// over whole tests after a first one that warms the caches. Prints the
// median and the 99th percentile of each kind of action and of all of them.
//   bench_actions [TESTS]      (default 20 whole tests)

#include "content/biologytest.h"
#include "ui/program.h"
#include "ui/testwindowview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

class Timing
{
public:
    void clickRow(Program &program, const QString &kind, const QString &list, int row)
    {
        auto *view = program.view()->findChild<QListWidget *>(list);
        QListWidgetItem *item = view->item(row);
        view->scrollToItem(item);
        QCoreApplication::processEvents();
        const QPoint at = view->visualItemRect(item).center();
        measure(kind, [&] { QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at); });
    }

    void clickButton(Program &program, const QString &kind, int index)
    {
        auto *button = program.view()->findChild<QPushButton *>(u"Uprawl_"_s + QString::number(index));
        measure(kind, [&] { QTest::mouseClick(button, Qt::LeftButton); });
    }

    void report() const
    {
        QList<double> all;
        for (auto it = m_samples.cbegin(); it != m_samples.cend(); ++it) {
            print(it.key(), it.value());
            all += it.value();
        }
        print(u"all actions"_s, all);
    }

private:
    template<typename Action> void measure(const QString &kind, Action action)
    {
        QElapsedTimer timer;
        timer.start();
        action();
        QCoreApplication::processEvents(); // the repaint
        m_samples[kind] << double(timer.nsecsElapsed()) / 1e6;
    }

    static void print(const QString &kind, QList<double> samples)
    {
        std::sort(samples.begin(), samples.end());
        const double median = samples[samples.size() / 2];
        const double p99 = samples[std::min(samples.size() - 1, samples.size() * 99 / 100)];
        std::printf("%-22s %6lld actions  median %.3f ms  p99 %.3f ms\n", qPrintable(kind),
                    static_cast<long long>(samples.size()), median, p99);
    }

    QMap<QString, QList<double>> m_samples;
};

void wholeTest(Timing &timing, Program &program)
{
    const TestWindow &state = program.testWindow();
    for (int k = 0; k < 32; ++k) {
        timing.clickRow(program, u"select left"_s, u"Slowo_0"_s, 0);
        timing.clickRow(program, u"select right"_s, u"Slowo_1"_s, state.Slowo[1].count() - 1);
        timing.clickButton(program, u"Избрах"_s, 0);
    }
    for (int a : {3, 10, 20}) {
        timing.clickRow(program, u"select answer"_s, u"Slowo_2"_s, a);
        timing.clickButton(program, u"Върни"_s, 1);
    }
    timing.clickButton(program, u"Оцени"_s, 2);
    for (int a = 1; a < state.Slowo[2].count(); ++a)
        timing.clickRow(program, u"select answer"_s, u"Slowo_2"_s, a);
    timing.clickButton(program, u"Обясни"_s, 3);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int tests = argc > 1 ? QByteArray(argv[1]).toInt() : 20;
    // The first test fills the caches (glyphs, styles) and is not counted.
    Timing timing;
    for (int i = -1; i < tests; ++i) {
        Program program(biologyTest());
        if (!program.start() || !QTest::qWaitForWindowExposed(program.view()))
            return 1;
        Timing warmUp;
        wholeTest(i < 0 ? warmUp : timing, program);
    }
    timing.report();
    return 0;
}
