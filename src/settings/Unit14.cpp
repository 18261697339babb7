#include "settings/Unit14.h"

#include "platform/design.h"
#include "platform/errorbox.h"
#include "ui_Unit14.h"

#include <QTimer>

TForm14::TForm14(QWidget* owner) : QDialog(owner, zk::kDialogFlags), ui(new Ui::TForm14), Timer1(new QTimer(this))
{
    ui->setupUi(this);
    zk::SetUpDialog(this);
    ui->StaticText2->hide();

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    zk::ConnectTickGuarded(Timer1, this, &TForm14::Timer1Timer);
    zk::ConnectGuarded(ui->Button1, &QAbstractButton::clicked, this, &TForm14::Button1Click);
    Timer1->start();
}

TForm14::~TForm14() { delete ui; }

void TForm14::Timer1Timer()
{
    // Asked of the plate itself, not of the screen: the window may not be showing.
    if (ui->StaticText1->isVisibleTo(this)) {
        ui->StaticText1->hide();
        ui->StaticText2->show();
    } else {
        ui->StaticText1->show();
        ui->StaticText2->hide();
    }
}

void TForm14::Button1Click() { close(); }
