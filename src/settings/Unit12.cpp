#include "settings/Unit12.h"

#include "platform/cues.h"
#include "platform/design.h"
#include "platform/errorbox.h"
#include "core/random.h"
#include "ui_Unit12.h"

#include <QMouseEvent>
#include <QTextBlockFormat>
#include <QTextCursor>

namespace {

const char* const kOpeningLines =
    "   Здесь вы можете узнать о правилах \n"
    "игры: как начать игру, как \n"
    "использовать подсказки и многое \n"
    "другое. Для получения справки \n"
    "нажмите на нужную вам надпись, \n"
    "расположенную слева.";

// Each topic is one paragraph; the box wraps it.
const std::array<QString, 7>& TopicTexts()
{
    static const std::array<QString, 7> texts{
        QStringLiteral("Правила игры просты. Чтобы получить миллион, вам нужно "
                       "ответить на 15 вопросов, выбирая ответы из 4-х представленных вариантов. Суммы 1 000 и 32 000 "
                       "- несгораемые. При неправильном ответе выигрыш опускается до несгораемой суммы. "
                       "При нажатии на кнопку \"Забрать деньги\" игра заканчивается, а сумма выигрыша равна последней "
                       "достигнутой. Вопросы   разбиты   на   несколько   уровней сложности.  Первые   пять   вопросов "
                       " крайне просты. С шестого по одиннадцатый - сложнее, но  любой  игрок    или   зритель  "
                       "имеет объективную  возможность  ответить  на  них. И лишь вопросы  с 12 по 15-й подобраны "
                       "таким образом  и  охватывают  столь  разнообразные темы,  что  отнюдь  не каждый,  а  лишь "
                       "тот, кто действительно  глубоко эрудирован, имеет шанс выиграть."),
        QStringLiteral(
            "Подготовьте себя к тому, что в этой игре надо думать. В отборочном туре надо точно указать "
            "порядок чередования четырёх понятий. Для этого достаточно щёлкнуть по каждому ответу в том "
            "порядке, в котором вы считаете правильным. Справа от первоначальной последовательности будет "
            "появляться указанная вами. Если вы вдруг поняли, что начали располагать неправильно, то "
            "нажмите кнопку \"Сброс\" и начните заново. Закончив задание, нажмите на кнопку \"Подтверждение\"."),
        QStringLiteral(
            "В основной игре, получив вопрос нужно выбрать ответ и щёлкнуть по нему мышкой. При правильном "
            "ответе он засветится зелёным светом, при неправильном - красным. Вы можете один раз "
            "воспользоваться тремя видами помощи: \"50:50\", \"Звонок другу\", \"Помощь зала\"В любой момент вы "
            "можете забрать деньги"),
        QStringLiteral("Эта подсказка позволяет убрать с экрана два заведомо неправильных ответа, таким образом, "
                       "увеличить вероятность угадывания до 50%"),
        QStringLiteral("Игрок может адресовать свой вопрос зрителям в студии. Каждое место в зале  оборудовано "
                       "специальным пультом. Зритель нажимает ту кнопку, которая, по его мнению, соответствует "
                       "правильному ответу.Вероятность получения правильного ответа очень высока, но масса бывает "
                       "непредсказуемой. Иногда большинство способно давать неправильные ответы."),
        QStringLiteral("С помощью этой подсказки вы можете позвонить своему другу и попросить помочь вам. Введите его "
                       "имя и номер телефона и звоните. Надеюсь у вас умные друзья, и они подскажут вам правильно."),
        QStringLiteral(
            "Для того, чтобы начать игру нажмите клавишу F2 или выберите в меню \"Файл\" пункт \"Новая игра\""),
    };
    return texts;
}

// Plain text with every line centred, as the box is designed.
void SetCentredText(QTextEdit* memo, const QString& text)
{
    memo->setPlainText(text);
    QTextCursor cursor(memo->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(format);
}

}  // namespace

TForm12::TForm12(QWidget* owner) : GameWindow(owner, zk::kDialogFlags), ui(new Ui::TForm12)
{
    ui->setupUi(this);
    zk::SetUpDialog(this);

    TopicLabels = {ui->Label1, ui->Label2, ui->Label3, ui->Label4, ui->Label5, ui->Label6, ui->Label7};
    for (std::size_t i = 0; i < TopicLabels.size(); ++i) {
        QLabel* label = TopicLabels[i];
        // The links are underlined, which the design's pixel font cannot say.
        QFont f = label->font();
        f.setUnderline(true);
        label->setFont(f);
        zk::OnLabelClick(label, [this, i] { LabelClick(static_cast<int>(i)); });
    }
    ui->Memo1->document()->setDocumentMargin(2);
    // The text box never keeps the focus: Enter always closes the window.
    const auto toClose = [this] { ui->Button1->setFocus(); };
    zk::MakeDisplayOnly(ui->Memo1, toClose, toClose);
    SetCentredText(ui->Memo1, QString::fromUtf8(kOpeningLines));

    zk::ConnectGuarded(ui->Button1, &QAbstractButton::clicked, this, &TForm12::Button1Click);
}

TForm12::~TForm12() { delete ui; }

void TForm12::LabelClick(int topic)
{
    ui->Memo1->clear();
    SetCentredText(ui->Memo1, TopicTexts().at(static_cast<std::size_t>(topic)));
}

void TForm12::FormShow()
{
    zk::Randomize();
    static const char* const cues[] = {"intro3.wav", "intro1.wav", "intro2.wav"};
    zk::PlayCue(QString::fromLatin1(cues[zk::Random(3)]));
}

void TForm12::FormClose()
{
    // StopCue does nothing while sound is off, so a silent game never touches the player.
    zk::StopCue();
}

void TForm12::Button1Click() { close(); }
