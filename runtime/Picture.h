#pragma once

#include <QPixmap>
#include <QString>

namespace rt
{

// A picture as controls pass it to one another: the pixels, and the words a screen reader
// says for them.
class Picture
{
public:
    Picture() = default;
    Picture(const QPixmap &pixmap, const QString &spoken) : m_pixmap(pixmap), m_spoken(spoken) {}

    const QPixmap &pixmap() const { return m_pixmap; }
    QString spoken() const { return m_spoken; }

private:
    QPixmap m_pixmap;
    QString m_spoken;
};

} // namespace rt
