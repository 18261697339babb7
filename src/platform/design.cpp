#include "platform/design.h"

#include "platform/errorbox.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QDialog>
#include <QScreen>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
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

// Watches a text box and its viewport for the display-only rule.
class DisplayOnlyFilter : public QObject {
public:
    DisplayOnlyFilter(QAbstractScrollArea* box, std::function<void()> onPress, std::function<void()> onFocus)
        : QObject(box), box_(box), onPress_(std::move(onPress)), onFocus_(std::move(onFocus))
    {
        box->installEventFilter(this);
        box->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (onPress_)
                Guarded(onPress_);
            return true;
        case QEvent::FocusIn:
            if (watched == box_ && onFocus_)
                onFocus_();
            return false;
        default: return false;
        }
    }

private:
    QAbstractScrollArea* box_;
    std::function<void()> onPress_;
    std::function<void()> onFocus_;
};

class LabelClickFilter : public QObject {
public:
    LabelClickFilter(QLabel* label, std::function<void()> onClick)
        : QObject(label), label_(label), onClick_(std::move(onClick))
    {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick) {
            // The second press of a double click: its release is not a second click.
            afterDoubleClick_ = true;
            return true;
        }
        if (event->type() != QEvent::MouseButtonRelease)
            return false;
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() != Qt::LeftButton)
            return false;
        if (std::exchange(afterDoubleClick_, false))
            return true;
        if (label_->rect().contains(me->position().toPoint()))
            Guarded(onClick_);
        return true;
    }

private:
    QLabel* label_;
    std::function<void()> onClick_;
    bool afterDoubleClick_ = false;
};

// The keys of a game window, which has no default and no cancel button: Enter presses the
// push button that holds the focus and nothing else, Escape does nothing. Both come here
// only when the focused control has not used them (a button takes Space itself).
class WindowKeysFilter : public QObject {
public:
    explicit WindowKeysFilter(QWidget* window) : QObject(window), window_(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != window_ || event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Cancel))
            return true;
        const bool plain = key->modifiers() == Qt::NoModifier ||
            (key->modifiers() == Qt::KeypadModifier && key->key() == Qt::Key_Enter);
        if (!plain || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter))
            return false;
        auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
        if (button && button->window() == window_ && button->isVisible() && button->isEnabled())
            Guarded([button] { button->click(); });
        return true;
    }

private:
    QWidget* window_;
};

}  // namespace

void UseWindowKeys(QWidget* window)
{
    // Qt would make some button the dialog's default and press it on Enter from anywhere.
    for (QPushButton* b : window->findChildren<QPushButton*>()) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    new WindowKeysFilter(window);
}

void OnLabelClick(QLabel* label, std::function<void()> onClick) { new LabelClickFilter(label, std::move(onClick)); }

void SetMemoText(QTextEdit* memo, const QString& text, Qt::Alignment align)
{
    memo->setPlainText(text);
    QTextCursor cursor(memo->document());
    cursor.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setAlignment(align);
    cursor.mergeBlockFormat(format);
}

void MakeDisplayOnly(QAbstractScrollArea* box, std::function<void()> onPress, std::function<void()> onFocus)
{
    new DisplayOnlyFilter(box, std::move(onPress), std::move(onFocus));
}

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
    UseWindowKeys(dialog);
    dialog->setFixedSize(dialog->size());
    if (QScreen* s = dialog->screen())
        dialog->move(s->geometry().center() - dialog->rect().center());
}

}  // namespace zk
