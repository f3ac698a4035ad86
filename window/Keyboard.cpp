#include "window/MainForm.h"

#include <QKeyEvent>

// The digits 1 to 5 press the first to fifth card of the hand, each where its own click
// would land: nothing happens on a card already placed, under the welcome panel, while a
// box is open or once the game is over. A card keeps its key after the ones before it go.
void MainForm::keyPressEvent(QKeyEvent *event)
{
    const int card = event->key() - Qt::Key_1;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (card < 0 || card > 4 || modifiers != Qt::NoModifier) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        PCard(card)->press();
}
