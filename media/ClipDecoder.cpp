#include "media/ClipDecoder.h"

#include "app/Exceptions.h"

#include <QFile>
#include <QFileInfo>
#include <mpg123.h>

namespace {

[[noreturn]] void Fail(const QString& text) { throw EMCIDeviceError(text); }

QString Name(const QString& fileName) { return QFileInfo(fileName).fileName(); }

// Enough to sound for two device periods before the rest is decoded.
constexpr qsizetype kStartBytes = 16 * 1024;

}  // namespace

void ClipDecoder::HandleDeleter::operator()(mpg123_handle_struct* h) const
{
    mpg123_close(h);
    mpg123_delete(h);
}

ClipDecoder::ClipDecoder(const QString& fileName, int rate, int channels) : frameBytes_(2 * channels)
{
    QFile file(fileName);
    if (!file.exists())
        Fail(QStringLiteral("The clip file %1 cannot be found").arg(Name(fileName)));
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("The clip file %1 cannot be read: %2").arg(Name(fileName), file.errorString()));
    const QByteArray mp3 = file.readAll();
    file.close();

    int error = MPG123_OK;
    handle_.reset(mpg123_new(nullptr, &error));
    if (!handle_)
        Fail(QStringLiteral("The MP3 decoder cannot start: %1").arg(QString::fromLatin1(mpg123_plain_strerror(error))));
    mpg123_handle* h = handle_.get();
    mpg123_param(h, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    mpg123_param(h, MPG123_RESYNC_LIMIT, 4096, 0);
    // One output format only: the device's; mpg123 resamples and remixes.
    mpg123_format_none(h);
    if (mpg123_format(h, rate, channels == 1 ? MPG123_MONO : MPG123_STEREO, MPG123_ENC_SIGNED_16) != MPG123_OK ||
        mpg123_open_feed(h) != MPG123_OK)
        Fail(QStringLiteral("The MP3 decoder cannot produce the device's format"));
    // The decoder copies what it is fed, so the file's bytes can go now.
    if (mpg123_feed(h, reinterpret_cast<const unsigned char*>(mp3.constData()), size_t(mp3.size())) != MPG123_OK)
        Fail(QStringLiteral("The clip file %1 cannot be decoded").arg(Name(fileName)));

    unsigned char buffer[8192];
    while (start_.size() < kStartBytes) {
        size_t done = 0;
        const int result = mpg123_read(h, buffer, sizeof buffer, &done);
        start_.append(reinterpret_cast<const char*>(buffer), qsizetype(done));
        if (result == MPG123_OK || result == MPG123_NEW_FORMAT)
            continue;
        if (result != MPG123_NEED_MORE && result != MPG123_DONE && start_.isEmpty())
            Fail(QStringLiteral("The clip file %1 is not a playable MP3 file (%2)")
                     .arg(Name(fileName), QString::fromLatin1(mpg123_strerror(h))));
        ended_ = true;
        break;
    }
    // Nothing at all decoded means the file is no MP3.
    if (start_.isEmpty())
        Fail(QStringLiteral("The clip file %1 is not a playable MP3 file").arg(Name(fileName)));
}

ClipDecoder::~ClipDecoder() = default;

QByteArray ClipDecoder::TakeStart() { return std::exchange(start_, QByteArray()); }

bool ClipDecoder::DecodeMore(QByteArray& out, qsizetype bytes)
{
    unsigned char buffer[32768];
    qsizetype added = 0;
    while (!ended_ && added < bytes) {
        size_t done = 0;
        const int result = mpg123_read(handle_.get(), buffer, sizeof buffer, &done);
        out.append(reinterpret_cast<const char*>(buffer), qsizetype(done));
        added += qsizetype(done);
        if (result != MPG123_OK && result != MPG123_NEW_FORMAT)
            ended_ = true;
    }
    return !ended_;
}

qsizetype ClipDecoder::ExpectedBytes() const
{
    const off_t frames = mpg123_length(handle_.get());
    return frames > 0 ? qsizetype(frames) * frameBytes_ : 0;
}
