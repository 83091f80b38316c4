#include "screens/Unit3.h"

#include "screens/Unit1.h"

TForm3* Form3 = nullptr;

TForm3::TForm3()
{
    FIELD(Image1);
    FIELD(BitBtn1);
    FIELD(ComboBox1);
    FIELD(Memo1);
    FIELD(Image2);
    FIELD(Image3);
    FIELD(MediaPlayer1);
    FIELD(Image4);
}

void TForm3::BitBtn1Click(TObject*)
{
    Close();
    Form1->Show();
}

// The page selector and the passage hot spots.
void TForm3::ComboBox1Change(TObject*) {}
void TForm3::Image2Click(TObject*) {}
void TForm3::Image3Click(TObject*) {}
