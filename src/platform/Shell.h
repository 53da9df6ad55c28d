#pragma once

#include <string_view>

namespace tintabel {

enum class ShowWindow { Normal, Maximised };

// Asks the desktop to open a file or an address with the program registered for it.
class Shell {
public:
    virtual ~Shell() = default;
    // Returns whether the desktop accepted the request; callers may ignore it.
    virtual bool open(std::string_view target, ShowWindow show) = 0;
};

} // namespace tintabel
