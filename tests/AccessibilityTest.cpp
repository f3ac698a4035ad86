#include "GameTable.h"

#include <QAccessible>

namespace
{

QString spokenName(QWidget *control)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

// Every control a screen reader can reach while it is shown, with its name.
void collectShown(QAccessibleInterface *node, QStringList &unnamed, int &named)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface *child = node->child(i);
        if (!child || child->state().invisible)
            continue;
        const QAccessible::Role role = child->role();
        if (role == QAccessible::Button || role == QAccessible::Graphic ||
            role == QAccessible::StaticText) {
            if (child->text(QAccessible::Name).trimmed().isEmpty())
                unnamed.append(child->object() ? child->object()->objectName() : QString());
            else
                ++named;
        }
        collectShown(child, unnamed, named);
    }
}

} // namespace

class Accessibility : public GameTable
{
protected:
    void expectHand(const char *suit)
    {
        const char *ranks[] = {"Two", "Jack", "Queen", "King", "Ace"};
        for (int i = 0; i <= 4; ++i)
            EXPECT_EQ(spokenName(form->PCard(i)),
                      QStringLiteral("%1 of %2").arg(QLatin1String(ranks[i]), QLatin1String(suit)));
    }
};

TEST_F(Accessibility, NamesFollowTheGame)
{
    letsPlay();
    expectHand("Hearts");
    EXPECT_EQ(spokenName(form->EndButton), QStringLiteral("End Turn"));
    EXPECT_EQ(spokenName(form->ScoreOne), QStringLiteral("Hearts, games won: 0"));

    place(3);
    EXPECT_EQ(spokenName(form->OneCard(0)), QStringLiteral("Hearts slot 1, face down"));
    endTurn();
    expectHand("Spades");
    place(1);
    place(4);
    EXPECT_EQ(spokenName(form->TwoCard(1)), QStringLiteral("Spades slot 2, face down"));
    endTurn();
    EXPECT_EQ(spokenName(form->OneCard(0)), QStringLiteral("Hearts slot 1, King of Hearts"));
    EXPECT_EQ(spokenName(form->TwoCard(0)), QStringLiteral("Spades slot 1, Jack of Spades"));
    EXPECT_EQ(spokenName(form->BLabel(0)), QStringLiteral("Pair 1: Hearts"));
    EXPECT_EQ(spokenName(form->TwoCard(1)), QStringLiteral("Spades slot 2, face down"));

    // Finish the game: each player places the lowest card still held.
    for (int turns = 0; turns < 10 && form->game.GameOver == rt::False; ++turns)
        for (int i = 0; i <= 4; ++i)
            if (!form->PCard(i)->isHidden()) {
                place(i);
                endTurn();
                break;
            }
    ASSERT_EQ(form->game.GameOver, rt::True);
    EXPECT_EQ(spokenName(form->EndButton), QStringLiteral("Play Again"));
    EXPECT_EQ(takeMessage(), form->game.Verdict);
    EXPECT_EQ(spokenName(form->ScoreOne),
              QStringLiteral("Hearts, games won: %1").arg(int(form->game.HeartsWins)));
    EXPECT_EQ(spokenName(form->ScoreTwo),
              QStringLiteral("Spades, games won: %1").arg(int(form->game.SpadesWins)));
    EXPECT_EQ(spokenName(form->BLabel(4)),
              QStringLiteral("Pair 5: %1").arg(form->BLabel(4)->text()));
    endTurn();
    EXPECT_EQ(spokenName(form->OneCard(0)), QStringLiteral("Hearts slot 1, face down"));
    expectHand("Hearts");
}

TEST_F(Accessibility, EveryShownControlHasAName)
{
    for (int stage = 0; stage < 3; ++stage) {
        SCOPED_TRACE(stage);
        if (stage == 1)
            letsPlay();
        if (stage == 2) {
            turn({2, 0});
            turn({4});
        }
        QStringList unnamed;
        int named = 0;
        collectShown(QAccessible::queryAccessibleInterface(form.get()), unnamed, named);
        EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QLatin1Char(' ')).toStdString();
        EXPECT_GT(named, stage == 0 ? 2 : 8);
    }
}
