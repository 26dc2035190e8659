#pragma once

#include "platform/Exceptions.h"

#include <QObject>
#include <QPointer>

#include <exception>
#include <vector>

// The application object: it owns the data module and the windows created at start,
// ends the message loop, and is the default handler of every error a handler raises.
class TApplication
{
public:
    static TApplication &Instance();

    // Takes ownership; at the end the objects still alive are destroyed in reverse order of
    // creation (a window released on the way is simply gone).
    template <class T> T *Create(T *object)
    {
        m_owned.emplace_back(object);
        return object;
    }
    void DestroyAll();

    // Ends the message loop (nested modal loops included) once the current event returns.
    void Terminate();
    bool Terminated() const { return m_terminated; }
    // A new run starts with the flag cleared (tests start the program more than once).
    void ResetTerminated() { m_terminated = false; }

    void HandleException(const std::exception &e);

    // Runs an event handler; no error may leave it.
    template <class F> void Guard(F &&handler)
    {
        try {
            handler();
        } catch (const std::exception &e) {
            HandleException(e);
        }
    }

private:
    std::vector<QPointer<QObject>> m_owned;
    bool m_terminated = false;
};

inline TApplication &Application()
{
    return TApplication::Instance();
}

// Connects a signal to a parameterless handler of the receiver, run inside the guard.
template <class Sender, class Signal, class Receiver, class Handler>
QMetaObject::Connection OnEvent(Sender *sender, Signal signal, Receiver *receiver, Handler handler)
{
    return QObject::connect(sender, signal, receiver,
        [receiver, handler](auto &&...) { Application().Guard([&] { (receiver->*handler)(); }); });
}
