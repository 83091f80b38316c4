#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

struct mpg123_handle_struct;

// Decodes an MP3 clip into interleaved signed 16-bit samples at the audio
// device's rate and channel count, a piece at a time. Opening reads the file
// and decodes the clip's first frames, so a missing or unplayable file raises
// EMCIDeviceError there, with a readable text.
class ClipDecoder {
public:
    ClipDecoder(const QString& fileName, int rate, int channels);
    ~ClipDecoder();
    ClipDecoder(const ClipDecoder&) = delete;
    ClipDecoder& operator=(const ClipDecoder&) = delete;

    // What opening decoded, handed over once.
    QByteArray TakeStart();
    // Appends about `bytes` more samples to `out`; false once the clip ended
    // (a damaged frame later in a clip ends it there).
    bool DecodeMore(QByteArray& out, qsizetype bytes);
    // The decoded size the stream announces, or 0 when it does not tell.
    qsizetype ExpectedBytes() const;

private:
    struct HandleDeleter {
        void operator()(mpg123_handle_struct* h) const;
    };
    std::unique_ptr<mpg123_handle_struct, HandleDeleter> handle_;
    QByteArray start_;
    int frameBytes_ = 0;
    bool ended_ = false;
};
