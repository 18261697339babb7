#include "core/gamefolders.h"
#include "game/unit1.h"
#include "game/windows.h"
#include "platform/appstyle.h"
#include "platform/fonts.h"
#include "platform/screenprobe.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <malloc.h>

int main(int argc, char* argv[])
{
    // One heap for every thread: the game works on one thread, and the pictures decoded in the
    // background at start-up would otherwise leave a second heap, 1 MB, that nothing else uses.
    mallopt(M_ARENA_MAX, 1);
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
    // Start-up passes through more memory than the idle stage keeps (the splash picture, the
    // sharper pictures before they are scaled to the screen): hand the freed pages back once.
    QTimer::singleShot(0, [] { malloc_trim(0); });
    return QApplication::exec();
}
