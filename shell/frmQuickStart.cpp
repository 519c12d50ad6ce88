#include "frmQuickStart.h"

#include "DialogSupport.h"
#include "HoverCommand.h"

#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QVBoxLayout>
#include <memory>

// The document lives in a static library; this pulls its resources in.
static void InitDocumentResources() {
    Q_INIT_RESOURCE(documents);
}

namespace shell {

QPointer<frmQuickStart> frmQuickStart::fromBoard_;

namespace {

const QColor sheetBlue(0, 51, 102);
const QColor lightText(234, 241, 248);

// Headings and emphasis on the dark page; printing turns all ink dark.
const char* const screenStyle = "h1 { color: #ffd27f; } h2 { color: #ffd27f; } "
                                "h3 { color: #a8d4ff; } a { color: #ffd27f; } "
                                "th { color: #ffd27f; } ";

} // namespace

QString frmQuickStart::RulesDocument() {
    return QStringLiteral(":/documents/QuickStart.html");
}

frmQuickStart::frmQuickStart(const game::Program& program, QWidget* anchor, const QString& document)
    : QDialog(nullptr) {
    InitDocumentResources();
    setWindowTitle(QStringLiteral("Quick Start"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    ApplyDialogCursor(this, program.AppPath);

    RichTextBox1 = new QTextBrowser(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setOpenLinks(false);
    QPalette page = RichTextBox1->palette();
    page.setColor(QPalette::Base, sheetBlue);
    page.setColor(QPalette::Text, lightText);
    page.setColor(QPalette::Link, QColor(255, 210, 127));
    page.setColor(QPalette::Highlight, QColor(255, 210, 127));
    page.setColor(QPalette::HighlightedText, sheetBlue);
    RichTextBox1->setPalette(page);
    RichTextBox1->document()->setDefaultStyleSheet(QString::fromLatin1(screenStyle));
    RichTextBox1->document()->setDocumentMargin(14);

    cmdOK = new HoverCommand(QStringLiteral("&OK"), this);
    cmdPrint = new HoverCommand(QStringLiteral("&Print"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    connect(cmdOK, &HoverCommand::Click, this, &frmQuickStart::cmdOK_Click);
    connect(cmdPrint, &HoverCommand::Click, this, &frmQuickStart::cmdPrint_Click);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(12);
    buttons->addStretch();
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(12);
    layout->addWidget(RichTextBox1, 1);
    layout->addLayout(buttons);

    resize(600, 560);
    setMinimumSize(420, 320);
    CentreOver(this, anchor);

    loaded_ = LoadDocument(document, anchor);
}

bool frmQuickStart::LoadDocument(const QString& document, QWidget* messageParent) {
    // Read straight from the program's resources: no file is written.
    QFile source(document);
    if (!source.open(QIODevice::ReadOnly)) {
        // The viewer stays open, empty, and can still be closed.
        ShowOpenScoresError(
            messageParent, QString::number(FileNotFoundError) + source.errorString(),
            QCoreApplication::applicationDirPath() + QStringLiteral("/QuickStart.rtf"));
        return false;
    }
    RichTextBox1->setHtml(QString::fromUtf8(source.readAll()));
    return true;
}

frmQuickStart* frmQuickStart::ShowFromBoard(const game::Program& program, QWidget* board) {
    if (fromBoard_ == nullptr) {
        fromBoard_ = new frmQuickStart(program, board);
        fromBoard_->setAttribute(Qt::WA_DeleteOnClose);
        // A window of its own beside the board, not a dialog kept above it:
        // the board comes to the front whenever the player activates it.
        fromBoard_->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    }
    fromBoard_->show();
    fromBoard_->raise();
    fromBoard_->activateWindow();
    return fromBoard_;
}

void frmQuickStart::ShowFromWelcome(const game::Program& program, QWidget* welcome) {
    frmQuickStart viewer(program, welcome);
    KeepAbove(&viewer, welcome);
    viewer.exec();
}

void frmQuickStart::CloseIfOpen() {
    if (fromBoard_ != nullptr) {
        fromBoard_->close();
    }
}

void frmQuickStart::cmdOK_Click() {
    close();
}

void frmQuickStart::cmdPrint_Click() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Print Quick Start"));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialog.exec() == QDialog::Accepted) {
        PrintTo(printer);
    }
}

void frmQuickStart::PrintTo(QPrinter& printer) const {
    std::unique_ptr<QTextDocument> paper;
    const QTextCursor selection = RichTextBox1->textCursor();
    if (selection.hasSelection()) {
        paper = std::make_unique<QTextDocument>();
        QTextCursor(paper.get()).insertFragment(selection.selection());
    } else {
        paper.reset(RichTextBox1->document()->clone());
    }
    QTextCursor all(paper.get());
    all.select(QTextCursor::Document);
    QTextCharFormat ink;
    ink.setForeground(QColor(0, 0, 0));
    all.mergeCharFormat(ink);
    paper->print(&printer);
}

} // namespace shell
