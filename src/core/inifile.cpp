#include "core/inifile.h"

#include "core/cp1251.h"
#include "core/errors.h"
#include "core/filelock.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <optional>

namespace zk {
namespace {

// The file as the system's profile functions see it: lines of bytes in the ANSI code page.
// A line "[name]" opens a section; a line "key=value" in a section is a key (blanks around
// both trimmed); every other line (comments, blank lines, anything) is kept as it is and
// never matched. Names compare without regard to case; the first section and the first key
// of a name count. A write changes only the line of its key, or adds one, so the rest of
// the file (other sections and keys, comments, order, line ends) stays byte for byte.
struct ProfileLines {
    QList<QByteArray> lines;  // split at "\n", each keeping the "\r" it may end with
    bool crlf = false;  // the file's own line end, for lines written
    bool endsWithEol = true;

    explicit ProfileLines(const QByteArray& bytes)
    {
        if (bytes.isEmpty())
            return;
        const qsizetype firstEnd = bytes.indexOf('\n');
        crlf = firstEnd > 0 && bytes.at(firstEnd - 1) == '\r';
        lines = bytes.split('\n');
        endsWithEol = bytes.endsWith('\n');
        if (endsWithEol)
            lines.removeLast();
    }

    QByteArray join() const
    {
        QByteArray out;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            out += lines.at(i);
            if (i + 1 < lines.size() || endsWithEol)
                out += '\n';
        }
        return out;
    }

    static bool sameName(QByteArrayView a, QByteArrayView b)
    {
        return FromCp1251(a).compare(FromCp1251(b), Qt::CaseInsensitive) == 0;
    }

    // The name of a section line, or nothing.
    static std::optional<QByteArray> sectionName(const QByteArray& line)
    {
        const QByteArray t = line.trimmed();
        if (!t.startsWith('['))
            return std::nullopt;
        const qsizetype close = t.indexOf(']');
        return (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
    }

    // First line of the section's body and the line after its end; nothing when missing.
    std::optional<std::pair<qsizetype, qsizetype>> section(QByteArrayView name) const
    {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const auto found = sectionName(lines.at(i));
            if (!found || !sameName(*found, name))
                continue;
            qsizetype end = i + 1;
            while (end < lines.size() && !sectionName(lines.at(end)))
                ++end;
            return std::make_pair(i + 1, end);
        }
        return std::nullopt;
    }

    // The line of the key in the body [from, to), or -1.
    qsizetype key(qsizetype from, qsizetype to, QByteArrayView name) const
    {
        for (qsizetype i = from; i < to; ++i) {
            const qsizetype eq = lines.at(i).indexOf('=');
            if (eq >= 0 && sameName(lines.at(i).left(eq).trimmed(), name))
                return i;
        }
        return -1;
    }

    std::optional<QByteArray> value(QByteArrayView sectionName, QByteArrayView keyName) const
    {
        const auto body = section(sectionName);
        if (!body)
            return std::nullopt;
        const qsizetype i = key(body->first, body->second, keyName);
        if (i < 0)
            return std::nullopt;
        const QByteArray& line = lines.at(i);
        QByteArray v = line.mid(line.indexOf('=') + 1).trimmed();
        // A value in quotes is read without them.
        if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
            v = v.mid(1, v.size() - 2);
        return v;
    }

    void set(QByteArrayView sectionName, QByteArrayView keyName, QByteArrayView value)
    {
        const QByteArray cr = crlf ? "\r" : "";
        const QByteArray line = keyName.toByteArray() + '=' + value.toByteArray();
        const auto body = section(sectionName);
        if (!body) {
            // A last line without its line end gets one first.
            if (!endsWithEol && crlf && !lines.isEmpty())
                lines.last() += '\r';
            lines << '[' + sectionName.toByteArray() + ']' + cr << line + cr;
            endsWithEol = true;
            return;
        }
        const qsizetype i = key(body->first, body->second, keyName);
        if (i >= 0) {
            lines[i] = line + (lines.at(i).endsWith('\r') ? QByteArray("\r") : QByteArray());
            return;
        }
        // After the section's last line that is not blank, before the gap to the next one.
        qsizetype at = body->second;
        while (at > body->first && lines.at(at - 1).trimmed().isEmpty())
            --at;
        if (at == lines.size() && !endsWithEol && crlf && !lines.isEmpty())
            lines.last() += '\r';
        lines.insert(at, line + cr);
        if (at == lines.size() - 1)
            endsWithEol = true;
    }
};

// The file's bytes; nothing when it cannot be read (a missing file included).
std::optional<QByteArray> readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

}  // namespace

QString IniFile::ReadString(const QString& section, const QString& key, const QString& def) const
{
    const auto bytes = readFile(path_);
    if (!bytes)
        return def;
    const auto value = ProfileLines(*bytes).value(ToCp1251(section), ToCp1251(key));
    if (!value)
        return def;
    return FromCp1251(QByteArrayView(*value).first(std::min<qsizetype>(2047, value->size())));
}

void IniFile::WriteString(const QString& section, const QString& key, const QString& value) const
{
    const auto fail = [this] { throw IniWriteError(QStringLiteral("Unable to write to %1").arg(path_)); };
    // Another game in the same folder may write its settings at this moment.
    const FileLock lock(path_);
    if (!lock.acquired())
        fail();
    const auto old = readFile(path_);
    // A missing file starts empty; one that exists but cannot be read must not be
    // replaced by a file holding the one key, which would lose the rest of it.
    if (!old && QFileInfo::exists(path_))
        fail();
    ProfileLines profile(old.value_or(QByteArray()));
    profile.set(ToCp1251(section), ToCp1251(key), ToCp1251(value));
    const QByteArray data = profile.join();

    QSaveFile out(path_);
    // A file the player may change in a folder where no new file can be made (beside a
    // program installed for all users) is rewritten in place.
    out.setDirectWriteFallback(true);
    if (!out.open(QIODevice::WriteOnly))
        fail();
    const auto size = static_cast<qint64>(data.size());
    if (out.write(data) != size)
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
    // "0x" and "0X" stand for the "$" that marks a hexadecimal number.
    if (t.size() > 2 && t.at(0) == QLatin1Char('0') && (t.at(1) == QLatin1Char('x') || t.at(1) == QLatin1Char('X')))
        t = QLatin1Char('$') + t.mid(2);
    const qsizetype sign = t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+')) ? 1 : 0;
    if (t.mid(sign).startsWith(QLatin1Char('$'))) {
        const QString hex = t.mid(sign + 1);
        const bool digitsOnly = !hex.isEmpty() && std::all_of(hex.begin(), hex.end(), [](QChar c) {
            return c.isDigit() || (c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f'));
        });
        bool ok = false;
        const qulonglong u = digitsOnly ? hex.toULongLong(&ok, 16) : 0;
        // Hexadecimal is read as 32 bits, so "$FFFFFFFF" is -1.
        if (!ok || u > 0xFFFFFFFFull)
            return def;
        const auto v = static_cast<quint32>(u);
        return static_cast<int>(t.startsWith(QLatin1Char('-')) ? 0u - v : v);
    }
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok, 10);
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
