#pragma once

#include <QString>

#include <stdexcept>

namespace rt
{

// Error numbers players may see in the error report.
enum ErrorNumber {
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    InternalError = 51,
    ControlArrayElementMissing = 340,
};

// The one kind of error the rules raise. Nothing in the rules catches it: it ends the
// running handler and reaches the error report of the dispatcher.
class RuntimeError : public std::runtime_error
{
public:
    RuntimeError(int number, const QString &message);

    int number() const { return m_number; }
    QString message() const { return m_message; }

private:
    int m_number;
    QString m_message;
};

[[noreturn]] void raiseOverflow();
[[noreturn]] void raiseSubscriptOutOfRange();

} // namespace rt
