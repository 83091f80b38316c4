#pragma once
// Shared by the audio benchmarks: a test clip that sounds from its first
// sample, and a watch on what the mixer hands to the device.

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QThread>
#include <SDL_mixer.h>
#include <atomic>
#include <cmath>
#include <functional>

// A 300 Hz tone: any silence before it is heard comes from the program.

// Encoded by lame from a file, not a pipe, so that lame writes the LAME tag
// that tells the decoder to cut the encoder's padding.
inline void WriteToneMp3(const QString& name, double seconds)
{
    const int rate = 22050;
    QFile raw(name + QStringLiteral(".raw"));
    raw.open(QIODevice::WriteOnly);
    for (int i = 0; i < int(seconds * rate); ++i) {
        const qint16 v = qint16(10000 * std::cos(2 * M_PI * 300 * i / rate));
        raw.write(reinterpret_cast<const char*>(&v), 2);
    }
    raw.close();
    QProcess lame;
    lame.start(QStringLiteral("lame"), {"--silent", "-r", "-s", "22.05", "--bitwidth", "16", "--signed",
                                        "--little-endian", "-m", "m", "-b", "64", raw.fileName(), name});
    lame.waitForFinished(60000);
    raw.remove();
}

// Times an action to the first non-silent sample the mixer hands to the
// device (the audio device must be open).
class FirstSoundWatch {
public:
    FirstSoundWatch()
    {
        clock_.start();
        Mix_SetPostMix(&FirstSoundWatch::Watch, this);
    }
    ~FirstSoundWatch() { Mix_SetPostMix(nullptr, nullptr); }
    FirstSoundWatch(const FirstSoundWatch&) = delete;
    FirstSoundWatch& operator=(const FirstSoundWatch&) = delete;

    // Milliseconds from the start of `action` to the first sound (5 s at most).
    double MsToSound(const std::function<void()>& action)
    {
        first_ = -1;
        const qint64 start = clock_.nsecsElapsed();
        action();
        while (first_.load() < 0 && clock_.nsecsElapsed() - start < 5'000'000'000)
            QThread::usleep(50);
        return (first_.load() - start) / 1e6;
    }

private:
    // On the audio thread, with each mixed buffer just before the device.
    static void Watch(void* self, Uint8* stream, int length)
    {
        auto* watch = static_cast<FirstSoundWatch*>(self);
        if (watch->first_.load() >= 0)
            return;
        const auto* samples = reinterpret_cast<const Sint16*>(stream);
        for (int i = 0; i < length / 2; ++i)
            if (std::abs(samples[i]) > 200) {
                watch->first_.store(watch->clock_.nsecsElapsed());
                return;
            }
    }

    QElapsedTimer clock_;
    std::atomic<qint64> first_{-1};
};
