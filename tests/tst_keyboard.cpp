// The whole test with the keyboard alone: Tab through the layout's order,
// arrows and Home in the lists, Space and Enter on buttons, the menus by
// their mnemonics, the settings window's sliders by keys.

#include "appearance/settingswindow.h"
#include "content/biologytest.h"
#include "testsupport.h"
#include "ui/program.h"
#include "ui/settingswindowview.h"
#include "ui/testwindowview.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace Qt::StringLiterals;

class KeyboardTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void wholeTestWithKeysOnly();
    void settingsWithKeysOnly();

private:
    // Presses the key on whatever has the focus.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {});
    QString focused() const;

    std::unique_ptr<Program> m_program;
};

void KeyboardTest::init()
{
    TestSupport::failOnStrayWarnings();
    m_program = std::make_unique<Program>(biologyTest());
    QVERIFY(m_program->start());
    QVERIFY(QTest::qWaitForWindowExposed(m_program->view()));
    QTRY_COMPARE(focused(), u"Slowo_0"_s);
}

void KeyboardTest::cleanup()
{
    m_program.reset();
}

void KeyboardTest::key(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = QApplication::focusWidget();
    QVERIFY(target);
    QTest::keyClick(target, key, modifiers);
}

QString KeyboardTest::focused() const
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

void KeyboardTest::wholeTestWithKeysOnly()
{
    const TestWindow &state = m_program->testWindow();
    for (int pair = 0; pair < 32; ++pair) {
        QCOMPARE(focused(), u"Slowo_0"_s);
        // The first or the last phrase, by Home or End.
        key(pair % 2 ? Qt::Key_Home : Qt::Key_End);
        key(Qt::Key_Tab);
        key(Qt::Key_Home);
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        QCOMPARE(focused(), u"Uprawl_0"_s);
        key(pair % 2 ? Qt::Key_Space : Qt::Key_Return);
        QCOMPARE(state.Slowo[2].count(), pair + 1);
        for (int back = 0; back < 3; ++back)
            key(Qt::Key_Backtab);
    }
    QCOMPARE(state.Slowo[0].count(), 0);
    int right = 0;
    for (int a = 0; a < 32; ++a)
        right += state.dum_N[2].item(a) == state.dum_N[3].item(a);

    // Left list, right list, answers, "Избрах", "Върни", then "Оцени".
    for (int i = 0; i < 5; ++i)
        key(Qt::Key_Tab);
    QCOMPARE(focused(), u"Uprawl_2"_s);
    key(Qt::Key_Return);
    const int mark = qRound(100.0 * right / 32);
    QCOMPARE(m_program->view()->findChild<QLabel *>(u"Ndapis"_s)->text(), u"Верни: %1%"_s.arg(mark));
    QVERIFY(m_program->view()->findChild<QLineEdit *>(u"Prowerka_1"_s)->isVisible());

    // "Оцени" turned itself off, and the focus went on to the verdict box.
    QCOMPARE(focused(), u"Prowerka_1"_s);
    // Back to the answers, the next one with an arrow, then "Обясни" on it.
    key(Qt::Key_Backtab);
    QCOMPARE(focused(), u"Slowo_2"_s);
    key(Qt::Key_Down);
    QCOMPARE(state.Slowo[2].currentIndex(), 1);
    const int phrase = state.dum_N[2].item(1).toInt();
    // Answers, then the verdict box, the explanation box and "Обясни"
    // ("Избрах", "Върни" and "Оцени" are disabled now).
    for (int i = 0; i < 3; ++i)
        key(Qt::Key_Tab);
    QCOMPARE(focused(), u"Uprawl_3"_s);
    key(Qt::Key_Space);
    QVERIFY(m_program->view()->findChild<QPlainTextEdit *>(u"Prowerka_0"_s)->toPlainText().contains(
        u"\""_s + biologyTest().rightPhrase(phrase - 1) + u"\""_s));

    // The thumbnail takes Space too; the built-in test has no pictures.
    key(Qt::Key_Tab);
    QCOMPARE(focused(), u"Grafika_0"_s);
    key(Qt::Key_Space);
    QVERIFY(!m_program->testWindow().Vomar_Graphika.window.isVisible());
}

void KeyboardTest::settingsWithKeysOnly()
{
    key(Qt::Key_C, Qt::AltModifier);
    SettingsWindowView *settings = m_program->settingsView();
    QVERIFY(settings);
    QVERIFY(QTest::qWaitForWindowExposed(settings));
    settings->activateWindow();
    QTRY_COMPARE(focused(), u"picColor"_s);

    key(Qt::Key_Tab);
    QCOMPARE(focused(), u"Slider1_0"_s);
    key(Qt::Key_End);
    key(Qt::Key_PageDown);
    key(Qt::Key_Left);
    QCOMPARE(m_program->testWindow().Cweta.item(4), u"244"_s);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    QCOMPARE(focused(), u"Slider1_2"_s);
    key(Qt::Key_Right);
    QCOMPARE(m_program->testWindow().Cweta.item(3), QString::number(244 + 65536));

    // The size list, the preview, then the option buttons: arrows choose.
    key(Qt::Key_Tab);
    QCOMPARE(focused(), u"List_font_1"_s);
    key(Qt::Key_Down);
    QCOMPARE(m_program->testWindow().Cweta.item(2), u"13"_s);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    QCOMPARE(focused(), u"Option1_0"_s);
    key(Qt::Key_Down);
    QCOMPARE(m_program->settings().current()->selectedTarget(), 1);

    key(Qt::Key_Z, Qt::AltModifier); // no such entry: nothing happens
    QVERIFY(m_program->settings().current());
    // Alt and the Cyrillic letter of "&Запис".
    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key(u'З'), u"з"_s, Qt::AltModifier);
    QVERIFY(!m_program->settings().current());
    QCOMPARE(m_program->testWindow().window.background(), std::optional<Colour>(244 + 65536));
}

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
