#include "media/ClipDecoder.h"

#include "app/Exceptions.h"

#include <QFile>
#include <QFileInfo>
#include <memory>
#include <mpg123.h>

namespace {

struct HandleDeleter {
    void operator()(mpg123_handle* h) const
    {
        mpg123_close(h);
        mpg123_delete(h);
    }
};
using Handle = std::unique_ptr<mpg123_handle, HandleDeleter>;

[[noreturn]] void Fail(const QString& text) { throw EMCIDeviceError(text); }

QString Name(const QString& fileName) { return QFileInfo(fileName).fileName(); }

}  // namespace

QByteArray DecodeClip(const QString& fileName, int rate, int channels)
{
    QFile file(fileName);
    if (!file.exists())
        Fail(QStringLiteral("The clip file %1 cannot be found").arg(Name(fileName)));
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("The clip file %1 cannot be read: %2").arg(Name(fileName), file.errorString()));
    const QByteArray mp3 = file.readAll();
    file.close();

    int error = MPG123_OK;
    Handle handle(mpg123_new(nullptr, &error));
    if (!handle)
        Fail(QStringLiteral("The MP3 decoder cannot start: %1").arg(QString::fromLatin1(mpg123_plain_strerror(error))));
    mpg123_param(handle.get(), MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    mpg123_param(handle.get(), MPG123_RESYNC_LIMIT, 4096, 0);
    // One output format only: the device's; mpg123 resamples and remixes.
    mpg123_format_none(handle.get());
    if (mpg123_format(handle.get(), rate, channels == 1 ? MPG123_MONO : MPG123_STEREO, MPG123_ENC_SIGNED_16) !=
            MPG123_OK ||
        mpg123_open_feed(handle.get()) != MPG123_OK)
        Fail(QStringLiteral("The MP3 decoder cannot produce the device's format"));
    if (mpg123_feed(handle.get(), reinterpret_cast<const unsigned char*>(mp3.constData()), size_t(mp3.size())) !=
        MPG123_OK)
        Fail(QStringLiteral("The clip file %1 cannot be decoded").arg(Name(fileName)));

    QByteArray pcm;
    unsigned char buffer[32768];
    for (;;) {
        size_t done = 0;
        const int result = mpg123_read(handle.get(), buffer, sizeof buffer, &done);
        pcm.append(reinterpret_cast<const char*>(buffer), qsizetype(done));
        if (result == MPG123_OK || result == MPG123_NEW_FORMAT)
            continue;
        if (result == MPG123_NEED_MORE || result == MPG123_DONE)
            break;
        // A damaged frame later in a clip ends it there; nothing at all
        // decoded means the file is no MP3.
        if (pcm.isEmpty())
            Fail(QStringLiteral("The clip file %1 is not a playable MP3 file (%2)")
                     .arg(Name(fileName), QString::fromLatin1(mpg123_strerror(handle.get()))));
        break;
    }
    if (pcm.isEmpty())
        Fail(QStringLiteral("The clip file %1 is not a playable MP3 file").arg(Name(fileName)));
    return pcm;
}
