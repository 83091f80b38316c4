// Loading page pictures from files: the extension rule, the open and read,
// each failure leaving the held picture untouched, and no caching.

#include "TestSupport.h"

#include "app/Exceptions.h"
#include "ui/JPEG.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>

namespace {

void WriteFile(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Encoded(QColor colour, const char* format, QSize size = {40, 30})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QColor Drawn(TPicture& picture)
{
    QImage canvas(picture.Width(), picture.Height(), QImage::Format_RGB32);
    QPainter painter(&canvas);
    picture.Graphic()->Draw(painter, {0, 0});
    painter.end();
    return canvas.pixelColor(canvas.width() / 2, canvas.height() / 2);
}

}  // namespace

class PictureFilesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void kindFromExtension_data();
    void kindFromExtension();
    void failuresKeepThePicture_data();
    void failuresKeepThePicture();
    void shortReadIsAStreamError();
    void emptyJpegLoadsAndFailsAtDraw();
    void everyLoadReadsTheFileAnew();

private:
    QTemporaryDir dir_;
    QString oldCurrent_;
};

void PictureFilesTest::initTestCase()
{
    // The content folder is the current directory, as for the program.
    oldCurrent_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir_.path()));
    WriteFile("word-1.JPG", Encoded(Qt::red, "JPG"));
    WriteFile("page.Jpg", Encoded(Qt::red, "JPG"));
    WriteFile("unit.one.jpeg", Encoded(Qt::red, "JPG"));
    WriteFile("photo.jpg.bmp", Encoded(Qt::red, "BMP"));
    WriteFile("icon.ICO", Encoded(Qt::red, "ICO", {16, 16}));
    WriteFile("broken.jpg", QByteArray("\xFF\xD8\xFF\xC0\x00\x02", 6));
    WriteFile("empty.jpg", QByteArray());
    WriteFile("drawing.wmf", QByteArray(100, 'x'));
    WriteFile("photo.png", Encoded(Qt::red, "PNG"));
    QVERIFY(QDir().mkdir("folder.jpg"));
}

void PictureFilesTest::cleanupTestCase() { QDir::setCurrent(oldCurrent_); }

void PictureFilesTest::kindFromExtension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::newRow("upper case") << "word-1.JPG" << "TJPEGImage";
    QTest::newRow("mixed case") << "page.Jpg" << "TJPEGImage";
    QTest::newRow("two dots, jpeg") << "unit.one.jpeg" << "TJPEGImage";
    QTest::newRow("last dot counts") << "photo.jpg.bmp" << "TBitmap";
    QTest::newRow("icon") << "icon.ICO" << "TIcon";
}

void PictureFilesTest::kindFromExtension()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&] { ++changes; };
    picture.LoadFromFile(name);
    QCOMPARE(picture.Graphic()->ClassName(), kind);
    QCOMPARE(changes, 1);
    QCOMPARE(Drawn(picture).red() > 200, true);
}

void PictureFilesTest::failuresKeepThePicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    const QString here = QDir::currentPath() + QLatin1Char('/');
    QTest::newRow("png") << "photo.png" << "EInvalidGraphic" << "Unknown picture file extension (.png)";
    QTest::newRow("case kept") << "ANIM.GIF" << "EInvalidGraphic" << "Unknown picture file extension (.GIF)";
    QTest::newRow("no extension") << "README" << "EInvalidGraphic" << "Unknown picture file extension (.)";
    QTest::newRow("missing") << "1-2.JPG" << "EFOpenError"
                             << "Cannot open file \"" + here + "1-2.JPG\". No such file or directory";
    QTest::newRow("missing folder") << "no/where.jpg" << "EFOpenError"
                                    << "Cannot open file \"" + here + "no/where.jpg\". No such file or directory";
    QTest::newRow("a folder") << "folder.jpg" << "EFOpenError"
                              << "Cannot open file \"" + here + "folder.jpg\". Is a directory";
    QTest::newRow("broken header") << "broken.jpg" << "EJPEG" << "JPEG error #*";
    QTest::newRow("metafile") << "drawing.wmf" << "EInvalidGraphic" << "Metafiles cannot be shown on this system";
}

void PictureFilesTest::failuresKeepThePicture()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, message);
    TPicture picture;
    picture.LoadFromFile("word-1.JPG");
    TGraphic* before = picture.Graphic();
    int changes = 0;
    picture.OnChange = [&] { ++changes; };
    try {
        picture.LoadFromFile(name);
        QFAIL("no failure");
    } catch (const Exception& e) {
        QCOMPARE(QString::fromLatin1(e.ClassName()), kind);
        if (message.endsWith('*'))
            QVERIFY2(e.Message().startsWith(message.chopped(1)), qPrintable(e.Message()));
        else
            QCOMPARE(e.Message(), message);
    }
    QCOMPARE(picture.Graphic(), before);
    QCOMPARE(changes, 0);
}

// A file that holds fewer bytes than it claims: kernel attribute files say
// 4096 and give a few.
void PictureFilesTest::shortReadIsAStreamError()
{
    const QString attribute = QStringLiteral("/sys/devices/system/cpu/online");
    if (QFileInfo(attribute).size() != 4096)
        QSKIP("no kernel attribute file to read short");
    QVERIFY(QFile::link(attribute, "short.jpg"));
    TPicture picture;
    try {
        picture.LoadFromFile("short.jpg");
        QFAIL("no failure");
    } catch (const EReadError& e) {
        QCOMPARE(e.Message(), QStringLiteral("Stream read error"));
    }
    QVERIFY(picture.Empty());
}

void PictureFilesTest::emptyJpegLoadsAndFailsAtDraw()
{
    TPicture picture;
    picture.LoadFromFile("empty.jpg");
    QCOMPARE(picture.Width(), 0);
    QImage canvas(10, 10, QImage::Format_RGB32);
    QPainter painter(&canvas);
    QVERIFY_THROWS_EXCEPTION(EJPEG, picture.Graphic()->Draw(painter, {0, 0}));
}

void PictureFilesTest::everyLoadReadsTheFileAnew()
{
    TPicture picture;
    WriteFile("changing.jpg", Encoded(Qt::red, "JPG"));
    picture.LoadFromFile("changing.jpg");
    QVERIFY(Drawn(picture).red() > 200);
    WriteFile("changing.jpg", Encoded(Qt::blue, "JPG", {60, 20}));
    picture.LoadFromFile("changing.jpg");
    QCOMPARE(picture.Width(), 60);
    QVERIFY(Drawn(picture).blue() > 200 && Drawn(picture).red() < 60);
    QFile::remove("changing.jpg");
    QVERIFY_THROWS_EXCEPTION(EFOpenError, picture.LoadFromFile("changing.jpg"));
    QCOMPARE(picture.Width(), 60);
}

LEARN3A_TEST_MAIN(PictureFilesTest)
#include "test_picture_files.moc"
