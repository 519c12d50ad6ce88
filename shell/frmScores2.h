// The top-score tables dialog: the four tables (one per rule set and dice
// count) on four tabs, each a list of 20 places. In its view mode it shows
// the table of the current options; in its new-score mode it also tells the
// player whether the finished game got a place, highlights that place and
// plays the fanfare or the "not good enough" sound. A table can be cleared,
// and the list's grid lines switched on and off.
#pragma once

#include "game/Program.h"

#include <QDialog>
#include <QString>
#include <QTimer>
#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QTabWidget;
class QTableWidget;

namespace shell {

class HoverCommand;

// How the dialog makes itself heard; the defaults are the game's sound
// effects and the media commands. Tests put recorders in their place.
struct ScoreDialogSounds {
    std::function<void(const QString& name)> playSoundAsync;
    std::function<bool(const QString& command)> mediaCommand;

    static ScoreDialogSounds Real();
};

class frmScores2 : public QDialog {
    Q_OBJECT

public:
    // `anchor` is the window the dialog centres over: the board window when
    // program.OpenedFromBoard is set, else the welcome dialog. The mode comes
    // from program.ShowNewScore.
    frmScores2(game::Program& program, QWidget* anchor,
               ScoreDialogSounds sounds = ScoreDialogSounds::Real());

    // Shows the dialog modally and returns when it has closed.
    static void ShowModal(game::Program& program, QWidget* anchor);

    // The four tab captions, tab t - 1 showing table t.
    static const QStringList& TabCaptions();

    QTabWidget* SSTab1;
    QTableWidget* LVScores;
    QLabel* lblScore;
    QCheckBox* Check1;
    HoverCommand* cmdClearTable;
    HoverCommand* cmdReturn;
    QFrame* Line1;
    QFrame* Line2;
    QFrame* Line3;
    QFrame* Line4;
    QTimer Timer1;

    void SSTab1_Click(int previousTab);
    void SSTab1_MouseDown();
    void Check1_Click();
    void cmdClearTable_Click();
    void cmdReturn_Click();
    void Timer1_Timer();

    void LoadScoresTable();
    void ShowEmptyTable();
    void SetColumnHeaders();

    // The file the list shows (or last tried to show).
    QString CurrentFileName() const { return fileName_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Every way of closing ends here: the grid-line choice is kept.
    void done(int result) override;

private:
    void BuildControls();
    void Form_Load(QWidget* anchor);
    void AddRow(int place, const game::ScoreRecord* record);
    QString TableFile(int table) const;
    void ShowFileMessage(const std::string& message);
    // Moves the lines, buttons and check box for one mode; heights in twips.
    void ArrangeForMode(double buttonsTop, double lineY, double checkTop, double height);
    void PlaceLine(QFrame* line, double x1, double y1, double x2, double y2);

    game::Program& program_;
    ScoreDialogSounds sounds_;
    QString fileName_;
    int tableAtLoad_ = 1;
    bool loading_ = false;
    bool quietLoad_ = false; // a table problem the game has already told
    std::int32_t tickCount_ = 0;
    int shownTab_ = -1;
};

} // namespace shell
