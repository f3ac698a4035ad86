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
    // The 1x pictures, then each again at twice the density under Qt's "@2x" name. The
    // contact sheet shows the 1x set, the pixels the game draws at 96 dots per inch.
    for (const int scale : {1, 2}) {
        QList<SheetItem> drawn;
        const auto name = [scale](const QString &base, const char *suffix) {
            return base + (scale == 2 ? QStringLiteral("@2x") : QString()) +
                   QString::fromLatin1(suffix);
        };
        for (const Suit suit : {Suit::Hearts, Suit::Spades})
            for (int rank = 0; rank < rankCount; ++rank)
                ok &= save(drawFace(suit, rank, scale), dir, name(faceBaseName(suit, rank), ".png"),
                           drawn);
        ok &= save(drawBack(BackColour::Red, scale), dir, name(QStringLiteral("back-red"), ".png"),
                   drawn);
        ok &= save(drawBack(BackColour::Blue, scale), dir,
                   name(QStringLiteral("back-blue"), ".png"), drawn);
        // An uncompressed bitmap: the window paints it first, and it loads fastest as it is.
        ok &= save(drawTable(scale), dir, name(QStringLiteral("table"), ".bmp"), drawn);
        for (const int size : {16, 32, 48, 128})
            ok &= save(drawIcon(size, scale), dir,
                       name(QStringLiteral("icon-%1").arg(size), ".png"), drawn);
        if (scale == 1)
            sheet = drawn;
    }

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
