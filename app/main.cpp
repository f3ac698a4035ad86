#include "window/MainForm.h"

#include "Version.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace
{

const char noDisplay[] = "Ombrix needs a graphical desktop, and no display could be opened.\n";
const char noDisplayLayer[] = "Ombrix could not start its display layer. Qt says:\n";

bool displayNamed()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

// What the toolkit said while it connected to the display, kept back until we know
// whether it matters.
QStringList &heard()
{
    static QStringList messages;
    return messages;
}

bool displayUnreachable()
{
    for (const QString &message : heard())
        if (message.contains(QLatin1String("could not connect to display")) ||
            message.contains(QLatin1String("Failed to create wl_display")))
            return true;
    return false;
}

// A Windows player starts the game from a menu and has no terminal to read: the report
// comes in a box of the system's own as well, since our window never opened.
void report(const QString &text)
{
    std::fputs(qPrintable(text), stderr);
    std::fflush(stderr);
#ifdef Q_OS_WIN
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.utf16()), L"Ombrix",
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
#endif
}

// A display that is named but cannot be reached is the same as none. Anything else the
// player may need to fix by hand, so Qt's own words follow ours.
void startupMessages(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtDebugMsg)
        return;
    const QString category = QString::fromLatin1(context.category ? context.category : "");
    heard().append(category.isEmpty() || category == QLatin1String("default")
                       ? text
                       : category + QLatin1String(": ") + text);
    if (type != QtFatalMsg)
        return;
    if (displayUnreachable()) {
        report(QLatin1String(noDisplay));
    } else {
        QString text = QLatin1String(noDisplayLayer);
        for (const QString &message : heard())
            text += message.trimmed() + QLatin1Char('\n');
        report(text);
    }
    // Straight out: the abort that follows a fatal message would leave a core dump.
    std::_Exit(EXIT_FAILURE);
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayNamed()) {
        std::fputs(noDisplay, stderr);
        return EXIT_FAILURE;
    }
    const QtMessageHandler standardMessages = qInstallMessageHandler(startupMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(standardMessages);
    // What Qt said on the way without stopping it still goes to the error output.
    for (const QString &message : std::as_const(heard()))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    heard().clear();
    QApplication::setApplicationName(QStringLiteral("Ombrix"));
    QApplication::setApplicationVersion(QLatin1String(ombrix::shownVersion));
    QApplication::setDesktopFileName(QLatin1String(ombrix::appId));

    MainForm window;
    window.show();
    return QApplication::exec();
}
