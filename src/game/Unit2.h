#pragma once
#include <QDialog>

class QTimer;
namespace Ui {
class TForm2;
}

// The borderless splash shown while the main window is being built; it closes by itself.
class TForm2 : public QDialog {
    Q_OBJECT

public:
    explicit TForm2(QWidget* owner = nullptr);
    ~TForm2() override;

    void FormCreate();
    void Timer1Timer();

    Ui::TForm2* ui;
    QTimer* Timer1;
};
