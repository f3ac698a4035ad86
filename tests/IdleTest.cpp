#include "GameTable.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace
{

QStringList threadIds()
{
    return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

int threadCount()
{
    return int(threadIds().size());
}

QByteArray threadFile(const QString &id, const char *file)
{
    QFile f(QStringLiteral("/proc/self/task/%1/%2").arg(id, QString::fromLatin1(file)));
    return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray();
}

// Every thread but the calling one, by id, with its name and how often it has been switched
// in and out. A thread that has not run keeps its count.
std::string otherThreads()
{
    // "/proc/thread-self" links to "/proc/<pid>/task/<tid>" of the thread that reads it.
    const QString self = QFileInfo(QStringLiteral("/proc/thread-self"))
                             .symLinkTarget()
                             .section(QLatin1Char('/'), -1);
    QStringList threads;
    for (const QString &id : threadIds()) {
        if (id == self)
            continue;
        qint64 switches = 0;
        for (const QByteArray &line : threadFile(id, "status").split('\n'))
            if (line.contains("ctxt_switches:"))
                switches += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
        threads.append(QStringLiteral("%1 \"%2\" after %3 switches")
                           .arg(id, QString::fromUtf8(threadFile(id, "comm")))
                           .arg(switches));
    }
    return threads.join(u"; ").toStdString();
}

const QRegularExpression
    pooledThread(QStringLiteral("(; )?[0-9]+ \"Thread \\(pooled\\)\" after [0-9]+ switches"));

// The window, everything it owns, and the native window Qt made for it.
bool ownedBy(const QObject *object, const QWidget *window)
{
    for (const QObject *o = object; o; o = o->parent())
        if (o == window || (window->windowHandle() && o == window->windowHandle()))
            return true;
    return false;
}

QString describe(const QObject *object)
{
    return QStringLiteral("%1 \"%2\"")
        .arg(QString::fromLatin1(object->metaObject()->className()), object->objectName());
}

// Watches a window while the event loop runs: timer events delivered to anything it owns,
// timers registered for anything it owns, and how often the loop woke up at all.
class IdleWatch : public QObject
{
public:
    explicit IdleWatch(const QWidget *window) : m_window(window)
    {
        QCoreApplication::instance()->installEventFilter(this);
        connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, this,
                [this] { ++wakeUps; });
    }
    ~IdleWatch() override { QCoreApplication::instance()->removeEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Timer) {
            if (ownedBy(watched, m_window))
                windowTimerEvents.append(describe(watched));
            else
                otherTimerEvents.append(describe(watched));
        }
        return false;
    }

    QStringList registeredWindowTimers() const
    {
        QList<const QObject *> owned{m_window};
        for (const QObject *child : m_window->findChildren<QObject *>())
            owned.append(child);
        if (const QWindow *native = m_window->windowHandle()) {
            owned.append(native);
            for (const QObject *child : native->findChildren<QObject *>())
                owned.append(child);
        }
        QStringList found;
        auto *dispatcher = QAbstractEventDispatcher::instance();
        for (const QObject *object : owned)
            for (const auto &timer : dispatcher->registeredTimers(const_cast<QObject *>(object)))
                found.append(
                    QStringLiteral("%1 every %2 ms").arg(describe(object)).arg(timer.interval));
        return found;
    }

    QStringList windowTimerEvents;
    QStringList otherTimerEvents;
    int wakeUps = 0;

private:
    const QWidget *m_window;
};

std::string text(const QStringList &list)
{
    return list.join(QStringLiteral(", ")).toStdString();
}

// Lets the event loop wait for work the way it does between a player's clicks.
void idle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

class Idle : public GameTable
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(threadCount(), 1);
        GameTable::SetUp();
        QCoreApplication::processEvents();
    }

    // A second of idle time must cost the window nothing.
    void expectIdle(const char *when)
    {
        SCOPED_TRACE(when);
        // The click's own work, the repaint among it, is done first; threads that helped with
        // it may take a moment to go back to sleep.
        QCoreApplication::processEvents();
        std::string threadsBefore = otherThreads();
        for (int tries = 0; tries < 50; ++tries) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            const std::string now = otherThreads();
            if (now == threadsBefore)
                break;
            threadsBefore = now;
        }
        IdleWatch watch(form.get());
        idle(1000);
        EXPECT_EQ(text(watch.windowTimerEvents), "");
        EXPECT_EQ(text(watch.registeredWindowTimers()), "");
        // On dense screens Qt's painting may hand long fills to its shared pool, whose
        // threads then sleep until they expire; no other thread may exist, and none may run
        // while the game waits.
        EXPECT_EQ(otherThreads(), threadsBefore);
        EXPECT_EQ(QString::fromStdString(threadsBefore).remove(pooledThread), "");
        // Nor anything else in the process: the loop wakes for the timer that ends the second.
        EXPECT_EQ(text(watch.otherTimerEvents), "QSingleShotTimer \"\"");
        EXPECT_LE(watch.wakeUps, 2);
    }
};

TEST_F(Idle, NothingRunsAfterStartUp)
{
    expectIdle("after start-up");
}

TEST_F(Idle, NothingRunsBetweenClicks)
{
    letsPlay();
    expectIdle("after Let's Play");
    place(2);
    expectIdle("after a placement");
    endTurn();
    place(4);
    expectIdle("after Spades placed");
    endTurn();
    expectIdle("after a battle");
}

TEST_F(Idle, NothingRunsOnceAGameIsOver)
{
    letsPlay();
    playGame({0, 1, 2, 3, 4}, {4, 3, 2, 1, 0});
    EXPECT_EQ(takeMessage(), QStringLiteral("It's a tie."));
    EXPECT_EQ(form->EndButton->text(), QStringLiteral("Play Again"));
    expectIdle("after the verdict");
    endTurn();
    expectIdle("after Play Again");
}

// The watch itself: a timer anywhere under the window is seen, both ways.
TEST_F(Idle, WatchSeesATimerOnTheWindow)
{
    auto *ticking = new QTimer(form->PCard(3));
    ticking->start(50);
    IdleWatch watch(form.get());
    idle(300);
    EXPECT_GE(watch.windowTimerEvents.size(), 3);
    EXPECT_EQ(watch.registeredWindowTimers().size(), 1);
}

TEST_F(Idle, WatchSeesAThreadTheGameWouldStart)
{
    // By id, not by count: a pool thread that helped with start-up may end meanwhile.
    const QStringList before = threadIds();
    std::mutex mutex;
    std::condition_variable done;
    bool finish = false;
    std::thread worker([&] {
        std::unique_lock lock(mutex);
        done.wait(lock, [&] { return finish; });
    });
    QStringList started = threadIds();
    started.removeIf([&](const QString &id) { return before.contains(id); });
    EXPECT_EQ(started.size(), 1);
    {
        std::lock_guard lock(mutex);
        finish = true;
    }
    done.notify_one();
    worker.join();
}

} // namespace
