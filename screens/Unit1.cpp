#include "screens/Unit1.h"

#include "screens/Unit2.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"

TForm1* Form1 = nullptr;

TForm1::TForm1()
{
    FIELD(Image1);
    FIELD(Label1);
    FIELD(BitBtn1);
    FIELD(BitBtn2);
    FIELD(BitBtn3);
    FIELD(BitBtn4);
}

void TForm1::BitBtn4Click(TObject*) { Close(); }

void TForm1::BitBtn2Click(TObject*) { Form3->Show(); }

void TForm1::BitBtn1Click(TObject*) { Form2->Show(); }

void TForm1::BitBtn3Click(TObject*) { Form4->Show(); }
