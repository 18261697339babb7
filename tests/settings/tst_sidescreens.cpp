#include "platform/design.h"
#include "core/gamestate.h"
#include "game/unit1.h"
#include "game/windows.h"
#include "pictures/TImage.h"
#include "platform/fonts.h"
#include "core/inifile.h"
#include "platform/mediaplayer.h"
#include "core/random.h"
#include "settings/Unit11.h"
#include "settings/Unit12.h"
#include "settings/Unit13.h"
#include "settings/Unit14.h"
#include "support/testsupport.h"
#include "ui_Unit11.h"
#include "ui_Unit12.h"
#include "ui_Unit13.h"
#include "ui_Unit14.h"
#include "ui_unit1.h"

#include <QBuffer>
#include <QLabel>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

using zk::FormId;

namespace {

// A clock reading whose first draw Random(n) after re-seeding is `value`.
std::uint32_t ClockFor(std::uint32_t n, std::uint32_t value)
{
    for (std::uint32_t ms = 0;; ++ms) {
        zk::SetRandSeed(ms);
        if (zk::Random(n) == value)
            return ms;
    }
}

QByteArray Jpeg(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 30));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

}  // namespace

class TestSideScreens : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void advertRoll_data();
    void advertRoll();
    void pauseComesAfterTheQuestionIsUp();
    void advertPicturePlacement_data();
    void advertPicturePlacement();
    void unreadableAdvertStillOpens_data();
    void unreadableAdvertStillOpens();

    void rulesTopic_data();
    void rulesTopic();
    void rulesMusic_data();
    void rulesMusic();
    void memoHandsFocusOn_data();
    void memoHandsFocusOn();
    void authorsPlates_data();
    void authorsPlates();

private:
    std::unique_ptr<zktest::GameFolder> folder_;
    std::unique_ptr<zktest::ErrorLog> errors_;
    std::unique_ptr<TForm1> main_;
    QList<FormId> opened_;
};

void TestSideScreens::initTestCase()
{
    zk::InstallFontSubstitutions();
    folder_ = std::make_unique<zktest::GameFolder>();
    folder_->copyShippedMedia(true);
    QDir().mkpath(folder_->file(QStringLiteral("bin")));
    zk::SetProgramPath(folder_->file(QStringLiteral("bin/zoriklad")));
    folder_->write(QStringLiteral("bin/zoriklad.ini"), "[music]\nmaysound=0\n");
    errors_ = std::make_unique<zktest::ErrorLog>();
    zk::SetOpenModalHook([this](FormId id) {
        opened_ << id;
        return true;
    });
    main_ = std::make_unique<TForm1>();
}

void TestSideScreens::init()
{
    zk::ResetGameState();
    zk::Game().SoundOn = 0;
    opened_.clear();
    errors_->texts.clear();
    zktest::RestoreClock();
}

void TestSideScreens::cleanupTestCase()
{
    main_.reset();
    zk::SetOpenModalHook({});
    zk::SetProgramPath(QString());
    zktest::RestoreClock();
    errors_.reset();
}

void TestSideScreens::advertRoll_data()
{
    QTest::addColumn<int>("adsOn");
    QTest::addColumn<int>("roll");
    for (int ads = 0; ads <= 1; ++ads)
        for (int roll = 0; roll < 8; ++roll)
            QTest::addRow("ads %s, roll %d", ads ? "on" : "off", roll) << ads << roll;
}

// The pause takes the host's place only when pauses are on and the roll is 4.
void TestSideScreens::advertRoll()
{
    QFETCH(int, adsOn);
    QFETCH(int, roll);
    auto& g = zk::Game();
    g.AdsOn = static_cast<std::uint8_t>(adsOn);
    g.CurrentLevel = 3;
    g.Winnings = 200;
    g.CurrentQuestion = zktest::MakeQuestion(QStringLiteral("Третий вопрос"), {"a", "b", "c", "d"}, 'b');
    zk::SetMemoText(main_->ui->Memo1, QStringLiteral("прежние слова"));
    zktest::FixClock(ClockFor(8, static_cast<std::uint32_t>(roll)));

    main_->ShowNextQuestion();

    const bool pause = adsOn && roll == 4;
    QCOMPARE(int(g.AdvertRoll), roll);
    QCOMPARE(opened_, pause ? QList<FormId>{FormId::Advert} : QList<FormId>{});
    QCOMPARE(main_->ui->Memo1->toPlainText(), pause ? QStringLiteral("прежние слова") : zk::HostComment(200, 3));
    QVERIFY(errors_->texts.isEmpty());
}

// A whole right answer: the pause opens with the new question already on screen, the
// host's earlier words stay, and the answers can be clicked as soon as it closes.
void TestSideScreens::pauseComesAfterTheQuestionIsUp()
{
    const auto first = zktest::MakeQuestion(QStringLiteral("Первый вопрос"), {"1", "2", "3", "4"}, 'c');
    const auto second = zktest::MakeQuestion(QStringLiteral("Второй вопрос"), {"5", "6", "7", "8"}, 'a');
    folder_->write(QStringLiteral("Text/1.txt"), zktest::RecordBytes(first));
    folder_->write(QStringLiteral("Text/2.txt"), zktest::RecordBytes(second));
    zk::Game().AdsOn = 1;
    main_->StartMainGame();
    const QString hostBefore = main_->ui->Memo1->toPlainText();

    QStringList seen;
    int allowedDuringPause = -1;
    zk::SetOpenModalHook([&](FormId id) {
        opened_ << id;
        seen << main_->ui->Memo_Vopros->toPlainText() << main_->AnswerLabels[0]->text()
             << main_->AnswerLabels[3]->text() << main_->ui->Memo1->toPlainText();
        allowedDuringPause = zk::Game().AnswerAllowed;
        return true;
    });
    zktest::FixClock(ClockFor(8, 4));
    main_->AnswerClick('c');
    main_->Timer1Timer();
    main_->Timer1Timer();
    zk::SetOpenModalHook([this](FormId id) {
        opened_ << id;
        return true;
    });

    QCOMPARE(opened_, QList<FormId>{FormId::Advert});
    QCOMPARE(seen, (QStringList{"Второй вопрос", "5", "8", hostBefore}));
    QCOMPARE(allowedDuringPause, 0);
    QCOMPARE(int(zk::Game().AnswerAllowed), 1);
    QCOMPARE(main_->ui->Memo1->toPlainText(), hostBefore);
    QVERIFY2(errors_->texts.isEmpty(), qPrintable(errors_->texts.join('\n')));
}

void TestSideScreens::advertPicturePlacement_data()
{
    QTest::addColumn<int>("draw");  // Random(5)
    QTest::addColumn<int>("left");
    // The five pictures have these widths: 300, 671, 900, 672, 120.
    QTest::newRow("narrower") << 0 << 185;
    QTest::newRow("exactly the window") << 1 << 0;
    QTest::newRow("wider: half the excess, toward zero") << 2 << -114;
    QTest::newRow("one pixel wider") << 3 << 0;
    QTest::newRow("small") << 4 << 275;
}

void TestSideScreens::advertPicturePlacement()
{
    QFETCH(int, draw);
    QFETCH(int, left);
    zktest::GameFolder pictures;
    const int widths[] = {300, 671, 900, 672, 120};
    for (int n = 1; n <= 5; ++n)
        pictures.write(QStringLiteral("Graph/Reklama/Reklama%1.jpg").arg(n), Jpeg(widths[n - 1], 90 + n));
    zktest::FixClock(ClockFor(5, static_cast<std::uint32_t>(draw)));

    TForm11 form;

    TImage* image = form.ui->Image1;
    QCOMPARE(image->fileName(), zk::AdvertPictureName(draw + 1));
    QCOMPARE(image->geometry(), QRect(left, 58, widths[draw], 91 + draw));
    QVERIFY(errors_->texts.isEmpty());
}

void TestSideScreens::unreadableAdvertStillOpens_data()
{
    QTest::addColumn<QByteArray>("bytes");  // null: no file at all
    QTest::addColumn<QString>("error");  // the start of the box's text
    QTest::newRow("missing") << QByteArray() << QStringLiteral("Cannot open file Graph\\Reklama\\Reklama3.jpg.");
    QTest::newRow("damaged") << QByteArray("not a picture at all") << QStringLiteral("JPEG error #");
}

void TestSideScreens::unreadableAdvertStillOpens()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    zktest::GameFolder empty;
    if (!bytes.isNull())
        empty.write(QStringLiteral("Graph/Reklama/Reklama3.jpg"), bytes);
    zktest::FixClock(ClockFor(5, 2));
    zk::SetOpenModalHook({});

    QRect imageAtOpen;
    QSize pictureAtOpen;
    zktest::ModalDriver driver([&](QWidget* w) {
        auto* form = qobject_cast<TForm11*>(w);
        QVERIFY(form);
        imageAtOpen = form->ui->Image1->geometry();
        pictureAtOpen = form->ui->Image1->pictureSize();
        QTest::mouseClick(form->ui->BitBtnWithColor1, Qt::LeftButton);
        QVERIFY(!form->isVisible());
    });
    zk::OpenModal(FormId::Advert);
    zk::SetOpenModalHook([this](FormId id) {
        opened_ << id;
        return true;
    });

    QCOMPARE(driver.seen, 1);
    QCOMPARE(errors_->texts.size(), 1);
    QVERIFY2(errors_->texts.first().startsWith(error), qPrintable(errors_->texts.first()));
    QCOMPARE(imageAtOpen, QRect(100, 58, 463, 189));
    QVERIFY(pictureAtOpen.isEmpty());
}

void TestSideScreens::rulesTopic_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("inside");
    QTest::addColumn<QString>("ending");
    QTest::newRow("Правила игры") << 0
                                  << QStringLiteral("Вопросы   разбиты   на   несколько   уровней сложности.  Первые")
                                  << QStringLiteral("глубоко эрудирован, имеет шанс выиграть.");
    QTest::newRow("Отборочный тур") << 1 << QStringLiteral("нажмите кнопку \"Сброс\" и начните заново.")
                                    << QStringLiteral("нажмите на кнопку \"Подтверждение\".");
    QTest::newRow("Основная игра") << 2 << QStringLiteral("\"Помощь зала\"В любой момент")
                                   << QStringLiteral("вы можете забрать деньги");
    QTest::newRow("Подсказка 50:50") << 3 << QStringLiteral("Эта подсказка позволяет убрать")
                                     << QStringLiteral("угадывания до 50%");
    QTest::newRow("Помощь зала") << 4 << QStringLiteral("в зале  оборудовано специальным пультом")
                                 << QStringLiteral("способно давать неправильные ответы.");
    QTest::newRow("Звонок другу") << 5 << QStringLiteral("Надеюсь у вас умные друзья")
                                  << QStringLiteral("подскажут вам правильно.");
    QTest::newRow("Как начать игру") << 6 << QStringLiteral("нажмите клавишу F2")
                                     << QStringLiteral("в меню \"Файл\" пункт \"Новая игра\"");
}

// A topic replaces the text box's whole content, however often it is clicked.
void TestSideScreens::rulesTopic()
{
    QFETCH(int, topic);
    QFETCH(QString, inside);
    QFETCH(QString, ending);
    TForm12 form;
    form.show();
    QCOMPARE(form.ui->Memo1->document()->blockCount(), 6);
    QVERIFY(form.ui->Memo1->toPlainText().startsWith(QStringLiteral("   Здесь вы можете узнать о правилах \nигры")));
    QCOMPARE(form.TopicLabels[topic]->text(), QString::fromUtf8(QTest::currentDataTag()));

    QTest::mouseClick(form.TopicLabels[topic], Qt::LeftButton);
    const QString once = form.ui->Memo1->toPlainText();
    QTest::mouseClick(form.TopicLabels[topic], Qt::LeftButton);
    const QString text = form.ui->Memo1->toPlainText();

    QCOMPARE(text, once);
    QCOMPARE(text.count(inside), 1);
    QVERIFY2(text.endsWith(ending), qPrintable(text));
    QCOMPARE(form.ui->Memo1->document()->blockCount(), 1);
}

void TestSideScreens::rulesMusic_data()
{
    QTest::addColumn<int>("soundOn");
    QTest::addColumn<int>("draw");  // Random(3)
    QTest::addColumn<QString>("cue");
    QTest::newRow("off") << 0 << 0 << QString();
    QTest::newRow("on, 0") << 1 << 0 << QStringLiteral("music\\intro3.wav");
    QTest::newRow("on, 1") << 1 << 1 << QStringLiteral("music\\intro1.wav");
    QTest::newRow("on, 2") << 1 << 2 << QStringLiteral("music\\intro2.wav");
}

// The cue starts when the window shows and stops when it closes; with sound off a cue
// that was already playing is left alone.
void TestSideScreens::rulesMusic()
{
    QFETCH(int, soundOn);
    QFETCH(int, draw);
    QFETCH(QString, cue);
    zk::MediaPlayer& player = zk::Player();
    zk::Game().SoundOn = 1;
    player.Play(QStringLiteral("music\\applause.wav"));
    QVERIFY(player.isPlaying());
    zk::Game().SoundOn = static_cast<std::uint8_t>(soundOn);
    const int playsBefore = player.plays();
    zktest::FixClock(ClockFor(3, static_cast<std::uint32_t>(draw)));

    TForm12 form;
    QCOMPARE(player.plays(), playsBefore);  // the start-up instance is never shown
    form.show();
    QCOMPARE(player.plays(), playsBefore + soundOn);
    QCOMPARE(player.fileName(), soundOn ? cue : QStringLiteral("music\\applause.wav"));
    QVERIFY(player.isPlaying());
    form.close();

    QVERIFY(!form.isVisible());
    QCOMPARE(player.isPlaying(), !soundOn);
    QVERIFY2(errors_->texts.isEmpty(), qPrintable(errors_->texts.join('\n')));
    player.Close();
}

void TestSideScreens::memoHandsFocusOn_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<bool>("byMouse");
    QTest::newRow("rules, Tab") << 12 << false;
    QTest::newRow("rules, click") << 12 << true;
    QTest::newRow("about, Tab") << 13 << false;
    QTest::newRow("about, click") << 13 << true;
}

void TestSideScreens::memoHandsFocusOn()
{
    QFETCH(int, form);
    QFETCH(bool, byMouse);
    std::unique_ptr<QDialog> dialog;
    QTextEdit* memo = nullptr;
    QWidget* button = nullptr;
    if (form == 12) {
        auto* f = new TForm12;
        memo = f->ui->Memo1;
        button = f->ui->Button1;
        dialog.reset(f);
    } else {
        auto* f = new TForm13;
        memo = f->ui->Memo1;
        button = f->ui->BitBtnWithColor1;
        dialog.reset(f);
    }
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    if (byMouse)
        QTest::mousePress(memo->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    else
        memo->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), button);
    // A double click on the text (the rules are centred) selects no word.
    QVERIFY(zktest::DoubleClick(memo->viewport(), QPoint(memo->viewport()->width() / 2, 12)));
    QVERIFY(!memo->textCursor().hasSelection());
    QCOMPARE(QApplication::focusWidget(), button);
    dialog->close();
}

void TestSideScreens::authorsPlates_data()
{
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("ticks");
    for (bool shown : {false, true})
        for (int ticks : {0, 1, 2, 3, 8, 11})
            QTest::addRow("%s, %d ticks", shown ? "shown" : "never shown", ticks) << shown << ticks;
}

void TestSideScreens::authorsPlates()
{
    QFETCH(bool, shown);
    QFETCH(int, ticks);
    TForm14 form;
    QVERIFY(form.Timer1->isActive());
    QCOMPARE(form.Timer1->interval(), 1000);
    if (shown)
        form.show();
    for (int i = 0; i < ticks; ++i)
        form.Timer1Timer();

    const bool first = form.ui->StaticText1->isVisibleTo(&form);
    const bool second = form.ui->StaticText2->isVisibleTo(&form);
    QVERIFY(first != second);
    QCOMPARE(first, ticks % 2 == 0);
}

QTEST_MAIN(TestSideScreens)
#include "tst_sidescreens.moc"
