#include "lifelines/Unit3.h"

#include "game/cues.h"
#include "game/gamestate.h"
#include "game/unit1.h"
#include "lifelines/onscreen.h"
#include "lifelines/poll.h"
#include "pictures/TImage.h"
#include "platform/design.h"
#include "platform/errorbox.h"
#include "ui_Unit3.h"
#include "ui_unit1.h"

#include <QEvent>
#include <QShowEvent>

namespace {
// The bars stand on this row and rise one pixel per percent.
constexpr int kBarBase = 130;
}  // namespace

TForm3::TForm3(QWidget* owner) : QDialog(owner, zk::kDialogFlags), ui(new Ui::TForm3)
{
    ui->setupUi(this);
    zk::SetUpDialog(this);
    Bars = {ui->ShapeA, ui->ShapeB, ui->ShapeC, ui->ShapeD};
    Percents = {ui->Label1, ui->Label2, ui->Label3, ui->Label4};
    ui->Memo_text->document()->setDocumentMargin(2);
    ui->Memo_text->installEventFilter(this);
    ui->Memo_text->viewport()->installEventFilter(this);

    connect(ui->Button_resalt, &QAbstractButton::clicked, this,
            [this] { zk::Guarded([this] { Button_resaltClick(); }); });
    connect(ui->Button_back, &QAbstractButton::clicked, this, [this] { zk::Guarded([this] { Button_backClick(); }); });
}

TForm3::~TForm3() { delete ui; }

void TForm3::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        zk::Guarded([this] { FormShow(); });
}

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
    TForm1* main = zk::MainForm();
    if (main)
        main->ui->Podsk_zal->LoadFromFile(QStringLiteral("Graph\\no_podsk_zal.gif"));
    g.AudienceUsed = 1;
    if (main)
        main->ui->Podsk_zal->setCursor(Qt::ArrowCursor);
}

void TForm3::Button_backClick() { close(); }

void TForm3::Memo_textMouseDown()
{
    if (ui->Button_resalt->isEnabled())
        ui->Button_resalt->setFocus();
}

bool TForm3::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != ui->Memo_text && watched != ui->Memo_text->viewport())
        return QDialog::eventFilter(watched, event);
    // The memo only shows the sentence; it never keeps the keyboard focus.
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        zk::Guarded([this] { Memo_textMouseDown(); });
        return true;
    }
    if (event->type() == QEvent::FocusIn && watched == ui->Memo_text) {
        QWidget* next = ui->Button_resalt->isEnabled() ? static_cast<QWidget*>(ui->Button_resalt) : ui->Button_back;
        next->setFocus();
        return false;
    }
    return QDialog::eventFilter(watched, event);
}
