#include "settings/Unit11.h"

#include "pictures/TImage.h"
#include "platform/design.h"
#include "platform/errorbox.h"
#include "core/random.h"
#include "ui_Unit11.h"

namespace zk {

QString AdvertPictureName(int n) { return QStringLiteral("Graph\\Reklama\\Reklama%1.jpg").arg(n); }

}  // namespace zk

TForm11::TForm11(QWidget* owner) : QDialog(owner, zk::kDialogFlags), ui(new Ui::TForm11)
{
    ui->setupUi(this);
    zk::SetUpDialog(this);

    zk::ConnectGuarded(ui->BitBtnWithColor1, &QAbstractButton::clicked, this, &TForm11::BitBtnWithColor1Click);
    zk::Guarded([this] { FormCreate(); });
}

TForm11::~TForm11() { delete ui; }

void TForm11::FormCreate()
{
    zk::Randomize();
    const int n = static_cast<int>(zk::Random(5)) + 1;
    // A picture that cannot be read leaves the empty picture where the design put it.
    ui->Image1->LoadFromFile(zk::AdvertPictureName(n));
    // Centred across the window; integer division truncates toward zero, so a picture wider
    // than the window starts left of it by half the excess and is cut off on both sides.
    ui->Image1->move((width() - ui->Image1->pictureSize().width()) / 2, ui->Image1->y());
}

void TForm11::BitBtnWithColor1Click() { close(); }
