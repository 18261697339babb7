// zkbank: the question bank tool. Text sources in data/questions are the truth;
// the binary files the game reads are built from them.
//   zkbank build SRC_DIR OUT_DIR      compile every level-NN.txt and qualifying.txt
//   zkbank dump FILE [OUT]            binary records back to the text form
//   zkbank check [--no-fit] SRC...    validate sources (folders or files); non-zero on any fault
#include "bank.h"
#include "fitcheck.h"
#include "platform/fonts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QTextStream>

#include <cstdio>

using namespace zk::bank;

namespace {

QTextStream& err()
{
    static QTextStream s(stderr);
    return s;
}

bool readFile(const QString& path, QByteArray& out)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        err() << path << ": " << f.errorString() << Qt::endl;
        return false;
    }
    out = f.readAll();
    return true;
}

QStringList sourcesOf(const QStringList& args)
{
    QStringList files;
    for (const QString& a : args) {
        QFileInfo info(a);
        if (info.isDir()) {
            const QStringList names = QDir(a).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
            for (const QString& n : names)
                if (!TargetName(n).isEmpty())
                    files << QDir(a).filePath(n);
        } else {
            files << a;
        }
    }
    return files;
}

int check(const QStringList& args, bool fit)
{
    int faults = 0;
    QHash<QString, QString> seenQuestions;  // folded text -> where first seen
    const QStringList files = sourcesOf(args);
    if (files.isEmpty()) {
        err() << "zkbank check: no sources given" << Qt::endl;
        return 2;
    }
    for (const QString& file : files) {
        QByteArray bytes;
        if (!readFile(file, bytes))
            return 2;
        const ParseResult parsed = ParseSource(bytes, file);
        QList<Diagnostic> diags = parsed.errors;
        const bool qualifying = QFileInfo(file).fileName() == QStringLiteral("qualifying.txt");
        for (const SourceQuestion& q : parsed.questions) {
            diags << CheckQuestion(q, file);
            const QString key = q.text.simplified().toCaseFolded();
            const QString where = QStringLiteral("%1:%2").arg(file).arg(q.line);
            if (seenQuestions.contains(key))
                diags << Diagnostic{file, q.line, QStringLiteral("question repeats %1").arg(seenQuestions.value(key))};
            else
                seenQuestions.insert(key, where);
            if (!fit)
                continue;
            const FitBox textBox = qualifying ? QualifyingTaskBox() : QuestionMemoBox();
            const QString t = Overflow(q.text, textBox);
            if (!t.isEmpty())
                diags << Diagnostic{file, q.line, QStringLiteral("question text does not fit: ") + t};
            const FitBox itemBox = qualifying ? QualifyingItemBox() : AnswerLabelBox();
            for (int i = 0; i < q.answers.size(); ++i) {
                const QString o = Overflow(q.answers.at(i), itemBox);
                if (!o.isEmpty())
                    diags << Diagnostic{file, q.line + 1 + i,
                                        QStringLiteral("answer %1 does not fit: ").arg(QChar(u'a' + i)) + o};
            }
        }
        for (const Diagnostic& d : diags)
            err() << d.toString() << Qt::endl;
        faults += static_cast<int>(diags.size());
    }
    if (faults)
        err() << faults << " fault(s)" << Qt::endl;
    return faults ? 1 : 0;
}

int build(const QString& srcDir, const QString& outDir)
{
    const QStringList files = sourcesOf({srcDir});
    if (files.isEmpty()) {
        err() << "zkbank build: no sources in " << srcDir << Qt::endl;
        return 2;
    }
    QDir().mkpath(outDir);
    int faults = 0;
    for (const QString& file : files) {
        QByteArray bytes;
        if (!readFile(file, bytes))
            return 2;
        const ParseResult parsed = ParseSource(bytes, file);
        QList<Diagnostic> diags = parsed.errors;
        for (const SourceQuestion& q : parsed.questions)
            diags << CheckQuestion(q, file);
        for (const Diagnostic& d : diags)
            err() << d.toString() << Qt::endl;
        faults += static_cast<int>(diags.size());
        if (!diags.isEmpty())
            continue;
        QFile out(QDir(outDir).filePath(TargetName(QFileInfo(file).fileName())));
        const QByteArray data = BuildRecords(parsed.questions);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(data) != data.size() || !out.flush()) {
            err() << out.fileName() << ": " << out.errorString() << Qt::endl;
            return 2;
        }
    }
    return faults ? 1 : 0;
}

int dump(const QString& in, const QString& outPath)
{
    QByteArray bytes;
    if (!readFile(in, bytes))
        return 2;
    const QByteArray text = DumpRecords(bytes);
    if (outPath.isEmpty()) {
        fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
        return 0;
    }
    QFile out(outPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(text) != text.size()) {
        err() << outPath << ": " << out.errorString() << Qt::endl;
        return 2;
    }
    return 0;
}

int usage()
{
    err() << "usage: zkbank build SRC_DIR OUT_DIR | dump FILE [OUT] | check [--no-fit] SRC..." << Qt::endl;
    return 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    zk::InstallFontSubstitutions();  // measured with the faces the game draws with

    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString cmd = args.takeFirst();
    if (cmd == QStringLiteral("build") && args.size() == 2)
        return build(args.at(0), args.at(1));
    if (cmd == QStringLiteral("dump") && (args.size() == 1 || args.size() == 2))
        return dump(args.at(0), args.value(1));
    if (cmd == QStringLiteral("check")) {
        const bool fit = !args.removeAll(QStringLiteral("--no-fit"));
        return check(args, fit);
    }
    return usage();
}
