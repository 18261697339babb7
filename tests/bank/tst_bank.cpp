#include "bank.h"
#include "fitcheck.h"
#include "platform/fonts.h"
#include "support/testsupport.h"

#include <QProcess>
#include <QtTest>

using namespace zk::bank;

namespace {

// A question block in the text form.
QByteArray Block(const QString& text, const QStringList& answers, const QString& correct)
{
    QString s = text + QLatin1Char('\n');
    for (int i = 0; i < answers.size(); ++i)
        s += QString(QChar(u'a' + i)) + QStringLiteral(") ") + answers.at(i) + QLatin1Char('\n');
    return (s + QStringLiteral("= ") + correct + QLatin1Char('\n')).toUtf8();
}

const QStringList kFour{QStringLiteral("Москва"), QStringLiteral("Казань"), QStringLiteral("Самара"),
                        QStringLiteral("Тверь")};

QStringList AllFaults(const QByteArray& source)
{
    const ParseResult parsed = ParseSource(source, QStringLiteral("level-01.txt"));
    QStringList out;
    for (const Diagnostic& d : parsed.errors)
        out << d.toString();
    for (const SourceQuestion& q : parsed.questions)
        for (const Diagnostic& d : CheckQuestion(q, QStringLiteral("level-01.txt")))
            out << d.toString();
    return out;
}

// Runs the built tool; returns its exit code and fills its error output.
int RunBank(const QStringList& args, QString* errors = nullptr)
{
    QProcess p;
    p.setProgram(qEnvironmentVariable("ZK_BUILD_DIR") + QStringLiteral("/tools/bank/zkbank"));
    p.setArguments(args);
    p.start();
    if (!p.waitForFinished(60000))
        return -1;
    if (errors)
        *errors = QString::fromUtf8(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

}  // namespace

class TestBank : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { zk::InstallFontSubstitutions(); }
    void checks_data();
    void checks();
    void roundTripIsByteExact();
    void targetNames_data();
    void targetNames();
    void fitOnScreen_data();
    void fitOnScreen();
    void toolReportsFileAndLine_data();
    void toolReportsFileAndLine();
};

void TestBank::checks_data()
{
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("fault");  // empty: no fault at all

    const QString text255 = QString(255, QChar(u'ж'));
    const QString answer50 = QString(50, QChar(u'я'));
    QTest::newRow("a good question") << Block(QStringLiteral("Столица России?"), kFour, "a") << "";
    QTest::newRow("comments and blank lines around it")
        << QByteArray("# level one\n\n") + Block(QStringLiteral("Столица России?"), kFour, "a") + "\n\n# end\n"
        << "";
    QTest::newRow("question of 255 bytes fits") << Block(text255, kFour, "b") << "";
    QTest::newRow("question of 256 bytes")
        << Block(text255 + u'ж', kFour, "b") << "level-01.txt:1: question text is 256 bytes long, at most 255 fit";
    QTest::newRow("answer of 50 bytes fits")
        << Block(QStringLiteral("Вопрос?"), {answer50, kFour[1], kFour[2], kFour[3]}, "c") << "";
    QTest::newRow("answer of 51 bytes") << Block(QStringLiteral("Вопрос?"),
                                                 {kFour[0], answer50 + u'я', kFour[2], kFour[3]}, "c")
                                        << "level-01.txt:3: answer b is 51 bytes long, at most 50 fit";
    QTest::newRow("character outside Windows-1251")
        << Block(QStringLiteral("Что такое 中?"), kFour, "a")
        << "level-01.txt:1: question text: character \"中\" (U+4e2d) has no Windows-1251 form";
    QTest::newRow("character outside the basic plane")
        << Block(QStringLiteral("Вопрос?"), {kFour[0], kFour[1], QStringLiteral("Смех 😀"), kFour[3]}, "d")
        << "level-01.txt:4: answer c: character \"😀\" (U+1f600) has no Windows-1251 form";
    QTest::newRow("upper-case letter")
        << Block(QStringLiteral("Вопрос?"), kFour, "B")
        << "level-01.txt:6: correct letter \"B\" must be one of a, b, c, d (lower-case Latin)";
    QTest::newRow("letter beyond d")
        << Block(QStringLiteral("Вопрос?"), kFour, "e")
        << "level-01.txt:6: correct letter \"e\" must be one of a, b, c, d (lower-case Latin)";
    QTest::newRow("Cyrillic letter")
        << Block(QStringLiteral("Вопрос?"), kFour, "а")
        << "level-01.txt:6: correct letter \"а\" must be one of a, b, c, d (lower-case Latin)";
    QTest::newRow("two letters")
        << Block(QStringLiteral("Вопрос?"), kFour, "ab")
        << "level-01.txt:6: correct letter \"ab\" must be one of a, b, c, d (lower-case Latin)";
    QTest::newRow("empty answer") << Block(QStringLiteral("Вопрос?"),
                                           {kFour[0], kFour[1], QStringLiteral(" "), kFour[3]}, "a")
                                  << "level-01.txt:4: answer c is empty";
    QTest::newRow("repeated answer, other case")
        << Block(QStringLiteral("Вопрос?"), {kFour[0], kFour[1], kFour[2], QStringLiteral("москва")}, "a")
        << "level-01.txt:5: answer d repeats another answer";
    QTest::newRow("a line short") << QByteArray("Вопрос?\na) 1\nb) 2\nc) 3\n= a\n")
                                  << "level-01.txt:1: a question needs 6 lines (text, a) to d), = letter), found 5";
    QTest::newRow("answer without its letter")
        << QByteArray("Вопрос?\na) 1\n2\nc) 3\nd) 4\n= a\n") << "level-01.txt:3: expected the answer line \"b) ...\"";
    QTest::newRow("no letter line") << QByteArray("Вопрос?\na) 1\nb) 2\nc) 3\nd) 4\nb\n")
                                    << "level-01.txt:6: expected \"= \" and the correct letter";
    QTest::newRow("Windows line ends") << Block(QStringLiteral("Вопрос?"), kFour, "a").replace("\n", "\r\n") << "";
}

void TestBank::checks()
{
    QFETCH(QByteArray, source);
    QFETCH(QString, fault);
    const QStringList faults = AllFaults(source);
    if (fault.isEmpty())
        QCOMPARE(faults, QStringList());
    else
        QCOMPARE(faults, QStringList{fault});
}

void TestBank::roundTripIsByteExact()
{
    // The shipped sources, built, dumped and built again, give the same bytes; and the dump of
    // a built file holds the same questions as its source.
    for (const QString& name :
         {QStringLiteral("level-01.txt"), QStringLiteral("level-15.txt"), QStringLiteral("qualifying.txt")}) {
        QFile f(zktest::SourceDir() + QStringLiteral("/data/questions/") + name);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const ParseResult source = ParseSource(f.readAll(), name);
        QVERIFY(source.errors.isEmpty());
        QVERIFY(source.questions.size() >= 40);
        const QByteArray binary = BuildRecords(source.questions);
        QCOMPARE(binary.size(), source.questions.size() * zk::kQuestionRecordSize);

        const QByteArray text = DumpRecords(binary, QStringLiteral("dumped"));
        const ParseResult again = ParseSource(text, name);
        QVERIFY(again.errors.isEmpty());
        QCOMPARE(again.questions.size(), source.questions.size());
        for (int i = 0; i < again.questions.size(); ++i) {
            QCOMPARE(again.questions[i].text, source.questions[i].text);
            QCOMPARE(again.questions[i].answers, source.questions[i].answers);
            QCOMPARE(again.questions[i].correct, source.questions[i].correct);
        }
        QCOMPARE(BuildRecords(again.questions), binary);
        QCOMPARE(DumpRecords(BuildRecords(again.questions), QStringLiteral("dumped")), text);
    }
}

void TestBank::targetNames_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::newRow("level 1") << "level-01.txt"
                             << "1.txt";
    QTest::newRow("level 10") << "level-10.txt"
                              << "10.txt";
    QTest::newRow("level 15") << "level-15.txt"
                              << "15.txt";
    QTest::newRow("level 16 is none") << "level-16.txt"
                                      << "";
    QTest::newRow("level 0 is none") << "level-00.txt"
                                     << "";
    QTest::newRow("one digit is none") << "level-7.txt"
                                       << "";
    QTest::newRow("qualifying") << "qualifying.txt"
                                << "otbor.txt";
    QTest::newRow("anything else") << "notes.txt"
                                   << "";
}

void TestBank::targetNames()
{
    QFETCH(QString, source);
    QFETCH(QString, target);
    QCOMPARE(TargetName(source), target);
}

void TestBank::fitOnScreen_data()
{
    QTest::addColumn<int>("box");  // 0 answer, 1 question, 2 qualifying item, 3 qualifying task
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");
    QTest::newRow("short answer") << 0 << "Санкт-Петербург" << true;
    QTest::newRow("answer too wide") << 0 << "Достопримечательности Петербурга" << false;
    QTest::newRow("question on two lines") << 1 << "Какой город стоит на Неве и был столицей России два века?" << true;
    QTest::newRow("question of four lines")
        << 1
        << "Какой город стоит на Неве и был столицей Российской империи почти два столетия, с начала "
           "восемнадцатого века и до революции, и как его называли в советские годы, и кто его основал?"
        << false;
    QTest::newRow("qualifying item") << 2 << "Двенадцатиугольник" << true;
    QTest::newRow("qualifying item too wide") << 2 << "Двенадцатиугольник и пятиугольник" << false;
    QTest::newRow("qualifying task on two lines")
        << 3 << "Расположите многоугольники по числу углов, начиная с наименьшего." << true;
    QTest::newRow("qualifying task of three lines")
        << 3
        << "Расположите эти многоугольники по числу их углов и сторон, начиная с того, у которого их меньше "
           "всего, и заканчивая тем, у которого их больше всего, как в учебнике геометрии для седьмого класса."
        << false;
}

void TestBank::fitOnScreen()
{
    QFETCH(int, box);
    QFETCH(QString, text);
    QFETCH(bool, fits);
    const FitBox boxes[] = {AnswerLabelBox(), QuestionMemoBox(), QualifyingItemBox(), QualifyingTaskBox()};
    const QString overflow = Overflow(text, boxes[box]);
    QVERIFY2(overflow.isEmpty() == fits, qPrintable(overflow));
}

void TestBank::toolReportsFileAndLine_data()
{
    QTest::addColumn<QByteArray>("level1");
    QTest::addColumn<QByteArray>("level2");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("fault");
    const QByteArray good1 = Block(QStringLiteral("Столица России?"), kFour, "a");
    const QByteArray good2 = Block(QStringLiteral("Столица Татарстана?"), kFour, "b");
    QTest::newRow("clean bank") << good1 << good2 << 0 << "";
    QTest::newRow("question asked twice across levels")
        << good1 << "\n" + Block(QStringLiteral("столица  России?"), kFour, "c") << 1
        << "level-02.txt:2: question repeats ";
    QTest::newRow("question asked twice in a level")
        << good1 + "\n" + good1 << good2 << 1 << "level-01.txt:8: question repeats ";
    QTest::newRow("answer wider than its label")
        << good1
        << Block(QStringLiteral("Что длиннее?"),
                 {kFour[0], kFour[1], kFour[2], QStringLiteral("Достопримечательности Петербурга")}, "a")
        << 1 << "level-02.txt:5: answer d does not fit: ";
    QTest::newRow("unencodable character") << good1 << Block(QStringLiteral("Где Ω?"), kFour, "a") << 1
                                           << "level-02.txt:1: question text: character \"Ω\"";
}

void TestBank::toolReportsFileAndLine()
{
    QFETCH(QByteArray, level1);
    QFETCH(QByteArray, level2);
    QFETCH(int, exitCode);
    QFETCH(QString, fault);
    QTemporaryDir dir;
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    write(QStringLiteral("level-01.txt"), level1);
    write(QStringLiteral("level-02.txt"), level2);
    QString errors;
    QCOMPARE(RunBank({QStringLiteral("check"), dir.path()}, &errors), exitCode);
    if (!fault.isEmpty())
        QVERIFY2(errors.contains(dir.filePath(fault)), qPrintable(errors));

    // A faulty bank builds nothing for its faulty file; a clean one builds byte-exact records.
    QTemporaryDir out;
    const int built = RunBank({QStringLiteral("build"), dir.path(), out.path()});
    QCOMPARE(QFile::exists(out.filePath(QStringLiteral("1.txt"))), true);
    if (exitCode == 0) {
        QCOMPARE(built, 0);
        QFile f(out.filePath(QStringLiteral("2.txt")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.size(), qint64(zk::kQuestionRecordSize));
        QProcess p;
        p.start(qEnvironmentVariable("ZK_BUILD_DIR") + QStringLiteral("/tools/bank/zkbank"),
                {QStringLiteral("dump"), f.fileName()});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.readAllStandardOutput(), level2);
    }
}

QTEST_MAIN(TestBank)
#include "tst_bank.moc"
