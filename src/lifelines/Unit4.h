#pragma once
#include <QDialog>

class QTextEdit;
namespace Ui {
class TForm4;
}

// Phone a friend: the player reads the question out to a friend and gets one answer back.
// The lifeline counts as used once the call is made.
class TForm4 : public QDialog {
    Q_OBJECT

public:
    explicit TForm4(QWidget* owner = nullptr);
    ~TForm4() override;

    void FormCreate();
    void Button_zvonokClick();
    void Button_backClick();
    void Memo_youMouseDown();
    void Memo_friendMouseDown();

    Ui::TForm4* ui;
};
