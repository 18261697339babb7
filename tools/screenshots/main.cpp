// zkshots OUTDIR [GAMEDIR] [--screen WxH] [--factor F]
// Grabs every window the game has to OUTDIR/formN.png (the main window idle as form1.png,
// with a game started as form1_game.png and with an answer chosen as form1_answer.png), so
// their looks can be checked after a change. Runs in a game folder (the build's by default)
// with sound off and error boxes written to stderr instead, so nothing waits for a click.
//
// The shots are what a player sees on a screen of W x H device pixels (the primary screen's
// size when not given): the main window fills it as when maximised (less a window frame), at
// the factor the game chooses for that screen or at F, and screen_formN.png shows each dialog
// in the middle of the screen over the game in progress.
#include "core/gamestate.h"
#include "core/stagescale.h"
#include "game/unit1.h"
#include "game/windows.h"
#include "platform/errorbox.h"
#include "platform/appstyle.h"
#include "platform/fonts.h"
#include "platform/screenprobe.h"
#include "core/inifile.h"
#include "core/random.h"
#include "settings/Unit12.h"
#include "settings/Unit14.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
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

bool write(const QPixmap& picture, const QString& file)
{
    if (!picture.save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s (%dx%d)\n", qPrintable(file), picture.width(), picture.height());
    return true;
}

bool save(QWidget* w, const QString& file)
{
    settle();
    return write(w->grab(), file);
}

// The screen as the player sees it: the main window under its frame, the dialog in the middle.
bool saveOnScreen(QPixmap back, QWidget* dialog, QSize screen, const zk::ScreenProbe& probe, const QString& file)
{
    settle();
    // Both in device pixels, as the screen shows them.
    QPixmap front = dialog->grab();
    back.setDevicePixelRatio(1);
    front.setDevicePixelRatio(1);
    QPixmap shot(screen);
    shot.fill(Qt::darkGray);  // the window frame
    QPainter p(&shot);
    p.drawPixmap(probe.frame.width() / 2, probe.frame.height() - probe.frame.width() / 2, back);
    const QSize size = front.size();
    p.drawPixmap((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2, front);
    p.end();
    return write(shot, file);
}

struct Options {
    QString outDir, gameDir;
    QSize screen;  // empty: the primary screen's
    QByteArray factor;  // empty: the game's own choice
};

bool ParseOptions(int argc, char* argv[], Options& o)
{
    QStringList rest;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if ((a == QLatin1String("--screen") || a == QLatin1String("--factor")) && i + 1 < argc) {
            const QString v = QString::fromLocal8Bit(argv[++i]);
            if (a == QLatin1String("--factor")) {
                bool ok = false;
                if (v.toDouble(&ok) < 1 || !ok)
                    return false;
                o.factor = v.toLatin1();
            } else {
                const auto m = QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(v);
                if (!m.hasMatch())
                    return false;
                o.screen = QSize(m.captured(1).toInt(), m.captured(2).toInt());
            }
        } else {
            rest << a;
        }
    }
    if (rest.isEmpty() || rest.size() > 2)
        return false;
    o.outDir = rest[0];
    o.gameDir = rest.size() > 1 ? rest[1] : QStringLiteral(ZK_GAME_DIR);
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: zkshots OUTDIR [GAMEDIR] [--screen WxH] [--factor F]\n");
        return 2;
    }
    // No sound device is needed for a picture.
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    zk::ScreenProbe probe;
    if (!options.factor.isEmpty()) {
        qputenv("QT_SCALE_FACTOR", options.factor);
    } else if (!options.screen.isEmpty()) {
        probe.available = options.screen;
        const QByteArray chosen = zk::ScaleFactorSetting(qgetenv("QT_SCALE_FACTOR"), {}, &probe);
        if (!chosen.isEmpty())
            qputenv("QT_SCALE_FACTOR", chosen);
    } else {
        zk::ChooseScaleFactor();  // as the game does on start-up
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Зориклад!"));
    zk::InstallFontSubstitutions();
    zk::InstallAppStyle();

    const QString outDir = QDir(options.outDir).absolutePath();
    const QString gameDir = options.gameDir;
    const qreal factor = qApp->devicePixelRatio();
    const QSize screen = !options.screen.isEmpty()
        ? options.screen
        : (QSizeF(QGuiApplication::primaryScreen()->size()) * factor).toSize();
    std::printf("screen %dx%d, factor %g\n", screen.width(), screen.height(), factor);
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
    // The maximised window: the screen less its frame, in logical pixels.
    mainForm.resize((QSizeF(screen - probe.frame) / factor).toSize());
    mainForm.show();
    ok &= save(&mainForm, outDir + QStringLiteral("/form1.png"));
    zk::Guarded([&] { mainForm.StartMainGame(); });
    ok &= save(&mainForm, outDir + QStringLiteral("/form1_game.png"));
    // An answer chosen, waiting for the reveal.
    mainForm.AnswerClick('b');
    mainForm.Timer1->stop();
    ok &= save(&mainForm, outDir + QStringLiteral("/form1_answer.png"));
    const QPixmap gameShot = mainForm.grab();  // behind every dialog

    for (int n = static_cast<int>(zk::FormId::Splash); n <= static_cast<int>(zk::FormId::Authors); ++n) {
        std::unique_ptr<QDialog> form(zk::CreateWindowForShot(static_cast<zk::FormId>(n)));
        if (!form) {
            std::printf("form%d: not in the game yet\n", n);
            continue;
        }
        form->show();
        ok &= save(form.get(), outDir + QStringLiteral("/form%1.png").arg(n));
        ok &= saveOnScreen(gameShot, form.get(), screen, probe, outDir + QStringLiteral("/screen_form%1.png").arg(n));
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
