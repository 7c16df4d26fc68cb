#include "ui/twips.h"

#include <QtMath>

namespace Twips {

int toPixels(double twips, int logicalDpi)
{
    return qRound(twips * logicalDpi / 1440.0);
}

QRect toPixels(const Rect &rect, int logicalDpi)
{
    return {toPixels(rect.left, logicalDpi), toPixels(rect.top, logicalDpi),
            toPixels(rect.width, logicalDpi), toPixels(rect.height, logicalDpi)};
}

} // namespace Twips
