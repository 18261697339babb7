#include "core/gamestate.h"
#include "game/unit1.h"
#include "game/windows.h"
#include "pictures/TImage.h"
#include "platform/design.h"
#include "platform/fonts.h"
#include "core/inifile.h"
#include "platform/mediaplayer.h"
#include "qualifying/Unit6.h"
#include "core/qualifying.h"
#include "support/testsupport.h"
#include "ui_Unit6.h"

#include <QLabel>
#include <QSet>
#include <QTextBlock>
#include <QtTest>
#include <cstring>

namespace {

const QString kRightText =
    QStringLiteral("Поздравляю!!! Вы ответили совершенно правильно. Теперь вы можете начать игру.");
const QString kWrongText =
    QStringLiteral("К сожалению вы неправильно ответили на этот вопрос. Правильная последовательность:  ");

QStringList slotTexts(const TForm6& form)
{
    QStringList texts;
    for (QLabel* l : form.TextSlots)
        texts << l->text();
    return texts;
}

QStringList memoLines(QTextEdit* memo)
{
    QStringList lines;
    for (QTextBlock b = memo->document()->firstBlock(); b.isValid(); b = b.next())
        lines << b.text();
    return lines;
}

bool sameRecord(const zk::QuestionRecord& a, const zk::QuestionRecord& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace

class TestQualifying : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void shuffleReachesEveryOrder();
    void windowShowsTheTask();
    void picksAndCheck_data();
    void picksAndCheck();
    void doubleClickFillsOneSlot_data();
    void doubleClickFillsOneSlot();
    void resetEmptiesTheRightColumn();
    void introCueAndStopOnClosing_data();
    void introCueAndStopOnClosing();
    void missingTaskFileCannotPass();
    void textBoxesHandOnTheFocus();
    void recordKeptApart();
    void startButton_data();
    void startButton();

private:
    void writeTask(const QStringList& items, const QString& text = QStringLiteral("Расположите по порядку."));
    // The row (1..4) that shows item `item` of the right order; for equal texts the n-th
    // equal item is on the n-th row showing that text.
    int rowOf(const TForm6& form, const QStringList& items, int item) const;
    void clickRow(TForm6& form, int row, int how);
    // Shows the window, clicks its rows in the right order and checks.
    void passRound(TForm6& form, int how);

    std::unique_ptr<zktest::GameFolder> folder_;
    std::unique_ptr<zktest::ErrorLog> errors_;
};

void TestQualifying::initTestCase()
{
    zk::InstallFontSubstitutions();
    folder_ = std::make_unique<zktest::GameFolder>();
    folder_->copyShippedMedia();
    for (const char* cue : {"intro1.wav", "intro2.wav", "intro3.wav", "bad.wav", "bellOtbor.wav"})
        folder_->write(QStringLiteral("music/") + QLatin1String(cue), zktest::SilentWav(3000));
    errors_ = std::make_unique<zktest::ErrorLog>();
}

void TestQualifying::init()
{
    zk::ResetGameState();
    errors_->texts.clear();
    zktest::FixClock(0);
    writeTask(
        {QStringLiteral("Первый"), QStringLiteral("Второй"), QStringLiteral("Третий"), QStringLiteral("Четвёртый")});
}

void TestQualifying::cleanup() { zktest::RestoreClock(); }

void TestQualifying::cleanupTestCase()
{
    errors_.reset();
    folder_.reset();
}

void TestQualifying::writeTask(const QStringList& items, const QString& text)
{
    folder_->write(QStringLiteral("Text/otbor.txt"), zktest::RecordBytes(zktest::MakeQuestion(text, items, 'a')));
}

int TestQualifying::rowOf(const TForm6& form, const QStringList& items, int item) const
{
    const int nth = static_cast<int>(items.mid(0, item).count(items.at(item)));
    int seen = 0;
    for (int row = 1; row <= 4; ++row) {
        if (form.RowLabels[row - 1]->text() == items.at(item) && seen++ == nth)
            return row;
    }
    return -1;
}

// how: 0 the letter badge, 1 the plate, 2 the text; all three are the same command.
void TestQualifying::passRound(TForm6& form, int how)
{
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (int item = 0; item < 4; ++item)
        for (int row = 1; row <= 4; ++row)
            if (form.RowLabels[row - 1]->text() == zk::Qualifying().RightOrder[item])
                clickRow(form, row, how);
    QTest::mouseClick(form.ui->Button1, Qt::LeftButton);
}

void TestQualifying::clickRow(TForm6& form, int row, int how)
{
    const std::array<QWidget*, 4> badges{form.ui->Image1, form.ui->Image2, form.ui->Image3, form.ui->Image4};
    const std::array<QWidget*, 4> plates{form.ui->Image5, form.ui->Image6, form.ui->Image7, form.ui->Image8};
    QWidget* target = how == 0 ? badges[row - 1] : how == 1 ? plates[row - 1] : form.RowLabels[row - 1];
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(10, 8));
}

void TestQualifying::shuffleReachesEveryOrder()
{
    const QStringList items{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
    writeTask(items);
    QSet<QString> orders;
    for (std::uint32_t ms = 0; ms < 20000 && orders.size() < 24; ms += 7) {
        zktest::FixClock(ms);
        zk::QualifyingRound round;
        round.SetTask(zk::LoadQualifyingTask());
        round.Shuffle();
        QStringList shown(round.ShownOrder.begin(), round.ShownOrder.end());
        QString order = shown.join(QString());
        QStringList sorted = shown;
        sorted.sort();
        QCOMPARE(sorted, items);  // every item exactly once
        orders.insert(order);
    }
    QCOMPARE(orders.size(), 24);
    QVERIFY(orders.contains(QStringLiteral("abcd")));
}

void TestQualifying::windowShowsTheTask()
{
    writeTask({QStringLiteral("Нептун"), QStringLiteral("Уран"), QStringLiteral("Сатурн"), QStringLiteral("Юпитер")},
              QStringLiteral("Расположите планеты по удалению от Солнца, начиная с самой далёкой."));
    TForm6 form;
    QVERIFY(errors_->texts.isEmpty());
    QCOMPARE(form.windowTitle(), QStringLiteral("Отборочный тур"));
    QCOMPARE(form.ui->Memo1->toPlainText(),
             QStringLiteral("Расположите планеты по удалению от Солнца, начиная с самой далёкой."));
    QStringList shown;
    for (int i = 0; i < 4; ++i) {
        shown << form.RowLabels[i]->text();
        QCOMPARE(zk::Qualifying().ShownOrder[i], shown.last());
        QCOMPARE(zk::BackColor(form.RowLabels[i]), QColor(Qt::black));
        QCOMPARE(zk::BackColor(form.TextSlots[i]), QColor(Qt::black));
    }
    shown.sort();
    QCOMPARE(shown,
             (QStringList{QStringLiteral("Нептун"), QStringLiteral("Сатурн"), QStringLiteral("Уран"),
                          QStringLiteral("Юпитер")}));
    QCOMPARE(slotTexts(form), QStringList(4));
    QVERIFY(!form.ui->Button3->isVisibleTo(&form));
    QVERIFY(!form.ui->Memo2->isVisibleTo(&form));
    QCOMPARE(memoLines(form.ui->Memo2), QStringList{QString()});
}

void TestQualifying::picksAndCheck_data()
{
    // picks: the items clicked, by their place in the right order ("0" = the first item);
    // "R" is "Сброс". The check follows the picks.
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("picks");
    QTest::addColumn<QStringList>("filled");
    QTest::addColumn<bool>("right");
    const QStringList abcd{QStringLiteral("Март"), QStringLiteral("Июнь"), QStringLiteral("Октябрь"),
                           QStringLiteral("Декабрь")};
    QTest::newRow("right order") << abcd << "0123" << abcd << true;
    QTest::newRow("same row twice") << abcd << "0012" << QStringList{abcd[0], abcd[0], abcd[1], abcd[2]} << false;
    QTest::newRow("three slots") << abcd << "012" << QStringList{abcd[0], abcd[1], abcd[2], QString()} << false;
    QTest::newRow("nothing picked") << abcd << "" << QStringList(4) << false;
    QTest::newRow("fifth click changes nothing") << abcd << "01230" << abcd << true;
    QTest::newRow("wrong order") << abcd << "1023" << QStringList{abcd[1], abcd[0], abcd[2], abcd[3]} << false;
    QTest::newRow("reset then right") << abcd << "32R0123" << abcd << true;
    QTest::newRow("case counts") << QStringList{QStringLiteral("март"), abcd[1], abcd[2], abcd[3]} << "0123"
                                 << QStringList{QStringLiteral("март"), abcd[1], abcd[2], abcd[3]} << true;

    // An empty item fills no slot: the next pick lands in the same slot.
    const QStringList withEmpty{QStringLiteral("Утро"), QString(), QStringLiteral("Вечер"), QStringLiteral("Ночь")};
    QTest::newRow("empty item leaves its slot free")
        << withEmpty << "012" << QStringList{QStringLiteral("Утро"), QStringLiteral("Вечер"), QString(), QString()}
        << false;
    QTest::newRow("empty item cannot be placed")
        << withEmpty << "0123"
        << QStringList{QStringLiteral("Утро"), QStringLiteral("Вечер"), QStringLiteral("Ночь"), QString()} << false;

    const QStringList twins{QStringLiteral("Один"), QStringLiteral("Два"), QStringLiteral("Два"),
                            QStringLiteral("Три")};
    QTest::newRow("equal items, one way") << twins << "0123" << twins << true;
    QTest::newRow("equal items, other way") << twins << "0213" << twins << true;
    QTest::newRow("equal items, wrong place")
        << twins << "1023" << QStringList{twins[1], twins[0], twins[2], twins[3]} << false;
    QTest::newRow("blanks count") << QStringList{QStringLiteral("Один "), twins[1], twins[2], twins[3]} << "0123"
                                  << QStringList{QStringLiteral("Один "), twins[1], twins[2], twins[3]} << true;
}

void TestQualifying::picksAndCheck()
{
    QFETCH(QStringList, items);
    QFETCH(QString, picks);
    QFETCH(QStringList, filled);
    QFETCH(bool, right);
    writeTask(items);
    // Any fixed clock gives some shuffle; the clicks follow the rows wherever the items are.
    zktest::FixClock(4242);
    TForm6 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    int how = 0;
    QList<int> rowBySlot(4, -1);
    for (QChar c : picks) {
        if (c == QLatin1Char('R')) {
            QTest::mouseClick(form.ui->Button2, Qt::LeftButton);
            rowBySlot.fill(-1);
            continue;
        }
        const int row = rowOf(form, items, c.digitValue());
        QVERIFY(row >= 1);
        const int free =
            static_cast<int>(std::find_if(zk::Qualifying().ChosenOrder.begin(), zk::Qualifying().ChosenOrder.end(),
                                          [](const QString& s) { return s.isEmpty(); }) -
                             zk::Qualifying().ChosenOrder.begin());
        clickRow(form, row, how++ % 3);
        if (free < 4)
            rowBySlot[free] = row;
    }
    QCOMPARE(slotTexts(form), filled);
    // Each filled slot shows the letter of the row that was clicked for it, on a plate.
    for (int s = 0; s < 4; ++s) {
        if (rowBySlot[s] < 0)
            continue;
        const QString letter(QLatin1Char(static_cast<char>('A' + rowBySlot[s] - 1)));
        QCOMPARE(form.LetterSlots[s]->fileName(), QStringLiteral("graph\\bukva%1.gif").arg(letter));
        QCOMPARE(form.PlateSlots[s]->fileName(), QStringLiteral("graph\\otvet.gif"));
    }

    QTest::mouseClick(form.ui->Button1, Qt::LeftButton);
    QVERIFY(errors_->texts.isEmpty());
    QVERIFY(form.ui->Memo2->isVisible());
    QVERIFY(!form.ui->Button1->isEnabled());
    QVERIFY(!form.ui->Button2->isEnabled());
    QCOMPARE(form.ui->Button3->isVisible(), right);
    if (right) {
        QCOMPARE(memoLines(form.ui->Memo2), (QStringList{QString(), kRightText}));
        QCOMPARE(zk::Player().fileName(), QStringLiteral("music\\bellOtbor.wav"));
    } else {
        QCOMPARE(memoLines(form.ui->Memo2), QStringList{kWrongText + items.join(QLatin1Char(' ')) + QLatin1Char(' ')});
        QCOMPARE(zk::Player().fileName(), QStringLiteral("music\\bad.wav"));
    }

    // One check per opening: the button is dead, and later picks are not judged.
    const QStringList verdict = memoLines(form.ui->Memo2);
    QTest::mouseClick(form.ui->Button1, Qt::LeftButton);
    clickRow(form, 1, 2);
    QCOMPARE(memoLines(form.ui->Memo2), verdict);
    QCOMPARE(form.ui->Button3->isVisible(), right);
    form.close();
}

void TestQualifying::doubleClickFillsOneSlot_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("letter badge") << 0;
    QTest::newRow("plate") << 1;
    QTest::newRow("text") << 2;
}

void TestQualifying::doubleClickFillsOneSlot()
{
    QFETCH(int, how);
    TForm6 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const std::array<QWidget*, 4> badges{form.ui->Image1, form.ui->Image2, form.ui->Image3, form.ui->Image4};
    const std::array<QWidget*, 4> plates{form.ui->Image5, form.ui->Image6, form.ui->Image7, form.ui->Image8};
    const auto target = [&](int row) { return how == 0 ? badges[row] : how == 1 ? plates[row] : form.RowLabels[row]; };
    const std::array<QWidget*, 2> targets{target(1), target(3)};
    QVERIFY(zktest::DoubleClick(targets[0], QPoint(10, 8)));
    QCOMPARE(slotTexts(form), (QStringList{form.RowLabels[1]->text(), QString(), QString(), QString()}));
    // A plain click after it counts as the next pick.
    QTest::mouseClick(targets[1], Qt::LeftButton, {}, QPoint(10, 8));
    QCOMPARE(slotTexts(form),
             (QStringList{form.RowLabels[1]->text(), form.RowLabels[3]->text(), QString(), QString()}));
    QVERIFY(errors_->texts.isEmpty());
}

void TestQualifying::resetEmptiesTheRightColumn()
{
    TForm6 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    clickRow(form, 3, 0);
    clickRow(form, 1, 1);
    QCOMPARE(slotTexts(form),
             (QStringList{form.RowLabels[2]->text(), form.RowLabels[0]->text(), QString(), QString()}));
    QTest::mouseClick(form.ui->Button2, Qt::LeftButton);
    QCOMPARE(slotTexts(form), QStringList(4));
    for (int s = 0; s < 4; ++s) {
        QCOMPARE(form.LetterSlots[s]->fileName(), QStringLiteral("Graph\\pusto.gif"));
        QCOMPARE(form.PlateSlots[s]->fileName(), QStringLiteral("Graph\\pusto.gif"));
        QVERIFY(zk::Qualifying().ChosenOrder[s].isEmpty());
    }
    // The rows are as they were, and the next pick fills slot 1 again.
    clickRow(form, 4, 2);
    QCOMPARE(form.TextSlots[0]->text(), form.RowLabels[3]->text());
    QCOMPARE(form.LetterSlots[0]->fileName(), QStringLiteral("graph\\bukvaD.gif"));
    QVERIFY(errors_->texts.isEmpty());
}

void TestQualifying::introCueAndStopOnClosing_data()
{
    QTest::addColumn<uint>("clock");
    QTest::addColumn<QString>("cue");
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("draw 0") << 0u << "music\\intro3.wav" << true;
    QTest::newRow("draw 1") << 11u << "music\\intro1.wav" << false;
    QTest::newRow("draw 2") << 22u << "music\\intro2.wav" << true;
}

void TestQualifying::introCueAndStopOnClosing()
{
    QFETCH(uint, clock);
    QFETCH(QString, cue);
    QFETCH(bool, closeBox);
    zktest::FixClock(clock);
    const int playsBefore = zk::Player().plays();
    TForm6 form;
    // Creation alone plays nothing: the start-up instance is never shown.
    QCOMPARE(zk::Player().plays(), playsBefore);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(zk::Player().fileName(), cue);
    QVERIFY(zk::Player().isPlaying());
    if (!closeBox) {
        // Escape is no way out of a game window.
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(form.isVisible());
        QVERIFY(zk::Player().isPlaying());
    }
    form.close();
    QVERIFY(!form.isVisible());
    QVERIFY(!zk::Player().isPlaying());
    QVERIFY(errors_->texts.isEmpty());
}

void TestQualifying::missingTaskFileCannotPass()
{
    // A round that was played before leaves its items behind in the round's state.
    {
        TForm6 earlier;
    }
    QFile::remove(folder_->file(QStringLiteral("Text/otbor.txt")));
    TForm6 form;
    QCOMPARE(errors_->texts, QStringList{QStringLiteral("File not found.")});
    QVERIFY(form.ui->Memo1->toPlainText().isEmpty());
    for (QLabel* l : form.RowLabels)
        QVERIFY(l->text().isEmpty());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (int row = 1; row <= 4; ++row)
        clickRow(form, row, 2);
    QTest::mouseClick(form.ui->Button1, Qt::LeftButton);
    QVERIFY(!form.ui->Button3->isVisible());
    form.close();
}

void TestQualifying::textBoxesHandOnTheFocus()
{
    TForm6 form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.ui->Button2->setFocus();
    QTest::mouseClick(form.ui->Memo1->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(QApplication::focusWidget(), form.ui->Button1);
    // After the check the button is disabled and a press is an ordinary one.
    QTest::mouseClick(form.ui->Button1, Qt::LeftButton);
    QTest::mouseClick(form.ui->Memo2->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(QApplication::focusWidget(), form.ui->Memo2);
    form.close();
}

void TestQualifying::recordKeptApart()
{
    auto& g = zk::Game();
    const zk::QuestionRecord playing =
        zktest::MakeQuestion(QStringLiteral("Вопрос на экране"),
                             {QStringLiteral("А"), QStringLiteral("Б"), QStringLiteral("В"), QStringLiteral("Г")}, 'c');
    g.CurrentQuestion = playing;
    g.FiftyOnQuestion = 1;

    // The start-up instance, then an opening that is passed but left without starting.
    {
        TForm6 startup;
    }
    TForm6 form;
    passRound(form, 1);
    QVERIFY(form.ui->Button3->isVisible());
    form.close();

    QVERIFY(sameRecord(g.CurrentQuestion, playing));
    QCOMPARE(int(g.FiftyOnQuestion), 1);
    QCOMPARE(zk::Qualifying().Task.Text.ToString(), QStringLiteral("Расположите по порядку."));
    QVERIFY(errors_->texts.isEmpty());
}

void TestQualifying::startButton_data()
{
    QTest::addColumn<bool>("firstQuestion");
    QTest::newRow("game starts") << true;
    QTest::newRow("level-1 file missing") << false;
}

void TestQualifying::startButton()
{
    QFETCH(bool, firstQuestion);
    QFile::remove(folder_->file(QStringLiteral("Text/1.txt")));
    const zk::QuestionRecord first =
        zktest::MakeQuestion(QStringLiteral("Первый вопрос"),
                             {QStringLiteral("А"), QStringLiteral("Б"), QStringLiteral("В"), QStringLiteral("Г")}, 'b');
    if (firstQuestion)
        folder_->write(QStringLiteral("Text/1.txt"), zktest::RecordBytes(first));
    folder_->write(QStringLiteral("music/hello1.wav"), zktest::SilentWav(100));
    folder_->write(QStringLiteral("music/hello2.wav"), zktest::SilentWav(100));
    zk::SetProgramPath(folder_->file(QStringLiteral("zoriklad")));
    zk::SetOpenModalHook([](zk::FormId id) { return id == zk::FormId::Splash; });
    auto main = std::make_unique<TForm1>();
    zk::SetOpenModalHook({});
    zk::Game().FiftyOnQuestion = 1;

    TForm6 form;
    passRound(form, 0);
    QVERIFY(errors_->texts.isEmpty());
    QTest::mouseClick(form.ui->Button3, Qt::LeftButton);

    if (firstQuestion) {
        QVERIFY(errors_->texts.isEmpty());
        QVERIFY(!form.isVisible());
        QVERIFY(sameRecord(zk::Game().CurrentQuestion, first));
        QCOMPARE(int(zk::Game().FiftyOnQuestion), 0);
        QCOMPARE(int(zk::Game().CurrentLevel), 1);
    } else {
        // Reported, and the window stays open for another try.
        QCOMPARE(errors_->texts, QStringList{QStringLiteral("File not found.")});
        QVERIFY(form.isVisible());
        QCOMPARE(int(zk::Game().CurrentLevel), 0);
        form.close();
    }
    zk::SetProgramPath(QString());
}

QTEST_MAIN(TestQualifying)
#include "tst_qualifying.moc"
