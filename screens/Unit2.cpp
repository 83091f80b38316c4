#include "screens/Unit2.h"

#include "screens/Unit1.h"

TForm2* Form2 = nullptr;

TForm2::TForm2()
{
    FIELD(BitBtn1);
    FIELD(Image1);
    FIELD(ComboBox1);
    FIELD(Memo1);
    FIELD(Image2);
    FIELD(Image3);
    FIELD(Image4);
    FIELD(Image5);
    FIELD(Image6);
    FIELD(Image7);
    FIELD(Image8);
    FIELD(Image9);
    FIELD(Image10);
    FIELD(MediaPlayer1);
    FIELD(Image11);
    FIELD(Image12);
    FIELD(Image13);
}

void TForm2::BitBtn1Click(TObject*)
{
    Close();
    Form1->Show();
}

// The unit selector and the word hot spots.
void TForm2::ComboBox1Change(TObject*) {}
void TForm2::Image2Click(TObject*) {}
void TForm2::Image3Click(TObject*) {}
void TForm2::Image4Click(TObject*) {}
void TForm2::Image5Click(TObject*) {}
void TForm2::Image6Click(TObject*) {}
void TForm2::Image7Click(TObject*) {}
void TForm2::Image8Click(TObject*) {}
void TForm2::Image9Click(TObject*) {}
