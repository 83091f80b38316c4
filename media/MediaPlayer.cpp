#include "media/MediaPlayer.h"

#include "app/Application.h"
#include "app/Exceptions.h"
#include "media/AudioDevice.h"

#include <QWidget>
#include <SDL_mixer.h>

TMediaPlayer::TMediaPlayer(TForm& owner) : TWinControl(owner, std::make_unique<QWidget>())
{
    Widget()->setFocusPolicy(Qt::NoFocus);
    SetBounds(0, 0, 253, 30);
}

TMediaPlayer::~TMediaPlayer()
{
    Close();
    if (channel_ >= 0 && Application)
        Application->Audio().ReleaseChannel(channel_);
}

void TMediaPlayer::Halt()
{
    ++playing_;  // an end noticed for the clip halted here is stale
    if (channel_ >= 0) {
        Mix_HaltChannel(channel_);  // takes the mixer's lock: no effect runs after it
        Mix_UnregisterAllEffects(channel_);
    }
}

void TMediaPlayer::Close()
{
    Halt();
    stream_.reset();
}

void TMediaPlayer::Open()
{
    Close();
    AudioDevice& audio = Application->Audio();
    audio.EnsureOpen();
    if (channel_ < 0) {
        channel_ = audio.AllocateChannel([this] {
            ++notifications_;
            emit Notify();
        });
    }
    stream_ = std::make_unique<ClipStream>(FileName, audio.Rate(), audio.Channels());
}

void TMediaPlayer::Play()
{
    if (!stream_)
        throw EMCIDeviceError(QStringLiteral("No MCI device open"));
    Halt();
    stream_->Rewind();
    endPosted_ = false;
    // The effect first, while the channel is silent, so the first period
    // mixed already carries the clip. A refusal is not reported.
    Mix_RegisterEffect(channel_, &TMediaPlayer::MixClip, nullptr, this);
    Mix_PlayChannel(channel_, Application->Audio().Carrier(), -1);
}

void TMediaPlayer::MixClip(int, void* stream, int length, void* player)
{
    auto* self = static_cast<TMediaPlayer*>(player);
    if (self->stream_->Read(static_cast<unsigned char*>(stream), length) || self->endPosted_.exchange(true))
        return;
    // The clip has been given whole: the channel is halted on the
    // user-interface thread (no mixer call here), which brings the notice.
    const int which = self->playing_;
    QMetaObject::invokeMethod(
        self,
        [self, which] {
            if (which == self->playing_)
                self->Halt();
        },
        Qt::QueuedConnection);
}

bool TMediaPlayer::Sounding() const { return stream_ && channel_ >= 0 && Mix_Playing(channel_); }
