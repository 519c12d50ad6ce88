// The board window under the mouse: the row highlight of the cell buttons
// with its mouse capture, the one-column row pictures, and the pressed look
// of the roll picture.
#include "BoardWindow.h"

namespace {

using testing_support::BoardWindowTest;

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
    EXPECT_EQ(QWidget::mouseGrabber(), W("cmdRand(3)")) << "the button holds the capture";
    EXPECT_TRUE(Shows(W("cmdRand(3)"), "cellButton")) << "four columns keep their picture";

    // Straight onto the neighbour below: the first move still goes to the
    // hovered button, lies outside it and ends its highlight; the next move
    // highlights the neighbour's row.
    MoveToMiddle("cmdRand(4)");
    EXPECT_EQ(HighlightedRows(), 0);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    MoveToMiddle("cmdRand(4)", 1);
    EXPECT_TRUE(Highlighted(4));
    EXPECT_EQ(QWidget::mouseGrabber(), W("cmdRand(4)"));

    // Across to another column in the same row: the same rule.
    MoveToMiddle("cmdOblg(4)");
    EXPECT_FALSE(Highlighted(4));
    MoveToMiddle("cmdOblg(4)", 1);
    EXPECT_TRUE(Highlighted(4));
    EXPECT_EQ(QWidget::mouseGrabber(), W("cmdOblg(4)"));

    // The right and bottom edges still count as inside; one further is out.
    QWidget* oblg = W("cmdOblg(4)");
    const double scale = window->View()->Scale();
    ASSERT_NEAR(oblg->width() / scale, Model().cmdOblg[4].Width, 1e-6);
    ASSERT_NEAR(oblg->height() / scale, Model().cmdOblg[4].Height, 1e-6);
    MoveTo("cmdOblg(4)", QPoint(oblg->width(), oblg->height()));
    EXPECT_TRUE(Highlighted(4));
    MoveTo("cmdOblg(4)", QPoint(oblg->width() + 1, oblg->height()));
    EXPECT_FALSE(Highlighted(4));
    EXPECT_FALSE(Model().HoverActive);

    // Far away: onto the dice area.
    MoveToMiddle("cmdRand(8)");
    EXPECT_TRUE(Highlighted(8));
    MoveToMiddle("picDice(0)");
    EXPECT_EQ(HighlightedRows(), 0);
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
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

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

} // namespace
