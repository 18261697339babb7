#include "platform/mediaplayer.h"

#include "core/errors.h"
#include "core/paths.h"

#include <QFile>
#include <SDL.h>

#include <memory>

namespace zk {

namespace {

[[noreturn]] void ThrowSdlError() { throw MediaError(QString::fromUtf8(SDL_GetError())); }

struct SdlFree {
    void operator()(Uint8* p) const { SDL_free(p); }
};
using Samples = std::unique_ptr<Uint8, SdlFree>;

// The whole file in the device's format.
Samples ReadWav(SDL_RWops* rw, const SDL_AudioSpec& device, int& length)
{
    SDL_AudioSpec spec{};
    Uint8* raw = nullptr;
    Uint32 rawLength = 0;
    if (!SDL_LoadWAV_RW(rw, 1, &spec, &raw, &rawLength))
        ThrowSdlError();
    Samples samples(raw);  // SDL_FreeWAV is SDL_free
    SDL_AudioCVT cvt;
    const int needed =
        SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, device.format, device.channels, device.freq);
    if (needed < 0)
        ThrowSdlError();
    if (needed == 0) {
        length = static_cast<int>(rawLength);
        return samples;
    }
    // The converter works in place and may need a larger buffer than it returns.
    cvt.len = static_cast<int>(rawLength);
    auto* work = static_cast<Uint8*>(SDL_malloc(static_cast<size_t>(cvt.len) * cvt.len_mult));
    if (!work) {
        SDL_OutOfMemory();
        ThrowSdlError();
    }
    Samples converted(work);
    SDL_memcpy(work, samples.get(), rawLength);
    cvt.buf = work;
    if (SDL_ConvertAudio(&cvt) != 0)
        ThrowSdlError();
    length = cvt.len_cvt;
    return converted;
}

}  // namespace

MediaPlayer::~MediaPlayer()
{
    Close();
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

void MediaPlayer::openDevice()
{
    if (device_ != 0)
        return;
    // Left to itself SDL turns SIGINT and SIGTERM into a quit event that nobody reads, and the
    // game could no longer be ended by a signal (logout, kill).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        ThrowSdlError();
    SDL_AudioSpec want{};
    want.freq = kRate;
    want.format = AUDIO_S16SYS;
    want.channels = kChannels;
    want.samples = 1024;
    // No changes allowed: SDL converts to the hardware itself, so every cue is converted once,
    // when it is loaded, to this one format.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (device_ == 0) {
        const QString text = QString::fromUtf8(SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        throw MediaError(text);
    }
    SDL_PauseAudioDevice(device_, 0);  // plays silence while the queue is empty
    ++deviceOpens_;
}

void MediaPlayer::Play(const QString& gameName)
{
    Close();
    fileName_ = gameName;
    const QString path = ResolveDataPath(gameName);
    // Ask the file system first so that a missing cue is reported as such.
    SDL_RWops* rw = SDL_RWFromFile(QFile::encodeName(path).constData(), "rb");
    if (!rw)
        ThrowSdlError();
    try {
        openDevice();
    } catch (...) {
        SDL_RWclose(rw);
        throw;
    }
    SDL_AudioSpec device{};
    device.freq = kRate;
    device.format = AUDIO_S16SYS;
    device.channels = kChannels;
    int length = 0;
    const auto samples = ReadWav(rw, device, length);
    // Cut and start in one step, so the device never plays the old cue after the new one.
    SDL_LockAudioDevice(device_);
    SDL_ClearQueuedAudio(device_);
    const int queued = SDL_QueueAudio(device_, samples.get(), static_cast<Uint32>(length));
    SDL_UnlockAudioDevice(device_);
    if (queued != 0)
        ThrowSdlError();
    open_ = true;
    ++plays_;
}

void MediaPlayer::Stop()
{
    if (!open_)
        throw MediaError(QStringLiteral("No MCI device open"));
    SDL_ClearQueuedAudio(device_);
}

void MediaPlayer::Close()
{
    if (!open_)
        return;
    SDL_ClearQueuedAudio(device_);
    open_ = false;
}

bool MediaPlayer::isPlaying() const { return open_ && SDL_GetQueuedAudioSize(device_) > 0; }

MediaPlayer& Player()
{
    static MediaPlayer player;
    return player;
}

}  // namespace zk
