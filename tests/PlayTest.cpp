#include "GameTable.h"

#include <QTest>

class Play : public GameTable
{
};

TEST_F(Play, PlacedCardsFillTheSlotsInClickOrder)
{
    letsPlay();
    place(4);
    place(0);
    place(2);
    const GameState &g = form->game;
    EXPECT_EQ(g.POneCount, 3);
    EXPECT_EQ(g.CardPlayed, rt::True);
    const int expected[] = {4, 0, 2};
    for (int j = 0; j < 3; ++j) {
        EXPECT_FALSE(g.POneSlot(j).isEmpty()) << j;
        EXPECT_EQ(g.POneSlot(j).value(), expected[j]) << j;
        EXPECT_FALSE(form->OneCard(j)->isHidden()) << j;
        EXPECT_TRUE(showsPicture(form->OneCard(j), form->RedCard)) << j;
        EXPECT_EQ(form->OneCard(j)->size(), QSize(35, 48)) << j;
    }
    for (int j = 3; j <= 4; ++j) {
        EXPECT_TRUE(g.POneSlot(j).isEmpty()) << j;
        EXPECT_TRUE(form->OneCard(j)->isHidden()) << j;
    }
    for (int card = 0; card <= 4; ++card) {
        const bool placed = card == 4 || card == 0 || card == 2;
        EXPECT_EQ(g.POneHand(card), placed ? rt::False : rt::True) << card;
        EXPECT_EQ(form->PCard(card)->isHidden(), placed) << card;
    }
    EXPECT_EQ(g.PairCount, 0);
    EXPECT_EQ(g.BattlesDone, 0);
    EXPECT_EQ(g.PTwoCount, 0);
    EXPECT_TRUE(form->TwoCard(0)->isHidden());
}

TEST_F(Play, SpadesPlacesIntoItsOwnSlotsAndLeavesHeartsAlone)
{
    letsPlay();
    turn({3, 1, 4});
    const GameState before = form->game;
    place(1);
    EXPECT_EQ(form->game.PTwoCount, 1);
    EXPECT_EQ(form->game.PTwoSlot(0).value(), 1);
    EXPECT_EQ(form->game.PTwoHand(1), rt::False);
    EXPECT_FALSE(form->TwoCard(0)->isHidden());
    EXPECT_TRUE(showsPicture(form->TwoCard(0), form->BlueCard));
    EXPECT_EQ(form->game.POneCount, before.POneCount);
    EXPECT_EQ(form->game.POneHand, before.POneHand);
    EXPECT_EQ(form->game.POneSlot, before.POneSlot);
}

TEST_F(Play, ClicksOnHiddenOrCoveredCardsPlaceNothing)
{
    // Before Let's Play the welcome panel lies over the hand.
    TableState before = tableState(*form);
    for (int card = 0; card <= 4; ++card)
        place(card);
    EXPECT_EQ(tableState(*form), before);

    letsPlay();
    place(2);
    before = tableState(*form);
    place(2); // its image is hidden now: the click lands on the felt
    EXPECT_EQ(tableState(*form), before);
}

TEST_F(Play, DoubleClickPlacesOneCard)
{
    letsPlay();
    const QPoint at = form->centralWidget()->mapTo(form.get(), centreOf(form->PCard(1)));
    QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(form->game.POneCount, 1);
}

struct MustPlayCase {
    const char *name;
    std::vector<std::vector<int>> turnsBefore; // completed turns, alternating from Hearts
    std::vector<int> placedNow;                // placed in the current turn
    bool accepted;
};

TEST_F(Play, MustPlayRule)
{
    const MustPlayCase cases[] = {
        {"Hearts opens without a card", {}, {}, false},
        {"Spades behind without a card", {{0, 1}}, {}, false},
        {"Spades level without a card", {{0}}, {}, false},
        {"Hearts ahead without a card", {{0, 1, 2}, {0}}, {}, true},
        {"level after placing a card", {{0}}, {3}, true},
        {"behind after placing a card", {{0, 1, 2}}, {3}, true},
        {"Spades with five placed", {{0}, {0, 1, 2, 3, 4}, {1}}, {}, true},
    };
    for (const MustPlayCase &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NO_FATAL_FAILURE(freshTable());
        letsPlay();
        for (const auto &cards : c.turnsBefore) {
            for (int card : cards)
                place(card);
            endTurn();
        }
        ASSERT_TRUE(messages.isEmpty());
        for (int card : c.placedNow)
            place(card);
        const QString turnBefore = form->game.Turn;
        const TableState before = tableState(*form);
        endTurn();
        if (c.accepted) {
            EXPECT_TRUE(messages.isEmpty());
            EXPECT_NE(form->game.Turn, turnBefore);
            EXPECT_EQ(form->game.CardPlayed, rt::False);
        } else {
            EXPECT_EQ(takeMessage(), QStringLiteral("You must play a card."));
            EXPECT_EQ(tableState(*form), before);
        }
    }
}

TEST_F(Play, HandOverShowsTheNextPlayersFacesHiddenWherePlaced)
{
    letsPlay();
    turn({0, 3});
    EXPECT_EQ(form->game.Turn, QStringLiteral("PTwo"));
    for (int i = 0; i <= 4; ++i) {
        EXPECT_TRUE(showsPicture(form->PCard(i), form->SPic(i))) << i;
        EXPECT_FALSE(form->PCard(i)->isHidden()) << i;
    }
    turn({1});
    EXPECT_EQ(form->game.Turn, QStringLiteral("POne"));
    for (int i = 0; i <= 4; ++i) {
        EXPECT_TRUE(showsPicture(form->PCard(i), form->HPic(i))) << i;
        EXPECT_EQ(form->PCard(i)->isHidden(), i == 0 || i == 3) << i;
    }
    turn({});
    for (int i = 0; i <= 4; ++i) {
        EXPECT_TRUE(showsPicture(form->PCard(i), form->SPic(i))) << i;
        EXPECT_EQ(form->PCard(i)->isHidden(), i == 1) << i;
    }
}
