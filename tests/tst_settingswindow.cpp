#include "app/testwindow.h"
#include "appearance/appearancerecord.h"
#include "appearance/settingshost.h"
#include "content/biologytest.h"
#include "testsupport.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Everything a view could show of a control, in one comparable text.
QString describe(const Control &c)
{
    auto colour = [](std::optional<Colour> v) { return v ? QString::number(*v) : u"-"_s; };
    const Rect &g = c.geometry();
    return u"%1,%2,%3,%4|%5|%6|%7|%8|%9|%10%11"_s.arg(g.left).arg(g.top).arg(g.width).arg(g.height)
        .arg(c.text(), colour(c.background()), colour(c.foreground()), c.fontName().value_or(u"-"_s))
        .arg(c.fontSize().value_or(0))
        .arg(c.isVisible())
        .arg(c.isEnabled());
}

QStringList describeTestWindow(const TestWindow &w)
{
    QStringList all{w.window.background() ? QString::number(*w.window.background()) : u"-"_s};
    for (const Control *c : std::initializer_list<const Control *>{
             &w.Slowo[0], &w.Slowo[1], &w.Slowo[2], &w.Ndapis, &w.Prowerka[0], &w.Prowerka[1], &w.Uprawl[0],
             &w.Uprawl[1], &w.Uprawl[2], &w.Uprawl[3], &w.Grafika[0], &w.Grafika[1]})
        all << describe(*c);
    return all;
}

struct Fixture
{
    std::unique_ptr<TestWindow> test = TestSupport::started(biologyTest());
    SettingsHost host{*test, TestSupport::fakeFonts(), TestSupport::bulgarian()};

    SettingsWindow &open()
    {
        test->Cwqt_Click();
        return *host.current();
    }
    QString item(int i) const { return test->Cweta.item(i); }
};

} // namespace

class SettingsWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstOpening();
    void choosingTargets();
    void slidersWriteTheRecord();
    void colourCode_data();
    void colourCode();
    void fontSizeTakesTheRealisedSize_data();
    void fontSizeTakesTheRealisedSize();
    void recordFontMissingFromTheScreen();
    void cancelKeepsTheEditsForTheNextSave();
    void saveAppliesExactlyTheNamedControls();
    void oneWindowAtATime();
    void reopeningStartsOnTheWindowBackground();
};

void SettingsWindowTest::firstOpening()
{
    Fixture f;
    SettingsWindow &s = f.open();
    QVERIFY(s.window.isVisible());
    QCOMPARE(s.selectedTarget(), 0);
    QCOMPARE(s.List_font[0].items(),
             (QStringList{u"Arial"_s, u"DejaVu Sans"_s, u"liberation serif"_s, u"Times New Roman"_s}));
    QCOMPARE(s.List_font[0].item(s.List_font[0].currentIndex()), u"Times New Roman"_s);
    QCOMPARE(s.List_font[1].item(s.List_font[1].currentIndex()), u"12"_s);
    QCOMPARE(s.Text_Cv.fontName(), std::optional(u"Times New Roman"_s));
    QCOMPARE(s.Text_Cv.fontSize(), std::optional(12.0));
    QCOMPARE(s.Text_Cv.background(), std::optional<Colour>(16777215));
    QCOMPARE(s.Text_Cv.foreground(), std::optional<Colour>(8));
    QCOMPARE(s.picColor.background(), std::optional<Colour>(128));
    QCOMPARE(s.Option1[0].background(), std::optional<Colour>(128));
    QCOMPARE(s.Option1[1].background(), std::optional<Colour>(16777215));
    QCOMPARE(s.Option1[2].background(), std::optional<Colour>(8));
    QCOMPARE(s.Option1[3].background(), std::optional<Colour>(192));
    QCOMPARE(s.window.background(), std::optional<Colour>(8421504));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(s.Slider1[i].position(), (std::array{128, 0, 0}[i]));
    QCOMPARE(s.Label_ST[0].text(), u"R"_s);
    QCOMPARE(s.Label_ST[1].text(), u"G"_s);
    QCOMPARE(s.Label_ST[2].text(), u"B"_s);
    QCOMPARE(s.Label_Cv[3].text(), u"Цвят"_s);

    QStringList expected = AppearanceRecord::defaults();
    expected[8] = expected[9] = expected[10] = u"255"_s;
    QCOMPARE(f.test->Cweta.items(), expected);
    // Opening applies nothing to the test window.
    QCOMPARE(f.test->window.background(), std::optional<Colour>(32768));
}

void SettingsWindowTest::choosingTargets()
{
    Fixture f;
    SettingsWindow &s = f.open();
    const QStringList record = f.test->Cweta.items();
    s.chooseOption(1);
    QCOMPARE(s.selectedTarget(), 1);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(s.Slider1[i].position(), 255);
        QCOMPARE(s.Label_ST[i].text(), u"255"_s);
    }
    QCOMPARE(s.Text_Cv.background(), std::optional<Colour>(16777215));
    QCOMPARE(s.Option1[1].background(), std::optional<Colour>(16777215));
    QCOMPARE(s.picColor.background(), std::optional<Colour>(16777215));
    QCOMPARE(s.Label_Cv[3].text(), u"Цвят в 10/16-тичен код = 16777215 /HFFFFFF"_s);
    QVERIFY(s.Option1[1].isChecked());
    QVERIFY(!s.Option1[0].isChecked());
    QCOMPARE(f.test->Cweta.items(), record);

    s.chooseOption(0);
    QCOMPARE(s.Slider1[0].position(), 128);
    QCOMPARE(s.Slider1[1].position(), 0);
    QCOMPARE(s.window.background(), std::optional<Colour>(128));
    QCOMPARE(s.Option1[0].background(), std::optional<Colour>(128));
    QCOMPARE(s.picColor.background(), std::optional<Colour>(128));
    QCOMPARE(s.Label_Cv[3].text(), u"Цвят в 10/16-тичен код = 128 /H80"_s);
    QCOMPARE(f.test->Cweta.items(), record);
}

void SettingsWindowTest::slidersWriteTheRecord()
{
    Fixture f;
    SettingsWindow &s = f.open();
    s.chooseOption(1);
    for (int red : {10, 0, 254}) {
        s.moveSlider(0, red);
        QCOMPARE(f.item(8), QString::number(red));
        const Colour composed = Colours::compose(red, 255, 255);
        QCOMPARE(f.item(7), QString::number(composed));
        QCOMPARE(s.Text_Cv.background(), std::optional(composed));
        QCOMPARE(s.Label_ST[0].text(), QString::number(red));
    }
    s.chooseOption(2);
    s.moveSlider(2, 200);
    QCOMPARE(f.item(14), u"200"_s);
    QCOMPARE(f.item(11), QString::number(Colours::compose(8, 0, 200)));
    QCOMPARE(s.Text_Cv.foreground(), std::optional(Colours::compose(8, 0, 200)));
    QCOMPARE(s.Option1[2].background(), std::optional(Colours::compose(8, 0, 200)));
    // Target 1 kept its edit.
    QCOMPARE(f.item(7), QString::number(Colours::compose(254, 255, 255)));
    QCOMPARE(f.item(0), AppearanceRecord::defaults().at(0));
}

void SettingsWindowTest::colourCode_data()
{
    QTest::addColumn<QList<int>>("components");
    QTest::addColumn<QString>("code");
    QTest::newRow("black") << QList<int>{0, 0, 0} << u"0 /H0"_s;
    QTest::newRow("dark_red") << QList<int>{128, 0, 0} << u"128 /H80"_s;
    QTest::newRow("green") << QList<int>{0, 255, 0} << u"65280 /HFF00"_s;
    QTest::newRow("white") << QList<int>{255, 255, 255} << u"16777215 /HFFFFFF"_s;
}

void SettingsWindowTest::colourCode()
{
    QFETCH(QList<int>, components);
    QFETCH(QString, code);
    Fixture f;
    SettingsWindow &s = f.open();
    for (qint16 i = 0; i < 3; ++i)
        s.moveSlider(i, components[i]);
    QCOMPARE(s.Label_Cv[3].text(), u"Цвят в 10/16-тичен код = "_s + code);
}

void SettingsWindowTest::fontSizeTakesTheRealisedSize_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("stored");
    QTest::newRow("exact") << u"14"_s << u"14"_s;
    QTest::newRow("near_size_rounded") << u"13"_s << u"13"_s;
    QTest::newRow("half_to_even") << u"11"_s << u"10"_s;
}

void SettingsWindowTest::fontSizeTakesTheRealisedSize()
{
    QFETCH(QString, entry);
    QFETCH(QString, stored);
    Fixture f;
    SettingsWindow &s = f.open();
    s.List_font[1].setCurrentIndex(TestSupport::rowOf(s.List_font[1], entry));
    QCOMPARE(s.Text_Cv.fontSize(), std::optional(entry.toDouble()));
    QCOMPARE(f.item(2), stored);
}

void SettingsWindowTest::recordFontMissingFromTheScreen()
{
    Fixture f;
    f.test->Cweta.replace(1, u"Nimbus"_s);
    f.test->Cweta.replace(2, u"15"_s);
    SettingsWindow &s = f.open();
    QCOMPARE(s.List_font[0].currentIndex(), -1);
    QCOMPARE(s.List_font[1].currentIndex(), -1);
    QCOMPARE(s.Text_Cv.fontName(), std::optional(u"Times New Roman"_s));
    QCOMPARE(s.Text_Cv.fontSize(), std::optional(15.0));
    QCOMPARE(f.item(1), u"Nimbus"_s);
    QCOMPARE(f.item(2), u"15"_s);
}

void SettingsWindowTest::cancelKeepsTheEditsForTheNextSave()
{
    Fixture f;
    const QStringList before = describeTestWindow(*f.test);
    SettingsWindow &first = f.open();
    first.moveSlider(1, 100);
    first.chooseOption(2);
    first.moveSlider(0, 50);
    first.mnu_Otkaz_Click();
    QVERIFY(!f.host.current());
    QCOMPARE(describeTestWindow(*f.test), before);

    SettingsWindow &second = f.open();
    QCOMPARE(second.Slider1[0].position(), 128);
    QCOMPARE(second.Slider1[1].position(), 100);
    QCOMPARE(second.picColor.background(), std::optional(Colours::compose(128, 100, 0)));
    QCOMPARE(second.Option1[2].background(), std::optional(Colours::compose(50, 0, 0)));
    second.mnu_zapis_Click();
    QVERIFY(!f.host.current());
    QCOMPARE(f.test->window.background(), std::optional(Colours::compose(128, 100, 0)));
    QCOMPARE(f.test->Slowo[1].foreground(), std::optional(Colours::compose(50, 0, 0)));
}

void SettingsWindowTest::saveAppliesExactlyTheNamedControls()
{
    Fixture f;
    TestWindow &w = *f.test;
    const QStringList before = describeTestWindow(w);
    f.open().mnu_zapis_Click();
    const QStringList after = describeTestWindow(w);

    QCOMPARE(w.window.background(), std::optional<Colour>(128));
    for (const Control *field : std::initializer_list<const Control *>{&w.Slowo[0], &w.Slowo[1], &w.Slowo[2],
                                                                        &w.Prowerka[0]}) {
        QCOMPARE(field->background(), std::optional<Colour>(16777215));
        QCOMPARE(field->foreground(), std::optional<Colour>(8));
        QCOMPARE(field->fontName(), std::optional(u"Times New Roman"_s));
        QCOMPARE(field->fontSize(), std::optional(12.0));
    }
    QCOMPARE(w.Ndapis.background(), std::optional<Colour>(16777215));
    QCOMPARE(w.Ndapis.foreground(), std::optional<Colour>(8));
    QCOMPARE(w.Ndapis.fontName(), std::nullopt);
    // Everything else is as it was: the verdict box, buttons, pictures.
    for (qsizetype i = 6; i < before.size(); ++i)
        QCOMPARE(after[i], before[i]);
    QCOMPARE(w.Cweta.count(), 19);
}

void SettingsWindowTest::oneWindowAtATime()
{
    Fixture f;
    int created = 0;
    int raised = 0;
    f.host.setCreatedHandler([&](SettingsWindow &window) {
        ++created;
        window.window.setRaiseHandler([&] { ++raised; });
    });
    SettingsWindow *first = &f.open();
    first->moveSlider(0, 7);
    SettingsWindow *again = &f.open();
    QCOMPARE(again, first);
    QCOMPARE(created, 1);
    QCOMPARE(raised, 1);
    QCOMPARE(again->Slider1[0].position(), 7);
    first->mnu_Danni_Click();
    QVERIFY(f.host.current());
    first->mnu_Otkaz_Click();
    f.open();
    QCOMPARE(created, 2);
}

void SettingsWindowTest::reopeningStartsOnTheWindowBackground()
{
    Fixture f;
    SettingsWindow &first = f.open();
    first.chooseOption(2);
    first.window.hide(); // the close box
    SettingsWindow &second = f.open();
    QCOMPARE(second.selectedTarget(), 0);
    QVERIFY(second.Option1[0].isChecked());
    QCOMPARE(second.Slider1[0].position(), 128);
    QCOMPARE(second.Label_Cv[3].text(), u"Цвят"_s);
}

QTEST_GUILESS_MAIN(SettingsWindowTest)
#include "tst_settingswindow.moc"
