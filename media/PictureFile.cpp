// Loading a page picture from a named file into a TPicture.

#include "app/Exceptions.h"
#include "ui/Graphics.h"

#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The characters after the last ".", unless a path separator follows it.
QString ExtensionOf(const QString& name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return QString();
    const QString after = name.mid(dot + 1);
    for (const QChar c : after)
        if (c == u'\\' || c == u':' || c == u'/')
            return QString();
    return after;
}

// The picture file kinds, searched from the last row to the first.
QString KindForExtension(const QString& extension)
{
    static const char* const rows[][2] = {
        {"wmf", "TMetafile"}, {"emf", "TMetafile"}, {"ico", "TIcon"},
        {"bmp", "TBitmap"},   {"jpeg", "TJPEGImage"}, {"jpg", "TJPEGImage"},
    };
    const QString lower = extension.toLower();
    for (int row = int(std::size(rows)) - 1; row >= 0; --row)
        if (lower == QLatin1String(rows[row][0]))
            return QLatin1String(rows[row][1]);
    return QString();
}

// The system's text for an error, without trailing blanks, control
// characters and full stops.
QString SystemText(int error)
{
    QString text = QString::fromLocal8Bit(std::strerror(error));
    while (!text.isEmpty() && (text.back().isSpace() || text.back() < u' ' || text.back() == u'.'))
        text.chop(1);
    return text;
}

class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString& name) : fd_(::open(QFile::encodeName(name).constData(), O_RDONLY | O_CLOEXEC)) {}
    ~ReadOnlyFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    int Descriptor() const { return fd_; }

private:
    int fd_;
};

[[noreturn]] void CannotOpen(const QString& name, int error)
{
    throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2")
                          .arg(QFileInfo(name).absoluteFilePath(), SystemText(error)));
}

// The whole file in one go; fewer bytes than it holds is a read error.
QByteArray ReadWhole(const QString& name)
{
    const ReadOnlyFile file(name);
    if (file.Descriptor() < 0)
        CannotOpen(name, errno);
    struct stat info {};
    if (::fstat(file.Descriptor(), &info) != 0)
        CannotOpen(name, errno);
    if (S_ISDIR(info.st_mode))
        CannotOpen(name, EISDIR);
    if (info.st_size < 0 || info.st_size > (qint64(1) << 30))
        throw EReadError(QStringLiteral("Stream read error"));
    QByteArray bytes(qsizetype(info.st_size), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(file.Descriptor(), bytes.data() + done, size_t(bytes.size() - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            throw EReadError(QStringLiteral("Stream read error"));
        done += got;
    }
    return bytes;
}

}  // namespace

void TPicture::LoadFromFile(const QString& fileName)
{
    const QString extension = ExtensionOf(fileName);
    std::unique_ptr<TGraphic> graphic = NewGraphic(KindForExtension(extension));
    if (!graphic)
        throw EInvalidGraphic(QStringLiteral("Unknown picture file extension (.%1)").arg(extension));
    graphic->LoadFromBytes(ReadWhole(fileName));
    SetGraphic(std::move(graphic));
}
