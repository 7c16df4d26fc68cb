// The random use of tst_randomuse, done with mouse and key events on the
// real widgets (offscreen): the binding between widgets and state under
// random use. Any message Qt prints fails it, but what the offscreen
// platform itself says.

#include "randomuse/commands.h"
#include "randomuse/widgetdriver.h"

#include <QApplication>
#include <QLocale>

#include <rapidcheck.h>

namespace {

QStringList unexpectedMessages;

void collectMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support ")))
        unexpectedMessages << message;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    qInstallMessageHandler(collectMessage);
    return RandomUse::playRandomUse([] { return std::make_unique<WidgetDriver>(); },
                                    [] { RC_ASSERT(unexpectedMessages.join(u'\n').toStdString() == std::string()); })
               ? 0
               : 1;
}
