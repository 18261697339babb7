#include "platform/design.h"

#include <QAbstractButton>
#include <QDialog>
#include <QScreen>
#include <QFont>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace zk {
namespace {

void applyFont(QWidget* w, const QString& description)
{
    const QStringList parts = description.split(QLatin1Char(','));
    if (parts.size() < 2)
        return;
    QFont f(parts.at(0).trimmed());
    f.setPixelSize(parts.at(1).trimmed().toInt());
    f.setBold(parts.size() > 2 && parts.at(2).trimmed() == QLatin1String("bold"));
    w->setFont(f);
}

// Text boxes paint their text and background with the text roles; labels and the rest with the window roles.
bool isTextBox(const QWidget* w)
{
    return qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
        qobject_cast<const QLineEdit*>(w);
}

}  // namespace

void SetBackColor(QWidget* w, const QColor& color)
{
    QPalette p = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, color);
        p.setColor(group, QPalette::Base, color);
        p.setColor(group, QPalette::Button, color);
    }
    w->setPalette(p);
    if (!isTextBox(w))
        w->setAutoFillBackground(true);
}

void SetTextColor(QWidget* w, const QColor& color)
{
    QPalette p = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::WindowText, color);
        p.setColor(group, QPalette::Text, color);
        p.setColor(group, QPalette::ButtonText, color);
    }
    w->setPalette(p);
}

QColor BackColor(const QWidget* w) { return w->palette().color(isTextBox(w) ? QPalette::Base : QPalette::Window); }
QColor TextColor(const QWidget* w) { return w->palette().color(isTextBox(w) ? QPalette::Text : QPalette::WindowText); }

void ApplyDesign(QWidget* root)
{
    QList<QWidget*> all = root->findChildren<QWidget*>();
    all.prepend(root);
    for (QWidget* w : all) {
        const QVariant font = w->property("pixelFont");
        if (font.isValid())
            applyFont(w, font.toString());
        const QVariant back = w->property("backColor");
        if (back.isValid())
            SetBackColor(w, QColor(back.toString()));
        const QVariant text = w->property("textColor");
        if (text.isValid())
            SetTextColor(w, QColor(text.toString()));
    }
}

void SetUpDialog(QDialog* dialog)
{
    ApplyDesign(dialog);
    dialog->setFixedSize(dialog->size());
    if (QScreen* s = dialog->screen())
        dialog->move(s->geometry().center() - dialog->rect().center());
}

}  // namespace zk
