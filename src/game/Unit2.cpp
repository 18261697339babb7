#include "game/Unit2.h"

#include "platform/design.h"
#include "platform/errorbox.h"
#include "ui_Unit2.h"

#include <QTimer>

TForm2::TForm2(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), ui(new Ui::TForm2), Timer1(new QTimer(this))
{
    ui->setupUi(this);
    zk::SetUpDialog(this);
    // The system's dark 3-D shadow follows the palette, so it is not fixed in the design.
    zk::SetBackColor(ui->Shape1, palette().color(QPalette::Shadow));

    // A coarse timer may fire up to 5 % early; the splash is meant to stand its full 2.8 s.
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(2800);
    zk::ConnectTickGuarded(Timer1, this, &TForm2::Timer1Timer);
    zk::Guarded([this] { FormCreate(); });
}

TForm2::~TForm2() { delete ui; }

void TForm2::FormCreate() { Timer1->start(); }

void TForm2::Timer1Timer() { close(); }
