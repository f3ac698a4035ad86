#pragma once

#include "engine/GameState.h"
#include "runtime/CommandButton.h"
#include "runtime/ControlArray.h"
#include "runtime/Image.h"
#include "runtime/Label.h"

#include <QHash>
#include <QMainWindow>

class Binding;
class QAction;
class QKeyEvent;
class QFrame;
class QMenu;

// The game's only window. It owns the controls, under their established names, and the
// game state. Its definitions are grouped by what they do: the rules of play in engine/,
// start-up, the welcome panel, the menus and the face-down slots here in window/.
class MainForm : public QMainWindow
{
    Q_OBJECT

public:
    // Builds the window from its description and runs Form_Load; the caller shows it.
    explicit MainForm(QWidget *parent = nullptr);

    // Event handlers. Each is connected through the dispatcher.
    void Form_Load();
    void LetsPlay_Click();
    void Rules_Click();
    void MenuAbout_Click();
    void MenuExit_Click();
    void PCard_Click(int Index);
    void EndButton_Click();

    // Procedures the handlers call.
    void POnePlay(int cnum);
    void PTwoPlay(int cnum);
    void Battle();
    void MakeRed(int cnum);
    void MakeBlue(int cnum);

    // The game state and the controls are open to the test suites; only the handlers and
    // procedures above change them.
    GameState game;

    rt::CommandButton *EndButton = nullptr;
    QFrame *ScoreFrame = nullptr;
    rt::Label *ScoreTwo = nullptr;
    rt::Label *ScoreOne = nullptr;
    rt::Label *P2Label = nullptr;
    rt::Label *P1Label = nullptr;
    rt::Label *ScoreLabel = nullptr;
    QFrame *Welcome = nullptr;
    rt::CommandButton *Rules = nullptr;
    rt::CommandButton *LetsPlay = nullptr;
    rt::Label *WelcomeLabel = nullptr;
    rt::ControlArray<rt::Image> SPic;
    rt::ControlArray<rt::Image> HPic;
    rt::ControlArray<rt::Image> PCard;
    rt::Image *RedCard = nullptr;
    rt::Image *BlueCard = nullptr;
    rt::ControlArray<rt::Label> BLabel;
    rt::ControlArray<rt::Image> TwoCard;
    rt::ControlArray<rt::Image> OneCard;
    QMenu *MenuFile = nullptr;
    QAction *MenuExit = nullptr;
    QAction *MenuAbout = nullptr;

    // Points every member above at the control of its name. Open to the tests so that they
    // can hold the members against a doctored description.
    void bindMembers(Binding &binding);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildWindow();
    QHash<QString, QWidget *> buildControls(QWidget *surface);
    void buildMenu(Binding &binding);
    void connectEvents();
    void fitScoreFrame();
    void fitToScreen();

    void place(int cnum, rt::FixedArray<rt::Boolean> &hand,
               const rt::ControlArray<rt::Image> &slotImages, rt::Int16 &count,
               rt::FixedArray<rt::SlotValue> &slotCards);
    void endTurn();
    void endGame();
    void playAgain();
};
