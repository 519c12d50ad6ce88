#include "frmWelcome.h"

#include "AppInfo.h"
#include "DialogArt.h"
#include "DialogSupport.h"
#include "HelpViewer.h"
#include "HoverCommand.h"
#include "Links.h"
#include "frmAbout.h"
#include "frmOptions.h"
#include "frmQuickStart.h"
#include "frmScores2.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace shell {

frmWelcome::frmWelcome(game::Program& program) : QDialog(nullptr), program_(program) {
    setWindowTitle(QStringLiteral("Welcome to Quorvane 2.0"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);

    // Name and version over the picture and the five buttons.
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    lblTitle = new QLabel(SpacedTitle(ProgramTitle()), Frame1);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2.2);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblTitle->setStyleSheet(QStringLiteral("color: rgb(0, 51, 102);"));
    lblTitle->setAlignment(Qt::AlignCenter);
    lblVersion = new QLabel(QStringLiteral("Version 2.0"), Frame1);
    lblVersion->setAlignment(Qt::AlignCenter);
    auto* heading = new QVBoxLayout(Frame1);
    heading->setContentsMargins(0, 0, 0, 0);
    heading->setSpacing(2);
    heading->addWidget(lblTitle);
    heading->addWidget(lblVersion);

    Image1 = new QLabel(this);
    Image1->setPixmap(WelcomePicture());
    Image1->setAlignment(Qt::AlignCenter);

    // The five buttons, Play first and foremost, Exit last.
    Frame4 = new QFrame(this);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    cmdPlay = new HoverCommand(QStringLiteral("&Play"), Frame4);
    cmdQuickStart = new HoverCommand(QStringLiteral("&Quick Start"), Frame4);
    cmdOptions = new HoverCommand(QStringLiteral("&Options"), Frame4);
    cmdScores = new HoverCommand(QStringLiteral("&Top Scores"), Frame4);
    cmdExit = new HoverCommand(QStringLiteral("&Exit"), Frame4);
    cmdPlay->setObjectName(QStringLiteral("cmdPlay"));
    cmdQuickStart->setObjectName(QStringLiteral("cmdQuickStart"));
    cmdOptions->setObjectName(QStringLiteral("cmdOptions"));
    cmdScores->setObjectName(QStringLiteral("cmdScores"));
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    auto* buttons = new QVBoxLayout(Frame4);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(10);
    QSize buttonSize(160, 38);
    for (HoverCommand* button : {cmdPlay, cmdQuickStart, cmdOptions, cmdScores, cmdExit}) {
        buttonSize = buttonSize.expandedTo(button->sizeHint());
    }
    for (HoverCommand* button : {cmdPlay, cmdQuickStart, cmdOptions, cmdScores, cmdExit}) {
        button->setFixedSize(buttonSize);
        buttons->addWidget(button);
    }
    connect(cmdPlay, &HoverCommand::Click, this, &frmWelcome::cmdPlay_Click);
    connect(cmdExit, &HoverCommand::Click, this, &frmWelcome::cmdExit_Click);
    connect(cmdQuickStart, &HoverCommand::Click, this, &frmWelcome::cmdQuickStart_Click);
    connect(cmdOptions, &HoverCommand::Click, this, &frmWelcome::cmdOptions_Click);
    connect(cmdScores, &HoverCommand::Click, this, &frmWelcome::cmdScores_Click);
    cmdPlay->setDefault(true); // Enter plays

    auto* middle = new QHBoxLayout;
    middle->setSpacing(28);
    middle->addWidget(Image1, 1);
    middle->addWidget(Frame4);

    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    // The two links.
    Frame2 = new QFrame(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setFrameShape(QFrame::StyledPanel);
    const LinkRows rows = MakeLinkRows(Frame2);
    Label1 = rows.Label1;
    lblWebSite = rows.lblWebSite;
    Label2 = rows.Label2;
    lblemail = rows.lblemail;
    connect(lblWebSite, &QLabel::linkActivated, this, &frmWelcome::lblWebSite_Click);
    connect(lblemail, &QLabel::linkActivated, this, &frmWelcome::lblemail_Click);

    Frame6 = new QFrame(this);
    Frame6->setObjectName(QStringLiteral("Frame6"));
    Check1 = new QCheckBox(QStringLiteral("Don't show this dialog next time"), Frame6);
    Check1->setObjectName(QStringLiteral("Check1"));
    auto* checkRow = new QHBoxLayout(Frame6);
    checkRow->setContentsMargins(0, 0, 0, 0);
    checkRow->addWidget(Check1);
    checkRow->addStretch();
    // A change of the box, by the user or by the options, runs its rule.
    connect(Check1, &QCheckBox::toggled, this, &frmWelcome::Check1_Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 16);
    layout->setSpacing(14);
    layout->addWidget(Frame1);
    layout->addLayout(middle);
    layout->addWidget(Line1);
    layout->addWidget(Frame2);
    layout->addWidget(Frame6);

    setFixedSize(sizeHint());

    // Form_Load: the game's cursor, on the dialog and on the check box's
    // window and frame as well; then centred on the screen.
    ApplyDialogCursor(this, program_.AppPath);
    ApplyDialogCursor(Check1, program_.AppPath);
    ApplyDialogCursor(Frame6, program_.AppPath);
    CentreOver(this, nullptr);
}

void frmWelcome::ShowModal(game::Program& program) {
    frmWelcome dialog(program);
    dialog.exec();
}

void frmWelcome::cmdPlay_Click() {
    program_.PlayChosen = true;
    accept();
}

void frmWelcome::cmdExit_Click() {
    reject();
}

void frmWelcome::cmdQuickStart_Click() {
    frmQuickStart::ShowFromWelcome(program_, this);
}

void frmWelcome::cmdOptions_Click() {
    frmOptions::ShowModal(program_, this);
    Check1->setChecked(!program_.Settings.ShowDialog);
}

void frmWelcome::cmdScores_Click() {
    program_.ShowNewScore = false;
    frmScores2::ShowModal(program_, this);
}

void frmWelcome::Check1_Click() {
    game::GameSettings& s = program_.Settings;
    if (Check1->isChecked()) {
        s.ShowDialog = false;
        s.ShowSplash = true;
    } else {
        s.ShowSplash = false;
        s.ShowDialog = true;
    }
    program_.SettingsChanged = true;
}

void frmWelcome::lblWebSite_Click() {
    VisitWebSite();
}

void frmWelcome::lblemail_Click() {
    SendMailToAuthor();
}

void frmWelcome::done(int result) {
    HelpViewer::Quit();
    QDialog::done(result);
}

} // namespace shell
