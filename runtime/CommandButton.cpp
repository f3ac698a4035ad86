#include "runtime/CommandButton.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace rt
{

namespace
{

constexpr int CaptionFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

} // namespace

CommandButton::CommandButton(QWidget *parent) : QPushButton(parent)
{
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

QRect CommandButton::captionArea() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat() &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

// A button that appears while nothing visible has the focus takes it, so the keyboard
// always has a button to press.
void CommandButton::showEvent(QShowEvent *event)
{
    QPushButton::showEvent(event);
    const QWidget *focused = window()->focusWidget();
    if (!focused || !focused->isVisibleTo(window()))
        setFocus(Qt::OtherFocusReason);
}

// Captions wider than the button wrap onto further lines.
void CommandButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.drawItemText(captionArea(), CaptionFlags, palette(), isEnabled(), text(),
                         QPalette::ButtonText);
}

} // namespace rt
