#include "frmOptions.h"

#include "DialogSupport.h"
#include "HoverCommand.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace shell {

namespace {

// A frame whose option buttons form one group: exactly one is selected.
QGroupBox* Frame(const QString& caption, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(10, 6, 10, 8);
    column->setSpacing(4);
    return frame;
}

template <typename Control> Control* AddTo(QGroupBox* frame, Control* control, const char* name) {
    control->setObjectName(QLatin1String(name));
    frame->layout()->addWidget(control);
    return control;
}

QRadioButton* Option(QGroupBox* frame, const QString& caption, const char* name) {
    return AddTo(frame, new QRadioButton(caption, frame), name);
}

QCheckBox* Check(QGroupBox* frame, const QString& caption, const char* name) {
    return AddTo(frame, new QCheckBox(caption, frame), name);
}

bool Checked(const QCheckBox* box) {
    return box->checkState() != Qt::Unchecked;
}

} // namespace

frmOptions::frmOptions(game::Program& program, QWidget* anchor)
    : QDialog(anchor), program_(program) {
    setWindowTitle(QStringLiteral("Options"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    BuildControls();
    setFixedSize(sizeHint());
    Form_Load(anchor);
}

void frmOptions::BuildControls() {
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    auto* page = new QWidget(SSTab1);
    SSTab1->addTab(page, QStringLiteral("Options"));

    fraDice = Frame(QStringLiteral(" Number of Dice "), page);
    opt5Dice = Option(fraDice, QStringLiteral("&Five Dice"), "opt5Dice");
    opt6Dice = Option(fraDice, QStringLiteral("&Six Dice"), "opt6Dice");

    fraGame = Frame(QStringLiteral(" Type of Game "), page);
    optYahtzee = Option(fraGame, QStringLiteral("&Yahtzee (single column)"), "optYahtzee");
    optYamb = Option(fraGame, QStringLiteral("Y&amb (four columns)"), "optYamb");

    fraPlayers = Frame(QStringLiteral(" Number of Players "), page);
    opt1Player = Option(fraPlayers, QStringLiteral("&One Player"), "opt1Player");
    opt2Players = Option(fraPlayers, QStringLiteral("&Two Players"), "opt2Players");

    fraNames = Frame(QStringLiteral(" Players Names "), page);
    txtName1 = AddTo(fraNames, new QLineEdit(QStringLiteral("Player 1"), fraNames), "txtName1");
    txtName2 = AddTo(fraNames, new QLineEdit(QStringLiteral("Player 2"), fraNames), "txtName2");

    fraGeneral = Frame(QStringLiteral(" General Options "), page);
    chkSoundOnExit = Check(fraGeneral, QStringLiteral("&Enable Sound on Exit"), "chkSoundOnExit");
    chkShowStatusBar = Check(fraGeneral, QStringLiteral("S&how Status Bar"), "chkShowStatusBar");
    chkQuitGame = Check(fraGeneral, QStringLiteral("C&onfirm Quit Game"), "chkQuitGame");
    chkConfirmExit = Check(fraGeneral, QStringLiteral("&Confirm on Exit"), "chkConfirmExit");

    fraStartUp = Frame(QStringLiteral(" Show at Start Up "), page);
    optShowNone = Option(fraStartUp, QStringLiteral("&None"), "optShowNone");
    optShowSplash = Option(fraStartUp, QStringLiteral("S&plash Screen"), "optShowSplash");
    optShowDialog = Option(fraStartUp, QStringLiteral("&Dialog Screen"), "optShowDialog");

    // The option buttons of a frame exclude each other even where the frame
    // holds other controls too.
    for (QGroupBox* frame : {fraDice, fraGame, fraPlayers, fraStartUp}) {
        auto* group = new QButtonGroup(frame);
        for (QRadioButton* option : frame->findChildren<QRadioButton*>()) {
            group->addButton(option);
        }
    }

    HoverCommand1 = new HoverCommand(QStringLiteral("  &OK"), page);
    HoverCommand2 = new HoverCommand(QStringLiteral("&Cancel"), page);
    HoverCommand1->setObjectName(QStringLiteral("HoverCommand1"));
    HoverCommand2->setObjectName(QStringLiteral("HoverCommand2"));
    for (HoverCommand* button : {HoverCommand1, HoverCommand2}) {
        button->setFixedSize(button->sizeHint().expandedTo(QSize(104, 34)));
    }

    // Selecting an option button in code runs its click rule as a click would.
    connect(opt1Player, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            opt1Player_Click();
        }
    });
    connect(opt2Players, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            opt2Players_Click();
        }
    });
    connect(HoverCommand1, &HoverCommand::Click, this, &frmOptions::HoverCommand1_Click);
    connect(HoverCommand2, &HoverCommand::Click, this, &frmOptions::HoverCommand2_Click);
    HoverCommand1->setDefault(true); // Enter confirms

    // Three columns: the game, the players, the program.
    auto* first = new QVBoxLayout;
    first->setSpacing(10);
    first->addWidget(fraDice);
    first->addWidget(fraGame);
    first->addWidget(fraPlayers);
    first->addStretch();

    auto* second = new QVBoxLayout;
    second->setSpacing(10);
    second->addWidget(fraNames);
    second->addWidget(fraStartUp);
    second->addStretch();

    auto* third = new QVBoxLayout;
    third->setSpacing(10);
    third->addWidget(fraGeneral);
    third->addStretch();

    auto* frames = new QHBoxLayout;
    frames->setSpacing(12);
    frames->addLayout(first);
    frames->addLayout(second);
    frames->addLayout(third);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addStretch();
    buttons->addWidget(HoverCommand1);
    buttons->addWidget(HoverCommand2);

    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(12, 12, 12, 12);
    pageLayout->setSpacing(14);
    pageLayout->addLayout(frames);
    pageLayout->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(SSTab1);
}

void frmOptions::Form_Load(QWidget* anchor) {
    const game::GameSettings& s = program_.Settings;

    // Over the board, centred; over the welcome dialog, a little lower.
    CentreOver(this, anchor, program_.OpenedFromBoard ? 2.0 : 1.5);
    ApplyDialogCursor(this, program_.AppPath);

    (s.NumberOfDice == 4 ? opt5Dice : opt6Dice)->setChecked(true);
    (s.NumberOfColumns == 1 ? optYahtzee : optYamb)->setChecked(true);
    if (s.NumberOfPlayers == 1) {
        opt1Player->setChecked(true);
        txtName2->setEnabled(false);
    } else {
        opt2Players->setChecked(true);
        txtName2->setEnabled(true);
    }
    txtName1->setText(QString::fromStdString(s.Player1));
    txtName2->setText(QString::fromStdString(s.Player2));
    chkConfirmExit->setChecked(s.ConfirmOnExit);
    chkSoundOnExit->setChecked(s.SoundOnExit);
    chkQuitGame->setChecked(s.ConfirmQuitGame);
    (s.ShowDialog ? optShowDialog : optShowSplash)->setChecked(true);
    if (!s.ShowDialog && !s.ShowSplash) {
        optShowNone->setChecked(true);
    }
    if (s.NumberOfPlayers != 1) {
        chkShowStatusBar->setChecked(true);
        chkShowStatusBar->setEnabled(false);
    } else {
        chkShowStatusBar->setEnabled(true);
        chkShowStatusBar->setChecked(s.ShowStatusBar);
    }
}

void frmOptions::ShowModal(game::Program& program, QWidget* anchor) {
    frmOptions dialog(program, anchor);
    dialog.exec();
}

void frmOptions::opt1Player_Click() {
    chkShowStatusBar->setEnabled(true);
    txtName2->setEnabled(false);
}

// With two players the status bar always shows the totals.
void frmOptions::opt2Players_Click() {
    chkShowStatusBar->setChecked(true);
    chkShowStatusBar->setEnabled(false);
    txtName2->setEnabled(true);
}

void frmOptions::HoverCommand1_Click() {
    game::GameSettings& s = program_.Settings;
    s.NumberOfDice = opt5Dice->isChecked() ? 4 : 5;
    s.NumberOfColumns = optYahtzee->isChecked() ? 1 : 4;
    s.NumberOfPlayers = opt1Player->isChecked() ? 1 : 2;
    if (optShowNone->isChecked()) {
        s.ShowDialog = false;
        s.ShowSplash = false;
    }
    s.Player1 = game::FixedText10(txtName1->text().toStdString());
    s.Player2 = game::FixedText10(txtName2->text().toStdString());
    s.ConfirmOnExit = Checked(chkConfirmExit);
    s.SoundOnExit = Checked(chkSoundOnExit);
    s.ConfirmQuitGame = Checked(chkQuitGame);
    s.ShowDialog = optShowDialog->isChecked();
    s.ShowStatusBar = Checked(chkShowStatusBar);
    s.ShowSplash = optShowSplash->isChecked();
    program_.SettingsChanged = true;
    accept();
}

// The close box and Escape close the dialog without either rule.
void frmOptions::HoverCommand2_Click() {
    program_.SettingsChanged = false;
    reject();
}

} // namespace shell
