#include "window/TableSurface.h"

#include "runtime/Density.h"

#include <QPaintEvent>
#include <QPainter>

TableSurface::TableSurface(const QColor &backColor, const QPixmap &picture, QWidget *parent)
    : QWidget(parent), m_backColor(backColor), m_picture(picture)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    fit();
}

void TableSurface::fit()
{
    m_shown =
        rt::fitted(m_picture, m_picture.deviceIndependentSize().toSize(), devicePixelRatioF());
    update();
}

void TableSurface::paintEvent(QPaintEvent *event)
{
    // Rectangle by rectangle: under the region the controls leave, which is no rectangle,
    // Qt would blend the picture span by span and start its thread pool to do so. The
    // picture stops where the table does, however large a desktop makes the window, and the
    // back colour shows wherever it does not reach.
    QPainter painter(this);
    const QRect pictured = QRect(QPoint(0, 0), m_shown.deviceIndependentSize().toSize()) &
                           QRect(QPoint(0, 0), minimumSize());
    for (const QRect &rect : event->region()) {
        if (!pictured.contains(rect)) {
            painter.setClipping(false);
            painter.fillRect(rect, m_backColor);
        }
        const QRect drawn = rect & pictured;
        if (drawn.isEmpty())
            continue;
        painter.setClipRect(drawn);
        painter.drawPixmap(0, 0, m_shown);
    }
}
