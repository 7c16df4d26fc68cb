#pragma once

#include "content/testdefinition.h"

// The test the program carries: biology, kinds of diseases, 32 pairs.
const TestDefinition &biologyTest();
