#pragma once
// Text reading screen: pick a page, see it, click a passage to hear it read.

#include "media/MediaPlayer.h"
#include "ui/BitBtn.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Memo.h"

class TForm3 : public TForm {
    Q_OBJECT
public:
    TForm3();

    TImage* Image1 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TMemo* Memo1 = nullptr;
    TImage* Image2 = nullptr;
    TImage* Image3 = nullptr;
    TMediaPlayer* MediaPlayer1 = nullptr;
    TImage* Image4 = nullptr;

public slots:
    void BitBtn1Click(TObject* Sender);
    void ComboBox1Change(TObject* Sender);
    void Image2Click(TObject* Sender);
    void Image3Click(TObject* Sender);

private:
    // What both passage hot spots do (Image2 or Image3), with the current row.
    void PlayHotSpot(int image);
};

extern TForm3* Form3;
