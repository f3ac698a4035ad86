#include "Backs.h"
#include "ContactSheet.h"
#include "Faces.h"
#include "IcoWriter.h"
#include "Icon.h"
#include "Table.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdlib>

using namespace artdraw;

namespace
{

bool save(const QImage &image, const QDir &dir, const QString &name, QList<SheetItem> &sheet)
{
    const QString path = dir.filePath(name);
    if (!image.save(path)) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    sheet.append({name, image});
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: ombrix_artdraw <output directory>\n";
        return EXIT_FAILURE;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        QTextStream(stderr) << "cannot create " << dir.path() << '\n';
        return EXIT_FAILURE;
    }

    QList<SheetItem> sheet;
    bool ok = true;
    for (const Suit suit : {Suit::Hearts, Suit::Spades})
        for (int rank = 0; rank < rankCount; ++rank)
            ok &= save(drawFace(suit, rank), dir, faceFileName(suit, rank), sheet);
    ok &= save(drawBack(BackColour::Red), dir, QStringLiteral("back-red.png"), sheet);
    ok &= save(drawBack(BackColour::Blue), dir, QStringLiteral("back-blue.png"), sheet);
    // An uncompressed bitmap: the window paints it first, and it loads fastest as it is.
    ok &= save(drawTable(), dir, QStringLiteral("table.bmp"), sheet);
    for (const int size : {16, 32, 48, 128})
        ok &= save(drawIcon(size), dir, QStringLiteral("icon-%1.png").arg(size), sheet);

    const QByteArray ico = writeIco({{drawIcon(32), 8},
                                     {drawIcon(16), 8},
                                     {drawIcon(128), 32},
                                     {drawIcon(48), 32},
                                     {drawIcon(32), 32},
                                     {drawIcon(16), 32}});
    QFile icoFile(dir.filePath(QStringLiteral("ombrix.ico")));
    if (!icoFile.open(QIODevice::WriteOnly) || icoFile.write(ico) != ico.size()) {
        QTextStream(stderr) << "cannot write " << icoFile.fileName() << '\n';
        ok = false;
    }
    icoFile.close();

    if (!drawContactSheet(sheet).save(dir.filePath(QStringLiteral("contact-sheet.png")), "PNG")) {
        QTextStream(stderr) << "cannot write the contact sheet\n";
        ok = false;
    }
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
