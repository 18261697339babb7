#include "platform/mediaplayer.h"

#include "core/errors.h"
#include "core/paths.h"

#include <QCoreApplication>
#include <QFile>
#include <SDL.h>
#include <dlfcn.h>
#include <malloc.h>

#include <cstring>
#include <memory>

namespace zk {

namespace {

// SDL2 is loaded when a cue plays, not with the program: Debian's SDL2 brings PulseAudio,
// libsndfile and its codecs at load time, 3 MB that a game with sound switched off never needs.
// It is unloaded again with the device, when the cues have gone quiet. The names below are
// SDL's own functions, called through this table.
struct SdlFunctions {
    // clang-format off
#define ZK_SDL_FUNCTIONS(X) \
    X(GetError) X(Error) X(SetHint) X(InitSubSystem) X(QuitSubSystem) X(Quit) \
    X(RWFromFile) X(RWclose) X(LoadWAV_RW) X(BuildAudioCVT) X(ConvertAudio) X(malloc) X(free) \
    X(OpenAudioDevice) X(CloseAudioDevice) X(PauseAudioDevice) X(LockAudioDevice) X(UnlockAudioDevice) \
    X(ClearQueuedAudio) X(QueueAudio) X(GetQueuedAudioSize)
    // clang-format on
#define ZK_SDL_POINTER(name) decltype(&::SDL_##name) name = nullptr;
    ZK_SDL_FUNCTIONS(ZK_SDL_POINTER)
#undef ZK_SDL_POINTER
};

// Every load of SDL takes one of the process's thread-local keys (1024 in all) and SDL never
// gives it back, so after this many unloads it stays for the rest of the run.
constexpr int kMaxUnloads = 100;

struct SdlLibrary {
    void* handle = nullptr;
    SdlFunctions functions;
    int unloads = 0;
};

SdlLibrary& Library()
{
    static SdlLibrary library;
    return library;
}

const SdlFunctions& Sdl()
{
    SdlLibrary& library = Library();
    if (library.handle)
        return library.functions;
    void* handle = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        throw MediaError(QString::fromLocal8Bit(dlerror()));
    SdlFunctions found;
    QString missing;
#define ZK_SDL_FIND(name)                                                                \
    found.name = reinterpret_cast<decltype(&::SDL_##name)>(dlsym(handle, "SDL_" #name)); \
    if (!found.name && missing.isEmpty())                                                \
        missing = QString::fromLocal8Bit(dlerror());
    ZK_SDL_FUNCTIONS(ZK_SDL_FIND)
#undef ZK_SDL_FIND
    if (!missing.isEmpty()) {
        dlclose(handle);
        throw MediaError(missing);
    }
    library.functions = found;
    library.handle = handle;
    return library.functions;
}

// Gives SDL back with the libraries it brought, except libpulse and what it holds: libpulse is
// marked never to be unloaded.
void UnloadSdl()
{
    SdlLibrary& library = Library();
    if (!library.handle || library.unloads >= kMaxUnloads)
        return;
    library.functions.Quit();
    dlclose(library.handle);
    library.handle = nullptr;
    ++library.unloads;
    malloc_trim(0);  // what SDL and the sound server's client freed, back to the system
}

[[noreturn]] void ThrowSdlError() { throw MediaError(QString::fromUtf8(Sdl().GetError())); }

struct SdlFree {
    void operator()(Uint8* p) const { Sdl().free(p); }
};
using Samples = std::unique_ptr<Uint8, SdlFree>;

// The whole file in the device's format.
Samples ReadWav(SDL_RWops* rw, const SDL_AudioSpec& device, int& length)
{
    SDL_AudioSpec wav{};
    Uint8* raw = nullptr;
    Uint32 rawLength = 0;
    if (!Sdl().LoadWAV_RW(rw, 1, &wav, &raw, &rawLength))
        ThrowSdlError();
    Samples samples(raw);  // SDL_FreeWAV is SDL_free
    SDL_AudioCVT cvt;
    const int needed =
        Sdl().BuildAudioCVT(&cvt, wav.format, wav.channels, wav.freq, device.format, device.channels, device.freq);
    if (needed < 0)
        ThrowSdlError();
    if (needed == 0) {
        length = static_cast<int>(rawLength);
        return samples;
    }
    // The converter works in place and may need a larger buffer than it returns.
    cvt.len = static_cast<int>(rawLength);
    auto* work = static_cast<Uint8*>(Sdl().malloc(static_cast<size_t>(cvt.len) * cvt.len_mult));
    if (!work) {
        Sdl().Error(SDL_ENOMEM);
        ThrowSdlError();
    }
    Samples converted(work);
    std::memcpy(work, samples.get(), rawLength);
    cvt.buf = work;
    if (Sdl().ConvertAudio(&cvt) != 0)
        ThrowSdlError();
    length = cvt.len_cvt;
    return converted;
}

}  // namespace

MediaPlayer::MediaPlayer() = default;

MediaPlayer::~MediaPlayer()
{
    Close();
    closeDevice();
    delete idle_;
}

void MediaPlayer::closeDevice()
{
    if (idle_)
        idle_->stop();
    if (device_ == 0)
        return;
    Sdl().CloseAudioDevice(device_);
    Sdl().QuitSubSystem(SDL_INIT_AUDIO);
    device_ = 0;
    UnloadSdl();
}

void MediaPlayer::closeWhenIdle(int queuedMs)
{
    if (device_ == 0 || !QCoreApplication::instance())
        return;
    if (!idle_) {
        idle_ = new QTimer(QCoreApplication::instance());
        idle_->setSingleShot(true);
        QObject::connect(idle_, &QTimer::timeout, [this] {
            const Uint32 left = Sdl().GetQueuedAudioSize(device_);
            if (left > 0)
                closeWhenIdle(int(left * 1000 / (kRate * kChannels * 2)));
            else
                closeDevice();
        });
    }
    idle_->start(queuedMs + idleCloseMs_);
}

void MediaPlayer::openDevice()
{
    if (device_ != 0)
        return;
    // Left to itself SDL turns SIGINT and SIGTERM into a quit event that nobody reads, and the
    // game could no longer be ended by a signal (logout, kill).
    Sdl().SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (Sdl().InitSubSystem(SDL_INIT_AUDIO) != 0)
        ThrowSdlError();
    SDL_AudioSpec want{};
    want.freq = kRate;
    want.format = AUDIO_S16SYS;
    want.channels = kChannels;
    want.samples = 1024;
    // No changes allowed: SDL converts to the hardware itself, so every cue is converted once,
    // when it is loaded, to this one format.
    device_ = Sdl().OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (device_ == 0) {
        const QString text = QString::fromUtf8(Sdl().GetError());
        Sdl().QuitSubSystem(SDL_INIT_AUDIO);
        throw MediaError(text);
    }
    Sdl().PauseAudioDevice(device_, 0);  // plays silence while the queue is empty
    ++deviceOpens_;
}

void MediaPlayer::Play(const QString& gameName)
{
    Close();
    fileName_ = gameName;
    const QString path = ResolveDataPath(gameName);
    // Ask the file system first so that a missing cue is reported as such.
    SDL_RWops* rw = Sdl().RWFromFile(QFile::encodeName(path).constData(), "rb");
    if (!rw)
        ThrowSdlError();
    try {
        openDevice();
    } catch (...) {
        Sdl().RWclose(rw);
        throw;
    }
    SDL_AudioSpec device{};
    device.freq = kRate;
    device.format = AUDIO_S16SYS;
    device.channels = kChannels;
    int length = 0;
    const auto samples = ReadWav(rw, device, length);
    // Cut and start in one step, so the device never plays the old cue after the new one.
    Sdl().LockAudioDevice(device_);
    Sdl().ClearQueuedAudio(device_);
    const int queued = Sdl().QueueAudio(device_, samples.get(), static_cast<Uint32>(length));
    Sdl().UnlockAudioDevice(device_);
    if (queued != 0)
        ThrowSdlError();
    open_ = true;
    ++plays_;
    closeWhenIdle(int(qint64(length) * 1000 / (kRate * kChannels * 2)));
}

void MediaPlayer::Stop()
{
    if (!open_)
        throw MediaError(QStringLiteral("No MCI device open"));
    if (device_ != 0)
        Sdl().ClearQueuedAudio(device_);
    closeWhenIdle(0);
}

void MediaPlayer::Close()
{
    if (!open_)
        return;
    if (device_ != 0)
        Sdl().ClearQueuedAudio(device_);
    open_ = false;
    closeWhenIdle(0);
}

bool MediaPlayer::isPlaying() const { return open_ && device_ != 0 && Sdl().GetQueuedAudioSize(device_) > 0; }

MediaPlayer& Player()
{
    static MediaPlayer player;
    return player;
}

}  // namespace zk
