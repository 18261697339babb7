#pragma once
#include <QString>

namespace zk {

// Plays "music\" + name through the game's one player while sound is on; does nothing
// (not even open the audio device) while it is off.
void PlayCue(const QString& name);
// Stops the cue that is playing while sound is on; "No MCI device open" when none is open.
void StopCue();
// The start-up greeting: a full game path ("music\hello1.wav"), under the same rule.
void PlayCuePath(const QString& gamePath);

}  // namespace zk
