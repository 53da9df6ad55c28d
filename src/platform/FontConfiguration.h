#pragma once

#include <thread>

namespace tintabel {

// Reads the system's font configuration on a thread of its own. Parsing it is the longest single
// step before a window can measure its first text, and it needs nothing the toolkit makes, so it
// runs while the application object is being made. Join before the first widget is made, so that
// the toolkit finds the configuration read rather than reading it a second time.
std::jthread readFontConfigurationAside();

} // namespace tintabel
