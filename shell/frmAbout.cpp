#include "frmAbout.h"

#include "AppInfo.h"
#include "DialogArt.h"
#include "DialogSupport.h"
#include "Links.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

QString SpacedTitle(const QString& title) {
    QStringList letters;
    for (QChar letter : title) {
        letters << QString(letter);
    }
    return letters.join(QLatin1Char(' '));
}

frmAbout::frmAbout(const game::Program& program, QWidget* board) : QDialog(nullptr), board_(board) {
    // No parent: a child window would be disabled together with the board.
    setWindowTitle(QStringLiteral("About Quorvane 2.0"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    ApplyDialogCursor(this, program.AppPath);

    Image1 = new QLabel(this);
    Image1->setPixmap(AboutPicture());
    Image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblTitle = new QLabel(SpacedTitle(ProgramTitle()), this);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.9);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblTitle->setStyleSheet(QStringLiteral("color: rgb(0, 51, 102);"));

    lblVersion = new QLabel(QStringLiteral("Version 2.0"), this);

    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setMinimumSize(110, 34);
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &frmAbout::cmdClose_Click);

    auto* links = new QFrame(this);
    links->setFrameShape(QFrame::StyledPanel);
    const LinkRows rows = MakeLinkRows(links);
    Label1 = rows.Label1;
    lblWebSite = rows.lblWebSite;
    Label2 = rows.Label2;
    lblemail = rows.lblemail;
    connect(lblWebSite, &QLabel::linkActivated, this, &frmAbout::lblWebSite_Click);
    connect(lblemail, &QLabel::linkActivated, this, &frmAbout::lblemail_Click);

    auto* text = new QVBoxLayout;
    text->setSpacing(6);
    text->addWidget(lblTitle);
    text->addWidget(lblVersion);
    text->addSpacing(10);
    text->addWidget(links);

    auto* top = new QHBoxLayout;
    top->setSpacing(20);
    top->addWidget(Image1);
    top->addLayout(text, 1);

    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 20, 22, 18);
    layout->setSpacing(18);
    layout->addLayout(top);
    layout->addLayout(closeRow);

    setFixedSize(sizeHint());
    CentreOver(this, board);
}

frmAbout::~frmAbout() {
    EnableBoard();
}

frmAbout* frmAbout::Open(const game::Program& program, QWidget* board) {
    auto* about = new frmAbout(program, board);
    about->setAttribute(Qt::WA_DeleteOnClose);
    KeepAbove(about, board);
    about->show();
    return about;
}

void frmAbout::showEvent(QShowEvent* event) {
    if (board_ != nullptr) {
        board_->setEnabled(false);
    }
    QDialog::showEvent(event);
}

// Every way of closing hides the box first: Close, the close box, Escape.
void frmAbout::hideEvent(QHideEvent* event) {
    EnableBoard();
    QDialog::hideEvent(event);
}

void frmAbout::EnableBoard() {
    if (board_ != nullptr) {
        board_->setEnabled(true);
    }
}

void frmAbout::cmdClose_Click() {
    close();
}

void frmAbout::lblWebSite_Click() {
    VisitWebSite();
}

void frmAbout::lblemail_Click() {
    SendMailToAuthor();
}

} // namespace shell
