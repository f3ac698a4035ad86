#include "BoxWatchdog.h"

#include <QApplication>

#include <gtest/gtest.h>

// The offscreen platform complains about window hints it has no use for.
static void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (text.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    qt_message_output(type, context, text);
}

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietMessages);
    // The suites never need a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ombrix"));
    ::testing::InitGoogleTest(&argc, argv);
    BoxWatchdog watchdog;
    return RUN_ALL_TESTS();
}
