#include "media/MediaPlayer.h"

#include "app/Application.h"
#include "app/Exceptions.h"
#include "media/AudioDevice.h"
#include "media/ClipDecoder.h"

#include <QWidget>
#include <SDL_mixer.h>

void TMediaPlayer::ChunkDeleter::operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }

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

void TMediaPlayer::Close()
{
    if (channel_ >= 0)
        Mix_HaltChannel(channel_);
    chunk_.reset();  // the chunk goes before the samples it points into
    samples_.clear();
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
    QByteArray samples = DecodeClip(FileName, audio.Rate(), audio.Channels());
    Mix_Chunk* chunk = Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(samples.data()), Uint32(samples.size()));
    if (!chunk) {
        const QString why = QString::fromUtf8(Mix_GetError());
        throw EMCIDeviceError(why.isEmpty() ? QStringLiteral("Unknown error code") : why);
    }
    samples_ = std::move(samples);  // moving keeps the same buffer
    chunk_.reset(chunk);
}

void TMediaPlayer::Play()
{
    if (!chunk_)
        throw EMCIDeviceError(QStringLiteral("No MCI device open"));
    Mix_PlayChannel(channel_, chunk_.get(), 0);  // a refusal is not reported
}

bool TMediaPlayer::Sounding() const { return chunk_ && channel_ >= 0 && Mix_Playing(channel_); }
