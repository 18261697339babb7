#include "settings/Unit9.h"

#include "core/gamestate.h"
#include "platform/stage.h"
#include "core/timecode.h"
#include "platform/design.h"
#include "platform/errorbox.h"
#include "core/inifile.h"
#include "ui_Unit9.h"

#include <QButtonGroup>
#include <QInputDialog>
#include <QLocale>
#include <QMouseEvent>
#include <QTime>

namespace {

// The main window's marker of the right answer.
void SetHackerVisible(bool visible)
{
    if (zk::Stage* stage = zk::MainStage())
        stage->SetMarkerVisible(visible);
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
    zk::ConnectGuarded(ui->Button1, &QAbstractButton::clicked, this, &TForm9::Button1Click);

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
