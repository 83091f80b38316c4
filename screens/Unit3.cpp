#include "screens/Unit3.h"

#include "screens/Unit1.h"

#include <QRect>

TForm3* Form3 = nullptr;

namespace {
// The content table: the four pages of the first unit.
struct ContentRow {
    const char* page;
    QRect image2;
    const char* clip2;
    QRect image3;
    const char* clip3;
};
const ContentRow kRows[] = {
    {"1-1.JPG", {360, 352, 177, 41}, "1-1-1.mp3", {344, 568, 161, 33}, "1-1-2.mp3"},
    {"1-2.JPG", {288, 80, 225, 81}, "1-2-1.mp3", {368, 384, 169, 41}, "1-2-2.mp3"},
    {"1-3.JPG", {384, 208, 225, 73}, "1-3-1.mp3", {384, 488, 145, 33}, "1-3-2.mp3"},
    {"1-4.JPG", {304, 88, 137, 41}, "1-4-1.mp3", {344, 400, 161, 41}, "1-4-2.mp3"},
};

const ContentRow* RowOf(int entry)
{
    return entry >= 0 && entry < int(std::size(kRows)) ? &kRows[entry] : nullptr;
}

void Move(TImage* spot, const QRect& r) { spot->SetBounds(r.x(), r.y(), r.width(), r.height()); }
}  // namespace

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

void TForm3::ComboBox1Change(TObject*)
{
    const ContentRow* row = RowOf(ComboBox1->ItemIndex());
    if (!row)
        return;
    Image1->Picture().LoadFromFile(QString::fromLatin1(row->page));  // the hot spots move only after it loaded
    Move(Image2, row->image2);
    Move(Image3, row->image3);
}

void TForm3::Image2Click(TObject*) { PlayHotSpot(2); }

void TForm3::Image3Click(TObject*) { PlayHotSpot(3); }

void TForm3::PlayHotSpot(int image)
{
    const ContentRow* row = RowOf(ComboBox1->ItemIndex());
    if (!row)
        return;
    MediaPlayer1->FileName = QString::fromLatin1(image == 2 ? row->clip2 : row->clip3);
    MediaPlayer1->Open();
    MediaPlayer1->Play();
}
