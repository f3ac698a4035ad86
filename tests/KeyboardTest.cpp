#include "GameTable.h"

#include "runtime/MessageBox.h"

#include <QAccessible>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

namespace
{

QAccessibleActionInterface *actionsOf(QWidget *control)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    return face ? face->actionInterface() : nullptr;
}

bool offersPress(QWidget *control)
{
    QAccessibleActionInterface *actions = actionsOf(control);
    return actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
}

} // namespace

// A player with only a keyboard, and the real message boxes: keys go to the window as the
// desktop delivers them, to whichever control has the focus.
class Keyboard : public GameTable
{
protected:
    void SetUp() override
    {
        GameTable::SetUp();
        rt::setMessagePresenter({});
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void key(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(form->windowHandle(), Qt::Key(qtKey), modifiers);
    }
    void digit(int card) { key(Qt::Key_1 + card); }
    // Enter goes to the box itself. A key sent through its window runs the events queued
    // behind it, which on Windows takes the box's own ending with them: it would stay
    // open until some later event came.
    static void answer(QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); }

    // Presses Enter on End Turn and answers the box that opens with Enter too; returns its
    // text, or nothing when no box opened.
    QString enterThroughBox()
    {
        QString text;
        QTimer::singleShot(0, [&] {
            QMessageBox *box = openBox();
            if (!box)
                return;
            text = box->text();
            answer(box);
        });
        key(Qt::Key_Return);
        QCoreApplication::processEvents();
        return text;
    }
};

TEST_F(Keyboard, AWholeGameIsPlayedWithKeysAlone)
{
    ASSERT_EQ(QApplication::focusWidget(), form->LetsPlay);
    key(Qt::Key_Return);
    ASSERT_TRUE(form->Welcome->isHidden());
    ASSERT_EQ(QApplication::focusWidget(), form->EndButton);

    // Hearts places Ace, Two, King, Jack, Queen; Spades from the Ace down. A card keeps
    // its key: after "5" the Two is still "1".
    const std::vector<std::vector<int>> turns = {{4, 0}, {4}, {3}, {3, 2}, {1}, {1}, {2}, {0}};
    for (const std::vector<int> &cards : turns) {
        const bool hearts = form->game.Turn == QLatin1String("POne");
        for (int card : cards) {
            const rt::Int16 placed = hearts ? form->game.POneCount : form->game.PTwoCount;
            digit(card);
            EXPECT_EQ(hearts ? form->game.POneHand(card) : form->game.PTwoHand(card), rt::False);
            const rt::SlotValue slot =
                hearts ? form->game.POneSlot(placed) : form->game.PTwoSlot(placed);
            EXPECT_FALSE(slot.isEmpty());
            EXPECT_EQ(int(slot.value()), card);
            EXPECT_TRUE(form->PCard(card)->isHidden());
        }
        const bool last = form->game.POneCount == 5 && form->game.PTwoCount == 5;
        const QString said = enterThroughBox();
        if (last)
            EXPECT_EQ(said, form->game.Verdict);
        else
            EXPECT_TRUE(said.isEmpty()) << said.toStdString();
    }
    ASSERT_EQ(form->game.GameOver, rt::True);
    // Ace-Ace ties, King beats Two, King beats Queen, Jack-Jack ties, Queen beats Two.
    EXPECT_EQ(form->game.Verdict, QStringLiteral("Hearts Win!"));
    EXPECT_EQ(form->ScoreOne->caption(), QStringLiteral("1"));
    EXPECT_EQ(openBox(), nullptr);
    // The keyboard is back with the window once the box has closed.
    EXPECT_EQ(QApplication::focusWidget(), form->EndButton);
    EXPECT_EQ(form->EndButton->text(), QStringLiteral("Play Again"));

    EXPECT_TRUE(enterThroughBox().isEmpty());
    EXPECT_EQ(form->game.GameOver, rt::False);
    EXPECT_EQ(form->game.POneCount, 0);
    EXPECT_EQ(form->EndButton->text(), QStringLiteral("End Turn"));
    digit(2);
    EXPECT_EQ(form->game.POneCount, 1);
    EXPECT_EQ(int(form->game.POneSlot(0).value()), 2);
}

// Each case brings the table to a state and presses keys that a click could not match.
TEST_F(Keyboard, KeysActOnlyWhereAClickWould)
{
    struct Case {
        const char *state;
        std::function<void()> reach;
        std::vector<std::pair<int, Qt::KeyboardModifiers>> keys;
    };
    const auto digits = [](Qt::KeyboardModifiers modifiers) {
        std::vector<std::pair<int, Qt::KeyboardModifiers>> keys;
        for (int k = Qt::Key_1; k <= Qt::Key_5; ++k)
            keys.emplace_back(k, modifiers);
        return keys;
    };
    const std::vector<Case> cases = {
        {"the welcome panel covers the hand", [] {}, digits(Qt::NoModifier)},
        {"cards already placed",
         [this] {
             key(Qt::Key_Return);
             digit(0);
             digit(3);
         },
         {{Qt::Key_1, Qt::NoModifier}, {Qt::Key_4, Qt::NoModifier}}},
        {"keys beside the digits and digits with a modifier",
         [this] { key(Qt::Key_Return); },
         {{Qt::Key_0, Qt::NoModifier},
          {Qt::Key_6, Qt::NoModifier},
          {Qt::Key_9, Qt::NoModifier},
          {Qt::Key_1, Qt::ControlModifier},
          {Qt::Key_2, Qt::AltModifier},
          {Qt::Key_3, Qt::ShiftModifier}}},
        {"the game is over",
         [this] {
             rt::setMessagePresenter([](QWidget *, const QString &) {});
             letsPlay();
             playGame({0, 1, 2, 3, 4}, {4, 3, 2, 1, 0});
         },
         digits(Qt::NoModifier)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.state);
        freshTable();
        c.reach();
        const TableState before = tableState(*form);
        for (const auto &[qtKey, modifiers] : c.keys)
            key(qtKey, modifiers);
        EXPECT_EQ(tableState(*form), before);
        EXPECT_EQ(openBox(), nullptr);
        for (int card = 0; card <= 4; ++card)
            EXPECT_FALSE(offersPress(form->PCard(card)) && form->PCard(card)->isHidden());
    }
}

TEST_F(Keyboard, KeysAndThePressActionDoNothingWhileABoxIsOpen)
{
    key(Qt::Key_Return);
    digit(1);
    key(Qt::Key_Return);
    const TableState before = tableState(*form);
    QStringList seen;
    QTimer::singleShot(0, [&] {
        QMessageBox *box = openBox();
        if (!box)
            return;
        seen.append(box->text());
        for (int card = 0; card <= 4; ++card) {
            digit(card);
            if (offersPress(form->PCard(card)))
                seen.append(QStringLiteral("press offered on card %1").arg(card));
            actionsOf(form->PCard(card))->doAction(QAccessibleActionInterface::pressAction());
        }
        seen.append(tableState(*form) == before ? QStringLiteral("unchanged")
                                                : QStringLiteral("changed"));
        answer(box);
    });
    key(Qt::Key_Return); // Spades has placed nothing: the refusal box opens
    EXPECT_EQ(seen,
              QStringList({QStringLiteral("You must play a card."), QStringLiteral("unchanged")}));
    EXPECT_EQ(openBox(), nullptr);
    digit(1);
    EXPECT_EQ(form->game.PTwoCount, 1);
}

using PressAction = GameTable;

TEST_F(PressAction, AScreenReaderPlacesAVisibleCardAsAClickWould)
{
    for (int card = 0; card <= 4; ++card) {
        EXPECT_FALSE(offersPress(form->PCard(card))) << "under the welcome panel: " << card;
        ASSERT_NE(actionsOf(form->PCard(card)), nullptr);
        actionsOf(form->PCard(card))->doAction(QAccessibleActionInterface::pressAction());
    }
    EXPECT_EQ(form->game.POneCount, 0);

    letsPlay();
    for (int card = 0; card <= 4; ++card)
        EXPECT_TRUE(offersPress(form->PCard(card))) << card;
    EXPECT_FALSE(offersPress(form->OneCard(0)));
    EXPECT_FALSE(offersPress(form->HPic(0)));

    actionsOf(form->PCard(3))->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form->game.POneHand(3), rt::False);
    EXPECT_EQ(form->game.POneCount, 1);
    EXPECT_EQ(int(form->game.POneSlot(0).value()), 3);
    EXPECT_EQ(form->game.CardPlayed, rt::True);
    EXPECT_TRUE(form->PCard(3)->isHidden());
    EXPECT_FALSE(form->OneCard(0)->isHidden());
    EXPECT_FALSE(offersPress(form->PCard(3)));
    const TableState before = tableState(*form);
    actionsOf(form->PCard(3))->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(tableState(*form), before);

    // Spades' hand: every card is offered again, and the press places a Spade.
    endTurn();
    for (int card = 0; card <= 4; ++card)
        EXPECT_TRUE(offersPress(form->PCard(card))) << card;
    actionsOf(form->PCard(3))->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form->game.PTwoHand(3), rt::False);
    EXPECT_EQ(form->game.PTwoCount, 1);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PressAction, TheWindowTellsAScreenReaderAboutTheKeys)
{
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(form.get());
    ASSERT_NE(window, nullptr);
    const QString description = window->text(QAccessible::Description);
    EXPECT_TRUE(description.contains(QLatin1String("Keys 1 to 5"))) << description.toStdString();
    EXPECT_TRUE(description.contains(QLatin1String("Space or Enter"))) << description.toStdString();
}
