#pragma once
// Games screen: a Flash game played in the game area.

#include "ui/BitBtn.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/ShockwaveFlash.h"

class TForm4 : public TForm {
    Q_OBJECT
public:
    TForm4();

    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn2 = nullptr;
    TBitBtn* BitBtn3 = nullptr;
    TBitBtn* BitBtn4 = nullptr;
    TBitBtn* BitBtn5 = nullptr;
    TBitBtn* BitBtn6 = nullptr;
    TShockwaveFlash* ShockwaveFlash1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;

public slots:
    void BitBtn6Click(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
};

extern TForm4* Form4;
