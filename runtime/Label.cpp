#include "runtime/Label.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include <cmath>

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
        m_squeeze = 1.0;
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
// narrower until the caption fits with a pixel to spare on either side. The painter squeezes
// it: a stretched font would cost a font of its own to load for every such caption.
void Label::condenseToFit()
{
    const qreal room = contentsRect().width() - 2;
    const qreal needed = QFontMetricsF(font()).horizontalAdvance(caption());
    const qreal squeeze = needed > room && room > 0 ? room / needed : 1.0;
    if (squeeze != m_squeeze) {
        m_squeeze = squeeze;
        update();
    }
}

void Label::drawSqueezedCaption()
{
    QPainter painter(this);
    const QRect box = contentsRect();
    painter.translate(box.topLeft());
    painter.scale(m_squeeze, 1.0);
    const QRect laidOut(0, 0, int(std::ceil(box.width() / m_squeeze)), box.height());
    style()->drawItemText(&painter, laidOut, int(alignment()), palette(), isEnabled(), text(),
                          foregroundRole());
}

// A caption in a new font fits its box anew.
void Label::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        setCaption(caption());
}

void Label::paintEvent(QPaintEvent *event)
{
    if (m_squeeze < 1.0)
        drawSqueezedCaption();
    else
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
