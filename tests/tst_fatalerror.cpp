// The program's ways out, run as child processes of this test: a fault shows
// a message box and ends the program with status 1; "Exit" (with or without
// the settings window open) and the close box end it with status 0. None of
// them prints anything.

#include "content/biologytest.h"
#include "testsupport.h"
#include "ui/program.h"
#include "ui/testwindowview.h"

#include <QApplication>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Phrase `phrase` has a picture flag that is not a number.
TestDefinition badFlagTest(int phrase)
{
    TestDefinition test = TestSupport::numberedTest(3, 3);
    test.pictureFlags[phrase] = u"снимка"_s;
    return test;
}

TestWindowView *testWindowView()
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *view = qobject_cast<TestWindowView *>(widget))
            return view;
    return nullptr;
}

// Prints the text of each message box the program shows, and closes it.
void answerMessageBoxes()
{
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, qApp, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            std::printf("message box: %s\n", qPrintable(box->text()));
            std::fflush(stdout);
            box->accept();
        }
    });
    timer->start(10);
}

void later(std::function<void()> action)
{
    QTimer::singleShot(50, qApp, std::move(action));
}

int runScenario(const QString &scenario)
{
    answerMessageBoxes();
    if (scenario == u"fault_at_startup")
        return runProgram(badFlagTest(1));
    if (scenario == u"fault_in_handler") {
        later([] {
            auto *left = testWindowView()->findChild<QListWidget *>(u"Slowo_0"_s);
            QListWidgetItem *item = left->findItems(u"L2"_s, Qt::MatchExactly).value(0);
            QTest::mouseClick(left->viewport(), Qt::LeftButton, {}, left->visualItemRect(item).center());
        });
        return runProgram(badFlagTest(2));
    }
    if (scenario == u"exit") {
        later([] { testWindowView()->menuBar()->actions().value(0)->trigger(); });
        return runProgram(biologyTest());
    }
    if (scenario == u"exit_with_settings_open") {
        later([] {
            const QList<QAction *> menu = testWindowView()->menuBar()->actions();
            menu.value(1)->trigger();
            menu.value(0)->trigger();
        });
        return runProgram(biologyTest());
    }
    if (scenario == u"close_box") {
        later([] { testWindowView()->close(); });
        return runProgram(biologyTest());
    }
    return 99;
}

} // namespace

class FatalErrorTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void waysOut_data();
    void waysOut();
};

void FatalErrorTest::waysOut_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output");
    QTest::newRow("fault_at_startup") << u"fault_at_startup"_s << 1 << u"message box: Неочаквана грешка."_s;
    QTest::newRow("fault_in_handler") << u"fault_in_handler"_s << 1 << u"message box: Неочаквана грешка."_s;
    QTest::newRow("exit") << u"exit"_s << 0 << QString();
    QTest::newRow("exit_with_settings_open") << u"exit_with_settings_open"_s << 0 << QString();
    QTest::newRow("close_box") << u"close_box"_s << 0 << QString();
}

void FatalErrorTest::waysOut()
{
    QFETCH(QString, scenario);
    QFETCH(int, status);
    QFETCH(QString, output);
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {u"--scenario"_s, scenario});
    QVERIFY(child.waitForFinished(30000));
    const QString out = QString::fromUtf8(child.readAllStandardOutput());
    // The offscreen platform itself says this on showing a fixed-size window;
    // a real display does not.
    const QString err = QString::fromUtf8(child.readAllStandardError())
                            .remove(u"This plugin does not support propagateSizeHints()\n"_s);
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), status);
    QVERIFY2(err.isEmpty(), qPrintable(err));
    if (output.isEmpty()) {
        QCOMPARE(out, QString());
    } else {
        QVERIFY2(out.startsWith(output), qPrintable(out));
        QVERIFY2(out.contains(u"\"снимка\""_s), qPrintable(out));
        QCOMPARE(out.count(u"message box:"_s), 1);
    }
}

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && qstrcmp(argv[1], "--scenario") == 0) {
        QApplication app(argc, argv);
        return runScenario(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    FatalErrorTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_fatalerror.moc"
