#include "media/MediaPlayer.h"

#include <QWidget>

TMediaPlayer::TMediaPlayer(TForm& owner) : TWinControl(owner, std::make_unique<QWidget>())
{
    Widget()->setFocusPolicy(Qt::NoFocus);
    SetBounds(0, 0, 253, 30);
}

TMediaPlayer::~TMediaPlayer() = default;
