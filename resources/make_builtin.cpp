// Draws the program's built-in pictures: the home screen's start picture, the
// word study screen's start bitmap, the text reading screen's cover and the
// window icon. Run by the build; writes into the directory given.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>
#include <cstdio>

namespace {

const QString kSong = QStringLiteral("AR PL UMing CN");
const QString kSans = QStringLiteral("DejaVu Sans");

QFont Font(const QString& family, int pixels, bool bold = true)
{
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

void Kid(QPainter& p, QPointF at, QColor shirt, QColor hair, bool waving)
{
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(shirt);
    p.drawRoundedRect(QRectF(at.x() - 28, at.y() + 38, 56, 70), 12, 12);
    p.setBrush(QColor(255, 224, 189));
    p.drawEllipse(at + QPointF(0, 8), 32, 32);
    p.setBrush(hair);
    p.drawChord(QRectF(at.x() - 33, at.y() - 25, 66, 50), 0, 180 * 16);
    p.setBrush(Qt::black);
    p.drawEllipse(at + QPointF(-11, 8), 3.5, 3.5);
    p.drawEllipse(at + QPointF(11, 8), 3.5, 3.5);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(at.x() - 12, at.y() + 10, 24, 16), 200 * 16, 140 * 16);
    p.setPen(QPen(QColor(255, 224, 189), 9, Qt::SolidLine, Qt::RoundCap));
    if (waving)
        p.drawLine(at + QPointF(26, 48), at + QPointF(52, 10));
    else
        p.drawLine(at + QPointF(26, 48), at + QPointF(44, 88));
    p.drawLine(at + QPointF(-26, 48), at + QPointF(-44, 88));
    p.setPen(QPen(QColor(60, 60, 120), 10, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at + QPointF(-12, 110), at + QPointF(-14, 140));
    p.drawLine(at + QPointF(12, 110), at + QPointF(14, 140));
}

void Bubble(QPainter& p, QRectF box, QPointF tail, const QString& text)
{
    QPainterPath path;
    path.addRoundedRect(box, 14, 14);
    QPainterPath pointer;
    pointer.moveTo(box.center().x() - 10, box.bottom() - 2);
    pointer.lineTo(tail);
    pointer.lineTo(box.center().x() + 10, box.bottom() - 2);
    pointer.closeSubpath();
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::white);
    p.drawPath(path.united(pointer));
    p.setFont(Font(kSans, 22));
    p.drawText(box, Qt::AlignCenter, text);
}

QImage HomePicture()
{
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 420);
    sky.setColorAt(0, QColor(120, 190, 255));
    sky.setColorAt(1, QColor(225, 245, 255));
    p.fillRect(image.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 214, 40));
    p.drawEllipse(QPointF(690, 70), 46, 46);
    p.setBrush(QColor(110, 200, 90));
    p.drawEllipse(QRectF(-200, 380, 700, 400));
    p.setBrush(QColor(80, 180, 70));
    p.drawEllipse(QRectF(300, 400, 800, 400));

    // The unit's board: its goals and its word list.
    p.setPen(QPen(QColor(120, 80, 30), 6));
    p.setBrush(QColor(255, 252, 235));
    p.drawRoundedRect(QRectF(24, 24, 360, 420), 18, 18);
    p.setPen(QColor(200, 40, 40));
    p.setFont(Font(kSans, 34));
    p.drawText(QRectF(24, 36, 360, 44), Qt::AlignCenter, QStringLiteral("Unit 1  Hello!"));
    p.setPen(QColor(30, 30, 120));
    p.setFont(Font(kSong, 20));
    p.drawText(QRectF(48, 92, 320, 30), QStringLiteral("学习目标："));
    p.setFont(Font(kSong, 18, false));
    p.drawText(QRectF(60, 122, 320, 26), QStringLiteral("1. 会用英语问候同学"));
    p.drawText(QRectF(60, 148, 320, 26), QStringLiteral("2. 会介绍自己的名字"));
    p.setFont(Font(kSong, 20));
    p.drawText(QRectF(48, 186, 320, 30), QStringLiteral("单词表："));
    const char* words[] = {"hello", "hi", "goodbye", "bye", "I'm", "Miss", "Mr", "class"};
    p.setFont(Font(kSans, 24));
    for (int i = 0; i < 8; ++i) {
        const QRectF cell(60 + (i % 2) * 160, 222 + (i / 2) * 52, 150, 44);
        p.setPen(QPen(QColor(250, 160, 40), 2));
        p.setBrush(QColor(255, 236, 190));
        p.drawRoundedRect(cell, 10, 10);
        p.setPen(QColor(20, 90, 40));
        p.drawText(cell, Qt::AlignCenter, QString::fromLatin1(words[i]));
    }

    Kid(p, QPointF(470, 300), QColor(230, 70, 70), QColor(90, 50, 20), true);
    Kid(p, QPointF(620, 310), QColor(70, 120, 230), QColor(30, 30, 30), false);
    Bubble(p, QRectF(410, 170, 130, 56), QPointF(470, 262), QStringLiteral("Hello!"));
    Bubble(p, QRectF(560, 180, 170, 56), QPointF(615, 272), QStringLiteral("Hi, I'm Ben."));
    p.setPen(QColor(255, 255, 255));
    p.setFont(Font(kSong, 28));
    p.drawText(QRectF(400, 500, 340, 50), Qt::AlignCenter, QStringLiteral("快乐学英语"));
    return image;
}

QImage WordPicture()
{
    QImage image(800, 600, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wall(0, 0, 0, 600);
    wall.setColorAt(0, QColor(255, 245, 220));
    wall.setColorAt(1, QColor(255, 225, 180));
    p.fillRect(image.rect(), wall);
    p.setPen(QColor(200, 60, 40));
    p.setFont(Font(kSong, 56));
    p.drawText(QRectF(0, 60, 748, 80), Qt::AlignCenter, QStringLiteral("单词学习"));
    p.setPen(QColor(60, 60, 60));
    p.setFont(Font(kSong, 26, false));
    p.drawText(QRectF(0, 150, 748, 40), Qt::AlignCenter, QStringLiteral("请在右边选择单元"));
    // Letter blocks on a desk.
    p.setBrush(QColor(160, 100, 50));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(40, 470, 680, 40));
    const QColor colours[] = {QColor(230, 60, 60), QColor(60, 160, 60), QColor(60, 100, 220),
                              QColor(240, 170, 30), QColor(160, 70, 200)};
    const char letters[] = "ABCDE";
    p.setFont(Font(kSans, 60));
    for (int i = 0; i < 5; ++i) {
        const QRectF block(90 + i * 120, 370, 100, 100);
        p.setPen(QPen(Qt::black, 3));
        p.setBrush(colours[i]);
        p.drawRoundedRect(block, 10, 10);
        p.setPen(Qt::white);
        p.drawText(block, Qt::AlignCenter, QString(QLatin1Char(letters[i])));
    }
    // A pencil.
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(250, 210, 50));
    p.drawRect(QRectF(150, 260, 360, 40));
    p.setBrush(QColor(255, 200, 160));
    const QPointF tip[] = {QPointF(510, 260), QPointF(560, 280), QPointF(510, 300)};
    p.drawPolygon(tip, 3);
    p.setBrush(QColor(240, 120, 140));
    p.drawRect(QRectF(120, 260, 30, 40));
    return image;
}

QImage CoverPicture()
{
    QImage image(800, 1133, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient back(0, 0, 0, 1133);
    back.setColorAt(0, QColor(40, 130, 220));
    back.setColorAt(1, QColor(140, 210, 255));
    p.fillRect(image.rect(), back);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(QPointF(90 + i * 130, 80 + (i % 2) * 40), 60, 60);
    p.setPen(Qt::white);
    p.setFont(Font(kSans, 110));
    p.drawText(QRectF(0, 90, 748, 140), Qt::AlignCenter, QStringLiteral("English"));
    p.setBrush(QColor(255, 200, 40));
    p.setPen(QPen(Qt::white, 6));
    p.drawEllipse(QPointF(374, 330), 90, 90);
    p.setPen(QColor(200, 40, 40));
    p.setFont(Font(kSans, 90));
    p.drawText(QRectF(284, 270, 180, 120), Qt::AlignCenter, QStringLiteral("3A"));
    p.setPen(Qt::white);
    p.setFont(Font(kSong, 40));
    p.drawText(QRectF(0, 440, 748, 60), Qt::AlignCenter, QStringLiteral("小学英语  三年级上册"));
    Kid(p, QPointF(250, 510), QColor(240, 90, 90), QColor(80, 40, 10), true);
    Kid(p, QPointF(500, 520), QColor(90, 200, 120), QColor(20, 20, 20), true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 190, 80));
    p.drawRect(QRectF(0, 900, 800, 233));
    p.setPen(Qt::white);
    p.setFont(Font(kSong, 30, false));
    p.drawText(QRectF(0, 1000, 800, 60), Qt::AlignCenter, QStringLiteral("点读版"));
    return image;
}

bool WriteJpeg(const QImage& image, const QString& path)
{
    QImage picture = image;
    picture.setDotsPerMeterX(3780);  // 96 dots per inch
    picture.setDotsPerMeterY(3780);
    QImageWriter writer(path, "jpeg");
    writer.setQuality(85);
    return writer.write(picture.convertToFormat(QImage::Format_RGB888));
}

void PutLe32(QByteArray& b, quint32 v) { b.append(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 4); }
void PutLe16(QByteArray& b, quint16 v) { b.append(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 2); }

QByteArray InfoHeader(int width, int height, int bpp, quint32 imageSize)
{
    QByteArray b;
    PutLe32(b, 40);
    PutLe32(b, quint32(width));
    PutLe32(b, quint32(height));
    PutLe16(b, 1);
    PutLe16(b, quint16(bpp));
    PutLe32(b, 0);  // uncompressed
    PutLe32(b, imageSize);
    PutLe32(b, 3780);
    PutLe32(b, 3780);
    PutLe32(b, bpp <= 8 ? (1u << bpp) : 0);
    PutLe32(b, 0);
    return b;
}

// 24 bits a pixel, rows bottom-up, as the classic desktop writes them.
bool WriteBmp(const QImage& image, const QString& path)
{
    const int rowBytes = (image.width() * 3 + 3) & ~3;
    const quint32 pixels = quint32(rowBytes * image.height());
    QByteArray b("BM");
    PutLe32(b, 14 + 40 + pixels);
    PutLe32(b, 0);
    PutLe32(b, 14 + 40);
    b += InfoHeader(image.width(), image.height(), 24, pixels);
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            row[3 * x] = char(qBlue(line[x]));
            row[3 * x + 1] = char(qGreen(line[x]));
            row[3 * x + 2] = char(qRed(line[x]));
        }
        b += row;
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(b) == b.size();
}

// 16x16, 16 colours (the classic palette), with a transparency mask.
bool WriteIcon(const QString& path)
{
    static const QRgb palette[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                     0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                     0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    // An open book with a red "A".
    static const char* art[16] = {
        "................", "................", ".KKKKKK..KKKKKK.", "KWWWWWWKKWWWWWWK",
        "KWRRWWWKKWBBBBWK", "KWRWRWWKKWWWWWWK", "KWRRRWWKKWBBBWWK", "KWRWRWWKKWWWWWWK",
        "KWRWRWWKKWBBBBWK", "KWWWWWWKKWWWWWWK", "KWBBBBWKKWBBBWWK", "KWWWWWWKKWWWWWWK",
        "KWWWWWWKKWWWWWWK", ".KKKKKKKKKKKKKK.", "......KKKK......", "................"};
    auto index = [](char c) {
        switch (c) {
        case 'K': return 0;
        case 'R': return 9;
        case 'B': return 12;
        case 'W': return 15;
        default: return 0;
        }
    };
    QByteArray bits;  // rows bottom-up, 4 bits a pixel
    QByteArray mask;  // rows bottom-up, 1 bit a pixel, set = see-through
    for (int y = 15; y >= 0; --y) {
        for (int x = 0; x < 16; x += 2)
            bits.append(char((index(art[y][x]) << 4) | index(art[y][x + 1])));
        quint32 row = 0;
        for (int x = 0; x < 16; ++x)
            if (art[y][x] == '.')
                row |= 0x80000000u >> x;
        const char m[4] = {char(row >> 24), char(row >> 16), 0, 0};
        mask.append(m, 4);
    }
    QByteArray image = InfoHeader(16, 32, 4, quint32(bits.size() + mask.size()));
    for (QRgb c : palette) {
        const char entry[4] = {char(qBlue(c)), char(qGreen(c)), char(qRed(c)), 0};
        image.append(entry, 4);
    }
    image += bits + mask;
    QByteArray file;
    PutLe16(file, 0);
    PutLe16(file, 1);  // icon
    PutLe16(file, 1);  // one image
    file.append(char(16)).append(char(16)).append(char(16)).append(char(0));
    PutLe16(file, 1);
    PutLe16(file, 4);
    PutLe32(file, quint32(image.size()));
    PutLe32(file, 6 + 16);
    file += image;
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size();
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_builtin OUTPUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const bool ok = WriteJpeg(HomePicture(), out.filePath(QStringLiteral("home.jpg"))) &&
                    WriteBmp(WordPicture(), out.filePath(QStringLiteral("word.bmp"))) &&
                    WriteJpeg(CoverPicture(), out.filePath(QStringLiteral("cover.jpg"))) &&
                    WriteIcon(out.filePath(QStringLiteral("learn3a.ico"))) &&
                    // The same icon for the desktop entry.
                    QImage(out.filePath(QStringLiteral("learn3a.ico")), "ICO")
                        .save(out.filePath(QStringLiteral("learn3a.png")), "PNG");
    if (!ok) {
        std::fprintf(stderr, "make_builtin: could not write the pictures\n");
        return 1;
    }
    return 0;
}
