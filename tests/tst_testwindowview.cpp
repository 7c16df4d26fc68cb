// The test window's widgets on the offscreen platform: built from the state,
// and the learner's clicks and keys reaching the same handlers as code.

#include "content/biologytest.h"
#include "testsupport.h"
#include "ui/picturewindowview.h"
#include "ui/program.h"
#include "ui/testwindowview.h"
#include "ui/twips.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QColor colour(Colour c)
{
    return QColor(int(c & 255), int((c >> 8) & 255), int((c >> 16) & 255));
}

QByteArray png(const QSize &size, Qt::GlobalColor fill)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(fill);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

class TestWindowViewTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void listGeometryAfterStartup_data();
    void listGeometryAfterStartup();
    void layoutColoursAndTexts();
    void tabOrder();
    void listsShowTheStateInOrder();
    void clicksRunTheHandlers();
    void keysSelectRows();
    void qtsOwnSelectionsAreUndone();
    void wholeTestWithTheMouse();
    void thumbnailAndPictureWindow();

private:
    template<typename W> W *widget(const QString &name) const
    {
        W *found = m_program->view()->findChild<W *>(name);
        if (!found)
            qFatal("no widget %s", qPrintable(name));
        return found;
    }
    void startProgram(const TestDefinition &test);
    void clickRow(const QString &list, const QString &text);
    void clickButton(int index);
    int dpi() const { return m_program->view()->logicalDpiX(); }

    std::unique_ptr<Program> m_program;
};

void TestWindowViewTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
}

void TestWindowViewTest::init()
{
    TestSupport::failOnStrayWarnings();
    startProgram(biologyTest());
}

void TestWindowViewTest::cleanup()
{
    m_program.reset();
}

void TestWindowViewTest::startProgram(const TestDefinition &test)
{
    m_program = std::make_unique<Program>(test);
    QVERIFY(m_program->start());
    QVERIFY(QTest::qWaitForWindowExposed(m_program->view()));
}

void TestWindowViewTest::clickRow(const QString &list, const QString &text)
{
    auto *view = widget<QListWidget>(list);
    QListWidgetItem *item = view->findItems(text, Qt::MatchExactly).value(0);
    QVERIFY2(item, qPrintable(text));
    view->scrollToItem(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(item).center());
}

void TestWindowViewTest::clickButton(int index)
{
    QTest::mouseClick(widget<QPushButton>(u"Uprawl_"_s + QString::number(index)), Qt::LeftButton);
}

void TestWindowViewTest::listGeometryAfterStartup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<double>>("twips");
    QTest::newRow("left") << u"Slowo_0"_s << QList<double>{20, 480, 2835, 2055};
    QTest::newRow("right") << u"Slowo_1"_s << QList<double>{2960, 480, 8075, 2055};
    QTest::newRow("answers") << u"Slowo_2"_s << QList<double>{840, 2640, 9375, 1485};
    QTest::newRow("explanation") << u"Prowerka_0"_s << QList<double>{1800, 4680, 9135, 2055};
    QTest::newRow("thumbnail") << u"Grafika_0"_s << QList<double>{120, 4680, 1575, 1335};
}

void TestWindowViewTest::listGeometryAfterStartup()
{
    QFETCH(QString, name);
    QFETCH(QList<double>, twips);
    const QRect expected = Twips::toPixels(Rect{twips[0], twips[1], twips[2], twips[3]}, dpi());
    QCOMPARE(widget<QWidget>(name)->geometry(), expected);
    // The right list ends inside the client area the outer width leaves.
    QVERIFY(m_program->view()->centralWidget()->width() >= Twips::toPixels(11035, dpi()));
}

void TestWindowViewTest::layoutColoursAndTexts()
{
    TestWindowView *view = m_program->view();
    QCOMPARE(view->windowTitle(), biologyTest().title());
    QCOMPARE(view->minimumSize(), view->maximumSize());
    const QList<QSize> iconSizes = view->windowIcon().availableSizes();
    QVERIFY(iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(32, 32)));
    const QImage client = view->centralWidget()->grab().toImage();
    QCOMPARE(client.pixelColor(2, client.height() - 2), colour(32768));

    auto *counter = widget<QLabel>(u"Ndapis"_s);
    QCOMPARE(counter->text(), u"Оставащи:"_s);
    QCOMPARE(counter->palette().color(QPalette::Window), colour(8438015));
    QCOMPARE(counter->toolTip(), u"Извежда резултатите в края на теста"_s);

    const std::array<QString, 4> captions = {u"Избрах"_s, u"Върни"_s, u"Оцени"_s, u"Обясни"_s};
    const std::array<Colour, 4> faces = {33023, 8454143, 16761024, 49152};
    for (int i = 0; i < 4; ++i) {
        auto *button = widget<QPushButton>(u"Uprawl_"_s + QString::number(i));
        QCOMPARE(button->text(), captions[i]);
        QCOMPARE(button->palette().color(QPalette::Button), colour(faces[i]));
        QCOMPARE(button->isEnabled(), i != 2);
    }
    auto *explanation = widget<QPlainTextEdit>(u"Prowerka_0"_s);
    QCOMPARE(explanation->palette().color(QPalette::Base), colour(14737632));
    QVERIFY(explanation->toPlainText().startsWith(u"Това е релационен тест.\nТрябва"_s));
    QVERIFY(explanation->isReadOnly());
    QVERIFY(!widget<QLineEdit>(u"Prowerka_1"_s)->isVisible());
    QVERIFY(!widget<QLabel>(u"Grafika_1"_s)->isVisible());
    QCOMPARE(widget<QWidget>(u"Slowo_0"_s)->font().family(), u"Times New Roman"_s);
    QCOMPARE(widget<QWidget>(u"Slowo_0"_s)->font().pointSizeF(), 12.0);

    const QList<QAction *> menu = view->menuBar()->actions();
    QCOMPARE(menu.size(), 2);
    QCOMPARE(menu[0]->iconText(), u"Exit"_s);
    QCOMPARE(menu[1]->iconText(), u"Color"_s);
}

void TestWindowViewTest::tabOrder()
{
    const QStringList order = {u"Slowo_0"_s,  u"Slowo_1"_s,    u"Slowo_2"_s,  u"Uprawl_0"_s, u"Uprawl_1"_s,
                               u"Prowerka_0"_s, u"Uprawl_3"_s, u"Grafika_0"_s, u"Slowo_0"_s};
    // "Оцени" is disabled, so Tab passes it by.
    QWidget *left = widget<QWidget>(u"Slowo_0"_s);
    QTRY_COMPARE(QApplication::focusWidget(), left);
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
    }
}

void TestWindowViewTest::listsShowTheStateInOrder()
{
    const TestWindow &state = m_program->testWindow();
    for (int i = 0; i < 2; ++i) {
        auto *list = widget<QListWidget>(u"Slowo_"_s + QString::number(i));
        QStringList shown;
        for (int row = 0; row < list->count(); ++row)
            shown << list->item(row)->text();
        QCOMPARE(shown, state.Slowo[i].items());
        QCOMPARE(list->currentRow(), 0);
    }
    QCOMPARE(widget<QListWidget>(u"Slowo_0"_s)->item(0)->text(), u"абулия"_s);
}

void TestWindowViewTest::clicksRunTheHandlers()
{
    TestWindow &state = m_program->testWindow();
    auto *left = widget<QListWidget>(u"Slowo_0"_s);
    auto *answers = widget<QListWidget>(u"Slowo_2"_s);

    clickRow(u"Slowo_0"_s, u"акне"_s);
    QCOMPARE(state.Slowo[0].item(state.Slowo[0].currentIndex()), u"акне"_s);
    QCOMPARE(state.dum_N[0].currentIndex(), state.Slowo[0].currentIndex());
    QCOMPARE(state.Picture_Number, 3);
    clickRow(u"Slowo_1"_s, u"младежки пъпки"_s);
    clickButton(0);
    QCOMPARE(state.Slowo[2].items(), QStringList{u"акне младежки пъпки"_s});
    QCOMPARE(answers->count(), 1);
    QCOMPARE(answers->item(0)->text(), u"акне младежки пъпки"_s);
    QCOMPARE(left->count(), 31);
    QCOMPARE(left->currentRow(), -1);
    QVERIFY(left->selectedItems().isEmpty());
    QCOMPARE(widget<QLabel>(u"Ndapis"_s)->text(), u"Остават: 31"_s);

    clickRow(u"Slowo_2"_s, u"акне младежки пъпки"_s);
    QCOMPARE(state.Slowo[2].currentIndex(), 0);
    QCOMPARE(widget<QPlainTextEdit>(u"Prowerka_0"_s)->toPlainText(), QString());
    clickButton(1);
    QCOMPARE(answers->count(), 0);
    QCOMPARE(left->count(), 32);
    QVERIFY(!left->findItems(u"акне"_s, Qt::MatchExactly).isEmpty());
    QVERIFY(TestSupport::brokenInvariant(state).isEmpty());
}

void TestWindowViewTest::keysSelectRows()
{
    TestWindow &state = m_program->testWindow();
    auto *left = widget<QListWidget>(u"Slowo_0"_s);
    left->setFocus();
    QTest::keyClick(left, Qt::Key_Down);
    QTest::keyClick(left, Qt::Key_Down);
    QCOMPARE(state.Slowo[0].currentIndex(), 2);
    QCOMPARE(state.dum_N[0].currentIndex(), 2);
    QCOMPARE(left->currentRow(), 2);
    QTest::keyClick(left, Qt::Key_End);
    QCOMPARE(state.Slowo[0].item(state.Slowo[0].currentIndex()), u"хипохондрия"_s);
}

void TestWindowViewTest::qtsOwnSelectionsAreUndone()
{
    TestWindow &state = m_program->testWindow();
    clickButton(0);
    clickRow(u"Slowo_0"_s, u"акне"_s);
    clickRow(u"Slowo_1"_s, u"младежки пъпки"_s);
    clickButton(0);
    auto *left = widget<QListWidget>(u"Slowo_0"_s);
    auto *answers = widget<QListWidget>(u"Slowo_2"_s);
    // Focus on a list that never had a current row makes Qt choose one; a
    // removed current row makes it choose a neighbour.
    answers->setFocus();
    QCoreApplication::processEvents();
    QCOMPARE(state.Slowo[2].currentIndex(), -1);
    QCOMPARE(answers->currentRow(), -1);
    QCOMPARE(left->currentRow(), -1);
    clickButton(0);
    QCOMPARE(state.Slowo[2].count(), 2);
    clickButton(1);
    QCOMPARE(state.Slowo[2].count(), 2);
}

void TestWindowViewTest::wholeTestWithTheMouse()
{
    const TestDefinition &test = biologyTest();
    // 30 right pairs and two with their partners swapped.
    for (int k = 1; k <= 32; ++k) {
        const int partner = k == 31 ? 32 : k == 32 ? 31 : k;
        clickRow(u"Slowo_0"_s, test.leftPhrase(k - 1));
        clickRow(u"Slowo_1"_s, test.rightPhrase(partner - 1));
        clickButton(0);
    }
    auto *evaluate = widget<QPushButton>(u"Uprawl_2"_s);
    QVERIFY(evaluate->isEnabled());
    clickButton(2);
    QCOMPARE(widget<QLabel>(u"Ndapis"_s)->text(), u"Верни: 94%"_s);
    auto *verdict = widget<QLineEdit>(u"Prowerka_1"_s);
    QVERIFY(verdict->isVisible());
    QCOMPARE(verdict->text(), u"ДА"_s);
    QCOMPARE(verdict->palette().color(QPalette::Base), colour(65280));
    QCOMPARE(widget<QListWidget>(u"Slowo_2"_s)->currentRow(), 0);
    QVERIFY(!widget<QPushButton>(u"Uprawl_0"_s)->isEnabled());
    QVERIFY(!widget<QPushButton>(u"Uprawl_1"_s)->isEnabled());
    QVERIFY(!evaluate->isEnabled());

    clickRow(u"Slowo_2"_s, test.leftPhrase(30) + u" "_s + test.rightPhrase(31));
    QCOMPARE(verdict->text(), u"НЕ"_s);
    QCOMPARE(verdict->palette().color(QPalette::Base), colour(255));
    clickButton(3);
    QCOMPARE(widget<QPlainTextEdit>(u"Prowerka_0"_s)->toPlainText(),
             u"\n\"флегмон\" е във връзка с \"остро гнойно възпаление на част от тялото\""_s);
}

void TestWindowViewTest::thumbnailAndPictureWindow()
{
    TestDefinition test = TestSupport::numberedTest(3, 3);
    test.pictureFlags[2] = u"1"_s;
    test.pictureSlots[1] = PictureSlot{Picture{png(QSize(40, 30), Qt::red)}, 1200, 900};
    startProgram(test);
    auto *thumbnail = widget<QLabel>(u"Grafika_0"_s);
    QVERIFY(thumbnail->pixmap().isNull());
    clickRow(u"Slowo_0"_s, u"L2"_s);
    QCOMPARE(thumbnail->pixmap().size(), QSize(40, 30));
    // Unscaled, from the top left corner.
    QCOMPARE(thumbnail->grab().toImage().pixelColor(thumbnail->contentsRect().topLeft() + QPoint(5, 5)),
             QColor(Qt::red));

    PictureWindowView *pictures = m_program->view()->pictureWindow();
    QVERIFY(!pictures->isVisible());
    QTest::mouseClick(thumbnail, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(pictures));
    const QSize outer(Twips::toPixels(1300, dpi()), Twips::toPixels(1150, dpi()));
    QCOMPARE(pictures->frameGeometry().size(), outer);
    auto *display = pictures->findChild<QLabel *>(u"Graphika_0"_s);
    QCOMPARE(display->geometry(), QRect(0, 0, Twips::toPixels(1200, dpi()), Twips::toPixels(900, dpi())));
    QCOMPARE(display->pixmap().size(), QSize(40, 30));

    clickRow(u"Slowo_0"_s, u"L1"_s);
    QVERIFY(thumbnail->pixmap().isNull());
    QVERIFY(!pictures->isVisible());
}

QTEST_MAIN(TestWindowViewTest)
#include "tst_testwindowview.moc"
