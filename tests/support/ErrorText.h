#pragma once

#include <string>
#include <string_view>

namespace tintabel::testing {

// The text of the error of the given type that the action raises, or "(no error)".
template<class ErrorType, class Action> std::string errorText(Action&& action)
{
    try {
        action();
    } catch (const ErrorType& error) {
        return error.what();
    }
    return "(no error)";
}

// The integer rule's message for a text that is no integer.
inline std::string notAnInteger(std::string_view text)
{
    return "'" + std::string(text) + "' is not a valid integer value";
}

} // namespace tintabel::testing
