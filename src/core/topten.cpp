#include "core/topten.h"

#include "core/binaryfile.h"
#include "core/cp1251.h"
#include "core/errors.h"
#include "core/filelock.h"
#include "core/paths.h"

#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace zk {

static_assert(sizeof(TopTen) == kTopTenFileSize);

QString TopTenEntry::NameText() const
{
    return FromCp1251(QByteArrayView(Name, std::min<int>(NameLength, kNameCapacity)));
}

void TopTenEntry::SetName(const QString& name)
{
    std::memset(Name, 0, sizeof Name);
    int n = 0;
    // Characters, not UTF-16 units, so a character outside the basic plane counts once.
    for (const char32_t c : name.toUcs4()) {
        if (n == kNameCapacity)
            break;
        bool ok = false;
        const QByteArray b = ToCp1251(QString::fromUcs4(&c, 1), &ok);
        Name[n++] = ok && b.size() == 1 ? b.at(0) : '?';
    }
    NameLength = static_cast<std::uint8_t>(n);
}

TopTenEntry MakeTopTenEntry(std::uint8_t place, const QString& name, std::int32_t amount)
{
    TopTenEntry e;
    e.Place = place;
    e.SetName(name);
    e.Amount = amount;
    return e;
}

TopTen DefaultTopTen()
{
    TopTen t;
    for (int i = 0; i < kTopTenRows; ++i)
        t[i] = MakeTopTenEntry(static_cast<std::uint8_t>(i + 1), QStringLiteral("Тармил"), 100);
    return t;
}

TopTenEntry DecodeTopTenEntry(const char* bytes)
{
    TopTenEntry e;
    std::memcpy(&e, bytes, sizeof e);
    if (e.NameLength > TopTenEntry::kNameCapacity)
        e.NameLength = TopTenEntry::kNameCapacity;
    return e;
}

QByteArray EncodeTopTen(const TopTen& table)
{
    return QByteArray(reinterpret_cast<const char*>(table.data()), kTopTenFileSize);
}

ParsedTopTen ParseTopTen(QByteArrayView bytes)
{
    ParsedTopTen parsed;
    const qsizetype records = std::min<qsizetype>(kTopTenRows, bytes.size() / kTopTenEntrySize);
    for (qsizetype i = 0; i < records; ++i)
        parsed.rows[i] = DecodeTopTenEntry(bytes.data() + i * kTopTenEntrySize);
    parsed.count = static_cast<int>(records);
    return parsed;
}

void ShowTopTen(TopTenColumns& shown, int row, const TopTenEntry& entry)
{
    const QString place = QString::number(entry.Place) + QStringLiteral(".  ") + entry.NameText();
    const QString amount = QString::number(entry.Amount);
    if (row < kTopTenRows) {
        shown.names.append(QStringLiteral("  ") + place);
        shown.amounts.append(amount);
        return;
    }
    // The tenth row fills the line after the ninth and ends the text: no line break follows it.
    if (shown.names.size() >= kTopTenRows)
        shown.names[kTopTenRows - 1] = place;
    else
        shown.names.append(place);
    if (shown.amounts.size() >= kTopTenRows)
        shown.amounts[kTopTenRows - 1] = amount;
    else
        shown.amounts.append(amount);
}

TopTenColumns ShowAll(const TopTen& table)
{
    TopTenColumns shown;
    for (int i = 0; i < kTopTenRows; ++i)
        ShowTopTen(shown, i + 1, table[i]);
    return shown;
}

TopTen ReadTopTen(const QString& gameName, const TopTenRowSink& onRow)
{
    // The file object closes itself on every way out, so a failed read never keeps it open.
    BinaryFile file;
    file.OpenRead(gameName);
    TopTen table{};
    for (int i = 0; i < kTopTenRows; ++i) {
        char bytes[kTopTenEntrySize];
        file.Read(bytes, sizeof bytes);
        table[i] = DecodeTopTenEntry(bytes);
        if (onRow)
            onRow(i + 1, table[i]);
    }
    file.Close();
    return table;
}

namespace {

// The runtime's code for a file that cannot be created at path.
int CreateFailureCode(const QString& path, int err)
{
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists() || !folder.isDir())
        return InOutError::InvalidFilename;
    if (target.isDir())
        return InOutError::AccessDenied;
    const int code = err != 0 ? InOutError::CodeFromErrno(err) : InOutError::AccessDenied;
    // Whatever else the temporary file's creation tripped over, the player cannot write here.
    switch (code) {
    case InOutError::TooManyOpenFiles:
    case InOutError::DiskFull:
    case InOutError::AccessDenied: return code;
    default: return InOutError::AccessDenied;
    }
}

}  // namespace

void WriteTopTen(const TopTen& table, const QString& gameName)
{
    const QString path = ResolveDataPath(gameName);
    const QByteArray bytes = EncodeTopTen(table);

    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        throw InOutError(CreateFailureCode(path, errno));

    // Written through the descriptor so that a failure carries the system's own reason.
    const int fd = file.handle();
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            file.cancelWriting();  // the temporary file goes, the old table stays
            throw InOutError(InOutError::CodeFromErrno(err));
        }
        done += n;
    }
    errno = 0;
    if (!file.commit()) {
        const int err = errno;
        throw InOutError(err != 0 ? InOutError::CodeFromErrno(err) : InOutError::AccessDenied);
    }
}

namespace {

// Another game in the same folder may be recording at this moment: the read, the change and
// the rewrite of the table happen under one lock, or one of the two results is lost.
void LockTable(FileLock& lock)
{
    if (!lock.acquired())
        throw InOutError(InOutError::SharingViolation);
}

}  // namespace

TopTen ResetTopTen(const QString& gameName)
{
    FileLock lock(ResolveDataPath(gameName));
    LockTable(lock);
    const TopTen table = DefaultTopTen();
    WriteTopTen(table, gameName);
    return table;
}

TopTen InsertResult(const TopTen& table, const QString& name, std::int32_t amount)
{
    TopTen out = table;
    for (int i = 0; i < kTopTenRows; ++i) {
        if (out[i].Amount > amount)
            continue;
        for (int j = kTopTenRows - 1; j > i; --j) {
            const std::uint8_t place = out[j].Place;
            out[j] = out[j - 1];
            out[j].Place = place;
        }
        out[i] = MakeTopTenEntry(out[i].Place, name, amount);
        break;
    }
    return out;
}

TopTen RecordResult(const QString& name, std::int32_t amount, const QString& gameName)
{
    FileLock lock(ResolveDataPath(gameName));
    LockTable(lock);
    TopTen table;
    try {
        table = ReadTopTen(gameName);
    } catch (const InOutError& e) {
        // Without a file the player's result still counts: it goes into the default table.
        // Any other failure (a short or unreadable file) leaves the file as it is.
        if (e.code() != InOutError::FileNotFound)
            throw;
        table = DefaultTopTen();
    }
    const TopTen updated = InsertResult(table, name, amount);
    WriteTopTen(updated, gameName);
    return updated;
}

}  // namespace zk
