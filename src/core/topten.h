#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace zk {

#pragma pack(push, 1)
// One row of the table of the best players, byte for byte as in "best.dat".
struct TopTenEntry {
    std::uint8_t Place = 0;  // the number shown in front of the name
    std::uint8_t NameLength = 0;  // 0..10; a larger byte in a foreign file is cut to 10
    char Name[10] = {};  // Windows-1251, bytes past the length mean nothing
    std::int32_t Amount = 0;  // roubles, little-endian on disk

    static constexpr int kNameCapacity = 10;

    QString NameText() const;
    // Keeps the first ten characters; a character without a Windows-1251 form becomes "?".
    void SetName(const QString& name);
};
#pragma pack(pop)

static_assert(sizeof(TopTenEntry) == 16);
static_assert(offsetof(TopTenEntry, Place) == 0);
static_assert(offsetof(TopTenEntry, NameLength) == 1);
static_assert(offsetof(TopTenEntry, Name) == 2);
static_assert(offsetof(TopTenEntry, Amount) == 12);
// The record is stored as it lies in memory.
static_assert(std::endian::native == std::endian::little);

constexpr int kTopTenRows = 10;
constexpr int kTopTenEntrySize = 16;
constexpr int kTopTenFileSize = kTopTenRows * kTopTenEntrySize;

// Rows 1..10 of the table are TopTen[0..9].
using TopTen = std::array<TopTenEntry, kTopTenRows>;

TopTenEntry MakeTopTenEntry(std::uint8_t place, const QString& name, std::int32_t amount);
// Ten rows of "Тармил" with 100 roubles, places 1..10: what a reset writes.
TopTen DefaultTopTen();

// One record from its 16 bytes (a length byte above 10 is cut to 10).
TopTenEntry DecodeTopTenEntry(const char* bytes);
QByteArray EncodeTopTen(const TopTen& table);

// The rows a byte buffer holds: the first min(10, size / 16) records; the rest of the
// table stays default-constructed. complete is false when the buffer is shorter than
// ten records (reading the file then fails with "Read beyond end of file").
struct ParsedTopTen {
    TopTen rows{};
    int count = 0;
    bool complete() const { return count == kTopTenRows; }
};
ParsedTopTen ParseTopTen(QByteArrayView bytes);

// The two columns of the window as plain lines.
struct TopTenColumns {
    QStringList names;  // "  1.  Тармил" ... "10.  Тармил"
    QStringList amounts;  // "100" ...
    QString namesText() const { return names.join(QLatin1Char('\n')); }
    QString amountsText() const { return amounts.join(QLatin1Char('\n')); }
};
// Puts row `row` (1..10) into the columns: rows 1..9 are appended with two leading
// blanks; row 10 goes into the tenth line without them. The stored Place is shown.
void ShowTopTen(TopTenColumns& shown, int row, const TopTenEntry& entry);
TopTenColumns ShowAll(const TopTen& table);

// Reads the first ten records of the file (a game name such as "best.dat"). Each row is
// passed to onRow(row 1..10, entry) as soon as it is read, so a caller keeps what came
// before a failure. Throws InOutError ("File not found", "Read beyond end of file", ...).
using TopTenRowSink = std::function<void(int, const TopTenEntry&)>;
TopTen ReadTopTen(const QString& gameName = QStringLiteral("best.dat"), const TopTenRowSink& onRow = {});

// Replaces the file with exactly these ten rows. The new table is written beside the old
// file and renamed over it only when complete, so a failed write leaves the old table whole.
void WriteTopTen(const TopTen& table, const QString& gameName = QStringLiteral("best.dat"));

// Writes the default table, whatever was there before, and returns it.
TopTen ResetTopTen(const QString& gameName = QStringLiteral("best.dat"));

// Puts the new result into the table without losing anybody better: it goes in at the first
// row whose amount is at most its own (a tie goes to the newcomer), the rows from there move
// one down, the tenth drops out. Places stay with their rows. The file is written anew even
// when the result is too small to enter. A missing file starts from the default table.
// Returns the table as written.
TopTen InsertResult(const TopTen& table, const QString& name, std::int32_t amount);
TopTen RecordResult(const QString& name, std::int32_t amount, const QString& gameName = QStringLiteral("best.dat"));

}  // namespace zk
