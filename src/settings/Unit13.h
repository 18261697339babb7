#pragma once
#include <QDialog>

namespace Ui {
class TForm13;
}

// The about window: name, version, rights notice and the legal warning.
class TForm13 : public QDialog {
    Q_OBJECT

public:
    explicit TForm13(QWidget* owner = nullptr);
    ~TForm13() override;

    void BitBtnWithColor1Click();

    Ui::TForm13* ui;
};
