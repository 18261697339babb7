#pragma once
#include <QDialog>

namespace Ui {
class TForm5;
}

// The 50:50 window: asks whether to use the lifeline; "Да" takes two wrong answers
// of the question on screen away.
class TForm5 : public QDialog {
    Q_OBJECT

public:
    explicit TForm5(QWidget* owner = nullptr);
    ~TForm5() override;

    void Button_yesClick();
    void Button_noClick();

    Ui::TForm5* ui;
};
