#include "settings/Unit9.h"

#include "game/gamestate.h"
#include "game/unit1.h"
#include "platform/design.h"
#include "platform/errorbox.h"
#include "platform/inifile.h"
#include "ui_unit1.h"
#include "ui_Unit9.h"

#include <QButtonGroup>
#include <QInputDialog>
#include <QLocale>
#include <QMouseEvent>
#include <QTime>

namespace zk {

QString LongTimeText(const QString& format, const QTime& time, const QString& amText, const QString& pmText)
{
    qsizetype hourPos = -1;
    qsizetype hourLen = 0;
    QChar hourChar;
    qsizetype designatorPos = -1;
    bool lowerDesignator = false;
    QString separator;
    bool inSeparator = false;  // between the hour and the minutes

    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            // A quoted literal; two quotes stand for one.
            qsizetype j = i + 1;
            QString literal;
            while (j < format.size()) {
                if (format.at(j) == QLatin1Char('\'')) {
                    if (j + 1 < format.size() && format.at(j + 1) == QLatin1Char('\'')) {
                        literal += QLatin1Char('\'');
                        j += 2;
                        continue;
                    }
                    break;
                }
                literal += format.at(j++);
            }
            if (inSeparator)
                separator += literal;
            i = j + 1;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run) == c)
            ++run;
        if ((c == QLatin1Char('h') || c == QLatin1Char('H')) && hourPos < 0) {
            hourPos = i;
            hourLen = run;
            hourChar = c;
            inSeparator = true;
        } else if (c == QLatin1Char('m') && inSeparator) {
            inSeparator = false;
        } else if ((c == QLatin1Char('a') || c == QLatin1Char('A')) && designatorPos < 0) {
            designatorPos = i;
            lowerDesignator = c == QLatin1Char('a');
            // "AP" and "ap" are one token.
            if (run == 1 && i + 1 < format.size() && format.at(i + 1).toLower() == QLatin1Char('p'))
                ++run;
        } else if (inSeparator) {
            separator += QString(run, c);
        }
        i += run;
    }
    if (separator.isEmpty())
        separator = QStringLiteral(":");

    // "H" is a 24-hour clock whatever else the format says; "h" only with a designator is 12-hour.
    const bool twelveHour = designatorPos >= 0 && hourChar == QLatin1Char('h');
    int hour = time.hour();
    if (twelveHour) {
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    QString text = hourLen >= 2 ? QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0')) : QString::number(hour);
    text += separator + QStringLiteral("%1").arg(time.minute(), 2, 10, QLatin1Char('0'));
    text += separator + QStringLiteral("%1").arg(time.second(), 2, 10, QLatin1Char('0'));
    if (twelveHour) {
        QString designator = time.hour() < 12 ? amText : pmText;
        if (lowerDesignator)
            designator = designator.toLower();
        if (!designator.isEmpty())
            text = designatorPos < hourPos ? designator + QLatin1Char(' ') + text
                                           : text + QLatin1Char(' ') + designator;
    }
    return text;
}

QString HiddenPromptCode(const QString& timeText) { return timeText.left(timeText.size() == 8 ? 5 : 4); }

QString CurrentHiddenPromptCode()
{
    // Asked afresh each time, so a change of the regional settings counts at once.
    const QLocale locale = QLocale::system();
    return HiddenPromptCode(
        LongTimeText(locale.timeFormat(QLocale::LongFormat), QTime::currentTime(), locale.amText(), locale.pmText()));
}

}  // namespace zk

namespace {

// The main window's marker of the right answer.
void SetHackerVisible(bool visible)
{
    if (TForm1* main = zk::MainForm())
        main->ui->hacker->setVisible(visible);
}

}  // namespace

TForm9::TForm9(QWidget* owner)
    : QDialog(owner, zk::kDialogFlags),
      ui(new Ui::TForm9),
      RadioGroup1Items(new QButtonGroup(this)),
      RadioGroup2Items(new QButtonGroup(this))
{
    ui->setupUi(this);
    zk::SetUpDialog(this);

    // The system draws radio circles white whatever the window's colour; on the black
    // background the inherited black would hide them.
    for (QRadioButton* r : {ui->RadioGroup1Item0, ui->RadioGroup1Item1, ui->RadioGroup2Item0, ui->RadioGroup2Item1}) {
        QPalette p = r->palette();
        p.setColor(QPalette::Base, Qt::white);
        r->setPalette(p);
    }
    RadioGroup1Items->addButton(ui->RadioGroup1Item0, 0);
    RadioGroup1Items->addButton(ui->RadioGroup1Item1, 1);
    RadioGroup2Items->addButton(ui->RadioGroup2Item0, 0);
    RadioGroup2Items->addButton(ui->RadioGroup2Item1, 1);

    // A group's click handler runs when its selection changes, not on a click on the
    // item already selected.
    connect(RadioGroup1Items, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            zk::Guarded([this] { RadioGroup1Click(); });
    });
    connect(RadioGroup2Items, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            zk::Guarded([this] { RadioGroup2Click(); });
    });
    connect(ui->Button1, &QAbstractButton::clicked, this, [this] { zk::Guarded([this] { Button1Click(); }); });

    zk::Guarded([this] { FormCreate(); });
}

TForm9::~TForm9() { delete ui; }

void TForm9::selectItem(QButtonGroup* group, int index, void (TForm9::*click)())
{
    if (group->checkedId() == index)
        return;
    {
        const QSignalBlocker blocker(group);
        group->button(index)->setChecked(true);
    }
    (this->*click)();
}

void TForm9::FormCreate()
{
    // The advertising group is designed with nothing selected, so its key is written on
    // every creation; the sound key only when sound is off.
    selectItem(RadioGroup1Items, zk::Game().SoundOn ? 0 : 1, &TForm9::RadioGroup1Click);
    selectItem(RadioGroup2Items, zk::Game().AdsOn ? 0 : 1, &TForm9::RadioGroup2Click);
}

void TForm9::RadioGroup1Click()
{
    // The flag changes first: a failed write leaves it in force for this run.
    zk::Game().SoundOn = RadioGroup1Items->checkedId() == 0 ? 1 : 0;
    zk::Settings().WriteBool(QStringLiteral("music"), QStringLiteral("maysound"), zk::Game().SoundOn != 0);
}

void TForm9::RadioGroup2Click()
{
    zk::Game().AdsOn = RadioGroup2Items->checkedId() == 0 ? 1 : 0;
    zk::Settings().WriteBool(QStringLiteral("reklama"), QStringLiteral("mayreklama"), zk::Game().AdsOn != 0);
}

void TForm9::Button1Click() { close(); }

void TForm9::FormDblClick()
{
    bool ok = false;
    const QString typed = QInputDialog::getText(this, QStringLiteral("Дополнительные настройки"),
                                                QStringLiteral("Введите пароль"), QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return;
    if (typed == zk::CurrentHiddenPromptCode())
        SetHackerVisible(true);
    if (typed == QLatin1String("ukdrex"))
        SetHackerVisible(false);
}

void TForm9::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Only the background counts: a double click on a group box reaches the window too.
    if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint()))
        zk::Guarded([this] { FormDblClick(); });
}
