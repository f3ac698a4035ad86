#include "window/MainForm.h"

void MainForm::PCard_Click(int Index)
{
    if (game.Turn == QLatin1String("POne"))
        POnePlay(Index);
    else
        PTwoPlay(Index);
}

void MainForm::POnePlay(int cnum)
{
    place(cnum, game.POneHand, OneCard, game.POneCount, game.POneSlot);
}

void MainForm::PTwoPlay(int cnum)
{
    place(cnum, game.PTwoHand, TwoCard, game.PTwoCount, game.PTwoSlot);
}

// The card leaves the hand and goes face down into the player's next free slot. Nothing
// here checks that the card is still held: its hand image is hidden once it is placed,
// and a hidden image takes no clicks.
void MainForm::place(int cnum, rt::FixedArray<rt::Boolean> &hand,
                     const rt::ControlArray<rt::Image> &slotImages, rt::Int16 &count,
                     rt::FixedArray<rt::SlotValue> &slotCards)
{
    hand(cnum) = rt::False;
    PCard(cnum)->setVisible(false);
    slotImages(count)->setVisible(true);
    count = count + 1;
    slotCards(count - 1) = rt::Int16(cnum);
    game.CardPlayed = rt::True;
}
