// Click to sound: a mouse click on a word's and on a passage's hot spot to
// the first non-silent sample handed to the audio device, against one audio
// buffer period plus the decode of the clip's first MP3 frame. The clips are
// tones that sound from their first sample, so the clip itself adds no
// silence. Run in the content folder (build/app), whose pages are used;
// prints milliseconds and ratios.

#include "BenchAudio.h"
#include "app/Application.h"
#include "app/Platform.h"
#include "media/AudioDevice.h"
#include "screens/Unit2.h"
#include "screens/Unit3.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <SDL_mixer.h>
#include <cmath>
#include <cstdio>
#include <memory>
#include <mpg123.h>

namespace {

// The decode of the first frame alone, as mpg123 does it for the device.
double FirstFrameDecodeMs(const QString& name, int rate, int channels)
{
    QFile file(name);
    file.open(QIODevice::ReadOnly);
    const QByteArray mp3 = file.readAll();
    std::vector<double> times;
    for (int run = 0; run < 21; ++run) {
        std::unique_ptr<mpg123_handle, void (*)(mpg123_handle*)> h(mpg123_new(nullptr, nullptr), mpg123_delete);
        mpg123_format_none(h.get());
        mpg123_format(h.get(), rate, channels == 1 ? MPG123_MONO : MPG123_STEREO, MPG123_ENC_SIGNED_16);
        mpg123_open_feed(h.get());
        QElapsedTimer t;
        t.start();
        mpg123_feed(h.get(), reinterpret_cast<const unsigned char*>(mp3.constData()), size_t(mp3.size()));
        off_t frame = 0;
        unsigned char* audio = nullptr;
        size_t bytes = 0;
        while (mpg123_decode_frame(h.get(), &frame, &audio, &bytes) == MPG123_NEW_FORMAT) {
        }
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

struct Spot {
    const char* what;
    const char* clip;
    double seconds;
    TForm* form;
    TMediaPlayer* player;
    QPoint centre;
};

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString content = QDir::currentPath();
    ProgramPlatform platform(argc, argv);
    TApplication application(QStringLiteral("learn3a"));
    application.Initialize();
    QTemporaryDir dir;
    for (const char* page : {"word-1.JPG", "1-1.JPG"})
        QFile::copy(content + QLatin1Char('/') + QLatin1String(page), dir.filePath(QLatin1String(page)));
    QDir::setCurrent(dir.path());

    auto words = std::make_unique<TForm2>();
    words->ReadLayout();
    words->Show();
    auto pages = std::make_unique<TForm3>();
    pages->ReadLayout();
    pages->Show();
    for (TComboBox* selector : {words->ComboBox1, pages->ComboBox1}) {
        selector->Combo()->setCurrentIndex(0);
        emit selector->Combo()->activated(0);
    }
    QCoreApplication::processEvents();

    AudioDevice& audio = Application->Audio();
    audio.EnsureOpen();
    FirstSoundWatch watch;
    const double periodMs = 1000.0 * audio.BufferFrames() / audio.Rate();
    std::printf("audio buffer period: %.1f ms (%d frames at %d Hz, driver %s)\n", periodMs, audio.BufferFrames(),
                audio.Rate(), qgetenv("SDL_AUDIODRIVER").constData());

    const Spot spots[] = {
        {"word \"hello\" (0.8 s clip)", "word-1-1.mp3", 0.8, words.get(), words->MediaPlayer1,
         words->Image2->BoundsRect().center()},
        {"passage (30 s clip)", "1-1-1.mp3", 30, pages.get(), pages->MediaPlayer1,
         pages->Image2->BoundsRect().center()},
    };
    for (const Spot& spot : spots) {
        WriteToneMp3(QString::fromLatin1(spot.clip), spot.seconds);
        const double frameMs = FirstFrameDecodeMs(QString::fromLatin1(spot.clip), audio.Rate(), audio.Channels());
        const double target = periodMs + frameMs;
        std::vector<double> ms;
        for (int run = 0; run < 25; ++run) {
            spot.player->Close();
            // Clicks land anywhere in the device's period, as a pupil's do.
            QThread::usleep(20000 + QRandomGenerator::global()->bounded(int(periodMs * 1000)));
            ms.push_back(watch.MsToSound(
                [&] { QTest::mouseClick(spot.form->Surface(), Qt::LeftButton, {}, spot.centre); }));
        }
        std::sort(ms.begin(), ms.end());
        const double median = ms[ms.size() / 2], worst = ms.back();
        std::printf("%-26s click to sound: median %6.2f ms, worst %6.2f ms | target %.2f ms (period + first frame "
                    "%.3f ms) | median/period %.2f, worst/target %.2f\n",
                    spot.what, median, worst, target, frameMs, median / periodMs, worst / target);
    }
    return 0;
}
