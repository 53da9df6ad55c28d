#pragma once

#include "colours/ReadabilityTexts.h"

namespace tintabel {

// The captions of the "Readability" window in the two languages.
const ReadabilityTexts& englishReadabilityTexts();
const ReadabilityTexts& polishReadabilityTexts();

} // namespace tintabel
