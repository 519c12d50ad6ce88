// The rules viewer: shows the game's rules, carried inside the program as a
// rich-text document, and prints them. Modeless from the board window (one
// viewer at a time), modal from the welcome dialog.
#pragma once

#include "game/Program.h"

#include <QDialog>
#include <QPointer>

class QPrinter;
class QTextBrowser;

namespace shell {

class HoverCommand;

class frmQuickStart : public QDialog {
    Q_OBJECT

public:
    // `anchor` is the window the viewer centres over: the board window, or
    // the welcome dialog before the board exists. `document` names the rules
    // document among the program's resources.
    frmQuickStart(const game::Program& program, QWidget* anchor,
                  const QString& document = RulesDocument());

    static QString RulesDocument();

    // From the board: shows the viewer modeless, or brings the open one to
    // the front.
    static frmQuickStart* ShowFromBoard(const game::Program& program, QWidget* board);
    // From the welcome dialog: shows a viewer modally.
    static void ShowFromWelcome(const game::Program& program, QWidget* welcome);
    // Closes the viewer opened from the board, if there is one.
    static void CloseIfOpen();

    QTextBrowser* RichTextBox1;
    HoverCommand* cmdOK;
    HoverCommand* cmdPrint;

    void cmdOK_Click();
    // Asks for a printer and prints the selection, or the whole document when
    // nothing is selected.
    void cmdPrint_Click();

    // Prints as cmdPrint_Click does, on a printer already set up; dark ink on
    // white paper whatever the screen colours.
    void PrintTo(QPrinter& printer) const;

    bool DocumentLoaded() const { return loaded_; }

private:
    bool LoadDocument(const QString& document, QWidget* messageParent);

    bool loaded_ = false;
    static QPointer<frmQuickStart> fromBoard_;
};

} // namespace shell
