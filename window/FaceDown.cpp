#include "window/MainForm.h"

// A slot shows its card back scaled into the slot's own box until its pair is battled.
void MainForm::MakeRed(int cnum)
{
    OneCard(cnum)->setStretch(true);
    OneCard(cnum)->setPicture(RedCard->picture());
}

void MainForm::MakeBlue(int cnum)
{
    TwoCard(cnum)->setStretch(true);
    TwoCard(cnum)->setPicture(BlueCard->picture());
}
