#include "lifelines/Unit3.h"

#include "platform/cues.h"
#include "core/gamestate.h"
#include "core/poll.h"
#include "pictures/TImage.h"
#include "platform/design.h"
#include "platform/stage.h"
#include "platform/errorbox.h"
#include "ui_Unit3.h"

#include <QEvent>
#include <QShowEvent>

namespace {
// The bars stand on this row and rise one pixel per percent.
constexpr int kBarBase = 130;
}  // namespace

TForm3::TForm3(QWidget* owner) : GameWindow(owner, zk::kDialogFlags), ui(new Ui::TForm3)
{
    ui->setupUi(this);
    zk::SetUpDialog(this);
    Bars = {ui->ShapeA, ui->ShapeB, ui->ShapeC, ui->ShapeD};
    Percents = {ui->Label1, ui->Label2, ui->Label3, ui->Label4};
    ui->Memo_text->document()->setDocumentMargin(2);
    // The memo only shows the sentence; it never keeps the keyboard focus.
    zk::MakeDisplayOnly(
        ui->Memo_text, [this] { Memo_textMouseDown(); },
        [this] {
            QWidget* next = ui->Button_resalt->isEnabled() ? static_cast<QWidget*>(ui->Button_resalt) : ui->Button_back;
            next->setFocus();
        });

    zk::ConnectGuarded(ui->Button_resalt, &QAbstractButton::clicked, this, &TForm3::Button_resaltClick);
    zk::ConnectGuarded(ui->Button_back, &QAbstractButton::clicked, this, &TForm3::Button_backClick);
}

TForm3::~TForm3() { delete ui; }

void TForm3::FormShow()
{
    for (QFrame* bar : Bars)
        bar->setGeometry(bar->x(), kBarBase, bar->width(), 1);
    for (QLabel* l : Percents) {
        l->setText(QStringLiteral("0%"));
        l->adjustSize();
    }
    ui->Button_resalt->setEnabled(true);
    ui->Memo_text->clear();
    ui->Button_resalt->setFocus();
}

void TForm3::Button_resaltClick()
{
    auto& g = zk::Game();
    zk::Guarded([] { zk::PlayCue(QStringLiteral("bellotbor.wav")); });
    const zk::AudienceVote vote =
        zk::TakeAudienceVote(g.CurrentQuestion.Correct, g.FiftyOnQuestion != 0, zk::AnswersOnScreen());
    ui->Memo_text->setPlainText(zk::AudienceSentence(vote.letter));
    for (int i = 0; i < 4; ++i) {
        QFrame* bar = Bars[i];
        const int share = vote.shares[i];
        bar->setGeometry(bar->x(), bar->y() - share, bar->width(), share);
    }
    for (int i = 0; i < 4; ++i) {
        // The labels size themselves to the text; their left edges stay put.
        Percents[i]->setText(QString::number(vote.shares[i]) + QLatin1Char('%'));
        Percents[i]->adjustSize();
    }
    ui->Button_resalt->setEnabled(false);
    // A missing picture ends the handler here: the poll stays on show but the lifeline
    // is not used up.
    zk::MarkLifelineUsed(zk::Lifeline::Audience);
}

void TForm3::Button_backClick() { close(); }

void TForm3::Memo_textMouseDown()
{
    if (ui->Button_resalt->isEnabled())
        ui->Button_resalt->setFocus();
}
