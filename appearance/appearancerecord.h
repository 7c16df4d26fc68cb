#pragma once

#include "app/colour.h"

#include <QStringList>

class StringList;
class TestWindow;

// The appearance record of the test window: a list of 19 texts. Item 0 is a
// description, 1 the font name and 2 the font size of the text fields; then
// four colour targets k = 0..3 (window background, field background, field
// text, button background), each its colour at 4k + 3 followed by its red,
// green and blue components.
namespace AppearanceRecord {

constexpr int itemCount = 19;
constexpr int fontNameItem = 1;
constexpr int fontSizeItem = 2;
constexpr int targetCount = 4;

constexpr int colourItem(int target) { return 4 * target + 3; }
constexpr int componentItem(int target, int component) { return 4 * target + 4 + component; }

// The items every run of the program starts with.
QStringList defaults();

// An item as a number; the program writes only whole decimal numbers there.
Colour colourAt(const StringList &record, int item);
int wholeNumberAt(const StringList &record, int item);

// Shows the test window's record on it: the window's background; the
// backgrounds, text colours, font name and size of the three lists and the
// explanation box; the two colours of the counter. Nothing else changes.
void apply(TestWindow &window);

} // namespace AppearanceRecord
