#include "GameTable.h"

struct PairOutcome {
    int hearts;
    int spades;
    const char *caption;
    int heartsPoints;
    int spadesPoints;
};

// Every pair of cards: the higher card wins, equal cards tie, the Two (0) beats the Ace (4).
const PairOutcome outcomes[] = {
    {0, 0, "Tie", 0, 0},    {0, 1, "Spades", 0, 1}, {0, 2, "Spades", 0, 1}, {0, 3, "Spades", 0, 1},
    {0, 4, "Hearts", 1, 0}, {1, 0, "Hearts", 1, 0}, {1, 1, "Tie", 0, 0},    {1, 2, "Spades", 0, 1},
    {1, 3, "Spades", 0, 1}, {1, 4, "Spades", 0, 1}, {2, 0, "Hearts", 1, 0}, {2, 1, "Hearts", 1, 0},
    {2, 2, "Tie", 0, 0},    {2, 3, "Spades", 0, 1}, {2, 4, "Spades", 0, 1}, {3, 0, "Hearts", 1, 0},
    {3, 1, "Hearts", 1, 0}, {3, 2, "Hearts", 1, 0}, {3, 3, "Tie", 0, 0},    {3, 4, "Spades", 0, 1},
    {4, 0, "Spades", 0, 1}, {4, 1, "Hearts", 1, 0}, {4, 2, "Hearts", 1, 0}, {4, 3, "Hearts", 1, 0},
    {4, 4, "Tie", 0, 0},
};

class Battle : public GameTable
{
};

TEST_F(Battle, EveryPairOfCardsHasItsCaptionAndPoints)
{
    for (const PairOutcome &o : outcomes) {
        SCOPED_TRACE(testing::Message() << "Hearts " << o.hearts << " against Spades " << o.spades);
        ASSERT_NO_FATAL_FAILURE(freshTable());
        letsPlay();
        turn({o.hearts});
        turn({o.spades});
        EXPECT_EQ(form->BLabel(0)->caption(), QLatin1String(o.caption));
        EXPECT_FALSE(form->BLabel(0)->isHidden());
        EXPECT_EQ(form->game.HeartsPoints, o.heartsPoints);
        EXPECT_EQ(form->game.SpadesPoints, o.spadesPoints);
        EXPECT_TRUE(showsPicture(form->OneCard(0), form->HPic(o.hearts)));
        EXPECT_TRUE(showsPicture(form->TwoCard(0), form->SPic(o.spades)));
        EXPECT_EQ(form->game.PairCount, 1);
        EXPECT_EQ(form->game.BattlesDone, 1);
    }
}

TEST_F(Battle, ResolvesEveryCompletedPairOnceAndLeavesSingleSlotsFaceDown)
{
    letsPlay();
    turn({4, 0, 2}); // Hearts fills slots 0 to 2
    EXPECT_EQ(form->game.PairCount, 0);
    EXPECT_TRUE(form->BLabel(0)->isHidden());
    EXPECT_TRUE(showsPicture(form->OneCard(0), form->RedCard));

    turn({1}); // Spades fills slot 0: only that pair is complete
    EXPECT_EQ(form->game.BattlesDone, 1);
    EXPECT_EQ(form->BLabel(0)->caption(), QStringLiteral("Hearts"));
    for (int j : {1, 2}) {
        EXPECT_TRUE(form->BLabel(j)->isHidden()) << j;
        EXPECT_TRUE(showsPicture(form->OneCard(j), form->RedCard)) << j;
        EXPECT_TRUE(form->OneCard(j)->stretch()) << j;
    }

    turn({}); // Hearts is ahead and may pass; nothing new to battle
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(form->game.BattlesDone, 1);

    turn({0, 4}); // Spades completes slots 1 and 2 in one turn
    EXPECT_EQ(form->game.PairCount, 3);
    EXPECT_EQ(form->game.BattlesDone, 3);
    EXPECT_EQ(form->BLabel(1)->caption(), QStringLiteral("Tie"));
    EXPECT_EQ(form->BLabel(2)->caption(), QStringLiteral("Spades"));
    EXPECT_TRUE(showsPicture(form->OneCard(2), form->HPic(2)));
    EXPECT_TRUE(showsPicture(form->TwoCard(2), form->SPic(4)));
    EXPECT_EQ(form->game.HeartsPoints, 1);
    EXPECT_EQ(form->game.SpadesPoints, 1);

    // Once battled, a pair is never scored again.
    const TableState before = tableState(*form);
    form->Battle();
    EXPECT_EQ(tableState(*form), before);
}

TEST_F(Battle, AFaceShownInAStretchingSlotIsNotScaled)
{
    letsPlay();
    turn({2});
    turn({3});
    ASSERT_TRUE(form->OneCard(0)->stretch());
    EXPECT_EQ(form->OneCard(0)->size(), QSize(35, 48));
    EXPECT_EQ(differingPixels(form->OneCard(0)->grab().toImage(),
                              form->HPic(2)->picture().pixmap().toImage()),
              0);
}
