#include "ui/Graphics.h"

#include "app/Exceptions.h"
#include "ui/JPEG.h"

#include <QPainter>
#include <QtEndian>

namespace {

quint32 le32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 le16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }

// A header Windows itself would accept: sizes, planes, depth and compression
// that fit together, and pixel data that lies inside the file.
bool WellFormedBitmapHeader(const QByteArray& b)
{
    constexpr int kFileHeader = 14;
    if (b.size() < kFileHeader + 12 || b[0] != 'B' || b[1] != 'M')
        return false;
    const quint32 offBits = le32(b, 10);
    const quint32 infoSize = le32(b, 14);
    qint64 width = 0, height = 0;
    int planes = 0, bpp = 0;
    quint32 compression = 0;
    if (infoSize == 12) {
        width = le16(b, 18);
        height = le16(b, 20);
        planes = le16(b, 22);
        bpp = le16(b, 24);
    } else if (infoSize == 40 || infoSize == 52 || infoSize == 56 || infoSize == 108 ||
               infoSize == 124) {
        if (b.size() < kFileHeader + int(infoSize))
            return false;
        width = qint32(le32(b, 18));
        height = qint32(le32(b, 22));
        planes = le16(b, 26);
        bpp = le16(b, 28);
        compression = le32(b, 30);
    } else {
        return false;
    }
    if (height < 0)
        height = -height;
    if (width <= 0 || height <= 0 || planes != 1 || width * height > kMaxPicturePixels)
        return false;
    switch (bpp) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return false;
    }
    const bool rle = (compression == 1 && bpp == 8) || (compression == 2 && bpp == 4);
    const bool plain = compression == 0 || (compression == 3 && (bpp == 16 || bpp == 32));
    if (!rle && !plain)
        return false;
    if (offBits < kFileHeader + infoSize || offBits > quint32(b.size()))
        return false;
    if (plain) {
        const qint64 rowBytes = ((width * bpp + 31) / 32) * 4;
        if (offBits + rowBytes * height > b.size())
            return false;
    }
    return true;
}

}  // namespace

void TBitmap::LoadFromBytes(const QByteArray& bytes)
{
    QImage image;
    if (!WellFormedBitmapHeader(bytes) || !image.loadFromData(bytes, "BMP"))
        throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
    image_ = std::move(image);
}

void TBitmap::Draw(QPainter& painter, QPoint at) { painter.drawImage(at, image_); }

void TIcon::LoadFromBytes(const QByteArray& bytes)
{
    QImage image;
    const bool header = bytes.size() >= 6 && bytes[0] == 0 && bytes[1] == 0 && (bytes[2] == 1 || bytes[2] == 2);
    if (!header || !image.loadFromData(bytes, "ICO"))
        throw EInvalidGraphic(QStringLiteral("Icon image is not valid"));
    image_ = std::move(image);
}

void TIcon::Draw(QPainter& painter, QPoint at) { painter.drawImage(at, image_); }

void TMetafile::LoadFromBytes(const QByteArray&)
{
    throw EInvalidGraphic(QStringLiteral("Metafiles cannot be shown on this system"));
}

std::unique_ptr<TGraphic> NewGraphic(const QString& className)
{
    if (className == QLatin1String("TIcon"))
        return std::make_unique<TIcon>();
    if (className == QLatin1String("TMetafile"))
        return std::make_unique<TMetafile>();
    if (className == QLatin1String("TBitmap"))
        return std::make_unique<TBitmap>();
    if (className == QLatin1String("TJPEGImage"))
        return std::make_unique<TJPEGImage>();
    return nullptr;
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic)
{
    graphic_ = std::move(graphic);
    if (OnChange)
        OnChange();
}
