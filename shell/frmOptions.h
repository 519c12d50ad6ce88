// The options dialog: dice count, rule set, players and their names, the
// general switches and what the program shows at start. It only changes the
// settings in memory and reports through Program::SettingsChanged; whoever
// opened it applies the result.
#pragma once

#include "game/Program.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace shell {

class HoverCommand;

class frmOptions : public QDialog {
    Q_OBJECT

public:
    // `anchor` is the window the dialog places itself over: the board window
    // when program.OpenedFromBoard is set, else the welcome dialog.
    frmOptions(game::Program& program, QWidget* anchor);

    // Shows the dialog modally over `anchor` and returns when it has closed.
    static void ShowModal(game::Program& program, QWidget* anchor);

    QTabWidget* SSTab1;
    QGroupBox* fraDice;
    QGroupBox* fraNames;
    QGroupBox* fraGame;
    QGroupBox* fraPlayers;
    QGroupBox* fraGeneral;
    QGroupBox* fraStartUp;
    QRadioButton* opt5Dice;
    QRadioButton* opt6Dice;
    QLineEdit* txtName1;
    QLineEdit* txtName2;
    QRadioButton* optYahtzee;
    QRadioButton* optYamb;
    QRadioButton* opt1Player;
    QRadioButton* opt2Players;
    QCheckBox* chkSoundOnExit;
    QCheckBox* chkShowStatusBar;
    QCheckBox* chkQuitGame;
    QCheckBox* chkConfirmExit;
    QRadioButton* optShowNone;
    QRadioButton* optShowSplash;
    QRadioButton* optShowDialog;
    HoverCommand* HoverCommand1; // OK
    HoverCommand* HoverCommand2; // Cancel

    void HoverCommand1_Click();
    void HoverCommand2_Click();
    void opt1Player_Click();
    void opt2Players_Click();

private:
    void BuildControls();
    void Form_Load(QWidget* anchor);

    game::Program& program_;
};

} // namespace shell
