#pragma once

#include "colours/InterfaceTexts.h"

namespace tintabel {

// The interface texts of the two languages, word for word as the program has always shown them.
const InterfaceTexts& englishTexts();
const InterfaceTexts& polishTexts();

} // namespace tintabel
