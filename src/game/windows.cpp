#include "game/windows.h"

#include "platform/errorbox.h"

#include <QDialog>
#include <memory>

// Each window's header is included here as it joins the game.
#include "game/Unit2.h"
#include "lifelines/Unit3.h"
#include "lifelines/Unit4.h"
#include "lifelines/Unit5.h"
#include "settings/Unit9.h"
#include "qualifying/Unit6.h"
#include "results/Unit7.h"
#include "results/Unit8.h"
#include "results/Unit10.h"
#include "settings/Unit11.h"
#include "settings/Unit12.h"
#include "settings/Unit13.h"
#include "settings/Unit14.h"

namespace zk {
namespace {
OpenModalHook g_hook;

// Makes a new instance of a window; nullptr for one the game does not have yet.
QDialog* CreateForm(FormId id, QWidget* owner)
{
    switch (id) {
    case FormId::Splash: return new TForm2(owner);
    case FormId::Qualifying: return new TForm6(owner);
    case FormId::Audience: return new TForm3(owner);
    case FormId::Friend: return new TForm4(owner);
    case FormId::Fifty: return new TForm5(owner);
    case FormId::Settings: return new TForm9(owner);
    case FormId::Millionaire: return new TForm7(owner);
    case FormId::Winnings: return new TForm8(owner);
    case FormId::TopTen: return new TForm10(owner);
    case FormId::Advert: return new TForm11(owner);
    case FormId::Rules: return new TForm12(owner);
    case FormId::About: return new TForm13(owner);
    case FormId::Authors: return new TForm14(owner);
    default: return nullptr;
    }
}
}  // namespace

void SetOpenModalHook(OpenModalHook hook) { g_hook = std::move(hook); }

int OpenModal(FormId id)
{
    if (g_hook && g_hook(id))
        return 0;
    std::unique_ptr<QDialog> form(CreateForm(id, nullptr));
    if (!form)
        return 0;
    return form->exec();
}

QDialog* CreateWindowForShot(FormId id) { return CreateForm(id, nullptr); }

void CreateStartupInstances(QWidget* owner)
{
    for (int n = static_cast<int>(FormId::Splash); n <= static_cast<int>(FormId::Authors); ++n) {
        // The splash is the main window's own business; it is never made twice.
        if (n == static_cast<int>(FormId::Splash))
            continue;
        // Nothing ever shows these instances, so each goes as soon as its creation handler
        // has run: holding twelve windows with their pictures decoded would only cost memory.
        Guarded([&] { delete CreateForm(static_cast<FormId>(n), owner); });
    }
}

}  // namespace zk
