#include "runtime/Image.h"

#include "runtime/ImageAccessible.h"

#include <QApplication>
#include <QMetaMethod>
#include <QMouseEvent>

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
    setPixmap(picture.pixmap());
    if (!m_stretch && !picture.pixmap().isNull())
        resize(picture.pixmap().deviceIndependentSize().toSize());
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
    m_stretch = stretch;
    setScaledContents(stretch);
    if (!stretch && !m_picture.pixmap().isNull())
        resize(m_picture.pixmap().deviceIndependentSize().toSize());
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
