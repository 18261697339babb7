#pragma once
#include <QPointer>
#include <QString>
#include <QTimer>

#include <cstdint>

namespace zk {

// The one player of the game's sound cues: one channel, a new cue cuts the old one off,
// playback runs on its own. The audio device is opened only when the first cue plays,
// so a game with sound switched off never touches it, and closed again, with SDL unloaded, once
// no cue has sounded for a while: an open device keeps SDL's audio thread waking the processor
// (and, on a desktop, a sound server stream open) through every silent minute at the main
// window, and SDL with its libraries holds 2 MB.
class MediaPlayer {
public:
    // The device plays what the cues are recorded in; other WAV files are converted to it.
    static constexpr int kRate = 22050;
    static constexpr int kChannels = 1;
    // How long the device stays open after the last cue ended: the cues of a reveal follow
    // each other within this, so only a pause closes it. Opening it again takes milliseconds.
    static constexpr int kIdleCloseMs = 5000;

    MediaPlayer();
    ~MediaPlayer();
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    // Closes the open cue (silencing it), opens the file and starts it without waiting.
    // Throws MediaError with SDL's own words when the cue cannot be opened.
    void Play(const QString& gameName);
    // Stops the cue, leaving it open; "No MCI device open" when none is open.
    void Stop();
    void Close();

    bool isOpen() const { return open_; }
    bool isPlaying() const;
    QString fileName() const { return fileName_; }
    // How many times the device was opened and cues were started (tests).
    int deviceOpens() const { return deviceOpens_; }
    int plays() const { return plays_; }
    bool deviceIsOpen() const { return device_ != 0; }
    void setIdleCloseMs(int ms) { idleCloseMs_ = ms; }

private:
    void openDevice();
    void closeDevice();
    // Closes the device once the queue has run dry and `idleCloseMs_` more have passed.
    void closeWhenIdle(int queuedMs);

    std::uint32_t device_ = 0;  // SDL_AudioDeviceID; 0 while closed
    bool open_ = false;
    QString fileName_;
    int deviceOpens_ = 0;
    int plays_ = 0;
    int idleCloseMs_ = kIdleCloseMs;
    QPointer<QTimer> idle_;  // a child of the application object, which may go first
};

// The game's player (owned for the whole run).
MediaPlayer& Player();

}  // namespace zk
