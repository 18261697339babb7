#pragma once
#include "platform/gamewindow.h"
#include <array>

class QFrame;
class QLabel;
namespace Ui {
class TForm3;
}

// Ask the audience: a bar chart of the studio's vote on the four answers and the
// host's sentence naming the favourite. The lifeline counts as used once shown.
class TForm3 : public zk::GameWindow {
    Q_OBJECT

public:
    explicit TForm3(QWidget* owner = nullptr);
    ~TForm3() override;

    void FormShow() override;
    void Button_resaltClick();
    void Button_backClick();
    void Memo_textMouseDown();

    Ui::TForm3* ui;
    std::array<QFrame*, 4> Bars{};  // ShapeA..ShapeD
    std::array<QLabel*, 4> Percents{};  // Label1..Label4
};
