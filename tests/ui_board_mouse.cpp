// The board window under the mouse: the row highlight of the cell buttons
// with its mouse capture, the one-column row pictures, the pressed look of
// the roll picture, and the modal windows that open while the pointer rests
// on a cell.
#include "BoardWindow.h"
#include "Pointer.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QWindow>

namespace {

using testing_support::BoardWindowTest;
using testing_support::PointerClick;
using testing_support::PointerMoveTo;
using testing_support::PointerPark;

class BoardMouse : public BoardWindowTest {
protected:
    void MoveTo(const std::string& name, QPoint at) { QTest::mouseMove(W(name), at); }
    // A move to the same place as the last one is no move at all, so a
    // second move over a button goes one pixel to the right.
    void MoveToMiddle(const std::string& name, int nudge = 0) {
        MoveTo(name, W(name)->rect().center() + QPoint(nudge, 0));
    }

    // The row name is drawn in the tool-tip colours while its row is hovered.
    bool Highlighted(int row) {
        QWidget* label = W(Named("lblOption", row));
        const QColor back = label->palette().color(QPalette::Window);
        const QColor text = label->palette().color(QPalette::WindowText);
        const QColor tipBack = window->View()->palette().color(QPalette::ToolTipBase);
        const bool lit = back == tipBack && text == QColor(Qt::black);
        const bool normal = back == QColor(Qt::black) && text == QColor(Qt::white);
        EXPECT_TRUE(lit || normal) << "row " << row << " in neither look";
        return lit;
    }

    int HighlightedRows() {
        int n = 0;
        for (int row = 0; row < 13; ++row) {
            n += Highlighted(row) ? 1 : 0;
        }
        return n;
    }
};

TEST_F(BoardMouse, TheRowUnderThePointerIsHighlightedUntilThePointerLeavesItsButton) {
    Open(4, 4, 1);
    // Before the first roll the cells are disabled and take no mouse moves.
    MoveToMiddle("cmdRand(3)");
    EXPECT_EQ(HighlightedRows(), 0);

    Roll({1, 2, 3, 4, 6});
    MoveToMiddle("cmdRand(3)", 1);
    EXPECT_TRUE(Highlighted(3));
    EXPECT_EQ(HighlightedRows(), 1);
    EXPECT_TRUE(Model().HoverActive);
    EXPECT_EQ(Model().CaptureColumn, game::colRand) << "the button holds the capture";
    EXPECT_EQ(Model().CaptureRow, 3);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr) << "the capture grabs no pointer";
    EXPECT_TRUE(Shows(W("cmdRand(3)"), "cellButton")) << "four columns keep their picture";

    // Straight onto the neighbour below: the first move still goes to the
    // hovered button, lies outside it and ends its highlight; the next move
    // highlights the neighbour's row.
    MoveToMiddle("cmdRand(4)");
    EXPECT_EQ(HighlightedRows(), 0);
    EXPECT_EQ(Model().CaptureColumn, game::colNone);
    MoveToMiddle("cmdRand(4)", 1);
    EXPECT_TRUE(Highlighted(4));
    EXPECT_EQ(Model().CaptureRow, 4);

    // Across to another column in the same row: the same rule.
    MoveToMiddle("cmdOblg(4)");
    EXPECT_FALSE(Highlighted(4));
    MoveToMiddle("cmdOblg(4)", 1);
    EXPECT_TRUE(Highlighted(4));
    EXPECT_EQ(Model().CaptureColumn, game::colOblg);

    // Moves reach the game in twips from the button's corner: the button's
    // last pixel lies inside it.
    QWidget* oblg = W("cmdOblg(4)");
    const double scale = window->View()->Scale();
    ASSERT_NEAR(oblg->width() / scale, Model().cmdOblg[4].Width, 1e-6);
    ASSERT_NEAR(oblg->height() / scale, Model().cmdOblg[4].Height, 1e-6);
    MoveTo("cmdOblg(4)", QPoint(oblg->width() - 1, oblg->height() - 1));
    EXPECT_TRUE(Highlighted(4));

    // Away from the cells, onto the dice: the pointer has left the button,
    // which counts once the event has been handled.
    MoveToMiddle("picDice(0)");
    QCoreApplication::processEvents();
    EXPECT_EQ(HighlightedRows(), 0);
    EXPECT_FALSE(Model().HoverActive);
    EXPECT_EQ(Model().CaptureColumn, game::colNone);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(BoardMouse, AClickOnTheHoveredCellEndsTheHighlight) {
    Open(4, 4, 1);
    Roll({5, 5, 5, 1, 2});
    MoveToMiddle("cmdRand(4)");
    ASSERT_TRUE(Highlighted(4));
    Click("cmdRand(4)");
    EXPECT_EQ(Text("lblRand(4)"), "15");
    EXPECT_EQ(HighlightedRows(), 0);
    EXPECT_FALSE(Model().HoverActive);
    EXPECT_EQ(Model().CaptureColumn, game::colNone);

    // An announced Oblg cell stays shown and lights again on the next move.
    Roll({3, 3, 3, 1, 2});
    MoveToMiddle("cmdOblg(2)");
    Click("cmdOblg(2)");
    EXPECT_TRUE(Model().Announced);
    EXPECT_TRUE(W("cmdOblg(2)")->isVisible());
    EXPECT_EQ(HighlightedRows(), 0);
    MoveTo("cmdOblg(2)", QPoint(3, 3));
    EXPECT_TRUE(Highlighted(2));
}

TEST_F(BoardMouse, OneColumnButtonsShowTheirHotPictureWhileHovered) {
    Open(4, 1, 1);
    for (int row : {0, 6, 12}) {
        EXPECT_TRUE(Shows(W(Named("cmdRand", row)), "row" + std::to_string(row)));
    }
    Roll({2, 3, 4, 5, 6});
    MoveToMiddle("cmdRand(6)");
    EXPECT_TRUE(Highlighted(6));
    EXPECT_TRUE(Shows(W("cmdRand(6)"), "row6hot"));
    MoveToMiddle("cmdRand(7)");
    EXPECT_TRUE(Shows(W("cmdRand(6)"), "row6"));
    EXPECT_EQ(HighlightedRows(), 0);
    MoveToMiddle("cmdRand(7)", 1);
    EXPECT_TRUE(Shows(W("cmdRand(7)"), "row7hot"));

    // Writing the hovered row gives the button its plain picture back.
    Click("cmdRand(7)");
    EXPECT_EQ(Text("lblRand(7)"), "20");
    EXPECT_EQ(Model().cmdRand[7].Picture, "row7");
    EXPECT_EQ(HighlightedRows(), 0);
}

TEST_F(BoardMouse, TheRollPictureLooksPressedWhileTheButtonIsDown) {
    Open(4, 4, 1);
    QWidget* roll = W("picRollDices");
    EXPECT_TRUE(Shows(roll, "roll"));
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(n);
        QTest::mousePress(roll, Qt::LeftButton, {}, roll->rect().center());
        EXPECT_TRUE(Shows(roll, "rollPressed"));
        EXPECT_EQ(Model().RollCount, n - 1) << "the press alone does not roll";
        ScriptRoll({6, 5, 4, 3, 2});
        QTest::mouseRelease(roll, Qt::LeftButton, {}, roll->rect().center());
        EXPECT_TRUE(randoms.empty());
        EXPECT_EQ(Model().RollCount, n);
        EXPECT_TRUE(Shows(roll, n < 3 ? "roll" : "rollOff"));
    }
    // After the third roll the picture is off and a press changes nothing.
    EXPECT_FALSE(roll->isEnabled());
    QTest::mousePress(roll, Qt::LeftButton, {}, roll->rect().center());
    EXPECT_TRUE(Shows(roll, "rollOff"));
    QTest::mouseRelease(roll, Qt::LeftButton, {}, roll->rect().center());
    EXPECT_EQ(Model().RollCount, 3);
    EXPECT_EQ(unscriptedDraws, 0);

    // A press with the right button shows the pressed look too.
    Click("cmdRand(0)");
    QTest::mousePress(roll, Qt::RightButton, {}, roll->rect().center());
    EXPECT_TRUE(Shows(roll, "rollPressed"));
    ScriptRoll({1, 1, 1, 1, 1});
    QTest::mouseRelease(roll, Qt::RightButton, {}, roll->rect().center());
    randoms.clear();
}

// The board's modal windows answered with the mouse, the pointer resting on
// a cell when they open. On an X server the clicks go through the server, so
// a pointer grab kept by the board would take them away from the window.
class BoardModals : public BoardMouse {
protected:
    struct Expected {
        const char* window; // class name
        const char* button; // object name of the button to click
    };
    struct Seen {
        std::string window;
        bool boardGrabsMouse = false;
        bool boardCaptures = false;
        bool answeredByClick = false;
    };
    std::vector<Seen> seen;
    bool answering = false;

    void SetUp() override {
        BoardMouse::SetUp();
        realDialogs = true;
        PointerPark();
    }

    // Answers the modal windows that open from now on, in turn, by a click
    // on the named button of each. A window that the click has not answered
    // after five seconds is answered by pressing the button in code, so
    // that the test goes on and fails rather than hangs; any window not
    // expected is rejected.
    void AnswerWithThePointer(std::vector<Expected> expected) {
        seen.clear();
        answering = true;
        auto* poll = new QTimer(window.get());
        poll->setInterval(20);
        // The window clicked last, while it is open.
        QPointer<QWidget> current;
        bool waiting = false;
        QPointer<QAbstractButton> button;
        QElapsedTimer clicked;
        bool rescued = false;
        std::size_t next = 0;
        QObject::connect(poll, &QTimer::timeout, poll, [=, this]() mutable {
            QWidget* modal = QApplication::activeModalWidget();
            if (waiting && (!current || modal != current)) {
                seen.back().answeredByClick = !rescued;
                waiting = false;
            }
            if (modal == nullptr || (waiting && modal == current)) {
                if (waiting && !rescued && clicked.elapsed() > 5000 && button) {
                    rescued = true;
                    button->click();
                }
                if (!waiting && next == expected.size()) {
                    answering = false;
                    poll->deleteLater();
                }
                return;
            }
            if (!modal->isVisible() || !modal->windowHandle() ||
                !modal->windowHandle()->isExposed()) {
                return;
            }
            Seen s;
            s.window = modal->metaObject()->className();
            s.boardGrabsMouse = QWidget::mouseGrabber() != nullptr;
            s.boardCaptures = Model().CaptureColumn != game::colNone;
            seen.push_back(s);
            if (next == expected.size() || s.window != expected[next].window) {
                if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                    dialog->reject();
                }
                return;
            }
            button = modal->findChild<QAbstractButton*>(expected[next].button);
            ++next;
            ASSERT_NE(button, nullptr) << s.window;
            current = modal;
            waiting = true;
            rescued = false;
            clicked.start();
            PointerClick(button, button->rect().center());
        });
        poll->start();
    }

    // Waits until every expected window has been answered, then checks
    // that each opened in turn with the board letting go of the mouse, and
    // that the click answered it.
    void ExpectAnsweredByClicks(const std::vector<std::string>& windows) {
        QTRY_VERIFY_WITH_TIMEOUT(!answering, 30000);
        ASSERT_EQ(seen.size(), windows.size());
        for (std::size_t i = 0; i < windows.size(); ++i) {
            SCOPED_TRACE(windows[i]);
            EXPECT_EQ(seen[i].window, windows[i]);
            EXPECT_FALSE(seen[i].boardGrabsMouse) << "a widget of the board grabs the mouse";
            EXPECT_FALSE(seen[i].boardCaptures) << "the board's model keeps the capture";
            EXPECT_TRUE(seen[i].answeredByClick) << "the click did not reach the window";
        }
    }

    // The pointer comes to rest on a cell and lights its row.
    void RestOn(const std::string& name, int row) {
        QWidget* cell = W(name);
        PointerMoveTo(cell, cell->rect().center());
        PointerMoveTo(cell, cell->rect().center() + QPoint(1, 0));
        QTRY_VERIFY(Highlighted(row));
    }

    void ExpectNothingHeld() {
        EXPECT_EQ(HighlightedRows(), 0);
        EXPECT_FALSE(Model().HoverActive);
        EXPECT_EQ(Model().CaptureColumn, game::colNone);
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    }
};

TEST_F(BoardModals, TheEndOfAOnePlayerGameIsAnsweredWithTheMouse) {
    Open(4, 1, 1);
    for (int row = 0; row < 12; ++row) {
        Roll({1, 2, 3, 4, 6});
        Click(Named("cmdRand", row));
    }
    Roll({5, 5, 5, 5, 5});
    RestOn("cmdRand(12)", 12);
    AnswerWithThePointer({{"shell::frmEndGame", "cmdFinish"}, {"shell::frmScores2", "cmdReturn"}});
    PointerClick(W("cmdRand(12)"), W("cmdRand(12)")->rect().center());
    ExpectAnsweredByClicks({"shell::frmEndGame", "shell::frmScores2"});
    EXPECT_TRUE(Model().GameIsOver);
    EXPECT_EQ(Text("lblRand(12)"), "100");
    ExpectNothingHeld();

    // New Game by its key, the pointer still resting there: a fresh board,
    // no row lit and nothing held.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Key(Qt::Key_F2);
    EXPECT_FALSE(Model().GameIsOver);
    ExpectNothingHeld();
}

TEST_F(BoardModals, TheEndOfATwoPlayerGameIsAnsweredWithTheMouse) {
    Open(4, 1, 2);
    for (int row = 0; row < 13; ++row) {
        SCOPED_TRACE(row);
        ScriptRoll({1, 1, 2, 3, 4});
        if (row == 0) {
            Key(Qt::Key_Return);
        } else {
            Click("cmdNextPlayer");
        }
        const std::string cell = Named("cmdRand", row);
        if (row < 12) {
            Click(cell);
        } else {
            // Player 1's last box: the question, then the table that the
            // total took a place in.
            RestOn(cell, row);
            AnswerWithThePointer(
                {{"shell::frmEndGame", "cmdFinish"}, {"shell::frmScores2", "cmdReturn"}});
            PointerClick(W(cell), W(cell)->rect().center());
            ExpectAnsweredByClicks({"shell::frmEndGame", "shell::frmScores2"});
            ExpectNothingHeld();
        }
        ScriptRoll({2, 2, 2, 3, 4});
        Key(Qt::Key_Return);
        ASSERT_EQ(window->windowTitle(), "Quorvane - Player 2");
        if (row < 12) {
            Click(cell);
        } else {
            // Player 2's last box: the question, the table, the winner.
            RestOn(cell, row);
            AnswerWithThePointer({{"shell::frmEndGame", "cmdFinish"},
                                  {"shell::frmScores2", "cmdReturn"},
                                  {"shell::frmTheWinerIs", "cmdClose"}});
            PointerClick(W(cell), W(cell)->rect().center());
            ExpectAnsweredByClicks(
                {"shell::frmEndGame", "shell::frmScores2", "shell::frmTheWinerIs"});
        }
    }
    EXPECT_TRUE(Model().GameIsOver);
    EXPECT_TRUE(W("cmdShowNextBoard")->isVisible());
    ExpectNothingHeld();
}

TEST_F(BoardModals, OptionsOpenedByAKeyOverACellAreAnsweredWithTheMouse) {
    Open(4, 4, 1);
    Roll({1, 2, 3, 4, 6});
    RestOn("cmdRand(3)", 3);
    AnswerWithThePointer({{"shell::frmOptions", "HoverCommand2"}});
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    ExpectAnsweredByClicks({"shell::frmOptions"});
    ExpectNothingHeld();
}

} // namespace
