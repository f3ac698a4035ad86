#include "GameTable.h"

#include "runtime/Dispatcher.h"
#include "runtime/MessageBox.h"
#include "runtime/RuntimeError.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <cmath>
#include <functional>

// What is drawn, read back from grabs at the scale this process runs at (QT_SCALE_FACTOR,
// or on Windows the screen's OMBRIX_SCREEN_DPI): every text of the table, the welcome panel
// and the message boxes shows whole, in the face chosen for that scale.

namespace
{

using InkTest = bool (*)(QRgb);

bool whiteInk(QRgb pixel)
{
    return qRed(pixel) > 96; // white text on dark green; the border is black
}

bool darkInk(QRgb pixel)
{
    // Dark grey text on a light button or box; the table's green behind a button's rounded
    // corner is no text.
    return qGray(pixel) < 110 && std::abs(qRed(pixel) - qGreen(pixel)) < 24 &&
           std::abs(qGreen(pixel) - qBlue(pixel)) < 24;
}

// The device pixels a widget's logical rectangle covers, in part or in whole.
QRect devicePixels(const QRect &logical, qreal ratio)
{
    return QRect(
        QPoint(int(std::floor(logical.left() * ratio)), int(std::floor(logical.top() * ratio))),
        QPoint(int(std::ceil((logical.right() + 1) * ratio)) - 1,
               int(std::ceil((logical.bottom() + 1) * ratio)) - 1));
}

QRect inkBounds(const QImage &image, const QRect &area, InkTest isInk)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isInk(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// The colour behind the text: the commonest that is no ink. Text drawn without smoothing,
// as Windows draws its bitmap fonts, may outnumber each shade of a shaded button face.
QRgb backgroundColour(const QImage &image, const QRect &area, InkTest isInk)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (!isInk(image.pixel(x, y)))
                ++counts[image.pixel(x, y)];
    QRgb common = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(common))
            common = it.key();
    return common;
}

// A text is whole when its font's measure fits the area it is drawn in, and when its ink,
// as drawn, keeps off the edges of that area, where the clip would cut a glyph.
// A squeezed text is laid out in a box as much wider as it is squeezed, then drawn narrower.
void expectWhole(QWidget *control, const QRect &area, const QFont &font, int flags,
                 const QString &text, InkTest isInk, qreal squeeze = 1.0)
{
    SCOPED_TRACE(text.toStdString());
    const QRect layout(0, 0, int(std::ceil(area.width() / squeeze)), area.height());
    const QRect laidOut = QFontMetrics(font).boundingRect(layout, flags, text);
    const QRect needed(
        QPoint(area.left() + int(std::floor(laidOut.left() * squeeze)), area.top() + laidOut.top()),
        QPoint(area.left() + int(std::ceil((laidOut.right() + 1) * squeeze)) - 1,
               area.top() + laidOut.bottom()));
    EXPECT_GE(needed.left(), area.left());
    EXPECT_LE(needed.right(), area.right());
    if (flags & Qt::TextWordWrap || text.contains(QLatin1Char('\n'))) {
        EXPECT_LE(needed.height(), area.height());
    }

    const QImage shown = control->grab().toImage();
    const qreal ratio = shown.devicePixelRatio();
    const QRect device = devicePixels(area, ratio).intersected(shown.rect());
    const QRect ink = inkBounds(shown, device, isInk);
    ASSERT_FALSE(ink.isNull());

    // The same text drawn on the same colour with nothing to cut it, a few pixels further in
    // so that it lands on the same fractions of a pixel: its ink must take as much room.
    const int margin = 4;
    const QRect reach = needed.united(QRect(QPoint(), shown.size() / ratio));
    QImage free((reach.bottomRight() + QPoint(2 * margin, 2 * margin)).x() * ratio,
                (reach.bottomRight() + QPoint(2 * margin, 2 * margin)).y() * ratio,
                QImage::Format_RGB32);
    free.setDevicePixelRatio(ratio);
    free.fill(backgroundColour(shown, device, isInk));
    {
        QPainter painter(&free);
        painter.setFont(font);
        painter.setPen(isInk(qRgb(255, 255, 255)) ? Qt::white : Qt::black);
        painter.translate(area.topLeft() + QPoint(margin, margin));
        painter.scale(squeeze, 1.0);
        painter.drawText(layout, flags | Qt::TextDontClip, text);
    }
    const QRect whole =
        inkBounds(free, free.rect(), isInk).translated(-int(margin * ratio), -int(margin * ratio));
    // A line taller than its box may sit a little higher; a cut makes the ink smaller. At
    // fractional scales the faintest edge pixel of a glyph may come and go with the colour
    // behind it.
    const int slack = ratio == std::floor(ratio) ? 0 : 1;
    EXPECT_NEAR(ink.width(), whole.width(), slack) << "width";
    EXPECT_NEAR(ink.height(), whole.height(), slack) << "height";
}

void expectWhole(rt::Label *label)
{
    SCOPED_TRACE(label->objectName().toStdString());
    // A box that fits its caption draws it in the window's font as it is.
    if (label->autoSize()) {
        EXPECT_EQ(label->squeeze(), 1.0);
    }
    expectWhole(label, label->contentsRect(), label->font(), int(label->alignment()), label->text(),
                whiteInk, label->squeeze());
}

void expectWhole(rt::CommandButton *button)
{
    SCOPED_TRACE(button->objectName().toStdString());
    expectWhole(button, button->captionArea(), button->font(), Qt::AlignCenter | Qt::TextWordWrap,
                button->text(), darkInk);
}

// The real box, looked at while it is open and then closed with its OK button. A guard
// closes it should the look fail to find it, so nothing waits on a box for ever.
void expectWholeBox(const QString &text)
{
    SCOPED_TRACE(text.toStdString());
    QObject scope;
    bool looked = false;
    QTimer::singleShot(0, &scope, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        looked = true;
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Ombrix"));
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->buttons().size(), 1);
        // Room for the title bar to show the game's name.
        EXPECT_GE(box->width(), 180);
        auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        EXPECT_NE(label, nullptr);
        if (label)
            expectWhole(label, label->contentsRect(), label->font(),
                        int(label->alignment()) | Qt::TextExpandTabs |
                            (label->wordWrap() ? Qt::TextWordWrap : 0),
                        label->text(), darkInk);
        box->button(QMessageBox::Ok)->click();
    });
    QTimer::singleShot(5000, &scope, [] {
        if (QWidget *open = QApplication::activeModalWidget())
            open->close();
    });
    rt::messageBox(nullptr, text);
    EXPECT_TRUE(looked);
}

// The text of the box that an action opens; the box is closed at once.
QString boxTextOf(const std::function<void()> &action)
{
    QObject scope;
    QString shown;
    QTimer::singleShot(0, &scope, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            shown = box->text();
        if (QWidget *open = QApplication::activeModalWidget())
            open->close();
    });
    action();
    return shown;
}

} // namespace

class WholeText : public GameTable
{
};

TEST_F(WholeText, RunsAtTheScaleItWasStartedWith)
{
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    const QByteArray dpi = qgetenv("OMBRIX_SCREEN_DPI");
    ASSERT_FALSE(factor.isEmpty() && dpi.isEmpty())
        << "run through ctest, which starts one process per scale";
    // A screen's own density wins: the Windows kit scales a screen to the one it asks for.
    EXPECT_DOUBLE_EQ(form->devicePixelRatioF(),
                     dpi.isEmpty() ? factor.toDouble() : dpi.toDouble() / 96);
}

// Where the bitmap face is installed, as on Windows, only the 13 px captions at 100 % get it:
// it has no other size they can be drawn at.
TEST_F(WholeText, CaptionsTakeTheBitmapFaceOnlyAtItsOwnSize)
{
    const QString bitmap = QStringLiteral("MS Sans Serif");
    const bool bitmapInstalled =
        QFontDatabase::families().contains(bitmap) && !QFontDatabase::isSmoothlyScalable(bitmap);
    const bool plainScreen = form->devicePixelRatioF() == 1.0;
    for (QWidget *caption : std::initializer_list<QWidget *>{
             form->WelcomeLabel, form->LetsPlay, form->Rules, form->ScoreLabel, form->P1Label,
             form->EndButton, form->BLabel(0)}) {
        const QFontInfo got(caption->font());
        const bool ownSize = caption->font().pixelSize() == 13;
        EXPECT_EQ(got.family() == bitmap, bitmapInstalled && plainScreen && ownSize)
            << caption->objectName().toStdString() << " got " << got.family().toStdString() << ", "
            << got.pixelSize() << " px";
    }
}

TEST_F(WholeText, EveryMessageBox)
{
    rt::setMessagePresenter({});
    const QString about = boxTextOf([this] { form->MenuAbout->trigger(); });
    const QString rules = boxTextOf([this] { click(form->Rules); });
    EXPECT_TRUE(about.startsWith(QStringLiteral("Ombrix version")));
    EXPECT_TRUE(rules.startsWith(QStringLiteral("http://")));
    for (const QString &text :
         {QStringLiteral("You must play a card."), QStringLiteral("Hearts Win!"),
          QStringLiteral("Spades Win!"), QStringLiteral("It's a tie."), about, rules,
          rt::errorReport(rt::RuntimeError(rt::Overflow, QStringLiteral("Overflow")))})
        expectWholeBox(text);
}

TEST_F(WholeText, EveryCaptionOfTheWelcomePanel)
{
    expectWhole(form->WelcomeLabel);
    expectWhole(form->Rules);
    expectWhole(form->LetsPlay);
}

TEST_F(WholeText, EveryCaptionOfTheTable)
{
    letsPlay();
    for (rt::Label *label :
         {form->ScoreLabel, form->P1Label, form->P2Label, form->ScoreOne, form->ScoreTwo})
        expectWhole(label);
    expectWhole(form->EndButton);

    // Hearts, Spades, a tie, Spades, Hearts: every battle caption, then Play Again.
    playGame({4, 0, 2, 1, 3}, {3, 1, 2, 4, 0});
    EXPECT_EQ(takeMessage(), QStringLiteral("It's a tie."));
    QStringList captions;
    for (int j = 0; j <= 4; ++j) {
        captions.append(form->BLabel(j)->text());
        expectWhole(form->BLabel(j));
    }
    EXPECT_EQ(captions, QStringList({QStringLiteral("Hearts"), QStringLiteral("Spades"),
                                     QStringLiteral("Tie"), QStringLiteral("Spades"),
                                     QStringLiteral("Hearts")}));
    EXPECT_EQ(form->EndButton->text(), QStringLiteral("Play Again"));
    expectWhole(form->EndButton);
}

// The greeting's black border shows on all four sides, read from the window as drawn.
TEST_F(WholeText, TheGreetingsBorderIsWhole)
{
    const QImage image = form->grab().toImage();
    const QRect label(form->WelcomeLabel->mapTo(form.get(), QPoint()), form->WelcomeLabel->size());
    const QRect device = devicePixels(label, image.devicePixelRatio());
    const auto black = [&](int x, int y) {
        const QRgb pixel = image.pixel(x, y);
        return qMax(qRed(pixel), qMax(qGreen(pixel), qBlue(pixel))) < 24; // not dark green
    };
    // Some row or column next to each edge is black all along, corners left aside.
    const auto lineAlong = [&](bool horizontal, int at) {
        const int from = (horizontal ? device.left() : device.top()) + 2;
        const int to = (horizontal ? device.right() : device.bottom()) - 2;
        for (int i = from; i <= to; ++i)
            if (!(horizontal ? black(i, at) : black(at, i)))
                return false;
        return true;
    };
    const auto edgeShows = [&](bool horizontal, int edge, int inward) {
        return lineAlong(horizontal, edge) || lineAlong(horizontal, edge + inward);
    };
    EXPECT_TRUE(edgeShows(true, device.top(), 1)) << "top";
    EXPECT_TRUE(edgeShows(true, device.bottom(), -1)) << "bottom";
    EXPECT_TRUE(edgeShows(false, device.left(), 1)) << "left";
    EXPECT_TRUE(edgeShows(false, device.right(), -1)) << "right";
}
