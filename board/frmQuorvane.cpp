#include "frmQuorvane.h"

#include "MenuStyle.h"
#include "PictureSource.h"
#include "Twips.h"
#include "board/model/Design.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QThread>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QWindow>
#include <cmath>

namespace ui {

namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

constexpr int ShortestTimerIntervalMs = 15;

// The board's toolbar: as tall as the design's toolbar in the window's
// layout, however tall its buttons would make it. Its height is not fixed,
// so that when its chevron opens the buttons that do not fit, it can grow
// over the board to show their row, and shrink back when the row closes.
class DesignToolBar : public QToolBar {
public:
    DesignToolBar(int height, QWidget* parent) : QToolBar(parent), height_(height) {}
    QSize sizeHint() const override { return {QToolBar::sizeHint().width(), height_}; }
    QSize minimumSizeHint() const override {
        return {QToolBar::minimumSizeHint().width(), height_};
    }

private:
    int height_;
};

} // namespace

frmQuorvane::frmQuorvane(game::Program& program, BoardServices services, QWidget* parent)
    : QMainWindow(parent), prog_(program), services_(std::move(services)),
      game_(board_, prog_, *this),
      random_(static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay())) {
    setObjectName("frmQuorvane");
    // The menus are drawn by the game's own style inside the window, never
    // handed to a desktop-wide menu bar; asking the desktop for one would
    // also open a session-bus connection before the window can show.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    // The toolbar's overflow row opens and closes at once. Animated, the
    // toolbar takes its last size while still counted as moving and keeps
    // its chevron even where all its buttons fit again.
    setAnimated(false);
    BuildMenus();
    BuildToolbar();
    view_ = new BoardView(board_, this);
    setCentralWidget(view_);
    BuildStatusBar();
    BuildTimers();
    SetupMenuImages();

    connect(view_, &BoardView::CellClicked, this, [this](int column, int row) {
        Run([&] { game_.CellClick(column, static_cast<std::int16_t>(row)); });
    });
    connect(view_, &BoardView::CellMouseMoved, this, [this](int column, int row, float x, float y) {
        Run([&] { game_.CellMouseMove(column, static_cast<std::int16_t>(row), x, y); });
    });
    connect(view_, &BoardView::DieClicked, this,
            [this](int die) { Run([&] { game_.picDice_Click(static_cast<std::int16_t>(die)); }); });
    connect(view_, &BoardView::HeldDieClicked, this, [this](int die) {
        Run([&] { game_.PicDiceOff_Click(static_cast<std::int16_t>(die)); });
    });
    connect(view_, &BoardView::RollPressed, this,
            [this] { Run([&] { game_.picRollDices_MouseDown(1, 0, 615, 645); }); });
    connect(view_, &BoardView::RollReleased, this,
            [this] { Run([&] { game_.picRollDices_MouseUp(1, 0, 615, 645); }); });
    connect(view_, &BoardView::NextPlayerClicked, this,
            [this] { Run([&] { game_.cmdNextPlayer_Click(); }); });
    connect(view_, &BoardView::ShowNextBoardClicked, this,
            [this] { Run([&] { game_.cmdShowNextBoard_Click(); }); });

    // Opening: the model's part, then the window's own (cursor).
    const QRect screen = QGuiApplication::primaryScreen()
                             ? QGuiApplication::primaryScreen()->geometry()
                             : QRect(0, 0, 1024, 768);
    game_.Form_Load(static_cast<int>(PixelsToTwips(screen.width())),
                    static_cast<int>(PixelsToTwips(screen.height())));
    if (services_.loadCursor) {
        oldCursor_ = cursor();
        setCursor(services_.loadCursor(Text(prog_.AppPath)));
    }
    SyncAll();
    move(TwipsToPixels(board_.Left), TwipsToPixels(board_.Top));
}

frmQuorvane::~frmQuorvane() = default;

void frmQuorvane::Run(const std::function<void()>& handler) {
    // Whether the window takes input is the window's own business (the about
    // box switches it off); the game only reads it.
    board_.Enabled = isEnabled();
    // Where the user has moved the window; New Game records it.
    board_.Left = static_cast<int>(std::lround(PixelsToTwips(x())));
    board_.Top = static_cast<int>(std::lround(PixelsToTwips(y())));
    ++handlersRunning_;
    handler();
    --handlersRunning_;
    SyncAll();
    if (handlersRunning_ == 0 && closeAfterHandler_) {
        closeAfterHandler_ = false;
        QTimer::singleShot(0, this, [this] { close(); });
    }
}

QAction* frmQuorvane::ActionFor(const std::string& key) const {
    auto it = actions_.find(key);
    return it == actions_.end() ? nullptr : it->second;
}

QLabel* frmQuorvane::Panel(int number) const {
    return number >= 1 && number <= 5 ? panels_[number] : nullptr;
}

void frmQuorvane::BuildMenus() {
    struct Entry {
        const char* key;
        game::MenuItem* item;
        std::function<void()> command;
    };
    auto addMenu = [this](game::MenuItem& header, std::initializer_list<Entry> entries) {
        QMenu* menu = menuBar()->addMenu(Text(header.Caption));
        for (const Entry& entry : entries) {
            if (!entry.item) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(Text(entry.item->Caption));
            action->setObjectName(entry.key);
            if (!entry.item->Shortcut.empty()) {
                action->setShortcut(QKeySequence(Text(entry.item->Shortcut)));
            }
            auto command = entry.command;
            connect(action, &QAction::triggered, this, [this, command] {
                if (command) {
                    Run(command);
                }
            });
            actions_[entry.key] = action;
            menuItems_[entry.key] = entry.item;
        }
    };
    game::Board& b = board_;
    addMenu(b.mnuGame, {
                           {"mnuNewGame", &b.mnuNewGame, [this] { game_.mnuNewGame_Click(); }},
                           {"mnuScores", &b.mnuScores,
                            [this] {
                                prog_.OpenedFromBoard = true;
                                prog_.ShowNewScore = false;
                                if (services_.showTopScores) {
                                    OpenModal([this] { services_.showTopScores(this); });
                                }
                            }},
                           {"", nullptr, {}},
                           {"mnuGameExit", &b.mnuGameExit, [this] { close(); }},
                       });
    addMenu(
        b.mnuTools,
        {
            {"mnuUndoUndo", &b.mnuUndoUndo, [this] { game_.mnuUndoUndo_Click(); }},
            {"mnuUndoRedo", &b.mnuUndoRedo, [this] { game_.mnuUndoRedo_Click(); }},
            {"", nullptr, {}},
            {"mnuHintsByRequest", &b.mnuHintsByRequest, {}},
            {"mnuHintsByRequest2", &b.mnuHintsByRequest2,
             [this] { game_.mnuHintsByRequest2_Click(); }},
            {"mnuHintsAllways", &b.mnuHintsAllways, {}},
            {"mnuHintsAllways2", &b.mnuHintsAllways2, [this] { game_.mnuHintsAllways2_Click(); }},
            {"", nullptr, {}},
            {"mnuSoundsOn", &b.mnuSoundsOn, {}},
            {"mnuSoundsOn2", &b.mnuSoundsOn2, [this] { game_.mnuSoundsOn2_Click(); }},
            {"mnuSoundsOff", &b.mnuSoundsOff, {}},
            {"mnuSoundsOff2", &b.mnuSoundsOff2, [this] { game_.mnuSoundsOff2_Click(); }},
            {"", nullptr, {}},
            {"mnuOptions", &b.mnuOptions, [this] { mnuOptions_Click(); }},
        });
    addMenu(b.mnuHelp, {
                           {"mnuQuickStar", &b.mnuQuickStar,
                            [this] {
                                prog_.OpenedFromBoard = true;
                                OpenQuickStart();
                            }},
                           {"mnuContents", &b.mnuContents,
                            [this] {
                                if (services_.openHelp) {
                                    // A missing help file is reported in a message box.
                                    OpenModal([this] { services_.openHelp(this); });
                                }
                            }},
                           {"", nullptr, {}},
                           {"mnuGoToWeb", &b.mnuGoToWeb,
                            [this] {
                                if (services_.visitWebSite) {
                                    services_.visitWebSite();
                                }
                            }},
                           {"mnuContact", &b.mnuContact,
                            [this] {
                                if (services_.sendMailToAuthor) {
                                    services_.sendMailToAuthor();
                                }
                            }},
                           {"", nullptr, {}},
                           {"mnuAbout", &b.mnuAbout,
                            [this] {
                                if (services_.openAbout) {
                                    // The about box switches the board off while it is open.
                                    OpenModal([this] { services_.openAbout(this); });
                                }
                            }},
                       });
}

void frmQuorvane::mnuOptions_Click() {
    const game::KeptOptions kept = game_.BeginOptions();
    if (services_.openOptions) {
        OpenModal([this] { services_.openOptions(this); });
    }
    game_.ApplyOptions(kept);
}

void frmQuorvane::BuildToolbar() {
    toolbar_ = new DesignToolBar(TwipsToPixels(game::DesignToolbarTwips), this);
    toolbar_->setObjectName("Toolbar2");
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setContextMenuPolicy(Qt::PreventContextMenu);
    const int icon = TwipsToPixels(game::DesignToolbarTwips) - 8;
    toolbar_->setIconSize(QSize(icon, icon));
    addToolBar(Qt::TopToolBarArea, toolbar_);
    for (int i = 1; i <= 9; ++i) {
        const game::ToolButton& button = board_.Toolbar2.Buttons[i];
        if (button.Key.empty()) {
            toolbar_->addSeparator();
            continue;
        }
        QAction* action = toolbar_->addAction(Text(button.ToolTip));
        action->setObjectName(Text(button.Key));
        action->setToolTip(Text(button.ToolTip));
        const int index = i;
        connect(action, &QAction::triggered, this, [this, index] {
            const std::string key = board_.Toolbar2.Buttons[index].Key;
            Run([&] { game_.Toolbar2_ButtonClick(key); });
        });
        actions_["toolbar:" + std::to_string(i)] = action;
    }
}

void frmQuorvane::SetupMenuImages() {
    // The menu and toolbar background is the picture of Image1.
    menuStyle_ = new MenuStyle(Text(board_.Image1.Picture));
    menuStyle_->setParent(this);
    InstallMenuStyle(this, toolbar_, menuStyle_);
}

void frmQuorvane::BuildStatusBar() {
    // The panels are children of the bar placed by hand, side by side at
    // their widths in twips, rather than items of the bar's own layout,
    // which would add margins above and below them: the bar is exactly as
    // tall as the design's status bar.
    for (int i = 1; i <= 5; ++i) {
        auto* label = new QLabel(statusBar());
        label->setObjectName(QStringLiteral("StatusBar1.Panel%1").arg(i));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setIndent(TwipsToPixels(45));
        panels_[i] = label;
    }
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setFixedHeight(TwipsToPixels(game::DesignStatusBarTwips));
    QFont small = statusBar()->font();
    small.setPixelSize(std::max(8, TwipsToPixels(150)));
    statusBar()->setFont(small);
}

void frmQuorvane::BuildTimers() {
    auto make = [this](const char* name, void (game::Game::*tick)()) {
        auto* timer = new QTimer(this);
        timer->setObjectName(name);
        connect(timer, &QTimer::timeout, this, [this, tick] { Run([&] { (game_.*tick)(); }); });
        return timer;
    };
    tmrTimeElapsed_ = make("tmrTimeElapsed", &game::Game::tmrTimeElapsed_Timer);
    tmrRollDice_ = make("tmrRollDice", &game::Game::tmrRollDice_Timer);
    tmrGameOver_ = make("tmrGameOver", &game::Game::tmrGameOver_Timer);
    tmrAnimation_ = make("tmrAnimation", &game::Game::tmrAnimation_Timer);
}

void frmQuorvane::SyncAll() {
    view_->Sync();
    SyncMenus();
    SyncToolbar();
    SyncStatusBar();
    SyncTimers();
    SyncWindow();
}

void frmQuorvane::SyncMenus() {
    for (auto& [key, item] : menuItems_) {
        QAction* action = actions_[key];
        action->setVisible(item->Visible);
        action->setEnabled(item->Enabled);
    }
}

void frmQuorvane::SyncToolbar() {
    for (int i = 1; i <= 9; ++i) {
        QAction* action = ActionFor("toolbar:" + std::to_string(i));
        if (!action) {
            continue;
        }
        const game::ToolButton& button = board_.Toolbar2.Buttons[i];
        action->setEnabled(button.Enabled);
        action->setVisible(button.Visible);
        // A new icon repaints the button: only when the picture changes.
        if (toolbarImages_[i] != button.Image) {
            toolbarImages_[i] = button.Image;
            action->setIcon(ToolbarIcon(button.Image));
        }
    }
}

void frmQuorvane::SyncStatusBar() {
    const game::StatusBar& bar = board_.StatusBar1;
    // Panels 1 to 4 run from the left edge in their order, each a little
    // narrower than its width to leave a gap; the clock panel ends at the
    // right edge.
    const int gap = std::max(1, TwipsToPixels(30));
    const int barWidth = TwipsToPixels(game::ClientWidthTwips(board_.Width));
    const int top = std::max(1, TwipsToPixels(15));
    const int height = TwipsToPixels(game::DesignStatusBarTwips) - top;
    int left = 0;
    for (int i = 1; i <= 5; ++i) {
        const game::StatusPanel& panel = bar.Panels[i];
        QLabel* label = panels_[i];
        const QString text = Text(panel.Text);
        if (label->text() != text) {
            label->setText(text);
        }
        const int width = TwipsToPixels(panel.Width);
        const QRect place = i == 5 ? QRect(barWidth - width, top, width, height)
                                   : QRect(left, top, std::max(0, width - gap), height);
        if (label->geometry() != place) {
            label->setGeometry(place);
        }
        if (label->isHidden() == panel.Visible) {
            label->setVisible(panel.Visible);
        }
        if (panel.Visible) {
            left += width;
        }
    }
    if (statusBar()->isHidden() == bar.Visible) {
        statusBar()->setVisible(bar.Visible);
    }
}

void frmQuorvane::SyncTimers() {
    auto sync = [](QTimer* timer, const game::Timer& model) {
        // The board's timers were made for a system timer that never ticks
        // faster than about every 15 ms: shorter intervals (the reveal's
        // 1 ms and 5 ms, the marquee's first 1 ms) tick at that pace, so
        // the reveal can be seen. Longer intervals are kept as they are.
        const int interval = std::max(model.Interval, ShortestTimerIntervalMs);
        if (timer->interval() != interval) {
            timer->setInterval(interval);
        }
        if (model.Enabled && !timer->isActive()) {
            timer->start();
        } else if (!model.Enabled && timer->isActive()) {
            timer->stop();
        }
    };
    sync(tmrTimeElapsed_, board_.tmrTimeElapsed);
    sync(tmrRollDice_, board_.tmrRollDice);
    sync(tmrGameOver_, board_.tmrGameOver);
    sync(tmrAnimation_, board_.tmrAnimation);
}

void frmQuorvane::SyncWindow() {
    const QString caption = Text(board_.Caption);
    if (windowTitle() != caption) {
        setWindowTitle(caption);
    }
    // The model's Height counts the frame and the menu bar; the window's own
    // size here is the client area plus Qt's menu bar.
    const int boardTwips = game::ClientHeightTwips(board_.Height) - game::DesignToolbarTwips -
                           (board_.StatusBar1.Visible ? game::DesignStatusBarTwips : 0);
    view_->setFixedSize(TwipsToPixels(game::ClientWidthTwips(board_.Width)),
                        TwipsToPixels(boardTwips));
    // The toolbar counts at its height in the layout, not at the height of
    // its open overflow row, which lies over the board.
    const int height = menuBar()->sizeHint().height() + toolbar_->sizeHint().height() +
                       view_->height() + (board_.StatusBar1.Visible ? statusBar()->height() : 0);
    const QSize size(view_->width(), height);
    if (this->size() != size) {
        setFixedSize(size);
    }
    if (board_.Minimized && !isMinimized()) {
        board_.Minimized = false;
        showMinimized();
    }
}

void frmQuorvane::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        board_.Minimized = false;
    }
    QMainWindow::changeEvent(event);
}

void frmQuorvane::keyPressEvent(QKeyEvent* event) {
    int key = 0;
    if (event->key() == Qt::Key_Space) {
        key = 32;
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        key = 13;
    } else if (!event->text().isEmpty()) {
        key = event->text().at(0).unicode();
    }
    if (key != 0 && !event->isAutoRepeat()) {
        Run([&] { game_.Form_KeyPress(key); });
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void frmQuorvane::closeEvent(QCloseEvent* event) {
    // A close asked for while a handler waits (the last move's sound, a
    // message box) comes once that handler has ended, so the move finishes.
    if (handlersRunning_ > 0) {
        closeAfterHandler_ = true;
        event->ignore();
        return;
    }
    if (prog_.Settings.ConfirmOnExit &&
        MessageBox("Exit Quorvane?", "Confirm", game::MsgButtons::OKCancel,
                   game::MsgIcon::Question) != game::MsgResult::OK) {
        event->ignore();
        return;
    }
    if (services_.saveSettings) {
        services_.saveSettings();
    }
    if (services_.closeSplash) {
        services_.closeSplash();
    }
    if (services_.closeHelp) {
        services_.closeHelp();
    }
    if (services_.loadCursor) {
        setCursor(oldCursor_);
    }
    if (prog_.SoundOn && prog_.Settings.SoundOnExit) {
        PlaySoundSync("exitGame");
    }
    if (services_.closeQuickStart) {
        services_.closeQuickStart();
    }
    for (QTimer* timer : {tmrTimeElapsed_, tmrRollDice_, tmrGameOver_, tmrAnimation_}) {
        timer->stop();
    }
    event->accept();
}

// ---- game::Host ------------------------------------------------------------

void frmQuorvane::PlaySoundAsync(const std::string& name) {
    if (services_.playSoundAsync) {
        services_.playSoundAsync(name);
    }
}

void frmQuorvane::PlaySoundSync(const std::string& name) {
    if (services_.playSoundSync) {
        SyncAll();
        services_.playSoundSync(name);
    }
}

void frmQuorvane::OpenModal(const std::function<void()>& open) {
    game_.EndRowHighlight();
    SyncAll();
    open();
}

game::MsgResult frmQuorvane::MessageBox(const std::string& text, const std::string& title,
                                        game::MsgButtons buttons, game::MsgIcon icon) {
    QMessageBox box(this);
    box.setWindowTitle(Text(title));
    box.setText(Text(text));
    switch (icon) {
    case game::MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case game::MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case game::MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case game::MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case game::MsgIcon::None:
        break;
    }
    if (buttons == game::MsgButtons::OKCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    box.setDefaultButton(QMessageBox::Ok);
    bool ok = false;
    OpenModal([&] { ok = box.exec() == QMessageBox::Ok; });
    return ok ? game::MsgResult::OK : game::MsgResult::Cancel;
}

bool frmQuorvane::AskFinishGame() {
    bool finish = true;
    OpenModal([&] {
        if (services_.askFinishGame) {
            finish = services_.askFinishGame(this);
        }
    });
    return finish;
}

void frmQuorvane::ShowTopScores() {
    OpenModal([this] {
        if (services_.showTopScores) {
            services_.showTopScores(this);
        }
    });
}

void frmQuorvane::ShowWinner(const game::WinnerTexts& texts) {
    OpenModal([&] {
        if (services_.showWinner) {
            services_.showWinner(this, texts);
        }
    });
}

void frmQuorvane::Pause(int ms) {
    // The frame must be on screen before the wait begins; input waits.
    SyncAll();
    repaint();
    if (services_.wait) {
        services_.wait(ms);
        return;
    }
    QThread::msleep(static_cast<unsigned long>(ms));
}

std::string frmQuorvane::TodayText() {
    return QLocale().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

std::string frmQuorvane::TimeSeparator() {
    const QString format = QLocale().timeFormat(QLocale::LongFormat);
    const int hour = format.indexOf(QRegularExpression("[hH]"));
    for (int i = hour + 1; hour >= 0 && i < format.size(); ++i) {
        if (!format.at(i).isLetter()) {
            return QString(format.at(i)).toStdString();
        }
    }
    return ":";
}

void frmQuorvane::OpenQuickStart() {
    if (services_.openQuickStart) {
        services_.openQuickStart(this);
    }
}

void frmQuorvane::CloseBoardWindow() {
    QTimer::singleShot(0, this, [this] { close(); });
}

double frmQuorvane::Random() {
    if (services_.random) {
        return services_.random();
    }
    return std::uniform_real_distribution<double>(0.0, 1.0)(random_);
}

void frmQuorvane::Reseed() {
    random_.seed(static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay()));
}

} // namespace ui
