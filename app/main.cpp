#include "window/MainForm.h"

#include <QApplication>

#include <cstdio>

// Without a display the toolkit would abort with a long trace; say it plainly instead.
static bool displayAvailable()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

int main(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fputs("Ombrix needs a graphical desktop: no display was found (DISPLAY is not set).\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ombrix"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.Ombrix"));

    MainForm window;
    window.show();
    return QApplication::exec();
}
