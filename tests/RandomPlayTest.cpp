#include "GameTable.h"

#include <QApplication>
#include <QFile>

#include <random>

#include <unistd.h>

namespace
{

// What the test itself remembers of the game, to hold the window to.
struct Model {
    std::vector<int> placed[2]; // cards in the order each player placed them
    bool cardPlayedThisTurn = false;
    bool justEndedTurn = false;
    int gamesFinished = 0;
};

void checkInvariants(const MainForm &form, const Model &model)
{
    const GameState &g = form.game;
    const bool heartsToMove = g.Turn == QLatin1String("POne");
    ASSERT_TRUE(heartsToMove || g.Turn == QLatin1String("PTwo"));
    const rt::Int16 counts[2] = {g.POneCount, g.PTwoCount};
    const rt::FixedArray<rt::Boolean> *hands[2] = {&g.POneHand, &g.PTwoHand};
    const rt::FixedArray<rt::SlotValue> *slotCards[2] = {&g.POneSlot, &g.PTwoSlot};
    const rt::ControlArray<rt::Image> *slotImages[2] = {&form.OneCard, &form.TwoCard};
    for (int p = 0; p < 2; ++p) {
        SCOPED_TRACE(p == 0 ? "Hearts" : "Spades");
        int placed = 0;
        for (int i = 0; i <= 4; ++i)
            placed += (*hands[p])(i) == rt::False;
        ASSERT_EQ(counts[p], placed);
        ASSERT_EQ(std::size_t(placed), model.placed[p].size());
        for (int j = 0; j < placed; ++j) {
            ASSERT_EQ((*slotCards[p])(j).value(), model.placed[p][std::size_t(j)]) << j;
            ASSERT_EQ((*hands[p])(model.placed[p][std::size_t(j)]), rt::False) << j;
        }
        for (int j = 0; j <= 4; ++j)
            ASSERT_EQ((*slotImages[p])(j)->isHidden(), j >= placed) << j;
    }
    const int smaller = std::min<int>(g.POneCount, g.PTwoCount);
    ASSERT_EQ(g.BattlesDone, g.PairCount);
    ASSERT_LE(g.PairCount, smaller);
    if (model.justEndedTurn) {
        ASSERT_EQ(g.PairCount, smaller);
    }
    if (g.GameOver == rt::True) {
        ASSERT_EQ(g.POneCount, 5);
        ASSERT_EQ(g.PTwoCount, 5);
    }
    ASSERT_EQ(g.CardPlayed, model.cardPlayedThisTurn ? rt::True : rt::False);
    ASSERT_TRUE(g.HeartsPoints >= 0 && g.HeartsPoints <= 5);
    ASSERT_TRUE(g.SpadesPoints >= 0 && g.SpadesPoints <= 5);
    ASSERT_EQ(g.HeartsWins + g.SpadesWins <= model.gamesFinished, true);
    const rt::FixedArray<rt::Boolean> &moverHand = heartsToMove ? g.POneHand : g.PTwoHand;
    for (int i = 0; i <= 4; ++i) {
        const bool held = moverHand(i) == rt::True && g.GameOver == rt::False;
        ASSERT_EQ(!form.PCard(i)->isHidden(), held) << i;
        if (held) {
            ASSERT_TRUE(showsPicture(form.PCard(i), heartsToMove ? form.HPic(i) : form.SPic(i)));
        }
    }
    // The battled pairs show their faces and the rule's result.
    int hearts = 0;
    int spades = 0;
    for (int j = 0; j < g.BattlesDone; ++j) {
        const int h = g.POneSlot(j).value();
        const int s = g.PTwoSlot(j).value();
        const bool heartsWin = (h > s && !(h == 4 && s == 0)) || (h == 0 && s == 4);
        const bool spadesWin = h != s && !heartsWin;
        hearts += heartsWin;
        spades += spadesWin;
        const char *caption = heartsWin ? "Hearts" : spadesWin ? "Spades" : "Tie";
        ASSERT_EQ(form.BLabel(j)->caption(), QLatin1String(caption)) << j;
        ASSERT_TRUE(showsPicture(form.OneCard(j), form.HPic(h))) << j;
        ASSERT_TRUE(showsPicture(form.TwoCard(j), form.SPic(s))) << j;
    }
    ASSERT_EQ(g.HeartsPoints, hearts);
    ASSERT_EQ(g.SpadesPoints, spades);
}

// The sanitizers hold freed memory back on purpose, so only a plain build on Linux can
// tell growth from the resident size.
#if defined(Q_OS_LINUX) && !defined(__SANITIZE_ADDRESS__)
constexpr bool residentMemoryIsMeasurable = true;
#else
constexpr bool residentMemoryIsMeasurable = false;
#endif

long residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * sysconf(_SC_PAGESIZE) : -1;
}

qsizetype qtObjects(const MainForm &form)
{
    return form.findChildren<QObject *>().size() + QApplication::allWidgets().size();
}

} // namespace

class RandomPlay : public GameTable
{
};

// Random clicks on held cards, hidden cards, End Turn and Play Again, across thousands of
// games: every invariant holds after every event, and nothing grows from game to game.
TEST_F(RandomPlay, AHundredThousandLegalEventsKeepEveryInvariantAndGrowNothing)
{
    const unsigned seed = 20261208;
    std::mt19937 random(seed);
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    Model model;
    letsPlay();
    checkInvariants(*form, model);
    int wins[2] = {0, 0};
    int events = 0;
    const int warmUpGames = 50;
    long residentAfterWarmUp = 0;
    qsizetype objectsAfterWarmUp = 0;
    while (events < 100000 || form->game.GameOver == rt::False) {
        const GameState &g = form->game;
        const int mover = g.Turn == QLatin1String("POne") ? 0 : 1;
        std::vector<int> held;
        for (int i = 0; i <= 4; ++i)
            if (!form->PCard(i)->isHidden())
                held.push_back(i);
        const int roll = int(random() % 10);
        model.justEndedTurn = false;
        if (g.GameOver == rt::True) {
            endTurn(); // Play Again
            model = Model{{}, false, false, model.gamesFinished};
            if (model.gamesFinished == warmUpGames) {
                residentAfterWarmUp = residentBytes();
                objectsAfterWarmUp = qtObjects(*form);
            } else if (model.gamesFinished > warmUpGames) {
                ASSERT_EQ(qtObjects(*form), objectsAfterWarmUp);
            }
        } else if (!held.empty() && roll < 6) {
            const int card = held[random() % held.size()];
            place(card);
            model.placed[mover].push_back(card);
            model.cardPlayedThisTurn = true;
        } else if (roll == 6) {
            place(int(random() % 5)); // a hidden card takes no click; a held one is placed
            const int count = mover == 0 ? g.POneCount : g.PTwoCount;
            if (std::size_t(count) > model.placed[mover].size()) {
                model.placed[mover].push_back(g.Turn == QLatin1String("POne")
                                                  ? g.POneSlot(count - 1).value()
                                                  : g.PTwoSlot(count - 1).value());
                model.cardPlayedThisTurn = true;
            }
        } else {
            const int mine = int(model.placed[mover].size());
            const int theirs = int(model.placed[1 - mover].size());
            const bool accepted = mine > theirs || model.cardPlayedThisTurn;
            const QString before = snapshot(*form);
            endTurn();
            if (accepted) {
                ASSERT_NE(form->game.Turn,
                          mover == 0 ? QStringLiteral("POne") : QStringLiteral("PTwo"));
                model.cardPlayedThisTurn = false;
                model.justEndedTurn = true;
                if (form->game.GameOver == rt::True) {
                    ++model.gamesFinished;
                    const QString verdict = takeMessage();
                    ASSERT_EQ(verdict, form->game.Verdict);
                    wins[0] += verdict == QLatin1String("Hearts Win!");
                    wins[1] += verdict == QLatin1String("Spades Win!");
                }
            } else {
                ASSERT_EQ(takeMessage(), QStringLiteral("You must play a card."));
                ASSERT_EQ(snapshot(*form), before);
            }
        }
        ASSERT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('|')).toStdString();
        ++events;
        checkInvariants(*form, model);
        if (HasFatalFailure())
            return;
    }
    EXPECT_EQ(form->game.HeartsWins, wins[0]);
    EXPECT_EQ(form->game.SpadesWins, wins[1]);
    EXPECT_EQ(form->ScoreOne->caption(), QString::number(wins[0]));
    EXPECT_EQ(form->ScoreTwo->caption(), QString::number(wins[1]));
    EXPECT_GT(wins[0], 0);
    EXPECT_GT(wins[1], 0);
    EXPECT_GT(model.gamesFinished, 3000);
    if (residentMemoryIsMeasurable) {
        ASSERT_GT(residentAfterWarmUp, 0);
        EXPECT_LT(residentBytes() - residentAfterWarmUp, 1024 * 1024)
            << "resident memory grew from " << residentAfterWarmUp << " bytes";
    }
}
