#include "runtime/RuntimeError.h"

namespace rt
{

RuntimeError::RuntimeError(int number, const QString &message)
    : std::runtime_error(message.toStdString()), m_number(number), m_message(message)
{
}

void raiseOverflow()
{
    throw RuntimeError(Overflow, QStringLiteral("Overflow"));
}

void raiseSubscriptOutOfRange()
{
    throw RuntimeError(SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
}

} // namespace rt
