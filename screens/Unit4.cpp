#include "screens/Unit4.h"

#include "screens/Unit1.h"

TForm4* Form4 = nullptr;

TForm4::TForm4()
{
    FIELD(BitBtn1);
    FIELD(BitBtn2);
    FIELD(BitBtn3);
    FIELD(BitBtn4);
    FIELD(BitBtn5);
    FIELD(BitBtn6);
    FIELD(ShockwaveFlash1);
    FIELD(Label1);
    FIELD(Label2);
}

void TForm4::BitBtn6Click(TObject*)
{
    Close();
    Form1->Show();
}

// "游戏一": loads the game into the game area.
void TForm4::BitBtn1Click(TObject*) {}
