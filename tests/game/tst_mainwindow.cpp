#include "core/gamestate.h"
#include "game/unit1.h"
#include "game/windows.h"
#include "pictures/TImage.h"
#include "platform/design.h"
#include "core/errors.h"
#include "platform/fonts.h"
#include "core/inifile.h"
#include "core/stagescale.h"
#include "support/testsupport.h"
#include "ui_unit1.h"

#include <QTextBlock>
#include <QtTest>

using zk::FormId;

// The main window on its own: layout at rest, hint line, focus sink, gating of the
// lifelines and the take-money button, the ladder arrow.
class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void idleWindow();
    void stageCentredInABiggerWindow();
    void hintLine_data();
    void hintLine();
    void disabledPlatesWriteNoHint();
    void textBoxesHandTheFocusOn_data();
    void textBoxesHandTheFocusOn();
    void clicksAreGated_data();
    void clicksAreGated();
    void arrowClimbsTheLadder();
    void missingFirstQuestionKeepsEarlySteps();
    void startAndEndOfGame();

private:
    void writeLevels();
    std::unique_ptr<zktest::MainWindowFixture> fx_;
};

void TestMainWindow::initTestCase() { zk::InstallFontSubstitutions(); }

void TestMainWindow::init()
{
    fx_ = std::make_unique<zktest::MainWindowFixture>("[music]\nmaysound=0\n");
    fx_->create();
}

void TestMainWindow::cleanup() { fx_.reset(); }

void TestMainWindow::writeLevels()
{
    for (int level = 1; level <= 15; ++level)
        fx_->folder.write(QString("Text/%1.txt").arg(level),
                          zktest::RecordBytes(zktest::MakeQuestion(QString("Вопрос %1").arg(level),
                                                                   {"Один", "Два", "Три", "Четыре"}, 'a')));
}

void TestMainWindow::idleWindow()
{
    auto* ui = fx_->main->ui;
    QCOMPARE(fx_->opened.value(0), FormId::Splash);
    QVERIFY(!ui->Button1->isEnabled());
    for (int i = 0; i < 4; ++i) {
        QVERIFY(!fx_->main->AnswerImages[i]->isEnabled());
        QVERIFY(!fx_->main->AnswerLabels[i]->isEnabled());
        QCOMPARE(zk::BackColor(fx_->main->AnswerLabels[i]), QColor(Qt::black));
    }
    QCOMPARE(zk::TextColor(ui->Label1), QColor(255, 204, 102));
    QVERIFY(ui->Memo1->toPlainText().startsWith("   Для того, чтобы начать игру \nнажмите  клавишу  F2  или "));
    QCOMPARE(ui->Memo1->toPlainText().split('\n').size(), 8);
    QVERIFY(ui->hacker->isHidden());
    QCOMPARE(ui->Strela->geometry(), QRect(3, 526, 43, 24));
    QCOMPARE(ui->Podsk_5050->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(int(zk::Game().SoundOn), 0);  // read from the ini file beside the program
    QCOMPARE(int(zk::Game().AdsOn), 1);
    // Window controls lie above the pictures: Memo1 covers the focus sink.
    const auto kids = ui->ClientArea->children();
    QVERIFY(kids.indexOf(ui->Memo1) > kids.indexOf(ui->Button2));
    QVERIFY(kids.indexOf(ui->Button1) > kids.indexOf(ui->Image4));
}

void TestMainWindow::stageCentredInABiggerWindow()
{
    auto* ui = fx_->main->ui;
    // What the start-up factor allows for: the menu bar and every control of the stage.
    QVERIFY(fx_->main->menuBar()->height() <= zk::kMenuBarHeight);
    for (QObject* o : ui->ClientArea->children()) {
        if (auto* w = qobject_cast<QWidget*>(o))
            QVERIFY2(QRect(QPoint(), zk::kStageSize).contains(w->geometry()), qPrintable(w->objectName()));
    }
    fx_->main->resize(1100, 700);
    QTRY_COMPARE(ui->ClientArea->size(), zk::kStageSize);
    const QRect ground = fx_->main->centralWidget()->geometry();
    const QRect stage(ui->ClientArea->mapTo(fx_->main.get(), QPoint()), ui->ClientArea->size());
    // Centred to within the 8-pixel grid it is placed on.
    QVERIFY(std::abs(stage.center().x() - ground.center().x()) < 8);
    QVERIFY(std::abs(stage.center().y() - ground.center().y()) < 8);
    QCOMPARE(stage.x() % 8, 0);
    QCOMPARE(stage.y() % 8, 0);
    // The stage's own coordinates are untouched: the ladder arrow still starts at 526.
    QCOMPARE(ui->Strela->geometry(), QRect(3, 526, 43, 24));
}

void TestMainWindow::hintLine_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("inGame");
    QTest::addColumn<QString>("hint");  // empty: the line keeps what it had
    QTest::newRow("50:50") << "Podsk_5050" << false << "Подсказка \"50:50\"";
    QTest::newRow("audience") << "Podsk_zal" << false << "Подсказка \"Помощь зала\"";
    QTest::newRow("friend") << "Podsk_friend" << false << "Подсказка \"Звонок другу\"";
    QTest::newRow("heading") << "Label1" << false << "Ниже расположены ПОДСКАЗКИ";
    QTest::newRow("question") << "Memo_Vopros" << false << "Это текст вопроса";
    QTest::newRow("bubble") << "Image4" << false << "Речь ведущего";
    QTest::newRow("host's memo") << "Memo1" << false << "Речь ведущего";
    QTest::newRow("host") << "Image3" << false << "А это сам ведущий";
    QTest::newRow("letter A") << "BukvaA" << false << "Варианты ответов";
    QTest::newRow("letter C") << "BukvaC" << false << "Варианты ответов";
    QTest::newRow("plate in game") << "OtvetD" << true << "Варианты ответов";
    QTest::newRow("banner") << "Image1" << false << "Миллион рублей, который вы можете выиграть";
    QTest::newRow("ladder") << "Image_Money" << false << "Ваше текущее положение";
    QTest::newRow("arrow") << "Strela" << false << "Ваше текущее положение";
    QTest::newRow("ladder heading") << "Image2" << false << "Ваше текущее положение";
    QTest::newRow("letter B writes nothing") << "BukvaB" << false << "";
    QTest::newRow("letter D writes nothing") << "BukvaD" << false << "";
    QTest::newRow("answer label writes nothing") << "LabelA" << true << "";
}

static void moveOver(QWidget* w)
{
    QWidget* target = w;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w))
        target = area->viewport();
    const QPointF p(target->width() / 2.0, target->height() / 2.0);
    QMouseEvent ev(QEvent::MouseMove, p, target->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &ev);
}

void TestMainWindow::hintLine()
{
    QFETCH(QString, control);
    QFETCH(bool, inGame);
    QFETCH(QString, hint);
    if (inGame) {
        writeLevels();
        fx_->main->StartMainGame();
    }
    auto* w = fx_->main->findChild<QWidget*>(control);
    QVERIFY(w);
    fx_->main->ui->Edit_help->setText("before");
    moveOver(w);
    QCOMPARE(fx_->main->ui->Edit_help->text(), hint.isEmpty() ? QString("before") : hint);
}

void TestMainWindow::disabledPlatesWriteNoHint()
{
    fx_->main->ui->Edit_help->setText("before");
    moveOver(fx_->main->ui->OtvetA);
    QCOMPARE(fx_->main->ui->Edit_help->text(), QString("before"));
    QVERIFY(!fx_->main->ui->Edit_help->isEnabled());
}

void TestMainWindow::textBoxesHandTheFocusOn_data()
{
    QTest::addColumn<QString>("memo");
    QTest::newRow("question") << "Memo_Vopros";
    QTest::newRow("host") << "Memo1";
}

void TestMainWindow::textBoxesHandTheFocusOn()
{
    QFETCH(QString, memo);
    auto* edit = fx_->main->findChild<QTextEdit*>(memo);
    QApplication::setActiveWindow(fx_->main.get());
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    QTRY_COMPARE(QApplication::focusWidget(), fx_->main->ui->Button2);
    edit->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), fx_->main->ui->Button2);
    // A double click on a word selects nothing either.
    zk::SetMemoText(edit, QStringLiteral("Слово слово слово"));
    QVERIFY(zktest::DoubleClick(edit->viewport(), QPoint(12, 8)));
    QVERIFY(!edit->textCursor().hasSelection());
    QCOMPARE(QApplication::focusWidget(), fx_->main->ui->Button2);
}

void TestMainWindow::clicksAreGated_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("allowed");
    QTest::addColumn<bool>("used");
    QTest::addColumn<int>("opens");  // FormId, 0 for none
    QTest::addColumn<int>("key");  // 0: a click, -1: a double click; else the key pressed with the control focused
    QTest::newRow("50:50 free") << "Podsk_5050" << 1 << false << int(FormId::Fifty) << 0;
    QTest::newRow("50:50 used") << "Podsk_5050" << 1 << true << 0 << 0;
    QTest::newRow("50:50 during reveal") << "Podsk_5050" << 0 << false << 0 << 0;
    QTest::newRow("audience free") << "Podsk_zal" << 1 << false << int(FormId::Audience) << 0;
    QTest::newRow("audience used") << "Podsk_zal" << 1 << true << 0 << 0;
    QTest::newRow("audience during reveal") << "Podsk_zal" << 0 << false << 0 << 0;
    QTest::newRow("friend free") << "Podsk_friend" << 1 << false << int(FormId::Friend) << 0;
    QTest::newRow("friend used") << "Podsk_friend" << 1 << true << 0 << 0;
    QTest::newRow("friend during reveal") << "Podsk_friend" << 0 << false << 0 << 0;
    QTest::newRow("take the money") << "Button1" << 1 << false << int(FormId::Winnings) << 0;
    QTest::newRow("take the money during reveal") << "Button1" << 0 << false << 0 << 0;
    QTest::newRow("50:50 double click") << "Podsk_5050" << 1 << false << int(FormId::Fifty) << -1;
    QTest::newRow("friend double click") << "Podsk_friend" << 1 << false << int(FormId::Friend) << -1;
    QTest::newRow("take the money by Enter") << "Button1" << 1 << false << int(FormId::Winnings) << int(Qt::Key_Return);
    QTest::newRow("take the money by Space") << "Button1" << 1 << false << int(FormId::Winnings) << int(Qt::Key_Space);
}

void TestMainWindow::clicksAreGated()
{
    QFETCH(QString, control);
    QFETCH(int, allowed);
    QFETCH(bool, used);
    QFETCH(int, opens);
    QFETCH(int, key);
    writeLevels();
    fx_->main->StartMainGame();
    auto& g = zk::Game();
    g.AnswerAllowed = std::uint8_t(allowed);
    if (used)
        g.FiftyUsed = g.AudienceUsed = g.FriendUsed = 1;
    fx_->opened.clear();
    auto* w = fx_->main->findChild<QWidget*>(control);
    if (key < 0) {
        QVERIFY(zktest::DoubleClick(w, QPoint(5, 5)));
    } else if (key) {
        QApplication::setActiveWindow(fx_->main.get());
        w->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), w);
        QTest::keyClick(w, Qt::Key(key));
    } else {
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5));
    }
    if (opens)
        QCOMPARE(fx_->opened, QList<FormId>{FormId(opens)});
    else
        QVERIFY(fx_->opened.isEmpty());
}

void TestMainWindow::arrowClimbsTheLadder()
{
    writeLevels();
    fx_->main->StartMainGame();
    QMap<int, int> expected{{1, 526}, {5, 430}, {10, 310}, {15, 190}};
    for (int level = 1; level <= 15; ++level) {
        QCOMPARE(int(zk::Game().CurrentLevel), level);
        if (expected.contains(level))
            QCOMPARE(fx_->main->ui->Strela->y(), expected.value(level));
        fx_->main->AnswerClick('a');
        fx_->main->Timer1Timer();
        fx_->main->Timer1Timer();
    }
    QCOMPARE(fx_->main->ui->Strela->y(), 190);  // the fifteenth right answer leaves it there
    QCOMPARE(fx_->opened.last(), FormId::Millionaire);
    QCOMPARE(zk::Game().Winnings, 500000);
}

void TestMainWindow::missingFirstQuestionKeepsEarlySteps()
{
    zktest::ErrorLog log;
    zk::Game().GuaranteedSum = 32000;
    // No "Text" folder at all.
    QCOMPARE(zktest::ErrorText([&] { fx_->main->StartMainGame(); }), QString("Invalid filename"));
    auto& g = zk::Game();
    QVERIFY(fx_->main->ui->Button1->isEnabled());
    QCOMPARE(int(g.FiftyUsed), 0);
    QCOMPARE(g.GuaranteedSum, 0);
    QVERIFY(fx_->main->AnswerLabels[0]->isEnabled());
    QCOMPARE(int(g.CurrentLevel), 0);
    QVERIFY(fx_->main->ui->Memo_Vopros->toPlainText().isEmpty());
}

void TestMainWindow::startAndEndOfGame()
{
    writeLevels();
    QApplication::setActiveWindow(fx_->main.get());
    fx_->main->StartMainGame();
    auto* ui = fx_->main->ui;
    QCOMPARE(ui->Memo_Vopros->toPlainText(), QString("Вопрос 1"));
    QVERIFY(ui->Memo_Vopros->document()->firstBlock().blockFormat().alignment() & Qt::AlignHCenter);
    QCOMPARE(fx_->main->AnswerLabels[3]->text(), QString("Четыре"));
    QCOMPARE(ui->hacker->text(), QString("a"));
    // The marker takes the size of its letter where it stands, so the whole letter shows.
    QCOMPARE(ui->hacker->pos(), QPoint(170, 479));
    QCOMPARE(ui->hacker->size(), ui->hacker->sizeHint());
    QVERIFY(ui->hacker->width() > 4);
    QCOMPARE(ui->Podsk_zal->fileName(), QString("Graph\\podsk_zal.gif"));
    QCOMPARE(fx_->main->AnswerImages[2]->fileName(), QString("Graph\\otvet.gif"));
    QCOMPARE(ui->Podsk_friend->cursor().shape(), Qt::PointingHandCursor);
    QTRY_COMPARE(QApplication::focusWidget(), ui->Button1);
    QVERIFY(ui->Memo1->toPlainText().startsWith("   Молодец! Вы прошли отборочный тур."));

    fx_->main->EndGameReset();
    auto& g = zk::Game();
    QCOMPARE(int(g.AudienceUsed + g.FriendUsed + g.FiftyUsed), 3);
    QVERIFY(!ui->Button1->isEnabled());
    QVERIFY(fx_->main->AnswerLabels[0]->text().isEmpty());
    QVERIFY(ui->Memo_Vopros->toPlainText().isEmpty());
    QCOMPARE(ui->hacker->text(), QString("a"));  // kept after the game
    QCOMPARE(ui->Podsk_friend->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(int(g.CurrentLevel), 1);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
