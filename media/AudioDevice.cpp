#include "media/AudioDevice.h"

#include "app/Application.h"
#include "app/Exceptions.h"

#include <QCoreApplication>
#include <SDL.h>
#include <SDL_mixer.h>

namespace {
constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kBufferFrames = 1024;  // about 23 ms a period
}

AudioDevice::AudioDevice() = default;

AudioDevice::~AudioDevice()
{
    if (open_) {
        Mix_ChannelFinished(nullptr);
        Mix_HaltChannel(-1);
        Mix_FreeChunk(carrier_);
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

void AudioDevice::EnsureOpen()
{
    if (open_)
        return;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        throw EMCIDeviceError(QStringLiteral("No audio device is available (%1)").arg(QString::fromUtf8(SDL_GetError())));
    // Exactly this format: SDL converts for the hardware, and decoded clips
    // can be handed to the mixer as they are.
    if (Mix_OpenAudioDevice(kRate, AUDIO_S16SYS, kChannels, kBufferFrames, nullptr, 0) != 0) {
        const QString why = QString::fromUtf8(Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        throw EMCIDeviceError(QStringLiteral("No audio device is available (%1)").arg(why));
    }
    silence_.assign(size_t(kBufferFrames) * kChannels * 2 * 4, 0);
    carrier_ = Mix_QuickLoad_RAW(silence_.data(), Uint32(silence_.size()));
    if (!carrier_) {
        const QString why = QString::fromUtf8(Mix_GetError());
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        throw EMCIDeviceError(QStringLiteral("No audio device is available (%1)").arg(why));
    }
    open_ = true;
    rate_ = kRate;
    channels_ = kChannels;
    bufferFrames_ = kBufferFrames;
    Mix_AllocateChannels(qMax(nextChannel_, 2));
    Mix_ChannelFinished(&AudioDevice::ChannelFinished);
}

int AudioDevice::AllocateChannel(std::function<void()> onFinished)
{
    const int channel = nextChannel_++;
    listeners_[channel] = std::move(onFinished);
    if (open_ && Mix_AllocateChannels(-1) < nextChannel_)
        Mix_AllocateChannels(nextChannel_);
    return channel;
}

void AudioDevice::ReleaseChannel(int channel)
{
    if (open_)
        Mix_HaltChannel(channel);
    listeners_.erase(channel);
}

void AudioDevice::ChannelFinished(int channel)
{
    // No mixer call here: the notice goes to the user-interface thread.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [channel] {
            if (Application)
                Application->Audio().DeliverFinished(channel);
        },
        Qt::QueuedConnection);
}

void AudioDevice::DeliverFinished(int channel)
{
    const auto it = listeners_.find(channel);
    if (it != listeners_.end() && it->second)
        it->second();
}
