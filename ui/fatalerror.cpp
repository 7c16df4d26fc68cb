#include "ui/fatalerror.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace FatalError {

namespace {
bool faultReported = false;
}

void report(const std::exception &fault)
{
    faultReported = true;
    QMessageBox::critical(nullptr, QStringLiteral("Vomar"),
                          QStringLiteral("Неочаквана грешка. Програмата ще бъде затворена.\n\n%1")
                              .arg(QString::fromStdString(fault.what())));
    QCoreApplication::exit(1);
}

bool reported()
{
    return faultReported;
}

} // namespace FatalError
