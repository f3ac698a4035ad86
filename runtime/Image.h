#pragma once

#include "runtime/Picture.h"

#include <QLabel>

namespace rt
{

// A borderless picture box. Without Stretch the box takes its picture's natural size;
// with Stretch the picture is scaled into the box. A hidden image takes no clicks.
// The picture is fitted to the box and the screen's density once, when it is assigned, the
// box resized or the screen changed, so that painting copies pixels one to one.
// Its accessible name is its spoken pattern with the picture's words in place of %1.
class Image : public QLabel
{
    Q_OBJECT

public:
    explicit Image(QWidget *parent = nullptr);

    Picture picture() const { return m_picture; }
    void setPicture(const Picture &picture);

    void setSpokenAs(const QString &pattern);

    bool stretch() const { return m_stretch; }
    void setStretch(bool stretch);

    // Presses the image as a click would, for the keyboard and screen readers: only an
    // image with a click handler, shown, on top where it lies and with no box open.
    bool takesPress() const;
    void press();

    // Fits the picture again, for a window that went to a screen of another density.
    void fit();

Q_SIGNALS:
    void click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void updateAccessibleName();

    Picture m_picture;
    QPixmap m_shown;
    QString m_spokenAs = QStringLiteral("%1");
    bool m_stretch = false;
    bool m_pressed = false;
};

} // namespace rt
