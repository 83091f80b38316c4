// Pictures held in memory: bitmaps checked and read, JPEGs read from their
// header and decoded at the first draw, with libjpeg's errors as EJPEG.

#include "TestSupport.h"

#include "app/Exceptions.h"
#include "screens/Unit1.h"
#include "ui/JPEG.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QtEndian>
#include <jpeglib.h>
#include <jerror.h>

namespace {

QByteArray CorpusFile(const QString& name)
{
    QFile file(qEnvironmentVariable("LEARN3A_CORPUS") + QStringLiteral("/pictures/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("corpus file %s missing", qPrintable(name));
    return file.readAll();
}

QByteArray JpegOf(const QImage& image, int quality = 90)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", quality);
    return bytes;
}

QByteArray BmpOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    return bytes;
}

QImage Filled(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The JPEG without its quantisation tables: the header reads, the image
// data cannot be decoded.
QByteArray WithoutQuantTables(const QByteArray& jpeg)
{
    QByteArray out = jpeg.left(2);
    int at = 2;
    while (at + 4 <= jpeg.size()) {
        const uchar marker = uchar(jpeg[at + 1]);
        const int length = (uchar(jpeg[at + 2]) << 8) | uchar(jpeg[at + 3]);
        if (marker == 0xDA) {  // start of scan: the rest is image data
            out += jpeg.mid(at);
            break;
        }
        if (marker != 0xDB)
            out += jpeg.mid(at, 2 + length);
        at += 2 + length;
    }
    return out;
}

// The image size written into the frame header.
QByteArray WithSize(QByteArray jpeg, int width, int height)
{
    const int sof = jpeg.indexOf("\xFF\xC0");
    qToBigEndian<quint16>(quint16(height), jpeg.data() + sof + 5);
    qToBigEndian<quint16>(quint16(width), jpeg.data() + sof + 7);
    return jpeg;
}

int JpegErrorNumber(const EJPEG& e)
{
    const auto match = QRegularExpression(QStringLiteral("^JPEG error #(\\d+)$")).match(e.Message());
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT
private slots:
    void corpusPicturesDraw_data();
    void corpusPicturesDraw();
    void jpegSizeFromHeaderDecodeAtDraw();
    void jpegHeaderFailures_data();
    void jpegHeaderFailures();
    void brokenImageDataFailsOnceAtDraw();
    void emptyAndTruncatedJpeg();
    void bitmapChecks_data();
    void bitmapChecks();
    void brokenPictureOnScreenRaisesAtFirstPaintOnly();
};

void PicturesTest::corpusPicturesDraw_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind");
    QTest::newRow("baseline") << "testorig.jpg" << "TJPEGImage";
    QTest::newRow("progressive") << "testimgint.jpg" << "TJPEGImage";
    QTest::newRow("arithmetic") << "testimgari.jpg" << "TJPEGImage";
    QTest::newRow("bmp odd width 1") << "shira_bird8.bmp" << "TBitmap";
    QTest::newRow("bmp odd width 2") << "vgl_6434_0018a.bmp" << "TBitmap";
    QTest::newRow("bmp odd width 3") << "vgl_6548_0026a.bmp" << "TBitmap";
}

void PicturesTest::corpusPicturesDraw()
{
    QFETCH(QString, file);
    QFETCH(QString, kind);
    const QByteArray bytes = CorpusFile(file);
    auto graphic = NewGraphic(kind);
    graphic->LoadFromBytes(bytes);
    QImage reference;
    QVERIFY(reference.loadFromData(bytes));
    QCOMPARE(QSize(graphic->Width(), graphic->Height()), reference.size());
    QImage canvas(reference.size(), QImage::Format_RGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    graphic->Draw(painter, {0, 0});
    painter.end();
    // The middle pixel matches an independent decode, within JPEG's tolerance.
    const QPoint mid(reference.width() / 2, reference.height() / 2);
    const QColor a = canvas.pixelColor(mid), b = reference.pixelColor(mid);
    QVERIFY(qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 && qAbs(a.blue() - b.blue()) < 12);
}

void PicturesTest::jpegSizeFromHeaderDecodeAtDraw()
{
    TJPEGImage jpeg;
    jpeg.LoadFromBytes(JpegOf(Filled(120, 70, QColor(200, 30, 30))));
    QCOMPARE(jpeg.Width(), 120);
    QCOMPARE(jpeg.Height(), 70);
    QVERIFY(!jpeg.Decoded());
    QImage canvas(200, 100, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    jpeg.Draw(painter, {10, 5});
    painter.end();
    QVERIFY(jpeg.Decoded());
    QCOMPARE(jpeg.Bitmap().depth(), 32);  // 24-bit colour, one padding byte a pixel
    const QColor inside = canvas.pixelColor(60, 40);
    QVERIFY(inside.red() > 180 && inside.green() < 60);
    QCOMPARE(canvas.pixelColor(5, 3), QColor(Qt::white));
}

void PicturesTest::jpegHeaderFailures_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("code");
    const QByteArray good = JpegOf(Filled(64, 64, Qt::blue));
    QTest::newRow("not a JPEG") << QByteArray("GIF89a-------") << int(JERR_NO_SOI);
    QTest::newRow("absurd size") << WithSize(good, 60000, 60000) << int(JERR_IMAGE_TOO_BIG);
    QTest::newRow("12-bit samples") << CorpusFile(QStringLiteral("monkey12.jpg")) << int(JERR_BAD_PRECISION);
    QTest::newRow("header cut short") << good.left(30) << -2;
}

void PicturesTest::jpegHeaderFailures()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, code);
    TJPEGImage jpeg;
    try {
        jpeg.LoadFromBytes(bytes);
        QFAIL("no EJPEG raised");
    } catch (const EJPEG& e) {
        if (code >= 0)
            QCOMPARE(JpegErrorNumber(e), code);
        else
            QVERIFY(JpegErrorNumber(e) > 0);
    }
}

void PicturesTest::brokenImageDataFailsOnceAtDraw()
{
    TJPEGImage jpeg;
    jpeg.LoadFromBytes(WithoutQuantTables(JpegOf(Filled(80, 60, Qt::green))));
    QCOMPARE(jpeg.Width(), 80);
    QImage canvas(80, 60, QImage::Format_RGB32);
    QPainter painter(&canvas);
    try {
        jpeg.Draw(painter, {0, 0});
        QFAIL("first draw did not raise");
    } catch (const EJPEG& e) {
        QCOMPARE(JpegErrorNumber(e), int(JERR_NO_QUANT_TABLE));
    }
    jpeg.Draw(painter, {0, 0});  // later draws show what there is, silently
    QCOMPARE(jpeg.DecodedRows(), 0);
}

void PicturesTest::emptyAndTruncatedJpeg()
{
    TJPEGImage empty;
    empty.LoadFromBytes(QByteArray());
    QCOMPARE(empty.Width(), 0);
    QImage canvas(10, 10, QImage::Format_RGB32);
    QPainter painter(&canvas);
    QVERIFY_THROWS_EXCEPTION(EJPEG, empty.Draw(painter, {0, 0}));
    empty.Draw(painter, {0, 0});

    // Data that ends early is only a warning: libjpeg completes the picture.
    const QByteArray whole = JpegOf(Filled(200, 200, Qt::red));
    TJPEGImage truncated;
    truncated.LoadFromBytes(whole.left(whole.size() * 2 / 3));
    truncated.Draw(painter, {0, 0});
    QCOMPARE(truncated.DecodedRows(), 200);
}

void PicturesTest::bitmapChecks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    const QByteArray good = BmpOf(Filled(33, 17, Qt::yellow));
    auto patched32 = [&](int at, quint32 value) {
        QByteArray b = good;
        qToLittleEndian<quint32>(value, b.data() + at);
        return b;
    };
    auto patched16 = [&](int at, quint16 value) {
        QByteArray b = good;
        qToLittleEndian<quint16>(value, b.data() + at);
        return b;
    };
    QTest::newRow("good") << good << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("no BM") << QByteArray("XY").append(good.mid(2)) << false;
    QTest::newRow("header only") << good.left(20) << false;
    QTest::newRow("pixels cut off") << good.left(good.size() - 40) << false;
    QTest::newRow("absurd width") << patched32(18, 1u << 30) << false;
    QTest::newRow("zero height") << patched32(22, 0) << false;
    QTest::newRow("odd depth") << patched16(28, 7) << false;
    QTest::newRow("two planes") << patched16(26, 2) << false;
    QTest::newRow("unknown compression") << patched32(30, 9) << false;
    QTest::newRow("pixels past the end") << patched32(10, quint32(good.size() + 10)) << false;
    QTest::newRow("unknown header size") << patched32(14, 77) << false;
}

void PicturesTest::bitmapChecks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    TBitmap bitmap;
    if (valid) {
        bitmap.LoadFromBytes(bytes);
        QCOMPARE(QSize(bitmap.Width(), bitmap.Height()), QSize(33, 17));
        return;
    }
    try {
        bitmap.LoadFromBytes(bytes);
        QFAIL("accepted a bad bitmap");
    } catch (const EInvalidGraphic& e) {
        QCOMPARE(e.Message(), QStringLiteral("Bitmap image is not valid"));
    }
}

void PicturesTest::brokenPictureOnScreenRaisesAtFirstPaintOnly()
{
    auto home = BuildScreen<TForm1>();
    auto broken = std::make_unique<TJPEGImage>();
    broken->LoadFromBytes(WithoutQuantTables(JpegOf(Filled(300, 200, Qt::green))));
    home->Image1->Picture().SetGraphic(std::move(broken));
    Boxes().Take();
    home->Show();
    QVERIFY(QTest::qWaitForWindowExposed(home.get()));
    home->Surface()->grab();
    QTest::qWait(30);
    home->Surface()->grab();
    QTest::qWait(30);
    const QStringList texts = Boxes().TakeTexts();
    QCOMPARE(texts.size(), 1);
    QVERIFY(QRegularExpression(QStringLiteral("^JPEG error #\\d+\\.$")).match(texts[0]).hasMatch());
    // The rest of the screen is still painted on later paints.
    const QImage shot = home->Surface()->grab().toImage();
    QCOMPARE(shot.pixelColor(20, 60), Colors::BtnFace());
}

LEARN3A_TEST_MAIN(PicturesTest)
#include "test_pictures.moc"
