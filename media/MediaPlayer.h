#pragma once

#include "ui/Controls.h"

#include <QByteArray>
#include <memory>

struct Mix_Chunk;

// A screen's clip player. It is never shown: its stored rectangle and tab
// order are kept but have no visible effect. Each player has a mixer channel
// of its own.
class TMediaPlayer : public TWinControl {
    Q_OBJECT
public:
    explicit TMediaPlayer(TForm& owner);
    ~TMediaPlayer() override;

    QString FileName;  // the clip to open; assigning it does nothing else

    // Closes (and so silences) the clip that is open, then opens FileName;
    // raises EMCIDeviceError when it cannot be opened.
    void Open();
    // Starts the opened clip from where it stands (its beginning, after an
    // open) and returns at once.
    void Play();
    void Close();
    bool IsOpen() const { return chunk_ != nullptr; }
    bool Sounding() const;
    // Clip ends reported so far (the completion notice; nothing else follows).
    int Notifications() const { return notifications_; }

signals:
    void Notify();

private:
    struct ChunkDeleter {
        void operator()(Mix_Chunk* chunk) const;
    };
    int channel_ = -1;
    QByteArray samples_;  // the decoded clip, which the chunk points into
    std::unique_ptr<Mix_Chunk, ChunkDeleter> chunk_;
    int notifications_ = 0;
};
