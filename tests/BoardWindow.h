// The real board window for the window tests: first-run settings in a
// private option store, a temporary program folder, dice whose faces the
// test scripts, pauses that do not wait, and hooks that record every sound,
// settings save and end-of-game dialog. Helpers click, press keys and move
// the mouse over the window's widgets by their control names.
#pragma once

#include "IsolatedSettings.h"
#include "TempFolder.h"
#include "board/BoardView.h"
#include "board/PictureSource.h"
#include "board/frmQuorvane.h"
#include "game/Program.h"
#include "shell/AppWindows.h"
#include "shell/Settings.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace testing_support {

class BoardWindowTest : public IsolatedSettings {
protected:
    // What the window asked of the rest of the program.
    std::vector<std::string> sounds; // waiting plays are prefixed "sync:"
    std::vector<int> waits;
    int saves = 0;
    int finishQuestions = 0;
    int topScoreDialogs = 0;
    int winnerDialogs = 0;
    int quickStarts = 0;
    int unscriptedDraws = 0;
    std::deque<bool> finishAnswers; // empty: Finish Game
    std::deque<double> randoms;
    // Runs inside the game's handler whenever it starts a sound.
    std::function<void(const std::string&)> onSound;
    // When set before Open: the end-of-game dialogs and the options dialog
    // are the game's own modal windows, not the recording hooks.
    bool realDialogs = false;

    TempFolder programFolder;
    game::Program program;
    std::unique_ptr<ui::frmQuorvane> window;

    // Opens the board as start-up would, with first-run settings changed by
    // the arguments (lastDie 4 = five dice, 5 = six) and by `tweak`.
    ui::frmQuorvane& Open(int lastDie, int columns, int players,
                          const std::function<void(game::GameSettings&)>& tweak = {}) {
        program.Settings = game::GameSettings::FirstRunDefaults();
        program.Settings.ShowDialog = false;
        program.Settings.NumberOfDice = lastDie;
        program.Settings.NumberOfColumns = columns;
        program.Settings.NumberOfPlayers = players;
        if (tweak) {
            tweak(program.Settings);
        }
        program.AppPath = programFolder.appPath();
        program.ScoresPath = programFolder.appPath();

        ui::BoardServices s;
        s.playSoundAsync = [this](const std::string& name) {
            sounds.push_back(name);
            if (onSound) {
                onSound(name);
            }
        };
        s.playSoundSync = [this](const std::string& name) { sounds.push_back("sync:" + name); };
        s.saveSettings = [this] {
            ++saves;
            shell::SaveSettings(program.Settings);
        };
        s.askFinishGame = [this](QWidget*) {
            ++finishQuestions;
            if (finishAnswers.empty()) {
                return true;
            }
            const bool answer = finishAnswers.front();
            finishAnswers.pop_front();
            return answer;
        };
        s.showTopScores = [this](QWidget*) { ++topScoreDialogs; };
        s.showWinner = [this](QWidget*, const game::WinnerTexts&) { ++winnerDialogs; };
        s.openQuickStart = [this](QWidget*) { ++quickStarts; };
        s.random = [this] {
            if (randoms.empty()) {
                ++unscriptedDraws;
                return 0.0;
            }
            const double r = randoms.front();
            randoms.pop_front();
            return r;
        };
        s.wait = [this](int ms) { waits.push_back(ms); };
        if (realDialogs) {
            const ui::BoardServices real = shell::BoardServicesFor(program);
            s.askFinishGame = real.askFinishGame;
            s.showTopScores = real.showTopScores;
            s.showWinner = real.showWinner;
            s.openOptions = real.openOptions;
        }

        window = std::make_unique<ui::frmQuorvane>(program, std::move(s));
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    void TearDown() override {
        if (window) {
            // Leave without the exit question.
            program.Settings.ConfirmOnExit = false;
            window->close();
            window.reset();
        }
        IsolatedSettings::TearDown();
    }

    game::Board& Model() { return window->Model(); }

    QWidget* W(const std::string& name) {
        QWidget* widget = window->View()->WidgetFor(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    static std::string Named(const char* array, int index) {
        return std::string(array) + "(" + std::to_string(index) + ")";
    }

    // A left click in the middle of a widget, as a player makes it.
    void Click(const std::string& name) {
        QWidget* widget = W(name);
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

    // The faces of the free dice, in die order, for the next throw: nine
    // animation frames of one number per free die, then one per free die.
    void ScriptRoll(std::initializer_list<int> faces) {
        for (int frame = 0; frame < 9; ++frame) {
            for (std::size_t die = 0; die < faces.size(); ++die) {
                randoms.push_back(0.5);
            }
        }
        for (int face : faces) {
            randoms.push_back((face - 1 + 0.5) / 6.0);
        }
    }

    // Rolls by clicking the roll picture; every scripted number must be used.
    void Roll(std::initializer_list<int> faces) {
        ScriptRoll(faces);
        Click("picRollDices");
        EXPECT_TRUE(randoms.empty()) << "the roll drew fewer numbers than scripted";
        EXPECT_EQ(unscriptedDraws, 0) << "the roll drew more numbers than scripted";
        randoms.clear();
        unscriptedDraws = 0;
    }

    // A key pressed while the board is the active window: it goes where the
    // application sends keys, the focused widget if any.
    void Key(Qt::Key key) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : window.get(), key);
    }

    QAction* Action(const std::string& key) {
        QAction* action = window->ActionFor(key);
        if (!action) {
            action = window->findChild<QAction*>(QString::fromStdString(key));
        }
        EXPECT_NE(action, nullptr) << key;
        return action;
    }

    // Clicks the toolbar button of a key ("tbUndo").
    void ClickTool(const std::string& key) {
        QWidget* button = window->Toolbar()->widgetForAction(Action(key));
        ASSERT_NE(button, nullptr) << key;
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }

    // Chooses a menu item as a player does: opens its menu and clicks it. An
    // item that is hidden or disabled cannot be chosen.
    void Choose(const std::string& key) {
        QAction* action = Action(key);
        QMenu* menu = nullptr;
        for (QAction* top : window->menuBar()->actions()) {
            if (top->menu() && top->menu()->actions().contains(action)) {
                menu = top->menu();
            }
        }
        ASSERT_NE(menu, nullptr) << key;
        ASSERT_TRUE(action->isVisible()) << key << " is hidden";
        menu->popup(window->mapToGlobal(QPoint(10, 10)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        const QRect place = menu->actionGeometry(action);
        ASSERT_TRUE(place.isValid()) << key;
        QTest::mouseClick(menu, Qt::LeftButton, {}, place.center());
        QTest::qWait(10);
        EXPECT_FALSE(menu->isVisible());
    }

    bool ToolEnabled(const std::string& key) { return Action(key)->isEnabled(); }

    std::vector<int> Dice() const {
        const game::Board& b = window->Model();
        return std::vector<int>(b.Dice.begin(), b.Dice.begin() + program.LastDie + 1);
    }

    std::string Text(const std::string& name) {
        auto* label = qobject_cast<QLabel*>(W(name));
        return label ? label->text().toStdString() : std::string();
    }

    std::string PanelText(int panel) { return window->Panel(panel)->text().toStdString(); }

    // The picture of a model picture key, drawn at a widget's size.
    static QImage PictureAt(const QSize& size, const std::string& key) {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        ui::DrawPicture(painter, QRect(QPoint(0, 0), size), key);
        return image;
    }

    // True when the widget shows exactly the picture of `key`.
    static bool Shows(QWidget* widget, const std::string& key) {
        QImage shown(widget->size(), QImage::Format_ARGB32_Premultiplied);
        shown.fill(Qt::transparent);
        widget->render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
        return shown == PictureAt(widget->size(), key);
    }

    // Answers the next modal message box with `button` (Escape: the key) once
    // it is open and
    // records its title and text; gives up after five seconds.
    struct SeenBox {
        bool seen = false;
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
    };
    void AnswerNextMessageBox(SeenBox& seen, QMessageBox::StandardButton button) {
        auto* poll = new QTimer;
        poll->setInterval(10);
        auto tries = std::make_shared<int>(0);
        QObject::connect(poll, &QTimer::timeout, [poll, &seen, button, tries] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                if (++*tries > 500) {
                    poll->stop();
                    poll->deleteLater();
                }
                return;
            }
            seen = {true, box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
            poll->stop();
            poll->deleteLater();
            if (button == QMessageBox::Escape) {
                QTest::keyClick(box, Qt::Key_Escape);
            } else if (QAbstractButton* b = box->button(button)) {
                b->click();
            } else {
                box->reject();
            }
        });
        poll->start();
    }
};

} // namespace testing_support
