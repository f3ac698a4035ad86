#include "runtime/Dispatcher.h"

#include "runtime/MessageBox.h"
#include "runtime/RuntimeError.h"

#include <new>

namespace rt
{

QString errorReport(const RuntimeError &error)
{
    return QStringLiteral("Error %1: %2\n\nThat action was stopped. Everything up to it is kept, "
                          "and the game goes on.")
        .arg(error.number())
        .arg(error.message());
}

void dispatch(QWidget *owner, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const RuntimeError &error) {
        messageBox(owner, errorReport(error));
    } catch (const std::bad_alloc &) {
        messageBox(owner, errorReport(RuntimeError(OutOfMemory, QStringLiteral("Out of memory"))));
    } catch (const std::exception &error) {
        messageBox(owner,
                   errorReport(RuntimeError(InternalError, QString::fromLocal8Bit(error.what()))));
    }
}

} // namespace rt
