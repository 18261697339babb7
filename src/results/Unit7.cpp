#include "results/Unit7.h"

#include "platform/design.h"
#include "platform/errorbox.h"
#include "results/Unit8.h"
#include "ui_Unit7.h"

#include <QScreen>

TForm7::TForm7(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      ui(new Ui::TForm7)
{
    ui->setupUi(this);
    zk::ApplyDesign(this);
    setFixedSize(size());
    if (QScreen* s = screen())
        move(s->geometry().center() - rect().center());
    connect(ui->Button1, &QAbstractButton::clicked, this, [this] { zk::Guarded([this] { Button1Click(); }); });
}

TForm7::~TForm7() { delete ui; }

void TForm7::Button1Click()
{
    // The prize of the last question, whatever the winnings say (they still hold 500000 here).
    zk::RecordNamedResult(ui->Edit1->text(), 1000000);
    close();
}

void TForm7::FormClose() { zk::EndOfGame(); }

void TForm7::done(int result)
{
    zk::Guarded([this] { FormClose(); });
    QDialog::done(result);
}
