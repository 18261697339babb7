#include "platform/errorbox.h"

#include "core/errors.h"

#include <QApplication>
#include <QMessageBox>

namespace zk {
namespace {
ErrorRecorder g_recorder;
}

QString ErrorBoxText(const QString& text)
{
    if (!text.isEmpty() && text.back().unicode() > u'.')
        return text + QLatin1Char('.');
    return text;
}

void ShowErrorBox(const QString& text)
{
    const QString shown = ErrorBoxText(text);
    if (g_recorder) {
        g_recorder(shown);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Зориклад!"), shown, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void SetErrorRecorder(ErrorRecorder recorder) { g_recorder = std::move(recorder); }

QString ExceptionText(const std::exception_ptr& error)
{
    try {
        std::rethrow_exception(error);
    } catch (const GameError& e) {
        return e.text();
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("Unknown error");
    }
}

}  // namespace zk
