// The welcome dialog, the start screen: play, end, read the rules, change the
// options or look at the top scores, and choose not to be greeted again.
#pragma once

#include "game/Program.h"

#include <QDialog>

class QCheckBox;
class QFrame;
class QLabel;

namespace shell {

class HoverCommand;

class frmWelcome : public QDialog {
    Q_OBJECT

public:
    explicit frmWelcome(game::Program& program);

    // Shows the dialog modally, centred on the screen, and returns when it
    // has closed; Program::PlayChosen tells whether to open the board.
    static void ShowModal(game::Program& program);

    QLabel* Image1;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* Label1;
    QLabel* lblWebSite;
    QLabel* Label2;
    QLabel* lblemail;
    HoverCommand* cmdPlay;
    HoverCommand* cmdExit;
    HoverCommand* cmdQuickStart;
    HoverCommand* cmdOptions;
    HoverCommand* cmdScores;
    QCheckBox* Check1;
    QFrame* Frame1;
    QFrame* Frame2;
    QFrame* Frame4;
    QFrame* Frame6;
    QFrame* Line1;

    void cmdPlay_Click();
    void cmdExit_Click();
    void cmdQuickStart_Click();
    void cmdOptions_Click();
    void cmdScores_Click();
    void Check1_Click();
    void lblWebSite_Click();
    void lblemail_Click();

protected:
    // Every way of closing ends here: the help viewer is let go.
    void done(int result) override;

private:
    game::Program& program_;
};

} // namespace shell
