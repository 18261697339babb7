#include "lifelines/Unit5.h"

#include "platform/cues.h"
#include "core/gamestate.h"
#include "core/fifty.h"
#include "pictures/TImage.h"
#include "platform/design.h"
#include "platform/stage.h"
#include "platform/errorbox.h"
#include "ui_Unit5.h"

#include <QLabel>

TForm5::TForm5(QWidget* owner) : QDialog(owner, zk::kDialogFlags), ui(new Ui::TForm5)
{
    ui->setupUi(this);
    zk::SetUpDialog(this);
    // Neither button is the dialog's default: Enter presses whichever has the focus.
    ui->Button_yes->setFocus();
    zk::ConnectGuarded(ui->Button_yes, &QAbstractButton::clicked, this, &TForm5::Button_yesClick);
    zk::ConnectGuarded(ui->Button_No, &QAbstractButton::clicked, this, &TForm5::Button_noClick);
}

TForm5::~TForm5() { delete ui; }

void TForm5::Button_yesClick()
{
    auto& g = zk::Game();
    // A cue that cannot play is reported and the lifeline goes on.
    zk::Guarded([] { zk::PlayCue(QStringLiteral("bellotbor.wav")); });
    // A missing picture ends the handler here, so the lifeline stays available.
    zk::MarkLifelineUsed(zk::Lifeline::Fifty);
    g.FiftyOnQuestion = 1;
    if (zk::Stage* stage = zk::MainStage())
        for (int i : zk::PickFiftyRemovals(g.CurrentQuestion.Correct))
            stage->BlankAnswer(i);
    close();
}

void TForm5::Button_noClick() { close(); }
