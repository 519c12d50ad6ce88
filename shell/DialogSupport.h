// What every small dialog of the game shares: centring over the window that
// opened it, the game's own mouse cursor and the "File Error" text.
#pragma once

#include <QCursor>
#include <QString>
#include <string>

class QWidget;

namespace shell {

// Moves `dialog` so that its centre lies on the centre of `anchor` (the board
// window, or the welcome dialog before the board exists), frames included.
// With no anchor the dialog is centred on the screen.
void CentreOver(QWidget* dialog, const QWidget* anchor);

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

// Error numbers the game reports for a file that cannot be opened.
constexpr int FileNotFoundError = 53;
constexpr int FileAccessError = 75;

} // namespace shell
