// The boundary of every handler: a button, timer or list handler that fails stops where it failed, the player sees
// the standard error box, and the game goes on. Every window connects its controls through ConnectGuarded below.
#pragma once

#include <QObject>
#include <functional>
#include <type_traits>

// Runs a handler's body; a failed conversion, file operation or any other standard exception ends it and is shown
// in the standard error box.
void RunGuarded(const std::function<void()>& body);

// Calls a handler with the signal's arguments when it takes them, without them otherwise. A function template of its
// own, because clang rejects the branch not taken when this choice stands in a lambda nested in a generic one.
template <class Handler, class Receiver, class... Arguments>
void InvokeHandler(const Handler& handler, Receiver* receiver, const Arguments&... arguments)
{
    if constexpr (std::is_member_function_pointer_v<Handler>) {
        if constexpr (std::is_invocable_v<Handler, Receiver*, const Arguments&...>)
            std::invoke(handler, receiver, arguments...);
        else
            std::invoke(handler, receiver);
    } else if constexpr (std::is_invocable_v<Handler, const Arguments&...>) {
        std::invoke(handler, arguments...);
    } else {
        std::invoke(handler);
    }
}

// Connects a signal to a handler of a window through the guard: a member function of the receiver, or a plain
// callable. The handler may take the signal's arguments or none.
template <class Sender, class Signal, class Receiver, class Handler>
QMetaObject::Connection ConnectGuarded(Sender* sender, Signal signal, Receiver* receiver, Handler handler)
{
    return QObject::connect(sender, signal, receiver, [receiver, handler](auto... arguments) {
        RunGuarded([&] { InvokeHandler(handler, receiver, arguments...); });
    });
}
