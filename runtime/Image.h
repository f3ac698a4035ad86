#pragma once

#include <QLabel>
#include <QPixmap>

namespace rt
{

// A borderless picture box. Without Stretch the box takes its picture's natural size;
// with Stretch the picture is scaled into the box. A hidden image takes no clicks.
class Image : public QLabel
{
    Q_OBJECT

public:
    explicit Image(QWidget *parent = nullptr);

    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

    bool stretch() const { return m_stretch; }
    void setStretch(bool stretch);

Q_SIGNALS:
    void click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    bool m_stretch = false;
    bool m_pressed = false;
};

} // namespace rt
