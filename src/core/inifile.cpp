#include "core/inifile.h"

#include "core/cp1251.h"
#include "core/errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
// The file holds ANSI bytes; no Unicode conversion inside SimpleIni.
#define SI_NO_CONVERSION
// Debian's header keeps the template bodies behind this switch (its own library is built
// for ICU conversion, which we do not use), so this file compiles them in.
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

namespace zk {
namespace {

// The file is in the ANSI code page; SimpleIni works on its bytes.
bool loadIni(const QString& path, CSimpleIniA& ini)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = f.readAll();
    return ini.LoadData(bytes.constData(), static_cast<size_t>(bytes.size())) >= 0;
}

// Written the way the system's own profile functions write it: "key=value", no blanks.
struct ProfileIni : CSimpleIniA {
    ProfileIni() : CSimpleIniA(false, false, false) { SetSpaces(false); }
};

}  // namespace

QString IniFile::ReadString(const QString& section, const QString& key, const QString& def) const
{
    ProfileIni ini;
    if (!loadIni(path_, ini))
        return def;
    const QByteArray s = ToCp1251(section);
    const QByteArray k = ToCp1251(key);
    const char* value = ini.GetValue(s.constData(), k.constData(), nullptr);
    if (!value)
        return def;
    return FromCp1251(QByteArrayView(value).first(std::min<qsizetype>(2047, qstrlen(value))));
}

void IniFile::WriteString(const QString& section, const QString& key, const QString& value) const
{
    const auto fail = [this] { throw IniWriteError(QStringLiteral("Unable to write to %1").arg(path_)); };
    ProfileIni ini;
    // A missing file starts empty; one that exists but cannot be read must not be
    // replaced by a file holding the one key, which would lose the rest of it.
    if (!loadIni(path_, ini) && QFileInfo::exists(path_))
        fail();
    const QByteArray s = ToCp1251(section);
    const QByteArray k = ToCp1251(key);
    const QByteArray v = ToCp1251(value);
    ini.SetValue(s.constData(), k.constData(), v.constData());
    std::string data;
    if (ini.Save(data) < 0)
        fail();
    QSaveFile out(path_);
    if (!out.open(QIODevice::WriteOnly))
        fail();
    const auto size = static_cast<qint64>(data.size());
    if (out.write(data.data(), size) != size)
        fail();
    // commit() lets a short write through (a full disk, a file size limit) and would
    // put a cut-off file in place of the good one, so the bytes are checked first.
    if (!out.flush() || out.size() != size)
        fail();
    if (!out.commit())
        fail();
}

int IniTextToInt(const QString& text, int def)
{
    QString t = text.left(2047);
    bool ok = false;
    qlonglong v = 0;
    if (t.size() > 2 && (t.startsWith(QLatin1String("0x")) || t.startsWith(QLatin1String("0X")))) {
        const QString hex = t.mid(2);
        // Hexadecimal is read as 32 bits, so "0xFFFFFFFF" is -1.
        const qulonglong u = hex.toULongLong(&ok, 16);
        if (!ok || u > 0xFFFFFFFFull || hex.startsWith(QLatin1Char('+')) || hex.startsWith(QLatin1Char('-')))
            return def;
        return static_cast<int>(static_cast<quint32>(u));
    }
    v = t.toLongLong(&ok, 10);
    if (!ok || v < INT32_MIN || v > INT32_MAX)
        return def;
    return static_cast<int>(v);
}

bool IniFile::ReadBool(const QString& section, const QString& key, bool def) const
{
    return IniTextToInt(ReadString(section, key, QString()), def ? 1 : 0) != 0;
}

void IniFile::WriteBool(const QString& section, const QString& key, bool value) const
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QString IniPathForProgram(const QString& programPath)
{
    const QFileInfo info(programPath);
    const QString suffix = info.suffix();
    if (suffix.isEmpty())
        return programPath + QStringLiteral(".ini");
    return programPath.left(programPath.size() - suffix.size()) + QStringLiteral("ini");
}

}  // namespace zk

#include <QCoreApplication>

namespace zk {
namespace {
QString g_programPath;
QString g_iniFolder;
IniFile g_settings{QString()};
}  // namespace

QString ProgramPath() { return g_programPath.isEmpty() ? QCoreApplication::applicationFilePath() : g_programPath; }
void SetProgramPath(const QString& path) { g_programPath = path; }
void SetIniFolder(const QString& folder) { g_iniFolder = folder; }
QString IniPathForRun()
{
    const QString beside = IniPathForProgram(ProgramPath());
    if (g_iniFolder.isEmpty())
        return beside;
    return g_iniFolder + QLatin1Char('/') + QFileInfo(beside).fileName();
}
IniFile& Settings() { return g_settings; }
void SetSettingsPath(const QString& iniPath) { g_settings = IniFile(iniPath); }
}  // namespace zk
