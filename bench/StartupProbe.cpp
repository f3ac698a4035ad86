#include "window/MainForm.h"

#include "Version.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{

using Clock = std::chrono::steady_clock;

Clock::time_point mainStarted;

long builtAt = -1;

long microsSinceMain()
{
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - mainStarted).count());
}

// The least a window of the game's size and shape costs: the same client size, a menu with
// two items, and as many children, all of them stock widgets.
class BareWindow : public QMainWindow
{
public:
    BareWindow()
    {
        setWindowTitle(QStringLiteral("Ombrix!"));
        auto *surface = new QWidget(this);
        surface->setFixedSize(486, 323);
        setCentralWidget(surface);
        for (int i = 0; i < 43; ++i) {
            QWidget *child = nullptr;
            if (i % 2 == 0) {
                child = new QWidget(surface);
            } else {
                auto *label = new QLabel(QStringLiteral("Label %1").arg(i), surface);
                child = label;
            }
            child->setGeometry((i % 9) * 54, (i / 9) * 64, 50, 60);
        }
        QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
        file->addAction(QStringLiteral("&Exit"));
        file->addAction(QStringLiteral("&About"));
    }
};

// Notes the first paint of the table, then lets the rest of that frame finish before
// reporting: the check runs once the event that painted it has been fully handled.
class FirstFrame : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && paintStarted < 0) {
            paintStarted = microsSinceMain();
            QMetaObject::invokeMethod(
                this, [this] { report(); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void report()
    {
        const long frameDone = microsSinceMain();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("built_us %ld paint_us %ld frame_us %ld maxrss_kb %ld\n", builtAt, paintStarted,
                    frameDone, usage.ru_maxrss);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    long paintStarted = -1;
};

} // namespace

int main(int argc, char *argv[])
{
    mainStarted = Clock::now();
    const bool game = argc > 1 && std::strcmp(argv[1], "game") == 0;
    const bool bare = argc > 1 && std::strcmp(argv[1], "baseline") == 0;
    if (!game && !bare) {
        std::fputs("usage: ombrix_startup_probe game|baseline\n", stderr);
        return EXIT_FAILURE;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ombrix"));
    QApplication::setApplicationVersion(QLatin1String(ombrix::shownVersion));

    FirstFrame firstFrame;
    QMainWindow *window = game ? static_cast<QMainWindow *>(new MainForm) : new BareWindow;
    builtAt = microsSinceMain();
    window->centralWidget()->installEventFilter(&firstFrame);
    window->show();
    const int status = QApplication::exec();
    delete window;
    return status;
}
