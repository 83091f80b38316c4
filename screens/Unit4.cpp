#include "screens/Unit4.h"

#include "screens/Unit1.h"

#include <QCoreApplication>

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

// "游戏一": the game beside the executable, whatever the current directory;
// the path is built afresh on every press.
void TForm4::BitBtn1Click(TObject*)
{
    const QString game = QCoreApplication::applicationDirPath() + QStringLiteral("/game2.swf");
    ShockwaveFlash1->SetMovie(game);
    ShockwaveFlash1->Play();
}
