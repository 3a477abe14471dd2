// The yardstick for start-up and memory: a Qt main window of the same size
// showing one line of text, which loads the fonts a window of text needs.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel("Campo eléctrico y potencial de un segmento cargado"));
    window.resize(887, 585);
    window.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
