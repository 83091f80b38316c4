#pragma once
// The one audio device of the program, opened when a clip first needs it.
// Each player owns a mixer channel of its own, so clips of different screens
// sound together.

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <vector>

struct Mix_Chunk;

class AudioDevice : public QObject {
    Q_OBJECT
public:
    AudioDevice();
    ~AudioDevice() override;

    // Opens the device if it is not open yet; raises EMCIDeviceError when no
    // device can be had (tried again at the next call).
    void EnsureOpen();
    int Rate() const { return rate_; }
    int Channels() const { return channels_; }
    int BufferFrames() const { return bufferFrames_; }
    // A looping silent chunk: a channel plays it while a player's effect
    // writes the clip's samples over it.
    Mix_Chunk* Carrier() const { return carrier_; }

    // A mixer channel for one player, with what to call (on this thread)
    // when a clip on it ends.
    int AllocateChannel(std::function<void()> onFinished);
    void ReleaseChannel(int channel);

private:
    static void ChannelFinished(int channel);  // called on the audio thread
    void DeliverFinished(int channel);

    bool open_ = false;
    int rate_ = 0;
    int channels_ = 0;
    int bufferFrames_ = 0;
    int nextChannel_ = 0;
    std::vector<unsigned char> silence_;
    Mix_Chunk* carrier_ = nullptr;  // freed before the device closes
    std::map<int, std::function<void()>> listeners_;
};
