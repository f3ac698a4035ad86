// Checks the pictures exactly as committed in art/ and as compiled into the game.

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace
{

constexpr QRgb green = qRgb(0, 128, 0);
constexpr QRgb black = qRgb(0, 0, 0);
constexpr QRgb white = qRgb(255, 255, 255);
constexpr QRgb pureRed = qRgb(255, 0, 0);

QString artDir()
{
    return QStringLiteral(OMBRIX_SOURCE_DIR "/art/");
}

QImage fromDisk(const QString &name)
{
    QImage image(artDir() + name);
    EXPECT_FALSE(image.isNull()) << "cannot read art/" << name.toStdString();
    return image;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << "cannot open " << path.toStdString();
    return file.readAll();
}

int countIn(const QImage &image, const QRect &area, const std::function<bool(QRgb)> &match)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += match(image.pixel(x, y)) ? 1 : 0;
    return n;
}

// Bounding box of every pixel that matches.
QRect boundsOf(const QImage &image, const QRect &area, const std::function<bool(QRgb)> &match)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (match(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

// Every picture comes at 1x and, under Qt's "@2x" name, at twice the pixel density; a
// region given in 1x pixels covers the same part of the picture at either.
constexpr std::array<int, 2> scales = {1, 2};

QString atScale(const QString &base, const char *suffix, int scale)
{
    return base + (scale == 2 ? QStringLiteral("@2x") : QString()) + QString::fromLatin1(suffix);
}

QRect scaled(const QRect &r, int scale)
{
    return QRect(r.topLeft() * scale, r.size() * scale);
}

double distance(QRgb a, QRgb b)
{
    return std::hypot(qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b));
}

// ---------------------------------------------------------------- every file

struct PictureFile {
    const char *name;
    QSize size; // at 1x
    bool alpha;
    const char *suffix = ".png";
    int scale = 1;
};

std::vector<PictureFile> allPictures()
{
    std::vector<PictureFile> list;
    for (const char *name : {"hearts-2", "hearts-j", "hearts-q", "hearts-k", "hearts-a", "spades-2",
                             "spades-j", "spades-q", "spades-k", "spades-a"})
        list.push_back({name, QSize(35, 48), false});
    list.push_back({"back-red", QSize(45, 62), false});
    list.push_back({"back-blue", QSize(45, 62), false});
    list.push_back({"table", QSize(490, 325), false, ".bmp"});
    list.push_back({"icon-16", QSize(16, 16), true});
    list.push_back({"icon-32", QSize(32, 32), true});
    list.push_back({"icon-48", QSize(48, 48), true});
    list.push_back({"icon-128", QSize(128, 128), true});
    const std::size_t oneX = list.size();
    for (std::size_t i = 0; i < oneX; ++i) {
        PictureFile denser = list[i];
        denser.scale = 2;
        list.push_back(denser);
    }
    return list;
}

void PrintTo(const PictureFile &p, std::ostream *os)
{
    *os << atScale(QString::fromLatin1(p.name), p.suffix, p.scale).toStdString();
}

class PictureFileTest : public ::testing::TestWithParam<PictureFile>
{
};

TEST_P(PictureFileTest, HasItsSizeAndChannelsOnDiskAndInResources)
{
    const PictureFile &p = GetParam();
    const QString name = atScale(QString::fromLatin1(p.name), p.suffix, p.scale);
    const QImage disk = fromDisk(name);
    const QImage compiled(QStringLiteral(":/art/") + name);
    ASSERT_FALSE(compiled.isNull()) << name.toStdString() << " is not compiled in";
    EXPECT_EQ(disk.size(), p.size * p.scale);
    EXPECT_EQ(compiled.size(), p.size * p.scale);
    EXPECT_EQ(disk.hasAlphaChannel(), p.alpha);
    EXPECT_TRUE(disk.convertToFormat(QImage::Format_ARGB32) ==
                compiled.convertToFormat(QImage::Format_ARGB32))
        << "the compiled-in copy differs from the file";
}

INSTANTIATE_TEST_SUITE_P(Art, PictureFileTest, ::testing::ValuesIn(allPictures()),
                         [](const auto &info) {
                             std::string s = info.param.name;
                             std::replace(s.begin(), s.end(), '-', '_');
                             return s + (info.param.scale == 2 ? "_2x" : "");
                         });

// ---------------------------------------------------------------- card outline

// The outline is `scale` pixels thick; each corner a scale x scale block of table green.
void expectCardOutline(const QImage &card, int scale)
{
    const int r = card.width() - 1;
    const int b = card.height() - 1;
    for (int d = 0; d < scale; ++d) {
        for (int e = 0; e < scale; ++e)
            for (const QPoint corner :
                 {QPoint(d, e), QPoint(r - d, e), QPoint(d, b - e), QPoint(r - d, b - e)})
                EXPECT_EQ(card.pixel(corner), green)
                    << "corner " << corner.x() << "," << corner.y();
        for (int x = scale; x <= r - scale; ++x) {
            EXPECT_EQ(card.pixel(x, d), black) << "top edge at " << x;
            EXPECT_EQ(card.pixel(x, b - d), black) << "bottom edge at " << x;
        }
        for (int y = scale; y <= b - scale; ++y) {
            EXPECT_EQ(card.pixel(d, y), black) << "left edge at " << y;
            EXPECT_EQ(card.pixel(r - d, y), black) << "right edge at " << y;
        }
    }
}

// ---------------------------------------------------------------- faces

const QRect topRank(QPoint(23, 2), QPoint(31, 13));
const QRect bottomRank(QPoint(3, 34), QPoint(11, 44));
const QRect middle(QPoint(12, 18), QPoint(22, 28));
const QRect faceInside(QPoint(1, 1), QPoint(33, 46));

const std::array<const char *, 5> rankNames = {"2", "j", "q", "k", "a"};

QString faceName(bool hearts, int rank, int scale = 1)
{
    return atScale(
        QStringLiteral("%1-%2").arg(hearts ? QStringLiteral("hearts") : QStringLiteral("spades"),
                                    QString::fromLatin1(rankNames[rank])),
        ".png", scale);
}

struct Face {
    bool hearts;
    int rank;
    int scale;
};

void PrintTo(const Face &f, std::ostream *os)
{
    *os << faceName(f.hearts, f.rank, f.scale).toStdString();
}

class FaceTest : public ::testing::TestWithParam<Face>
{
protected:
    int s = GetParam().scale;
    QImage face = fromDisk(faceName(GetParam().hearts, GetParam().rank, s));
    QRect topRank = scaled(::topRank, s);
    QRect bottomRank = scaled(::bottomRank, s);
    QRect middle = scaled(::middle, s);
    QRect faceInside = scaled(::faceInside, s);
};

TEST_P(FaceTest, IsAWhiteCardWithRoundedBlackOutline)
{
    expectCardOutline(face, s);
    // Only white, black and the heart's red, and nothing outside the three boxes.
    for (int y = faceInside.top(); y <= faceInside.bottom(); ++y)
        for (int x = faceInside.left(); x <= faceInside.right(); ++x) {
            const QRgb c = face.pixel(x, y);
            EXPECT_TRUE(c == white || c == black || c == pureRed) << x << "," << y;
            if (c != white) {
                EXPECT_TRUE(topRank.contains(x, y) || bottomRank.contains(x, y) ||
                            middle.contains(x, y))
                    << "stray ink at " << x << "," << y;
            }
        }
}

TEST_P(FaceTest, RankIsABoldGlyphTurnedHalfwayForTheBottomCorner)
{
    const auto ink = [](QRgb c) { return c == black; };
    const QRect glyph = boundsOf(face, topRank, ink);
    ASSERT_FALSE(glyph.isEmpty());
    EXPECT_GE(glyph.height(), 9 * s);
    EXPECT_LE(glyph.height(), 11 * s);
    EXPECT_GE(glyph.width(), 6 * s);
    // Bold: a thin one-pixel font would leave far fewer inked pixels.
    EXPECT_GE(countIn(face, topRank, ink), 28 * s * s);
    for (int y = topRank.top(); y <= topRank.bottom(); ++y)
        for (int x = topRank.left(); x <= topRank.right(); ++x)
            EXPECT_EQ(face.pixel(x, y), face.pixel(face.width() - 1 - x, face.height() - 1 - y))
                << "top glyph " << x << "," << y;
    EXPECT_TRUE(bottomRank.contains(boundsOf(face, bottomRank.adjusted(0, 0, 0, s), ink)));
}

TEST_P(FaceTest, MiddleHoldsTheSuitSymbol)
{
    const auto red = [](QRgb c) { return c == pureRed; };
    const QRect all(QPoint(0, 0), QPoint(face.width() - 1, face.height() - 1));
    const QRect symbol = boundsOf(face, middle, [](QRgb c) { return c != white; });
    ASSERT_FALSE(symbol.isEmpty());
    EXPECT_GE(symbol.width(), 9 * s);
    EXPECT_GE(symbol.height(), 9 * s);
    if (GetParam().hearts) {
        const int reds = countIn(face, middle, red);
        EXPECT_GE(reds, 35 * s * s);
        EXPECT_EQ(countIn(face, all, red), reds) << "red outside the middle box";
        // Outlined: the red never touches the white card directly.
        for (int y = middle.top(); y <= middle.bottom(); ++y)
            for (int x = middle.left(); x <= middle.right(); ++x)
                if (face.pixel(x, y) == pureRed) {
                    for (const QPoint d :
                         {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
                        EXPECT_NE(face.pixel(QPoint(x, y) + d), white)
                            << "open edge at " << x << "," << y;
                }
    } else {
        EXPECT_EQ(countIn(face, all, red), 0);
        // Solid: most of the spade's bounding box is ink.
        EXPECT_GE(countIn(face, symbol, [](QRgb c) { return c == black; }) * 2,
                  symbol.width() * symbol.height());
    }
}

std::vector<Face> allFaces(int scale)
{
    std::vector<Face> list;
    for (const bool hearts : {true, false})
        for (int rank = 0; rank < 5; ++rank)
            list.push_back({hearts, rank, scale});
    return list;
}

std::vector<Face> allFaces()
{
    std::vector<Face> list = allFaces(1);
    for (const Face &f : allFaces(2))
        list.push_back(f);
    return list;
}

INSTANTIATE_TEST_SUITE_P(Art, FaceTest, ::testing::ValuesIn(allFaces()), [](const auto &info) {
    return std::string(info.param.hearts ? "hearts_" : "spades_") + rankNames[info.param.rank] +
           (info.param.scale == 2 ? "_2x" : "");
});

class FaceSet : public ::testing::TestWithParam<int>
{
};

TEST_P(FaceSet, AreAllDifferentAndSuitsDifferOnlyInTheMiddle)
{
    const int s = GetParam();
    const QRect middle = scaled(::middle, s);
    std::vector<QImage> faces;
    for (const Face &f : allFaces(s))
        faces.push_back(fromDisk(faceName(f.hearts, f.rank, s)));
    for (std::size_t i = 0; i < faces.size(); ++i)
        for (std::size_t j = i + 1; j < faces.size(); ++j)
            EXPECT_FALSE(faces[i] == faces[j]) << "faces " << i << " and " << j << " are identical";
    for (int rank = 0; rank < 5; ++rank) {
        const QImage &h = faces[rank];
        const QImage &s = faces[5 + rank];
        for (int y = 0; y < h.height(); ++y)
            for (int x = 0; x < h.width(); ++x)
                if (!middle.contains(x, y)) {
                    EXPECT_EQ(h.pixel(x, y), s.pixel(x, y))
                        << rankNames[rank] << " at " << x << "," << y;
                }
    }
}

INSTANTIATE_TEST_SUITE_P(Art, FaceSet, ::testing::ValuesIn(scales),
                         [](const auto &info) { return std::to_string(info.param) + "x"; });

// ---------------------------------------------------------------- backs

struct Back {
    const char *name;
    QRgb dark;
    QRgb pale;
    int scale = 1;
};

// Distance from the deck's colour ramp: dark ink to pale tint, then on to white.
double offRamp(QRgb c, const Back &back)
{
    const auto toSegment = [c](QRgb a, QRgb b) {
        double best = 1e9;
        for (int i = 0; i <= 100; ++i) {
            const double t = i / 100.0;
            const QRgb p = qRgb(int(qRed(a) + (qRed(b) - qRed(a)) * t),
                                int(qGreen(a) + (qGreen(b) - qGreen(a)) * t),
                                int(qBlue(a) + (qBlue(b) - qBlue(a)) * t));
            best = std::min(best, distance(c, p));
        }
        return best;
    };
    return std::min(toSegment(back.dark, back.pale), toSegment(back.pale, white));
}

void PrintTo(const Back &b, std::ostream *os)
{
    *os << atScale(QString::fromLatin1(b.name), ".png", b.scale).toStdString();
}

class BackTest : public ::testing::TestWithParam<Back>
{
protected:
    int s = GetParam().scale;
    QImage back = fromDisk(atScale(QString::fromLatin1(GetParam().name), ".png", s));
};

TEST_P(BackTest, HasCardProportionsOutlineAndWhiteMargin)
{
    EXPECT_EQ(back.width() * 62, back.height() * 45);
    EXPECT_EQ(back.size(), QSize(45, 62) * s);
    expectCardOutline(back, s);
    for (int y = s; y < back.height() - s; ++y)
        for (int x = s; x < back.width() - s; ++x)
            if (x < 3 * s || y < 3 * s || x >= back.width() - 3 * s || y >= back.height() - 3 * s) {
                EXPECT_EQ(back.pixel(x, y), white) << "margin at " << x << "," << y;
            }
}

TEST_P(BackTest, IsMirroredBothWays)
{
    const int w = back.width();
    const int h = back.height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            EXPECT_EQ(back.pixel(x, y), back.pixel(w - 1 - x, y)) << x << "," << y;
            EXPECT_EQ(back.pixel(x, y), back.pixel(x, h - 1 - y)) << x << "," << y;
        }
}

TEST_P(BackTest, UsesOnlyItsDecksColoursWithRealDetail)
{
    const Back &p = GetParam();
    const QRect design(QPoint(3 * s, 3 * s),
                       QPoint(back.width() - 1 - 3 * s, back.height() - 1 - 3 * s));
    for (int y = design.top(); y <= design.bottom(); ++y)
        for (int x = design.left(); x <= design.right(); ++x)
            EXPECT_LE(offRamp(back.pixel(x, y), p), 6.0) << "off-palette at " << x << "," << y;
    EXPECT_GT(countIn(back, design, [&p](QRgb c) { return distance(c, p.dark) < 20; }),
              100 * s * s);
    EXPECT_GT(countIn(back, design, [&p](QRgb c) { return distance(c, p.pale) < 40; }), 40 * s * s);
    EXPECT_GT(countIn(back, design, [](QRgb c) { return c == white; }), 10 * s * s)
        << "no highlights";
    std::vector<QRgb> colours;
    for (int y = design.top(); y <= design.bottom(); ++y)
        for (int x = design.left(); x <= design.right(); ++x)
            colours.push_back(back.pixel(x, y));
    std::sort(colours.begin(), colours.end());
    EXPECT_GE(std::unique(colours.begin(), colours.end()) - colours.begin(), 12) << "too plain";
}

std::vector<Back> allBacks()
{
    std::vector<Back> list;
    for (const int scale : scales) {
        list.push_back({"back-red", qRgb(171, 22, 24), qRgb(255, 170, 176), scale});
        list.push_back({"back-blue", qRgb(30, 27, 48), qRgb(175, 172, 193), scale});
    }
    return list;
}

INSTANTIATE_TEST_SUITE_P(Art, BackTest, ::testing::ValuesIn(allBacks()), [](const auto &info) {
    return std::string(info.param.name).substr(5) + (info.param.scale == 2 ? "_2x" : "");
});

// ---------------------------------------------------------------- table

struct Corner {
    const char *symbol;
    QRect box;
    bool red;
};

const std::array<Corner, 4> corners = {{
    {"heart", QRect(QPoint(8, 12), QPoint(82, 91)), true},
    {"spade", QRect(QPoint(413, 8), QPoint(483, 87)), false},
    {"club", QRect(QPoint(7, 238), QPoint(84, 315)), false},
    {"diamond", QRect(QPoint(418, 241), QPoint(480, 317)), true},
}};

class TablePicture : public ::testing::TestWithParam<int>
{
protected:
    int s = GetParam();
    QImage table = fromDisk(atScale(QStringLiteral("table"), ".bmp", s));
};

TEST_P(TablePicture, IsPlainFeltOutsideTheFourCorners)
{
    int stray = 0;
    for (int y = 0; y < table.height(); ++y)
        for (int x = 0; x < table.width(); ++x) {
            const bool boxed = std::any_of(corners.begin(), corners.end(), [&](const Corner &c) {
                return scaled(c.box, s).contains(x, y);
            });
            stray += (!boxed && table.pixel(x, y) != green) ? 1 : 0;
        }
    EXPECT_EQ(stray, 0);
}

TEST_P(TablePicture, LeavesTheControlsOnPlainFelt)
{
    const std::array<std::pair<const char *, QRect>, 4> controls = {{
        {"welcome panel", QRect(QPoint(96, 46), QPoint(375, 270))},
        {"scoreboard", QRect(QPoint(136, 0), QPoint(344, 40))},
        {"card grid", QRect(QPoint(128, 56), QPoint(363, 264))},
        {"end turn", QRect(QPoint(205, 272), QPoint(279, 303))},
    }};
    for (const auto &[name, area] : controls)
        EXPECT_EQ(countIn(table, scaled(area, s), [](QRgb c) { return c != green; }), 0) << name;
}

TEST_P(TablePicture, EachCornerHoldsAGlossySymbolOfItsColour)
{
    const auto felt = [](QRgb c) { return c != green; };
    for (const Corner &c : corners) {
        SCOPED_TRACE(c.symbol);
        const QRect box = scaled(c.box, s);
        const QRect grown = box.adjusted(-3 * s, -3 * s, 3 * s, 3 * s).intersected(table.rect());
        const QRect symbol = boundsOf(table, grown, felt);
        EXPECT_TRUE(box.contains(symbol)) << "spills out of its box";
        EXPECT_GE(symbol.height(), 77 * s);
        EXPECT_LE(symbol.height(), 80 * s);
        const int area = countIn(table, symbol, felt);
        if (c.red) {
            EXPECT_GT(
                countIn(table, symbol, [](QRgb p) { return distance(p, qRgb(237, 27, 36)) < 30; }) *
                    2,
                area);
            EXPECT_EQ(
                countIn(table, symbol, [](QRgb p) { return p != green && qRed(p) < qBlue(p); }), 0);
            // Pale highlights make it glossy rather than flat.
            EXPECT_GT(
                countIn(table, symbol, [](QRgb p) { return qRed(p) > 240 && qGreen(p) > 140; }),
                30 * s * s);
        } else {
            EXPECT_GT(countIn(table, symbol, [](QRgb p) { return p == black; }) * 2, area);
            // Grey only (or grey blended into the felt at the edge): no colour cast.
            EXPECT_EQ(
                countIn(table, symbol, [](QRgb p) { return std::abs(qRed(p) - qBlue(p)) > 2; }), 0);
            EXPECT_GT(countIn(table, symbol,
                              [](QRgb p) { return qRed(p) > 110 && qRed(p) == qGreen(p); }),
                      30 * s * s);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Art, TablePicture, ::testing::ValuesIn(scales),
                         [](const auto &info) { return std::to_string(info.param) + "x"; });

// ---------------------------------------------------------------- icon

TEST(IconPng, IsARedEyedLensOnTransparency)
{
    for (const int scale : scales)
        for (const int design : {16, 32, 48, 128}) {
            const int size = design * scale;
            SCOPED_TRACE(size);
            const QImage icon =
                fromDisk(atScale(QStringLiteral("icon-%1").arg(design), ".png", scale))
                    .convertToFormat(QImage::Format_ARGB32);
            ASSERT_EQ(icon.size(), QSize(size, size));
            for (const QPoint p : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1),
                                   QPoint(size - 1, size - 1)})
                EXPECT_EQ(qAlpha(icon.pixel(p)), 0);
            EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
            // The light is red around its hot core, which large sizes resolve as near white.
            QRgb reddest = 0;
            const int reach = std::max(1, size / 10);
            for (int d = -reach; d <= reach; ++d) {
                const QRgb c = icon.pixel(size / 2 + d, size / 2);
                if (qRed(c) - qGreen(c) > qRed(reddest) - qGreen(reddest))
                    reddest = c;
            }
            EXPECT_GT(qRed(reddest), 180);
            EXPECT_GT(qRed(reddest), qGreen(reddest) + 40);
            // Glossy black glass between the light and the rim.
            const QRgb glass = icon.pixel(size * 18 / 100, size / 2);
            EXPECT_LT(qRed(glass) + qGreen(glass) + qBlue(glass), 150);
        }
}

struct IcoExpect {
    int size;
    int bits;
};

constexpr std::array<IcoExpect, 6> icoLayout = {
    {{32, 8}, {16, 8}, {128, 32}, {48, 32}, {32, 32}, {16, 32}}};

quint16 u16(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}
quint32 u32(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}
int stride(int width, int bits)
{
    return ((width * bits + 31) / 32) * 4;
}

TEST(IconFile, HoldsSixImagesInOrderWithMasks)
{
    const QByteArray ico = readBytes(artDir() + QStringLiteral("ombrix.ico"));
    ASSERT_GE(ico.size(), 6 + 16 * 6);
    EXPECT_EQ(u16(ico, 0), 0);
    EXPECT_EQ(u16(ico, 2), 1) << "not an icon";
    ASSERT_EQ(u16(ico, 4), 6);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const IcoExpect want = icoLayout[i];
        const qsizetype entry = 6 + 16 * i;
        EXPECT_EQ(quint8(ico[entry]), want.size);
        EXPECT_EQ(quint8(ico[entry + 1]), want.size);
        EXPECT_EQ(u16(ico, entry + 4), 1) << "planes";
        EXPECT_EQ(u16(ico, entry + 6), want.bits);
        const quint32 bytes = u32(ico, entry + 8);
        const quint32 offset = u32(ico, entry + 12);
        ASSERT_LE(qsizetype(offset) + qsizetype(bytes), ico.size());

        ASSERT_EQ(u32(ico, offset), 40u) << "not a BITMAPINFOHEADER";
        EXPECT_EQ(qint32(u32(ico, offset + 4)), want.size);
        EXPECT_EQ(qint32(u32(ico, offset + 8)), 2 * want.size) << "height must count the mask";
        EXPECT_EQ(u16(ico, offset + 14), want.bits);
        EXPECT_EQ(u32(ico, offset + 16), 0u) << "compressed";
        const int n = want.size;
        int colours = 0;
        if (want.bits == 8) {
            colours = int(u32(ico, offset + 32));
            if (colours == 0)
                colours = 256;
            EXPECT_LE(colours, 256);
        }
        const qsizetype pixels = offset + 40 + 4 * colours;
        const qsizetype mask = pixels + qsizetype(stride(n, want.bits)) * n;
        EXPECT_EQ(qsizetype(bytes), mask - offset + qsizetype(stride(n, 1)) * n);

        // Rows run bottom-up; a set mask bit means "see through".
        const auto masked = [&](int x, int y) {
            const qsizetype row = mask + qsizetype(stride(n, 1)) * (n - 1 - y);
            return (quint8(ico[row + x / 8]) & (0x80 >> (x % 8))) != 0;
        };
        EXPECT_TRUE(masked(0, 0));
        EXPECT_TRUE(masked(n - 1, n - 1));
        EXPECT_FALSE(masked(n / 2, n / 2));

        // The lens's red light shows at the centre in both kinds of image.
        const qsizetype centre = pixels + qsizetype(stride(n, want.bits)) * (n - 1 - n / 2);
        QRgb c;
        if (want.bits == 8) {
            const int index = quint8(ico[centre + n / 2]);
            ASSERT_LT(index, colours);
            const qsizetype entryAt = offset + 40 + 4 * index;
            c = qRgb(quint8(ico[entryAt + 2]), quint8(ico[entryAt + 1]), quint8(ico[entryAt]));
        } else {
            const qsizetype at = centre + 4 * (n / 2);
            c = qRgb(quint8(ico[at + 2]), quint8(ico[at + 1]), quint8(ico[at]));
            EXPECT_EQ(quint8(ico[at + 3]), 255);
            EXPECT_EQ(quint8(ico[pixels + 3]), 0) << "corner should be clear";
        }
        EXPECT_GT(qRed(c), 180);
        EXPECT_GT(qRed(c), qGreen(c) + 40);
    }
}

TEST(IconFile, DecodesWithAStandardReader)
{
    if (!QImageReader::supportedImageFormats().contains("ico"))
        GTEST_SKIP() << "no .ico reader plugin here";
    QImageReader reader(artDir() + QStringLiteral("ombrix.ico"), "ico");
    ASSERT_EQ(reader.imageCount(), 6);
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(reader.jumpToImage(i));
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.size(), QSize(icoLayout[i].size, icoLayout[i].size)) << i;
    }
}

// ---------------------------------------------------------------- resource script

class ResourceScript : public ::testing::Test
{
protected:
    QString rc = QString::fromUtf8(readBytes(QStringLiteral(OMBRIX_BINARY_DIR "/art/ombrix.rc")));

    bool has(const QString &pattern) const
    {
        return QRegularExpression(pattern, QRegularExpression::MultilineOption)
            .match(rc)
            .hasMatch();
    }
};

TEST_F(ResourceScript, NamesTheIconAndVersion)
{
    for (const char *pattern :
         {R"(^IDI_ICON1\s+ICON\s+"ombrix\.ico"\s*$)", R"(^\s*FILEVERSION\s+1,\s*0,\s*0,\s*0\s*$)",
          R"(^\s*PRODUCTVERSION\s+1,\s*0,\s*0,\s*0\s*$)", R"(^\s*FILETYPE\s+VFT_APP\s*$)",
          R"(^\s*FILEOS\s+VOS__WINDOWS32\s*$)", R"(BLOCK\s+"040904B0")",
          R"(VALUE\s+"Translation",\s*0x409,\s*1200)"})
        EXPECT_TRUE(has(QString::fromLatin1(pattern))) << pattern;
}

TEST_F(ResourceScript, CarriesTheProductStrings)
{
    const std::array<std::pair<const char *, const char *>, 7> values = {{
        {"FileVersion", "1.00"},
        {"ProductVersion", "1.00"},
        {"ProductName", "Ombrix"},
        {"InternalName", "Ombrix"},
        {"OriginalFilename", "Ombrix.exe"},
        {"FileDescription", "Ombrix card game"},
        {"CompanyName", "[^\"]+"},
    }};
    for (const auto &[key, value] : values)
        EXPECT_TRUE(has(
            QStringLiteral(R"(VALUE\s+"%1",\s*"%2")")
                .arg(QString::fromLatin1(key),
                     QString::fromLatin1(value).replace(QLatin1Char('.'), QStringLiteral("\\.")))))
            << key;
}

TEST(ResourceCompiler, CompilesTheScript)
{
    const QString windres =
        QStandardPaths::findExecutable(QStringLiteral("x86_64-w64-mingw32-windres"));
    ASSERT_FALSE(windres.isEmpty())
        << "x86_64-w64-mingw32-windres is missing; install the binutils-mingw-w64-x86-64 package";
    QStringList args;
    // Without the cross compiler windres cannot preprocess by itself; the host one will do.
    if (QStandardPaths::findExecutable(QStringLiteral("x86_64-w64-mingw32-gcc")).isEmpty()) {
        const QString cpp = QStandardPaths::findExecutable(QStringLiteral("cpp"));
        ASSERT_FALSE(cpp.isEmpty()) << "no C preprocessor for windres";
        args << QStringLiteral("--preprocessor=") + cpp;
    }
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const QString res = out.filePath(QStringLiteral("ombrix.res"));
    // The script is made in the build tree; the icon it names stays in art/.
    args << QStringLiteral("--include-dir=") + artDir()
         << QStringLiteral(OMBRIX_BINARY_DIR "/art/ombrix.rc") << QStringLiteral("-O")
         << QStringLiteral("coff") << QStringLiteral("-o") << res;
    QProcess process;
    process.setWorkingDirectory(out.path());
    process.start(windres, args);
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

    // The compiled strings are UTF-16; the icon data goes in whole.
    const QByteArray compiled = readBytes(res);
    const auto utf16 = [](const char *s) {
        const QString text = QString::fromLatin1(s);
        return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    };
    EXPECT_TRUE(compiled.contains(utf16("Ombrix card game")));
    EXPECT_TRUE(compiled.contains(utf16("Ombrix.exe")));
    const QByteArray ico = readBytes(artDir() + QStringLiteral("ombrix.ico"));
    EXPECT_TRUE(compiled.contains(ico.mid(6 + 16 * 6, 40))) << "first icon image not embedded";
}

} // namespace
