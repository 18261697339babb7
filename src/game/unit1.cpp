#include "game/unit1.h"

#include "platform/cues.h"
#include "core/gamestate.h"
#include "core/question.h"
#include "game/windows.h"
#include "pictures/TImage.h"
#include "platform/design.h"
#include "platform/errorbox.h"
#include "core/inifile.h"
#include "core/random.h"
#include "core/stagescale.h"
#include "ui_unit1.h"

#include <QCloseEvent>
#include <QResizeEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

#include <algorithm>

using namespace zk;

namespace zk {
namespace {
TForm1* g_mainForm = nullptr;
}

TForm1* MainForm() { return g_mainForm; }

const char* const kHostWelcome =
    "   Для того, чтобы начать игру \n"
    "нажмите  клавишу  F2  или \n"
    "выберите  в  меню  \"Файл\"\n"
    "пункт \"Новая игра\" . Если вы \n"
    "хотите побольше узнать о \n"
    "правилах игры, то воспользуйтесь \n"
    "помощью. \n"
    "       Желаю удачи!";

const char* const kHostGameStarts =
    "   Молодец! Вы прошли отборочный тур. Теперь наступает основная часть игры. Вам будет задан вопрос "
    "и предложено 4 варианта ответа на него. Выберите тот, который считаете наиболее одходящим. Не "
    "забывайте о том, что у вас в ряспоряжении имеется 3 подсказки.";

QString HostComment(int winnings, int levelNow)
{
    switch (winnings) {
    case 100:
        return QStringLiteral(
            "   Великолепно! Вы сумели ответить на первый вопрос. Это очень хорошее начало. Если "
            "будете продолжать в том же духе то совсем скоро доберётесь до миллиона. А теперь "
            "второй вопрос.");
    case 200:
    case 300:
    case 2000:
    case 4000:
    case 8000:
    case 64000:
    case 125000:
    case 250000:
        return QStringLiteral(
                   "   Замечательно! Вы ответили на вопрос номер %1. Теперь попробуйте ответить на "
                   "следующий вопрос.")
            .arg(levelNow - 1);
    case 500:
        return QStringLiteral(
            "   Внимание! Вы подошли к первой несгораемой сумме. Будьте очень внимательны и "
            "хорошо подумайте, прежде чем отвечать на вопрос. Если вы не уверены в своём ответе, "
            "то воспользуйтесь подсказками.");
    case 1000:
        return QStringLiteral(
            "   Поздравляю вас! Вам удалось получить первую несгораемую сумму - 1000 рублей. "
            "Теперь эти деньги точно ваши. А сейчас постарайтесь сосредоточиться, потому что "
            "вопросы будут посложнее.");
    case 16000:
        return QStringLiteral(
            "   Внимание! Вы подошли ко второй несгораемой сумме. Будьте очень внимательны и "
            "хорошо подумайте, прежде чем отвечать на вопрос. Если вы не уверены в своём ответе, "
            "то воспользуйтесь подсказками.");
    case 32000:
        return QStringLiteral(
            "   Поздравляю вас! Вам удалось получить вторую несгораемую сумму - 32 000 рублей. "
            "Это очень хороший результат. А сейчас постарайтесь сосредоточиться, потому что "
            "вопросы будут очень сложными.");
    case 500000:
        return QStringLiteral(
            "   Внимание! Вы подошли миллиону. Вы показали великолепный результат. Ещё "
            "практически никому не удавалось дойти до этого вопроса. Не спешите, подумайте очень "
            "хорошо, и если вы правильно ответите на этот вопрос, то станите МИЛЛИОНЕРОМ.");
    default: return {};
    }
}
}  // namespace zk

namespace {
const QColor kGreen(0, 255, 0);

// The black ground of the maximised window, with the stage in its designed size in the middle.
class StageBackdrop : public QWidget {
public:
    StageBackdrop(QWidget* stage, QWidget* parent) : QWidget(parent), stage_(stage)
    {
        setObjectName(QStringLiteral("StageBackdrop"));
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::black);
        setPalette(p);
        setAutoFillBackground(true);
        stage_->setParent(this);
        stage_->setFixedSize(kStageSize);
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        place();
    }
    void moveEvent(QMoveEvent* event) override
    {
        QWidget::moveEvent(event);
        place();
    }

private:
    void place()
    {
        // Centred, on a multiple of 8 logical pixels from the window's corner: the factor is a
        // whole number of eighths, so the stage then starts on a whole device pixel.
        const QPoint base = mapTo(window(), QPoint());
        const auto onGrid = [](int free, int base) { return std::max(0, (base + free / 2) / 8 * 8 - base); };
        stage_->move(onGrid(width() - stage_->width(), base.x()), onGrid(height() - stage_->height(), base.y()));
    }

    QWidget* stage_;
};

const QColor kRed(255, 0, 0);
int letterIndex(char letter) { return letter >= 'a' && letter <= 'd' ? letter - 'a' : -1; }
}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent), ui(new Ui::TForm1), Timer1(new QTimer(this))
{
    g_mainForm = this;
    SetMainStage(this);
    ui->setupUi(this);
    ApplyDesign(this);
    UseWindowKeys(this);
    setCentralWidget(new StageBackdrop(takeCentralWidget(), this));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    ui->Memo_Vopros->document()->setDocumentMargin(2);
    ui->Memo1->document()->setDocumentMargin(2);
    SetMemoText(ui->Memo1, QString::fromUtf8(kHostWelcome));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connectHandlers();
    // The splash waits 2.8 s with nothing to do: the sharper pictures of the stage are decoded
    // meanwhile, once the splash is on screen, so they do not hold it up.
    QTimer::singleShot(200, this, [this] {
        for (TImage* image : findChildren<TImage*>())
            image->PrepareVariant();
    });
    Guarded([this] { FormCreate(); });
}

TForm1::~TForm1()
{
    if (g_mainForm == this) {
        g_mainForm = nullptr;
        SetMainStage(nullptr);
    }
    delete ui;
}

void TForm1::connectHandlers()
{
    const std::array<TImage*, 4> plates{ui->OtvetA, ui->OtvetB, ui->OtvetC, ui->OtvetD};
    const std::array<QLabel*, 4> labels{ui->LabelA, ui->LabelB, ui->LabelC, ui->LabelD};
    for (int i = 0; i < 4; ++i) {
        const char letter = static_cast<char>('a' + i);
        ConnectGuarded(plates[i], &TImage::clicked, this, [this, letter] { AnswerClick(letter); });
        OnLabelClick(labels[i], [this, letter] { AnswerClick(letter); });
    }
    // Question and host's speech are only to be read; the focus goes on to the focus sink.
    for (QTextEdit* memo : {ui->Memo_Vopros, ui->Memo1}) {
        const auto toSink = [this] { ui->Button2->setFocus(); };
        MakeDisplayOnly(memo, toSink, toSink);
    }
    ConnectGuarded(ui->Podsk_5050, &TImage::clicked, this, &TForm1::Podsk_5050Click);
    ConnectGuarded(ui->Podsk_zal, &TImage::clicked, this, &TForm1::Podsk_zalClick);
    ConnectGuarded(ui->Podsk_friend, &TImage::clicked, this, &TForm1::Podsk_friendClick);
    ConnectGuarded(ui->Button1, &QAbstractButton::clicked, this, &TForm1::Button1Click);
    ConnectTickGuarded(Timer1, this, &TForm1::Timer1Timer);

    ConnectGuarded(ui->N4, &QAction::triggered, this, [] { OpenModal(FormId::Qualifying); });
    ConnectGuarded(ui->N7, &QAction::triggered, this, [] { OpenModal(FormId::TopTen); });
    connect(ui->N2, &QAction::triggered, this, [this] { close(); });
    ConnectGuarded(ui->N6, &QAction::triggered, this, [] { OpenModal(FormId::Settings); });
    ConnectGuarded(ui->N10, &QAction::triggered, this, [] { OpenModal(FormId::Rules); });
    ConnectGuarded(ui->N9, &QAction::triggered, this, [] { OpenModal(FormId::Authors); });
    ConnectGuarded(ui->N11, &QAction::triggered, this, [] { OpenModal(FormId::About); });

    // Mouse movement for the hint line.
    const QList<QWidget*> watched{ui->Podsk_5050,  ui->Podsk_zal,   ui->Podsk_friend,
                                  ui->Label1,      ui->Memo_Vopros, ui->Memo_Vopros->viewport(),
                                  ui->Image4,      ui->Memo1,       ui->Memo1->viewport(),
                                  ui->Image3,      ui->OtvetA,      ui->OtvetB,
                                  ui->OtvetC,      ui->OtvetD,      ui->BukvaA,
                                  ui->BukvaC,      ui->Image1,      ui->Image2,
                                  ui->Image_Money, ui->Strela,      ui->LabelA,
                                  ui->LabelB,      ui->LabelC,      ui->LabelD};
    for (QWidget* w : watched) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

void TForm1::FormCreate()
{
    auto& g = Game();
    OpenModal(FormId::Splash);
    // Pop-up hints are always on in this toolkit.
    AnswerImages = {ui->OtvetA, ui->OtvetB, ui->OtvetC, ui->OtvetD};
    AnswerLabels = {ui->LabelA, ui->LabelB, ui->LabelC, ui->LabelD};
    g.AudienceUsed = g.FriendUsed = g.FiftyUsed = 1;
    setLifelineCursors(Qt::ArrowCursor);
    ui->Button1->setEnabled(false);
    for (QLabel* l : AnswerLabels)
        SetBackColor(l, Qt::black);
    for (TImage* im : AnswerImages)
        im->setEnabled(false);
    for (QLabel* l : AnswerLabels)
        l->setEnabled(false);
    SetTextColor(ui->Label1, kAmber);
    g.Winnings = 0;
    g.GuaranteedSum = 0;
    SetSettingsPath(IniPathForRun());
    g.SoundOn = Settings().ReadBool(QStringLiteral("music"), QStringLiteral("maysound"), true) ? 1 : 0;
    g.AdsOn = Settings().ReadBool(QStringLiteral("reklama"), QStringLiteral("mayreklama"), true) ? 1 : 0;
    g.AnswerAllowed = 1;
    g.CurrentLevel = 0;
    Randomize();
    const std::uint32_t b = Random(2);
    PlayCuePath(b == 0 ? QStringLiteral("music\\hello1.wav") : QStringLiteral("music\\hello2.wav"));
}

void TForm1::setLifelineCursors(Qt::CursorShape shape)
{
    for (QWidget* w : {static_cast<QWidget*>(ui->Podsk_5050), static_cast<QWidget*>(ui->Podsk_zal),
                       static_cast<QWidget*>(ui->Podsk_friend)})
        w->setCursor(shape);
}

void TForm1::loadPicture(TImage* image, const QString& gameName)
{
    // A picture that cannot be shown is reported; the game goes on without it.
    Guarded([&] { image->LoadFromFile(gameName); });
}

void TForm1::StartMainGame()
{
    auto& g = Game();
    ui->Strela->move(ui->Strela->x(), ArrowTopForLevel(1));
    StartGameState(g);
    setLifelineCursors(Qt::PointingHandCursor);
    ui->Button1->setEnabled(true);
    ui->Button1->setFocus();
    loadPicture(ui->Podsk_zal, QStringLiteral("Graph\\podsk_zal.gif"));
    loadPicture(ui->Podsk_friend, QStringLiteral("Graph\\podsk_friend.gif"));
    loadPicture(ui->Podsk_5050, QStringLiteral("Graph\\podsk_5050.gif"));
    for (QLabel* l : AnswerLabels)
        SetBackColor(l, Qt::black);
    for (TImage* im : AnswerImages)
        loadPicture(im, QStringLiteral("Graph\\otvet.gif"));
    for (TImage* im : AnswerImages)
        im->setEnabled(true);
    for (QLabel* l : AnswerLabels)
        l->setEnabled(true);
    g.CurrentQuestion = LoadRandomQuestion(LevelFileName(1));
    putQuestionTexts();
    SetMemoText(ui->Memo1, QString::fromUtf8(kHostGameStarts));
    g.CurrentLevel = 1;
    g.RevealStep = 0;
    g.AnswerAllowed = 1;
}

void TForm1::putQuestionTexts()
{
    const auto& q = Game().CurrentQuestion;
    SetMemoText(ui->Memo_Vopros, q.Text.ToString(), Qt::AlignHCenter);
    for (int i = 0; i < 4; ++i)
        AnswerLabels[i]->setText(q.Answer(i).ToString());
    putMarkerLetter();
}

void TForm1::putMarkerLetter()
{
    // The marker sizes itself to its caption, as a label with automatic size does; its
    // designed 4-pixel width would show only a sliver of the letter.
    ui->hacker->setText(QString(QLatin1Char(Game().CurrentQuestion.Correct)));
    ui->hacker->adjustSize();
}

void TForm1::EndGameReset()
{
    EndGameState(Game());
    setLifelineCursors(Qt::ArrowCursor);
    ui->Strela->move(ui->Strela->x(), ArrowTopForLevel(1));
    ui->Button1->setEnabled(false);
    for (QLabel* l : AnswerLabels) {
        SetBackColor(l, Qt::black);
        l->setText(QString());
    }
    ui->Memo_Vopros->clear();
    for (TImage* im : AnswerImages)
        loadPicture(im, QStringLiteral("Graph\\otvet.gif"));
    for (TImage* im : AnswerImages)
        im->setEnabled(false);
    for (QLabel* l : AnswerLabels)
        l->setEnabled(false);
    loadPicture(ui->Podsk_5050, QStringLiteral("Graph\\podsk_5050.gif"));
    loadPicture(ui->Podsk_friend, QStringLiteral("Graph\\podsk_friend.gif"));
    loadPicture(ui->Podsk_zal, QStringLiteral("Graph\\podsk_zal.gif"));
}

void TForm1::MarkLifelineUsed(Lifeline which)
{
    struct Icon {
        TImage* image;
        const char* picture;
    };
    const Icon icon = which == Lifeline::Fifty ? Icon{ui->Podsk_5050, "Graph\\no_podsk_5050.gif"}
        : which == Lifeline::Audience          ? Icon{ui->Podsk_zal, "Graph\\no_podsk_zal.gif"}
                                               : Icon{ui->Podsk_friend, "Graph\\no_podsk_friend.gif"};
    // A picture that cannot be loaded ends the caller before the lifeline is used up.
    icon.image->LoadFromFile(QString::fromLatin1(icon.picture));
    UsedFlag(Game(), which) = 1;
    icon.image->setCursor(Qt::ArrowCursor);
}

void TForm1::BlankAnswer(int index) { AnswerLabels.at(index)->setText(QString()); }

AnswersInPlay TForm1::AnswersOnScreen() const
{
    AnswersInPlay inPlay{};
    for (int i = 0; i < 4; ++i)
        inPlay[i] = !AnswerLabels[i]->text().isEmpty();
    return inPlay;
}

void TForm1::SetMarkerVisible(bool visible) { ui->hacker->setVisible(visible); }

void TForm1::AnswerClick(char letter)
{
    if (Game().AnswerAllowed == 0)
        return;
    Game().ChosenAnswer = letter;
    SelectAnswer(letter);
    Timer1->start();
}

void TForm1::SelectAnswer(char letter)
{
    Game().AnswerAllowed = 0;
    const int i = letterIndex(letter);
    if (i >= 0) {
        SetBackColor(AnswerLabels[i], kAmber);
        loadPicture(AnswerImages[i], QStringLiteral("Graph\\otvetchoice.gif"));
    }
    Timer1->setInterval(1500);
}

void TForm1::HighlightChosen(const QColor& color, const QString& picture)
{
    const int i = letterIndex(Game().ChosenAnswer);
    if (i < 0)
        return;
    SetBackColor(AnswerLabels[i], color);
    loadPicture(AnswerImages[i], QStringLiteral("Graph\\") + picture);
}

void TForm1::Timer1Timer()
{
    auto& g = Game();
    const bool right = g.ChosenIsRight();
    if (g.RevealStep <= 1) {
        g.RevealStep = static_cast<std::uint8_t>(g.RevealStep + 1);
        Timer1->setInterval(2000);
        // A cue that cannot play is reported; the reveal goes on.
        if (right) {
            if (g.RevealStep == 1)
                Guarded([] { PlayCue(QStringLiteral("bell.wav")); });
            HighlightChosen(kGreen, QStringLiteral("OtvetYes.gif"));
        } else {
            if (g.RevealStep == 1)
                Guarded([] { PlayCue(QStringLiteral("bad.wav")); });
            HighlightChosen(kRed, QStringLiteral("OtvetNo.gif"));
            const int c = letterIndex(g.CurrentQuestion.Correct);
            if (c >= 0) {
                SetBackColor(AnswerLabels[c], kGreen);
                loadPicture(AnswerImages[c], QStringLiteral("Graph\\OtvetYes.gif"));
            }
        }
    }
    if (g.RevealStep != 2)
        return;
    Timer1->stop();
    if (!right) {
        RecordWrongAnswer(g);
        OpenModal(FormId::Winnings);
        return;
    }
    if (RecordCorrectAnswer(g))
        ui->Strela->move(ui->Strela->x(), ui->Strela->y() - 24);
    if (g.CurrentLevel > 15) {
        OpenModal(FormId::Millionaire);
        return;
    }
    QuestionRecord next;
    const bool loaded = Guarded([&] { next = LoadRandomQuestion(LevelFileName(g.CurrentLevel)); });
    if (!loaded) {
        // Without its next question the game cannot go on: end it with what was just won
        // rather than leave the answers locked.
        OpenModal(FormId::Winnings);
        return;
    }
    g.CurrentQuestion = next;
    g.FiftyOnQuestion = 0;
    ShowNextQuestion();
    g.AnswerAllowed = 1;
}

void TForm1::ShowNextQuestion()
{
    auto& g = Game();
    Randomize();
    const std::uint32_t c = Random(6);
    Guarded([c] { PlayCue(QStringLiteral("good%1.wav").arg(c)); });
    SetMemoText(ui->Memo_Vopros, g.CurrentQuestion.Text.ToString(), Qt::AlignHCenter);
    for (QLabel* l : AnswerLabels)
        SetBackColor(l, Qt::black);
    for (TImage* im : AnswerImages)
        loadPicture(im, QStringLiteral("Graph\\otvet.gif"));
    for (int i = 0; i < 4; ++i)
        AnswerLabels[i]->setText(g.CurrentQuestion.Answer(i).ToString());
    putMarkerLetter();
    Randomize();
    g.AdvertRoll = static_cast<std::uint8_t>(Random(8));
    if (g.AdsOn && g.AdvertRoll == 4) {
        OpenModal(FormId::Advert);
    } else {
        const QString comment = HostComment(g.Winnings, g.CurrentLevel);
        if (!comment.isNull())
            SetMemoText(ui->Memo1, comment);
    }
    g.RevealStep = 0;
}

void TForm1::Podsk_5050Click()
{
    if (Game().AnswerAllowed != 1 || Game().FiftyUsed != 0)
        return;
    OpenModal(FormId::Fifty);
}

void TForm1::Podsk_zalClick()
{
    if (Game().AnswerAllowed != 1 || Game().AudienceUsed != 0)
        return;
    OpenModal(FormId::Audience);
}

void TForm1::Podsk_friendClick()
{
    if (Game().AnswerAllowed != 1 || Game().FriendUsed != 0)
        return;
    OpenModal(FormId::Friend);
}

void TForm1::Button1Click()
{
    if (Game().AnswerAllowed == 0)
        return;
    OpenModal(FormId::Winnings);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || !w->isEnabled())
        return QMainWindow::eventFilter(watched, event);
    const bool memoVopros = w == ui->Memo_Vopros || w == ui->Memo_Vopros->viewport();
    const bool memo1 = w == ui->Memo1 || w == ui->Memo1->viewport();

    if (event->type() == QEvent::MouseMove) {
        QString hint;
        if (w == ui->Podsk_5050)
            hint = QStringLiteral("Подсказка \"50:50\"");
        else if (w == ui->Podsk_zal)
            hint = QStringLiteral("Подсказка \"Помощь зала\"");
        else if (w == ui->Podsk_friend)
            hint = QStringLiteral("Подсказка \"Звонок другу\"");
        else if (w == ui->Label1)
            hint = QStringLiteral("Ниже расположены ПОДСКАЗКИ");
        else if (memoVopros)
            hint = QStringLiteral("Это текст вопроса");
        else if (w == ui->Image4 || memo1)
            hint = QStringLiteral("Речь ведущего");
        else if (w == ui->Image3)
            hint = QStringLiteral("А это сам ведущий");
        else if (w == ui->OtvetA || w == ui->OtvetB || w == ui->OtvetC || w == ui->OtvetD || w == ui->BukvaA ||
                 w == ui->BukvaC)
            hint = QStringLiteral("Варианты ответов");
        else if (w == ui->Image1)
            hint = QStringLiteral("Миллион рублей, который вы можете выиграть");
        else if (w == ui->Image2 || w == ui->Image_Money || w == ui->Strela)
            hint = QStringLiteral("Ваше текущее положение");
        if (!hint.isEmpty())
            ui->Edit_help->setText(hint);
        return false;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    event->accept();
    // Closing the main window ends the program, whatever else is open.
    QCoreApplication::quit();
}
