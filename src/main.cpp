#include <QApplication>
#include "platform/fonts.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Зориклад!"));
    zk::InstallFontSubstitutions();
    return 0;
}
