#include "results/Unit7.h"

#include "platform/design.h"
#include "platform/errorbox.h"
#include "results/Unit8.h"
#include "ui_Unit7.h"

TForm7::TForm7(QWidget* owner) : GameWindow(owner, zk::kDialogFlags), ui(new Ui::TForm7)
{
    ui->setupUi(this);
    zk::SetUpDialog(this);
    zk::ConnectGuarded(ui->Button1, &QAbstractButton::clicked, this, &TForm7::Button1Click);
}

TForm7::~TForm7() { delete ui; }

void TForm7::Button1Click()
{
    // The prize of the last question, whatever the winnings say (they still hold 500000 here).
    zk::RecordNamedResult(ui->Edit1->text(), 1000000);
    close();
}

void TForm7::FormClose() { zk::EndOfGame(); }
