#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace artdraw
{

struct SheetItem {
    QString label;
    QImage image;
};

// Every picture at 1x and, beside it, at 4x with hard pixel edges, for looking over.
QImage drawContactSheet(const QList<SheetItem> &items);

} // namespace artdraw
