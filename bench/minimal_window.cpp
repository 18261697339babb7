// The yardstick for the idle main window: the smallest Qt Widgets program that shows a window.
// With --scaled it takes the scale factor the game would take on this screen, so that the two
// are compared at the same size in device pixels.
#include "platform/screenprobe.h"

#include <QApplication>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--scaled") == 0)
        zk::ChooseScaleFactor();
    QApplication app(argc, argv);
    QWidget w;
    w.resize(800, 534);
    w.setWindowTitle(QStringLiteral("minimal"));
    w.showMaximized();
    return QApplication::exec();
}
