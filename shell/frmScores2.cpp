#include "frmScores2.h"

#include "AppInfo.h"
#include "DialogSupport.h"
#include "HoverCommand.h"
#include "MediaCommand.h"
#include "Sound.h"
#include "board/Artwork.h"
#include "board/Twips.h"
#include "game/TopScoreFile.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace shell {

namespace {

using ui::TwipsToPixels;

// The dialog's design, in twips.
constexpr double DialogWidth = 7400;
constexpr double Margin = 120;
constexpr double TabTop = 105;
constexpr double BoxTop = 6270; // Line1, and where Line3 and Line4 start
constexpr double ButtonWidth = 1650;
constexpr double ButtonHeight = 510;
constexpr double ScoreTop = 6360;
constexpr double ScoreHeight = 600;

constexpr double ViewButtonsTop = 6390;
constexpr double ViewLineY = 7040;
constexpr double ViewCheckTop = 7100;
constexpr double ViewHeight = 7785;
constexpr double NewButtonsTop = 7015;
constexpr double NewLineY = 7650;
constexpr double NewCheckTop = 7720;
constexpr double NewHeight = 8430;

const QColor ListBackground(239, 255, 210);

struct Column {
    const char* caption;
    const char* icon;
    double width;
};
// Place, name, score, date.
constexpr Column Columns[] = {{"", "header4", 800},
                              {"Name", "header1", 2200},
                              {"Score", "header3", 1550},
                              {"Date", "header2", 1650}};

// What the list shows of a stored text: the text up to its first NUL (an
// empty place's name and date begin with one).
QString Shown(const std::string& text) {
    const std::size_t end = text.find('\0');
    return QString::fromStdString(text.substr(0, end));
}

} // namespace

ScoreDialogSounds ScoreDialogSounds::Real() {
    return {[](const QString& name) { PlaySoundAsync(name); },
            [](const QString& command) { return MediaCommand(command); }};
}

const QStringList& frmScores2::TabCaptions() {
    static const QStringList captions{
        QStringLiteral("&Yamb - 6 Dice"), QStringLiteral("&Yamb - 5 Dice"),
        QStringLiteral("&Yahtzee - 6 Dice"), QStringLiteral("&Yahtzee - 5 Dice")};
    return captions;
}

frmScores2::frmScores2(game::Program& program, QWidget* anchor, ScoreDialogSounds sounds)
    : QDialog(anchor), program_(program), sounds_(std::move(sounds)) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    BuildControls();
    Form_Load(anchor);
}

void frmScores2::BuildControls() {
    const int width = TwipsToPixels(DialogWidth);
    const int margin = TwipsToPixels(Margin);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    for (const QString& caption : TabCaptions()) {
        auto* page = new QWidget(SSTab1);
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->setContentsMargins(2, 2, 2, 2);
        SSTab1->addTab(page, caption);
    }
    SSTab1->setGeometry(margin, TwipsToPixels(TabTop), width - 2 * margin,
                        TwipsToPixels(BoxTop) - TwipsToPixels(TabTop) - 6);
    SSTab1->tabBar()->installEventFilter(this);

    LVScores = new QTableWidget(0, 4, SSTab1->widget(0));
    LVScores->setObjectName(QStringLiteral("LVScores"));
    LVScores->verticalHeader()->hide();
    LVScores->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LVScores->setSelectionBehavior(QAbstractItemView::SelectRows);
    LVScores->setSelectionMode(QAbstractItemView::SingleSelection);
    LVScores->setWordWrap(false);
    LVScores->setTabKeyNavigation(false);
    LVScores->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LVScores->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LVScores->horizontalHeader()->setHighlightSections(false);
    LVScores->horizontalHeader()->setSectionsClickable(false);
    LVScores->horizontalHeader()->setIconSize(QSize(16, 16));
    LVScores->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Small type and close rows, so that all 20 places show without scrolling.
    QFont small = LVScores->font();
    small.setPixelSize(12);
    LVScores->setFont(small);
    LVScores->horizontalHeader()->setFont(small);
    LVScores->verticalHeader()->setMinimumSectionSize(16);
    LVScores->verticalHeader()->setDefaultSectionSize(17);
    QPalette list = LVScores->palette();
    list.setColor(QPalette::Base, ListBackground);
    list.setColor(QPalette::Text, Qt::black);
    // The new score's place stays marked while the focus is elsewhere.
    list.setColor(QPalette::Inactive, QPalette::Highlight,
                  list.color(QPalette::Active, QPalette::Highlight));
    list.setColor(QPalette::Inactive, QPalette::HighlightedText,
                  list.color(QPalette::Active, QPalette::HighlightedText));
    LVScores->setPalette(list);
    SSTab1->widget(0)->layout()->addWidget(LVScores);
    shownTab_ = 0;
    // One list serves every tab: it goes along to the tab on show.
    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab >= 0 && SSTab1->widget(tab)->layout()->indexOf(LVScores) < 0) {
            SSTab1->widget(tab)->layout()->addWidget(LVScores);
        }
        const int previous = shownTab_;
        shownTab_ = tab;
        SSTab1_Click(previous);
    });

    lblScore = new QLabel(this);
    lblScore->setObjectName(QStringLiteral("lblScore"));
    lblScore->setTextFormat(Qt::PlainText);
    QFont bold = lblScore->font();
    bold.setBold(true);
    lblScore->setFont(bold);
    lblScore->setStyleSheet(QStringLiteral("color: rgb(0, 51, 102);"));
    lblScore->setGeometry(TwipsToPixels(Margin + 120), TwipsToPixels(ScoreTop),
                          width - 2 * TwipsToPixels(Margin + 120), TwipsToPixels(ScoreHeight));

    cmdClearTable = new HoverCommand(QStringLiteral("&Clear Table"), this);
    cmdReturn = new HoverCommand(QStringLiteral("&Return"), this);
    cmdClearTable->setObjectName(QStringLiteral("cmdClearTable"));
    cmdReturn->setObjectName(QStringLiteral("cmdReturn"));
    const QSize buttonSize(TwipsToPixels(ButtonWidth), TwipsToPixels(ButtonHeight));
    cmdClearTable->setGeometry(QRect(QPoint(TwipsToPixels(Margin + 240), 0), buttonSize));
    cmdReturn->setGeometry(
        QRect(QPoint(width - TwipsToPixels(Margin + 240) - buttonSize.width(), 0), buttonSize));
    connect(cmdClearTable, &HoverCommand::Click, this, &frmScores2::cmdClearTable_Click);
    connect(cmdReturn, &HoverCommand::Click, this, &frmScores2::cmdReturn_Click);
    cmdReturn->setDefault(true); // Enter returns

    Check1 = new QCheckBox(QStringLiteral("&Show Grid Lines"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->adjustSize();
    connect(Check1, &QCheckBox::toggled, this, &frmScores2::Check1_Click);

    Line1 = new QFrame(this);
    Line2 = new QFrame(this);
    Line3 = new QFrame(this);
    Line4 = new QFrame(this);
    for (QFrame* line : {Line1, Line2, Line3, Line4}) {
        line->setFrameShadow(QFrame::Sunken);
        line->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    Line1->setObjectName(QStringLiteral("Line1"));
    Line2->setObjectName(QStringLiteral("Line2"));
    Line3->setObjectName(QStringLiteral("Line3"));
    Line4->setObjectName(QStringLiteral("Line4"));

    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, &frmScores2::Timer1_Timer);
}

void frmScores2::PlaceLine(QFrame* line, double x1, double y1, double x2, double y2) {
    // An etched line two pixels wide, centred on its design position.
    const int left = TwipsToPixels(x1);
    const int top = TwipsToPixels(y1);
    if (y1 == y2) {
        line->setFrameShape(QFrame::HLine);
        line->setGeometry(left, top - 1, TwipsToPixels(x2) - left + 2, 2);
    } else {
        line->setFrameShape(QFrame::VLine);
        line->setGeometry(left - 1, top, 2, TwipsToPixels(y2) - top + 2);
    }
}

void frmScores2::ArrangeForMode(double buttonsTop, double lineY, double checkTop, double height) {
    const double right = DialogWidth - Margin;
    cmdClearTable->setTop(buttonsTop);
    cmdReturn->setTop(buttonsTop);
    PlaceLine(Line1, Margin, BoxTop, right, BoxTop);
    PlaceLine(Line2, Margin, lineY, right, lineY);
    PlaceLine(Line3, Margin, BoxTop, Margin, lineY);
    PlaceLine(Line4, right, BoxTop, right, lineY);
    Check1->move(TwipsToPixels(Margin + 120), TwipsToPixels(checkTop));
    setFixedSize(TwipsToPixels(DialogWidth), TwipsToPixels(height));
}

QString frmScores2::TableFile(int table) const {
    return QString::fromStdString(game::TopScoreFileName(program_.ScoresPath, table));
}

void frmScores2::Form_Load(QWidget* anchor) {
    const game::GameSettings& s = program_.Settings;

    // The size of the mode first, so that the dialog centres at its own size.
    if (program_.ShowNewScore) {
        ArrangeForMode(NewButtonsTop, NewLineY, NewCheckTop, NewHeight);
    } else {
        ArrangeForMode(ViewButtonsTop, ViewLineY, ViewCheckTop, ViewHeight);
    }
    CentreOver(this, anchor);
    ApplyDialogCursor(this, program_.AppPath);

    tableAtLoad_ = game::ScoreTableNumber(s.NumberOfColumns, s.NumberOfDice);

    Check1->setChecked(s.ShowGridLines);
    LVScores->setShowGrid(s.ShowGridLines);

    loading_ = true;
    fileName_ = TableFile(tableAtLoad_);
    // After a game the insertion has just read this table and told whatever
    // was wrong with it: the list shows it without a second message.
    quietLoad_ = program_.ShowNewScore;
    if (game::FindTopScoreFile(fileName_.toStdString()) == game::TopScoreFilePresence::Absent) {
        ShowEmptyTable();
    } else {
        LoadScoresTable();
    }
    quietLoad_ = false;
    SSTab1->setCurrentIndex(tableAtLoad_ - 1);
    // The selection above is the only tab change that must not load a table;
    // from here on every change does, from the keyboard as from the mouse.
    loading_ = false;

    if (!program_.ShowNewScore) {
        lblScore->hide();
        return;
    }

    lblScore->show();
    const QString score = QString::number(program_.NewScoreValue);
    const int place = program_.NewScorePosition;
    const bool audible = program_.SoundOn && !program_.RedoInProgress;
    // A score that was not compared or not saved holds no place: no
    // highlight, no fanfare, and no sound that would say it was too low.
    if (program_.NewScoreOutcome == game::TopScoreOutcome::TableUnreadable) {
        lblScore->setText(QStringLiteral("  Your score of  ") + score +
                          QStringLiteral(" points was not entered: the top \r\n"
                                         "   scores table could not be read."));
        return;
    }
    if (program_.NewScoreOutcome == game::TopScoreOutcome::NotSaved) {
        lblScore->setText(QStringLiteral("  Your score of  ") + score +
                          QStringLiteral(" points could not be saved in the \r\n"
                                         "   top scores table."));
        return;
    }
    if (place < 1 || place > game::TopScorePlaces) {
        lblScore->setText(QStringLiteral("  Your score of  ") + score +
                          QStringLiteral(" points was not good enough to get on the  \r\n"
                                         "   top scores table."));
        if (audible) {
            sounds_.playSoundAsync(QStringLiteral("endGame1"));
        }
        return;
    }
    const QString key(QChar(96 + place));
    for (int row = 0; row < LVScores->rowCount(); ++row) {
        const QTableWidgetItem* item = LVScores->item(row, 0);
        if (item != nullptr && item->data(Qt::UserRole).toString() == key) {
            LVScores->selectRow(row);
            LVScores->scrollToItem(item);
        }
    }
    lblScore->setText(QStringLiteral("  Your score of  ") + score +
                      QStringLiteral(" points was good enough to get on the \r\n"
                                     "   top scores table at position #") +
                      QString::number(place) + QStringLiteral("."));
    if (audible) {
        Timer1.start();
    }
}

void frmScores2::ShowModal(game::Program& program, QWidget* anchor) {
    frmScores2 dialog(program, anchor);
    dialog.exec();
}

bool frmScores2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SSTab1->tabBar() && event->type() == QEvent::MouseButtonPress) {
        SSTab1_MouseDown();
    }
    return QDialog::eventFilter(watched, event);
}

void frmScores2::SSTab1_MouseDown() {
    loading_ = false;
}

void frmScores2::SSTab1_Click(int /*previousTab*/) {
    if (loading_) {
        return;
    }
    cmdClearTable->setEnabled(true);
    fileName_ = TableFile(SSTab1->currentIndex() + 1);
    if (game::FindTopScoreFile(fileName_.toStdString()) != game::TopScoreFilePresence::Absent) {
        LoadScoresTable();
    } else {
        ShowEmptyTable();
    }
}

void frmScores2::AddRow(int place, const game::ScoreRecord* record) {
    const int row = LVScores->rowCount();
    LVScores->insertRow(row);
    auto* placeItem = new QTableWidgetItem(QStringLiteral(" ") + QString::number(place));
    placeItem->setData(Qt::UserRole, QString(QChar(96 + place)));
    LVScores->setItem(row, 0, placeItem);
    if (record == nullptr) {
        return;
    }
    LVScores->setItem(row, 1, new QTableWidgetItem(Shown(record->Name)));
    const QString score =
        record->Score == game::EmptyPlaceScore ? QString() : QString::number(record->Score);
    LVScores->setItem(row, 2, new QTableWidgetItem(score));
    LVScores->setItem(row, 3, new QTableWidgetItem(Shown(record->Date)));
}

void frmScores2::LoadScoresTable() {
    LVScores->setRowCount(0);
    SetColumnHeaders();
    // A damaged file shows the places that could be read, and says so once.
    const game::TopScoreTable table = game::ReadTopScoreTable(fileName_.toStdString());
    for (int place = 1; place <= game::TopScorePlaces; ++place) {
        AddRow(place, &table.Places[static_cast<std::size_t>(place - 1)]);
    }
    if (!quietLoad_) {
        ShowFileMessage(game::TopScoreReadMessage(table, fileName_.toStdString()));
    }
}

void frmScores2::ShowEmptyTable() {
    LVScores->setRowCount(0);
    SetColumnHeaders();
    for (int place = 1; place <= game::TopScorePlaces; ++place) {
        AddRow(place, nullptr);
    }
}

void frmScores2::SetColumnHeaders() {
    LVScores->setColumnCount(0);
    LVScores->setColumnCount(4);
    for (int column = 0; column < 4; ++column) {
        const Column& c = Columns[column];
        auto* header = new QTableWidgetItem(ui::Artwork::Icon(QLatin1String(c.icon)),
                                            QLatin1String(c.caption));
        LVScores->setHorizontalHeaderItem(column, header);
        LVScores->setColumnWidth(column, TwipsToPixels(c.width));
    }
}

void frmScores2::ShowFileMessage(const std::string& message) {
    if (!message.empty()) {
        ShowOpenScoresMessage(this, QString::fromStdString(message));
    }
}

void frmScores2::Check1_Click() {
    LVScores->setShowGrid(Check1->isChecked());
}

void frmScores2::cmdClearTable_Click() {
    fileName_ = TableFile(SSTab1->currentIndex() + 1);
    const std::string file = fileName_.toStdString();
    switch (game::FindTopScoreFile(file)) {
    case game::TopScoreFilePresence::Absent:
        QMessageBox::warning(this, ProgramTitle(), QStringLiteral("Table is Empty!"));
        return;
    case game::TopScoreFilePresence::CannotTell:
        // Nothing is asked about a table that cannot even be looked at.
        ShowFileMessage(game::TopScoreReadMessage(game::ReadTopScoreTable(file), file));
        return;
    case game::TopScoreFilePresence::Present:
        break;
    }
    if (QMessageBox::question(
            this, QStringLiteral("Delete Scores?"), QStringLiteral("Delete top 20 Scores?"),
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) != QMessageBox::Ok) {
        return;
    }
    const std::string problem = game::DeleteTopScoreTable(file);
    if (!problem.empty()) {
        // The table is still there: it stays on show and can be tried again.
        ShowFileMessage(problem + "Cannot delete " + file);
        return;
    }
    LVScores->setRowCount(0);
    ShowEmptyTable();
    cmdClearTable->setEnabled(false);
}

void frmScores2::cmdReturn_Click() {
    close();
}

void frmScores2::done(int result) {
    program_.Settings.ShowGridLines = Check1->checkState() != Qt::Unchecked;
    QDialog::done(result);
}

// The fanfare starts on the timer's second tick and plays on by itself,
// even after the dialog has closed.
void frmScores2::Timer1_Timer() {
    if (tickCount_ != 1) {
        ++tickCount_;
        return;
    }
    QString folder = QString::fromStdString(program_.AppPath);
    while (folder.endsWith(QLatin1Char('/')) && folder.size() > 1) {
        folder.chop(1);
    }
    const QString file = (folder + QStringLiteral("/win01.mp3")).trimmed();
    sounds_.mediaCommand(QStringLiteral("close song"));
    sounds_.mediaCommand(QStringLiteral("open \"") + file + QStringLiteral("\" alias song"));
    sounds_.mediaCommand(QStringLiteral("play song"));
    Timer1.stop();
    tickCount_ = 0;
}

void frmScores2::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // No title bar: a raised edge marks the dialog off from what lies behind.
    QPainter painter(this);
    const QRect edge = rect().adjusted(0, 0, -1, -1);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());
    painter.setPen(palette().color(QPalette::Mid));
    const QRect inner = edge.adjusted(1, 1, -1, -1);
    painter.drawLine(inner.bottomLeft(), inner.bottomRight());
    painter.drawLine(inner.topRight(), inner.bottomRight());
}

} // namespace shell
