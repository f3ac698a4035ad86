// What the window shows on dense screens. ctest runs these under QT_SCALE_FACTOR, or on
// Windows on a screen of that density: the Twice suite at 2, the Fractional suite at 1.25
// and at 1.5; the ScreenChange suite on two screens of different density (TwoScreens.json).

#include "GameTable.h"

#include "window/WindowFont.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

#include <cmath>

namespace
{

QImage denser(const char *name)
{
    const QImage image(QStringLiteral(":/art/%1").arg(QString::fromLatin1(name)));
    EXPECT_FALSE(image.isNull()) << name;
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// The denser picture scaled smoothly to `points` at a device pixel ratio.
QImage smoothlyScaled(const char *name, QSize points, qreal ratio)
{
    const QSize pixels(int(std::lround(points.width() * ratio)),
                       int(std::lround(points.height() * ratio)));
    return denser(name).scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

class Twice : public GameTable
{
protected:
    void SetUp() override
    {
        GameTable::SetUp();
        ASSERT_EQ(form->devicePixelRatioF(), 2.0) << "run with QT_SCALE_FACTOR=2";
    }

    // The rendered table in device pixels, and where a control lies in it.
    QImage table() const { return rgb(form->centralWidget()->grab().toImage()); }
    QRect pixelsOf(const QWidget *control) const
    {
        return QRect(control->mapTo(form->centralWidget(), QPoint(0, 0)) * 2, control->size() * 2);
    }
};

TEST_F(Twice, HandCardFaceUpSlotAndFeltAreTheDenserPicturesOneToOne)
{
    letsPlay();
    QImage image = table();
    EXPECT_EQ(differingPixels(image.copy(pixelsOf(form->PCard(0))), denser("hearts-2@2x.png")), 0)
        << "hand card";
    // The heart in the felt's top-left corner, clear of every control.
    const QRect heart(QPoint(8, 12) * 2, QPoint(82, 91) * 2 + QPoint(1, 1));
    EXPECT_EQ(differingPixels(image.copy(heart), denser("table@2x.bmp").copy(heart)), 0)
        << "corner symbol";

    turn({3});
    turn({1});
    image = table();
    EXPECT_EQ(differingPixels(image.copy(pixelsOf(form->OneCard(0))), denser("hearts-k@2x.png")), 0)
        << "face-up Hearts slot";
    EXPECT_EQ(differingPixels(image.copy(pixelsOf(form->TwoCard(0))), denser("spades-j@2x.png")), 0)
        << "face-up Spades slot";
}

TEST_F(Twice, AFaceDownSlotIsTheDenserBackScaledOnce)
{
    letsPlay();
    place(0);
    const QImage back =
        denser("back-red@2x.png").scaled(70, 96, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_EQ(differingPixels(table().copy(pixelsOf(form->OneCard(0))), back), 0);
}

class Fractional : public GameTable
{
protected:
    void SetUp() override
    {
        GameTable::SetUp();
        ratio = form->devicePixelRatioF();
        ASSERT_NE(ratio, std::floor(ratio)) << "run with QT_SCALE_FACTOR=1.25 or 1.5";
    }

    qreal ratio = 1.0;
};

// Between densities the pictures come from the denser files scaled down smoothly: the
// rank glyph's edges show greys between black and white, where pixel doubling the 1x face
// would show none.
TEST_F(Fractional, PicturesAreTheDenserOnesScaledDownSmoothly)
{
    letsPlay();
    place(2);
    const struct {
        rt::Image *control;
        const char *file;
        QSize points;
    } cases[] = {
        {form->PCard(0), "hearts-2@2x.png", QSize(35, 48)},
        {form->OneCard(0), "back-red@2x.png", QSize(35, 48)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const QImage shown = rgb(c.control->grab().toImage());
        const QImage expected = smoothlyScaled(c.file, c.points, ratio);
        EXPECT_EQ(shown.size(), expected.size());
        EXPECT_EQ(differingPixels(shown.copy(expected.rect()), expected), 0);
    }

    const QImage face = rgb(form->PCard(0)->grab().toImage());
    const QRect rank(QPoint(int(23 * ratio), int(2 * ratio)),
                     QPoint(int(32 * ratio), int(14 * ratio)));
    int greys = 0;
    for (int y = rank.top(); y <= rank.bottom(); ++y)
        for (int x = rank.left(); x <= rank.right(); ++x) {
            const QColor c = face.pixelColor(x, y);
            greys += c.red() == c.green() && c.red() > 40 && c.red() < 215;
        }
    EXPECT_GE(greys, 10);
}

TEST_F(Fractional, TheFeltIsTheDenserTableScaledDownSmoothly)
{
    const QImage felt = rgb(form->centralWidget()->grab().toImage());
    const QImage expected = smoothlyScaled("table@2x.bmp", QSize(490, 325), ratio);
    const QRect heart(QPoint(8, 12) * ratio, QPoint(82, 91) * ratio);
    EXPECT_EQ(differingPixels(felt.copy(heart), expected.copy(heart)), 0);
}

TEST(ScreenChange, AWindowMovedToADenserScreenFitsItsPicturesAgain)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2) << "run on the offscreen platform with TwoScreens.json";
    QScreen *plain = screens[0]->devicePixelRatio() == 1.0 ? screens[0] : screens[1];
    QScreen *dense = plain == screens[0] ? screens[1] : screens[0];
    ASSERT_EQ(dense->devicePixelRatio(), 2.0);

    MainForm form;
    form.show();
    form.windowHandle()->setScreen(plain);
    ASSERT_EQ(form.PCard(0)->grab().toImage().size(), QSize(35, 48));
    form.windowHandle()->setScreen(dense);
    ASSERT_EQ(form.devicePixelRatioF(), 2.0);
    // The captions take the faces made for that screen, and their boxes fit them anew.
    EXPECT_EQ(form.WelcomeLabel->font(), windowFont(FontStyle::LargeBold, 2.0));
    EXPECT_GE(form.WelcomeLabel->contentsRect().width(),
              form.WelcomeLabel->fontMetrics().horizontalAdvance(form.WelcomeLabel->text()));
    EXPECT_EQ(differingPixels(rgb(form.PCard(0)->grab().toImage()), denser("hearts-2@2x.png")), 0);
    const QRect heart(QPoint(8, 12) * 2, QPoint(82, 91) * 2 + QPoint(1, 1));
    EXPECT_EQ(differingPixels(rgb(form.centralWidget()->grab().toImage()).copy(heart),
                              denser("table@2x.bmp").copy(heart)),
              0);
}

} // namespace
