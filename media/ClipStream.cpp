#include "media/ClipStream.h"

#include <cstring>

ClipStream::ClipStream(const QString& fileName, int rate, int channels) : decoder_(fileName, rate, channels)
{
    samples_ = decoder_.TakeStart();
    // Room for the whole clip when the stream tells its length, so the
    // audio thread never waits on a large copy.
    samples_.reserve(qMax(decoder_.ExpectedBytes(), samples_.size()));
    worker_ = std::thread(&ClipStream::DecodeRest, this);
}

ClipStream::~ClipStream()
{
    stop_ = true;
    worker_.join();
}

void ClipStream::DecodeRest()
{
    QByteArray piece;
    bool more = true;
    while (more && !stop_) {
        piece.clear();
        more = decoder_.DecodeMore(piece, 64 * 1024);
        const std::lock_guard<std::mutex> lock(mutex_);
        samples_.append(piece);
    }
    const std::lock_guard<std::mutex> lock(mutex_);
    complete_ = true;
}

bool ClipStream::Read(unsigned char* out, int length)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    const qsizetype n = qMin(qsizetype(length), samples_.size() - position_);
    std::memcpy(out, samples_.constData() + position_, size_t(n));
    std::memset(out + n, 0, size_t(length - n));
    position_ += n;
    return !(complete_ && position_ == samples_.size());
}

void ClipStream::Rewind()
{
    const std::lock_guard<std::mutex> lock(mutex_);
    position_ = 0;
}
