#pragma once

#include <QPixmap>
#include <QWidget>

// The window's client area: the back colour with the table picture drawn unscaled at the
// top left, cut off where it is larger than the window.
class TableSurface : public QWidget
{
    Q_OBJECT

public:
    TableSurface(const QColor &backColor, const QPixmap &picture, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_backColor;
    QPixmap m_picture;
};
