#pragma once

#include <exception>
#include <utility>

// The one way out after a fault: a message box, then the program ends with
// status 1. Exceptions must not escape into Qt's event handling, so every
// call from a widget into the logic goes through guard().
namespace FatalError {

void report(const std::exception &fault);

// True once a fault was reported: the program is ending and runs no more
// handlers.
bool reported();

template<typename Action> void guard(Action &&action)
{
    if (reported())
        return;
    try {
        std::forward<Action>(action)();
    } catch (const std::exception &fault) {
        report(fault);
    }
}

} // namespace FatalError
