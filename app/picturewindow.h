#pragma once

#include "app/controls.h"
#include "content/testdefinition.h"

// The window in which a phrase's picture is shown enlarged. Hidden until the
// learner enlarges a picture; hidden again by the next thumbnail.
class PictureWindow
{
public:
    Form window{publisherAddress + QStringLiteral(" - Vomar picture"), 11880, 8490};
    // The display box at the top left of the client area.
    Control display{Rect{0, 0, 1695, 1815}};
};
