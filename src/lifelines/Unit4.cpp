#include "lifelines/Unit4.h"

#include "game/cues.h"
#include "game/gamestate.h"
#include "game/unit1.h"
#include "lifelines/friendcall.h"
#include "lifelines/onscreen.h"
#include "pictures/TImage.h"
#include "platform/design.h"
#include "platform/errorbox.h"
#include "ui_Unit4.h"
#include "ui_unit1.h"

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
    for (QTextEdit* memo : {ui->Memo_you, ui->Memo_friend}) {
        memo->document()->setDocumentMargin(2);
        memo->installEventFilter(this);
        memo->viewport()->installEventFilter(this);
    }
    ui->Button_zvonok->setFocus();

    connect(ui->Button_zvonok, &QAbstractButton::clicked, this,
            [this] { zk::Guarded([this] { Button_zvonokClick(); }); });
    connect(ui->Button_back, &QAbstractButton::clicked, this, [this] { zk::Guarded([this] { Button_backClick(); }); });
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
    TForm1* main = zk::MainForm();
    if (main)
        main->ui->Podsk_friend->LoadFromFile(QStringLiteral("Graph\\no_podsk_friend.gif"));
    g.FriendUsed = 1;
    if (main)
        main->ui->Podsk_friend->setCursor(Qt::ArrowCursor);

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

bool TForm4::eventFilter(QObject* watched, QEvent* event)
{
    const bool you = watched == ui->Memo_you || watched == ui->Memo_you->viewport();
    const bool friendMemo = watched == ui->Memo_friend || watched == ui->Memo_friend->viewport();
    if (!you && !friendMemo)
        return QDialog::eventFilter(watched, event);
    // The conversation is only to be read; the memos never keep the keyboard focus.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        zk::Guarded([this, you] { you ? Memo_youMouseDown() : Memo_friendMouseDown(); });
        return true;
    }
    if (event->type() == QEvent::FocusIn && (watched == ui->Memo_you || watched == ui->Memo_friend)) {
        QWidget* next = ui->Button_zvonok->isEnabled() ? static_cast<QWidget*>(ui->Button_zvonok) : ui->Button_back;
        next->setFocus();
        return false;
    }
    return QDialog::eventFilter(watched, event);
}
