#include "results/Unit8.h"

#include "platform/cues.h"
#include "core/gamestate.h"
#include "platform/stage.h"
#include "platform/design.h"
#include "platform/errorbox.h"
#include "core/topten.h"
#include "ui_Unit8.h"

#include <QShowEvent>
#include <QTimer>

namespace zk {

void RecordNamedResult(const QString& name, int amount)
{
    if (name.isEmpty())
        return;
    RecordResult(name, amount);
}

void EndOfGame()
{
    if (zk::Stage* stage = zk::MainStage())
        stage->EndGameReset();
}

}  // namespace zk

TForm8::TForm8(QWidget* owner) : GameWindow(owner, zk::kDialogFlags), ui(new Ui::TForm8), Timer1(new QTimer(this))
{
    ui->setupUi(this);
    zk::SetUpDialog(this);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(3500);
    zk::ConnectTickGuarded(Timer1, this, &TForm8::Timer1Timer);
    zk::ConnectGuarded(ui->Button1, &QAbstractButton::clicked, this, &TForm8::Button1Click);

    zk::Guarded([this] { FormCreate(); });
}

TForm8::~TForm8() { delete ui; }

void TForm8::FormCreate() { ui->Label2->setText(QString::number(zk::Game().Winnings) + QStringLiteral(" рублей.")); }

void TForm8::FormShow()
{
    // A cue that cannot play is reported on its own, so the presentation still completes.
    if (zk::Game().Winnings <= 0) {
        ui->Label3->hide();
        ui->Edit1->hide();
        zk::Guarded([] { zk::PlayCue(QStringLiteral("NoMoney.wav")); });
        ui->Image2->show();
    } else {
        zk::Guarded([] { zk::PlayCue(QStringLiteral("applause.wav")); });
        ui->Image1->show();
        Timer1->start();
    }
}

void TForm8::Timer1Timer()
{
    ui->Image1->hide();
    // Stopped before the cue, so a cue that fails is not retried every 3.5 seconds.
    Timer1->stop();
    zk::PlayCue(QStringLiteral("name.wav"));
}

void TForm8::Button1Click()
{
    // A failed recording ends here: the window stays open and the close box still leaves.
    zk::RecordNamedResult(ui->Edit1->text(), zk::Game().Winnings);
    close();
}

void TForm8::FormClose()
{
    Timer1->stop();
    // The reset must happen even when there is no cue left to stop.
    zk::Guarded([] { zk::StopCue(); });
    zk::EndOfGame();
}
