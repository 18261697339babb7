#include "lifelines/Unit5.h"

#include "game/cues.h"
#include "game/gamestate.h"
#include "game/unit1.h"
#include "lifelines/fifty.h"
#include "pictures/TImage.h"
#include "platform/design.h"
#include "platform/errorbox.h"
#include "ui_Unit5.h"
#include "ui_unit1.h"

#include <QLabel>

TForm5::TForm5(QWidget* owner) : QDialog(owner, zk::kDialogFlags), ui(new Ui::TForm5)
{
    ui->setupUi(this);
    zk::SetUpDialog(this);
    // Neither button is the dialog's default: Enter presses whichever has the focus.
    ui->Button_yes->setFocus();
    connect(ui->Button_yes, &QAbstractButton::clicked, this, [this] { zk::Guarded([this] { Button_yesClick(); }); });
    connect(ui->Button_No, &QAbstractButton::clicked, this, [this] { zk::Guarded([this] { Button_noClick(); }); });
}

TForm5::~TForm5() { delete ui; }

void TForm5::Button_yesClick()
{
    auto& g = zk::Game();
    // A cue that cannot play is reported and the lifeline goes on.
    zk::Guarded([] { zk::PlayCue(QStringLiteral("bellotbor.wav")); });
    TForm1* main = zk::MainForm();
    // A missing picture ends the handler here, so the lifeline stays available.
    if (main)
        main->ui->Podsk_5050->LoadFromFile(QStringLiteral("Graph\\no_podsk_5050.gif"));
    g.FiftyUsed = 1;
    g.FiftyOnQuestion = 1;
    if (main) {
        main->ui->Podsk_5050->setCursor(Qt::ArrowCursor);
        for (int i : zk::PickFiftyRemovals(g.CurrentQuestion.Correct))
            main->AnswerLabels[i]->setText(QString());
    }
    close();
}

void TForm5::Button_noClick() { close(); }
