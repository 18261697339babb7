#pragma once
#include <QString>

namespace zk {

// Where a run of the game reads and writes. A game folder (build/game, the unpacked
// archive) keeps everything where it always has: data and best.dat in the working
// directory, the ini file beside the program. An installed game reads its data from the
// installed, read-only folder and keeps best.dat and the ini file in the player's own
// folder, which becomes the working directory.
struct GameFolders {
    bool installed = false;
    QString dataFolder;  // installed only: Text, Graph, music and the default best.dat
    QString playerFolder;  // installed only: $XDG_DATA_HOME/zoriklad
};

// programPath: the program's own full path. dataFromProgram: the installed data folder
// relative to the program's folder ("../share/games/zoriklad"); the game counts as
// installed when that folder holds the questions. xdgDataHome and home come from the
// environment; a relative XDG_DATA_HOME is ignored, as the XDG rules ask.
GameFolders ChooseGameFolders(const QString& programPath, const QString& dataFromProgram, const QString& xdgDataHome,
                              const QString& home);

// For an installed game: creates the player's folder and puts the default best.dat in it
// when the player has none; then makes that folder the working directory and points the
// data paths and the ini file at their folders. Does nothing for a game folder. Returns
// false when the player's folder cannot be made or entered (the game then reports the
// failing file operations as usual).
bool EnterGameFolders(const GameFolders& folders);

}  // namespace zk
