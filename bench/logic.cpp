// The logic alone: one whole test, from start-up to the last verdict, with
// no widgets.

#include "content/biologytest.h"
#include "testsupport.h"

#include <QTest>

class LogicBenchmark : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wholeTest();
};

void LogicBenchmark::wholeTest()
{
    int marks = 0;
    QBENCHMARK {
        TestWindow window(biologyTest(), TestSupport::bulgarian());
        window.Form_Load();
        for (int k = 0; k < 32; ++k) {
            window.Slowo[0].setCurrentIndex(0);
            window.Slowo[1].setCurrentIndex(window.Slowo[1].count() - 1);
            window.pressButton(TestSupport::Record);
        }
        for (int a : {3, 10, 20}) {
            window.Slowo[2].setCurrentIndex(a);
            window.pressButton(TestSupport::Withdraw);
        }
        window.pressButton(TestSupport::Evaluate);
        for (int a = 1; a < window.Slowo[2].count(); ++a)
            window.Slowo[2].setCurrentIndex(a);
        marks += window.Ndapis.text().startsWith(QStringLiteral("Верни: "));
    }
    QVERIFY(marks > 0);
}

QTEST_GUILESS_MAIN(LogicBenchmark)
#include "logic.moc"
