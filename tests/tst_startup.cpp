#include "content/biologytest.h"
#include "testsupport.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using TestSupport::started;

class StartupTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void builtInTestContent();
    void builtInStartup();
    void builtInGeometry();
    void rowNumbersFollowTheSortedRows();
    void pairCountAndKeyOfUnequalLists();
    void duplicatePhraseTakesItsFirstNumber();
    void emptyPhraseLists_data();
    void emptyPhraseLists();
    void layoutNumbersThatAreNotNumbers();
};

void StartupTest::builtInTestContent()
{
    const TestDefinition &test = biologyTest();
    QVERIFY(test.title().startsWith(publisherAddress + u" "_s));
    QVERIFY(test.title().endsWith(u" Vomar по Биология - видове болести"_s));
    QCOMPARE(test.leftCount(), 32);
    QCOMPARE(test.rightCount(), 32);
    QCOMPARE(QSet<QString>(test.leftPhrases.begin(), test.leftPhrases.end()).size(), 32);
    QCOMPARE(QSet<QString>(test.rightPhrases.begin(), test.rightPhrases.end()).size(), 32);
    QCOMPARE(test.leftPhrase(5), u"адипозитас "_s);
    QCOMPARE(test.leftPhrase(9), u"метаболизъм "_s);
    QCOMPARE(test.rightPhrase(12), u"заболяване, при което се намалява костното вещество. "_s);
    QCOMPARE(test.rightPhrase(28), u"често срещан козметичен проблем (черни точки) "_s);

    const QStringList lines = test.instructions.split(u"\r\n"_s);
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines.last(), QString());
    QCOMPARE(lines[1], u"Трябва да се подберат всички правилни комбинация от двойки изрази от лявото и "_s);
    for (int i : {1, 3, 5})
        QVERIFY2(lines[i].endsWith(u' ') && !lines[i].endsWith(u"  "_s), qPrintable(lines[i]));

    QCOMPARE(test.explanationFlags.size(), 42);
    QCOMPARE(test.explanationFlags.first(), u"Ima li obqsneniq"_s);
    QCOMPARE(test.explanationFlags.count(u"0"_s), 41);
    QCOMPARE(test.explanationLines(7).size(), 20);
    QCOMPARE(test.explanationLines(7).first(), u"Otgowor 7"_s);
    QCOMPARE(test.explanationLines(7).last(), u"7"_s);
    QCOMPARE(test.explanationLines(6).last(), u"5"_s);
    QCOMPARE(test.explanationLines(30).at(1), u"30"_s);
    QVERIFY(test.explanationLines(31).isEmpty());

    QCOMPARE(test.pictureFlags.size(), 35);
    QCOMPARE(test.pictureFlags.first(), u"Utochnenie dali ima grafika - 30 br"_s);
    QCOMPARE(test.pictureFlags.count(u"0"_s), 34);
    for (int k = 1; k <= 30; ++k) {
        QVERIFY(test.pictureSlot(k).picture.isEmpty());
        QCOMPARE(test.pictureSlot(k).width, 1695.0);
        QCOMPARE(test.pictureSlot(k).height, 1815.0);
    }
}

void StartupTest::builtInStartup()
{
    const auto window = started(biologyTest());
    const TestWindow &w = *window;
    QCOMPARE(w.window.caption(), biologyTest().title());
    QCOMPARE(w.Slowo[0].count(), 32);
    QCOMPARE(w.Slowo[1].count(), 32);
    QCOMPARE(w.Slowo[0].item(0), u"абулия"_s);
    QCOMPARE(w.Slowo[0].item(31), u"хипохондрия"_s);
    QCOMPARE(w.Slowo[1].item(0), u"болестна липса или изразено намаляване на волята"_s);
    QCOMPARE(w.Slowo[1].item(31), u"често срещан козметичен проблем (черни точки) "_s);
    QCOMPARE(w.Slowo[0].currentIndex(), 0);
    QCOMPARE(w.Slowo[1].currentIndex(), 0);
    QCOMPARE(w.dum_N[0].currentIndex(), 0);
    QCOMPARE(w.dum_N[1].currentIndex(), 0);
    QCOMPARE(w.Slowo[2].count(), 0);
    QCOMPARE(w.Nastroiki.items(), QStringList{u"32"_s});
    QCOMPARE(w.dum_N[4].count(), 64);
    QCOMPARE(w.dum_N[4].item(0), u"1"_s);
    QCOMPARE(w.dum_N[4].item(32), u"1"_s);
    QCOMPARE(w.dum_N[5].item(63), u"32"_s);
    QVERIFY2(TestSupport::brokenInvariant(w).isEmpty(), qPrintable(TestSupport::brokenInvariant(w)));

    QCOMPARE(w.Ndapis.text(), u"Оставащи:"_s);
    QCOMPARE(w.Prowerka[0].text(), biologyTest().instructions);
    QVERIFY(!w.Prowerka[1].isVisible());
    QCOMPARE(w.Correct_Count, 0);
    // "абулия", shown first, is phrase 5.
    QCOMPARE(w.Picture_Number, 5);
    QVERIFY(w.Grafika[0].picture().isEmpty());
    QVERIFY(!w.Vomar_Graphika.window.isVisible());

    const std::array<bool, 4> enabled = {true, true, false, true};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(w.Uprawl[i].isEnabled(), enabled[i]);
    QCOMPARE(w.Cweta.count(), 19);
}

void StartupTest::builtInGeometry()
{
    const auto window = started(biologyTest());
    QCOMPARE(window->window.outerWidth(), 11250.0);
    QCOMPARE(window->Slowo[0].geometry(), (Rect{20, 480, 2835, 2055}));
    QCOMPARE(window->Slowo[1].geometry(), (Rect{2960, 480, 8075, 2055}));
    QCOMPARE(window->Slowo[2].geometry(), (Rect{840, 2640, 9375, 1485}));
}

void StartupTest::rowNumbersFollowTheSortedRows()
{
    // "L10" sorts before "L2": rows and data order differ.
    const auto window = started(TestSupport::numberedTest(12, 12));
    QCOMPARE(window->Slowo[0].item(1), u"L10"_s);
    QCOMPARE(window->dum_N[0].item(1), u"10"_s);
    QVERIFY(TestSupport::brokenInvariant(*window).isEmpty());

    const auto builtIn = started(biologyTest());
    const int row = TestSupport::rowOf(builtIn->Slowo[0], u"артрит"_s);
    QCOMPARE(builtIn->dum_N[0].item(row), u"1"_s);
}

void StartupTest::pairCountAndKeyOfUnequalLists()
{
    const auto window = started(TestSupport::numberedTest(10, 12));
    QCOMPARE(window->Nastroiki.item(0), u"10"_s);
    QCOMPARE(window->dum_N[4].count(), 20);
    QCOMPARE(window->dum_N[5].count(), 24);
    QCOMPARE(window->dum_N[5].item(12), u"1"_s);
}

void StartupTest::duplicatePhraseTakesItsFirstNumber()
{
    TestDefinition test = TestSupport::numberedTest(3, 3);
    test.leftPhrases = QStringList{u"б"_s, u"а"_s, u"б"_s};
    const auto window = started(test);
    QCOMPARE(window->Slowo[0].items(), (QStringList{u"а"_s, u"б"_s, u"б"_s}));
    QCOMPARE(window->dum_N[0].items(), (QStringList{u"2"_s, u"1"_s, u"1"_s}));
}

void StartupTest::emptyPhraseLists_data()
{
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::newRow("no_left") << 0 << 3;
    QTest::newRow("no_right") << 3 << 0;
    QTest::newRow("none") << 0 << 0;
}

void StartupTest::emptyPhraseLists()
{
    QFETCH(int, left);
    QFETCH(int, right);
    const auto window = started(TestSupport::numberedTest(left, right));
    QCOMPARE(window->Nastroiki.item(0), u"0"_s);
    QCOMPARE(window->Slowo[0].currentIndex(), left > 0 ? 0 : -1);
    QCOMPARE(window->Slowo[1].currentIndex(), right > 0 ? 0 : -1);
    // No right phrase left: "Оцени" comes on, but marks nothing without answers.
    QCOMPARE(window->Uprawl[2].isEnabled(), right == 0);
    for (qint16 button = 0; button < 4; ++button)
        window->pressButton(button);
    QCOMPARE(window->Slowo[2].count(), 0);
    QCOMPARE(window->Ndapis.text(), u"Оставащи:"_s);
    QVERIFY(TestSupport::brokenInvariant(*window).isEmpty());
}

void StartupTest::layoutNumbersThatAreNotNumbers()
{
    TestDefinition test = TestSupport::numberedTest(2, 2);
    test.titleAndLayout = {u"Тест"_s, u"широк"_s, u" 30 пиксела"_s, u""_s, u"-5"_s, u"12.5"_s};
    const auto window = started(test);
    QCOMPARE(window->window.outerWidth(), 0.0);
    QCOMPARE(window->Slowo[0].geometry().left, 30.0);
    QCOMPARE(window->Slowo[0].geometry().width, 0.0);
    QCOMPARE(window->Slowo[1].geometry().left, -5.0);
    QCOMPARE(window->Slowo[1].geometry().width, 12.5);
}

QTEST_GUILESS_MAIN(StartupTest)
#include "tst_startup.moc"
