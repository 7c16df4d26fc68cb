#pragma once

#include <QString>
#include <QtGlobal>

// Conversions between the decimal texts the lists hold and numbers.
namespace Numbers {

// The decimal number the text begins with (leading blanks ignored, optional
// sign and fraction); 0 when it does not begin with one. Never fails.
double numericValue(const QString &text);

// The whole text, apart from surrounding blanks, must be a number; anything
// else, the empty text included, is a fault.
double strictNumber(const QString &text);

// Rounds to the nearest integer, an exact half to the even one; a fault when
// the result does not fit in 16 bits.
qint16 toInt16(double value);

// A 16-bit result of integer arithmetic; a fault on overflow.
qint16 checkedInt16(qint64 value);

} // namespace Numbers
