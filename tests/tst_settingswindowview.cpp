// The settings window's widgets on the offscreen platform, opened from the
// test window's "Color" as the learner would.

#include "appearance/settingswindow.h"
#include "content/biologytest.h"
#include "testsupport.h"
#include "ui/program.h"
#include "ui/settingswindowview.h"
#include "ui/testwindowview.h"
#include "ui/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QColor colour(Colour c)
{
    return QColor(int(c & 255), int((c >> 8) & 255), int((c >> 16) & 255));
}

QAction *menuEntry(QMainWindow *window, const QString &name)
{
    for (QAction *action : window->menuBar()->actions())
        if (action->objectName() == name)
            return action;
    qFatal("no menu entry %s", qPrintable(name));
}

} // namespace

class SettingsWindowViewTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void opensModelessWithItsLayout();
    void keysMoveTheSliderAndCodeDoesNot();
    void saveRecoloursTheTestWindow();
    void colorAgainBringsTheSameWindowToTheFront();
    void closeBoxCancels();

private:
    void openSettings();
    SettingsWindowView *settingsView() const { return m_program->settingsView(); }
    template<typename W> W *widget(const QString &name) const
    {
        W *found = m_program->settingsView()->findChild<W *>(name);
        if (!found)
            qFatal("no widget %s", qPrintable(name));
        return found;
    }
    SettingsWindow &state() const { return *m_program->settings().current(); }

    std::unique_ptr<Program> m_program;
};

void SettingsWindowViewTest::init()
{
    TestSupport::failOnStrayWarnings();
    m_program = std::make_unique<Program>(biologyTest());
    QVERIFY(m_program->start());
    QVERIFY(QTest::qWaitForWindowExposed(m_program->view()));
}

void SettingsWindowViewTest::cleanup()
{
    m_program.reset();
}

void SettingsWindowViewTest::openSettings()
{
    menuEntry(m_program->view(), u"Cwqt"_s)->trigger();
    QVERIFY(m_program->settingsView());
    QVERIFY(QTest::qWaitForWindowExposed(m_program->settingsView()));
}

void SettingsWindowViewTest::opensModelessWithItsLayout()
{
    openSettings();
    SettingsWindowView *view = settingsView();
    QVERIFY(view->isVisible());
    QVERIFY(!view->isModal());
    QVERIFY(!view->parentWidget());
    QVERIFY(m_program->view()->isEnabled());
    QCOMPARE(view->windowTitle(), u"Формиране на цвят/избор на шрифт"_s);
    QCOMPARE(view->minimumSize(), view->maximumSize());
    QCOMPARE(view->windowIcon().availableSizes(), QList<QSize>{QSize(16, 16)});
    const int dpi = view->logicalDpiX();
    QCOMPARE(view->centralWidget()->width(), Twips::toPixels(5535, dpi));
    QCOMPARE(view->centralWidget()->height(), Twips::toPixels(4710, dpi));
    QCOMPARE(widget<QSlider>(u"Slider1_1"_s)->geometry(), Twips::toPixels(Rect{440, 2040, 3000, 315}, dpi));

    QCOMPARE(menuEntry(view, u"mnu_zapis"_s)->iconText(), u"Запис"_s);
    QCOMPARE(menuEntry(view, u"mnu_Otkaz"_s)->iconText(), u"Отказ"_s);
    QVERIFY(!menuEntry(view, u"mnu_Danni"_s)->isVisible());
    QVERIFY(!menuEntry(view, u"mnu_Danni"_s)->isEnabled());
    QVERIFY(!widget<QRadioButton>(u"Option1_3"_s)->isVisible());
    QVERIFY(!widget<QLabel>(u"Label_Cv_8"_s)->isVisible());
    QVERIFY(!widget<QListWidget>(u"List_font_0"_s)->isVisible());
    QVERIFY(widget<QRadioButton>(u"Option1_0"_s)->isChecked());

    for (int i = 0; i < 3; ++i)
        QCOMPARE(widget<QSlider>(u"Slider1_"_s + QString::number(i))->value(), (std::array{128, 0, 0}[i]));
    QCOMPARE(widget<QLabel>(u"Label_Cv_3"_s)->text(), u"Цвят"_s);
    QCOMPARE(widget<QLabel>(u"Label_Cv_3"_s)->font().pointSizeF(), 9.75);
    QCOMPARE(widget<QLabel>(u"Label_Cv_0"_s)->palette().color(QPalette::WindowText), colour(192));
    QCOMPARE(widget<QLabel>(u"Label_ST_2"_s)->toolTip(), u"Цифрова стойност на синия цвят в обхвата [0 - 255] "_s);
    QCOMPARE(widget<QRadioButton>(u"Option1_1"_s)->toolTip(), u" За настройване цвета на фона в текстовите полета "_s);
    QCOMPARE(widget<QListWidget>(u"List_font_1"_s)->currentItem()->text(), u"12"_s);
    auto *preview = widget<QLineEdit>(u"Text_Cv_0"_s);
    QCOMPARE(preview->text(), u"Шрифт"_s);
    QCOMPARE(preview->palette().color(QPalette::Base), colour(16777215));
    QCOMPARE(preview->palette().color(QPalette::Text), colour(8));
    QCOMPARE(widget<QLabel>(u"picColor"_s)->palette().color(QPalette::Window), colour(128));
    QCOMPARE(view->centralWidget()->palette().color(QPalette::Window), colour(8421504));
    QTRY_COMPARE(QApplication::focusWidget(), widget<QWidget>(u"picColor"_s));
}

void SettingsWindowViewTest::keysMoveTheSliderAndCodeDoesNot()
{
    openSettings();
    auto *red = widget<QSlider>(u"Slider1_0"_s);
    red->setValue(3); // code: no handler, the record keeps its component
    QCOMPARE(m_program->testWindow().Cweta.item(4), u"128"_s);
    QCOMPARE(widget<QLabel>(u"Label_ST_0"_s)->text(), u"R"_s);

    red->setFocus();
    QTest::keyClick(red, Qt::Key_Right);
    QCOMPARE(m_program->testWindow().Cweta.item(4), u"4"_s);
    QCOMPARE(m_program->testWindow().Cweta.item(3), u"4"_s);
    QCOMPARE(widget<QLabel>(u"Label_ST_0"_s)->text(), u"4"_s);
    QTest::keyClick(red, Qt::Key_PageUp);
    QCOMPARE(state().Slider1[0].position(), 14);
    QTest::keyClick(red, Qt::Key_End);
    QCOMPARE(m_program->testWindow().Cweta.item(4), u"255"_s);
    QCOMPARE(red->value(), 255);
    QCOMPARE(widget<QLabel>(u"Label_Cv_3"_s)->text(), u"Цвят в 10/16-тичен код = 255 /HFF"_s);
    QCOMPARE(settingsView()->centralWidget()->palette().color(QPalette::Window), colour(255));
}

void SettingsWindowViewTest::saveRecoloursTheTestWindow()
{
    openSettings();
    QTest::mouseClick(widget<QRadioButton>(u"Option1_1"_s), Qt::LeftButton);
    QCOMPARE(state().selectedTarget(), 1);
    auto *green = widget<QSlider>(u"Slider1_1"_s);
    green->setFocus();
    QTest::keyClick(green, Qt::Key_Home);
    auto *sizes = widget<QListWidget>(u"List_font_1"_s);
    QTest::mouseClick(sizes->viewport(), Qt::LeftButton, {}, sizes->visualItemRect(sizes->item(2)).center());
    QCOMPARE(m_program->testWindow().Cweta.item(2), u"10"_s);

    auto *left = m_program->view()->findChild<QListWidget *>(u"Slowo_0"_s);
    const QColor before = left->palette().color(QPalette::Base);
    menuEntry(m_program->settingsView(), u"mnu_zapis"_s)->trigger();
    QVERIFY(!m_program->settingsView()->isVisible());
    const QColor fieldBackground = colour(Colours::compose(255, 0, 255));
    QVERIFY(before != fieldBackground);
    QCOMPARE(left->palette().color(QPalette::Base), fieldBackground);
    QCOMPARE(left->grab().toImage().pixelColor(left->width() / 2, left->height() - 8), fieldBackground);
    QCOMPARE(left->font().pointSizeF(), 10.0);
    QCOMPARE(m_program->view()->centralWidget()->palette().color(QPalette::Window), colour(128));
    QCOMPARE(m_program->view()->findChild<QLabel *>(u"Ndapis"_s)->palette().color(QPalette::WindowText),
             colour(8));
}

void SettingsWindowViewTest::colorAgainBringsTheSameWindowToTheFront()
{
    openSettings();
    SettingsWindowView *first = settingsView();
    SettingsWindow *firstState = &state();
    firstState->moveSlider(2, 9);
    openSettings();
    QCOMPARE(settingsView(), first);
    QCOMPARE(&state(), firstState);
    QCOMPARE(widget<QSlider>(u"Slider1_2"_s)->value(), 9);

    menuEntry(first, u"mnu_Otkaz"_s)->trigger();
    QVERIFY(!first->isVisible());
    openSettings();
    QVERIFY(settingsView()->isVisible());
    QCOMPARE(widget<QSlider>(u"Slider1_2"_s)->value(), 9);
    QCOMPARE(widget<QLabel>(u"Label_ST_2"_s)->text(), u"B"_s);
}

void SettingsWindowViewTest::closeBoxCancels()
{
    openSettings();
    state().moveSlider(0, 1);
    settingsView()->close();
    QVERIFY(!m_program->settings().current());
    QCOMPARE(m_program->view()->centralWidget()->palette().color(QPalette::Window), colour(32768));
    QCOMPARE(m_program->testWindow().Cweta.item(3), u"1"_s);
}

QTEST_MAIN(SettingsWindowViewTest)
#include "tst_settingswindowview.moc"
