#pragma once
#include "platform/gamewindow.h"

class QTimer;
namespace Ui {
class TForm8;
}

// The end of a game lost or left with the money: the amount, applause or consolation,
// and the player's name for the table.
class TForm8 : public zk::GameWindow {
    Q_OBJECT

public:
    explicit TForm8(QWidget* owner = nullptr);
    ~TForm8() override;

    void FormCreate();
    void FormShow() override;
    void Timer1Timer();
    void Button1Click();
    void FormClose() override;

    Ui::TForm8* ui;
    QTimer* Timer1;
};

namespace zk {
// What both result windows' OK buttons do: an empty name records nothing.
void RecordNamedResult(const QString& name, int amount);
// Back to the idle main window once a result window closes.
void EndOfGame();
}  // namespace zk
