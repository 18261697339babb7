#pragma once
#include <QDialog>

namespace Ui {
class TForm11;
}

// The advertising pause: one of the five advertising pictures until the player returns
// to the game. The picture is chosen and loaded afresh by every instance.
class TForm11 : public QDialog {
    Q_OBJECT

public:
    explicit TForm11(QWidget* owner = nullptr);
    ~TForm11() override;

    void FormCreate();
    void BitBtnWithColor1Click();

    Ui::TForm11* ui;
};

namespace zk {
// The game name of advertising picture n (1..5).
QString AdvertPictureName(int n);
}  // namespace zk
