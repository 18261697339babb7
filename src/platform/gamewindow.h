#pragma once
#include <QDialog>

namespace zk {

// A game window with the designs' show and close events: FormShow runs when the window
// is shown (not when a minimised one is restored), FormClose whichever way it closes (a
// button, the close box, the system's close key); each inside the handler guard.
class GameWindow : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;
    virtual void FormShow() {}
    virtual void FormClose() {}

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace zk
