#pragma once
#include "platform/gamewindow.h"
#include <array>

class QLabel;
namespace Ui {
class TForm12;
}

// The rules window: seven topic links on the left, the chosen topic's text on the right,
// and an intro cue while it is open.
class TForm12 : public zk::GameWindow {
    Q_OBJECT

public:
    explicit TForm12(QWidget* owner = nullptr);
    ~TForm12() override;

    // LabelNClick for topic index 0..6.
    void LabelClick(int topic);
    void FormShow() override;
    void FormClose() override;
    void Button1Click();

    Ui::TForm12* ui;
    std::array<QLabel*, 7> TopicLabels{};
};
