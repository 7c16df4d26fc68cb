#include "content/biologytest.h"
#include "testsupport.h"

#include <QTest>

using namespace Qt::StringLiterals;
using TestSupport::Pairs;
using TestSupport::recordNumbers;
using TestSupport::started;
using enum TestSupport::Button;

namespace {

// `right` correct pairs (k, k), then `wrong` (not 1) pairs whose partners
// are shifted by one.
Pairs answers(int right, int wrong)
{
    Pairs pairs;
    for (int k = 1; k <= right; ++k)
        pairs << qMakePair(k, k);
    for (int i = 0; i < wrong; ++i)
        pairs << qMakePair(right + 1 + i, right + 1 + (i + 1) % wrong);
    return pairs;
}

void mark(TestWindow &window)
{
    window.Uprawl_Click(Evaluate);
}

} // namespace

class MarkingTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void markOfTheBuiltInTest_data();
    void markOfTheBuiltInTest();
    void stateAfterMarking();
    void markedTestStaysMarked();
    void verdictWhileAnswering();
    void rightPhraseKeepsThePicture();
    void unequalListsCreditExactlyTheEqualPairs_data();
    void unequalListsCreditExactlyTheEqualPairs();
};

void MarkingTest::markOfTheBuiltInTest_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<QString>("caption");
    const Pairs table = {{0, 0},   {1, 3},   {4, 12},  {5, 27},  {12, 20},
                                          {20, 12}, {24, 0},  {28, 4},  {31, 0},  {32, 0}};
    const QStringList marks = {u"0"_s, u"3"_s, u"12"_s, u"16"_s, u"38"_s,
                               u"62"_s, u"75"_s, u"88"_s, u"97"_s, u"100"_s};
    for (qsizetype i = 0; i < table.size(); ++i) {
        const auto [right, wrong] = table[i];
        QTest::addRow("%d_right_of_%d", right, right + wrong) << right << wrong << u"Верни: "_s + marks[i] + u"%"_s;
    }
}

void MarkingTest::markOfTheBuiltInTest()
{
    QFETCH(int, right);
    QFETCH(int, wrong);
    QFETCH(QString, caption);
    const auto window = started(biologyTest());
    recordNumbers(*window, answers(right, wrong));
    if (right + wrong == 0)
        recordNumbers(*window, {{1, 2}});
    QCOMPARE(window->Slowo[2].count(), qMax(1, right + wrong));
    mark(*window);
    QCOMPARE(window->Correct_Count, right);
    QCOMPARE(window->Ndapis.text(), caption);
}

void MarkingTest::stateAfterMarking()
{
    const auto window = started(biologyTest());
    TestWindow &w = *window;
    recordNumbers(w, {{2, 3}, {1, 1}});
    w.Prowerka[0].setText(u"указания"_s);
    mark(w);
    QCOMPARE(w.Slowo[2].currentIndex(), 0);
    QVERIFY(w.Prowerka[1].isVisible());
    QCOMPARE(w.Prowerka[1].text(), u"НЕ"_s);
    QCOMPARE(w.Prowerka[1].background(), std::optional<Colour>(255));
    QCOMPARE(w.Prowerka[0].text(), QString());
    QCOMPARE(w.Picture_Number, 2);
    QVERIFY(w.Grafika[0].picture().isEmpty());
    QVERIFY(!w.Uprawl[Record].isEnabled());
    QVERIFY(!w.Uprawl[Withdraw].isEnabled());
    QVERIFY(!w.Uprawl[Evaluate].isEnabled());
    QVERIFY(w.Uprawl[Explain].isEnabled());

    w.Slowo[2].setCurrentIndex(1);
    QCOMPARE(w.Prowerka[1].text(), u"ДА"_s);
    QCOMPARE(w.Prowerka[1].background(), std::optional<Colour>(65280));
    QCOMPARE(w.Picture_Number, 1);
}

void MarkingTest::markedTestStaysMarked()
{
    const auto window = started(biologyTest());
    TestWindow &w = *window;
    recordNumbers(w, {{1, 1}, {2, 2}, {3, 4}});
    mark(w);
    const QStringList answersShown = w.Slowo[2].items();
    for (qint16 button : {Record, Withdraw, Evaluate, Explain, Record, Withdraw, Explain}) {
        w.Slowo[0].setCurrentIndex(3);
        w.Slowo[1].setCurrentIndex(3);
        w.Slowo[2].setCurrentIndex(2);
        w.pressButton(button);
        QCOMPARE(w.Slowo[2].items(), answersShown);
        QCOMPARE(w.Ndapis.text(), u"Верни: 6%"_s);
        QCOMPARE(w.Correct_Count, 2);
        QVERIFY(!w.Uprawl[Evaluate].isEnabled());
        QVERIFY(!w.Uprawl[Record].isEnabled());
    }
}

void MarkingTest::verdictWhileAnswering()
{
    const auto window = started(biologyTest());
    TestWindow &w = *window;
    recordNumbers(w, {{7, 7}});
    w.Slowo[2].setCurrentIndex(0);
    QCOMPARE(w.Prowerka[0].text(), QString());
    QCOMPARE(w.Prowerka[1].text(), u"ДА"_s);
    QVERIFY(!w.Prowerka[1].isVisible());
}

void MarkingTest::rightPhraseKeepsThePicture()
{
    const auto window = started(biologyTest());
    const qint16 before = window->Picture_Number;
    window->Slowo[1].setCurrentIndex(5);
    QCOMPARE(window->Picture_Number, before);
    QCOMPARE(window->dum_N[1].currentIndex(), 5);
}

void MarkingTest::unequalListsCreditExactlyTheEqualPairs_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<Pairs>("pairs");
    QTest::addColumn<int>("correct");
    // The pair count is 3; (1, 1) is right, and so is (3, 3).
    QTest::newRow("longer_left_first_pair") << 4 << 3 << Pairs{{1, 1}} << 1;
    QTest::newRow("longer_left_wrapped_pair") << 4 << 3 << Pairs{{4, 1}} << 0;
    QTest::newRow("longer_right_wrapped_pair") << 3 << 4 << Pairs{{1, 4}} << 0;
    QTest::newRow("longer_right_all") << 3 << 4 << Pairs{{1, 1}, {2, 2}, {3, 3}} << 3;
    QTest::newRow("extra_phrase_paired_with_itself") << 3 << 5 << Pairs{{3, 3}, {1, 4}} << 1;
}

void MarkingTest::unequalListsCreditExactlyTheEqualPairs()
{
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(Pairs, pairs);
    QFETCH(int, correct);
    const auto window = started(TestSupport::numberedTest(left, right));
    recordNumbers(*window, pairs);
    mark(*window);
    QCOMPARE(window->Correct_Count, correct);
    // The verdict box judges the same way.
    int rightVerdicts = 0;
    for (int a = 0; a < window->Slowo[2].count(); ++a) {
        window->Slowo[2].setCurrentIndex(a);
        rightVerdicts += window->Prowerka[1].text() == u"ДА"_s;
    }
    QCOMPARE(rightVerdicts, correct);
}

QTEST_GUILESS_MAIN(MarkingTest)
#include "tst_marking.moc"
