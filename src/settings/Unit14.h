#pragma once
#include <QDialog>

class QTimer;
namespace Ui {
class TForm14;
}

// The authors window: two name plates that take turns, one second each.
class TForm14 : public QDialog {
    Q_OBJECT

public:
    explicit TForm14(QWidget* owner = nullptr);
    ~TForm14() override;

    void Timer1Timer();
    void Button1Click();

    Ui::TForm14* ui;
    QTimer* Timer1;
};
