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
    std::unique_ptr<zktest::GameFolder> folder_;
    std::unique_ptr<TForm1> form_;
    QList<FormId> opened_;
};

void TestMainWindow::initTestCase() { zk::InstallFontSubstitutions(); }

void TestMainWindow::init()
{
    zk::ResetGameState();
    folder_ = std::make_unique<zktest::GameFolder>();
    folder_->copyShippedMedia();
    zk::SetProgramPath(folder_->file("zoriklad"));
    folder_->write("zoriklad.ini", "[music]\nmaysound=0\n");
    opened_.clear();
    zk::SetOpenModalHook([this](FormId id) {
        opened_ << id;
        return true;
    });
    form_ = std::make_unique<TForm1>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void TestMainWindow::cleanup()
{
    form_.reset();
    zk::SetOpenModalHook({});
    zk::SetProgramPath({});
    zktest::RestoreClock();
    folder_.reset();
}

void TestMainWindow::writeLevels()
{
    for (int level = 1; level <= 15; ++level)
        folder_->write(QString("Text/%1.txt").arg(level),
                       zktest::RecordBytes(zktest::MakeQuestion(QString("Вопрос %1").arg(level),
                                                                {"Один", "Два", "Три", "Четыре"}, 'a')));
}

void TestMainWindow::idleWindow()
{
    auto* ui = form_->ui;
    QCOMPARE(opened_.value(0), FormId::Splash);
    QVERIFY(!ui->Button1->isEnabled());
    for (int i = 0; i < 4; ++i) {
        QVERIFY(!form_->AnswerImages[i]->isEnabled());
        QVERIFY(!form_->AnswerLabels[i]->isEnabled());
        QCOMPARE(zk::BackColor(form_->AnswerLabels[i]), QColor(Qt::black));
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
    auto* ui = form_->ui;
    // What the start-up factor allows for: the menu bar and every control of the stage.
    QVERIFY(form_->menuBar()->height() <= zk::kMenuBarHeight);
    for (QObject* o : ui->ClientArea->children()) {
        if (auto* w = qobject_cast<QWidget*>(o))
            QVERIFY2(QRect(QPoint(), zk::kStageSize).contains(w->geometry()), qPrintable(w->objectName()));
    }
    form_->resize(1100, 700);
    QTRY_COMPARE(ui->ClientArea->size(), zk::kStageSize);
    const QRect ground = form_->centralWidget()->geometry();
    const QRect stage(ui->ClientArea->mapTo(form_.get(), QPoint()), ui->ClientArea->size());
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
        form_->StartMainGame();
    }
    auto* w = form_->findChild<QWidget*>(control);
    QVERIFY(w);
    form_->ui->Edit_help->setText("before");
    moveOver(w);
    QCOMPARE(form_->ui->Edit_help->text(), hint.isEmpty() ? QString("before") : hint);
}

void TestMainWindow::disabledPlatesWriteNoHint()
{
    form_->ui->Edit_help->setText("before");
    moveOver(form_->ui->OtvetA);
    QCOMPARE(form_->ui->Edit_help->text(), QString("before"));
    QVERIFY(!form_->ui->Edit_help->isEnabled());
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
    auto* edit = form_->findChild<QTextEdit*>(memo);
    QApplication::setActiveWindow(form_.get());
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    QTRY_COMPARE(QApplication::focusWidget(), form_->ui->Button2);
    edit->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), form_->ui->Button2);
}

void TestMainWindow::clicksAreGated_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("allowed");
    QTest::addColumn<bool>("used");
    QTest::addColumn<int>("opens");  // FormId, 0 for none
    QTest::newRow("50:50 free") << "Podsk_5050" << 1 << false << int(FormId::Fifty);
    QTest::newRow("50:50 used") << "Podsk_5050" << 1 << true << 0;
    QTest::newRow("50:50 during reveal") << "Podsk_5050" << 0 << false << 0;
    QTest::newRow("audience free") << "Podsk_zal" << 1 << false << int(FormId::Audience);
    QTest::newRow("audience used") << "Podsk_zal" << 1 << true << 0;
    QTest::newRow("audience during reveal") << "Podsk_zal" << 0 << false << 0;
    QTest::newRow("friend free") << "Podsk_friend" << 1 << false << int(FormId::Friend);
    QTest::newRow("friend used") << "Podsk_friend" << 1 << true << 0;
    QTest::newRow("friend during reveal") << "Podsk_friend" << 0 << false << 0;
    QTest::newRow("take the money") << "Button1" << 1 << false << int(FormId::Winnings);
    QTest::newRow("take the money during reveal") << "Button1" << 0 << false << 0;
}

void TestMainWindow::clicksAreGated()
{
    QFETCH(QString, control);
    QFETCH(int, allowed);
    QFETCH(bool, used);
    QFETCH(int, opens);
    writeLevels();
    form_->StartMainGame();
    auto& g = zk::Game();
    g.AnswerAllowed = std::uint8_t(allowed);
    if (used)
        g.FiftyUsed = g.AudienceUsed = g.FriendUsed = 1;
    opened_.clear();
    auto* w = form_->findChild<QWidget*>(control);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5));
    if (opens)
        QCOMPARE(opened_, QList<FormId>{FormId(opens)});
    else
        QVERIFY(opened_.isEmpty());
}

void TestMainWindow::arrowClimbsTheLadder()
{
    writeLevels();
    form_->StartMainGame();
    QMap<int, int> expected{{1, 526}, {5, 430}, {10, 310}, {15, 190}};
    for (int level = 1; level <= 15; ++level) {
        QCOMPARE(int(zk::Game().CurrentLevel), level);
        if (expected.contains(level))
            QCOMPARE(form_->ui->Strela->y(), expected.value(level));
        form_->AnswerClick('a');
        form_->Timer1Timer();
        form_->Timer1Timer();
    }
    QCOMPARE(form_->ui->Strela->y(), 190);  // the fifteenth right answer leaves it there
    QCOMPARE(opened_.last(), FormId::Millionaire);
    QCOMPARE(zk::Game().Winnings, 500000);
}

void TestMainWindow::missingFirstQuestionKeepsEarlySteps()
{
    zktest::ErrorLog log;
    zk::Game().GuaranteedSum = 32000;
    try {
        form_->StartMainGame();
        QFAIL("no error");
    } catch (const zk::InOutError& e) {
        QCOMPARE(e.text(), QString("Invalid filename"));  // no "Text" folder at all
    }
    auto& g = zk::Game();
    QVERIFY(form_->ui->Button1->isEnabled());
    QCOMPARE(int(g.FiftyUsed), 0);
    QCOMPARE(g.GuaranteedSum, 0);
    QVERIFY(form_->AnswerLabels[0]->isEnabled());
    QCOMPARE(int(g.CurrentLevel), 0);
    QVERIFY(form_->ui->Memo_Vopros->toPlainText().isEmpty());
}

void TestMainWindow::startAndEndOfGame()
{
    writeLevels();
    QApplication::setActiveWindow(form_.get());
    form_->StartMainGame();
    auto* ui = form_->ui;
    QCOMPARE(ui->Memo_Vopros->toPlainText(), QString("Вопрос 1"));
    QVERIFY(ui->Memo_Vopros->document()->firstBlock().blockFormat().alignment() & Qt::AlignHCenter);
    QCOMPARE(form_->AnswerLabels[3]->text(), QString("Четыре"));
    QCOMPARE(ui->hacker->text(), QString("a"));
    QCOMPARE(ui->Podsk_zal->fileName(), QString("Graph\\podsk_zal.gif"));
    QCOMPARE(form_->AnswerImages[2]->fileName(), QString("Graph\\otvet.gif"));
    QCOMPARE(ui->Podsk_friend->cursor().shape(), Qt::PointingHandCursor);
    QTRY_COMPARE(QApplication::focusWidget(), ui->Button1);
    QVERIFY(ui->Memo1->toPlainText().startsWith("   Молодец! Вы прошли отборочный тур."));

    form_->EndGameReset();
    auto& g = zk::Game();
    QCOMPARE(int(g.AudienceUsed + g.FriendUsed + g.FiftyUsed), 3);
    QVERIFY(!ui->Button1->isEnabled());
    QVERIFY(form_->AnswerLabels[0]->text().isEmpty());
    QVERIFY(ui->Memo_Vopros->toPlainText().isEmpty());
    QCOMPARE(ui->hacker->text(), QString("a"));  // kept after the game
    QCOMPARE(ui->Podsk_friend->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(int(g.CurrentLevel), 1);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
