#include "core/paths.h"

#include <QDir>
#include <QFileInfo>

namespace zk {
namespace {
QString g_dataFolder;
}

void SetDataFolder(const QString& folder) { g_dataFolder = folder; }
QString DataFolder() { return g_dataFolder; }

QString ResolveDataPath(const QString& gameName)
{
    QString name = gameName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!g_dataFolder.isEmpty() && !name.startsWith(QLatin1Char('/')) && name.contains(QLatin1Char('/')))
        name = g_dataFolder + QLatin1Char('/') + name;
    const QStringList parts = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const bool absolute = name.startsWith(QLatin1Char('/'));

    QString base = absolute ? QStringLiteral("/") : QString();
    bool searching = true;  // stop matching once a folder is missing: nothing below it exists
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString part = parts.at(i);
        const QString dirPath = base.isEmpty() ? QStringLiteral(".") : base;
        if (searching && part != QLatin1String(".") && part != QLatin1String("..")) {
            const QFileInfo exact(QDir(dirPath), part);
            if (!exact.exists()) {
                const QStringList entries =
                    QDir(dirPath).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
                bool found = false;
                for (const QString& entry : entries) {
                    if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                        part = entry;
                        found = true;
                        break;
                    }
                }
                searching = found;
            }
        }
        if (!base.isEmpty() && !base.endsWith(QLatin1Char('/')))
            base += QLatin1Char('/');
        base += part;
    }
    return base;
}

bool ParentFolderExists(const QString& resolvedPath)
{
    const QFileInfo info(resolvedPath);
    return info.dir().exists();
}

}  // namespace zk
