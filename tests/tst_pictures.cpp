#include "app/fault.h"
#include "content/biologytest.h"
#include "testsupport.h"

#include <QTest>

using namespace Qt::StringLiterals;
using TestSupport::recordNumbers;
using TestSupport::rowOf;
using TestSupport::started;
using enum TestSupport::Button;

namespace {

Picture pictureOf(int k)
{
    return Picture{"picture " + QByteArray::number(k)};
}

// Five pairs; phrases 2..4 have pictures, flagged as given; slot 3 is large.
TestDefinition illustratedTest(const QString &flag2 = u"1"_s, const QString &flag3 = u"1"_s,
                               const QString &flag4 = u"2"_s)
{
    TestDefinition test = TestSupport::numberedTest(5, 5);
    test.pictureFlags[2] = flag2;
    test.pictureFlags[3] = flag3;
    test.pictureFlags[4] = flag4;
    for (int k = 2; k <= 4; ++k)
        test.pictureSlots[std::size_t(k - 1)].picture = pictureOf(k);
    test.pictureSlots[2].width = 3000;
    test.pictureSlots[2].height = 2000;
    return test;
}

void selectLeft(TestWindow &window, int phrase)
{
    window.Slowo[0].setCurrentIndex(rowOf(window.Slowo[0], window.definition().leftPhrase(phrase - 1)));
}

} // namespace

class PicturesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void thumbnailAndEnlargedPicture();
    void flagsDecideThumbnailAndEnlarging_data();
    void flagsDecideThumbnailAndEnlarging();
    void rightPhraseChangesNoPicture();
    void explanationShowsItsPictureButEnlargesTheSelected();
    void answersShowTheirLeftPhrasesPicture();
    void clickBeforeAnySelectionDoesNothing();
    void builtInTestShowsOnlyTheBlankPicture();
    void flagThatIsNotANumberIsAFault();
};

void PicturesTest::thumbnailAndEnlargedPicture()
{
    const auto window = started(illustratedTest());
    TestWindow &w = *window;
    selectLeft(w, 3);
    QCOMPARE(w.Grafika[0].picture(), pictureOf(3));
    QCOMPARE(w.Grafika[0].geometry(), (Rect{120, 4680, 1575, 1335}));
    QVERIFY(!w.Vomar_Graphika.window.isVisible());

    w.Grafika_Click(0);
    const PictureWindow &shown = w.Vomar_Graphika;
    QVERIFY(shown.window.isVisible());
    QCOMPARE(shown.display.picture(), pictureOf(3));
    QCOMPARE(shown.display.geometry(), (Rect{0, 0, 3000, 2000}));
    QCOMPARE(shown.window.outerWidth(), 3100.0);
    QCOMPARE(shown.window.outerHeight(), 2250.0);
    QCOMPARE(w.Grafika[0].picture(), pictureOf(3));

    selectLeft(w, 4);
    w.Grafika_Click(0);
    QCOMPARE(shown.display.geometry(), (Rect{0, 0, 1695, 1815}));
    QCOMPARE(shown.window.outerWidth(), 1795.0);
    QCOMPARE(shown.window.outerHeight(), 2065.0);

    selectLeft(w, 1);
    QVERIFY(w.Grafika[0].picture().isEmpty());
    QVERIFY(!shown.window.isVisible());
}

void PicturesTest::flagsDecideThumbnailAndEnlarging_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<bool>("thumbnail");
    QTest::addColumn<bool>("enlarged");
    QTest::newRow("one") << u"1"_s << true << true;
    QTest::newRow("two") << u"2"_s << true << true;
    QTest::newRow("minus_one") << u"-1"_s << true << false;
    QTest::newRow("zero") << u"0"_s << false << false;
    QTest::newRow("blanks_around") << u" 1 "_s << true << true;
}

void PicturesTest::flagsDecideThumbnailAndEnlarging()
{
    QFETCH(QString, flag);
    QFETCH(bool, thumbnail);
    QFETCH(bool, enlarged);
    const auto window = started(illustratedTest(flag));
    selectLeft(*window, 2);
    QCOMPARE(window->Grafika[0].picture(), thumbnail ? pictureOf(2) : Picture());
    window->Grafika_Click(0);
    QCOMPARE(window->Vomar_Graphika.window.isVisible(), enlarged);
}

void PicturesTest::rightPhraseChangesNoPicture()
{
    const auto window = started(illustratedTest());
    selectLeft(*window, 3);
    window->Grafika_Click(0);
    window->Slowo[1].setCurrentIndex(4);
    QCOMPARE(window->Grafika[0].picture(), pictureOf(3));
    QVERIFY(window->Vomar_Graphika.window.isVisible());
    QCOMPARE(window->Picture_Number, 3);
}

void PicturesTest::explanationShowsItsPictureButEnlargesTheSelected()
{
    const auto window = started(illustratedTest());
    TestWindow &w = *window;
    recordNumbers(w, {{3, 1}, {2, 2}});
    w.Uprawl_Click(Evaluate); // selects the first answer, of phrase 3
    selectLeft(w, 4);
    QCOMPARE(w.Picture_Number, 4);
    w.pressButton(Explain);
    QVERIFY(w.Prowerka[0].text().contains(u"\"L3\""_s));
    QCOMPARE(w.Grafika[0].picture(), pictureOf(3));
    QCOMPARE(w.Picture_Number, 4);
    w.Grafika_Click(0);
    QCOMPARE(w.Vomar_Graphika.display.picture(), pictureOf(4));
}

void PicturesTest::answersShowTheirLeftPhrasesPicture()
{
    const auto window = started(illustratedTest());
    recordNumbers(*window, {{4, 1}, {1, 4}});
    window->Uprawl_Click(Evaluate);
    QCOMPARE(window->Grafika[0].picture(), pictureOf(4));
    window->Slowo[2].setCurrentIndex(1);
    QVERIFY(window->Grafika[0].picture().isEmpty());
}

void PicturesTest::clickBeforeAnySelectionDoesNothing()
{
    TestWindow window(illustratedTest(), TestSupport::bulgarian());
    QCOMPARE(window.Picture_Number, 0);
    window.Grafika_Click(0);
    QVERIFY(!window.Vomar_Graphika.window.isVisible());
}

void PicturesTest::builtInTestShowsOnlyTheBlankPicture()
{
    const auto window = started(biologyTest());
    for (int row = 0; row < window->Slowo[0].count(); ++row) {
        window->Slowo[0].setCurrentIndex(row);
        QVERIFY(window->Grafika[0].picture().isEmpty());
        window->Grafika_Click(0);
        QVERIFY(!window->Vomar_Graphika.window.isVisible());
    }
}

void PicturesTest::flagThatIsNotANumberIsAFault()
{
    // Phrase 1 is shown first, so start-up converts its flag.
    TestDefinition test = illustratedTest();
    test.pictureFlags[1] = u"картинка"_s;
    TestWindow window(test, TestSupport::bulgarian());
    QVERIFY_THROWS_EXCEPTION(ProgramFault, window.Form_Load());

    // A phrase beyond the end of the flag list has the empty text as its flag.
    TestDefinition shortFlags = illustratedTest();
    shortFlags.pictureFlags.resize(3);
    const auto started = TestSupport::started(shortFlags);
    QVERIFY_THROWS_EXCEPTION(ProgramFault, selectLeft(*started, 5));
}

QTEST_GUILESS_MAIN(PicturesTest)
#include "tst_pictures.moc"
