#include "core/gamestate.h"
#include "game/unit1.h"
#include "game/windows.h"
#include "lifelines/Unit3.h"
#include "lifelines/Unit4.h"
#include "lifelines/Unit5.h"
#include "pictures/TImage.h"
#include "platform/fonts.h"
#include "core/inifile.h"
#include "core/random.h"
#include "support/testsupport.h"
#include "ui_Unit3.h"
#include "ui_Unit4.h"
#include "ui_Unit5.h"
#include "ui_unit1.h"

#include <QtTest>

using zk::FormId;

namespace {

// A clock at which the first draw of Random(n) after re-seeding is `value`.
std::uint32_t ClockWhereFirstDraw(std::uint32_t n, std::uint32_t value, std::uint32_t from = 1000)
{
    for (std::uint32_t t = from;; ++t) {
        zk::SetRandSeed(t);
        if (zk::Random(n) == value)
            return t;
    }
}

const QStringList kAnswers{"Париж", "Лондон", "Рим", "Берлин"};

}  // namespace

class TestLifelineWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void leavingUnusedKeepsTheLifeline_data();
    void leavingUnusedKeepsTheLifeline();
    void usingMarksTheLifeline_data();
    void usingMarksTheLifeline();
    void missingUsedPictureEndsTheStep_data();
    void missingUsedPictureEndsTheStep();
    void fiftyBlanksTwoWrongAnswers_data();
    void fiftyBlanksTwoWrongAnswers();
    void audienceChart_data();
    void audienceChart();
    void friendConversation_data();
    void friendConversation();
    void questionAfterHalvedOneIsWhole();
    void memosNeverTakeTheFocus_data();
    void memosNeverTakeTheFocus();

private:
    // Clicks a lifeline icon of the main window, with `act` driving whatever window opens.
    int clickIcon(const QString& icon, std::function<void(QDialog*)> act);
    TImage* icon(const QString& name) { return fx_->main->findChild<TImage*>(name); }
    QStringList captions() const;

    std::unique_ptr<zktest::MainWindowFixture> fx_;
};

void TestLifelineWindows::initTestCase() { zk::InstallFontSubstitutions(); }

void TestLifelineWindows::init()
{
    // The lifeline windows open for real; everything else (the splash) is only noted.
    fx_ = std::make_unique<zktest::MainWindowFixture>("[music]\nmaysound=0\n[reklama]\nmayreklama=0\n", [](FormId id) {
        return id == FormId::Fifty || id == FormId::Audience || id == FormId::Friend;
    });
    for (int level = 1; level <= 3; ++level)
        fx_->folder.write(QString("Text/%1.txt").arg(level),
                          zktest::RecordBytes(
                              zktest::MakeQuestion(QString("Столица Франции? (вопрос %1)").arg(level), kAnswers, 'a')));
    fx_->create();
    fx_->main->StartMainGame();
    fx_->opened.clear();
    QVERIFY2(fx_->errors.texts.isEmpty(), qPrintable(fx_->errors.texts.join('\n')));
}

void TestLifelineWindows::cleanup() { fx_.reset(); }

int TestLifelineWindows::clickIcon(const QString& name, std::function<void(QDialog*)> act)
{
    zktest::ModalDriver driver([&](QWidget* w) { act(qobject_cast<QDialog*>(w)); });
    QTest::mouseClick(icon(name), Qt::LeftButton, {}, QPoint(5, 5));
    return driver.seen;
}

QStringList TestLifelineWindows::captions() const
{
    QStringList out;
    for (QLabel* l : fx_->main->AnswerLabels)
        out << l->text();
    return out;
}

// How a window is left or used, by its buttons' names.
static void Press(QDialog* d, const char* button)
{
    QTest::mouseClick(d->findChild<QAbstractButton*>(button), Qt::LeftButton);
}

void TestLifelineWindows::leavingUnusedKeepsTheLifeline_data()
{
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("leave");  // a button's name, or empty for the close box
    QTest::addColumn<QString>("picture");
    QTest::newRow("50:50, Нет") << "Podsk_5050"
                                << "Button_No"
                                << "Graph\\podsk_5050.gif";
    QTest::newRow("50:50, close box") << "Podsk_5050"
                                      << ""
                                      << "Graph\\podsk_5050.gif";
    QTest::newRow("audience, back") << "Podsk_zal"
                                    << "Button_back"
                                    << "Graph\\podsk_zal.gif";
    QTest::newRow("audience, close box") << "Podsk_zal"
                                         << ""
                                         << "Graph\\podsk_zal.gif";
    QTest::newRow("friend, back") << "Podsk_friend"
                                  << "Button_back"
                                  << "Graph\\podsk_friend.gif";
    QTest::newRow("friend, close box") << "Podsk_friend"
                                       << ""
                                       << "Graph\\podsk_friend.gif";
}

void TestLifelineWindows::leavingUnusedKeepsTheLifeline()
{
    QFETCH(QString, icon);
    QFETCH(QString, leave);
    QFETCH(QString, picture);
    auto act = [&](QDialog* d) {
        if (leave.isEmpty())
            d->close();
        else
            Press(d, qPrintable(leave));
    };
    QCOMPARE(clickIcon(icon, act), 1);
    const auto& g = zk::Game();
    QCOMPARE(int(g.FiftyUsed) + int(g.AudienceUsed) + int(g.FriendUsed), 0);
    QCOMPARE(int(g.FiftyOnQuestion), 0);
    QCOMPARE(captions(), kAnswers);
    QCOMPARE(this->icon(icon)->fileName(), picture);
    QCOMPARE(this->icon(icon)->cursor().shape(), Qt::PointingHandCursor);
    // Still available: it opens again.
    QCOMPARE(clickIcon(icon, act), 1);
    QCOMPARE(fx_->opened.size(), 2);
    QVERIFY(fx_->errors.texts.isEmpty());
}

void TestLifelineWindows::usingMarksTheLifeline_data()
{
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<bool>("soundOn");
    QTest::newRow("50:50") << "Podsk_5050" << QStringList{"Button_yes"} << "Graph\\no_podsk_5050.gif" << false;
    QTest::newRow("audience") << "Podsk_zal" << QStringList{"Button_resalt", "Button_back"} << "Graph\\no_podsk_zal.gif"
                              << false;
    QTest::newRow("friend") << "Podsk_friend" << QStringList{"Button_zvonok", "Button_back"}
                            << "Graph\\no_podsk_friend.gif" << false;
    // No "music\" folder: the cue fails, is reported, and the lifeline is used all the same.
    QTest::newRow("50:50, cue fails") << "Podsk_5050" << QStringList{"Button_yes"} << "Graph\\no_podsk_5050.gif"
                                      << true;
    QTest::newRow("audience, cue fails") << "Podsk_zal" << QStringList{"Button_resalt", "Button_back"}
                                         << "Graph\\no_podsk_zal.gif" << true;
    QTest::newRow("friend, cue fails") << "Podsk_friend" << QStringList{"Button_zvonok", "Button_back"}
                                       << "Graph\\no_podsk_friend.gif" << true;
}

void TestLifelineWindows::usingMarksTheLifeline()
{
    QFETCH(QString, icon);
    QFETCH(QStringList, presses);
    QFETCH(QString, picture);
    QFETCH(bool, soundOn);
    zk::Game().SoundOn = soundOn ? 1 : 0;
    bool stillOpen = true;
    QCOMPARE(clickIcon(icon,
                       [&](QDialog* d) {
                           for (const QString& b : presses)
                               Press(d, qPrintable(b));
                           stillOpen = d->isVisible();
                       }),
             1);
    QVERIFY(!stillOpen);
    QVERIFY(!QApplication::activeModalWidget());

    const auto& g = zk::Game();
    const int used = icon == "Podsk_5050" ? g.FiftyUsed : icon == "Podsk_zal" ? g.AudienceUsed : g.FriendUsed;
    QCOMPARE(used, 1);
    QCOMPARE(this->icon(icon)->fileName(), picture);
    QCOMPARE(this->icon(icon)->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(fx_->errors.texts.size(), soundOn ? 1 : 0);

    // A second click opens nothing.
    QCOMPARE(clickIcon(icon, [](QDialog* d) { d->close(); }), 0);
    QCOMPARE(fx_->opened.size(), 1);
}

void TestLifelineWindows::missingUsedPictureEndsTheStep_data()
{
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("press");
    QTest::addColumn<QString>("missing");
    QTest::newRow("50:50") << "Podsk_5050"
                           << "Button_yes"
                           << "no_podsk_5050.gif";
    QTest::newRow("audience") << "Podsk_zal"
                              << "Button_resalt"
                              << "no_podsk_zal.gif";
    QTest::newRow("friend") << "Podsk_friend"
                            << "Button_zvonok"
                            << "no_podsk_friend.gif";
}

void TestLifelineWindows::missingUsedPictureEndsTheStep()
{
    QFETCH(QString, icon);
    QFETCH(QString, press);
    QFETCH(QString, missing);
    QVERIFY(QFile::remove(fx_->folder.file("Graph/" + missing)));
    // A clock at which the audience is right, as it is nine times in ten.
    zktest::FixClock(ClockWhereFirstDraw(10, 7));

    bool openAfter = false;
    bool actionEnabled = true;
    bool conversationShown = false;
    QString memo;
    QCOMPARE(clickIcon(icon,
                       [&](QDialog* d) {
                           Press(d, qPrintable(press));
                           openAfter = d->isVisible();
                           actionEnabled = d->findChild<QAbstractButton*>(press)->isEnabled();
                           if (auto* f = qobject_cast<TForm4*>(d))
                               conversationShown = f->ui->Memo_you->isVisibleTo(f) || f->ui->Label3->isVisibleTo(f);
                           if (auto* a = qobject_cast<TForm3*>(d))
                               memo = a->ui->Memo_text->toPlainText();
                           d->close();
                       }),
             1);
    QCOMPARE(fx_->errors.texts, QStringList{"Cannot open file Graph\\" + missing + "."});
    const auto& g = zk::Game();
    QCOMPARE(int(g.FiftyUsed) + int(g.AudienceUsed) + int(g.FriendUsed), 0);
    QCOMPARE(this->icon(icon)->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(int(g.FiftyOnQuestion), 0);
    QCOMPARE(captions(), kAnswers);
    if (icon == "Podsk_5050") {
        QVERIFY(openAfter);
    } else if (icon == "Podsk_zal") {
        // The steps before the picture keep their effect: the poll is on show.
        QVERIFY(!actionEnabled);
        QVERIFY(memo.contains("правильный ответ A"));
    } else {
        QVERIFY(actionEnabled);
        QVERIFY(!conversationShown);
    }
    // The lifeline can be opened again.
    QCOMPARE(clickIcon(icon, [](QDialog* d) { d->close(); }), 1);
}

void TestLifelineWindows::fiftyBlanksTwoWrongAnswers_data()
{
    QTest::addColumn<char>("correct");
    QTest::addColumn<uint>("clock");
    for (char c : {'a', 'b', 'c', 'd'})
        for (uint clock : {1000u, 45000000u, 86399999u})
            QTest::addRow("%c right, clock %u", c, clock) << c << clock;
}

void TestLifelineWindows::fiftyBlanksTwoWrongAnswers()
{
    QFETCH(char, correct);
    QFETCH(uint, clock);
    zk::Game().CurrentQuestion.Correct = correct;
    zktest::FixClock(clock);
    QCOMPARE(clickIcon("Podsk_5050", [](QDialog* d) { Press(d, "Button_yes"); }), 1);
    const QStringList shown = captions();
    QCOMPARE(shown.count(QString()), 2);
    QCOMPARE(shown.at(correct - 'a'), kAnswers.at(correct - 'a'));
    for (int i = 0; i < 4; ++i)
        QVERIFY(shown.at(i).isEmpty() || shown.at(i) == kAnswers.at(i));
    QCOMPARE(int(zk::Game().FiftyOnQuestion), 1);
    // The plates stay and still take a click.
    for (TImage* plate : fx_->main->AnswerImages)
        QVERIFY(plate->isVisible() && plate->isEnabled());
}

void TestLifelineWindows::audienceChart_data()
{
    QTest::addColumn<char>("correct");
    QTest::addColumn<QString>("blank");  // captions emptied by 50:50 (empty: not halved)
    QTest::addColumn<bool>("audienceRight");
    QTest::newRow("B right, audience right") << 'b' << "" << true;
    QTest::newRow("B right, audience wrong") << 'b' << "" << false;
    QTest::newRow("D right, audience wrong") << 'd' << "" << false;
    QTest::newRow("halved to A and C, C right") << 'c' << "bd" << true;
    QTest::newRow("halved to A and C, C right, audience wrong") << 'c' << "bd" << false;
    QTest::newRow("halved to B and D, B right, audience wrong") << 'b' << "ac" << false;
}

void TestLifelineWindows::audienceChart()
{
    QFETCH(char, correct);
    QFETCH(QString, blank);
    QFETCH(bool, audienceRight);
    auto& g = zk::Game();
    g.CurrentQuestion.Correct = correct;
    for (QChar b : blank)
        fx_->main->AnswerLabels[b.unicode() - 'a']->setText(QString());
    g.FiftyOnQuestion = blank.isEmpty() ? 0 : 1;
    zktest::FixClock(ClockWhereFirstDraw(10, audienceRight ? 7 : 0));

    QString before, after;
    std::array<QRect, 4> bars;
    std::array<QString, 4> percents;
    std::array<QRect, 4> percentGeometry;
    QCOMPARE(clickIcon("Podsk_zal",
                       [&](QDialog* d) {
                           auto* f = qobject_cast<TForm3*>(d);
                           for (QFrame* bar : f->Bars)
                               QCOMPARE(bar->geometry().top(), 130);
                           before = f->ui->Label1->text() + f->ui->Label4->text();
                           Press(d, "Button_resalt");
                           after = f->ui->Memo_text->toPlainText();
                           for (int i = 0; i < 4; ++i) {
                               bars[i] = f->Bars[i]->geometry();
                               percents[i] = f->Percents[i]->text();
                               percentGeometry[i] = f->Percents[i]->geometry();
                           }
                           d->close();
                       }),
             1);
    QCOMPARE(before, QString("0%0%"));

    static constexpr int kPercentLeft[4] = {20, 60, 99, 138};
    std::array<int, 4> share{};
    int sum = 0;
    for (int i = 0; i < 4; ++i) {
        QVERIFY(percents[i].endsWith('%'));
        share[i] = percents[i].chopped(1).toInt();
        sum += share[i];
        // A bar stands on y = 130 and rises one pixel per percent.
        QCOMPARE(bars[i].height(), share[i]);
        QCOMPARE(bars[i].y() + bars[i].height(), 130);
        QCOMPARE(percentGeometry[i].x(), kPercentLeft[i]);
        QCOMPARE(percentGeometry[i].y(), 133);
        if (blank.contains(QChar('a' + i)))
            QCOMPARE(percents[i], QString("0%"));
        else
            QVERIFY(share[i] >= 1);
    }
    QCOMPARE(sum, 100);

    const int c = correct - 'a';
    const int top = *std::max_element(share.begin(), share.end());
    const bool correctLeads = std::count(share.begin(), share.end(), top) == 1 && share[c] == top;
    QCOMPARE(correctLeads, audienceRight);
    int named = c;
    if (!audienceRight)
        for (named = 0; named < 4 && (named == c || share[named] != top); ++named) {
        }
    QCOMPARE(after,
             QString("   Большинство присутствующих в зале считает, что правильный ответ %1. Но не "
                     "забывайте о том, что зал может ошибаться.")
                 .arg(QChar('A' + named)));
}

void TestLifelineWindows::friendConversation_data()
{
    QTest::addColumn<QString>("name");  // "<default>": left as the window has it
    QTest::addColumn<char>("correct");
    QTest::addColumn<QString>("blank");
    QTest::addColumn<bool>("friendRight");
    QTest::addColumn<QString>("named");
    QTest::newRow("default name, right") << "<default>" << 'b' << "" << true << "B";
    QTest::newRow("A right, friend wrong: C") << "Петя" << 'a' << "" << false << "C";
    QTest::newRow("D right, friend wrong: C") << "Петя" << 'd' << "" << false << "C";
    QTest::newRow("C right, friend wrong: B") << "Петя" << 'c' << "" << false << "B";
    QTest::newRow("empty name") << "" << 'c' << "" << true << "C";
    QTest::newRow("halved to A and D, D right, wrong") << "Маша" << 'd' << "bc" << false << "A";
    QTest::newRow("halved to B and D, B right, wrong") << "Маша" << 'b' << "ac" << false << "D";
    QTest::newRow("halved to C and D, C right, right") << "Маша" << 'c' << "ab" << true << "C";
}

void TestLifelineWindows::friendConversation()
{
    QFETCH(QString, name);
    QFETCH(char, correct);
    QFETCH(QString, blank);
    QFETCH(bool, friendRight);
    QFETCH(QString, named);
    auto& g = zk::Game();
    g.CurrentQuestion.Correct = correct;
    for (QChar b : blank)
        fx_->main->AnswerLabels[b.unicode() - 'a']->setText(QString());
    g.FiftyOnQuestion = blank.isEmpty() ? 0 : 1;
    zktest::FixClock(ClockWhereFirstDraw(10, friendRight ? 3 : 0));

    QString you, reply, defaultName;
    bool hiddenBefore = false, shownAfter = false, callEnabled = true;
    QCOMPARE(clickIcon("Podsk_friend",
                       [&](QDialog* d) {
                           auto* f = qobject_cast<TForm4*>(d);
                           defaultName = f->ui->name_friend->text();
                           hiddenBefore = !f->ui->Label3->isVisible() && !f->ui->Label4->isVisible() &&
                               !f->ui->Memo_you->isVisible() && !f->ui->Memo_friend->isVisible();
                           if (name != "<default>")
                               f->ui->name_friend->setText(name);
                           Press(d, "Button_zvonok");
                           shownAfter = f->ui->Label3->isVisible() && f->ui->Label4->isVisible() &&
                               f->ui->Memo_you->isVisible() && f->ui->Memo_friend->isVisible();
                           callEnabled = f->ui->Button_zvonok->isEnabled();
                           // Changing the name afterwards changes nothing.
                           f->ui->name_friend->setText("Другой");
                           you = f->ui->Memo_you->toPlainText();
                           reply = f->ui->Memo_friend->toPlainText();
                           d->close();
                       }),
             1);
    QCOMPARE(defaultName, QString("Всезнайка"));
    QVERIFY(hiddenBefore);
    QVERIFY(shownAfter);
    QVERIFY(!callEnabled);
    QCOMPARE(you,
             "   Здравствуй, " + (name == "<default>" ? defaultName : name) +
                 ", ответь пожайлуста на вопрос: Столица Франции? (вопрос 1)");
    QCOMPARE(reply, "   Я думаю, что правильный ответ " + named + ". Но я не совсем уверен.");
}

void TestLifelineWindows::questionAfterHalvedOneIsWhole()
{
    QCOMPARE(clickIcon("Podsk_5050", [](QDialog* d) { Press(d, "Button_yes"); }), 1);
    QCOMPARE(captions().count(QString()), 2);
    fx_->main->AnswerClick('a');
    fx_->main->Timer1Timer();
    fx_->main->Timer1Timer();
    QCOMPARE(int(zk::Game().CurrentLevel), 2);
    QCOMPARE(captions(), kAnswers);
    QCOMPARE(int(zk::Game().FiftyOnQuestion), 0);

    // The audience votes on all four again.
    std::array<QString, 4> percents;
    QCOMPARE(clickIcon("Podsk_zal",
                       [&](QDialog* d) {
                           auto* f = qobject_cast<TForm3*>(d);
                           Press(d, "Button_resalt");
                           for (int i = 0; i < 4; ++i)
                               percents[i] = f->Percents[i]->text();
                           d->close();
                       }),
             1);
    for (const QString& p : percents) {
        const int share = p.chopped(1).toInt();
        QVERIFY2(share >= 1 && share <= 97, qPrintable(p));
    }
}

void TestLifelineWindows::memosNeverTakeTheFocus_data()
{
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("press");  // pressed before the memos are tried; empty: none
    QTest::addColumn<QStringList>("memos");
    QTest::addColumn<QString>("focusAfterClick");
    QTest::newRow("audience, before the result") << "Podsk_zal"
                                                 << "" << QStringList{"Memo_text"} << "Button_resalt";
    QTest::newRow("audience, after the result") << "Podsk_zal"
                                                << "Button_resalt" << QStringList{"Memo_text"} << "Button_back";
    QTest::newRow("friend, after the call")
        << "Podsk_friend"
        << "Button_zvonok" << QStringList{"Memo_you", "Memo_friend"} << "Button_back";
}

void TestLifelineWindows::memosNeverTakeTheFocus()
{
    QFETCH(QString, icon);
    QFETCH(QString, press);
    QFETCH(QStringList, memos);
    QFETCH(QString, focusAfterClick);
    QStringList focusSeen;
    QCOMPARE(clickIcon(icon,
                       [&](QDialog* d) {
                           QVERIFY(QTest::qWaitForWindowActive(d));
                           if (!press.isEmpty())
                               Press(d, qPrintable(press));
                           for (const QString& name : memos) {
                               auto* memo = d->findChild<QTextEdit*>(name);
                               d->findChild<QWidget*>("Button_back")->setFocus();
                               QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
                               QWidget* focus = QApplication::focusWidget();
                               focusSeen << (focus ? focus->objectName() : QString("(none)"));
                               // Tabbing through the whole window never stops in a memo.
                               for (int k = 0; k < 8 && QApplication::focusWidget(); ++k) {
                                   QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                                   QVERIFY(!qobject_cast<QTextEdit*>(QApplication::focusWidget()));
                               }
                           }
                           d->close();
                       }),
             1);
    for (const QString& f : focusSeen)
        QCOMPARE(f, focusAfterClick);
    QVERIFY(fx_->errors.texts.isEmpty());
}

QTEST_MAIN(TestLifelineWindows)
#include "tst_lifelinewindows.moc"
