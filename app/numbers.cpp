#include "app/numbers.h"

#include "app/fault.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace Numbers {

namespace {

// Sign, digits and an optional fraction, or a fraction alone (".5").
const QString numberPattern = QStringLiteral(R"([+-]?(?:\d+(?:\.\d*)?|\.\d+))");

} // namespace

double numericValue(const QString &text)
{
    static const QRegularExpression leadingNumber(QStringLiteral("^ *(") + numberPattern + QStringLiteral(")"));
    const QRegularExpressionMatch match = leadingNumber.match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
}

double strictNumber(const QString &text)
{
    static const QRegularExpression wholeNumber(QStringLiteral(R"(^\s*()") + numberPattern + QStringLiteral(R"()\s*$)"));
    const QRegularExpressionMatch match = wholeNumber.match(text);
    if (!match.hasMatch())
        throw ProgramFault(QStringLiteral("Текстът \"%1\" не е число.").arg(text));
    return match.captured(1).toDouble();
}

qint16 toInt16(double value)
{
    const double rounded = std::nearbyint(value); // the default rounding mode goes half to even
    if (!(rounded >= std::numeric_limits<qint16>::min() && rounded <= std::numeric_limits<qint16>::max()))
        throw ProgramFault(QStringLiteral("Препълване: %1 не се побира в 16 бита.").arg(value));
    return static_cast<qint16>(rounded);
}

qint16 checkedInt16(qint64 value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw ProgramFault(QStringLiteral("Препълване: %1 не се побира в 16 бита.").arg(value));
    return static_cast<qint16>(value);
}

} // namespace Numbers
