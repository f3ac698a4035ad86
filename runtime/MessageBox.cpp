#include "runtime/MessageBox.h"

#include <QMessageBox>

namespace rt
{

namespace
{

MessagePresenter &presenter()
{
    static MessagePresenter current;
    return current;
}

void showRealBox(QWidget *owner, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Ombrix"), text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    // Wide enough that the title bar shows the game's name in full.
    box.setStyleSheet(QStringLiteral("QLabel { min-width: 180px; }"));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    // Not every desktop hands the keyboard back to the window when a box closes.
    if (owner)
        owner->window()->activateWindow();
}

} // namespace

void messageBox(QWidget *owner, const QString &text)
{
    if (presenter())
        presenter()(owner, text);
    else
        showRealBox(owner, text);
}

MessagePresenter setMessagePresenter(MessagePresenter replacement)
{
    MessagePresenter previous = std::move(presenter());
    presenter() = std::move(replacement);
    return previous;
}

} // namespace rt
