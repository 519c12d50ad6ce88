// The two modal dialogs at the end of a game: the "Finish Game?" question
// (finish the game, or take the last move back) and the two-player winner
// announcement.
#pragma once

#include "game/Host.h"
#include "game/Program.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace shell {

class frmEndGame : public QDialog {
    Q_OBJECT

public:
    // `board` is the board window the dialog centres over.
    frmEndGame(game::Program& program, QWidget* board);

    // Shows the question modally and returns the answer, also left in
    // program.EndGameFinish: true = Finish Game, false = Undo Last Move.
    static bool Ask(game::Program& program, QWidget* board);

    QPushButton* cmdFinish;
    QPushButton* cmdUndo;

    void cmdFinish_Click();
    void cmdUndo_Click();

protected:
    // The close box and Escape give no answer of their own: they count as
    // Undo Last Move, the choice that can be made good again by Redo.
    void reject() override;

private:
    game::Program& program_;
};

class frmTheWinerIs : public QDialog {
    Q_OBJECT

public:
    frmTheWinerIs(const game::WinnerTexts& texts, const game::Program& program, QWidget* board);

    // Shows the winner modally.
    static void Announce(const game::WinnerTexts& texts, const game::Program& program,
                         QWidget* board);

    QLabel* lblPlayer1;
    QLabel* lblScore1;
    QLabel* lblPlayer2;
    QLabel* lblScore2;
    QLabel* lblWiner;
    QPushButton* cmdClose;

    void cmdClose_Click();
};

} // namespace shell
