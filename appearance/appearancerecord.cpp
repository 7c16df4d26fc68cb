#include "appearance/appearancerecord.h"

#include "app/numbers.h"
#include "app/stringlist.h"
#include "app/testwindow.h"

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

Colour colourAt(const StringList &record, int item)
{
    return Colour(qint64(Numbers::numericValue(record.item(item))));
}

int wholeNumberAt(const StringList &record, int item)
{
    return Numbers::toInt16(Numbers::numericValue(record.item(item)));
}

void apply(TestWindow &window)
{
    const StringList &record = window.Cweta;
    const Colour background = colourAt(record, colourItem(1));
    const Colour text = colourAt(record, colourItem(2));
    const QString fontName = record.item(fontNameItem);
    const double fontSize = Numbers::numericValue(record.item(fontSizeItem));

    window.window.setBackground(colourAt(record, colourItem(0)));
    for (ListBox &list : window.Slowo)
        list.setBackground(background);
    window.Prowerka[0].setBackground(background);
    window.Ndapis.setBackground(background);
    for (ListBox &list : window.Slowo)
        list.setForeground(text);
    window.Ndapis.setForeground(text);
    window.Prowerka[0].setForeground(text);
    for (ListBox &list : window.Slowo)
        list.setFontName(fontName);
    window.Prowerka[0].setFontName(fontName);
    for (ListBox &list : window.Slowo)
        list.setFontSize(fontSize);
    window.Prowerka[0].setFontSize(fontSize);
}

} // namespace AppearanceRecord
