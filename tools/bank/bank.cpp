#include "bank.h"

#include "core/cp1251.h"

#include <QRegularExpression>
#include <QSet>

#include <cstring>

namespace zk::bank {
namespace {

QString letterPrefix(int i) { return QString(QChar(u'a' + i)) + QStringLiteral(") "); }

void checkField(const QString& value, int capacity, const QString& what, const QString& file, int line,
                QList<Diagnostic>& out)
{
    bool ok = true;
    qsizetype bad = -1;
    const QByteArray bytes = ToCp1251(value, &ok, &bad);
    if (!ok) {
        const QString ch = bad >= 0 ? value.mid(bad, value.at(bad).isHighSurrogate() ? 2 : 1) : QString();
        out << Diagnostic{file, line,
                          QStringLiteral("%1: character \"%2\" (U+%3) has no Windows-1251 form")
                              .arg(what, ch)
                              .arg(ch.isEmpty() ? 0u : ch.toUcs4().value(0), 4, 16, QLatin1Char('0'))};
    } else if (bytes.size() > capacity) {
        out << Diagnostic{
            file, line,
            QStringLiteral("%1 is %2 bytes long, at most %3 fit").arg(what).arg(bytes.size()).arg(capacity)};
    }
}

}  // namespace

ParseResult ParseSource(const QByteArray& utf8, const QString& fileName)
{
    ParseResult result;
    const QString all = QString::fromUtf8(utf8);
    QStringList lines = all.split(QLatin1Char('\n'));
    for (QString& l : lines)
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);

    QList<std::pair<int, QString>> block;  // (line number, text)
    auto flush = [&] {
        if (block.isEmpty())
            return;
        SourceQuestion q;
        q.line = block.first().first;
        q.text = block.first().second;
        const int expected = 6;
        if (block.size() != expected) {
            result.errors << Diagnostic{
                fileName, q.line,
                QStringLiteral("a question needs 6 lines (text, a) to d), = letter), found %1").arg(block.size())};
            block.clear();
            return;
        }
        bool good = true;
        for (int i = 0; i < 4; ++i) {
            const auto& [ln, text] = block.at(1 + i);
            if (!text.startsWith(letterPrefix(i)) && text != letterPrefix(i).trimmed()) {
                result.errors << Diagnostic{fileName, ln,
                                            QStringLiteral("expected the answer line \"%1...\"").arg(letterPrefix(i))};
                good = false;
                continue;
            }
            q.answers << text.mid(3);
        }
        const auto& [ln, last] = block.at(5);
        if (!last.startsWith(QStringLiteral("= ")) && last != QStringLiteral("=")) {
            result.errors << Diagnostic{fileName, ln, QStringLiteral("expected \"= \" and the correct letter")};
            good = false;
        } else {
            q.correct = last.mid(2);
        }
        if (good)
            result.questions << q;
        block.clear();
    };

    for (int i = 0; i < lines.size(); ++i) {
        const QString& l = lines.at(i);
        if (l.startsWith(QLatin1Char('#')))
            continue;
        if (l.trimmed().isEmpty()) {
            flush();
            continue;
        }
        block << std::make_pair(i + 1, l);
    }
    flush();
    return result;
}

QList<Diagnostic> CheckQuestion(const SourceQuestion& q, const QString& fileName)
{
    QList<Diagnostic> out;
    checkField(q.text, 255, QStringLiteral("question text"), fileName, q.line, out);
    if (q.text.trimmed().isEmpty())
        out << Diagnostic{fileName, q.line, QStringLiteral("empty question text")};
    QSet<QString> seen;
    for (int i = 0; i < q.answers.size(); ++i) {
        const QString what = QStringLiteral("answer %1").arg(QChar(u'a' + i));
        const QString& a = q.answers.at(i);
        checkField(a, 50, what, fileName, q.line + 1 + i, out);
        if (a.trimmed().isEmpty())
            out << Diagnostic{fileName, q.line + 1 + i, what + QStringLiteral(" is empty")};
        else if (seen.contains(a.trimmed().toCaseFolded()))
            out << Diagnostic{fileName, q.line + 1 + i, what + QStringLiteral(" repeats another answer")};
        seen.insert(a.trimmed().toCaseFolded());
    }
    static const QRegularExpression letter(QStringLiteral("^[abcd]$"));
    if (!letter.match(q.correct).hasMatch())
        out << Diagnostic{
            fileName, q.line + 5,
            QStringLiteral("correct letter \"%1\" must be one of a, b, c, d (lower-case Latin)").arg(q.correct)};
    return out;
}

QuestionRecord ToRecord(const SourceQuestion& q)
{
    QuestionRecord r;
    r.Text.Assign(ToCp1251(q.text));
    for (int i = 0; i < 4 && i < q.answers.size(); ++i)
        r.Answer(i).Assign(ToCp1251(q.answers.at(i)));
    const QByteArray c = ToCp1251(q.correct);
    r.Correct = c.isEmpty() ? '\0' : c.at(0);
    return r;
}

QByteArray BuildRecords(const QList<SourceQuestion>& questions)
{
    QByteArray out;
    for (const SourceQuestion& q : questions) {
        const QuestionRecord r = ToRecord(q);
        out.append(reinterpret_cast<const char*>(&r), sizeof r);
    }
    return out;
}

QByteArray DumpRecords(const QByteArray& binary, const QString& header)
{
    QString text;
    if (!header.isEmpty())
        text += QStringLiteral("# ") + header + QLatin1Char('\n');
    const qsizetype count = binary.size() / kQuestionRecordSize;
    for (qsizetype k = 0; k < count; ++k) {
        QuestionRecord r;
        std::memcpy(&r, binary.constData() + k * kQuestionRecordSize, sizeof r);
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += r.Text.ToString() + QLatin1Char('\n');
        for (int i = 0; i < 4; ++i)
            text += letterPrefix(i) + r.Answer(i).ToString() + QLatin1Char('\n');
        text += QStringLiteral("= ") + FromCp1251(QByteArrayView(&r.Correct, 1)) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

QString TargetName(const QString& sourceFileName)
{
    static const QRegularExpression level(QStringLiteral("^level-(\\d\\d)\\.txt$"));
    const auto m = level.match(sourceFileName);
    if (m.hasMatch()) {
        const int n = m.captured(1).toInt();
        if (n >= 1 && n <= 15)
            return QString::number(n) + QStringLiteral(".txt");
        return {};
    }
    if (sourceFileName == QStringLiteral("qualifying.txt"))
        return QStringLiteral("otbor.txt");
    return {};
}

}  // namespace zk::bank
