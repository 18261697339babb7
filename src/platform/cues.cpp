#include "platform/cues.h"

#include "core/gamestate.h"
#include "platform/mediaplayer.h"

namespace zk {

void PlayCuePath(const QString& gamePath)
{
    if (Game().SoundOn == 0)
        return;
    Player().Play(gamePath);
}

void PlayCue(const QString& name) { PlayCuePath(QStringLiteral("music\\") + name); }

void StopCue()
{
    if (Game().SoundOn == 0)
        return;
    Player().Stop();
}

}  // namespace zk
