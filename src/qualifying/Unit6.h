#pragma once
#include "platform/gamewindow.h"
#include <array>

class QLabel;
class TImage;
namespace Ui {
class TForm6;
}

// The qualifying round: put four items in order by clicking them. One check per opening;
// only a right order shows the button that starts the main game.
class TForm6 : public zk::GameWindow {
    Q_OBJECT

public:
    explicit TForm6(QWidget* owner = nullptr);
    ~TForm6() override;

    void FormCreate();
    void FormShow() override;
    void FormClose() override;
    // A click on the badge, the plate or the text of row 1..4.
    void PickItem(int row);
    void Button1Click();  // "Подтверждение": the check
    void Button2Click();  // "Сброс"
    void Button3Click();  // "Начать игру"

    Ui::TForm6* ui;
    // The right column by slot 1..4 (index 0..3).
    std::array<TImage*, 4> LetterSlots{};
    std::array<TImage*, 4> PlateSlots{};
    std::array<QLabel*, 4> TextSlots{};
    // The left column by row.
    std::array<QLabel*, 4> RowLabels{};
};
