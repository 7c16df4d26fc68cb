#pragma once

#include "appearance/settingswindow.h"

// The fonts of the display, as the settings window sees them.
FontToolkit screenFonts();
