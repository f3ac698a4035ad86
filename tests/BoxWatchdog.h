#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <QList>

class QWidget;

// A modal box that no test closes would block the run until ctest gives up. The watchdog
// sees every modal window appear; one still open a moment later is closed and fails the
// running test with the box's text. Its timer runs only while such a box is open.
class BoxWatchdog : public QObject
{
public:
    // How long a test may keep a box open on purpose.
    static constexpr int patienceMs = 2000;

    BoxWatchdog();
    ~BoxWatchdog() override;

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void closeStrayBoxes();

    QTimer m_timer;
    QList<QPointer<QWidget>> m_open;
    // After one stray box, a test gets no more patience: the rest close at once.
    const void *m_failedTest = nullptr;
};
