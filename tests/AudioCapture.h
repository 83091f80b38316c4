#pragma once
// Reads back what SDL's disk audio driver wrote (signed 16-bit stereo at
// 44.1 kHz) and measures tones in it, so a test can tell which clip sounded.

#include <QByteArray>
#include <QString>
#include <vector>

class AudioCapture {
public:
    explicit AudioCapture(QString file) : file_(std::move(file)) {}
    // Forgets everything written so far.
    void Mark();
    // Waits `ms`, then returns the left channel of what was written since Mark().
    std::vector<qint16> Listen(int ms);
    // Bytes written so far.
    qint64 Size() const;

private:
    QString file_;
    qint64 mark_ = 0;
};

// Relative strength of a frequency in the samples (Goertzel), 0..~1.
double ToneLevel(const std::vector<qint16>& samples, double hz, int rate = 44100);
int Peak(const std::vector<qint16>& samples);

// An MP3 of a sine tone made by lame, for fixtures.
QByteArray MakeToneMp3(double hz, double seconds, int rate = 22050);
