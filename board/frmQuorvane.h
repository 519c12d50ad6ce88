// The board window: menus, toolbar, the board view and the status bar. It
// renders the board model and forwards every click, key, menu command,
// toolbar button and timer tick to the game, then brings the widgets up to
// date. It is also the game's Host: sounds, message boxes, dialogs, pauses.
#pragma once

#include "BoardView.h"
#include "game/Game.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <random>

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;

namespace ui {

class MenuStyle;

// What the board window needs from the rest of the program. Every member
// may be left empty: the command then does nothing.
struct BoardServices {
    std::function<void(const std::string&)> playSoundAsync;
    std::function<void(const std::string&)> playSoundSync;
    std::function<void()> saveSettings;
    std::function<bool(QWidget* board)> askFinishGame;
    std::function<void(QWidget* board)>
        showTopScores; // modal; new-score or view mode by ShowNewScore
    std::function<void(QWidget* board, const game::WinnerTexts&)> showWinner;
    std::function<void(QWidget* board)> openQuickStart; // modeless
    std::function<void(QWidget* board)> openAbout;      // modeless
    std::function<void(QWidget* board)> openOptions;    // the options dialog, modal
    std::function<void(QWidget* board)> openHelp;       // reports a missing help file itself
    std::function<void()> closeHelp;
    std::function<void()> closeSplash;
    std::function<void()> closeQuickStart;
    std::function<void()> visitWebSite;
    std::function<void()> sendMailToAuthor;
    std::function<QCursor(const QString& appPath)> loadCursor;
    // For tests: where the dice's random numbers come from (else a generator
    // seeded from the clock) and how a pause waits once the frame is on
    // screen (else the thread sleeps).
    std::function<double()> random;
    std::function<void(int ms)> wait;
};

class frmQuorvane : public QMainWindow, public game::Host {
    Q_OBJECT
public:
    frmQuorvane(game::Program& program, BoardServices services, QWidget* parent = nullptr);
    ~frmQuorvane() override;

    game::Board& Model() { return board_; }
    game::Game& Logic() { return game_; }
    BoardView* View() { return view_; }
    QToolBar* Toolbar() { return toolbar_; }
    MenuStyle* MenuLook() const { return menuStyle_; }
    QAction* ActionFor(const std::string& menuOrToolKey) const;
    QLabel* Panel(int number) const; // status-bar panel 1 to 5

    // Brings every widget, timer, menu item and panel up to date with the model.
    void SyncAll();

    // The Options command: the options dialog, then its result applied to
    // the game and the board.
    void mnuOptions_Click();

    // game::Host
    void PlaySoundAsync(const std::string& name) override;
    void PlaySoundSync(const std::string& name) override;
    game::MsgResult MessageBox(const std::string& text, const std::string& title,
                               game::MsgButtons buttons, game::MsgIcon icon) override;
    bool AskFinishGame() override;
    void ShowTopScores() override;
    void ShowWinner(const game::WinnerTexts& texts) override;
    void Pause(int ms) override;
    std::string TodayText() override;
    std::string TimeSeparator() override;
    void OpenQuickStart() override;
    void CloseBoardWindow() override;
    double Random() override;
    void Reseed() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Runs a model handler, then brings the window up to date.
    void Run(const std::function<void()>& handler);
    // Every modal window of the board opens through here: the window takes
    // the mouse from the board, so the cell under the pointer ends its row
    // highlight first, as when the pointer leaves it.
    void OpenModal(const std::function<void()>& open);
    void BuildMenus();
    void BuildToolbar();
    void BuildStatusBar();
    void BuildTimers();
    // The menus and the toolbar take the game's own look (MenuStyle).
    void SetupMenuImages();
    void SyncMenus();
    void SyncToolbar();
    void SyncStatusBar();
    void SyncTimers();
    void SyncWindow();

    game::Program& prog_;
    BoardServices services_;
    game::Board board_;
    game::Game game_;
    BoardView* view_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    MenuStyle* menuStyle_ = nullptr;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, game::MenuItem*> menuItems_;
    QLabel* panels_[6] = {};
    int toolbarImages_[10] = {}; // the picture each toolbar button shows
    QTimer* tmrTimeElapsed_ = nullptr;
    QTimer* tmrRollDice_ = nullptr;
    QTimer* tmrGameOver_ = nullptr;
    QTimer* tmrAnimation_ = nullptr;
    std::mt19937 random_;
    QCursor oldCursor_;
    int handlersRunning_ = 0;
    bool closeAfterHandler_ = false;
};

} // namespace ui
