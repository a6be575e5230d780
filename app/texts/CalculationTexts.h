#pragma once

#include "calc/Calculation.h"
#include "calc/SweepKind.h"

#include <string>

// The box a refused stage shows, e.g. "шаг f=-5?..нельзя".
std::string RefusalText(const Refusal& refusal);

// Label5, over the three sweep fields EdOt, EdDo and EdDf.
const char* SweepLabelText(SweepKind sweep);
