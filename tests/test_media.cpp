// Clip playback through SDL's disk audio driver: what was written to the
// "device" shows which clip sounded, and when.

#include "TestSupport.h"

#include "AudioCapture.h"
#include "app/Exceptions.h"
#include "media/MediaPlayer.h"
#include "ui/Form.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {
constexpr double kLow = 440;    // tone of clip "low.mp3"
constexpr double kHigh = 1200;  // tone of clip "high.mp3"
constexpr double kHeard = 0.05;

bool Hears(const std::vector<qint16>& s, double hz) { return ToneLevel(s, hz) > kHeard; }
}  // namespace

class MediaTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void playSounds();
    void openSilencesThePreviousClip();
    void twoPlayersSoundTogether();
    void destructionStopsTheClip();
    void endOfClipIsNotified();
    void wholeClipSoundsWithoutGaps();
    void badClipsRaiseAndThePlayerStaysUsable_data();
    void badClipsRaiseAndThePlayerStaysUsable();
    void playWithoutOpen();
    void noAudioDevice();

private:
    std::unique_ptr<TMediaPlayer> NewPlayer() { return std::make_unique<TMediaPlayer>(form_); }
    QTemporaryDir dir_;
    QString oldCurrent_;
    TForm form_;
    std::unique_ptr<AudioCapture> capture_;
};

void MediaTest::initTestCase()
{
    oldCurrent_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir_.path()));
    auto write = [](const char* name, const QByteArray& bytes) {
        QFile file(QString::fromLatin1(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write("low.mp3", MakeToneMp3(kLow, 3));
    write("high.mp3", MakeToneMp3(kHigh, 3));
    write("short.mp3", MakeToneMp3(kLow, 0.2));
    write("garbage.mp3", QByteArray("this is a text file, not a clip\n").repeated(200));
    write("empty.mp3", QByteArray());
    QVERIFY(QFile("low.mp3").size() > 1000);
    capture_ = std::make_unique<AudioCapture>(qEnvironmentVariable("SDL_DISKAUDIOFILE"));
}

void MediaTest::cleanupTestCase() { QDir::setCurrent(oldCurrent_); }

void MediaTest::playSounds()
{
    auto player = NewPlayer();
    player->FileName = "low.mp3";
    player->Open();
    capture_->Mark();
    player->Play();
    const auto heard = capture_->Listen(400);
    QVERIFY(Hears(heard, kLow));
    QVERIFY(!Hears(heard, kHigh));
}

void MediaTest::openSilencesThePreviousClip()
{
    auto player = NewPlayer();
    player->FileName = "low.mp3";
    player->Open();
    player->Play();
    QTest::qWait(200);
    player->FileName = "high.mp3";  // naming alone changes nothing
    QVERIFY(player->Sounding());
    player->Open();
    QVERIFY(!player->Sounding());
    QTest::qWait(100);
    capture_->Mark();
    QVERIFY(Peak(capture_->Listen(200)) < 200);
    capture_->Mark();
    player->Play();
    const auto heard = capture_->Listen(400);
    QVERIFY(Hears(heard, kHigh) && !Hears(heard, kLow));
}

void MediaTest::twoPlayersSoundTogether()
{
    auto words = NewPlayer();
    auto texts = NewPlayer();
    words->FileName = "low.mp3";
    texts->FileName = "high.mp3";
    words->Open();
    words->Play();
    texts->Open();
    texts->Play();
    QTest::qWait(100);
    capture_->Mark();
    const auto heard = capture_->Listen(400);
    QVERIFY(Hears(heard, kLow) && Hears(heard, kHigh));
}

void MediaTest::destructionStopsTheClip()
{
    auto player = NewPlayer();
    player->FileName = "low.mp3";
    player->Open();
    player->Play();
    QTest::qWait(200);
    player.reset();
    QTest::qWait(100);
    capture_->Mark();
    QVERIFY(Peak(capture_->Listen(300)) < 200);
}

void MediaTest::endOfClipIsNotified()
{
    auto player = NewPlayer();
    player->FileName = "short.mp3";
    player->Open();
    player->Play();
    QTRY_COMPARE_WITH_TIMEOUT(player->Notifications(), 1, 3000);
    QVERIFY(player->IsOpen() && !player->Sounding());
    // The next open and play work as usual.
    player->Open();
    capture_->Mark();
    player->Play();
    QVERIFY(Hears(capture_->Listen(150), kLow));
}

// The clip is decoded while it plays: every part of it must still be heard,
// in one piece, and again from its beginning on the next play.
void MediaTest::wholeClipSoundsWithoutGaps()
{
    auto player = NewPlayer();
    player->FileName = "low.mp3";
    player->Open();
    QTest::qWait(100);  // what earlier tests left in the device's buffers is written out
    for (int round = 1; round <= 2; ++round) {
        capture_->Mark();
        QElapsedTimer clock;
        clock.start();
        player->Play();
        QTRY_COMPARE_WITH_TIMEOUT(player->Notifications(), round, 6000);
        QVERIFY2(clock.elapsed() > 2800, "the end came before the clip's three seconds");
        const auto heard = capture_->Listen(100);
        int first = -1, last = -1, longestQuiet = 0, quiet = 0;
        for (int i = 0; i < int(heard.size()); ++i) {
            if (std::abs(heard[i]) > 200) {
                if (first < 0)
                    first = i;
                else
                    longestQuiet = std::max(longestQuiet, quiet);
                last = i;
                quiet = 0;
            } else {
                ++quiet;
            }
        }
        QVERIFY(first >= 0);
        const double seconds = (last - first) / 44100.0;
        QVERIFY2(std::abs(seconds - 3.0) < 0.1, qPrintable(QString::number(seconds)));
        QVERIFY2(longestQuiet < 441, qPrintable(QString::number(longestQuiet)));  // no gap of 10 ms
    }
}

void MediaTest::badClipsRaiseAndThePlayerStaysUsable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << "1-1-1.mp3" << "The clip file 1-1-1.mp3 cannot be found";
    QTest::newRow("garbage") << "garbage.mp3" << "The clip file garbage.mp3 is not a playable MP3 file";
    QTest::newRow("empty") << "empty.mp3" << "The clip file empty.mp3 is not a playable MP3 file";
}

void MediaTest::badClipsRaiseAndThePlayerStaysUsable()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    auto player = NewPlayer();
    player->FileName = "low.mp3";
    player->Open();
    player->Play();
    player->FileName = name;
    try {
        player->Open();
        QFAIL("no EMCIDeviceError");
    } catch (const EMCIDeviceError& e) {
        QVERIFY2(e.Message().startsWith(message), qPrintable(e.Message()));
    }
    // The clip that was playing was closed by the failed open.
    QVERIFY(!player->IsOpen() && !player->Sounding());
    QVERIFY_THROWS_EXCEPTION(EMCIDeviceError, player->Play());
    player->FileName = "high.mp3";
    player->Open();
    capture_->Mark();
    player->Play();
    QVERIFY(Hears(capture_->Listen(300), kHigh));
}

void MediaTest::playWithoutOpen()
{
    auto player = NewPlayer();
    try {
        player->Play();
        QFAIL("played without a clip");
    } catch (const EMCIDeviceError& e) {
        QCOMPARE(e.Message(), QStringLiteral("No MCI device open"));
    }
}

// On a machine without sound every open raises, every time, and nothing hangs.
void MediaTest::noAudioDevice()
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SDL_AUDIODRIVER", "no-such-driver");
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {"--no-device", dir_.filePath("low.mp3")});
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitCode(), 0);
    const QString out = QString::fromUtf8(child.readAllStandardOutput());
    QCOMPARE(out.count("EMCIDeviceError: No audio device is available"), 2);
}

namespace {
int OpenWithoutDevice(int argc, char** argv)
{
    QApplication platform(argc, argv);
    TApplication application(QStringLiteral("learn3a"));
    TForm form;
    TMediaPlayer player(form);
    player.FileName = QString::fromLocal8Bit(argv[2]);
    for (int i = 0; i < 2; ++i) {
        try {
            player.Open();
            std::printf("opened\n");
        } catch (const EMCIDeviceError& e) {
            std::printf("EMCIDeviceError: %s\n", e.what());
        }
    }
    return 0;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--no-device") == 0)
        return OpenWithoutDevice(argc, argv);
    ProgramPlatform platform(argc, argv);
    TApplication application(QStringLiteral("learn3a"));
    application.Initialize();
    Boxes();
    MediaTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_media.moc"
