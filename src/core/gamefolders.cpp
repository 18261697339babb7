#include "core/gamefolders.h"

#include "core/inifile.h"
#include "core/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zk {

GameFolders ChooseGameFolders(const QString& programPath, const QString& dataFromProgram, const QString& xdgDataHome,
                              const QString& home)
{
    GameFolders f;
    const QDir programDir = QFileInfo(programPath).absoluteDir();
    const QString data = QDir::cleanPath(programDir.filePath(dataFromProgram));
    if (dataFromProgram.isEmpty() || !QFileInfo(data + QStringLiteral("/Text")).isDir())
        return f;
    f.installed = true;
    f.dataFolder = data;
    const QString base = QDir::isAbsolutePath(xdgDataHome) ? xdgDataHome : home + QStringLiteral("/.local/share");
    f.playerFolder = QDir::cleanPath(base + QStringLiteral("/zoriklad"));
    return f;
}

bool EnterGameFolders(const GameFolders& folders)
{
    if (!folders.installed)
        return true;
    if (!QDir().mkpath(folders.playerFolder))
        return false;
    const QString best = folders.playerFolder + QStringLiteral("/best.dat");
    if (!QFileInfo::exists(best) && QFile::copy(folders.dataFolder + QStringLiteral("/best.dat"), best)) {
        // The installed copy is read-only for the player; theirs must not be.
        QFile::setPermissions(
            best, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
    if (!QDir::setCurrent(folders.playerFolder))
        return false;
    SetDataFolder(folders.dataFolder);
    SetIniFolder(folders.playerFolder);
    return true;
}

}  // namespace zk
