#include "platform/mediaplayer.h"

#include "core/errors.h"
#include "core/paths.h"

#include <QFile>
#include <SDL.h>
#include <SDL_mixer.h>

namespace zk {

MediaPlayer::~MediaPlayer()
{
    Close();
    if (deviceOpen_) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

void MediaPlayer::openDevice()
{
    if (deviceOpen_)
        return;
    // Left to itself SDL turns SIGINT and SIGTERM into a quit event that nobody reads, and the
    // game could no longer be ended by a signal (logout, kill).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        throw MediaError(QString::fromUtf8(SDL_GetError()));
    if (Mix_OpenAudio(22050, AUDIO_S16SYS, 1, 1024) != 0) {
        const QString text = QString::fromUtf8(Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        throw MediaError(text);
    }
    Mix_AllocateChannels(1);
    deviceOpen_ = true;
    ++deviceOpens_;
}

void MediaPlayer::Play(const QString& gameName)
{
    Close();
    fileName_ = gameName;
    const QString path = ResolveDataPath(gameName);
    // Ask the file system first so that a missing cue is reported as such, not as a
    // mixer failure about a null stream.
    SDL_RWops* rw = SDL_RWFromFile(QFile::encodeName(path).constData(), "rb");
    if (!rw)
        throw MediaError(QString::fromUtf8(SDL_GetError()));
    try {
        openDevice();
    } catch (...) {
        SDL_RWclose(rw);
        throw;
    }
    chunk_ = Mix_LoadWAV_RW(rw, 1);
    if (!chunk_)
        throw MediaError(QString::fromUtf8(Mix_GetError()));
    // The result of the play request is ignored, as a busy or silent device is no error.
    (void)Mix_PlayChannel(0, chunk_, 0);
    ++plays_;
}

void MediaPlayer::Stop()
{
    if (!chunk_)
        throw MediaError(QStringLiteral("No MCI device open"));
    Mix_HaltChannel(0);
}

void MediaPlayer::Close()
{
    if (!chunk_)
        return;
    Mix_HaltChannel(0);
    Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
}

bool MediaPlayer::isPlaying() const { return chunk_ && deviceOpen_ && Mix_Playing(0) != 0; }

MediaPlayer& Player()
{
    static MediaPlayer player;
    return player;
}

}  // namespace zk
