// The board window's layout as it stands on screen, for every mix of five or
// six dice, one or four columns and one or two players: each widget's place,
// read back in twips from its pixels, is its control's place in the model,
// the model's places are those of the layout tables, and the window's size
// is the model's Width and Height less the frame and title bar. In a window
// forced narrow, the toolbar's chevron opens the buttons that do not fit.
#include "BoardWindow.h"
#include "board/model/Design.h"
#include "game/ControlList.h"

#include <QMenuBar>
#include <QStatusBar>
#include <cmath>
#include <tuple>

namespace {

using testing_support::BoardWindowTest;

struct LayoutCase {
    int lastDie; // 4 = five dice, 5 = six
    int columns;
    int players;
    bool statusBar = true;
};

std::string CaseName(const ::testing::TestParamInfo<LayoutCase>& info) {
    const LayoutCase& c = info.param;
    return std::to_string(c.lastDie + 1) + "Dice" + std::to_string(c.columns) + "Columns" +
           std::to_string(c.players) + "Players" + (c.statusBar ? "" : "NoStatusBar");
}

class BoardLayout : public BoardWindowTest, public ::testing::WithParamInterface<LayoutCase> {
protected:
    void SetUp() override {
        BoardWindowTest::SetUp();
        const LayoutCase c = GetParam();
        Open(c.lastDie, c.columns, c.players,
             [&](game::GameSettings& s) { s.ShowStatusBar = c.statusBar; });
        scale = window->View()->Scale();
        menuHeight = window->menuBar()->height();
    }

    // A widget's rectangle in twips of the client area (origin just below
    // the menu bar), read back from its pixels.
    struct Twips {
        double left, top, width, height;
    };
    Twips Placed(QWidget* widget) const {
        const QPoint corner = widget->mapTo(window.get(), QPoint(0, 0)) - QPoint(0, menuHeight);
        return {corner.x() / scale, corner.y() / scale, widget->width() / scale,
                widget->height() / scale};
    }

    // Rounding to whole pixels moves an edge by at most half a pixel.
    double Slack() const { return 0.5 / scale + 0.01; }

    double scale = 1.0;
    int menuHeight = 0;
};

TEST_P(BoardLayout, EveryWidgetStandsWhereItsControlIs) {
    int checked = 0;
    for (const game::NamedControl& named : game::ListControls(Model())) {
        if (named.kind == game::ControlKind::Holder) {
            continue;
        }
        SCOPED_TRACE(named.name);
        const game::Control& c = *named.control;
        QWidget* widget = W(named.name);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->isVisible(), c.Visible);
        if (!c.Visible) {
            continue;
        }
        const Twips t = Placed(widget);
        EXPECT_NEAR(t.left, c.Left, Slack());
        EXPECT_NEAR(t.top, c.Top, Slack());
        EXPECT_NEAR(t.left + t.width, c.Left + c.Width, Slack());
        EXPECT_NEAR(t.top + t.height, c.Top + c.Height, Slack());
        ++checked;
    }
    EXPECT_GT(checked, 60);
}

TEST_P(BoardLayout, ControlsStandAsTheLayoutTablesSay) {
    const LayoutCase c = GetParam();
    const game::Board& b = Model();
    const game::Board design; // the window as designed, before any layout
    const bool six = c.lastDie == 5;
    const bool four = c.columns == 4;

    // Dice: with five the second row holds two dice centred under the first.
    EXPECT_EQ(b.picDice[5].Visible, six);
    EXPECT_EQ(b.Shape5.Visible, six);
    EXPECT_EQ(b.picDice[4].Left, six ? 1150 : 1602);
    EXPECT_EQ(b.PicDiceOff[4].Left, six ? 1150 : 1602);
    EXPECT_EQ(b.picDice[3].Left, six ? 245 : 697);
    EXPECT_EQ(b.Shape3.Left, six ? 247 : 697);
    EXPECT_EQ(b.Shape4.Left, six ? 1150 : 1602);
    for (int die = 0; die < 3; ++die) {
        EXPECT_EQ(b.picDice[die].Left, design.picDice[die].Left);
    }

    // Columns.
    for (int row = 0; row < 13; ++row) {
        EXPECT_EQ(b.cmdRand[row].Left, four ? 3405 : 2205);
        EXPECT_EQ(b.cmdRand[row].Width, four ? 600 : 2400);
        EXPECT_EQ(b.lblRand[row].Left, four ? 3405 : 2205);
        EXPECT_EQ(b.lblRand[row].Width, four ? 600 : 2400);
        EXPECT_EQ(b.cmdDown[row].Visible, four);
        EXPECT_EQ(b.lblOblg[row].Visible, four);
        EXPECT_EQ(b.cmdDown[row].Left, 2205);
        EXPECT_EQ(b.cmdUp[row].Left, 2805);
        EXPECT_EQ(b.cmdOblg[row].Left, 4005);
        EXPECT_EQ(b.cmdOblg[row].Left + b.cmdOblg[row].Width, 4605);
    }
    EXPECT_EQ(b.lblRandTot.Visible, four);
    EXPECT_EQ(b.Label13.Visible, four);
    EXPECT_EQ(b.imgArrow.Visible, four);
    EXPECT_EQ(b.imgArrow2.Visible, !four);
    EXPECT_EQ(b.lblGrandTotal.Left, 2205);
    EXPECT_EQ(b.lblGrandTotal.Width, 2400);
    EXPECT_EQ(b.Picture2.Height, four ? 4740 : 4505);

    // The lower board: up by 250 in the one-column game, the grand total by 270.
    const int d = four ? 0 : -250;
    const int e = four ? 0 : -270;
    EXPECT_EQ(b.Shape10.Height, design.Shape10.Height + d);
    EXPECT_EQ(b.Shape11.Top, design.Shape11.Top + e);
    EXPECT_EQ(b.lblGrandTotal.Top, design.lblGrandTotal.Top + e);
    EXPECT_EQ(b.Label2.Top, design.Label2.Top + d);
    EXPECT_EQ(b.picRollDices.Top, design.picRollDices.Top + d);
    for (int die = 0; die < 6; ++die) {
        EXPECT_EQ(b.picDice[die].Top, design.picDice[die].Top + d);
    }
    EXPECT_EQ(b.Shape6.Top, 5655 + d);
    EXPECT_EQ(b.Shape3.Top, 6575 + d);
    EXPECT_EQ(b.Line6.Y1, design.Line6.Y1 + d);

    // Window and caption.
    EXPECT_EQ(b.Width, 4900);
    int height = 0;
    if (c.players == 2) {
        height = four ? 8530 : 8300;
    } else if (c.statusBar) {
        height = four ? 8530 : 8270;
    } else {
        height = four ? 8300 : 8030;
    }
    EXPECT_EQ(b.Height, height);
    EXPECT_EQ(window->windowTitle().toStdString(),
              c.players == 2 ? "Quorvane - Player 1" : "Quorvane 2.0");
}

TEST_P(BoardLayout, TheWindowIsTheModelsSizeLessFrameAndTitleBar) {
    const game::Board& b = Model();
    const double slack = 1.0 / scale + 0.01;
    EXPECT_NEAR(window->width() / scale, game::ClientWidthTwips(b.Width), slack);
    EXPECT_NEAR((window->height() - menuHeight) / scale, game::ClientHeightTwips(b.Height), slack);
    // The toolbar at the client area's top, the status bar at its bottom.
    const Twips toolbar = Placed(window->Toolbar());
    EXPECT_NEAR(toolbar.top, 0, slack);
    EXPECT_NEAR(toolbar.height, game::DesignToolbarTwips, slack);
    QStatusBar* bar = window->statusBar();
    EXPECT_EQ(bar->isVisible(), b.StatusBar1.Visible);
    if (bar->isVisible()) {
        const Twips status = Placed(bar);
        EXPECT_NEAR(status.top, game::StatusBarTopTwips(b.Height), slack);
        EXPECT_NEAR(status.top + status.height, game::ClientHeightTwips(b.Height), slack);
    }
    // Nothing of the board reaches under the status bar or past the right edge.
    for (const game::NamedControl& named : game::ListControls(Model())) {
        if (named.kind == game::ControlKind::Holder || !named.control->Visible) {
            continue;
        }
        QWidget* widget = W(named.name);
        const QRect inWindow(widget->mapTo(window.get(), QPoint(0, 0)), widget->size());
        EXPECT_LE(inWindow.right(), window->width() - 1) << named.name;
        if (bar->isVisible()) {
            EXPECT_LE(inWindow.bottom(), bar->mapTo(window.get(), QPoint(0, 0)).y() - 1)
                << named.name;
        } else {
            EXPECT_LE(inWindow.bottom(), window->height() - 1) << named.name;
        }
    }
}

TEST_P(BoardLayout, StatusPanelsFollowThePlayerCount) {
    const LayoutCase c = GetParam();
    const double slack = 1.0 / scale + 0.01;
    // A panel starts where the panels before it end and is as wide as its
    // width, less a gap of two pixels at most before the next one.
    auto expectPanel = [&](int panel, bool shown, int left, int width) {
        SCOPED_TRACE(panel);
        QLabel* label = window->Panel(panel);
        EXPECT_EQ(label->isVisible(), shown && window->statusBar()->isVisible());
        if (shown) {
            const Twips t = Placed(label);
            EXPECT_NEAR(t.left, left, slack);
            EXPECT_LE(t.width, width + slack);
            EXPECT_GE(t.width, width - 2 / scale - slack);
        }
    };
    const int clientWidth = game::ClientWidthTwips(4900);
    expectPanel(5, true, clientWidth - 998, 998);
    if (c.players == 2) {
        EXPECT_TRUE(window->statusBar()->isVisible()) << "shown for two players always";
        expectPanel(1, true, 0, 2000);
        expectPanel(2, false, 0, 0);
        expectPanel(3, true, 2000, 1630);
        expectPanel(4, false, 0, 0);
        EXPECT_EQ(PanelText(1), "Player 1  ");
        EXPECT_EQ(PanelText(3), "0 : 0");
    } else {
        EXPECT_EQ(window->statusBar()->isVisible(), c.statusBar);
        expectPanel(1, false, 0, 0);
        expectPanel(2, true, 0, 2550);
        expectPanel(3, false, 0, 0);
        expectPanel(4, true, 2550, 1230);
        EXPECT_EQ(PanelText(2), "Roll the dice");
        EXPECT_FALSE(W("cmdNextPlayer")->isVisible());
    }
}

class BoardToolbarOverflow : public BoardWindowTest {
protected:
    QToolButton* Tool(const char* key) {
        return qobject_cast<QToolButton*>(window->Toolbar()->widgetForAction(Action(key)));
    }

    // Every button of the toolbar is shown, inside the toolbar, and the
    // topmost widget at its centre: a click there reaches it.
    void ExpectEveryButtonClickable() {
        QToolBar* toolbar = window->Toolbar();
        for (const char* key :
             {"tbNew", "tbUndo", "tbRedo", "tbHint", "tbSound", "tbHelp", "tbExit"}) {
            QToolButton* button = Tool(key);
            ASSERT_NE(button, nullptr) << key;
            EXPECT_TRUE(button->isVisible()) << key;
            EXPECT_TRUE(toolbar->rect().contains(button->geometry())) << key;
            const QPoint centre = button->mapTo(window.get(), button->rect().center());
            EXPECT_EQ(window->childAt(centre), button) << key;
        }
    }
};

TEST_F(BoardToolbarOverflow, OpensItsHiddenButtonsAndLeavesNoChevronOnceWideAgain) {
    Open(4, 4, 1);
    QToolBar* toolbar = window->Toolbar();
    auto* more = toolbar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
    ASSERT_NE(more, nullptr);
    const QSize size = window->size();
    const QRect toolbarPlace = toolbar->geometry();
    const QPoint boardAt = window->View()->mapTo(window.get(), QPoint(0, 0));
    EXPECT_FALSE(more->isVisible());

    // Forced narrow, as a window manager may do: the last buttons move
    // behind the chevron, which opens them in a row over the board.
    window->setFixedSize(150, size.height());
    ASSERT_TRUE(more->isVisible());
    EXPECT_FALSE(Tool("tbExit")->isVisible());
    QTest::mouseClick(more, Qt::LeftButton, {}, more->rect().center());
    ExpectEveryButtonClickable();
    EXPECT_EQ(window->View()->mapTo(window.get(), QPoint(0, 0)), boardAt);
    ClickTool("tbHelp");
    EXPECT_EQ(quickStarts, 1);

    // Back to its own size with the row still open, then the row closed:
    // the toolbar is as it was, with no chevron left.
    window->SyncAll();
    EXPECT_EQ(window->size(), size);
    QTest::mouseClick(more, Qt::LeftButton, {}, more->rect().center());
    EXPECT_FALSE(more->isVisible());
    ExpectEveryButtonClickable();
    EXPECT_EQ(toolbar->geometry(), toolbarPlace);
    EXPECT_EQ(window->View()->mapTo(window.get(), QPoint(0, 0)), boardAt);
}

INSTANTIATE_TEST_SUITE_P(AllLayouts, BoardLayout,
                         ::testing::Values(LayoutCase{4, 4, 1}, LayoutCase{5, 4, 1},
                                           LayoutCase{4, 1, 1}, LayoutCase{5, 1, 1},
                                           LayoutCase{4, 4, 2}, LayoutCase{5, 4, 2},
                                           LayoutCase{4, 1, 2}, LayoutCase{5, 1, 2},
                                           LayoutCase{4, 4, 1, false}, LayoutCase{5, 1, 1, false},
                                           LayoutCase{4, 1, 2, false}),
                         CaseName);

} // namespace
