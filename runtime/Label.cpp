#include "runtime/Label.h"

#include <QFontMetricsF>
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
    else
        condenseToFit();
}

void Label::setSpokenAs(const QString &pattern)
{
    m_spokenAs = pattern;
    setAccessibleName(m_spokenAs.arg(caption()));
}

void Label::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (m_autoSize) {
        // A box that fits its caption has no need to draw it narrower.
        QFont natural = font();
        natural.setStretch(QFont::AnyStretch);
        setFont(natural);
        fitToCaption();
    } else {
        condenseToFit();
    }
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
    // A look-alike font may stand taller than the one the box was laid out for.
    box.setHeight(std::max(box.height(), text.height() + frame));
    if (box != geometry()) {
        setGeometry(box);
        Q_EMIT resized();
    }
}

// A fixed box was laid out for the window's own font; a look-alike that runs wider is drawn
// narrower until the caption fits with a pixel to spare on either side.
void Label::condenseToFit()
{
    QFont condensed = font();
    condensed.setStretch(QFont::AnyStretch);
    const qreal room = contentsRect().width() - 2;
    const qreal needed = QFontMetricsF(condensed).horizontalAdvance(caption());
    if (needed > room && room > 0) {
        int stretch = int(100 * room / needed);
        condensed.setStretch(stretch);
        while (stretch > 50 && QFontMetricsF(condensed).horizontalAdvance(caption()) > room)
            condensed.setStretch(--stretch);
    }
    if (condensed != font())
        setFont(condensed);
}

void Label::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!m_border)
        return;
    // Four filled strips rather than a stroked outline: at fractional scales a one-pixel
    // stroke can fall between device pixels and vanish, a strip always covers one.
    QPainter painter(this);
    const QRectF box = rect();
    for (const QRectF &edge :
         {QRectF(0, 0, box.width(), 1), QRectF(0, box.height() - 1, box.width(), 1),
          QRectF(0, 0, 1, box.height()), QRectF(box.width() - 1, 0, 1, box.height())})
        painter.fillRect(edge, Qt::black);
}

} // namespace rt
