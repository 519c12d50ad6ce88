// Program entry: opens the main window.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Quorvane 2.0");
    window.resize(340, 560);
    window.show();
    return app.exec();
}
