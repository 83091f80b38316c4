#pragma once

#include <QByteArray>
#include <QString>

// Decodes a whole MP3 clip into interleaved signed 16-bit samples at the
// audio device's rate and channel count, on the calling thread (so the
// mixer's lock is never held while it works). Raises EMCIDeviceError with a
// readable text when the file is missing or not a playable MP3.
QByteArray DecodeClip(const QString& fileName, int rate, int channels);
