#pragma once

#include "app/testwindow.h"
#include "appearance/settingswindow.h"
#include "content/testdefinition.h"

#include <QCollator>
#include <QLocale>

#include <memory>

namespace TestSupport {

// The test window's command buttons.
enum Button : qint16 { Record = 0, Withdraw = 1, Evaluate = 2, Explain = 3 };

// Pairs of phrase numbers (left, right).
using Pairs = QList<QPair<int, int>>;

// The collation the built-in test is meant for, whatever the machine's locale.
QCollator bulgarian();

// A test of `left` and `right` phrases "Lk" / "Rk", with numeric flags for
// every phrase and the given layout.
TestDefinition numberedTest(int left, int right);

// A display with four fonts, "Times New Roman" among them, that realises
// 13 points as 12.75 and 11 as 10.5.
FontToolkit fakeFonts();

// Makes any warning fail the current test, but what the offscreen platform
// itself says on showing a fixed-size window.
void failOnStrayWarnings();

// A test window for the test, started.
std::unique_ptr<TestWindow> started(const TestDefinition &test);

// The row at which the list shows the text, -1 when it does not.
int rowOf(const StringList &list, const QString &text);

// Selects the left and right phrases of that text and presses "Избрах".
void record(TestWindow &window, const QString &left, const QString &right);

// Records the pairs of phrase numbers (left, right) through the lists.
void recordNumbers(TestWindow &window, const Pairs &pairs);

// Checks that the lists of the window keep their invariants; returns an
// empty text when they do, else what is broken.
QString brokenInvariant(const TestWindow &window);

} // namespace TestSupport
