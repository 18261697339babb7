#pragma once
#include <QString>

namespace zk {

// The settings file: holds nothing but its path; every read goes to the file and every
// write changes the one key in the file at once, leaving the rest of it as it was.
class IniFile {
public:
    explicit IniFile(QString path) : path_(std::move(path)) {}
    const QString& path() const { return path_; }

    // At most 2047 characters of the value; def when the file, section or key is missing.
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // Raises IniWriteError "Unable to write to <path>" when the file cannot be written.
    void WriteString(const QString& section, const QString& key, const QString& value) const;

    // A flag read as an integer: "$" (or "0x"/"0X") means hexadecimal, anything that is not
    // a signed 32-bit integer gives def; the flag is on when the number is not 0.
    bool ReadBool(const QString& section, const QString& key, bool def) const;
    void WriteBool(const QString& section, const QString& key, bool value) const;

private:
    QString path_;
};

// The integer reading rule on its own (for tests and fuzzing): returns def for text
// that is not a signed 32-bit integer.
int IniTextToInt(const QString& text, int def);

// The program's own path with its extension replaced by ".ini".
QString IniPathForProgram(const QString& programPath);

}  // namespace zk

namespace zk {
// The program's own full path (tests may put a program elsewhere to move its ini file).
QString ProgramPath();
void SetProgramPath(const QString& path);  // empty restores the real one

// An installed game keeps its settings in the player's folder, under the program's ini
// name; empty (the default) keeps them beside the program.
void SetIniFolder(const QString& folder);
// The ini file of this run: IniPathForProgram(ProgramPath()), moved into the ini folder
// when one is set.
QString IniPathForRun();

// The settings object of the run: created by the main window at start-up.
IniFile& Settings();
void SetSettingsPath(const QString& iniPath);
}  // namespace zk
