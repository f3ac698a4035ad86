#include "window/TableSurface.h"

#include <QPaintEvent>
#include <QPainter>

TableSurface::TableSurface(const QColor &backColor, const QPixmap &picture, QWidget *parent)
    : QWidget(parent), m_backColor(backColor), m_picture(picture)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TableSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), m_backColor);
    painter.drawPixmap(0, 0, m_picture);
}
