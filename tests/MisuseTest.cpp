#include "GameTable.h"

#include "runtime/MessageBox.h"

#include <QMessageBox>
#include <QTest>
#include <QTimer>

// Misuse with the real message boxes: they are modal, so while one is open the table takes
// no clicks, and closing the window still ends the program cleanly.
class Misuse : public GameTable
{
protected:
    void SetUp() override
    {
        GameTable::SetUp();
        rt::setMessagePresenter({});
    }
};

TEST_F(Misuse, ClicksOnTheTableWhileABoxIsOpenDoNothing)
{
    letsPlay();
    place(1);
    endTurn();
    const TableState before = tableState(*form);
    QStringList seen;
    QTimer::singleShot(0, [&] {
        QMessageBox *box = openBox();
        ASSERT_NE(box, nullptr);
        seen.append(box->text());
        for (int card = 0; card <= 4; ++card)
            place(card);
        endTurn();
        click(form->OneCard(0));
        seen.append(tableState(*form) == before ? QStringLiteral("unchanged")
                                                : QStringLiteral("changed"));
        seen.append(openBox() == box ? QStringLiteral("same box") : QStringLiteral("other box"));
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    endTurn(); // Spades has placed nothing: the refusal box opens
    EXPECT_EQ(seen, QStringList({QStringLiteral("You must play a card."),
                                 QStringLiteral("unchanged"), QStringLiteral("same box")}));
    EXPECT_EQ(tableState(*form), before);
    EXPECT_EQ(openBox(), nullptr);
    place(0);
    EXPECT_EQ(form->game.PTwoCount, 1);
}

TEST_F(Misuse, ClosingTheWindowWithABoxOpenEndsTheProgram)
{
    letsPlay();
    place(2);
    bool handlerReturned = false;
    bool boxWasOpen = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            boxWasOpen = openBox() != nullptr;
            form->close();
        });
        form->MenuAbout->trigger(); // the About box, in the middle of a game
        handlerReturned = true;
    });
    EXPECT_EQ(runUntilQuit(), 0);
    EXPECT_TRUE(boxWasOpen);
    EXPECT_TRUE(handlerReturned);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(openBox(), nullptr);
}

TEST_F(Misuse, ClosingTheWindowWhileTheVerdictIsShownEndsTheProgram)
{
    letsPlay();
    for (int card = 0; card <= 3; ++card) {
        turn({card});
        turn({4 - card});
    }
    place(4);
    endTurn();
    place(0);
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            ASSERT_NE(openBox(), nullptr);
            EXPECT_EQ(openBox()->text(), form->game.Verdict);
            form->close();
        });
        endTurn(); // the last card: the verdict box opens
    });
    EXPECT_EQ(runUntilQuit(), 0);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->game.GameOver, rt::True);
    EXPECT_EQ(form->game.CardPlayed, rt::False); // the click ran to its end
}
