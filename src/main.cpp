#include "core/gamefolders.h"
#include "game/unit1.h"
#include "game/windows.h"
#include "platform/appstyle.h"
#include "platform/fonts.h"
#include "platform/screenprobe.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    // The stage fills the screen: the factor must be in place before Qt reads it.
    zk::ChooseScaleFactor();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Зориклад!"));
    zk::InstallFontSubstitutions();
    zk::InstallAppStyle();

    // An installed game plays from the player's own folder; a game folder plays where it is.
    zk::EnterGameFolders(zk::ChooseGameFolders(QCoreApplication::applicationFilePath(),
                                               QStringLiteral(ZK_DATA_FROM_PROGRAM),
                                               qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath()));

    // The main window first: its creation shows the splash and reads the settings;
    // then one instance of every other window, whose creation handlers run once.
    TForm1 mainForm;
    zk::CreateStartupInstances(&mainForm);
    mainForm.showMaximized();
    return QApplication::exec();
}
