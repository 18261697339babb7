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
#include "results/Unit7.h"
#include "results/Unit8.h"
#include "core/topten.h"
#include "support/testsupport.h"
#include "ui_Unit6.h"
#include "ui_Unit7.h"
#include "ui_Unit8.h"
#include "ui_unit1.h"

#include <QLineEdit>

#include <QLabel>
#include <QTimer>
#include <QtTest>

using zk::FormId;

namespace {

const QColor kBlack(0, 0, 0);
const QColor kAmber(255, 204, 102);
const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);

// The right letter of each level's only question: every letter comes up.
char RightLetter(int level) { return "abcd"[(level * 3) % 4]; }

// What the host says when the question after `answered` is put up.
QString HostWords(int answered)
{
    switch (answered) {
    case 1:
        return QStringLiteral(
            "   Великолепно! Вы сумели ответить на первый вопрос. Это очень хорошее начало. Если будете "
            "продолжать в том же духе то совсем скоро доберётесь до миллиона. А теперь второй вопрос.");
    case 4:
        return QStringLiteral(
            "   Внимание! Вы подошли к первой несгораемой сумме. Будьте очень внимательны и хорошо "
            "подумайте, прежде чем отвечать на вопрос. Если вы не уверены в своём ответе, то "
            "воспользуйтесь подсказками.");
    case 5:
        return QStringLiteral(
            "   Поздравляю вас! Вам удалось получить первую несгораемую сумму - 1000 рублей. Теперь "
            "эти деньги точно ваши. А сейчас постарайтесь сосредоточиться, потому что вопросы будут "
            "посложнее.");
    case 9:
        return QStringLiteral(
            "   Внимание! Вы подошли ко второй несгораемой сумме. Будьте очень внимательны и хорошо "
            "подумайте, прежде чем отвечать на вопрос. Если вы не уверены в своём ответе, то "
            "воспользуйтесь подсказками.");
    case 10:
        return QStringLiteral(
            "   Поздравляю вас! Вам удалось получить вторую несгораемую сумму - 32 000 рублей. Это "
            "очень хороший результат. А сейчас постарайтесь сосредоточиться, потому что вопросы "
            "будут очень сложными.");
    case 14:
        return QStringLiteral(
            "   Внимание! Вы подошли миллиону. Вы показали великолепный результат. Ещё практически "
            "никому не удавалось дойти до этого вопроса. Не спешите, подумайте очень хорошо, и если "
            "вы правильно ответите на этот вопрос, то станите МИЛЛИОНЕРОМ.");
    default:
        return QStringLiteral(
                   "   Замечательно! Вы ответили на вопрос номер %1. Теперь попробуйте ответить на следующий "
                   "вопрос.")
            .arg(answered);
    }
}

const int kWinnings[16] = {0,    100,   200,   300,   500,    1000,   2000,   4000,
                           8000, 16000, 32000, 64000, 125000, 250000, 500000, 1000000};

// A window opened through the one place, and the main window as it stood at that moment.
struct Opening {
    FormId id;
    int winnings;
    int errorsBefore;
    int arrowTop;
    QString question;
};

// What a result window showed before the test typed a name and pressed OK.
struct ResultShown {
    QString amount;
    bool nameField;
};

}  // namespace

// Whole games through the real main window and qualifying window, headless: the round is
// passed by clicking, each answer is clicked and its reveal ticks are driven by hand.
class TestGameFlow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void fifteenRightAnswers();
    void wrongAnswerEndsTheGame_data();
    void wrongAnswerEndsTheGame();
    void missingNextQuestionEndsWithWinnings();
    void errorBoxReadDuringTheReveal_data();
    void errorBoxReadDuringTheReveal();
    void leavingTheRoundKeepsTheGame();

private:
    // "Новая игра" from the menu; the round is passed by clicking the rows in the right
    // order, or (pass false) just closed.
    void newGame(bool pass = true);
    // Clicks the answer of `letter` and checks the chosen look; by label or by plate.
    void clickAnswer(char letter, bool byLabel);
    void answerRight(int level);
    void checkRestingQuestion(int level);
    // The main window after a result window has closed: idle, nothing to click.
    void checkGameOver();
    QList<Opening> openedSince(int from) const { return opened_.mid(from); }

    std::unique_ptr<zktest::GameFolder> folder_;
    std::unique_ptr<zktest::ErrorLog> errors_;
    std::unique_ptr<TForm1> main_;
    QList<Opening> opened_;
    QStringList qualifyingVerdict_;
    // The result windows open for real; a driver types this name and presses OK.
    QString playerName_;
    QList<ResultShown> results_;
    QTimer resultDriver_;
};

void TestGameFlow::initTestCase()
{
    zk::InstallFontSubstitutions();
    folder_ = std::make_unique<zktest::GameFolder>();
    folder_->copyShippedMedia();
    for (const char* cue : {"hello1.wav", "hello2.wav", "intro1.wav", "intro2.wav", "intro3.wav", "bellOtbor.wav",
                            "bad.wav", "bell.wav", "good0.wav", "good1.wav", "good2.wav", "good3.wav", "good4.wav",
                            "good5.wav", "applause.wav", "NoMoney.wav", "name.wav"})
        folder_->write(QStringLiteral("music/") + QLatin1String(cue), zktest::SilentWav(200));
    folder_->write(
        QStringLiteral("Text/otbor.txt"),
        zktest::RecordBytes(zktest::MakeQuestion(
            QStringLiteral("Расположите числа по возрастанию."),
            {QStringLiteral("один"), QStringLiteral("два"), QStringLiteral("три"), QStringLiteral("четыре")}, 'a')));
    for (int level = 1; level <= 15; ++level) {
        QStringList answers;
        for (QChar letter : {u'A', u'B', u'C', u'D'})
            answers << QStringLiteral("Ответ %1%2").arg(level).arg(letter);
        folder_->write(QStringLiteral("Text/%1.txt").arg(level),
                       zktest::RecordBytes(zktest::MakeQuestion(QStringLiteral("Вопрос номер %1").arg(level), answers,
                                                                RightLetter(level))));
    }
    // Sound on, advertising pauses off, so every question brings the host's words.
    zk::SetProgramPath(folder_->file(QStringLiteral("zoriklad")));
    folder_->write(QStringLiteral("zoriklad.ini"), "[music]\nmaysound=1\n[reklama]\nmayreklama=0\n");
    errors_ = std::make_unique<zktest::ErrorLog>();

    // The test notes every window that opens through the one place; the qualifying round and
    // the result windows open for real, the others are stood in for.
    zk::SetOpenModalHook([this](FormId id) {
        if (id == FormId::Qualifying)
            return false;
        if (id == FormId::Splash)  // while the main window is still being made
            return true;
        const int errors = errors_ ? static_cast<int>(errors_->texts.size()) : 0;
        opened_ << Opening{id, zk::Game().Winnings, errors, main_->ui->Strela->y(),
                           main_->ui->Memo_Vopros->toPlainText()};
        return id != FormId::Millionaire && id != FormId::Winnings;
    });
    QObject::connect(&resultDriver_, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        QLineEdit* name = nullptr;
        QAbstractButton* ok = nullptr;
        if (auto* won = qobject_cast<TForm7*>(modal)) {
            results_ << ResultShown{QString(), won->ui->Edit1->isVisible()};
            name = won->ui->Edit1;
            ok = won->ui->Button1;
        } else if (auto* form = qobject_cast<TForm8*>(modal)) {
            results_ << ResultShown{form->ui->Label2->text(), form->ui->Edit1->isVisible()};
            name = form->ui->Edit1;
            ok = form->ui->Button1;
        } else {
            return;
        }
        if (name->isVisible()) {
            // Typed key by key, as a player would (keyClicks knows only ASCII).
            for (const QChar ch : playerName_)
                QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    resultDriver_.start(10);
    zk::ResetGameState();
    main_ = std::make_unique<TForm1>();
    // Start-up makes one qualifying window that is never shown.
    {
        TForm6 startup;
    }
    main_->show();
    QVERIFY(QTest::qWaitForWindowExposed(main_.get()));
    QCOMPARE(int(zk::Game().SoundOn), 1);
    QCOMPARE(int(zk::Game().AdsOn), 0);
}

void TestGameFlow::init()
{
    errors_->texts.clear();
    opened_.clear();
    results_.clear();
    zk::ResetTopTen();
}

void TestGameFlow::cleanup()
{
    // Whatever a test left, the next one starts from the end of a game.
    main_->Timer1->stop();
    main_->EndGameReset();
    QVERIFY2(errors_->texts.isEmpty(), qPrintable(errors_->texts.join(QLatin1Char('|'))));
}

void TestGameFlow::cleanupTestCase()
{
    resultDriver_.stop();
    main_.reset();
    zk::SetOpenModalHook({});
    zk::SetProgramPath(QString());
    errors_.reset();
    folder_.reset();
}

void TestGameFlow::newGame(bool pass)
{
    qualifyingVerdict_.clear();
    bool driven = false;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* form = qobject_cast<TForm6*>(QApplication::activeModalWidget());
        if (!form || driven)
            return;
        driven = true;
        if (pass) {
            const std::array<QWidget*, 4> badges{form->ui->Image1, form->ui->Image2, form->ui->Image3,
                                                 form->ui->Image4};
            const std::array<QWidget*, 4> plates{form->ui->Image5, form->ui->Image6, form->ui->Image7,
                                                 form->ui->Image8};
            const QStringList order{QStringLiteral("один"), QStringLiteral("два"), QStringLiteral("три"),
                                    QStringLiteral("четыре")};
            for (int i = 0; i < 4; ++i) {
                for (int row = 0; row < 4; ++row) {
                    if (form->RowLabels[row]->text() != order[i])
                        continue;
                    QWidget* target = i % 3 == 0 ? badges[row] : i % 3 == 1 ? plates[row] : form->RowLabels[row];
                    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(10, 8));
                }
            }
            QTest::mouseClick(form->ui->Button1, Qt::LeftButton);
            qualifyingVerdict_ = form->ui->Memo2->toPlainText().split(QLatin1Char('\n'));
            if (form->ui->Button3->isVisible())
                QTest::mouseClick(form->ui->Button3, Qt::LeftButton);
        }
        // Whatever happened, the window must not be left open.
        if (form->isVisible())
            form->close();
    });
    driver.start(10);
    main_->ui->N4->trigger();
    QVERIFY(driven);
}

void TestGameFlow::checkRestingQuestion(int level)
{
    auto* ui = main_->ui;
    QCOMPARE(ui->Memo_Vopros->toPlainText(), QStringLiteral("Вопрос номер %1").arg(level));
    QCOMPARE(ui->hacker->text(), QString(QLatin1Char(RightLetter(level))));
    QCOMPARE(ui->hacker->size(), ui->hacker->sizeHint());
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(main_->AnswerLabels[i]->text(), QStringLiteral("Ответ %1%2").arg(level).arg(QChar(u'A' + i)));
        QCOMPARE(zk::BackColor(main_->AnswerLabels[i]), kBlack);
        QCOMPARE(main_->AnswerImages[i]->fileName(), QStringLiteral("Graph\\otvet.gif"));
        QVERIFY(main_->AnswerLabels[i]->isEnabled());
    }
    QCOMPARE(ui->Strela->y(), 526 - 24 * (level - 1));
    QCOMPARE(int(zk::Game().CurrentLevel), level);
    QCOMPARE(int(zk::Game().AnswerAllowed), 1);
    QVERIFY(!main_->Timer1->isActive());
}

void TestGameFlow::checkGameOver()
{
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(zk::Game().Winnings, 0);
    QCOMPARE(int(zk::Game().FiftyUsed) + zk::Game().AudienceUsed + zk::Game().FriendUsed, 3);
    QVERIFY(!main_->ui->Button1->isEnabled());
    QCOMPARE(main_->ui->Strela->y(), 526);
    QVERIFY(main_->ui->Memo_Vopros->toPlainText().isEmpty());
    for (int i = 0; i < 4; ++i) {
        QVERIFY(main_->AnswerLabels[i]->text().isEmpty());
        QVERIFY(!main_->AnswerImages[i]->isEnabled());
    }
}

void TestGameFlow::clickAnswer(char letter, bool byLabel)
{
    const int i = letter - 'a';
    QWidget* target = byLabel ? static_cast<QWidget*>(main_->AnswerLabels[i]) : main_->AnswerImages[i];
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(20, 8));
    QCOMPARE(zk::Game().ChosenAnswer, letter);
    QCOMPARE(int(zk::Game().AnswerAllowed), 0);
    QVERIFY(main_->Timer1->isActive());
    QCOMPARE(main_->Timer1->interval(), 1500);
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(zk::BackColor(main_->AnswerLabels[k]), k == i ? kAmber : kBlack);
        QCOMPARE(main_->AnswerImages[k]->fileName(),
                 k == i ? QStringLiteral("Graph\\otvetchoice.gif") : QStringLiteral("Graph\\otvet.gif"));
    }

    // While the answer is revealed nothing else is taken: another answer, a lifeline, the money.
    const int other = (i + 1) % 4;
    const qsizetype openings = opened_.size();
    QTest::mouseClick(main_->AnswerImages[other], Qt::LeftButton, {}, QPoint(20, 8));
    QTest::mouseClick(main_->AnswerLabels[other], Qt::LeftButton, {}, QPoint(20, 8));
    QTest::mouseClick(main_->ui->Podsk_5050, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseClick(main_->ui->Button1, Qt::LeftButton);
    QCOMPARE(zk::Game().ChosenAnswer, letter);
    QCOMPARE(zk::BackColor(main_->AnswerLabels[other]), kBlack);
    QCOMPARE(opened_.size(), openings);
    QCOMPARE(main_->Timer1->interval(), 1500);
}

void TestGameFlow::answerRight(int level)
{
    const char letter = RightLetter(level);
    const int i = letter - 'a';
    const QString hostBefore = main_->ui->Memo1->toPlainText();
    clickAnswer(letter, level % 2 == 0);

    main_->Timer1Timer();  // 1500 ms: bell and green
    QCOMPARE(zk::Player().fileName(), QStringLiteral("music\\bell.wav"));
    QCOMPARE(zk::BackColor(main_->AnswerLabels[i]), kGreen);
    QCOMPARE(main_->AnswerImages[i]->fileName(), QStringLiteral("Graph\\OtvetYes.gif"));
    QCOMPARE(main_->Timer1->interval(), 2000);
    QCOMPARE(zk::Game().Winnings, kWinnings[level - 1]);
    QCOMPARE(main_->ui->Memo1->toPlainText(), hostBefore);

    zk::Game().FiftyOnQuestion = 1;  // as if 50:50 had been used on this question
    main_->Timer1Timer();  // 3500 ms: the outcome
    if (level == 15)
        return;
    QCOMPARE(zk::Game().Winnings, kWinnings[level]);
    QCOMPARE(int(zk::Game().FiftyOnQuestion), 0);  // the next question has all four answers
    QVERIFY(zk::Player().fileName().startsWith(QStringLiteral("music\\good")));
    QCOMPARE(main_->ui->Memo1->toPlainText(), HostWords(level));
    checkRestingQuestion(level + 1);
}

void TestGameFlow::fifteenRightAnswers()
{
    newGame();
    QCOMPARE(qualifyingVerdict_,
             (QStringList{QString(),
                          QStringLiteral("Поздравляю!!! Вы ответили совершенно правильно. Теперь вы можете "
                                         "начать игру.")}));
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(main_->ui->Memo1->toPlainText().startsWith(QStringLiteral("   Молодец! Вы прошли отборочный тур.")));
    QCOMPARE(zk::Game().Winnings, 0);
    QCOMPARE(int(zk::Game().FiftyUsed) + zk::Game().AudienceUsed + zk::Game().FriendUsed, 0);
    QVERIFY(main_->ui->Button1->isEnabled());
    checkRestingQuestion(1);

    playerName_ = QStringLiteral("Миллионер");
    for (int level = 1; level <= 15; ++level)
        answerRight(level);

    // The fifteenth: no question file is read, the arrow stays, the millionaire window opens.
    QCOMPARE(int(zk::Game().CurrentLevel), 16);
    QCOMPARE(opened_.size(), 1);
    QCOMPARE(opened_[0].id, FormId::Millionaire);
    QCOMPARE(opened_[0].winnings, 500000);
    QCOMPARE(opened_[0].arrowTop, 190);
    QCOMPARE(opened_[0].question, QStringLiteral("Вопрос номер 15"));
    QCOMPARE(results_.size(), 1);
    QVERIFY(results_[0].nameField);
    QVERIFY(!main_->Timer1->isActive());

    // The million went into the table, and closing the window brought the game to its end.
    const zk::TopTen table = zk::ReadTopTen();
    QCOMPARE(table[0].NameText(), playerName_);
    QCOMPARE(table[0].Amount, 1000000);
    QCOMPARE(table[1].NameText(), QStringLiteral("Тармил"));
    checkGameOver();
}

void TestGameFlow::wrongAnswerEndsTheGame_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("winnings");
    QTest::newRow("level 3") << 3 << 0;
    QTest::newRow("level 7") << 7 << 1000;
    QTest::newRow("level 12") << 12 << 32000;
}

void TestGameFlow::wrongAnswerEndsTheGame()
{
    QFETCH(int, level);
    QFETCH(int, winnings);
    newGame();
    checkRestingQuestion(1);
    for (int n = 1; n < level; ++n)
        answerRight(n);

    const int right = RightLetter(level) - 'a';
    const int wrong = (right + 2) % 4;
    clickAnswer(static_cast<char>('a' + wrong), level % 2 == 1);
    main_->Timer1Timer();
    QCOMPARE(zk::Player().fileName(), QStringLiteral("music\\bad.wav"));
    for (int k = 0; k < 4; ++k) {
        const QColor color = k == wrong ? kRed : k == right ? kGreen : kBlack;
        const QString plate = k == wrong ? QStringLiteral("Graph\\OtvetNo.gif")
            : k == right                 ? QStringLiteral("Graph\\OtvetYes.gif")
                                         : QStringLiteral("Graph\\otvet.gif");
        QCOMPARE(zk::BackColor(main_->AnswerLabels[k]), color);
        QCOMPARE(main_->AnswerImages[k]->fileName(), plate);
    }
    QVERIFY(opened_.isEmpty());

    const QString lastCue = zk::Player().fileName();
    const int playsBefore = zk::Player().plays();
    playerName_ = QStringLiteral("Игрок %1").arg(level);
    main_->Timer1Timer();
    QCOMPARE(opened_.size(), 1);
    QCOMPARE(opened_[0].id, FormId::Winnings);
    QCOMPARE(opened_[0].winnings, winnings);
    QCOMPARE(opened_[0].arrowTop, 526 - 24 * (level - 1));
    QCOMPARE(int(zk::Game().CurrentLevel), level);
    QVERIFY(!main_->Timer1->isActive());
    // The second tick itself was silent: the only cue since is the result window's own.
    QCOMPARE(zk::Player().plays(), playsBefore + 1);
    QCOMPARE(zk::Player().fileName(),
             winnings > 0 ? QStringLiteral("music\\applause.wav") : QStringLiteral("music\\NoMoney.wav"));
    QVERIFY(lastCue != zk::Player().fileName());

    // The winnings window showed the sum; with nothing won there was no name to give.
    QCOMPARE(results_.size(), 1);
    QCOMPARE(results_[0].amount, QStringLiteral("%1 рублей.").arg(winnings));
    QCOMPARE(results_[0].nameField, winnings > 0);
    const zk::TopTen table = zk::ReadTopTen();
    if (winnings > 0) {
        QCOMPARE(table[0].NameText(), playerName_);
        QCOMPARE(table[0].Amount, winnings);
    } else {
        QCOMPARE(zk::EncodeTopTen(table), zk::EncodeTopTen(zk::DefaultTopTen()));
    }
    checkGameOver();
}

void TestGameFlow::missingNextQuestionEndsWithWinnings()
{
    const QString file = folder_->file(QStringLiteral("Text/5.txt"));
    QVERIFY(QFile::rename(file, file + QStringLiteral(".away")));
    playerName_ = QStringLiteral("Осторожный");
    newGame();
    for (int n = 1; n <= 3; ++n)
        answerRight(n);
    clickAnswer(RightLetter(4), false);
    main_->Timer1Timer();
    main_->Timer1Timer();
    const QStringList reported = errors_->texts;
    errors_->texts.clear();
    QVERIFY(QFile::rename(file + QStringLiteral(".away"), file));

    // First the error, then the winnings window with what was just won.
    QCOMPARE(reported, QStringList{QStringLiteral("File not found.")});
    QCOMPARE(opened_.size(), 1);
    QCOMPARE(opened_[0].id, FormId::Winnings);
    QCOMPARE(opened_[0].errorsBefore, 1);
    QCOMPARE(opened_[0].winnings, 500);
    QCOMPARE(int(zk::Game().CurrentLevel), 5);
    QVERIFY(!main_->Timer1->isActive());
    QCOMPARE(zk::ReadTopTen()[0].Amount, 500);
    checkGameOver();
}

void TestGameFlow::errorBoxReadDuringTheReveal_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("right");
    QTest::newRow("right at 1") << 1 << true;
    QTest::newRow("wrong at 6") << 6 << false;
    QTest::newRow("right at 15") << 15 << true;
}

// The one test on the real clock: the first reveal step's cue cannot be opened, and the
// player reads its error box for 2.5 s, longer than the 2 s to the next step.
void TestGameFlow::errorBoxReadDuringTheReveal()
{
    QFETCH(int, level);
    QFETCH(bool, right);
    playerName_ = QStringLiteral("Читатель");
    newGame();
    for (int n = 1; n < level; ++n)
        answerRight(n);

    const QString cue = folder_->file(right ? QStringLiteral("music/bell.wav") : QStringLiteral("music/bad.wav"));
    QVERIFY(QFile::rename(cue, cue + QStringLiteral(".away")));
    errors_.reset();
    QStringList boxes;
    {
        zktest::ErrorBoxReader reader(2500);
        const int letter = right ? RightLetter(level) : 'a' + (RightLetter(level) - 'a' + 1) % 4;
        clickAnswer(static_cast<char>(letter), false);
        const auto revealOver = [&] {
            return !main_->Timer1->isActive() && !QApplication::activeModalWidget() &&
                (!opened_.isEmpty() || zk::Game().AnswerAllowed == 1);
        };
        QTRY_VERIFY_WITH_TIMEOUT(revealOver(), 15000);
        // Long enough for a second outcome to show itself.
        QTest::qWait(2500);
        boxes = reader.texts;
    }
    errors_ = std::make_unique<zktest::ErrorLog>();
    QVERIFY(QFile::rename(cue + QStringLiteral(".away"), cue));
    QCOMPARE(boxes.size(), 1);

    const zk::TopTen table = zk::ReadTopTen();
    const auto rowsOf = [&](const QString& name) {
        return std::count_if(table.begin(), table.end(),
                             [&](const zk::TopTenEntry& e) { return e.NameText() == name; });
    };
    if (right && level < 15) {
        // One step on, and the new question at rest: no colour of the old answer on it.
        QVERIFY(opened_.isEmpty());
        QCOMPARE(zk::Game().Winnings, kWinnings[level]);
        checkRestingQuestion(level + 1);
        return;
    }
    QCOMPARE(opened_.size(), 1);
    QCOMPARE(opened_[0].id, right ? FormId::Millionaire : FormId::Winnings);
    QCOMPARE(results_.size(), 1);
    QCOMPARE(int(zk::Game().CurrentLevel), right ? 16 : level);
    QCOMPARE(rowsOf(playerName_), 1);
    checkGameOver();
}

void TestGameFlow::leavingTheRoundKeepsTheGame()
{
    newGame();
    answerRight(1);
    zk::Game().FiftyOnQuestion = 1;  // as if 50:50 had been used on question 2

    // "Новая игра" in the middle of a game, and the round closed unpassed.
    newGame(false);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(zk::Game().CurrentQuestion.Text.ToString(), QStringLiteral("Вопрос номер 2"));
    QCOMPARE(int(zk::Game().FiftyOnQuestion), 1);
    QCOMPARE(zk::Qualifying().Task.Text.ToString(), QStringLiteral("Расположите числа по возрастанию."));

    // The game goes on with question 2: its right answer is still right.
    zk::Game().FiftyOnQuestion = 0;
    answerRight(2);
    QCOMPARE(zk::Game().Winnings, 200);
    QVERIFY(opened_.isEmpty());
}

QTEST_MAIN(TestGameFlow)
#include "tst_gameflow.moc"
