// zkshots OUTDIR [GAMEDIR]
// Grabs every window the game has to OUTDIR/formN.png (the main window idle as form1.png and
// with a game started as form1_game.png), so their looks can be checked after a change.
// Runs in a game folder (the build's by default) with sound off and error boxes written to
// stderr instead, so nothing waits for a click.
#include "core/gamestate.h"
#include "game/unit1.h"
#include "game/windows.h"
#include "platform/errorbox.h"
#include "platform/appstyle.h"
#include "platform/fonts.h"
#include "core/inifile.h"
#include "core/random.h"
#include "settings/Unit12.h"
#include "settings/Unit14.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <memory>

namespace {

// Lets pictures, layouts and the first paint settle before the grab.
void settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
}

bool save(QWidget* w, const QString& file)
{
    settle();
    if (!w->grab().save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: zkshots OUTDIR [GAMEDIR]\n");
        return 2;
    }
    // No sound device is needed for a picture.
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Зориклад!"));
    zk::InstallFontSubstitutions();
    zk::InstallAppStyle();

    const QString outDir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString gameDir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(ZK_GAME_DIR);
    if (!QDir().mkpath(outDir) || !QDir::setCurrent(gameDir)) {
        std::fprintf(stderr, "cannot use %s or %s\n", qPrintable(outDir), qPrintable(gameDir));
        return 2;
    }

    // The settings file goes to a throw-away folder with sound off, so the game's own stays untouched.
    QTemporaryDir programDir;
    QFile ini(programDir.filePath(QStringLiteral("zoriklad.ini")));
    if (!ini.open(QIODevice::WriteOnly) || ini.write("[music]\nmaysound=0\n[reklama]\nmayreklama=1\n") < 0)
        return 2;
    ini.close();
    zk::SetProgramPath(programDir.filePath(QStringLiteral("zoriklad")));
    zk::SetErrorRecorder([](const QString& text) { std::fprintf(stderr, "error box: %s\n", qPrintable(text)); });
    // A fixed clock makes every random draw (question, qualifying task, advert) the same in each run,
    // so two sets of shots can be compared pixel by pixel.
    zk::SetTimeOfDaySource([] { return 12u * 3600u * 1000u; });
    // Windows that another window would open are grabbed on their own below.
    zk::SetOpenModalHook([](zk::FormId) { return true; });

    bool ok = true;
    TForm1 mainForm;
    mainForm.show();
    ok &= save(&mainForm, outDir + QStringLiteral("/form1.png"));
    zk::Guarded([&] { mainForm.StartMainGame(); });
    ok &= save(&mainForm, outDir + QStringLiteral("/form1_game.png"));

    for (int n = static_cast<int>(zk::FormId::Splash); n <= static_cast<int>(zk::FormId::Authors); ++n) {
        std::unique_ptr<QDialog> form(zk::CreateWindowForShot(static_cast<zk::FormId>(n)));
        if (!form) {
            std::printf("form%d: not in the game yet\n", n);
            continue;
        }
        form->show();
        ok &= save(form.get(), outDir + QStringLiteral("/form%1.png").arg(n));
        // Second looks worth checking: the longest rules topic must fit the box (it cannot
        // scroll), and the authors' second name plate.
        if (auto* rules = qobject_cast<TForm12*>(form.get())) {
            rules->LabelClick(0);
            ok &= save(rules, outDir + QStringLiteral("/form12_topic1.png"));
        } else if (auto* authors = qobject_cast<TForm14*>(form.get())) {
            authors->Timer1Timer();
            ok &= save(authors, outDir + QStringLiteral("/form14_second.png"));
        }
        form->hide();
    }
    return ok ? 0 : 1;
}
