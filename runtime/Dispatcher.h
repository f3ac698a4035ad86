#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace rt
{

class RuntimeError;

// The text of the error report for a runtime error.
QString errorReport(const RuntimeError &error);

// Runs one event handler to completion. A runtime error ends the handler at the failing
// step; what it changed before stays, the report is shown in the message box and the
// program carries on. No exception ever reaches Qt's event loop.
void dispatch(QWidget *owner, const std::function<void()> &handler);

// Connects a signal to a handler through the dispatcher.
template <typename Sender, typename Signal>
void connectEvent(Sender *sender, Signal signal, QWidget *owner, std::function<void()> handler)
{
    QObject::connect(sender, signal, owner, [owner, handler] { dispatch(owner, handler); });
}

} // namespace rt
