// The about box: the game's name, version and links. It keeps the board
// window disabled while it is open and enables it again however it closes.
#pragma once

#include "game/Program.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;

namespace shell {

class frmAbout : public QDialog {
    Q_OBJECT

public:
    frmAbout(const game::Program& program, QWidget* board);
    ~frmAbout() override;

    // Opens a new about box modeless over the board; it deletes itself when
    // closed.
    static frmAbout* Open(const game::Program& program, QWidget* board);

    QLabel* Image1;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* Label1;
    QLabel* lblWebSite;
    QLabel* Label2;
    QLabel* lblemail;
    QPushButton* cmdClose;

    void cmdClose_Click();
    void lblWebSite_Click();
    void lblemail_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void EnableBoard();

    QPointer<QWidget> board_;
};

// The game's name with one blank between its letters.
QString SpacedTitle(const QString& title);

} // namespace shell
