#include "content/biologytest.h"
#include "testsupport.h"

#include <QTest>

using namespace Qt::StringLiterals;
using TestSupport::brokenInvariant;
using TestSupport::Pairs;
using TestSupport::record;
using TestSupport::recordNumbers;
using TestSupport::rowOf;
using TestSupport::started;
using enum TestSupport::Button;

namespace {

Pairs correctPairs(int count)
{
    Pairs pairs;
    for (int k = 1; k <= count; ++k)
        pairs << qMakePair(k, k);
    return pairs;
}

} // namespace

class AnswerEntryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recordingMovesBothPhrasesIntoAnAnswer();
    void recordingNeedsBothSelections();
    void answerTextHidesWherePhrasesEnd();
    void remainingCounterOfUnequalLists();
    void evaluateButtonFollowsTheStateBeforeTheClick_data();
    void evaluateButtonFollowsTheStateBeforeTheClick();
    void evaluateWithoutAnswersDoesNothing();
    void disabledButtonCannotBePressed();
    void withdrawalSelectsTheNextAnswer_data();
    void withdrawalSelectsTheNextAnswer();
    void withdrawalPutsPhrasesBack();
    void withdrawalNeedsASelectedAnswer();
};

void AnswerEntryTest::recordingMovesBothPhrasesIntoAnAnswer()
{
    const auto window = started(biologyTest());
    TestWindow &w = *window;
    record(w, u"артрит"_s, u"поражение/възпаление на ставите"_s);
    QCOMPARE(w.Slowo[2].items(), QStringList{u"артрит поражение/възпаление на ставите"_s});
    QCOMPARE(w.dum_N[2].items(), QStringList{u"1"_s});
    QCOMPARE(w.dum_N[3].items(), QStringList{u"1"_s});
    QCOMPARE(rowOf(w.Slowo[0], u"артрит"_s), -1);
    QCOMPARE(w.Slowo[0].currentIndex(), -1);
    QCOMPARE(w.Slowo[1].currentIndex(), -1);
    QCOMPARE(w.Slowo[2].currentIndex(), -1);
    QCOMPARE(w.Ndapis.text(), u"Остават: 31"_s);
    QVERIFY(brokenInvariant(w).isEmpty());

    Pairs rest = correctPairs(32);
    rest.removeFirst();
    recordNumbers(w, rest);
    QCOMPARE(w.Slowo[2].count(), 32);
    QCOMPARE(w.Slowo[0].count(), 0);
    QCOMPARE(w.Slowo[1].count(), 0);
    QCOMPARE(w.Ndapis.text(), u"Остават: 0"_s);
    QVERIFY(brokenInvariant(w).isEmpty());
}

void AnswerEntryTest::recordingNeedsBothSelections()
{
    const auto window = started(biologyTest());
    TestWindow &w = *window;
    w.pressButton(Record);
    QCOMPARE(w.Slowo[2].count(), 1);
    // Neither list has a selection now; selecting on one side is not enough.
    w.pressButton(Record);
    w.Slowo[0].setCurrentIndex(0);
    w.pressButton(Record);
    QCOMPARE(w.Slowo[2].count(), 1);
    QCOMPARE(w.Slowo[0].count(), 31);
    QCOMPARE(w.Slowo[1].count(), 31);
    QVERIFY(brokenInvariant(w).isEmpty());
}

void AnswerEntryTest::answerTextHidesWherePhrasesEnd()
{
    const auto window = started(biologyTest());
    record(*window, u"анорексия нервоза"_s, u"оток на гърба на стъпалата"_s);
    QCOMPARE(window->Slowo[2].item(0), u"анорексия нервоза оток на гърба на стъпалата"_s);
    QCOMPARE(window->dum_N[2].item(0), u"23"_s);
    QCOMPARE(window->dum_N[3].item(0), u"21"_s);
    record(*window, u"адипозитас "_s, u"затлъстяване"_s);
    QCOMPARE(window->Slowo[2].item(1), u"адипозитас  затлъстяване"_s);
}

void AnswerEntryTest::remainingCounterOfUnequalLists()
{
    const auto window = started(TestSupport::numberedTest(10, 12));
    recordNumbers(*window, correctPairs(10));
    QCOMPARE(window->Slowo[0].count(), 0);
    QCOMPARE(window->Slowo[1].count(), 2);
    QCOMPARE(window->Ndapis.text(), u"Остават: 0"_s);
}

void AnswerEntryTest::evaluateButtonFollowsTheStateBeforeTheClick_data()
{
    QTest::addColumn<int>("answers");
    QTest::addColumn<bool>("enabledAfterRecording");
    QTest::addColumn<bool>("enabledAfterNextClick");
    QTest::newRow("23_answers_9_left") << 23 << false << false;
    QTest::newRow("24_answers_8_left") << 24 << false << true;
    QTest::newRow("all_answers") << 32 << true << true;
}

void AnswerEntryTest::evaluateButtonFollowsTheStateBeforeTheClick()
{
    QFETCH(int, answers);
    QFETCH(bool, enabledAfterRecording);
    QFETCH(bool, enabledAfterNextClick);
    const auto window = started(biologyTest());
    recordNumbers(*window, correctPairs(answers));
    // Each recording ran the rule on the state before it recorded.
    QCOMPARE(window->Uprawl[Evaluate].isEnabled(), enabledAfterRecording);
    window->pressButton(Withdraw); // nothing selected: only the rule runs
    QCOMPARE(window->Slowo[2].count(), answers);
    QCOMPARE(window->Uprawl[Evaluate].isEnabled(), enabledAfterNextClick);
}

void AnswerEntryTest::evaluateWithoutAnswersDoesNothing()
{
    const auto window = started(TestSupport::numberedTest(3, 0));
    QVERIFY(window->Uprawl[Evaluate].isEnabled());
    window->pressButton(Evaluate);
    QCOMPARE(window->Ndapis.text(), u"Оставащи:"_s);
    QVERIFY(window->Uprawl[Record].isEnabled());
    QVERIFY(!window->Prowerka[1].isVisible());
}

void AnswerEntryTest::disabledButtonCannotBePressed()
{
    const auto window = started(biologyTest());
    recordNumbers(*window, correctPairs(2));
    window->Slowo[2].setCurrentIndex(0);
    window->pressButton(Evaluate);
    QCOMPARE(window->Ndapis.text(), u"Остават: 30"_s);
    QVERIFY(window->Uprawl[Record].isEnabled());
}

void AnswerEntryTest::withdrawalSelectsTheNextAnswer_data()
{
    QTest::addColumn<int>("answers");
    QTest::addColumn<int>("withdrawn");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<int>("selected");
    QTest::newRow("middle_of_three") << 3 << 1 << QStringList{u"1"_s, u"3"_s} << 1;
    QTest::newRow("last_of_three") << 3 << 2 << QStringList{u"1"_s, u"2"_s} << 1;
    QTest::newRow("first_of_three") << 3 << 0 << QStringList{u"2"_s, u"3"_s} << 0;
    QTest::newRow("only_one") << 1 << 0 << QStringList{} << -1;
}

void AnswerEntryTest::withdrawalSelectsTheNextAnswer()
{
    QFETCH(int, answers);
    QFETCH(int, withdrawn);
    QFETCH(QStringList, left);
    QFETCH(int, selected);
    const auto window = started(biologyTest());
    TestWindow &w = *window;
    recordNumbers(w, correctPairs(answers));
    w.Slowo[2].setCurrentIndex(withdrawn);
    w.Prowerka[0].setText(u"обяснение"_s);
    w.pressButton(Withdraw);
    QCOMPARE(w.dum_N[2].items(), left);
    QCOMPARE(w.Slowo[2].currentIndex(), selected);
    if (selected >= 0) {
        // The selection ran the answers list's handler.
        QCOMPARE(w.dum_N[2].currentIndex(), selected);
        QCOMPARE(w.Prowerka[0].text(), QString());
    }
    QCOMPARE(w.Ndapis.text(), u"Остават: "_s + QString::number(32 - answers + 1));
    QVERIFY(brokenInvariant(w).isEmpty());
}

void AnswerEntryTest::withdrawalPutsPhrasesBack()
{
    const auto window = started(biologyTest());
    TestWindow &w = *window;
    record(w, u"сепсис"_s, u"младежки пъпки"_s);
    record(w, u"акне"_s, u"затлъстяване"_s);
    // Keep selections elsewhere to see that they stay on their phrases.
    w.Slowo[0].setCurrentIndex(rowOf(w.Slowo[0], u"флегмон"_s));
    w.Slowo[1].setCurrentIndex(rowOf(w.Slowo[1], u"геномна мутация"_s));
    w.Slowo[2].setCurrentIndex(0);
    w.pressButton(Withdraw);

    QCOMPARE(w.Slowo[0].count(), 31);
    QCOMPARE(w.Slowo[1].count(), 31);
    const QStringList leftShown = w.Slowo[0].items();
    QVERIFY(leftShown.contains(u"сепсис"_s));
    QVERIFY(w.Slowo[1].items().contains(u"младежки пъпки"_s));
    QStringList resorted = leftShown;
    std::sort(resorted.begin(), resorted.end(),
              [collator = TestSupport::bulgarian()](const QString &a, const QString &b) {
                  return collator.compare(a, b) < 0;
              });
    QCOMPARE(leftShown, resorted);
    QCOMPARE(w.Slowo[0].item(w.Slowo[0].currentIndex()), u"флегмон"_s);
    QCOMPARE(w.Slowo[1].item(w.Slowo[1].currentIndex()), u"геномна мутация"_s);
    QCOMPARE(w.Slowo[2].items(), QStringList{u"акне затлъстяване"_s});
    QCOMPARE(w.Slowo[2].currentIndex(), 0);
    QVERIFY(brokenInvariant(w).isEmpty());

    // The rebuilt row-number lists still serve the next recording.
    w.pressButton(Record);
    QCOMPARE(w.dum_N[2].items(), (QStringList{u"3"_s, u"31"_s}));
    QCOMPARE(w.dum_N[3].items(), (QStringList{u"6"_s, u"18"_s}));
    QVERIFY(brokenInvariant(w).isEmpty());
}

void AnswerEntryTest::withdrawalNeedsASelectedAnswer()
{
    const auto window = started(biologyTest());
    recordNumbers(*window, correctPairs(2));
    window->pressButton(Withdraw);
    QCOMPARE(window->Slowo[2].count(), 2);
    QCOMPARE(window->Ndapis.text(), u"Остават: 30"_s);
}

QTEST_GUILESS_MAIN(AnswerEntryTest)
#include "tst_answerentry.moc"
