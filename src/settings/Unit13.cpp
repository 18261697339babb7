#include "settings/Unit13.h"

#include "platform/design.h"
#include "platform/errorbox.h"
#include "ui_Unit13.h"

namespace {

// One line of the box each; the lines are short enough not to wrap.
const char* const kLegalWarning =
    "Внимание! Данная программа защищена\n"
    "законами об авторском праве и\n"
    "международными соглашениями.\n"
    "Незаконное копирование или\n"
    "распространение программы или любой\n"
    "её части влечёт гражданскую и\n"
    "уголовную ответственность и будет\n"
    "преследоваться по закону.";

}  // namespace

TForm13::TForm13(QWidget* owner) : QDialog(owner, zk::kDialogFlags), ui(new Ui::TForm13)
{
    ui->setupUi(this);
    zk::SetUpDialog(this);
    // The build's version, the one the packages carry.
    ui->Label2->setText(QStringLiteral("Version " ZK_VERSION));

    ui->Memo1->document()->setDocumentMargin(2);
    ui->Memo1->setPlainText(QString::fromUtf8(kLegalWarning));
    // The warning never keeps the focus, so no caret shows and Enter closes the window.
    const auto toOk = [this] { ui->BitBtnWithColor1->setFocus(); };
    zk::MakeDisplayOnly(ui->Memo1, toOk, toOk);

    zk::ConnectGuarded(ui->BitBtnWithColor1, &QAbstractButton::clicked, this, &TForm13::BitBtnWithColor1Click);
}

TForm13::~TForm13() { delete ui; }

void TForm13::BitBtnWithColor1Click() { close(); }
