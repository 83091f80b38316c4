// Click to sound: for a short word clip and a 30-second passage, the time
// from the open call to the first non-silent sample handed to the audio
// device, against the time to merely read the clip file. Ratios are printed;
// nothing is asserted.

#include "BenchAudio.h"
#include "app/Application.h"
#include "media/AudioDevice.h"
#include "media/MediaPlayer.h"
#include "ui/Form.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <cstdio>

namespace {

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication platform(argc, argv);
    TApplication application(QStringLiteral("learn3a"));
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    const struct { const char* name; double seconds; } clips[] = {{"word.mp3", 0.8}, {"passage.mp3", 30}};
    for (const auto& clip : clips)
        WriteToneMp3(QString::fromLatin1(clip.name), clip.seconds);

    TForm form;
    TMediaPlayer player(form);
    Application->Audio().EnsureOpen();
    FirstSoundWatch watch;
    const double periodMs = 1000.0 * Application->Audio().BufferFrames() / Application->Audio().Rate();
    std::printf("audio buffer period: %.1f ms (driver %s)\n", periodMs, qgetenv("SDL_AUDIODRIVER").constData());

    for (const auto& clip : clips) {
        std::vector<double> readMs, soundMs, openMs;
        for (int run = 0; run < 7; ++run) {
            QElapsedTimer t;
            t.start();
            QFile file(clip.name);
            file.open(QIODevice::ReadOnly);
            const QByteArray bytes = file.readAll();
            readMs.push_back(t.nsecsElapsed() / 1e6);

            player.Close();
            QThread::msleep(50);
            soundMs.push_back(watch.MsToSound([&] {
                QElapsedTimer open;
                open.start();
                player.FileName = clip.name;
                player.Open();
                openMs.push_back(open.nsecsElapsed() / 1e6);
                player.Play();
            }));
        }
        const double read = Median(readMs), sound = Median(soundMs), open = Median(openMs);
        std::printf("%-12s open to first sound %7.2f ms (open %6.2f ms) | read the file %6.3f ms | ratio %7.1f | "
                    "%.2f buffer periods\n",
                    clip.name, sound, open, read, sound / std::max(read, 1e-3), sound / periodMs);
    }
    return 0;
}
