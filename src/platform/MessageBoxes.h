#pragma once

#include <string_view>

namespace tintabel {

// The program's message boxes. Tests queue the answers and read back what was shown
// (ScriptedMessageBoxes), so no test waits on a modal window.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An error box with one OK button; the general error box shows every unhandled error here.
    virtual void error(std::string_view text) = 0;
    // An information box with one OK button.
    virtual void information(std::string_view text) = 0;
    // A warning with Yes and No; true for Yes.
    virtual bool warningYesNo(std::string_view title, std::string_view text) = 0;
};

} // namespace tintabel
