#pragma once
// Word study screen: pick a unit, see its word page, click a word to hear it.

#include "media/MediaPlayer.h"
#include "ui/BitBtn.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Memo.h"

class TForm2 : public TForm {
    Q_OBJECT
public:
    TForm2();

    TBitBtn* BitBtn1 = nullptr;
    TImage* Image1 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TMemo* Memo1 = nullptr;
    TImage* Image2 = nullptr;
    TImage* Image3 = nullptr;
    TImage* Image4 = nullptr;
    TImage* Image5 = nullptr;
    TImage* Image6 = nullptr;
    TImage* Image7 = nullptr;
    TImage* Image8 = nullptr;
    TImage* Image9 = nullptr;
    TImage* Image10 = nullptr;
    TMediaPlayer* MediaPlayer1 = nullptr;
    TImage* Image11 = nullptr;
    TImage* Image12 = nullptr;
    TImage* Image13 = nullptr;

public slots:
    void BitBtn1Click(TObject* Sender);
    void ComboBox1Change(TObject* Sender);
    void Image2Click(TObject* Sender);
    void Image3Click(TObject* Sender);
    void Image4Click(TObject* Sender);
    void Image5Click(TObject* Sender);
    void Image6Click(TObject* Sender);
    void Image7Click(TObject* Sender);
    void Image8Click(TObject* Sender);
    void Image9Click(TObject* Sender);

private:
    // What every word hot spot does, with its own row of the content table.
    void PlayHotSpot(int spot);
};

extern TForm2* Form2;
