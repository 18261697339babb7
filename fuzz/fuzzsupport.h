#pragma once
// Shared start-up of the fuzz targets: an offscreen Qt application (the picture readers
// are Qt plugins) and a scratch game folder as the working directory.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace zkfuzz {

inline void StartQt()
{
    static int argc = 1;
    static char name[] = "zkfuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

// A folder that stays the working directory for the whole run.
inline QTemporaryDir& Scratch()
{
    static QTemporaryDir dir;
    static bool entered = QDir::setCurrent(dir.path());
    (void)entered;
    return dir;
}

inline void WriteFile(const QString& relative, const std::uint8_t* data, std::size_t size)
{
    const QString path = Scratch().filePath(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
}

inline QByteArray Bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

}  // namespace zkfuzz
