#include "runtime/Label.h"

#include <QPainter>

namespace rt
{

Label::Label(QWidget *parent) : QLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void Label::setCaption(const QString &caption)
{
    setText(caption);
    setAccessibleName(m_spokenAs.arg(caption));
    if (m_autoSize)
        fitToCaption();
}

void Label::setSpokenAs(const QString &pattern)
{
    m_spokenAs = pattern;
    setAccessibleName(m_spokenAs.arg(caption()));
}

void Label::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (m_autoSize)
        fitToCaption();
}

void Label::setBorder(bool border)
{
    m_border = border;
    setContentsMargins(border ? QMargins(1, 1, 1, 1) : QMargins());
    update();
}

void Label::fitToCaption()
{
    const int frame = m_border ? 2 : 0;
    const QSize text = fontMetrics().size(Qt::TextSingleLine, caption());
    const int width = std::max(minimumWidth(), text.width() + frame);
    QRect box = geometry();
    if (alignment() & Qt::AlignHCenter)
        box.moveLeft(box.left() + (box.width() - width) / 2);
    box.setWidth(width);
    if (box != geometry()) {
        setGeometry(box);
        Q_EMIT resized();
    }
}

void Label::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!m_border)
        return;
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace rt
