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

// The style's room for the caption. A wrapped caption that needs more lines than that holds
// takes the room up to the button's frame, as Windows' own buttons give it: Windows' style
// keeps four pixels each side, and two lines of 13 px need 27 of the 25 left in a 33 px
// button.
QRect CommandButton::captionArea() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const int extra =
        fontMetrics().boundingRect(area, CaptionFlags, text()).height() - area.height();
    if (extra <= 0)
        return area;
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    area.adjust(0, -(extra + 1) / 2, 0, extra / 2);
    return area.intersected(rect().adjusted(frame, frame, -frame, -frame));
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
