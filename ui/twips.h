#pragma once

#include "app/controls.h"

#include <QRect>

// Layouts are in twips (1440 an inch); widgets in device-independent pixels
// at the screen's logical DPI.
namespace Twips {

int toPixels(double twips, int logicalDpi);
QRect toPixels(const Rect &rect, int logicalDpi);

} // namespace Twips
