// Takes the README's pictures: starts the program on the current display,
// optionally opens the settings window, and saves what its windows show.
//   vomar_screenshots [--settings] FILE

#include "content/biologytest.h"
#include "ui/program.h"
#include "ui/settingswindowview.h"
#include "ui/testwindowview.h"

#include <QApplication>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool settings = arguments.removeAll(QStringLiteral("--settings")) > 0;
    if (arguments.size() != 1)
        return 2;
    const QString file = arguments.first();

    Program program(biologyTest());
    if (!program.start())
        return 1;
    if (settings)
        program.view()->menuBar()->actions().value(1)->trigger();

    int status = 1;
    QTimer::singleShot(1500, &app, [&] {
        QRect shown = program.view()->frameGeometry();
        if (program.settingsView())
            shown |= program.settingsView()->frameGeometry();
        const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
        // The grab is in device pixels, the windows' geometry is not.
        const qreal ratio = screen.devicePixelRatio();
        const QRect device(shown.topLeft() * ratio, shown.size() * ratio);
        status = screen.copy(device).save(file) ? 0 : 1;
        QCoreApplication::exit(status);
    });
    QApplication::exec();
    return status;
}
