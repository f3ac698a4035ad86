#pragma once

#include <QPixmap>
#include <QWidget>

// The window's client area: the table picture drawn unscaled at the top left, cut off at the
// table's size, which is the surface's minimum size, on the back colour. The picture is
// fitted to the screen's density once, not while painting.
class TableSurface : public QWidget
{
    Q_OBJECT

public:
    TableSurface(const QColor &backColor, const QPixmap &picture, QWidget *parent = nullptr);

    // Fits the picture again, for a window that went to a screen of another density.
    void fit();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_backColor;
    QPixmap m_picture;
    QPixmap m_shown;
};
