// What every small dialog of the game shares: centring over the window that
// opened it, the game's own mouse cursor, link labels and the "File Error"
// text.
#pragma once

#include <QCursor>
#include <QString>
#include <string>

class QFrame;
class QLabel;
class QWidget;

namespace shell {

// Moves `dialog` so that its centre lies on the centre of `anchor` (the board
// window, or the welcome dialog before the board exists), frames included.
// With no anchor the dialog is centred on the screen. A `topDivisor` other
// than 2 moves it up or down: Top = anchor Top + anchor Height / topDivisor -
// own Height / topDivisor (1.5 sets it lower than centred).
void CentreOver(QWidget* dialog, const QWidget* anchor, double topDivisor = 2.0);

// A label showing `shown` as a link to `url`; a click on it raises
// linkActivated and opens nothing by itself.
QLabel* LinkLabel(const QString& url, const QString& shown, QWidget* parent);

// The "Web site:" and "E-Mail:" rows of the welcome and about boxes, laid out
// in `frame`; the two link labels report a click through linkActivated.
struct LinkRows {
    QLabel* Label1;
    QLabel* lblWebSite;
    QLabel* Label2;
    QLabel* lblemail;
};
LinkRows MakeLinkRows(QFrame* frame);

// Keeps a window without a parent above `owner`'s window on screen. Used for
// the boxes that must stay usable while the board window is disabled.
void KeepAbove(QWidget* window, const QWidget* owner);

// The game's cursor for a dialog: "base.cur" from the program's folder, or the
// ordinary arrow when that file is missing or unreadable.
QCursor DialogCursor(const std::string& appPath);

// Gives `dialog` the game's cursor (see DialogCursor).
void ApplyDialogCursor(QWidget* dialog, const std::string& appPath);

// The text of a failed file open as the game reports it: the error number,
// the system's description and "Cannot open file", joined without blanks.
QString FileErrorText(int errorNumber, const QString& description);

// The "Open scores" box of the top-score tables and the rules viewer.
void ShowOpenScoresMessage(QWidget* parent, const QString& text);
// The same box for a file that could not be opened: the problem, then
// "Cannot open " and the file name.
void ShowOpenScoresError(QWidget* parent, const QString& problem, const QString& fileName);

// Error numbers the game reports for a file that cannot be opened.
constexpr int FileNotFoundError = 53;
constexpr int FileAccessError = 75;

} // namespace shell
