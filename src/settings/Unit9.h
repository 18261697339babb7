#pragma once
#include <QDialog>
#include <QString>

class QButtonGroup;
namespace Ui {
class TForm9;
}

// The settings window: sound cues and advertising pauses on or off, each change written
// to the settings file at once. A double click on the background opens a hidden prompt.
class TForm9 : public QDialog {
    Q_OBJECT

public:
    explicit TForm9(QWidget* owner = nullptr);
    ~TForm9() override;

    void FormCreate();
    void RadioGroup1Click();
    void RadioGroup2Click();
    void Button1Click();
    void FormDblClick();

    Ui::TForm9* ui;
    // The items of each radio group, by index: 0 "Включить", 1 "Выключить".
    QButtonGroup* RadioGroup1Items;
    QButtonGroup* RadioGroup2Items;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Selects an item as the program would; a change of selection runs the group's
    // click handler directly, so its errors end the caller (the creation handler).
    void selectItem(QButtonGroup* group, int index, void (TForm9::*click)());
};
