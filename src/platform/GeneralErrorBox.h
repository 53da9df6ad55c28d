#pragma once

#include "platform/MessageBoxes.h"

#include <exception>
#include <utility>

namespace tintabel {

// The general error box: an error that leaves a handler is shown with its text and the program
// goes on. Qt must never see an exception pass through its own frames, so every slot and every
// event override of ours runs its body through here; that is the one place errors are caught.
template<class Handler> void showErrors(MessageBoxes& messages, Handler&& handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        messages.error(error.what());
    } catch (...) {
        messages.error("Unknown error");
    }
}

// Wraps a handler for QObject::connect: guarded(messages, [this] { ... }).
template<class Handler> auto guarded(MessageBoxes& messages, Handler handler)
{
    return [&messages, handler = std::move(handler)](auto&&... args) mutable {
        showErrors(messages, [&] { handler(std::forward<decltype(args)>(args)...); });
    };
}

} // namespace tintabel
