#include "runtime/MessageBox.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace rt
{

namespace
{

constexpr int MinimumBoxWidth = 180;

MessagePresenter &presenter()
{
    static MessagePresenter current;
    return current;
}

void showRealBox(QWidget *owner, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Ombrix"), text, QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    // A floor under the box's width, so that the title bar shows the game's name in full
    // above a short text; a longer text still widens the box or wraps as it needs.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(MinimumBoxWidth, 0, QSizePolicy::Minimum), grid->rowCount(),
                      0, 1, grid->columnCount());
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
