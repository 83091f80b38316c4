#include "screens/Unit2.h"

#include "screens/Unit1.h"

#include <QRect>

TForm2* Form2 = nullptr;

namespace {
// The content table: only the first unit has pages and clips.
constexpr int kUnitWithContent = 0;
const char* const kPage = "word-1.JPG";
struct HotSpot {
    QRect rect;
    const char* clip;
};
// For Image2 to Image9, in that order.
const HotSpot kHotSpots[8] = {
    {{232, 120, 73, 33}, "word-1-1.mp3"}, {{584, 152, 57, 33}, "word-1-2.mp3"},
    {{360, 168, 73, 33}, "word-1-3.mp3"}, {{320, 224, 113, 33}, "word-1-4.mp3"},
    {{296, 296, 97, 33}, "word-1-6.mp3"}, {{496, 392, 129, 25}, "word-1-5.mp3"},
    {{240, 520, 105, 25}, "word-1-7.mp3"}, {{552, 584, 89, 33}, "word-1-8.mp3"},
};
}  // namespace

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

void TForm2::ComboBox1Change(TObject*)
{
    if (ComboBox1->ItemIndex() != kUnitWithContent)
        return;
    Image1->Picture().LoadFromFile(QString::fromLatin1(kPage));  // the hot spots move only after it loaded
    TImage* const spots[8] = {Image2, Image3, Image4, Image5, Image6, Image7, Image8, Image9};
    for (int i = 0; i < 8; ++i) {
        const QRect& r = kHotSpots[i].rect;
        spots[i]->SetBounds(r.x(), r.y(), r.width(), r.height());
    }
}

void TForm2::PlayHotSpot(int spot)
{
    if (ComboBox1->ItemIndex() != kUnitWithContent)
        return;
    MediaPlayer1->FileName = QString::fromLatin1(kHotSpots[spot].clip);
    MediaPlayer1->Open();
    MediaPlayer1->Play();
}

void TForm2::Image2Click(TObject*) { PlayHotSpot(0); }
void TForm2::Image3Click(TObject*) { PlayHotSpot(1); }
void TForm2::Image4Click(TObject*) { PlayHotSpot(2); }
void TForm2::Image5Click(TObject*) { PlayHotSpot(3); }
void TForm2::Image6Click(TObject*) { PlayHotSpot(4); }
void TForm2::Image7Click(TObject*) { PlayHotSpot(5); }
void TForm2::Image8Click(TObject*) { PlayHotSpot(6); }
void TForm2::Image9Click(TObject*) { PlayHotSpot(7); }
