#pragma once

#include <string>

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

} // namespace tintabel::testing
