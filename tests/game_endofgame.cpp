// The end of a game: the check after the last box, GameOver's steps and the
// winner dialog's texts.
#include "FakeHost.h"
#include "TempFolder.h"
#include "game/TopScoreFile.h"

#include <gtest/gtest.h>

using namespace game;
using testing_support::FakeHost;
using testing_support::TempFolder;

namespace {

// Records what the board showed at the moments GameOver reaches the outside.
class WatchingHost : public FakeHost {
public:
    const Board* board = nullptr;
    std::vector<std::string> panel2AtDate;   // during the top-score insertion
    std::vector<std::string> panel2AtScores; // when the top-score dialog opens

    std::string TodayText() override {
        panel2AtDate.push_back(board->StatusBar1.Panels[2].Text);
        return FakeHost::TodayText();
    }
    void ShowTopScores() override {
        panel2AtScores.push_back(board->StatusBar1.Panels[2].Text);
        FakeHost::ShowTopScores();
    }
};

struct EndTable {
    TempFolder folder;
    Board board;
    Program prog;
    WatchingHost host;
    Game game{board, prog, host};

    EndTable(int players, int columns = 4) {
        host.board = &board;
        prog.Settings = GameSettings::FirstRunDefaults();
        prog.Settings.NumberOfPlayers = players;
        prog.Settings.NumberOfColumns = columns;
        prog.Settings.Player1 = FixedText10("Ann");
        prog.Settings.Player2 = FixedText10("Bob");
        prog.SoundOn = true;
        prog.GameInProgress = true;
        prog.AppPath = folder.appPath();
        prog.ScoresPath = folder.appPath();
        board.StatusBar1.Panels[1].Text = prog.Settings.Player1;
        board.Toolbar2.Buttons[3].Enabled = true;
        board.mnuUndoUndo.Enabled = true;
    }

    // The shown sheet is full after a move that used `rolls` rolls.
    void FullSheet(int total, int rolls) {
        board.Round = game.MovesPerSheet();
        board.LastRollCount = rolls;
        board.lblGrandTotal.Caption = std::to_string(total);
    }
    void SecondPlayerOnTurn() {
        board.SecondPlayerTurn.fill(true);
        board.StatusBar1.Panels[1].Text = prog.Settings.Player2;
        board.Caption = "Quorvane - Player 2";
    }
    std::string ScoreFile() const {
        return TopScoreFileName(prog.ScoresPath, ScoreTableNumber(prog.Settings.NumberOfColumns,
                                                                  prog.Settings.NumberOfDice));
    }
    bool Entered() const { return std::filesystem::exists(ScoreFile()); }
};

} // namespace

// ---- The check --------------------------------------------------------------

TEST(EndOfGameCheck, SheetNotFullGoesOn) {
    EndTable t(1);
    t.FullSheet(100, 3);
    t.board.Round = 51;
    EXPECT_EQ(t.game.CheckEndOfGame(), EndOfGame::NotOver);
    EXPECT_EQ(t.host.finishQuestions, 0);
    EXPECT_FALSE(t.board.GameIsOver);
    EXPECT_FALSE(t.Entered());

    EndTable one(1, 1);
    one.FullSheet(100, 1);
    one.board.Round = 12;
    EXPECT_EQ(one.game.CheckEndOfGame(), EndOfGame::NotOver);
    one.board.Round = 13;
    EXPECT_EQ(one.game.CheckEndOfGame(), EndOfGame::Finished) << "13 boxes fill one column";
}

TEST(EndOfGameCheck, OnePlayerThreeRollsEndsWithoutQuestion) {
    EndTable t(1);
    t.FullSheet(250, 3);
    EXPECT_EQ(t.game.CheckEndOfGame(), EndOfGame::OverAfterThreeRolls);
    EXPECT_EQ(t.host.finishQuestions, 0);
    EXPECT_TRUE(t.board.GameIsOver);
    EXPECT_TRUE(t.Entered());
    EXPECT_EQ(t.host.topScoreDialogs, 1);
}

TEST(EndOfGameCheck, OnePlayerFinishGame) {
    EndTable t(1);
    t.FullSheet(250, 2);
    t.host.finishAnswers = {true};
    EXPECT_EQ(t.game.CheckEndOfGame(), EndOfGame::Finished);
    EXPECT_EQ(t.host.finishQuestions, 1);
    EXPECT_TRUE(t.prog.EndGameFinish);
    EXPECT_TRUE(t.board.GameIsOver);
    EXPECT_EQ(t.host.topScoreDialogs, 1);
}

TEST(EndOfGameCheck, UndoLastMoveEndsNothingAndEntersNoScore) {
    for (int players : {1, 2}) {
        EndTable t(players);
        t.FullSheet(250, 1);
        t.prog.EndGameFinish = true;
        t.host.finishAnswers = {false};
        EXPECT_EQ(t.game.CheckEndOfGame(), EndOfGame::UndoneLastMove);
        EXPECT_EQ(t.host.finishQuestions, 1);
        EXPECT_FALSE(t.prog.EndGameFinish);
        EXPECT_FALSE(t.board.GameIsOver);
        EXPECT_TRUE(t.prog.GameInProgress);
        EXPECT_FALSE(t.Entered());
        EXPECT_EQ(t.host.topScoreDialogs, 0);
        EXPECT_TRUE(t.host.winners.empty());
    }
}

TEST(EndOfGameCheck, TwoPlayersFirstPlayerOnlyRecordsTheTotal) {
    for (bool askFirst : {false, true}) {
        EndTable t(2);
        t.FullSheet(311, askFirst ? 2 : 3);
        t.board.picRollDices.Enabled = true;
        const EndOfGame expected = askFirst ? EndOfGame::Finished : EndOfGame::OverAfterThreeRolls;
        EXPECT_EQ(t.game.CheckEndOfGame(), expected);
        EXPECT_EQ(t.host.finishQuestions, askFirst ? 1 : 0);
        EXPECT_EQ(t.prog.Player1Total, 311);
        EXPECT_TRUE(t.Entered()) << "player 1's total is entered on its own";
        EXPECT_FALSE(t.board.GameIsOver);
        EXPECT_TRUE(t.prog.GameInProgress) << "the second player's game goes on";
        EXPECT_TRUE(t.board.picRollDices.Enabled);
        // The total is in the table: the last move is no longer on offer
        // to be taken back and entered again.
        EXPECT_FALSE(t.board.mnuUndoUndo.Enabled);
        EXPECT_FALSE(t.board.Toolbar2.Buttons[3].Enabled);
        EXPECT_FALSE(t.board.tmrGameOver.Enabled);
        EXPECT_TRUE(t.host.winners.empty());
        EXPECT_FALSE(t.board.cmdShowNextBoard.Visible);
    }
}

// Between the first player's end and the second player's next roll the
// game is still running: New Game asks before it leaves it.
TEST(EndOfGameCheck, AfterTheFirstPlayersEndNewGameStillAsks) {
    EndTable t(2);
    t.FullSheet(311, 3);
    t.game.CheckEndOfGame();
    t.host.messageAnswers = {MsgResult::Cancel};
    t.game.mnuNewGame_Click();
    ASSERT_EQ(t.host.messages.size(), 1u);
    EXPECT_EQ(t.host.messages[0].text, "Quit this Game?");
    EXPECT_EQ(t.board.Round, 52) << "Cancel keeps the game";
    EXPECT_EQ(t.board.lblGrandTotal.Caption, "311");
}

TEST(EndOfGameCheck, TwoPlayersSecondPlayerEndsTheGame) {
    for (bool askFirst : {false, true}) {
        EndTable t(2);
        t.SecondPlayerOnTurn();
        t.prog.Player1Total = 200;
        t.FullSheet(180, askFirst ? 1 : 3);
        const EndOfGame expected = askFirst ? EndOfGame::Finished : EndOfGame::OverAfterThreeRolls;
        EXPECT_EQ(t.game.CheckEndOfGame(), expected);
        EXPECT_EQ(t.prog.Player2Total, 180);
        EXPECT_EQ(t.prog.NewScore.Name, "Bob       ");
        ASSERT_EQ(t.host.winners.size(), 1u);
        EXPECT_TRUE(t.board.GameIsOver);
        EXPECT_TRUE(t.board.cmdShowNextBoard.Visible);
        EXPECT_TRUE(t.board.cmdShowNextBoard.Enabled);
    }
}

// ---- GameOver's steps ---------------------------------------------------------

TEST(GameOverSteps, OnePlayerGame) {
    EndTable t(1);
    t.FullSheet(222, 3);
    t.board.picRollDices.Enabled = true;
    t.board.Toolbar2.Buttons[4].Enabled = true;
    t.board.mnuUndoRedo.Enabled = true;
    t.board.StatusBar1.Panels[2].Text = "Roll the dice or undo last move";
    t.game.GameOver();

    EXPECT_EQ(t.host.panel2AtDate, std::vector<std::string>{" "});
    EXPECT_EQ(t.host.panel2AtScores, std::vector<std::string>{""});
    EXPECT_EQ(t.prog.NewScorePosition, 1);
    EXPECT_EQ(t.prog.NewScoreValue, 222);
    EXPECT_FALSE(t.board.picRollDices.Enabled);
    EXPECT_EQ(t.board.picRollDices.Picture, t.board.picRollOff.Picture);
    EXPECT_FALSE(t.board.Toolbar2.Buttons[3].Enabled);
    EXPECT_FALSE(t.board.Toolbar2.Buttons[4].Enabled);
    EXPECT_FALSE(t.board.mnuUndoUndo.Enabled);
    EXPECT_FALSE(t.board.mnuUndoRedo.Enabled);
    EXPECT_TRUE(t.prog.GameInProgress) << "New Game acts again";
    EXPECT_TRUE(t.board.GameIsOver);
    EXPECT_TRUE(t.host.winners.empty());
    EXPECT_TRUE(t.host.sounds.empty());
}

TEST(GameOverSteps, MarqueeAndItsTimer) {
    EndTable t(1);
    t.FullSheet(10, 3);
    t.board.tmrGameOver.Interval = 150;
    t.game.GameOver();
    const std::string& text = t.board.MarqueeText;
    ASSERT_EQ(text.size(), 155u);
    EXPECT_EQ(text.substr(0, 50), std::string(50, ' '));
    EXPECT_EQ(text.substr(50, 18), "G a m e  O v e r !");
    EXPECT_EQ(text.substr(68, 28), std::string(28, ' '));
    EXPECT_EQ(text.substr(96), "To begin a new game click the 'New Game' button or press F2");
    EXPECT_EQ(t.board.tmrGameOver.Interval, 1);
    EXPECT_TRUE(t.board.tmrGameOver.Enabled);
}

TEST(GameOverSteps, TwoPlayerScoresDialogOnlyForAPlace) {
    EndTable t(2);
    TopScorePlacesArray full;
    for (int i = 0; i < 20; ++i) {
        full[i] = MakeScoreRecord("Pro", 900 - i, "01/01/2026");
    }
    ASSERT_EQ(WriteTopScoreTable(t.ScoreFile(), full), "");

    t.FullSheet(150, 3);
    t.game.GameOver();
    EXPECT_EQ(t.prog.NewScorePosition, -1);
    EXPECT_EQ(t.host.topScoreDialogs, 0);

    t.SecondPlayerOnTurn();
    t.FullSheet(895, 3);
    t.game.GameOver();
    EXPECT_EQ(t.prog.NewScorePosition, 7) << "below the equal 895";
    EXPECT_EQ(t.host.topScoreDialogs, 1);
    EXPECT_EQ(ReadTopScoreTable(t.ScoreFile()).Places[6].Name, "Bob       ");
}

TEST(GameOverSteps, AfterTwoPlayerGameRollButtonIsOffAndViewerOffersPlayerOne) {
    EndTable t(2);
    t.SecondPlayerOnTurn();
    t.board.picRollDices.Enabled = true;
    t.board.cmdShowNextBoard.Caption = "    Show      Player 2's  Board"; // left by an earlier game
    t.FullSheet(100, 3);
    t.game.GameOver();
    EXPECT_FALSE(t.board.picRollDices.Enabled);
    EXPECT_EQ(t.board.picRollDices.Picture, t.board.picRollOff.Picture);
    EXPECT_EQ(t.board.cmdShowNextBoard.Caption, "    Show      Player 1's  Board");
    EXPECT_TRUE(t.board.GameIsOver);
    EXPECT_TRUE(t.board.tmrGameOver.Enabled);
}

TEST(GameOverSteps, UnwritableScoresStillEndTheGameWithOneMessage) {
    EndTable t(1);
    testing_support::WriteBytes(t.folder.path() / "scores", {'x'});
    t.FullSheet(120, 3);
    t.game.GameOver();
    ASSERT_EQ(t.host.messages.size(), 1u);
    EXPECT_EQ(t.host.messages[0].title, "Open scores");
    EXPECT_TRUE(t.board.GameIsOver);
    EXPECT_TRUE(t.board.tmrGameOver.Enabled);
    EXPECT_EQ(t.host.topScoreDialogs, 1);
}

// ---- The winner dialog --------------------------------------------------------

namespace {

WinnerTexts EndTwoPlayerGame(EndTable& t, int total1, int total2) {
    t.SecondPlayerOnTurn();
    t.prog.Player1Total = total1;
    t.FullSheet(total2, 3);
    t.game.GameOver();
    EXPECT_EQ(t.host.winners.size(), 1u);
    return t.host.winners.empty() ? WinnerTexts{} : t.host.winners[0];
}

} // namespace

TEST(WinnerDialog, DrawPlaysDraw) {
    EndTable t(2);
    const WinnerTexts texts = EndTwoPlayerGame(t, 240, 240);
    EXPECT_EQ(texts.lblWiner, "It's a Draw!");
    EXPECT_EQ(texts.lblScore1, "240");
    EXPECT_EQ(texts.lblScore2, "240");
    EXPECT_EQ(t.host.sounds, std::vector<std::string>{"draw"});
}

TEST(WinnerDialog, TenCharacterNameIsFollowedByWinsWithoutBlank) {
    EndTable t(2);
    t.prog.Settings.Player1 = FixedText10("Maximilian");
    const WinnerTexts texts = EndTwoPlayerGame(t, 301, 300);
    EXPECT_EQ(texts.lblWiner, "MaximilianWins!");
    EXPECT_EQ(texts.lblPlayer1, "Maximilian's Total Score:");
    EXPECT_EQ(texts.lblPlayer2, "Bob's Total Score:");
    EXPECT_EQ(t.host.sounds, std::vector<std::string>{"applause"});
}

TEST(WinnerDialog, EightCharacterNameIsFollowedByTwoBlanks) {
    EndTable t(2);
    t.prog.Settings.Player2 = FixedText10("Jennifer");
    t.prog.SoundOn = false;
    const WinnerTexts texts = EndTwoPlayerGame(t, -5, 12);
    EXPECT_EQ(texts.lblWiner, "Jennifer  Wins!");
    EXPECT_EQ(texts.lblPlayer2, "Jennifer's Total Score:");
    EXPECT_EQ(texts.lblScore1, "-5");
    EXPECT_EQ(texts.lblScore2, "12");
    EXPECT_TRUE(t.host.sounds.empty()) << "no sound while sound is off";
}
