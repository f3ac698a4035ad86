#include "window/WindowFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace
{

// Only families this machine has: a missing one costs a slow fallback search.
QStringList installed(std::initializer_list<const char *> wanted)
{
    const QStringList known = QFontDatabase::families();
    QStringList found;
    for (const char *family : wanted)
        if (known.contains(QString::fromLatin1(family), Qt::CaseInsensitive))
            found.append(QString::fromLatin1(family));
    return found;
}

} // namespace

// The window was drawn in "MS Sans Serif", which Windows keeps as a bitmap face made for
// 100 %, and sizes are in pixels so that the fixed layout holds on any screen.
//
// Qt knows each bitmap by its whole line height (13, 16, 20 px) but asks Windows for it by
// its letters' height (11, 13, 16 px). So the 13 px captions at 100 % get exactly the
// bitmap they were drawn in, while an 11 px caption would get the 13 px bitmap, a size too
// big for its box. At 125, 150 and 200 % no bitmap has the size and Windows cannot scale
// one smoothly. Everything but the 13 px captions at 100 % therefore takes an outline face:
// Windows' own outline of the same design, Tahoma where that is missing, then the
// look-alikes of Linux.
QFont windowFont(FontStyle style, qreal ratio)
{
    static const QStringList bitmapFirst =
        installed({"MS Sans Serif", "Microsoft Sans Serif", "Tahoma", "Liberation Sans", "Arial",
                   "Helvetica", "DejaVu Sans"});
    static const QStringList outlines = installed(
        {"Microsoft Sans Serif", "Tahoma", "Liberation Sans", "Arial", "Helvetica", "DejaVu Sans"});
    const int pixels = style == FontStyle::LargeBold ? 13 : 11;
    QFont font;
    font.setFamilies(pixels == 13 && ratio == 1.0 ? bitmapFirst : outlines);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(style != FontStyle::Regular);
    return font;
}
