// The windows on a screen of 96 or of 192 dpi (QT_SCALE_FACTOR 1 or 2, set
// by CTest): the layout keeps its proportions in device-independent pixels,
// is drawn at the screen's density, and no caption or value is cut. The
// fonts the layouts name come out as their metric-compatible stand-ins.

#include "appearance/settingswindow.h"
#include "content/biologytest.h"
#include "testsupport.h"
#include "ui/program.h"
#include "ui/settingswindowview.h"
#include "ui/testwindowview.h"
#include "ui/twips.h"

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// What of the widget's text does not fit, or an empty text.
QString cutText(const QWidget *widget)
{
    QString text;
    int room = widget->contentsRect().width();
    if (auto *label = qobject_cast<const QLabel *>(widget)) {
        text = label->text();
    } else if (auto *button = qobject_cast<const QPushButton *>(widget)) {
        text = button->text();
        room -= 2 * widget->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget);
    } else if (auto *line = qobject_cast<const QLineEdit *>(widget)) {
        text = line->text();
        room -= 2 * (widget->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, widget) + 2);
    }
    const QFontMetrics metrics = widget->fontMetrics();
    if (text.isEmpty() || !widget->isVisible())
        return {};
    if (metrics.horizontalAdvance(text) > room || metrics.height() > widget->height())
        return u"%1 \"%2\": %3x%4 in %5x%6"_s.arg(widget->objectName(), text)
            .arg(metrics.horizontalAdvance(text))
            .arg(metrics.height())
            .arg(room)
            .arg(widget->height());
    return {};
}

QStringList cutTexts(const QWidget *window)
{
    QStringList cut;
    for (const QWidget *child : window->findChildren<QWidget *>())
        if (const QString c = cutText(child); !c.isEmpty())
            cut << c;
    for (const QListWidget *list : window->findChildren<QListWidget *>())
        if (list->isVisible() && list->count() > 0
            && list->visualItemRect(list->item(0)).height() < list->fontMetrics().height())
            cut << list->objectName() + u": rows lower than the text"_s;
    return cut;
}

} // namespace

class DpiTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void layoutKeepsItsProportions();
    void noTextIsCut();
    void layoutFontsComeOutAsTheirStandIns();

private:
    std::unique_ptr<Program> m_program;
    qreal m_scale = 1;
};

void DpiTest::init()
{
    TestSupport::failOnStrayWarnings();
    m_scale = qEnvironmentVariable("QT_SCALE_FACTOR", u"1"_s).toDouble();
    m_program = std::make_unique<Program>(biologyTest());
    QVERIFY(m_program->start());
    QVERIFY(QTest::qWaitForWindowExposed(m_program->view()));
}

void DpiTest::cleanup()
{
    m_program.reset();
}

void DpiTest::layoutKeepsItsProportions()
{
    TestWindowView *view = m_program->view();
    QCOMPARE(view->devicePixelRatioF(), m_scale);
    QCOMPARE(view->logicalDpiX(), 96);
    const TestWindow &state = m_program->testWindow();
    const std::array<std::pair<const char *, const Control *>, 6> controls = {
        {{"Slowo_0", &state.Slowo[0]}, {"Slowo_1", &state.Slowo[1]}, {"Slowo_2", &state.Slowo[2]},
         {"Uprawl_2", &state.Uprawl[2]}, {"Prowerka_0", &state.Prowerka[0]}, {"Grafika_0", &state.Grafika[0]}}};
    for (const auto &[name, control] : controls)
        QCOMPARE(view->findChild<QWidget *>(QString::fromLatin1(name))->geometry(),
                 Twips::toPixels(control->geometry(), 96));
    // Drawn at the screen's density.
    const QPixmap drawn = view->findChild<QWidget *>(u"Slowo_0"_s)->grab();
    QCOMPARE(drawn.devicePixelRatio(), m_scale);
    QCOMPARE(drawn.width(), qRound(Twips::toPixels(2835, 96) * m_scale));
}

void DpiTest::noTextIsCut()
{
    TestWindow &state = m_program->testWindow();
    QCOMPARE(cutTexts(m_program->view()), QStringList());
    // The longest values: the counter, the mark, the verdict.
    TestSupport::recordNumbers(state, {{1, 1}});
    QCOMPARE(cutTexts(m_program->view()), QStringList());
    for (int k = 2; k <= 32; ++k)
        TestSupport::recordNumbers(state, {{k, k}});
    state.Uprawl_Click(TestSupport::Evaluate);
    QCOMPARE(state.Ndapis.text(), u"Верни: 100%"_s);
    QCOMPARE(cutTexts(m_program->view()), QStringList());

    state.Cwqt_Click();
    SettingsWindowView *settings = m_program->settingsView();
    QVERIFY(QTest::qWaitForWindowExposed(settings));
    QCOMPARE(cutTexts(settings), QStringList());
    SettingsWindow &window = *m_program->settings().current();
    window.chooseOption(1); // white: the longest colour code
    QCOMPARE(window.Label_Cv[3].text(), u"Цвят в 10/16-тичен код = 16777215 /HFFFFFF"_s);
    QCOMPARE(cutTexts(settings), QStringList());
}

void DpiTest::layoutFontsComeOutAsTheirStandIns()
{
    const QWidget *left = m_program->view()->findChild<QWidget *>(u"Slowo_0"_s);
    QCOMPARE(left->font().family(), u"Times New Roman"_s);
    QCOMPARE(QFontInfo(left->font()).family(), u"Liberation Serif"_s);
    QCOMPARE(QFontInfo(left->font()).pointSize(), 12);
}

QTEST_MAIN(DpiTest)
#include "tst_dpi.moc"
