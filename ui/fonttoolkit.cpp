#include "ui/fonttoolkit.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

FontToolkit screenFonts()
{
    return FontToolkit{[] { return QFontDatabase::families(); },
                       [](const QString &family, double points) {
                           QFont font(family);
                           font.setPointSizeF(points);
                           return QFontInfo(font).pointSizeF();
                       }};
}
