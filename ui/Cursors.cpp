#include "ui/Cursors.h"

#include "app/Exceptions.h"

#include <QBitmap>
#include <QFile>
#include <QImage>
#include <QList>

namespace {
constexpr int kSize = 32;
constexpr int kHotX = 7;
constexpr int kHotY = 1;
}

QCursor HandCursorFromText(const QByteArray& art)
{
    QList<QByteArray> rows;
    for (const QByteArray& line : art.split('\n'))
        if (!line.isEmpty() && !line.startsWith("# "))
            rows << line.trimmed();
    if (rows.size() != kSize)
        throw EInvalidGraphic(QStringLiteral("Cursor image is not valid"));

    // Black-and-white cursor: bitmap bit set = black, mask bit set = opaque.
    QImage bits(kSize, kSize, QImage::Format_Mono);
    QImage mask(kSize, kSize, QImage::Format_Mono);
    bits.fill(0);
    mask.fill(0);
    for (int y = 0; y < kSize; ++y) {
        if (rows[y].size() != kSize)
            throw EInvalidGraphic(QStringLiteral("Cursor image is not valid"));
        for (int x = 0; x < kSize; ++x) {
            switch (rows[y][x]) {
            case '#': bits.setPixel(x, y, 1); mask.setPixel(x, y, 1); break;
            case 'o': mask.setPixel(x, y, 1); break;
            case '.': break;
            default: throw EInvalidGraphic(QStringLiteral("Cursor image is not valid"));
            }
        }
    }
    return QCursor(QBitmap::fromImage(bits), QBitmap::fromImage(mask), kHotX, kHotY);
}

QCursor LoadHandCursor()
{
    QFile file(QStringLiteral(":/builtin/hand-cursor.txt"));
    if (!file.open(QIODevice::ReadOnly))
        throw EResNotFound(QStringLiteral("Resource hand-cursor.txt not found"));
    return HandCursorFromText(file.readAll());
}
