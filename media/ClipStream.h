#pragma once

#include "media/ClipDecoder.h"

#include <QByteArray>
#include <atomic>
#include <mutex>
#include <thread>

// An opened clip as the mixer plays it. Its first frames are decoded at
// once, so a click sounds at the device's next period; a worker thread
// decodes the rest, hundreds of times faster than it plays. The whole clip
// is kept, so it can be played again from its beginning.
class ClipStream {
public:
    // Raises EMCIDeviceError as ClipDecoder does.
    ClipStream(const QString& fileName, int rate, int channels);
    ~ClipStream();
    ClipStream(const ClipStream&) = delete;
    ClipStream& operator=(const ClipStream&) = delete;

    // Audio thread: fills `out` from the play position, with silence past
    // what is decoded; false once the whole clip has been given.
    bool Read(unsigned char* out, int length);
    void Rewind();

private:
    void DecodeRest();

    ClipDecoder decoder_;
    std::mutex mutex_;  // guards the three below
    QByteArray samples_;
    qsizetype position_ = 0;
    bool complete_ = false;
    std::atomic<bool> stop_{false};
    std::thread worker_;
};
