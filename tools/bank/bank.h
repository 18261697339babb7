#pragma once
#include "core/question.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace zk::bank {

// One question as written in a bank source, with where it stands.
struct SourceQuestion {
    QString text;
    QStringList answers;  // a, b, c, d
    QString correct;  // as written after "= "
    int line = 0;  // line of the question text
};

struct Diagnostic {
    QString file;
    int line = 0;
    QString message;
    QString toString() const { return QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message); }
};

struct ParseResult {
    QList<SourceQuestion> questions;
    QList<Diagnostic> errors;
};

// Parses the text form (UTF-8):
//   # comment
//   <question text>
//   a) <answer>   b) ...   c) ...   d) ...
//   = <letter>
// blocks separated by empty lines.
ParseResult ParseSource(const QByteArray& utf8, const QString& fileName);

// Checks every rule that keeps a question playable: field sizes in Windows-1251 bytes,
// characters Windows-1251 cannot hold, the correct letter, empty or repeated answers.
QList<Diagnostic> CheckQuestion(const SourceQuestion& q, const QString& fileName);

// Converts to the binary record (the question must have passed CheckQuestion).
QuestionRecord ToRecord(const SourceQuestion& q);
// Records back to the text form; build(dump(x)) == x for files build wrote.
QByteArray DumpRecords(const QByteArray& binary, const QString& header = {});
QByteArray BuildRecords(const QList<SourceQuestion>& questions);

// The game file a source compiles to: "level-07.txt" -> "7.txt", "qualifying.txt" -> "otbor.txt";
// empty for a name that is neither.
QString TargetName(const QString& sourceFileName);

}  // namespace zk::bank
