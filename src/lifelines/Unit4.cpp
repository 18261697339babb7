#include "lifelines/Unit4.h"

#include "platform/cues.h"
#include "core/gamestate.h"
#include "core/friendcall.h"
#include "pictures/TImage.h"
#include "platform/design.h"
#include "platform/stage.h"
#include "platform/errorbox.h"
#include "ui_Unit4.h"

#include <QEvent>
#include <QTextBlock>
#include <QTextCursor>

namespace {

// Adds one plain line at the end of a memo (never read as markup).
void AddLine(QTextEdit* memo, const QString& line)
{
    QTextCursor cursor(memo->document());
    cursor.movePosition(QTextCursor::End);
    if (!memo->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(line);
}

}  // namespace

TForm4::TForm4(QWidget* owner) : QDialog(owner, zk::kDialogFlags), ui(new Ui::TForm4)
{
    ui->setupUi(this);
    zk::SetUpDialog(this);
    // The conversation is only to be read; the memos never keep the keyboard focus.
    const auto handOff = [this] {
        QWidget* next = ui->Button_zvonok->isEnabled() ? static_cast<QWidget*>(ui->Button_zvonok) : ui->Button_back;
        next->setFocus();
    };
    zk::MakeDisplayOnly(
        ui->Memo_you, [this] { Memo_youMouseDown(); }, handOff);
    zk::MakeDisplayOnly(
        ui->Memo_friend, [this] { Memo_friendMouseDown(); }, handOff);
    for (QTextEdit* memo : {ui->Memo_you, ui->Memo_friend})
        memo->document()->setDocumentMargin(2);
    ui->Button_zvonok->setFocus();

    zk::ConnectGuarded(ui->Button_zvonok, &QAbstractButton::clicked, this, &TForm4::Button_zvonokClick);
    zk::ConnectGuarded(ui->Button_back, &QAbstractButton::clicked, this, &TForm4::Button_backClick);
    zk::Guarded([this] { FormCreate(); });
}

TForm4::~TForm4() { delete ui; }

void TForm4::FormCreate()
{
    ui->Button_zvonok->setEnabled(true);
    ui->Memo_you->clear();
    ui->Memo_friend->clear();
}

void TForm4::Button_zvonokClick()
{
    auto& g = zk::Game();
    zk::Guarded([] { zk::PlayCue(QStringLiteral("bellotbor.wav")); });
    // A missing picture ends the handler here: no call is made and the lifeline stays available.
    zk::MarkLifelineUsed(zk::Lifeline::Friend);

    ui->Label3->show();
    ui->Label4->show();
    ui->Memo_you->show();
    ui->Memo_friend->show();
    AddLine(ui->Memo_you, zk::FriendGreeting(ui->name_friend->text(), g.CurrentQuestion.Text.ToString()));
    const char letter = zk::FriendLetter(g.CurrentQuestion.Correct, g.FiftyOnQuestion != 0, zk::AnswersOnScreen());
    if (letter != 0)
        AddLine(ui->Memo_friend, zk::FriendReply(letter));
    ui->Button_zvonok->setEnabled(false);
}

void TForm4::Button_backClick() { close(); }

void TForm4::Memo_youMouseDown()
{
    if (ui->Button_zvonok->isEnabled())
        ui->Button_zvonok->setFocus();
}

void TForm4::Memo_friendMouseDown()
{
    if (ui->Button_zvonok->isEnabled())
        ui->Button_zvonok->setFocus();
}
