// The yardstick for the idle main window: the smallest Qt Widgets program that shows a window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget w;
    w.resize(800, 534);
    w.setWindowTitle(QStringLiteral("minimal"));
    w.showMaximized();
    return QApplication::exec();
}
