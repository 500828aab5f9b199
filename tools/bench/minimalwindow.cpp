// The least a Qt Widgets program does to put a window on screen: the yardstick that
// tools/bench/startup-bench.sh times the program's own start against.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("minimal window"));
    window.resize(808, 593);
    window.show();
    return app.exec();
}
