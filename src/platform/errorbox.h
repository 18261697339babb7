#pragma once
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <exception>
#include <functional>
#include <memory>
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

// A timer's tick handler, inside the guard, that never runs inside itself. An error box
// shown from a tick runs a nested event loop, where the same timer keeps firing; such a
// tick is held back instead of running the step a second time on state the first has not
// finished with. When the handler returns and a tick was held back, the timer (if the
// handler left it running) starts its interval afresh: the next step comes one whole
// interval after this one finished, as it would have without the box.
template <class Receiver, class Handler>
QMetaObject::Connection ConnectTickGuarded(QTimer* timer, Receiver* receiver, Handler handler)
{
    struct Ticks {
        bool running = false;
        bool heldBack = false;
    };
    auto ticks = std::make_shared<Ticks>();
    return QObject::connect(timer, &QTimer::timeout, receiver, [timer, receiver, handler, ticks] {
        // Local copies: the handler may end the window, and this connection with it.
        const std::shared_ptr<Ticks> state = ticks;
        const QPointer<QTimer> watched(timer);
        if (state->running) {
            state->heldBack = true;
            return;
        }
        state->running = true;
        state->heldBack = false;
        Guarded([&] {
            if constexpr (std::is_member_function_pointer_v<Handler>)
                (receiver->*handler)();
            else
                handler();
        });
        state->running = false;
        if (std::exchange(state->heldBack, false) && watched && watched->isActive())
            watched->start();
    });
}

}  // namespace zk
