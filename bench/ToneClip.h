#pragma once
// A test clip for the benchmarks: a 300 Hz tone that sounds from its first
// sample, so any silence before it is heard comes from the program.

#include <QFile>
#include <QProcess>
#include <QString>
#include <cmath>

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
