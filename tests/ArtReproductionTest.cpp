// The drawing program, run afresh, reproduces every committed picture in art/.

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace
{

QStringList picturesIn(const QString &dir)
{
    return QDir(dir).entryList(
        {QStringLiteral("*.png"), QStringLiteral("*.bmp"), QStringLiteral("*.ico")}, QDir::Files,
        QDir::Name);
}

// Every image a file holds: one, or six for the icon.
QList<QImage> imagesOf(const QString &path)
{
    QList<QImage> images;
    QImageReader reader(path);
    do {
        const QImage image = reader.read();
        if (image.isNull())
            break;
        images.append(image.convertToFormat(QImage::Format_ARGB32));
    } while (reader.jumpToNextImage());
    return images;
}

// Faces and backs are integer and sampled arithmetic and must match exactly. What goes
// through antialiased painting and smooth scaling may differ by one level in a channel,
// as Qt picks its pixel routines for the processor it runs on; a change to the drawing
// moves pixels much further than that.
int tolerance(const QString &name)
{
    const bool exact =
        name.startsWith(u"hearts-") || name.startsWith(u"spades-") || name.startsWith(u"back-");
    return exact ? 0 : 1;
}

// How many pixels differ by more than `allowed` in some channel.
int differing(const QImage &a, const QImage &b, int allowed)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int most =
                std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            n += most > allowed ? 1 : 0;
        }
    return n;
}

TEST(ArtReproduction, DrawingProgramMatchesEveryCommittedPicture)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QProcess draw;
    draw.start(QStringLiteral(OMBRIX_ARTDRAW), {out.path()});
    ASSERT_TRUE(draw.waitForFinished(120000));
    ASSERT_EQ(draw.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(draw.exitCode(), 0) << draw.readAllStandardError().toStdString();

    const QString art = QStringLiteral(OMBRIX_SOURCE_DIR "/art");
    const QStringList committed = picturesIn(art);
    ASSERT_EQ(picturesIn(out.path()).join(u' ').toStdString(), committed.join(u' ').toStdString())
        << "the program draws other files than art/ holds";
    for (const QString &name : committed) {
        SCOPED_TRACE(name.toStdString());
        const QList<QImage> want = imagesOf(art + QLatin1Char('/') + name);
        const QList<QImage> got = imagesOf(out.filePath(name));
        ASSERT_FALSE(want.isEmpty());
        ASSERT_EQ(got.size(), want.size());
        for (qsizetype i = 0; i < want.size(); ++i) {
            ASSERT_EQ(got[i].size(), want[i].size()) << "image " << i;
            EXPECT_EQ(differing(got[i], want[i], tolerance(name)), 0)
                << "image " << i << ": pixels differ; re-run ombrix_artdraw art and commit";
        }
    }
}

} // namespace
