#include "window/MainForm.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace
{

const char noDisplay[] = "Ombrix needs a graphical desktop, and no display could be opened.\n";

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

// While the toolkit connects to the display, its long diagnostics give way to one line.
void startupMessages(QtMsgType type, const QMessageLogContext &, const QString &)
{
    if (type == QtFatalMsg) {
        std::fputs(noDisplay, stderr);
        std::_Exit(EXIT_FAILURE);
    }
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
    QApplication::setApplicationName(QStringLiteral("Ombrix"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Ombrix"));

    MainForm window;
    window.show();
    return QApplication::exec();
}
