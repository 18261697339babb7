#pragma once
#include "core/topten.h"

#include "platform/gamewindow.h"

namespace Ui {
class TForm10;
}

// The table of the ten best players, read afresh from "best.dat" at every opening,
// with the reset to the default table.
class TForm10 : public zk::GameWindow {
    Q_OBJECT

public:
    explicit TForm10(QWidget* owner = nullptr);
    ~TForm10() override;

    void FormCreate();
    void FormShow() override;
    void FormClose() override;
    void Button1Click();
    void Button2Click();
    // Puts row i (1..10) of TopTen into the two memos.
    void ShowTopTen(int i);

    Ui::TForm10* ui;
    zk::TopTen TopTen{};

private:
    void clearMemos();
    zk::TopTenColumns shown_;
};
