#include "BoxWatchdog.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

#include <gtest/gtest.h>

namespace
{

const void *runningTest()
{
    return ::testing::UnitTest::GetInstance()->current_test_info();
}

QString textOf(const QWidget *box)
{
    if (const auto *message = qobject_cast<const QMessageBox *>(box))
        return message->text();
    return box->windowTitle();
}

} // namespace

BoxWatchdog::BoxWatchdog()
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &BoxWatchdog::closeStrayBoxes);
    QApplication::instance()->installEventFilter(this);
}

BoxWatchdog::~BoxWatchdog()
{
    QApplication::instance()->removeEventFilter(this);
}

bool BoxWatchdog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show && event->type() != QEvent::Hide)
        return false;
    auto *window = qobject_cast<QWidget *>(watched);
    if (!window || !window->isWindow() || !window->isModal())
        return false;
    m_open.removeAll(nullptr);
    m_open.removeAll(window);
    if (event->type() == QEvent::Show) {
        m_open.append(window);
        if (!m_timer.isActive())
            m_timer.start(m_failedTest == runningTest() ? 0 : patienceMs);
    } else if (m_open.isEmpty()) {
        m_timer.stop();
    }
    return false;
}

void BoxWatchdog::closeStrayBoxes()
{
    const QList<QPointer<QWidget>> open = m_open;
    for (const QPointer<QWidget> &box : open) {
        if (!box || !box->isVisible())
            continue;
        ADD_FAILURE() << "A message box nobody closed: \"" << textOf(box).toStdString() << '"';
        m_failedTest = runningTest();
        if (auto *dialog = qobject_cast<QDialog *>(box.data()))
            dialog->done(QDialog::Rejected);
        else
            box->close();
    }
}
