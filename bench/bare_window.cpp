// The yardstick of bench/startup: the barest Qt 6 program with a window, a
// main window holding one label, about the size of the board.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setCentralWidget(new QLabel(QStringLiteral("A bare Qt window")));
    window.resize(320, 540);
    window.show();
    return QApplication::exec();
}
