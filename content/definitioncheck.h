#pragma once

#include "content/testdefinition.h"

#include <QStringList>

// The limits a test definition must keep, which the program itself does not
// check while it runs: a guard for whoever edits the compiled-in test. Each
// problem is named in words, with the phrase number and the list.
//
// - explanation lines exist for phrase numbers 1..30 only, so no higher
//   phrase may have an explanation flag above 0;
// - pictures exist for phrase numbers 1..30 only, so no higher left phrase
//   may have a picture flag other than 0;
// - every left phrase needs a picture flag that is a number;
// - the phrases of each list are distinct, since phrases are found by text;
// - counts are 16-bit: at most 32767 left phrases, and at most 10922 right
//   phrases, whose triple is formed when deciding about "Оцени".
QStringList definitionProblems(const TestDefinition &test);
