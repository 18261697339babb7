#include "platform/gamewindow.h"

#include "platform/errorbox.h"

#include <QShowEvent>

namespace zk {

void GameWindow::done(int result)
{
    Guarded([this] { FormClose(); });
    QDialog::done(result);
}

void GameWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Guarded([this] { FormShow(); });
}

}  // namespace zk
