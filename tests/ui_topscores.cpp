// The top-score tables dialog: its two modes with their sizes, messages,
// highlighted place and sounds; what it shows of missing, partly empty and
// damaged tables; clearing a table; tab changes from the keyboard; and the
// grid-line choice kept from one opening to the next.
#include "FakeHost.h"
#include "ModalAnswers.h"
#include "TempFolder.h"
#include "TopScoreFixture.h"
#include "board/Twips.h"
#include "game/TopScoreFile.h"
#include "shell/HoverCommand.h"
#include "shell/frmScores2.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using shell::frmScores2;
using testing_support::MessageBoxAnswers;

// One pixel, in twips: the tolerance of a design position.
double Pixel() {
    return 1440.0 / ui::LogicalDpi();
}

double TopTwips(const QWidget* widget) {
    return ui::PixelsToTwips(widget->y());
}

class TopScoreDialog : public ::testing::Test {
protected:
    void SetUp() override {
        program.Settings = game::GameSettings::FirstRunDefaults(); // Yamb, six dice: table 1
        program.AppPath = programFolder.appPath();
        program.ScoresPath = folder.appPath();
        program.OpenedFromBoard = true;
        program.SoundOn = true;
        anchor.setGeometry(200, 100, 400, 640);
    }

    shell::ScoreDialogSounds Recorder() {
        return {[this](const QString& name) { sounds << name; },
                [this](const QString& command) {
                    commands << command;
                    return true;
                }};
    }

    std::string File(int table) const { return game::TopScoreFileName(program.ScoresPath, table); }

    // A table of `count` results, best first, named "P1", "P2" and so on.
    void WriteTable(int table, int count) {
        game::TopScorePlacesArray places;
        for (int i = 0; i < count; ++i) {
            places[static_cast<std::size_t>(i)] =
                game::MakeScoreRecord("P" + std::to_string(i + 1), 1000 - 10 * i, "01/02/2026");
        }
        ASSERT_EQ(game::WriteTopScoreTable(File(table), places), "");
    }

    // Enters `score` into the table of the options as the end of a one-player
    // game does; the dialog then opens on what the game left in `t.prog`.
    void EnterAsTheGameDoes(testing_support::Table& t, int score) {
        t.prog.Settings = program.Settings;
        t.prog.AppPath = program.AppPath;
        t.prog.ScoresPath = program.ScoresPath;
        t.board.lblGrandTotal.Caption = std::to_string(score);
        t.game.EnterTopScore();
    }

    static QString Cell(const frmScores2& dialog, int row, int column) {
        const QTableWidgetItem* item = dialog.LVScores->item(row, column);
        return item == nullptr ? QString() : item->text();
    }

    static std::vector<int> SelectedRows(const frmScores2& dialog) {
        std::vector<int> rows;
        for (const QModelIndex& index : dialog.LVScores->selectionModel()->selectedRows()) {
            rows.push_back(index.row());
        }
        return rows;
    }

    testing_support::TempFolder programFolder; // the fanfare lies here
    testing_support::TempFolder folder;        // the user's data folder: the tables
    game::Program program;
    QWidget anchor;
    QStringList sounds;
    QStringList commands;
};

TEST_F(TopScoreDialog, ViewModeIsTheSmallDialogWithoutMessage) {
    WriteTable(1, 3);
    frmScores2 dialog(program, &anchor, Recorder());

    EXPECT_TRUE(dialog.lblScore->isHidden());
    EXPECT_EQ(dialog.height(), ui::TwipsToPixels(7785));
    EXPECT_NEAR(dialog.cmdClearTable->Top(), 6390, Pixel());
    EXPECT_NEAR(dialog.cmdReturn->Top(), 6390, Pixel());
    EXPECT_NEAR(TopTwips(dialog.Check1), 7100, Pixel());
    // Line2 runs across above the check box; Line3 and Line4 end on it.
    const int line = ui::TwipsToPixels(7040);
    EXPECT_NEAR(dialog.Line2->geometry().center().y(), line, 1);
    EXPECT_GT(dialog.Line2->width(), dialog.width() * 3 / 4);
    EXPECT_NEAR(dialog.Line3->geometry().bottom(), line, 2);
    EXPECT_NEAR(dialog.Line4->geometry().bottom(), line, 2);
    EXPECT_LT(dialog.Line2->geometry().bottom(), dialog.Check1->y());
    EXPECT_FALSE(dialog.Timer1.isActive());
    EXPECT_TRUE(sounds.isEmpty());
    EXPECT_TRUE(SelectedRows(dialog).empty());
    EXPECT_TRUE(dialog.windowTitle().isEmpty());
}

TEST_F(TopScoreDialog, EnterReturnsFromTheListAndTheTabs) {
    WriteTable(1, 3);
    for (QWidget* (*from)(frmScores2&) :
         {+[](frmScores2& d) -> QWidget* { return d.LVScores; },
          +[](frmScores2& d) -> QWidget* { return d.SSTab1->tabBar(); }}) {
        frmScores2 dialog(program, &anchor, Recorder());
        dialog.show();
        QTest::keyClick(from(dialog), Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_TRUE(std::filesystem::exists(File(1))) << "Enter never clears the table";
}

TEST_F(TopScoreDialog, ListHasTwentyKeyedPlacesUnderFourHeaders) {
    WriteTable(1, 2);
    frmScores2 dialog(program, &anchor, Recorder());

    const QStringList tabs{"&Yamb - 6 Dice", "&Yamb - 5 Dice", "&Yahtzee - 6 Dice",
                           "&Yahtzee - 5 Dice"};
    ASSERT_EQ(dialog.SSTab1->count(), 4);
    for (int tab = 0; tab < 4; ++tab) {
        EXPECT_EQ(dialog.SSTab1->tabText(tab), tabs[tab]);
    }
    ASSERT_EQ(dialog.LVScores->columnCount(), 4);
    const char* captions[] = {"", "Name", "Score", "Date"};
    const double widths[] = {800, 2200, 1550, 1650};
    for (int column = 0; column < 4; ++column) {
        const QTableWidgetItem* header = dialog.LVScores->horizontalHeaderItem(column);
        ASSERT_NE(header, nullptr);
        EXPECT_EQ(header->text(), QString::fromLatin1(captions[column]));
        EXPECT_FALSE(header->icon().isNull()) << column;
        EXPECT_EQ(dialog.LVScores->columnWidth(column), ui::TwipsToPixels(widths[column]));
    }
    ASSERT_EQ(dialog.LVScores->rowCount(), 20);
    for (int row = 0; row < 20; ++row) {
        EXPECT_EQ(Cell(dialog, row, 0), QStringLiteral(" %1").arg(row + 1));
        EXPECT_EQ(dialog.LVScores->item(row, 0)->data(Qt::UserRole).toString(),
                  QString(QChar('a' + row)));
    }
    EXPECT_EQ(Cell(dialog, 0, 1), "P1        ");
    EXPECT_EQ(Cell(dialog, 0, 2), "1000");
    EXPECT_EQ(Cell(dialog, 1, 3), "01/02/2026");
    EXPECT_EQ(Cell(dialog, 2, 1), "");
    EXPECT_EQ(dialog.LVScores->palette().color(QPalette::Base), QColor(239, 255, 210));
}

TEST_F(TopScoreDialog, OpensOnTheTableOfTheOptions) {
    const struct {
        int columns;
        int dice;
        int table;
    } cases[] = {{4, 5, 1}, {4, 4, 2}, {1, 5, 3}, {1, 4, 4}};
    for (const auto& c : cases) {
        program.Settings.NumberOfColumns = c.columns;
        program.Settings.NumberOfDice = c.dice;
        WriteTable(c.table, c.table);
        frmScores2 dialog(program, &anchor, Recorder());
        EXPECT_EQ(dialog.SSTab1->currentIndex(), c.table - 1);
        EXPECT_EQ(dialog.CurrentFileName().toStdString(), File(c.table));
        EXPECT_EQ(Cell(dialog, c.table - 1, 1).trimmed(), QStringLiteral("P%1").arg(c.table));
        EXPECT_EQ(Cell(dialog, c.table, 1), "");
    }
}

TEST_F(TopScoreDialog, PlaceWithoutScoreShowsItsNameAndDate) {
    game::TopScorePlacesArray places;
    places[0] = game::MakeScoreRecord("Ann", 300, "03/04/2026");
    places[1] = game::MakeScoreRecord("Bob", game::EmptyPlaceScore, "05/06/2026");
    ASSERT_EQ(game::WriteTopScoreTable(File(1), places), "");
    frmScores2 dialog(program, &anchor, Recorder());

    EXPECT_EQ(Cell(dialog, 1, 1).trimmed(), "Bob");
    EXPECT_EQ(Cell(dialog, 1, 2), "");
    EXPECT_EQ(Cell(dialog, 1, 3), "05/06/2026");
    // The empty places of the file show nothing at all.
    EXPECT_EQ(Cell(dialog, 5, 1), "");
    EXPECT_EQ(Cell(dialog, 5, 2), "");
    EXPECT_EQ(Cell(dialog, 5, 3), "");
}

TEST_F(TopScoreDialog, MissingTableShowsTwentyEmptyPlacesWithoutMessage) {
    MessageBoxAnswers boxes;
    frmScores2 dialog(program, &anchor, Recorder());
    QTest::qWait(50);
    EXPECT_TRUE(boxes.seen.empty());
    ASSERT_EQ(dialog.LVScores->rowCount(), 20);
    EXPECT_EQ(Cell(dialog, 19, 0), " 20");
    EXPECT_EQ(Cell(dialog, 0, 1), "");
    EXPECT_FALSE(std::filesystem::exists(File(1)));
}

TEST_F(TopScoreDialog, DamagedTableShowsWhatCanBeReadAndSaysSoOnce) {
    WriteTable(1, 4);
    std::vector<unsigned char> bytes = testing_support::ReadBytes(File(1));
    bytes.resize(2 * game::ScoreRecordBytes + 7); // cut short inside place 3
    testing_support::WriteBytes(File(1), bytes);

    MessageBoxAnswers boxes;
    frmScores2 dialog(program, &anchor, Recorder());
    QTest::qWait(50);

    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].title, "Open scores");
    EXPECT_TRUE(
        boxes.seen[0].text.endsWith(QStringLiteral("File: ") + QString::fromStdString(File(1))))
        << "the file was opened and read";
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Information);
    EXPECT_EQ(Cell(dialog, 0, 1).trimmed(), "P1");
    EXPECT_EQ(Cell(dialog, 1, 1).trimmed(), "P2");
    EXPECT_EQ(Cell(dialog, 2, 1), "");
    EXPECT_EQ(dialog.LVScores->rowCount(), 20);
}

TEST_F(TopScoreDialog, NewScoreWithPlaceHighlightsItAndStartsTheFanfare) {
    WriteTable(1, 5);
    program.ShowNewScore = true;
    program.NewScoreValue = 980;
    program.NewScorePosition = 3;
    frmScores2 dialog(program, &anchor, Recorder());

    EXPECT_FALSE(dialog.lblScore->isHidden());
    EXPECT_EQ(dialog.lblScore->text(), "  Your score of  980 points was good enough to get on the "
                                       "\r\n   top scores table at position #3.");
    EXPECT_EQ(SelectedRows(dialog), std::vector<int>{2});
    EXPECT_EQ(dialog.height(), ui::TwipsToPixels(8430));
    EXPECT_NEAR(dialog.cmdClearTable->Top(), 7015, Pixel());
    EXPECT_NEAR(dialog.cmdReturn->Top(), 7015, Pixel());
    EXPECT_NEAR(TopTwips(dialog.Check1), 7720, Pixel());
    EXPECT_NEAR(dialog.Line2->geometry().center().y(), ui::TwipsToPixels(7650), 1);
    EXPECT_GT(dialog.cmdClearTable->y(), dialog.lblScore->geometry().bottom());
    EXPECT_TRUE(sounds.isEmpty());

    // The fanfare starts on the second 10 ms tick, and only once.
    ASSERT_TRUE(dialog.Timer1.isActive());
    EXPECT_EQ(dialog.Timer1.interval(), 10);
    dialog.Timer1.stop();
    dialog.Timer1.start();
    dialog.Timer1_Timer();
    EXPECT_TRUE(commands.isEmpty());
    dialog.Timer1_Timer();
    const QString mp3 = QString::fromStdString(programFolder.appPath()) + "win01.mp3";
    EXPECT_EQ(commands,
              QStringList({"close song", "open \"" + mp3 + "\" alias song", "play song"}));
    EXPECT_FALSE(dialog.Timer1.isActive());
}

TEST_F(TopScoreDialog, FanfarePlaysAboutTwentyMillisecondsAfterOpening) {
    WriteTable(1, 1);
    program.ShowNewScore = true;
    program.NewScoreValue = 1000;
    program.NewScorePosition = 1;
    frmScores2 dialog(program, &anchor, Recorder());
    EXPECT_TRUE(QTest::qWaitFor([&] { return commands.size() == 3; }, 2000));
    QTest::qWait(60);
    EXPECT_EQ(commands.size(), 3);
    EXPECT_EQ(SelectedRows(dialog), std::vector<int>{0});
}

TEST_F(TopScoreDialog, NewScoreWithoutPlaceSaysSoAndPlaysEndGame) {
    WriteTable(1, 20);
    program.ShowNewScore = true;
    program.NewScoreValue = 12;
    program.NewScorePosition = -1;
    frmScores2 dialog(program, &anchor, Recorder());

    EXPECT_EQ(dialog.lblScore->text(), "  Your score of  12 points was not good enough to get on "
                                       "the  \r\n   top scores table.");
    EXPECT_EQ(sounds, QStringList{"endGame1"});
    EXPECT_FALSE(dialog.Timer1.isActive());
    EXPECT_TRUE(SelectedRows(dialog).empty());
    EXPECT_EQ(dialog.height(), ui::TwipsToPixels(8430));
}

TEST_F(TopScoreDialog, ScoreThatCouldNotBeSavedClaimsNoPlace) {
    WriteTable(1, 3);
    testing_support::Table t;
    {
        const topscore_testing::FullDisk full;
        EnterAsTheGameDoes(t, 1500);
    }
    ASSERT_EQ(t.host.messages.size(), 1u);
    EXPECT_NE(t.host.messages[0].text.find("could not be saved"), std::string::npos);

    MessageBoxAnswers boxes;
    frmScores2 dialog(t.prog, &anchor, Recorder());
    QTest::qWait(50);
    EXPECT_TRUE(boxes.seen.empty());
    EXPECT_EQ(dialog.lblScore->text(), "  Your score of  1500 points could not be saved in the "
                                       "\r\n   top scores table.");
    EXPECT_TRUE(SelectedRows(dialog).empty());
    EXPECT_FALSE(dialog.Timer1.isActive());
    EXPECT_TRUE(sounds.isEmpty());
    EXPECT_EQ(Cell(dialog, 0, 1).trimmed(), "P1") << "the table as it stands";
}

TEST_F(TopScoreDialog, UnreadableTableIsToldOnceAndNothingIsCompared) {
    std::filesystem::create_directories(File(1)); // a folder in the table's place
    testing_support::Table t;
    EnterAsTheGameDoes(t, 50);
    ASSERT_EQ(t.host.messages.size(), 1u);
    EXPECT_EQ(t.host.messages[0].title, "Open scores");

    MessageBoxAnswers boxes;
    frmScores2 dialog(t.prog, &anchor, Recorder());
    QTest::qWait(50);
    EXPECT_TRUE(boxes.seen.empty()) << "the game has told it already";
    EXPECT_EQ(dialog.lblScore->text(), "  Your score of  50 points was not entered: the top "
                                       "\r\n   scores table could not be read.");
    EXPECT_TRUE(SelectedRows(dialog).empty());
    EXPECT_FALSE(dialog.Timer1.isActive());
    EXPECT_TRUE(sounds.isEmpty());
    EXPECT_EQ(dialog.LVScores->rowCount(), 20);
}

TEST_F(TopScoreDialog, SilentWithSoundOffOrDuringRedo) {
    WriteTable(1, 2);
    program.ShowNewScore = true;
    for (int place : {-1, 1}) {
        program.NewScorePosition = place;
        program.SoundOn = false;
        program.RedoInProgress = false;
        frmScores2 quiet(program, &anchor, Recorder());
        EXPECT_FALSE(quiet.Timer1.isActive());
        program.SoundOn = true;
        program.RedoInProgress = true;
        frmScores2 redo(program, &anchor, Recorder());
        EXPECT_FALSE(redo.Timer1.isActive());
    }
    EXPECT_TRUE(sounds.isEmpty());
}

TEST_F(TopScoreDialog, ClearingAMissingTableSaysItIsEmpty) {
    frmScores2 dialog(program, &anchor, Recorder());
    MessageBoxAnswers boxes;
    dialog.cmdClearTable_Click();

    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text, "Table is Empty!");
    EXPECT_EQ(boxes.seen[0].title, "Quorvane");
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Warning);
    EXPECT_EQ(boxes.seen[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_FALSE(std::filesystem::exists(File(1)));
    EXPECT_TRUE(dialog.cmdClearTable->isEnabled());
}

TEST_F(TopScoreDialog, UnreadableScoresFolderIsToldNotShownAsEmpty) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "file permissions do not bind root: run as an ordinary user to check this";
    }
    WriteTable(1, 3);
    const std::filesystem::path scores = folder.path() / "scores";
    std::filesystem::permissions(scores, std::filesystem::perms::none);
    {
        MessageBoxAnswers boxes;
        frmScores2 dialog(program, &anchor, Recorder());
        QTest::qWait(50);
        dialog.cmdClearTable_Click();
        QTest::qWait(50);
        EXPECT_EQ(boxes.seen.size(), 2u) << "one at opening, one for Clear Table";
        for (const auto& box : boxes.seen) {
            EXPECT_EQ(box.title, "Open scores");
            EXPECT_TRUE(
                box.text.endsWith(QStringLiteral("Cannot open ") + QString::fromStdString(File(1))))
                << box.text.toStdString();
        }
    }
    std::filesystem::permissions(scores, std::filesystem::perms::owner_all);
    EXPECT_TRUE(std::filesystem::exists(File(1)));
}

TEST_F(TopScoreDialog, ClearingAsksFirstAndCancelKeepsTheTable) {
    WriteTable(1, 3);
    frmScores2 dialog(program, &anchor, Recorder());
    MessageBoxAnswers boxes({QMessageBox::Cancel});
    dialog.cmdClearTable_Click();

    ASSERT_EQ(boxes.seen.size(), 1u);
    EXPECT_EQ(boxes.seen[0].text, "Delete top 20 Scores?");
    EXPECT_EQ(boxes.seen[0].title, "Delete Scores?");
    EXPECT_EQ(boxes.seen[0].icon, QMessageBox::Question);
    EXPECT_EQ(boxes.seen[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_TRUE(std::filesystem::exists(File(1)));
    EXPECT_EQ(Cell(dialog, 0, 1).trimmed(), "P1");
    EXPECT_TRUE(dialog.cmdClearTable->isEnabled());
}

TEST_F(TopScoreDialog, ClearedTableStaysEmptyAndTheButtonWaitsForATabChange) {
    WriteTable(1, 3);
    WriteTable(2, 2);
    frmScores2 dialog(program, &anchor, Recorder());
    {
        MessageBoxAnswers boxes({QMessageBox::Ok});
        dialog.cmdClearTable_Click();
        ASSERT_EQ(boxes.seen.size(), 1u);
    }
    EXPECT_FALSE(std::filesystem::exists(File(1)));
    EXPECT_TRUE(std::filesystem::exists(File(2)));
    EXPECT_EQ(dialog.LVScores->rowCount(), 20);
    EXPECT_EQ(Cell(dialog, 0, 1), "");
    EXPECT_FALSE(dialog.cmdClearTable->isEnabled());

    dialog.SSTab1->setCurrentIndex(1);
    EXPECT_TRUE(dialog.cmdClearTable->isEnabled());
    EXPECT_EQ(Cell(dialog, 1, 1).trimmed(), "P2");
    dialog.SSTab1->setCurrentIndex(0);
    EXPECT_TRUE(dialog.cmdClearTable->isEnabled());
    EXPECT_EQ(dialog.LVScores->rowCount(), 20);
    EXPECT_EQ(Cell(dialog, 0, 1), "");
}

TEST_F(TopScoreDialog, KeyboardTabChangeShowsItsOwnTable) {
    WriteTable(1, 1);
    WriteTable(2, 2);
    frmScores2 dialog(program, &anchor, Recorder());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.SSTab1->tabBar()->setFocus();

    // No mouse press on the tabs yet.
    QTest::keyClick(dialog.SSTab1->tabBar(), Qt::Key_Right);

    ASSERT_EQ(dialog.SSTab1->currentIndex(), 1);
    EXPECT_EQ(dialog.CurrentFileName().toStdString(), File(2));
    EXPECT_EQ(Cell(dialog, 1, 1).trimmed(), "P2");
    QTest::keyClick(dialog.SSTab1->tabBar(), Qt::Key_Right);
    EXPECT_EQ(dialog.SSTab1->currentIndex(), 2);
    EXPECT_EQ(Cell(dialog, 0, 1), "");
    dialog.close();
}

TEST_F(TopScoreDialog, MouseOnTheTabsLoadsTheirTables) {
    WriteTable(3, 3);
    frmScores2 dialog(program, &anchor, Recorder());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTabBar* tabs = dialog.SSTab1->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    ASSERT_EQ(dialog.SSTab1->currentIndex(), 2);
    EXPECT_EQ(Cell(dialog, 2, 1).trimmed(), "P3");
    dialog.close();
}

TEST_F(TopScoreDialog, GridLinesChoiceSurvivesAReopen) {
    program.Settings.ShowGridLines = true;
    {
        frmScores2 dialog(program, &anchor, Recorder());
        EXPECT_TRUE(dialog.Check1->isChecked());
        EXPECT_TRUE(dialog.LVScores->showGrid());
        dialog.Check1->click();
        EXPECT_FALSE(dialog.LVScores->showGrid());
        dialog.show();
        dialog.cmdReturn->click();
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_FALSE(program.Settings.ShowGridLines);
    frmScores2 again(program, &anchor, Recorder());
    EXPECT_FALSE(again.Check1->isChecked());
    EXPECT_FALSE(again.LVScores->showGrid());
    // Escape closes it too, and keeps the choice the same way.
    again.show();
    again.Check1->click();
    QTest::keyClick(&again, Qt::Key_Escape);
    EXPECT_TRUE(program.Settings.ShowGridLines);
}

TEST_F(TopScoreDialog, CentresOverTheWindowThatOpenedIt) {
    frmScores2 dialog(program, &anchor, Recorder());
    const QPoint centre = anchor.frameGeometry().center();
    EXPECT_NEAR(dialog.x() + dialog.width() / 2, centre.x(), 2);
    EXPECT_NEAR(dialog.y() + dialog.height() / 2, centre.y(), 2);
}

} // namespace
