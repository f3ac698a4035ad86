#include "GameTable.h"

#include "runtime/Dispatcher.h"

using Cards = std::array<int, 5>;

class Game : public GameTable
{
protected:
    // Hearts places one card, Spades all five, then Hearts the other four: the game ends
    // on Hearts' End Turn.
    void playGameEndingOnHearts(const Cards &hearts, const Cards &spades)
    {
        turn({hearts[0]});
        turn({spades[0], spades[1], spades[2], spades[3], spades[4]});
        turn({hearts[1], hearts[2], hearts[3], hearts[4]});
    }

    void expectOver(const QString &verdict)
    {
        EXPECT_EQ(form->game.GameOver, rt::True);
        EXPECT_EQ(form->EndButton->text(), QStringLiteral("Play Again"));
        EXPECT_EQ(form->game.Verdict, verdict);
        EXPECT_EQ(takeMessage(), verdict);
        EXPECT_TRUE(messages.isEmpty());
        EXPECT_EQ(form->game.PairCount, 5);
        EXPECT_EQ(form->game.BattlesDone, 5);
        for (int i = 0; i <= 4; ++i) {
            EXPECT_TRUE(form->PCard(i)->isHidden()) << i;
            EXPECT_FALSE(form->BLabel(i)->isHidden()) << i;
        }
    }
};

namespace
{

// A game nobody has placed a card in: Hearts to move, both hands full, every count 0. The
// slots are Empty before the first game and hold 0 after Play Again.
GameState freshGame(const rt::SlotValue &unusedSlot)
{
    GameState g;
    g.Turn = QStringLiteral("POne");
    for (int i = 0; i <= 4; ++i) {
        g.POneHand(i) = rt::True;
        g.PTwoHand(i) = rt::True;
        g.POneSlot(i) = unusedSlot;
        g.PTwoSlot(i) = unusedSlot;
    }
    return g;
}

} // namespace

TEST_F(Game, StartsWithHeartsToMoveAndNothingPlaced)
{
    EXPECT_EQ(form->game, freshGame(rt::SlotValue()));
    for (int i = 0; i <= 4; ++i)
        EXPECT_TRUE(showsPicture(form->PCard(i), form->HPic(i)));
}

struct WholeGame {
    Cards hearts;
    Cards spades;
    bool endsOnHearts;
    const char *verdict;
    int heartsPoints;
    int spadesPoints;
    const char *scoreOne;
    const char *scoreTwo;
};

TEST_F(Game, EndsWithAVerdictOnEitherPlayersEndTurn)
{
    const WholeGame games[] = {
        {{3, 4, 2, 1, 0}, {0, 1, 2, 3, 4}, false, "Hearts Win!", 3, 1, "1", "0"},
        {{0, 1, 2, 3, 4}, {3, 4, 2, 1, 0}, false, "Spades Win!", 1, 3, "0", "1"},
        {{4, 3, 2, 1, 0}, {0, 1, 2, 3, 4}, false, "It's a tie.", 2, 2, "0", "0"},
        {{2, 0, 4, 1, 3}, {2, 0, 4, 1, 3}, false, "It's a tie.", 0, 0, "0", "0"},
        {{3, 4, 2, 1, 0}, {0, 1, 2, 3, 4}, true, "Hearts Win!", 3, 1, "1", "0"},
        {{0, 1, 2, 3, 4}, {3, 4, 2, 1, 0}, true, "Spades Win!", 1, 3, "0", "1"},
        {{4, 3, 2, 1, 0}, {0, 1, 2, 3, 4}, true, "It's a tie.", 2, 2, "0", "0"},
    };
    for (const WholeGame &w : games) {
        SCOPED_TRACE(testing::Message() << w.verdict << (w.endsOnHearts ? " on Hearts' turn" : ""));
        ASSERT_NO_FATAL_FAILURE(freshTable());
        letsPlay();
        if (w.endsOnHearts)
            playGameEndingOnHearts(w.hearts, w.spades);
        else
            playGame(w.hearts, w.spades);
        expectOver(QString::fromUtf8(w.verdict));
        EXPECT_EQ(form->game.HeartsPoints, w.heartsPoints);
        EXPECT_EQ(form->game.SpadesPoints, w.spadesPoints);
        EXPECT_EQ(form->ScoreOne->caption(), QLatin1String(w.scoreOne));
        EXPECT_EQ(form->ScoreTwo->caption(), QLatin1String(w.scoreTwo));
        EXPECT_EQ(form->game.Turn, QLatin1String(w.endsOnHearts ? "PTwo" : "POne"));
        for (int i = 0; i <= 4; ++i) {
            const rt::Image *store = w.endsOnHearts ? form->SPic(i) : form->HPic(i);
            EXPECT_TRUE(showsPicture(form->PCard(i), store)) << i;
        }
    }
}

TEST_F(Game, PlayAgainStartsAFreshGameAndKeepsTheScoreboard)
{
    letsPlay();
    playGameEndingOnHearts({3, 4, 2, 1, 0}, {0, 1, 2, 3, 4});
    expectOver(QStringLiteral("Hearts Win!"));

    endTurn(); // Play Again
    EXPECT_TRUE(messages.isEmpty());
    GameState fresh = freshGame(rt::Int16(0));
    fresh.HeartsWins = 1; // the scoreboard and the last verdict stay
    fresh.Verdict = QStringLiteral("Hearts Win!");
    EXPECT_EQ(form->game, fresh);
    const GameState &g = form->game;
    for (int i = 0; i <= 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(form->OneCard(i)->isHidden());
        EXPECT_TRUE(form->TwoCard(i)->isHidden());
        EXPECT_TRUE(form->BLabel(i)->isHidden());
        EXPECT_TRUE(showsPicture(form->OneCard(i), form->RedCard));
        EXPECT_TRUE(showsPicture(form->TwoCard(i), form->BlueCard));
        EXPECT_TRUE(form->OneCard(i)->stretch());
        EXPECT_FALSE(form->PCard(i)->isHidden());
        EXPECT_TRUE(showsPicture(form->PCard(i), form->HPic(i)));
    }
    EXPECT_EQ(form->EndButton->text(), QStringLiteral("End Turn"));
    EXPECT_EQ(form->ScoreOne->caption(), QStringLiteral("1"));

    // The second verdict counts only the second game's points.
    playGame({0, 1, 2, 3, 4}, {3, 4, 2, 1, 0});
    expectOver(QStringLiteral("Spades Win!"));
    EXPECT_EQ(g.HeartsPoints, 1);
    EXPECT_EQ(g.SpadesPoints, 3);
    EXPECT_EQ(form->ScoreOne->caption(), QStringLiteral("1"));
    EXPECT_EQ(form->ScoreTwo->caption(), QStringLiteral("1"));
    endTurn();
    playGame({4, 3, 2, 1, 0}, {0, 1, 2, 3, 4});
    expectOver(QStringLiteral("It's a tie."));
    EXPECT_EQ(form->ScoreOne->caption(), QStringLiteral("1"));
    EXPECT_EQ(form->ScoreTwo->caption(), QStringLiteral("1"));
}

TEST_F(Game, ACardNumberOutsideTheHandIsReportedAndChangesNothing)
{
    letsPlay();
    place(1);
    for (int card : {-1, 5, 7, 32767}) {
        SCOPED_TRACE(card);
        const TableState before = tableState(*form);
        rt::dispatch(form.get(), [&] { form->PCard_Click(card); });
        EXPECT_EQ(takeMessage(),
                  rt::errorReport(rt::RuntimeError(9, QStringLiteral("Subscript out of range"))));
        EXPECT_EQ(tableState(*form), before);
    }
}

TEST_F(Game, ASixthPlacementFailsAtTheMissingSlotAndKeepsTheCount)
{
    letsPlay();
    turn({0, 1, 2, 3, 4});
    turn({0});
    turn({}); // Hearts, five ahead, passes; Spades to move
    turn({1});
    ASSERT_EQ(form->game.Turn, QStringLiteral("POne"));
    rt::dispatch(form.get(), [&] { form->POnePlay(2); });
    EXPECT_TRUE(takeMessage().startsWith(QStringLiteral("Error 340:")));
    EXPECT_EQ(form->game.POneCount, 5);
    EXPECT_EQ(form->game.POneSlot(4).value(), 4);
}

// The win past the 16-bit limit, on either side: the verdict is set but never shown, the
// count and the scoreboard stay, and the next game can be played.
TEST_F(Game, TheWinPastTheLimitIsReportedAndPlayGoesOn)
{
    struct Side {
        const char *name;
        rt::Int16 GameState::*wins;
        Cards hearts;
        Cards spades;
        const char *verdict;
        int heartsPoints;
        int spadesPoints;
    };
    const Side sides[] = {
        {"Hearts", &GameState::HeartsWins, {3, 4, 2, 1, 0}, {0, 1, 2, 3, 4}, "Hearts Win!", 3, 1},
        {"Spades", &GameState::SpadesWins, {0, 1, 2, 3, 4}, {3, 4, 2, 1, 0}, "Spades Win!", 1, 3},
    };
    for (const Side &side : sides) {
        SCOPED_TRACE(side.name);
        ASSERT_NO_FATAL_FAILURE(freshTable());
        form->game.*side.wins = 32767;
        letsPlay();
        playGame(side.hearts, side.spades);
        const QString report = takeMessage();
        EXPECT_TRUE(report.startsWith(QStringLiteral("Error 6: Overflow"))) << report.toStdString();
        EXPECT_TRUE(messages.isEmpty()); // the verdict box never opened
        EXPECT_EQ(form->game.*side.wins, 32767);
        EXPECT_EQ(form->game.HeartsWins + form->game.SpadesWins, 32767);
        EXPECT_EQ(form->game.Verdict, QString::fromUtf8(side.verdict));
        EXPECT_EQ(form->game.GameOver, rt::True);
        EXPECT_EQ(form->EndButton->text(), QStringLiteral("Play Again"));
        EXPECT_EQ(form->game.HeartsPoints, side.heartsPoints);
        EXPECT_EQ(form->game.SpadesPoints, side.spadesPoints);
        EXPECT_EQ(form->ScoreOne->caption(), QStringLiteral("0"));
        EXPECT_EQ(form->ScoreTwo->caption(), QStringLiteral("0"));

        endTurn();
        EXPECT_EQ(form->game.GameOver, rt::False);
        EXPECT_EQ(form->game.Turn, QStringLiteral("POne"));
        EXPECT_EQ(form->game.CardPlayed, rt::False);
        EXPECT_EQ(form->game.Verdict, QString::fromUtf8(side.verdict));
        place(0);
        EXPECT_EQ(form->game.POneCount, 1);
    }
}
