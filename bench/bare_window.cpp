// The yardstick for bench_startup: the least a Qt Widgets program does to put one
// empty window on screen, at the size of the splash window.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(656, 475);
    window.show();
    return QApplication::exec();
}
