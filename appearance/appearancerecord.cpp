#include "appearance/appearancerecord.h"

using namespace Qt::StringLiterals;

namespace AppearanceRecord {

QStringList defaults()
{
    // Target 1's components do not match its colour; every opening of the
    // settings window recomputes the components from the colours.
    return {u"всичко това е за управление на цветове"_s,
            u"Times New Roman"_s, u"12"_s,
            u"128"_s, u"128"_s, u"0"_s, u"0"_s,
            u"16777215"_s, u"0"_s, u"128"_s, u"0"_s,
            u"8"_s, u"8"_s, u"0"_s, u"0"_s,
            u"192"_s, u"192"_s, u"0"_s, u"0"_s};
}

} // namespace AppearanceRecord
