#pragma once

#include "ui/Controls.h"

// A screen's clip player. It is never shown: its stored rectangle and tab
// order are kept but have no visible effect.
class TMediaPlayer : public TWinControl {
    Q_OBJECT
public:
    explicit TMediaPlayer(TForm& owner);
    ~TMediaPlayer() override;

    QString FileName;  // the clip to open; assigning it does nothing else
};
