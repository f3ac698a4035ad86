#include "window/MainForm.h"

// Turns face up and scores every slot pair completed since the last battle, in slot order.
// The higher card wins the pair; the Two (card 0) beats the Ace (card 4).
void MainForm::Battle()
{
    if (game.POneCount < game.PTwoCount)
        game.PairCount = game.POneCount;
    if (game.POneCount > game.PTwoCount)
        game.PairCount = game.PTwoCount;
    if (game.POneCount == game.PTwoCount)
        game.PairCount = game.POneCount;

    const int first = game.BattlesDone;
    const int last = game.PairCount - 1;
    for (int j = first; j <= last; ++j) {
        const bool heartsShown = !OneCard(j)->isHidden();
        const bool spadesShown = !TwoCard(j)->isHidden();
        if (heartsShown && spadesShown) {
            OneCard(j)->setPicture(HPic(game.POneSlot(j).value())->picture());
            TwoCard(j)->setPicture(SPic(game.PTwoSlot(j).value())->picture());
            if (game.POneSlot(j).value() > game.PTwoSlot(j).value()) {
                BLabel(j)->setCaption(QStringLiteral("Hearts"));
                game.HeartsPoints = game.HeartsPoints + 1;
            }
            if (game.POneSlot(j).value() < game.PTwoSlot(j).value()) {
                BLabel(j)->setCaption(QStringLiteral("Spades"));
                game.SpadesPoints = game.SpadesPoints + 1;
            }
            if (game.POneSlot(j).value() == game.PTwoSlot(j).value())
                BLabel(j)->setCaption(QStringLiteral("Tie"));
            BLabel(j)->setVisible(true);
        }
        // The Two beats the Ace: take back the point the Ace just won and give one to the Two.
        if (game.PTwoSlot(j).value() - game.POneSlot(j).value() == 4) {
            const rt::Int16 hearts = game.HeartsPoints + 1;
            const rt::Int16 spades = game.SpadesPoints - 1;
            game.HeartsPoints = hearts;
            game.SpadesPoints = spades;
            BLabel(j)->setCaption(QStringLiteral("Hearts"));
        }
        if (game.POneSlot(j).value() - game.PTwoSlot(j).value() == 4) {
            const rt::Int16 hearts = game.HeartsPoints - 1;
            const rt::Int16 spades = game.SpadesPoints + 1;
            game.HeartsPoints = hearts;
            game.SpadesPoints = spades;
            BLabel(j)->setCaption(QStringLiteral("Spades"));
        }
    }
    game.BattlesDone = game.PairCount;
}
