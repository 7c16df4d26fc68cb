#include "content/biologytest.h"
#include "testsupport.h"

#include <QTest>

using namespace Qt::StringLiterals;
using TestSupport::record;
using TestSupport::recordNumbers;
using TestSupport::rowOf;
using TestSupport::started;
using enum TestSupport::Button;

namespace {

QString pairLine(const QString &left, const QString &right)
{
    return u"\r\n\""_s + left + u"\" е във връзка с \""_s + right + u"\""_s;
}

void selectPhrases(TestWindow &window, const QString &left, const QString &right)
{
    window.Slowo[0].setCurrentIndex(rowOf(window.Slowo[0], left));
    window.Slowo[1].setCurrentIndex(rowOf(window.Slowo[1], right));
}

} // namespace

class ExplanationsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void explainingWhileAnsweringRecordsThePair();
    void explainingWhileAnsweringNeedsBothSelections();
    void afterMarkingEveryAnswerCanBeExplained();
    void explanationLines_data();
    void explanationLines();
    void equalLeftPhrasesExplainTheFirst();
};

void ExplanationsTest::explainingWhileAnsweringRecordsThePair()
{
    const auto window = started(biologyTest());
    TestWindow &w = *window;
    selectPhrases(w, u"артрит"_s, u"младежки пъпки"_s);
    w.pressButton(Explain);
    QCOMPARE(w.Prowerka[0].text(), pairLine(u"артрит"_s, u"поражение/възпаление на ставите"_s));
    QCOMPARE(w.Slowo[2].items(), QStringList{u"артрит младежки пъпки"_s});
    QCOMPARE(rowOf(w.Slowo[0], u"артрит"_s), -1);
    QCOMPARE(w.Ndapis.text(), u"Остават: 31"_s);
    QVERIFY(!w.Uprawl[Explain].isEnabled());
    QVERIFY(TestSupport::brokenInvariant(w).isEmpty());

    // Once per test: marking enables it again.
    selectPhrases(w, u"акне"_s, u"младежки пъпки"_s);
    w.pressButton(Explain);
    QCOMPARE(w.Slowo[2].count(), 1);
    w.Uprawl_Click(Evaluate);
    QVERIFY(w.Uprawl[Explain].isEnabled());
}

void ExplanationsTest::explainingWhileAnsweringNeedsBothSelections()
{
    const auto window = started(biologyTest());
    TestWindow &w = *window;
    record(w, u"акне"_s, u"младежки пъпки"_s);
    w.Slowo[0].setCurrentIndex(0);
    w.pressButton(Explain);
    QCOMPARE(w.Slowo[2].count(), 1);
    QCOMPARE(w.Prowerka[0].text(), biologyTest().instructions);
    QVERIFY(w.Uprawl[Explain].isEnabled());
}

void ExplanationsTest::afterMarkingEveryAnswerCanBeExplained()
{
    const auto window = started(biologyTest());
    TestWindow &w = *window;
    recordNumbers(w, {{3, 5}, {5, 3}});
    w.Uprawl_Click(Evaluate);
    w.Slowo[2].setCurrentIndex(0);
    w.pressButton(Explain);
    QCOMPARE(w.Prowerka[0].text(), pairLine(u"акне"_s, u"младежки пъпки"_s));
    QVERIFY(!w.Uprawl[Evaluate].isEnabled());
    QVERIFY(w.Uprawl[Explain].isEnabled());
    w.Slowo[2].setCurrentIndex(1);
    QCOMPARE(w.Prowerka[0].text(), QString());
    w.pressButton(Explain);
    QCOMPARE(w.Prowerka[0].text(),
             pairLine(u"абулия"_s, u"болестна липса или изразено намаляване на волята"_s));
    QCOMPARE(w.Slowo[2].count(), 2);
    QCOMPARE(w.Ndapis.text(), u"Верни: 0%"_s);
}

void ExplanationsTest::explanationLines_data()
{
    QTest::addColumn<int>("phrase");
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QString>("lines");
    QTest::newRow("flag_0") << 3 << u"0"_s << QString();
    QTest::newRow("flag_2_from_item_0") << 3 << u"2"_s << u"\r\nпърви\r\nвтори"_s;
    QTest::newRow("flag_not_a_number") << 3 << u"да"_s << QString();
    QTest::newRow("flag_missing") << 3 << QString() << QString();
    QTest::newRow("no_list_above_30") << 31 << u"1"_s << QString();
}

void ExplanationsTest::explanationLines()
{
    QFETCH(int, phrase);
    QFETCH(QString, flag);
    QFETCH(QString, lines);
    TestDefinition test = TestSupport::numberedTest(32, 32);
    test.explanationFlags[phrase] = flag;
    if (TestDefinition::hasSlot(phrase))
        test.explanations[std::size_t(phrase - 1)] = QStringList{u"първи"_s, u"втори"_s};
    const auto window = started(test);
    const QString left = test.leftPhrase(phrase - 1);
    selectPhrases(*window, left, u"R1"_s);
    window->pressButton(Explain);
    QCOMPARE(window->Prowerka[0].text(), pairLine(left, test.rightPhrase(phrase - 1)) + lines);
}

void ExplanationsTest::equalLeftPhrasesExplainTheFirst()
{
    TestDefinition test = TestSupport::numberedTest(3, 3);
    test.leftPhrases = QStringList{u"б"_s, u"а"_s, u"б"_s};
    const auto window = started(test);
    window->Slowo[0].setCurrentIndex(2); // the second "б"
    window->Slowo[1].setCurrentIndex(0);
    window->pressButton(Explain);
    QCOMPARE(window->Prowerka[0].text(), pairLine(u"б"_s, u"R1"_s));
}

QTEST_GUILESS_MAIN(ExplanationsTest)
#include "tst_explanations.moc"
