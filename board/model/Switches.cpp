// The toolbar's buttons and the two switches of the Tools menu: hints on
// request or after every roll, and the sound effects on or off. Each switch
// is a pair of visible menu items: the plain item marks the current mode, the
// item ending in 2 switches to the other one.
#include "Game.h"

namespace game {

namespace {

constexpr int HintButton = 6;
constexpr int SoundButton = 7;
constexpr int SoundOnImage = 5;
constexpr int SoundOffImage = 8;

} // namespace

void Game::Toolbar2_ButtonClick(const std::string& key) {
    if (key == "tbNew") {
        mnuNewGame_Click();
    } else if (key == "tbUndo") {
        mnuUndoUndo_Click();
    } else if (key == "tbRedo") {
        mnuUndoRedo_Click();
    } else if (key == "tbHint") {
        // A hint on request: at most once per roll, never while hints are always on.
        if (board.HintAvailable && !board.HintsAlwaysOn) {
            board.HintShown = true;
            ShowHints();
            ShowHintColumn();
            if (prog.SoundOn) {
                PlaySoundAsync("hint");
            }
        }
        board.HintAvailable = false;
    } else if (key == "tbSound") {
        if (prog.SoundOn) {
            mnuSoundsOff2_Click();
            board.Toolbar2.Buttons[SoundButton].Image = SoundOffImage;
        } else {
            mnuSoundsOn2_Click();
            board.Toolbar2.Buttons[SoundButton].Image = SoundOnImage;
        }
    } else if (key == "tbHelp") {
        prog.OpenedFromBoard = true;
        host.OpenQuickStart();
    } else if (key == "tbExit") {
        host.CloseBoardWindow();
    }
}

void Game::mnuHintsByRequest2_Click() {
    board.HintsAlwaysOn = false;
    prog.Settings.hintAllways = false;
    ShowHintColumn();
    board.Toolbar2.Buttons[HintButton].Enabled = true;
    board.mnuHintsByRequest.Visible = true;
    board.mnuHintsByRequest2.Visible = false;
    board.mnuHintsAllways.Visible = false;
    board.mnuHintsAllways2.Visible = true;
}

void Game::mnuHintsAllways2_Click() {
    // Before the first roll of a game there are no dice to give hints for.
    if (prog.GameInProgress) {
        ShowHints();
    }
    board.HintsAlwaysOn = true;
    prog.Settings.hintAllways = true;
    ShowHintColumn();
    board.Toolbar2.Buttons[HintButton].Enabled = false;
    board.mnuHintsByRequest.Visible = false;
    board.mnuHintsByRequest2.Visible = true;
    board.mnuHintsAllways.Visible = true;
    board.mnuHintsAllways2.Visible = false;
    if (prog.SoundOn) {
        PlaySoundAsync("hint");
    }
}

void Game::mnuSoundsOff2_Click() {
    prog.SoundOn = false;
    prog.Settings.SoundEnabled = false;
    board.Toolbar2.Buttons[SoundButton].Image = SoundOffImage;
    board.mnuSoundsOn.Visible = false;
    board.mnuSoundsOn2.Visible = true;
    board.mnuSoundsOff.Visible = true;
    board.mnuSoundsOff2.Visible = false;
}

void Game::mnuSoundsOn2_Click() {
    prog.SoundOn = true;
    prog.Settings.SoundEnabled = true;
    board.Toolbar2.Buttons[SoundButton].Image = SoundOnImage;
    board.mnuSoundsOn.Visible = true;
    board.mnuSoundsOn2.Visible = false;
    board.mnuSoundsOff.Visible = false;
    board.mnuSoundsOff2.Visible = true;
}

} // namespace game
