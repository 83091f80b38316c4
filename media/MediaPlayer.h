#pragma once

#include "media/ClipStream.h"
#include "ui/Controls.h"

#include <atomic>
#include <memory>

// A screen's clip player. It is never shown: its stored rectangle and tab
// order are kept but have no visible effect. Each player has a mixer channel
// of its own.
class TMediaPlayer : public TWinControl {
    Q_OBJECT
public:
    explicit TMediaPlayer(TForm& owner);
    ~TMediaPlayer() override;

    QString FileName;  // the clip to open; assigning it does nothing else

    // Closes (and so silences) the clip that is open, then opens FileName;
    // raises EMCIDeviceError when it cannot be opened.
    void Open();
    // Starts the opened clip from its beginning and returns at once.
    void Play();
    void Close();
    bool IsOpen() const { return stream_ != nullptr; }
    bool Sounding() const;
    // Clip ends reported so far (the completion notice; nothing else follows).
    int Notifications() const { return notifications_; }

signals:
    void Notify();

private:
    // The channel's effect, on the audio thread: the clip over the carrier.
    static void MixClip(int channel, void* stream, int length, void* player);
    void Halt();

    int channel_ = -1;
    std::unique_ptr<ClipStream> stream_;  // read by the mixer only while the channel plays
    std::atomic<int> playing_{0};         // which Play the mixer is sounding
    std::atomic<bool> endPosted_{false};
    int notifications_ = 0;
};
