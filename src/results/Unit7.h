#pragma once
#include "platform/gamewindow.h"

namespace Ui {
class TForm7;
}

// The end of a game won outright: the player's name goes into the table with one million.
class TForm7 : public zk::GameWindow {
    Q_OBJECT

public:
    explicit TForm7(QWidget* owner = nullptr);
    ~TForm7() override;

    void Button1Click();
    void FormClose() override;

    Ui::TForm7* ui;
};
