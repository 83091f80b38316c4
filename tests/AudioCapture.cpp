#include "AudioCapture.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QtEndian>
#include <cmath>

void AudioCapture::Mark() { mark_ = Size(); }

qint64 AudioCapture::Size() const { return QFileInfo(file_).size(); }

std::vector<qint16> AudioCapture::Listen(int ms)
{
    QTest::qWait(ms);
    QFile file(file_);
    std::vector<qint16> left;
    if (!file.open(QIODevice::ReadOnly) || !file.seek(mark_ & ~qint64(3)))
        return left;
    const QByteArray bytes = file.readAll();
    for (qsizetype i = 0; i + 4 <= bytes.size(); i += 4)
        left.push_back(qFromLittleEndian<qint16>(bytes.constData() + i));
    return left;
}

double ToneLevel(const std::vector<qint16>& samples, double hz, int rate)
{
    if (samples.empty())
        return 0;
    const double k = 2 * std::cos(2 * M_PI * hz / rate);
    double s1 = 0, s2 = 0;
    for (qint16 x : samples) {
        const double s0 = x / 32768.0 + k * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double power = s1 * s1 + s2 * s2 - k * s1 * s2;
    return 2 * std::sqrt(std::max(0.0, power)) / samples.size();
}

int Peak(const std::vector<qint16>& samples)
{
    int peak = 0;
    for (qint16 x : samples)
        peak = std::max(peak, std::abs(int(x)));
    return peak;
}

QByteArray MakeToneMp3(double hz, double seconds, int rate)
{
    QByteArray pcm;
    const int n = int(seconds * rate);
    for (int i = 0; i < n; ++i) {
        const qint16 v = qint16(12000 * std::sin(2 * M_PI * hz * i / rate));
        char le[2];
        qToLittleEndian(v, le);
        pcm.append(le, 2);
    }
    QProcess lame;
    lame.start(QStringLiteral("lame"), {"--silent", "-r", "-s", QString::number(rate / 1000.0), "--bitwidth", "16",
                                        "--signed", "--little-endian", "-m", "m", "-", "-"});
    lame.waitForStarted();
    lame.write(pcm);
    lame.closeWriteChannel();
    lame.waitForFinished(30000);
    return lame.readAllStandardOutput();
}
