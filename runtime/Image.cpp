#include "runtime/Image.h"

#include "runtime/Density.h"
#include "runtime/ImageAccessible.h"

#include <QApplication>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

namespace rt
{

Image::Image(QWidget *parent) : QLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    installImageAccessibility();
}

void Image::setPicture(const Picture &picture)
{
    m_picture = picture;
    if (!m_stretch && !picture.pixmap().isNull())
        resize(picture.pixmap().deviceIndependentSize().toSize());
    fit();
    updateAccessibleName();
}

void Image::setSpokenAs(const QString &pattern)
{
    m_spokenAs = pattern;
    updateAccessibleName();
}

void Image::updateAccessibleName()
{
    setAccessibleName(m_spokenAs.arg(m_picture.spoken()));
}

void Image::setStretch(bool stretch)
{
    if (stretch == m_stretch)
        return;
    m_stretch = stretch;
    if (!stretch && !m_picture.pixmap().isNull())
        resize(m_picture.pixmap().deviceIndependentSize().toSize());
    fit();
}

void Image::fit()
{
    const QPixmap &source = m_picture.pixmap();
    const QPixmap shown = rt::fitted(
        source, m_stretch ? size() : source.deviceIndependentSize().toSize(), devicePixelRatioF());
    if (shown.cacheKey() == m_shown.cacheKey())
        return;
    m_shown = shown;
    update();
}

void Image::paintEvent(QPaintEvent *)
{
    if (m_shown.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_shown);
}

void Image::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    if (m_stretch)
        fit();
}

bool Image::takesPress() const
{
    if (!isSignalConnected(QMetaMethod::fromSignal(&Image::click)) || !isVisible())
        return false;
    const QWidget *top = window();
    const QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal != top)
        return false;
    return top->childAt(mapTo(top, rect().center())) == this;
}

void Image::press()
{
    if (takesPress())
        Q_EMIT click();
}

void Image::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

// A click is a left press and release over the image.
void Image::mouseReleaseEvent(QMouseEvent *event)
{
    const bool clicked = m_pressed && event->button() == Qt::LeftButton &&
                         rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (clicked)
        Q_EMIT click();
}

// The second press of a double click is not a second click.
void Image::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_pressed = false;
    event->accept();
}

} // namespace rt
