#pragma once

#include "runtime/FixedArray.h"
#include "runtime/Int16.h"
#include "runtime/SlotValue.h"

#include <QString>

// The whole game, owned by the window for its whole life. Hearts is player one ("POne"),
// Spades player two ("PTwo").
struct GameState {
    rt::Int16 POneCount;                    // cards Hearts has placed this game
    rt::Int16 PTwoCount;                    // cards Spades has placed this game
    rt::Int16 PairCount;                    // complete slot pairs as of the last battle
    QString Turn;                           // "POne" while Hearts moves; anything else means Spades
    rt::FixedArray<rt::Boolean> POneHand;   // by card number: True while Hearts holds it
    rt::FixedArray<rt::Boolean> PTwoHand;   // the same for Spades
    rt::FixedArray<rt::SlotValue> POneSlot; // by slot: the card Hearts placed there
    rt::FixedArray<rt::SlotValue> PTwoSlot; // the same for Spades
    rt::Boolean CardPlayed = rt::False;     // the player to move has placed a card this turn
    rt::Int16 BattlesDone;                  // slot pairs already battled this game
    rt::Boolean GameOver = rt::False;       // the button reads "Play Again"
    rt::Int16 HeartsPoints;                 // battle points this game
    rt::Int16 SpadesPoints;
    rt::Int16 HeartsWins; // games won since the program started
    rt::Int16 SpadesWins;
    QString Verdict; // the verdict of the last finished game

    bool operator==(const GameState &) const = default;
};
