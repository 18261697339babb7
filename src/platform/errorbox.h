#pragma once
#include <QObject>
#include <QString>
#include <exception>
#include <functional>
#include <type_traits>

namespace zk {

// The application's error box: title "Зориклад!", stop icon, OK.
// A full stop is added when the text's last character sorts after ".".
QString ErrorBoxText(const QString& text);
void ShowErrorBox(const QString& text);

// Tests answer the box in advance: the recorder gets the final text instead of a window.
using ErrorRecorder = std::function<void(const QString&)>;
void SetErrorRecorder(ErrorRecorder recorder);  // empty restores the real box

// Text of whatever was thrown, as the box shows it (before the full-stop rule).
QString ExceptionText(const std::exception_ptr& error);

// Every event handler body runs inside this guard: an error ends the handler there,
// is shown in the error box, and the program goes on. Returns false after an error.
template <class F>
bool Guarded(F&& body)
{
    try {
        body();
        return true;
    } catch (...) {
        ShowErrorBox(ExceptionText(std::current_exception()));
        return false;
    }
}

// A signal connected to a handler (a member function of the receiver, or any callable)
// that runs inside the guard.
template <class Sender, class Signal, class Receiver, class Handler>
QMetaObject::Connection ConnectGuarded(Sender* sender, Signal signal, Receiver* receiver, Handler handler)
{
    return QObject::connect(sender, signal, receiver, [receiver, handler] {
        Guarded([&] {
            if constexpr (std::is_member_function_pointer_v<Handler>)
                (receiver->*handler)();
            else
                handler();
        });
    });
}

}  // namespace zk
