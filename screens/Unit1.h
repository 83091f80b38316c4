#pragma once
// Home screen: the start picture, the heading and four buttons.

#include "ui/BitBtn.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

class TForm1 : public TForm {
    Q_OBJECT
public:
    TForm1();

    TImage* Image1 = nullptr;
    TLabel* Label1 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn2 = nullptr;
    TBitBtn* BitBtn3 = nullptr;
    TBitBtn* BitBtn4 = nullptr;

public slots:
    void BitBtn4Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
    void BitBtn3Click(TObject* Sender);
};

extern TForm1* Form1;
