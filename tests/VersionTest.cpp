#include "GameTable.h"

#include <QFile>
#include <QRegularExpression>

namespace
{

QString readText(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "cannot open " << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

// The first capture of pattern in text, or a marker that cannot equal a version.
QString captured(const QString &text, const char *pattern)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QString::fromLatin1(pattern)).match(text);
    return match.hasMatch() ? match.captured(1) : QStringLiteral("<none: %1>").arg(pattern);
}

} // namespace

using Version = GameTable;

// What the player reads in the About box, what Windows shows, what the software centre
// lists and what the package manager installs all name one release.
TEST_F(Version, TheAboutBoxTheResourceScriptTheMetainfoAndThePackageAgree)
{
    form->MenuAbout->trigger();
    const QString about = captured(takeMessage(), R"x(^Ombrix version (\S+)\n)x");

    const QString rc = readText(QStringLiteral(OMBRIX_BINARY_DIR "/art/ombrix.rc"));
    const QString metainfo =
        readText(QStringLiteral(OMBRIX_BINARY_DIR "/packaging/" OMBRIX_APP_ID ".metainfo.xml"));
    const QString cpack = readText(QStringLiteral(OMBRIX_BINARY_DIR "/CPackConfig.cmake"));

    const QString released = captured(metainfo, R"x(<release version="([^"]+)")x");
    const QString packaged = captured(cpack, R"x(set\(CPACK_PACKAGE_VERSION "([^"]+)"\))x");
    const QString fileVersion =
        captured(rc, R"x(\n\s*FILEVERSION\s+(\d+,\s*\d+,\s*\d+),\s*0\s*\n)x");
    const QString productVersion =
        captured(rc, R"x(\n\s*PRODUCTVERSION\s+(\d+,\s*\d+,\s*\d+),\s*0\s*\n)x");

    EXPECT_EQ(about, QStringLiteral("1.00"));
    EXPECT_EQ(captured(rc, R"x(VALUE\s+"FileVersion",\s*"([^"]+)")x"), about);
    EXPECT_EQ(captured(rc, R"x(VALUE\s+"ProductVersion",\s*"([^"]+)")x"), about);
    EXPECT_EQ(packaged, released);
    EXPECT_EQ(
        QString(fileVersion).remove(QLatin1Char(' ')).replace(QLatin1Char(','), QLatin1Char('.')),
        released);
    EXPECT_EQ(productVersion, fileVersion);
    // "1.00" is major, then minor and patch run together.
    const QStringList parts = released.split(QLatin1Char('.'));
    ASSERT_EQ(parts.size(), 3) << released.toStdString();
    EXPECT_EQ(parts[0] + QLatin1Char('.') + parts[1] + parts[2], about);
}

TEST(ApplicationId, TheDesktopEntryAndTheMetainfoNameOneId)
{
    const QString metainfo =
        readText(QStringLiteral(OMBRIX_BINARY_DIR "/packaging/" OMBRIX_APP_ID ".metainfo.xml"));
    const QString desktop =
        readText(QStringLiteral(OMBRIX_BINARY_DIR "/packaging/" OMBRIX_APP_ID ".desktop"));
    EXPECT_EQ(captured(metainfo, R"x(<id>([^<]+)</id>)x"), QStringLiteral(OMBRIX_APP_ID));
    EXPECT_EQ(captured(metainfo, R"x(<launchable type="desktop-id">([^<]+)\.desktop<)x"),
              QStringLiteral(OMBRIX_APP_ID));
    EXPECT_EQ(captured(desktop, R"x(\nIcon=([^\n]+)\n)x"), QStringLiteral(OMBRIX_APP_ID));
}
