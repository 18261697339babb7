#include "qualifying/Unit6.h"

#include "platform/cues.h"
#include "platform/stage.h"
#include "pictures/TImage.h"
#include "platform/design.h"
#include "platform/errorbox.h"
#include "core/random.h"
#include "core/qualifying.h"
#include "ui_Unit6.h"

#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>

using namespace zk;

namespace {

// Appends a line as a new paragraph, as plain text whatever it holds.
void AppendLine(QTextEdit* memo, const QString& line)
{
    QTextCursor cursor(memo->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    cursor.insertText(line);
}

void DeleteFirstLine(QTextEdit* memo)
{
    QTextCursor cursor(memo->document()->firstBlock());
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

}  // namespace

TForm6::TForm6(QWidget* owner) : GameWindow(owner, zk::kDialogFlags), ui(new Ui::TForm6)
{
    ui->setupUi(this);
    zk::SetUpDialog(this);
    // Agrees with the question-bank tool, which measures the task with 3 px inside each edge.
    ui->Memo1->document()->setDocumentMargin(2);
    ui->Memo2->document()->setDocumentMargin(2);

    LetterSlots = {ui->Image9, ui->Image10, ui->Image11, ui->Image12};
    PlateSlots = {ui->Image13, ui->Image14, ui->Image15, ui->Image16};
    TextSlots = {ui->Label5, ui->Label6, ui->Label7, ui->Label8};
    RowLabels = {ui->Label1, ui->Label2, ui->Label3, ui->Label4};

    const std::array<TImage*, 4> badges{ui->Image1, ui->Image2, ui->Image3, ui->Image4};
    const std::array<TImage*, 4> plates{ui->Image5, ui->Image6, ui->Image7, ui->Image8};
    for (int i = 0; i < 4; ++i) {
        const int row = i + 1;
        ConnectGuarded(badges[i], &TImage::clicked, this, [this, row] { PickItem(row); });
        ConnectGuarded(plates[i], &TImage::clicked, this, [this, row] { PickItem(row); });
        OnLabelClick(RowLabels[i], [this, row] { PickItem(row); });
    }
    ConnectGuarded(ui->Button1, &QAbstractButton::clicked, this, &TForm6::Button1Click);
    ConnectGuarded(ui->Button2, &QAbstractButton::clicked, this, &TForm6::Button2Click);
    ConnectGuarded(ui->Button3, &QAbstractButton::clicked, this, &TForm6::Button3Click);
    // The text boxes hand the focus to the check button while it can still be used.
    for (QTextEdit* memo : {ui->Memo1, ui->Memo2})
        MakeDisplayOnly(memo, [this] {
            if (ui->Button1->isEnabled())
                ui->Button1->setFocus();
        });

    Guarded([this] { FormCreate(); });
}

TForm6::~TForm6() { delete ui; }

void TForm6::FormCreate()
{
    for (QLabel* l : TextSlots)
        SetBackColor(l, Qt::black);
    for (QLabel* l : RowLabels)
        SetBackColor(l, Qt::black);
    // A window whose task cannot be read must not be passable with the last window's items.
    QualifyingRound& round = Qualifying();
    round = QualifyingRound{};
    round.SetTask(LoadQualifyingTask());
    SetMemoText(ui->Memo1, round.Task.Text.ToString());
    round.Shuffle();
    for (int i = 0; i < 4; ++i)
        RowLabels[i]->setText(round.ShownOrder[i]);
    round.ClearChosen();
}

void TForm6::FormShow()
{
    Randomize();
    switch (Random(3)) {
    case 0: PlayCue(QStringLiteral("intro3.wav")); break;
    case 1: PlayCue(QStringLiteral("intro1.wav")); break;
    default: PlayCue(QStringLiteral("intro2.wav")); break;
    }
}

void TForm6::FormClose() { StopCue(); }

void TForm6::PickItem(int row)
{
    const int slot = Qualifying().Pick(row);
    if (slot == 0)
        return;
    // The slot shows the letter of the row that was clicked, not of the item's right place.
    const QChar letter = QLatin1Char(static_cast<char>('A' + row - 1));
    LetterSlots[slot - 1]->LoadFromFile(QStringLiteral("graph\\bukva%1.gif").arg(letter));
    PlateSlots[slot - 1]->LoadFromFile(QStringLiteral("graph\\otvet.gif"));
    SetBackColor(TextSlots[slot - 1], Qt::black);
    TextSlots[slot - 1]->setText(RowLabels[row - 1]->text());
}

void TForm6::Button2Click()
{
    Qualifying().ClearChosen();
    for (QLabel* l : TextSlots)
        l->setText(QString());
    for (TImage* im : LetterSlots)
        im->LoadFromFile(QStringLiteral("Graph\\pusto.gif"));
    for (TImage* im : PlateSlots)
        im->LoadFromFile(QStringLiteral("Graph\\pusto.gif"));
}

void TForm6::Button1Click()
{
    const QualifyingRound& round = Qualifying();
    if (round.IsRight()) {
        // A cue that cannot play is reported; the verdict is still shown.
        Guarded([] { PlayCue(QStringLiteral("bellOtbor.wav")); });
        ui->Button3->setVisible(true);
        ui->Memo2->setVisible(true);
        ui->Button1->setEnabled(false);
        ui->Button2->setEnabled(false);
        AppendLine(ui->Memo2, QualifyingRightText());
    } else {
        Guarded([] { PlayCue(QStringLiteral("bad.wav")); });
        ui->Memo2->setVisible(true);
        ui->Button1->setEnabled(false);
        ui->Button2->setEnabled(false);
        AppendLine(ui->Memo2, QualifyingWrongText(round));
        // The message takes the place of the empty line the box starts with.
        DeleteFirstLine(ui->Memo2);
    }
}

void TForm6::Button3Click()
{
    // If the first question cannot be read this throws, and the window stays open.
    if (zk::Stage* stage = zk::MainStage())
        stage->StartMainGame();
    close();
}
