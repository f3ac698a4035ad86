#include "GameTable.h"

#include "runtime/MessageBox.h"
#include "window/Binding.h"
#include "window/FormDescription.h"

#include <QFrame>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace
{

struct Placement {
    const char *control;
    const char *container;        // "" for the window
    int left, top, width, height; // twips
    bool shown;
    const char *caption;
};

// The window as it is built, before Let's Play. The welcome panel has been moved to 700.
const Placement placements[] = {
    {"EndButton", "", 3075, 4080, 1125, 480, false, "End Turn"},
    {"ScoreFrame", "", 2040, 0, 3135, 615, false, nullptr},
    {"P2Label", "ScoreFrame", 2040, 240, 585, 195, true, "Spades:"},
    {"P1Label", "ScoreFrame", 360, 240, 510, 195, true, "Hearts:"},
    {"Welcome", "", 1440, 700, 4200, 3360, true, nullptr},
    {"Rules", "Welcome", 705, 1440, 1260, 495, true, "How Does Ombrix Work?"},
    {"LetsPlay", "Welcome", 2265, 1440, 1260, 495, true, "Let's Play!"},
    {"SPic(0)", "", 240, 2040, 525, 720, false, nullptr},
    {"SPic(1)", "", 480, 2400, 525, 720, false, nullptr},
    {"SPic(2)", "", 0, 2400, 525, 720, false, nullptr},
    {"SPic(3)", "", 480, 1680, 525, 720, false, nullptr},
    {"SPic(4)", "", 0, 1680, 525, 720, false, nullptr},
    {"HPic(0)", "", 240, 360, 525, 720, false, nullptr},
    {"HPic(1)", "", 480, 720, 525, 720, false, nullptr},
    {"HPic(2)", "", 0, 720, 525, 720, false, nullptr},
    {"HPic(3)", "", 480, 0, 525, 720, false, nullptr},
    {"HPic(4)", "", 0, 0, 525, 720, false, nullptr},
    {"PCard(0)", "", 1920, 3240, 525, 720, true, nullptr},
    {"PCard(1)", "", 2640, 3240, 525, 720, true, nullptr},
    {"PCard(2)", "", 3360, 3240, 525, 720, true, nullptr},
    {"PCard(3)", "", 4080, 3240, 525, 720, true, nullptr},
    {"PCard(4)", "", 4800, 3240, 525, 720, true, nullptr},
    {"RedCard", "", 6240, 3360, 525, 720, false, nullptr},
    {"BlueCard", "", 6240, 3960, 525, 720, false, nullptr},
    {"BLabel(0)", "", 1920, 1800, 525, 255, false, ""},
    {"BLabel(1)", "", 2640, 1800, 525, 255, false, ""},
    {"BLabel(2)", "", 3360, 1800, 525, 255, false, ""},
    {"BLabel(3)", "", 4080, 1800, 525, 255, false, ""},
    {"BLabel(4)", "", 4800, 1800, 525, 255, false, ""},
    {"TwoCard(0)", "", 1920, 840, 525, 720, false, nullptr},
    {"TwoCard(1)", "", 2640, 840, 525, 720, false, nullptr},
    {"TwoCard(2)", "", 3360, 840, 525, 720, false, nullptr},
    {"TwoCard(3)", "", 4080, 840, 525, 720, false, nullptr},
    {"TwoCard(4)", "", 4800, 840, 525, 720, false, nullptr},
    {"OneCard(0)", "", 1920, 2280, 525, 720, false, nullptr},
    {"OneCard(1)", "", 2640, 2280, 525, 720, false, nullptr},
    {"OneCard(2)", "", 3360, 2280, 525, 720, false, nullptr},
    {"OneCard(3)", "", 4080, 2280, 525, 720, false, nullptr},
    {"OneCard(4)", "", 4800, 2280, 525, 720, false, nullptr},
};

int px(int twips)
{
    return int(std::lround(twips / 15.0));
}

QColor colourAt(const QImage &image, QPoint at)
{
    return image.pixelColor(at);
}

const QColor tableGreen(0, 128, 0);
const QColor darkGreen(0, 64, 0);

} // namespace

class Window : public GameTable
{
protected:
    QWidget *find(const char *name) const
    {
        return form->findChild<QWidget *>(QString::fromLatin1(name));
    }
    QImage table() const { return form->centralWidget()->grab().toImage(); }
    QPoint at(const QWidget *control, int dx, int dy) const
    {
        return control->mapTo(form->centralWidget(), QPoint(dx, dy));
    }
};

TEST_F(Window, EveryControlStandsWhereTheDescriptionPutsIt)
{
    for (const Placement &p : placements) {
        SCOPED_TRACE(p.control);
        QWidget *control = find(p.control);
        ASSERT_NE(control, nullptr);
        const QWidget *container = *p.container ? find(p.container) : form->centralWidget();
        EXPECT_EQ(control->parentWidget(), container);
        EXPECT_EQ(control->geometry(), QRect(px(p.left), px(p.top), px(p.width), px(p.height)));
        EXPECT_EQ(!control->isHidden(), p.shown);
        if (p.caption) {
            const auto *button = qobject_cast<QPushButton *>(control);
            const auto *label = qobject_cast<QLabel *>(control);
            EXPECT_EQ(button ? button->text() : label->text(), QString::fromUtf8(p.caption));
        }
    }
    EXPECT_EQ(form->findChildren<rt::Image *>().size(), 27);
    EXPECT_EQ(form->findChildren<rt::Label *>().size(), 11);
    EXPECT_EQ(form->findChildren<QFrame *>(QString(), Qt::FindChildrenRecursively).size() -
                  form->findChildren<QLabel *>().size(),
              2);
}

TEST_F(Window, LabelsFitTheirTextOnTheScoreboardAndWelcomePanel)
{
    // Labels that size themselves keep their row and stay centred where they were laid out.
    struct Fitted {
        rt::Label *label;
        int top, height, centreX, tolerance;
    };
    const Fitted fitted[] = {
        {form->ScoreLabel, 0, 13, px(1080) + px(990) / 2, 1},
        {form->WelcomeLabel, 60, 18, px(4200) / 2, 1},
    };
    for (const Fitted &f : fitted) {
        SCOPED_TRACE(f.label->objectName().toStdString());
        EXPECT_EQ(f.label->y(), f.top);
        EXPECT_EQ(f.label->height(), f.height);
        EXPECT_NEAR(f.label->geometry().center().x() + 0.5, f.centreX, f.tolerance);
        EXPECT_GE(f.label->width(), f.label->fontMetrics().horizontalAdvance(f.label->text()));
    }
    EXPECT_EQ(form->ScoreOne->pos(), QPoint(px(1080), px(240)));
    EXPECT_EQ(form->ScoreTwo->pos(), QPoint(px(2760), px(240)));
    EXPECT_EQ(form->ScoreOne->text(), QStringLiteral("0"));
    EXPECT_EQ(form->ScoreTwo->text(), QStringLiteral("0"));
}

TEST_F(Window, ColoursFontsAndAlignment)
{
    for (rt::Label *label : form->findChildren<rt::Label *>()) {
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_EQ(label->palette().color(QPalette::Window), darkGreen);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white));
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_TRUE(label->alignment() & Qt::AlignTop);
        const bool large = label == form->WelcomeLabel;
        EXPECT_EQ(label->font().pixelSize(), large ? 13 : 11);
        EXPECT_EQ(label->font().bold(), large || label == form->ScoreLabel);
        const bool centred = large || label->objectName().startsWith(QLatin1String("BLabel"));
        EXPECT_EQ(bool(label->alignment() & Qt::AlignHCenter), centred);
        EXPECT_EQ(label->border(), large);
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
    }
    EXPECT_EQ(form->ScoreFrame->palette().color(QPalette::Window), darkGreen);
    EXPECT_EQ(form->Welcome->palette().color(QPalette::Window), tableGreen);
    for (QFrame *frame : {form->ScoreFrame, form->Welcome})
        EXPECT_EQ(frame->frameShape(), QFrame::NoFrame);
    EXPECT_TRUE(form->RedCard->stretch());
    EXPECT_TRUE(form->BlueCard->stretch());
    EXPECT_EQ(form->RedCard->picture().pixmap().size(), QSize(45, 62));
    for (int i = 0; i <= 4; ++i) {
        EXPECT_FALSE(form->HPic(i)->stretch());
        EXPECT_EQ(form->HPic(i)->picture().pixmap().size(), QSize(35, 48));
        EXPECT_EQ(form->SPic(i)->picture().pixmap().size(), QSize(35, 48));
    }
}

TEST_F(Window, IsAFixedWindowWithTheFileMenu)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Ombrix!"));
    EXPECT_EQ(form->centralWidget()->size(), QSize(486, 323));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(form->windowIcon().isNull());

    // A desktop may force another size on it all the same, as a tiling one does: the table
    // stays whole where it was, and what the window gains is table colour.
    const QImage table = form->centralWidget()->grab().toImage();
    form->windowHandle()->resize(form->size() + QSize(200, 150));
    QCoreApplication::processEvents();
    const QImage forced = form->centralWidget()->grab().toImage();
    ASSERT_EQ(forced.size(), table.size() + QSize(200, 150));
    QImage want(forced.size(), QImage::Format_ARGB32);
    want.fill(QColor::fromRgb(formDescription().backColor));
    QPainter(&want).drawImage(0, 0, table);
    EXPECT_EQ(differingPixels(forced.convertToFormat(QImage::Format_ARGB32), want), 0);
}

// Every size the game has, each the very image drawn for it; a density of 2 takes the
// small designs drawn at twice the density, and sizes between are scaled from the next
// larger image.
TEST_F(Window, ItsIconCarriesEverySizeTheGameHas)
{
    const QIcon icon = form->windowIcon();
    // What a desktop is offered; the denser images may be listed beside them.
    const QList<QSize> offered = icon.availableSizes();
    for (int side : {16, 32, 48, 128, 256})
        EXPECT_TRUE(offered.contains(QSize(side, side))) << side;
    const struct {
        int points;
        qreal ratio;
        const char *file;
    } cases[] = {
        {16, 1, "icon-16.png"},    {32, 1, "icon-32.png"},      {48, 1, "icon-48.png"},
        {128, 1, "icon-128.png"},  {256, 1, "icon-128@2x.png"}, {16, 2, "icon-16@2x.png"},
        {32, 2, "icon-32@2x.png"}, {48, 2, "icon-48@2x.png"},   {128, 2, "icon-128@2x.png"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        // Through a pixmap, as the icon's images go, premultiplied alike.
        const QImage want =
            QPixmap(QStringLiteral(":/art/") + QString::fromLatin1(c.file)).toImage();
        const QImage got = icon.pixmap(QSize(c.points, c.points), c.ratio).toImage();
        EXPECT_EQ(differingPixels(got.convertToFormat(QImage::Format_ARGB32),
                                  want.convertToFormat(QImage::Format_ARGB32)),
                  0);
    }
    EXPECT_EQ(icon.pixmap(QSize(64, 64)).size(), QSize(64, 64));
}

TEST_F(Window, HasTheFileMenu)
{

    const QList<QAction *> headings = form->menuBar()->actions();
    ASSERT_EQ(headings.size(), 1);
    EXPECT_EQ(headings[0]->text(), QStringLiteral("&File"));
    const QList<QAction *> items = form->MenuFile->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0], form->MenuExit);
    EXPECT_EQ(items[0]->text(), QStringLiteral("&Exit"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("&About"));
    for (QAction *item : items)
        EXPECT_TRUE(item->shortcut().isEmpty());
}

TEST_F(Window, FramesAndButtonsLieAboveLabelsAndImages)
{
    const QObjectList stack = form->centralWidget()->children();
    qsizetype highestPlain = -1;
    qsizetype lowestRaised = stack.size();
    for (qsizetype i = 0; i < stack.size(); ++i) {
        if (qobject_cast<rt::Image *>(stack[i]) || qobject_cast<rt::Label *>(stack[i]))
            highestPlain = i;
        else if (stack[i]->isWidgetType())
            lowestRaised = std::min(lowestRaised, i);
    }
    EXPECT_LT(highestPlain, lowestRaised);
    // The welcome panel covers every hand card.
    for (int i = 0; i <= 4; ++i) {
        QWidget *top = form->centralWidget()->childAt(centreOf(form->PCard(i)));
        EXPECT_TRUE(top == form->Welcome || form->Welcome->isAncestorOf(top)) << i;
    }
}

TEST_F(Window, FocusGoesRoundTheButtonsOnly)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(QApplication::focusWidget(), form->LetsPlay);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->Rules);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->LetsPlay);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // presses Let's Play
    EXPECT_TRUE(form->Welcome->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), form->EndButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->EndButton);
    QTest::keyClick(form->EndButton, Qt::Key_Space);
    EXPECT_EQ(takeMessage(), QStringLiteral("You must play a card."));
    EXPECT_FALSE(form->EndButton->isDefault());
    EXPECT_FALSE(form->EndButton->autoDefault());
}

// Enter on the keyboard or on the keypad presses the focused button once; the repeats of a
// held key press nothing more.
TEST_F(Window, EnterPressesTheFocusedButtonOncePerPress)
{
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    letsPlay();
    ASSERT_EQ(QApplication::focusWidget(), form->EndButton);
    struct Press {
        const char *name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool autoRepeat;
        int presses;
    };
    const Press presses[] = {
        {"Return", Qt::Key_Return, Qt::NoModifier, false, 1},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, false, 1},
        {"Return held down", Qt::Key_Return, Qt::NoModifier, true, 0},
        {"keypad Enter held down", Qt::Key_Enter, Qt::KeypadModifier, true, 0},
    };
    for (const Press &p : presses) {
        SCOPED_TRACE(p.name);
        QKeyEvent down(QEvent::KeyPress, p.key, p.modifiers, QString(), p.autoRepeat);
        QKeyEvent up(QEvent::KeyRelease, p.key, p.modifiers, QString(), p.autoRepeat);
        QApplication::sendEvent(QApplication::focusWidget(), &down);
        QApplication::sendEvent(QApplication::focusWidget(), &up);
        // Nothing is placed, so each press of End Turn is refused with a box.
        EXPECT_EQ(messages.size(), p.presses);
        messages.clear();
    }
}

TEST_F(Window, LetsPlayOpensTheTableWithEverySlotFaceDownAndHidden)
{
    letsPlay();
    EXPECT_TRUE(form->Welcome->isHidden());
    EXPECT_FALSE(form->ScoreFrame->isHidden());
    EXPECT_FALSE(form->EndButton->isHidden());
    for (int i = 0; i <= 4; ++i) {
        EXPECT_TRUE(form->OneCard(i)->isHidden());
        EXPECT_TRUE(form->TwoCard(i)->isHidden());
        EXPECT_TRUE(showsPicture(form->OneCard(i), form->RedCard));
        EXPECT_TRUE(showsPicture(form->TwoCard(i), form->BlueCard));
        EXPECT_EQ(form->OneCard(i)->size(), QSize(35, 48));
    }
    // Nothing shows the panel again, not even Play Again.
    playGame({0, 1, 2, 3, 4}, {0, 1, 2, 3, 4});
    EXPECT_EQ(takeMessage(), QStringLiteral("It's a tie."));
    endTurn();
    EXPECT_TRUE(form->Welcome->isHidden());
}

TEST_F(Window, RulesAndAboutShowTheirBoxesAndChangeNothing)
{
    form->Rules_Click();
    EXPECT_EQ(takeMessage(), QStringLiteral("http://ombrix.example.org/archives/292"));
    letsPlay();
    turn({3, 1});
    place(0);
    const TableState before = tableState(*form);
    form->MenuAbout->trigger();
    const QString about = takeMessage();
    EXPECT_TRUE(about.contains(QStringLiteral("Ombrix version 1.00")));
    EXPECT_TRUE(about.contains(QStringLiteral("the Ombrix developers")));
    EXPECT_EQ(tableState(*form), before);
    click(form->Rules); // hidden with the panel: the click lands on the table
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(tableState(*form), before);
}

TEST_F(Window, ClicksOnTheTableOutsideTheHandAndButtonsDoNothing)
{
    letsPlay();
    turn({2});
    turn({1});
    place(4);
    const TableState before = tableState(*form);
    for (const QWidget *control :
         {static_cast<QWidget *>(form->OneCard(0)), static_cast<QWidget *>(form->TwoCard(0)),
          static_cast<QWidget *>(form->BLabel(0)), static_cast<QWidget *>(form->ScoreOne),
          static_cast<QWidget *>(form->ScoreLabel), static_cast<QWidget *>(form->OneCard(3))})
        click(control);
    for (QPoint felt : {QPoint(5, 5), QPoint(480, 160), QPoint(50, 300)})
        clickAt(felt);
    EXPECT_EQ(tableState(*form), before);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Window, ExitAndClosingTheWindowEndTheProgram)
{
    for (bool viaMenu : {true, false}) {
        SCOPED_TRACE(viaMenu ? "File > Exit" : "close button");
        ASSERT_NO_FATAL_FAILURE(freshTable());
        letsPlay();
        place(1);
        QTimer::singleShot(0, form.get(), [this, viaMenu] {
            if (viaMenu)
                form->MenuExit->trigger();
            else
                form->close();
        });
        EXPECT_EQ(runUntilQuit(), 0);
        EXPECT_FALSE(form->isVisible());
        EXPECT_TRUE(messages.isEmpty()); // no question, no verdict
    }
}

TEST_F(Window, PicturesOfTheRealWindow)
{
    QImage image = table();
    // At start: the panel over the hand, no scoreboard, slot, caption or End Turn.
    EXPECT_EQ(colourAt(image, centreOf(form->PCard(2))), tableGreen);
    EXPECT_EQ(colourAt(image, at(form->ScoreFrame, 4, 4)), tableGreen);
    EXPECT_EQ(colourAt(image, centreOf(form->EndButton)), tableGreen);
    EXPECT_EQ(colourAt(image, centreOf(form->TwoCard(2))), tableGreen);
    EXPECT_EQ(colourAt(image, at(form->WelcomeLabel, 3, 3)), darkGreen);
    EXPECT_EQ(colourAt(image, at(form->WelcomeLabel, 0, 5)), QColor(Qt::black));
    const QColor heart = colourAt(image, QPoint(45, 60)); // the felt's corner symbol
    EXPECT_GT(heart.red(), 150);
    EXPECT_LT(heart.green(), 100);

    letsPlay();
    image = table();
    EXPECT_EQ(colourAt(image, at(form->ScoreFrame, 4, 4)), darkGreen);
    EXPECT_NE(colourAt(image, centreOf(form->EndButton)), tableGreen);
    EXPECT_EQ(colourAt(image, at(form->PCard(2), 5, 20)), QColor(Qt::white));
    EXPECT_EQ(colourAt(image, at(form->PCard(2), 0, 0)), tableGreen); // the rounded corner
    EXPECT_EQ(colourAt(image, centreOf(form->OneCard(0))), tableGreen);

    place(3);
    image = table();
    const QImage back = form->RedCard->picture().pixmap().toImage().scaled(
        35, 48, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_EQ(differingPixels(image.copy(form->OneCard(0)->geometry()), back), 0);
    EXPECT_EQ(colourAt(image, centreOf(form->PCard(3))), tableGreen);

    endTurn();
    place(1);
    endTurn();
    image = table();
    EXPECT_EQ(differingPixels(image.copy(form->OneCard(0)->geometry()),
                              form->HPic(3)->picture().pixmap().toImage()),
              0);
    EXPECT_EQ(differingPixels(image.copy(form->TwoCard(0)->geometry()),
                              form->SPic(1)->picture().pixmap().toImage()),
              0);
    const QRect caption = form->BLabel(0)->geometry();
    int white = 0;
    for (int y = caption.top(); y <= caption.bottom(); ++y)
        for (int x = caption.left(); x <= caption.right(); ++x)
            white += colourAt(image, QPoint(x, y)).lightness() > 200;
    EXPECT_GT(white, 10); // "Hearts" written in white
    EXPECT_EQ(colourAt(image, caption.bottomLeft()), darkGreen);
}

TEST_F(Window, TheScoreboardHoldsAnyCountOfGamesWon)
{
    const QRect strip = form->ScoreFrame->geometry();
    for (int wins : {9, 10, 123, 32767}) {
        SCOPED_TRACE(wins);
        ASSERT_NO_FATAL_FAILURE(freshTable());
        form->game.HeartsWins = wins - 1;
        form->game.SpadesWins = wins;
        letsPlay();
        playGame({3, 4, 2, 1, 0}, {0, 1, 2, 3, 4}); // Hearts wins
        EXPECT_EQ(takeMessage(), QStringLiteral("Hearts Win!"));
        for (rt::Label *count : {form->ScoreOne, form->ScoreTwo}) {
            EXPECT_EQ(count->text(), QString::number(wins));
            EXPECT_GE(count->width(), count->fontMetrics().horizontalAdvance(count->text()));
            EXPECT_LE(count->geometry().right(), form->ScoreFrame->width() - 1);
        }
        // The counts keep their places on the table; the strip keeps its top and centre.
        const QWidget *table = form->centralWidget();
        EXPECT_EQ(form->ScoreOne->mapTo(table, QPoint()), QPoint(px(2040) + px(1080), px(240)));
        EXPECT_EQ(form->ScoreTwo->mapTo(table, QPoint()), QPoint(px(2040) + px(2760), px(240)));
        EXPECT_EQ(form->P2Label->mapTo(table, QPoint()), QPoint(px(2040) + px(2040), px(240)));
        EXPECT_LT(form->ScoreOne->geometry().right(), form->P2Label->x());
        EXPECT_EQ(form->ScoreFrame->y(), strip.y());
        EXPECT_EQ(form->ScoreFrame->height(), strip.height());
        EXPECT_EQ(form->ScoreFrame->geometry().center(), strip.center());
        // Every digit is drawn: white reaches the right end of the count.
        const QImage image = form->ScoreTwo->grab().toImage();
        const int lastDigit =
            form->ScoreTwo->fontMetrics().horizontalAdvance(form->ScoreTwo->text()) - 2;
        int white = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = lastDigit - 3; x <= lastDigit; ++x)
                white += image.pixelColor(x, y).lightness() > 150;
        EXPECT_GT(white, 0);
    }
}

// A person's whole game: only clicks on the window, and the real message boxes closed
// with their OK button.
TEST_F(Window, AWholeGamePlayedWithTheMouse)
{
    rt::setMessagePresenter({});
    QStringList boxes;
    auto closeNextBox = [&boxes] {
        QTimer::singleShot(0, [&boxes] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            boxes.append(box->windowTitle() + QLatin1Char('|') + box->text());
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
    };

    closeNextBox();
    click(form->Rules);
    letsPlay();
    closeNextBox();
    endTurn(); // nothing placed yet
    const int hearts[] = {3, 4, 2, 1, 0};
    const int spades[] = {0, 1, 2, 3, 4};
    for (int round = 0; round < 5; ++round) {
        place(hearts[round]);
        endTurn();
        place(spades[round]);
        if (round == 4)
            closeNextBox();
        endTurn();
    }
    EXPECT_EQ(boxes, QStringList({QStringLiteral("Ombrix|http://ombrix.example.org/archives/292"),
                                  QStringLiteral("Ombrix|You must play a card."),
                                  QStringLiteral("Ombrix|Hearts Win!")}));
    EXPECT_EQ(form->ScoreOne->text(), QStringLiteral("1"));
    EXPECT_EQ(form->EndButton->text(), QStringLiteral("Play Again"));
    endTurn();
    EXPECT_EQ(form->EndButton->text(), QStringLiteral("End Turn"));
    EXPECT_FALSE(form->PCard(0)->isHidden());
    place(0);
    EXPECT_EQ(form->game.POneCount, 1);
}

namespace
{

// A description that builds what the window built, with the changes a test asks for.
Binding describedAsBuilt(const MainForm &form, const QHash<QString, QObject *> &changes)
{
    QHash<QString, QObject *> built;
    for (QWidget *control : form.centralWidget()->findChildren<QWidget *>())
        if (!control->objectName().isEmpty())
            built.insert(control->objectName(), control);
    for (QObject *item :
         {static_cast<QObject *>(form.MenuFile), static_cast<QObject *>(form.MenuExit),
          static_cast<QObject *>(form.MenuAbout)})
        built.insert(item->objectName(), item);
    for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
        if (it.value())
            built.insert(it.key(), it.value());
        else
            built.remove(it.key());
    }
    Binding binding;
    for (auto it = built.cbegin(); it != built.cend(); ++it)
        binding.add(it.key(), it.value());
    return binding;
}

} // namespace

// A renamed, missing or retyped control in the description stops start-up, naming it.
// Binding rewires the members, so this comes last in its test.
TEST_F(Window, TheBindingNamesEveryMismatchWithTheDescription)
{
    // The window's painting has started threads; a fresh process is the safe way to die.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct Doctored {
        const char *name;
        QHash<QString, QObject *> changes; // a null object removes the row
        QStringList mismatches;
    };
    const Doctored cases[] = {
        {"as built", {}, {}},
        {"End Turn renamed in the description",
         {{QStringLiteral("EndButton"), nullptr}, {QStringLiteral("EndButon"), form->EndButton}},
         {QStringLiteral("member EndButton has no row in the window description"),
          QStringLiteral("row EndButon of the window description has no member")}},
        {"a hand card missing",
         {{QStringLiteral("PCard(4)"), nullptr}},
         {QStringLiteral("member PCard(4) has no row in the window description")}},
        {"a picture described as a frame",
         {{QStringLiteral("RedCard"), form->ScoreFrame}},
         {QStringLiteral("RedCard is described as a QFrame, but its member is a rt::Image")}},
        {"the About item missing",
         {{QStringLiteral("MenuAbout"), nullptr}},
         {QStringLiteral("member MenuAbout has no row in the window description")}},
    };
    for (const Doctored &d : cases) {
        SCOPED_TRACE(d.name);
        Binding binding = describedAsBuilt(*form, d.changes);
        form->bindMembers(binding);
        EXPECT_EQ(binding.mismatches(), d.mismatches);
        if (!d.mismatches.isEmpty()) {
            QString firstLine = d.mismatches.first();
            firstLine.replace(QLatin1Char('('), QStringLiteral("\\("))
                .replace(QLatin1Char(')'), QStringLiteral("\\)"));
            EXPECT_DEATH(binding.stopUnlessComplete(), "disagree:\n  " + firstLine.toStdString());
        }
    }
}
