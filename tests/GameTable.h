#pragma once

#include "window/MainForm.h"

#include <QStringList>

class QMessageBox;

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// A shown window and a player's mouse. Clicks are sent to the window at a point, so the
// window decides which control takes them, as it does for a person. Message boxes are
// captured instead of shown; one that the test never took fails it.
class GameTable : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Throws the window away and builds a new one, as a new test would get it. Loops over
    // cases call it through ASSERT_NO_FATAL_FAILURE.
    void freshTable();

    // The centre of a control's box on the table, whether or not it is shown.
    QPoint centreOf(const QWidget *control) const;
    void clickAt(QPoint tablePoint);
    void click(const QWidget *control) { clickAt(centreOf(control)); }

    void letsPlay() { click(form->LetsPlay); }
    void place(int card) { click(form->PCard(card)); }
    void endTurn() { click(form->EndButton); }
    // Places the cards in order, then ends the turn.
    void turn(std::initializer_list<int> cards);
    // From a fresh table: Hearts and Spades alternate one card a turn, Hearts first.
    void playGame(const std::array<int, 5> &hearts, const std::array<int, 5> &spades);

    QString takeMessage();

    // Runs the program's event loop until it ends, with a guard against hanging: 99 means
    // the program never quit.
    static int runUntilQuit();

    std::unique_ptr<MainForm> form;
    QStringList messages;

private:
    void expectNoMessageLeft();
};

// Everything a player could see or the rules could read, for before/after comparisons:
// the whole game state and every control on the table.
struct TableState {
    GameState game;
    QStringList controls;

    bool operator==(const TableState &) const = default;
};

TableState tableState(const MainForm &form);

void PrintTo(const GameState &game, std::ostream *out);
void PrintTo(const TableState &state, std::ostream *out);

// The message box that is open now, if any.
QMessageBox *openBox();

bool showsPicture(const rt::Image *image, const rt::Image *store);

// How many pixels differ in colour; images of different sizes differ everywhere.
int differingPixels(const QImage &a, const QImage &b);
