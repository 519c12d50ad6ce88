#include "EndGameDialogs.h"

#include "DialogSupport.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

frmEndGame::frmEndGame(game::Program& program, QWidget* board) : QDialog(board), program_(program) {
    setWindowTitle(QStringLiteral("Finish Game?"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setModal(true);
    ApplyDialogCursor(this, program.AppPath);

    cmdFinish = new QPushButton(QStringLiteral("&Finish Game"), this);
    cmdUndo = new QPushButton(QStringLiteral("&Undo Last Move"), this);
    cmdFinish->setObjectName(QStringLiteral("cmdFinish"));
    cmdUndo->setObjectName(QStringLiteral("cmdUndo"));
    for (QPushButton* button : {cmdFinish, cmdUndo}) {
        button->setMinimumSize(150, 36);
    }
    cmdFinish->setDefault(true);

    auto* buttons = new QHBoxLayout(this);
    buttons->setContentsMargins(24, 22, 24, 22);
    buttons->setSpacing(16);
    buttons->addWidget(cmdFinish);
    buttons->addWidget(cmdUndo);

    connect(cmdFinish, &QPushButton::clicked, this, &frmEndGame::cmdFinish_Click);
    connect(cmdUndo, &QPushButton::clicked, this, &frmEndGame::cmdUndo_Click);

    setFixedSize(sizeHint());
    CentreOver(this, board);
}

bool frmEndGame::Ask(game::Program& program, QWidget* board) {
    frmEndGame dialog(program, board);
    dialog.exec();
    return program.EndGameFinish;
}

void frmEndGame::cmdFinish_Click() {
    program_.EndGameFinish = true;
    accept();
}

void frmEndGame::cmdUndo_Click() {
    program_.EndGameFinish = false;
    QDialog::reject();
}

void frmEndGame::reject() {
    cmdUndo_Click();
}

frmTheWinerIs::frmTheWinerIs(const game::WinnerTexts& texts, const game::Program& program,
                             QWidget* board)
    : QDialog(board) {
    setWindowTitle(QStringLiteral("And the Winner is..."));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setModal(true);
    ApplyDialogCursor(this, program.AppPath);

    auto plain = [this](const std::string& text, const char* name) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        label->setTextFormat(Qt::PlainText); // keeps the blanks of a padded name
        label->setText(QString::fromStdString(text));
        return label;
    };
    lblPlayer1 = plain(texts.lblPlayer1, "lblPlayer1");
    lblScore1 = plain(texts.lblScore1, "lblScore1");
    lblPlayer2 = plain(texts.lblPlayer2, "lblPlayer2");
    lblScore2 = plain(texts.lblScore2, "lblScore2");
    lblWiner = plain(texts.lblWiner, "lblWiner");

    QFont scoreFont = lblScore1->font();
    scoreFont.setBold(true);
    scoreFont.setPointSizeF(scoreFont.pointSizeF() * 1.15);
    for (QLabel* score : {lblScore1, lblScore2}) {
        score->setFont(scoreFont);
        score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        score->setMinimumWidth(60);
    }

    QFont winnerFont = lblWiner->font();
    winnerFont.setBold(true);
    winnerFont.setPointSizeF(winnerFont.pointSizeF() * 1.6);
    lblWiner->setFont(winnerFont);
    lblWiner->setAlignment(Qt::AlignCenter);
    lblWiner->setStyleSheet(QStringLiteral("color: rgb(160, 20, 30);"));

    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setMinimumSize(110, 34);
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &frmTheWinerIs::cmdClose_Click);

    auto* scores = new QGridLayout;
    scores->setHorizontalSpacing(28);
    scores->setVerticalSpacing(10);
    scores->addWidget(lblPlayer1, 0, 0);
    scores->addWidget(lblScore1, 0, 1);
    scores->addWidget(lblPlayer2, 1, 0);
    scores->addWidget(lblScore2, 1, 1);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(cmdClose);
    closeRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 24, 28, 20);
    layout->setSpacing(16);
    layout->addLayout(scores);
    layout->addWidget(rule);
    layout->addWidget(lblWiner);
    layout->addLayout(closeRow);

    setFixedSize(sizeHint().expandedTo(QSize(340, 0)));
    CentreOver(this, board);
}

void frmTheWinerIs::Announce(const game::WinnerTexts& texts, const game::Program& program,
                             QWidget* board) {
    frmTheWinerIs dialog(texts, program, board);
    dialog.exec();
}

void frmTheWinerIs::cmdClose_Click() {
    accept();
}

} // namespace shell
