// The word study and text reading screens driven as a user would: picks in
// the selector (by the list and by typing), clicks on the hot spots, and the
// failures of missing pages and clips.

#include "TestSupport.h"

#include "screens/Unit2.h"
#include "screens/Unit3.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

// A content folder made from the demo pack, as the current directory.
class ContentFolder {
public:
    ContentFolder()
    {
        old_ = QDir::currentPath();
        const QDir app(qEnvironmentVariable("LEARN3A_APP_DIR"));
        for (const QString& name : app.entryList({"*.JPG", "*.mp3"}, QDir::Files))
            QFile::copy(app.filePath(name), dir_.filePath(name));
        QDir::setCurrent(dir_.path());
    }
    ~ContentFolder() { QDir::setCurrent(old_); }
    int Files() const { return int(QDir(dir_.path()).entryList(QDir::Files).size()); }

private:
    QTemporaryDir dir_;
    QString old_;
};

void Pick(TComboBox* selector, int index)
{
    selector->Combo()->setCurrentIndex(index);
    emit selector->Combo()->activated(index);  // what a pick in the list does
}

void ClickAt(TForm& form, QPoint client)
{
    QTest::mouseClick(form.Surface(), Qt::LeftButton, {}, client);
    QTest::qWait(QApplication::doubleClickInterval() + 20);  // separate clicks, not a double click
}

QPoint Centre(TImage* image) { return image->BoundsRect().center(); }

}  // namespace

class ScreensTest : public QObject {
    Q_OBJECT
private slots:
    void init() { Boxes().Take(); }
    void wordStudyUnitOne();
    void wordStudyOtherEntriesAndFailures();
    void textReadingPages();
    void typingCompletesAndBackspaceClears();
    void hidingKeepsEverything();
};

void ScreensTest::wordStudyUnitOne()
{
    ContentFolder folder;
    QVERIFY(folder.Files() >= 9);
    auto f = BuildScreen<TForm2>();
    f->Show();
    // Before any pick the hot spots play nothing.
    ClickAt(*f, Centre(f->Image2));
    QVERIFY(f->MediaPlayer1->FileName.isEmpty());

    const QRect inert[] = {f->Image10->BoundsRect(), f->Image11->BoundsRect(), f->Image12->BoundsRect(),
                           f->Image13->BoundsRect()};
    Pick(f->ComboBox1, 0);
    QCOMPARE(f->ComboBox1->Text(), QString::fromUtf8("第1单元"));
    QCOMPARE(f->Image1->Picture().Width(), 800);
    QCOMPARE(f->Image2->BoundsRect(), QRect(232, 120, 73, 33));
    QCOMPARE(f->Image9->BoundsRect(), QRect(552, 584, 89, 33));
    QCOMPARE(f->Image13->BoundsRect(), inert[3]);
    QCOMPARE(f->Image10->BoundsRect(), inert[0]);

    const std::pair<TImage*, QString> clips[] = {
        {f->Image2, "word-1-1.mp3"}, {f->Image3, "word-1-2.mp3"}, {f->Image4, "word-1-3.mp3"},
        {f->Image5, "word-1-4.mp3"}, {f->Image6, "word-1-6.mp3"}, {f->Image7, "word-1-5.mp3"},
        {f->Image8, "word-1-7.mp3"}, {f->Image9, "word-1-8.mp3"}};
    for (const auto& [spot, clip] : clips) {
        // Image9's middle lies under the inert Image13: click its free top left.
        ClickAt(*f, spot == f->Image9 ? spot->BoundsRect().topLeft() + QPoint(8, 8) : Centre(spot));
        QCOMPARE(f->MediaPlayer1->FileName, clip);
        QVERIFY(f->MediaPlayer1->IsOpen());
    }
    QVERIFY(Boxes().Take().empty());

    // Where Image9 and the inert Image13 overlap, Image13 lies above: nothing.
    f->MediaPlayer1->FileName.clear();
    ClickAt(*f, {600, 610});
    QVERIFY(f->MediaPlayer1->FileName.isEmpty());
    // The page outside every hot spot does nothing either.
    ClickAt(*f, {40, 60});
    QVERIFY(f->MediaPlayer1->FileName.isEmpty());
}

void ScreensTest::wordStudyOtherEntriesAndFailures()
{
    ContentFolder folder;
    auto f = BuildScreen<TForm2>();
    f->Show();
    TGraphic* start = f->Image1->Picture().Graphic();

    // An entry without content changes nothing, the empty entry included.
    Pick(f->ComboBox1, 1);
    Pick(f->ComboBox1, 10);
    QCOMPARE(f->ComboBox1->Text(), QString());
    QCOMPARE(f->Image1->Picture().Graphic(), start);
    ClickAt(*f, Centre(f->Image2));
    QVERIFY(f->MediaPlayer1->FileName.isEmpty());

    // A missing page: the error box, the old picture and rectangles stay, and
    // the hot spots still play the unit's clips where they lie.
    QFile::rename("word-1.JPG", "word-1.bak");
    const QRect stored = f->Image2->BoundsRect();
    Pick(f->ComboBox1, 0);
    const QStringList boxes = Boxes().TakeTexts();
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes[0].startsWith("Cannot open file \"") && boxes[0].contains("word-1.JPG\". No such file"),
             qPrintable(boxes[0]));
    QCOMPARE(f->Image1->Picture().Graphic(), start);
    QCOMPARE(f->Image2->BoundsRect(), stored);
    ClickAt(*f, Centre(f->Image2));
    QCOMPARE(f->MediaPlayer1->FileName, QStringLiteral("word-1-1.mp3"));

    // A missing clip: the error box; once the file is back the next click plays.
    QFile::rename("word-1-2.mp3", "word-1-2.bak");
    ClickAt(*f, Centre(f->Image3));
    QCOMPARE(Boxes().TakeTexts(), QStringList{"The clip file word-1-2.mp3 cannot be found."});
    QVERIFY(!f->MediaPlayer1->IsOpen());
    QFile::rename("word-1-2.bak", "word-1-2.mp3");
    ClickAt(*f, Centre(f->Image3));
    QVERIFY(f->MediaPlayer1->IsOpen());
    QVERIFY(Boxes().Take().empty());

    // The page is read anew on every change: back now, it loads.
    QFile::rename("word-1.bak", "word-1.JPG");
    Pick(f->ComboBox1, 0);
    QVERIFY(f->Image1->Picture().Graphic() != start);
    QCOMPARE(f->Image2->BoundsRect(), QRect(232, 120, 73, 33));
}

void ScreensTest::textReadingPages()
{
    ContentFolder folder;
    auto f = BuildScreen<TForm3>();
    f->Show();
    ClickAt(*f, Centre(f->Image2));  // the large stored hot spot, before any pick
    QVERIFY(f->MediaPlayer1->FileName.isEmpty());
    const QRect image4 = f->Image4->BoundsRect();
    const struct { QRect image2, image3; } rows[] = {
        {{360, 352, 177, 41}, {344, 568, 161, 33}},
        {{288, 80, 225, 81}, {368, 384, 169, 41}},
        {{384, 208, 225, 73}, {384, 488, 145, 33}},
        {{304, 88, 137, 41}, {344, 400, 161, 41}},
    };
    for (int entry = 0; entry < 4; ++entry) {
        Pick(f->ComboBox1, entry);
        QVERIFY(f->Image1->Picture().Height() > 615);
        QCOMPARE(f->Image2->BoundsRect(), rows[entry].image2);
        QCOMPARE(f->Image3->BoundsRect(), rows[entry].image3);
        QCOMPARE(f->Image4->BoundsRect(), image4);
        ClickAt(*f, Centre(f->Image2));
        QCOMPARE(f->MediaPlayer1->FileName, QStringLiteral("1-%1-1.mp3").arg(entry + 1));
        ClickAt(*f, Centre(f->Image3));
        QCOMPARE(f->MediaPlayer1->FileName, QStringLiteral("1-%1-2.mp3").arg(entry + 1));
    }
    // The inert hot spot and a page without content do nothing.
    f->MediaPlayer1->FileName.clear();
    ClickAt(*f, Centre(f->Image4));
    QVERIFY(f->MediaPlayer1->FileName.isEmpty());
    Pick(f->ComboBox1, 37);
    ClickAt(*f, Centre(f->Image2));
    QVERIFY(f->MediaPlayer1->FileName.isEmpty());
    QCOMPARE(f->Image2->BoundsRect(), rows[3].image2);

    // A missing page leaves page 4 shown, yet the hot spot plays page 2's clip.
    QFile::remove("1-2.JPG");
    Pick(f->ComboBox1, 1);
    QCOMPARE(Boxes().TakeTexts().size(), 1);
    QCOMPARE(f->Image2->BoundsRect(), rows[3].image2);
    ClickAt(*f, Centre(f->Image2));
    QCOMPARE(f->MediaPlayer1->FileName, QStringLiteral("1-2-1.mp3"));
}

void ScreensTest::typingCompletesAndBackspaceClears()
{
    ContentFolder folder;
    auto f = BuildScreen<TForm3>();
    f->Show();
    QVERIFY(QTest::qWaitForWindowActive(f.get()));
    QLineEdit* edit = f->ComboBox1->Combo()->lineEdit();
    edit->setFocus();
    edit->selectAll();
    int changes = 0;
    const auto handler = f->ComboBox1->OnChange;
    f->ComboBox1->OnChange = [&](TObject* s) { ++changes; handler(s); };

    QTest::keyClick(edit, Qt::Key_3);
    QCOMPARE(f->ComboBox1->ItemIndex(), 0);
    QCOMPARE(edit->text(), QString::fromUtf8("3A第一单元第1页"));
    QCOMPARE(edit->selectedText(), QString::fromUtf8("A第一单元第1页"));
    QCOMPARE(changes, 1);
    QCOMPARE(f->Image2->BoundsRect(), QRect(360, 352, 177, 41));  // page 1-1 shown

    // Letter case is ignored, and completing to the entry already current fires nothing.
    QTest::keyClick(edit, Qt::Key_A);
    QCOMPARE(f->ComboBox1->ItemIndex(), 0);
    QCOMPARE(edit->text(), QString::fromUtf8("3A第一单元第1页"));
    QCOMPARE(changes, 1);

    // Backspace on a non-empty text: no entry is current, and the change fires.
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(f->ComboBox1->ItemIndex(), -1);
    QCOMPARE(changes, 2);
    QCOMPARE(f->Image2->BoundsRect(), QRect(360, 352, 177, 41));
}

void ScreensTest::hidingKeepsEverything()
{
    ContentFolder folder;
    auto f = BuildScreen<TForm2>();
    f->Show();
    Pick(f->ComboBox1, 0);
    ClickAt(*f, Centre(f->Image5));
    TGraphic* page = f->Image1->Picture().Graphic();
    f->hide();
    f->Show();
    QCOMPARE(f->ComboBox1->ItemIndex(), 0);
    QCOMPARE(f->Image1->Picture().Graphic(), page);
    QCOMPARE(f->Image5->BoundsRect(), QRect(320, 224, 113, 33));
    QVERIFY(f->MediaPlayer1->IsOpen());
    QCOMPARE(f->MediaPlayer1->FileName, QStringLiteral("word-1-4.mp3"));
}

LEARN3A_TEST_MAIN(ScreensTest)
#include "test_screens.moc"
