#include "window/MainForm.h"

#include "runtime/MessageBox.h"
#include "runtime/Twips.h"

#include "Version.h"

#include <QCoreApplication>
#include <QFrame>

// Deals the faces and sets the start values. The welcome panel covers the hand until
// Let's Play, which is what keeps the hand from being played early.
void MainForm::Form_Load()
{
    Welcome->raise();
    Welcome->move(Welcome->x(), rt::pixels(700));
    game.Turn = QStringLiteral("POne");
    for (int i = 0; i <= 4; ++i) {
        game.POneHand(i) = rt::True;
        game.PTwoHand(i) = rt::True;
        OneCard(i)->setPicture(HPic(i)->picture());
        TwoCard(i)->setPicture(SPic(i)->picture());
        PCard(i)->setPicture(HPic(i)->picture());
    }
    game.BattlesDone = 0;
    game.CardPlayed = rt::False;
    game.GameOver = rt::False;
}

// Opens the table. The slots get their backs but stay hidden until a card is placed.
void MainForm::LetsPlay_Click()
{
    Welcome->setVisible(false);
    ScoreFrame->setVisible(true);
    EndButton->setVisible(true);
    for (int i = 0; i <= 4; ++i)
        MakeRed(i);
    for (int i = 0; i <= 4; ++i)
        MakeBlue(i);
}

void MainForm::Rules_Click()
{
    rt::messageBox(this, QStringLiteral("http://ombrix.example.org/archives/292"));
}

void MainForm::MenuAbout_Click()
{
    rt::messageBox(this, QStringLiteral("Ombrix version %1\n"
                                        "A card game for two players at one screen.\n\n"
                                        "Written by the Ombrix developers.")
                             .arg(QLatin1String(ombrix::shownVersion)));
}

// Ends the program at once: nothing is asked and nothing is kept.
void MainForm::MenuExit_Click()
{
    close();
    QCoreApplication::exit(0);
}
