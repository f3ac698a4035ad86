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

// A look-alike of the window's font can run wider than the one the buttons were laid out
// for: the caption is then drawn narrower until, wrapped, it fits with a pixel to spare on
// either side.
QFont CommandButton::captionFont() const
{
    const QRect room = captionArea().adjusted(1, 0, -1, 0);
    const auto fits = [&](const QFont &candidate) {
        return room.contains(QFontMetrics(candidate).boundingRect(room, CaptionFlags, text()));
    };
    QFont condensed = font();
    condensed.setStretch(QFont::AnyStretch);
    for (int stretch = 99; stretch >= 50 && !fits(condensed); --stretch)
        condensed.setStretch(stretch);
    return condensed;
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
    painter.setFont(captionFont());
    painter.drawItemText(captionArea(), CaptionFlags, palette(), isEnabled(), text(),
                         QPalette::ButtonText);
}

} // namespace rt
