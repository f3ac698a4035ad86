#include "window/MainForm.h"

#include "runtime/MessageBox.h"

// The one button: End Turn while a game runs, Play Again once it is over.
void MainForm::EndButton_Click()
{
    if (game.GameOver == rt::True)
        playAgain();
    else
        endTurn();
}

void MainForm::endTurn()
{
    const bool heartsEnding = game.Turn == QLatin1String("POne");
    const rt::Int16 endingCount = heartsEnding ? game.POneCount : game.PTwoCount;
    const rt::Int16 otherCount = heartsEnding ? game.PTwoCount : game.POneCount;

    // Only a player who is ahead may pass without placing a card.
    if (endingCount <= otherCount && game.CardPlayed == rt::False) {
        rt::messageBox(this, QStringLiteral("You must play a card."));
        return;
    }

    // Hand over: the next player's faces, hidden where already placed.
    for (int i = 0; i <= 4; ++i) {
        if (heartsEnding) {
            PCard(i)->setPicture(SPic(i)->picture());
            PCard(i)->setVisible(game.PTwoHand(i) == rt::True);
        } else {
            PCard(i)->setPicture(HPic(i)->picture());
            PCard(i)->setVisible(game.POneHand(i) == rt::True);
        }
    }
    game.Turn = heartsEnding ? QStringLiteral("PTwo") : QStringLiteral("POne");

    Battle();

    if (game.PTwoCount == 5 && game.POneCount == 5)
        endGame();

    game.CardPlayed = rt::False;
}

void MainForm::endGame()
{
    game.GameOver = rt::True;
    EndButton->setText(QStringLiteral("Play Again"));
    if (game.HeartsPoints > game.SpadesPoints) {
        game.Verdict = QStringLiteral("Hearts Win!");
        game.HeartsWins = game.HeartsWins + 1;
    }
    if (game.HeartsPoints < game.SpadesPoints) {
        game.Verdict = QStringLiteral("Spades Win!");
        game.SpadesWins = game.SpadesWins + 1;
    }
    if (game.HeartsPoints == game.SpadesPoints)
        game.Verdict = QStringLiteral("It's a tie.");
    ScoreOne->setCaption(QString::number(game.HeartsWins));
    ScoreTwo->setCaption(QString::number(game.SpadesWins));
    rt::messageBox(this, game.Verdict);
}

// A new game that Hearts begins. The games won and the last verdict stay.
void MainForm::playAgain()
{
    game.HeartsPoints = 0;
    game.SpadesPoints = 0;
    game.CardPlayed = rt::False;
    game.GameOver = rt::False;
    game.BattlesDone = 0;
    game.POneCount = 0;
    game.PTwoCount = 0;
    game.PairCount = 0;
    game.Turn = QStringLiteral("POne");
    for (int i = 0; i <= 4; ++i) {
        game.POneSlot(i) = rt::Int16(0);
        game.PTwoSlot(i) = rt::Int16(0);
        game.POneHand(i) = rt::True;
        game.PTwoHand(i) = rt::True;
        OneCard(i)->setVisible(false);
        TwoCard(i)->setVisible(false);
        BLabel(i)->setVisible(false);
        MakeRed(i);
        MakeBlue(i);
        PCard(i)->setPicture(HPic(i)->picture());
        PCard(i)->setVisible(true);
    }
    EndButton->setText(QStringLiteral("End Turn"));
}
