// The screen and control model: stacking and hit testing, the click rule,
// cursors, focus, labels, selectors, memos, painting, maximizing, scaling.

#include "TestSupport.h"

#include "screens/Unit1.h"
#include "screens/Unit2.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"
#include "ui/Layout.h"

#include <QFontMetrics>
#include <QScrollArea>
#include <QScrollBar>

// A screen made for these tests: a big picture under a hot spot and a button.
class TStackForm : public TForm {
    Q_OBJECT
public:
    TStackForm()
    {
        FIELD(Image1);
        FIELD(Image2);
        FIELD(Image3);
        FIELD(BitBtn1);
    }
    TImage* Image1 = nullptr;
    TImage* Image2 = nullptr;
    TImage* Image3 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    QStringList clicks;

public slots:
    void Image1Click(TObject*) { clicks << "Image1"; }
    void Image2Click(TObject*) { clicks << "Image2"; }
    void Image3Click(TObject*) { clicks << "Image3"; }
    void BitBtn1Click(TObject*) { clicks << "BitBtn1"; }
};

static const char* kStackLayout = R"(
object StackForm: TStackForm
  Width = 400
  Height = 300
  object Image1: TImage
    Left = 0
    Top = 0
    Width = 400
    Height = 300
    OnClick = Image1Click
  end
  object Image2: TImage
    Left = 10
    Top = 10
    Width = 100
    Height = 50
    Cursor = crHandPoint
    OnClick = Image2Click
  end
  object Image3: TImage
    Left = 60
    Top = 30
    Width = 100
    Height = 50
    OnClick = Image3Click
  end
  object BitBtn1: TBitBtn
    Left = 200
    Top = 100
    Width = 80
    Height = 40
    Caption = 'OK'
    TabOrder = 0
    OnClick = BitBtn1Click
  end
end
)";

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void stackingAndHitTesting();
    void clickRule();
    void handCursor();
    void focusFollowsTabOrder();
    void labelSizesToCaption();
    void selectorsAndMemos();
    void homeScreenPaint();
    void maximizeMovesNothing();
    void scaling();

private:
    std::unique_ptr<TStackForm> stack_;
};

void ControlsTest::init()
{
    stack_ = std::make_unique<TStackForm>();
    stack_->ReadLayout(ParseLayout(kStackLayout, &LoadBuiltinResource));
    stack_->Show();
    QVERIFY(QTest::qWaitForWindowExposed(stack_.get()));
}

void ControlsTest::stackingAndHitTesting()
{
    FormSurface* surface = stack_->Surface();
    // The later-created of two overlapping hot spots wins, and a hot spot
    // over the picture gets the click rather than the picture.
    QCOMPARE(surface->GraphicControlAt({80, 40}), stack_->Image3);
    QCOMPARE(surface->GraphicControlAt({20, 20}), stack_->Image2);
    QCOMPARE(surface->GraphicControlAt({300, 250}), stack_->Image1);
    stack_->Image3->SetVisible(false);
    QCOMPARE(surface->GraphicControlAt({80, 40}), stack_->Image2);
    stack_->Image3->SetVisible(true);

    // Through the real window: a windowed control lies over every graphic one.
    QTest::mouseClick(stack_->windowHandle(), Qt::LeftButton, {}, surface->mapTo(stack_.get(), QPoint(240, 120)));
    QTest::mouseClick(stack_->windowHandle(), Qt::LeftButton, {}, surface->mapTo(stack_.get(), QPoint(80, 40)));
    QTest::mouseClick(stack_->windowHandle(), Qt::LeftButton, {}, surface->mapTo(stack_.get(), QPoint(20, 20)));
    QCOMPARE(stack_->clicks, (QStringList{"BitBtn1", "Image3", "Image2"}));

    // Enter on a focused button clicks it, like Space.
    stack_->clicks.clear();
    QTest::keyClick(stack_->BitBtn1->Widget(), Qt::Key_Return);
    QTest::keyClick(stack_->BitBtn1->Widget(), Qt::Key_Space);
    QCOMPARE(stack_->clicks, (QStringList{"BitBtn1", "BitBtn1"}));
}

void ControlsTest::clickRule()
{
    FormSurface* surface = stack_->Surface();
    // Pressed inside, released outside: no click.
    QTest::mousePress(surface, Qt::LeftButton, {}, {20, 20});
    QTest::mouseRelease(surface, Qt::LeftButton, {}, {300, 250});
    QVERIFY(stack_->clicks.isEmpty());
    // Pressed and released inside: one click, wherever inside. (Waits keep
    // separate presses from making a double click.)
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mousePress(surface, Qt::LeftButton, {}, {11, 11});
    QTest::mouseRelease(surface, Qt::LeftButton, {}, {50, 50});
    QCOMPARE(stack_->clicks, QStringList{"Image2"});
    // A double click is one click.
    stack_->clicks.clear();
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseDClick(stack_->windowHandle(), Qt::LeftButton, {}, surface->mapTo(stack_.get(), QPoint(20, 20)));
    QCOMPARE(stack_->clicks, QStringList{"Image2"});
    // The right button clicks nothing.
    stack_->clicks.clear();
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(surface, Qt::RightButton, {}, {20, 20});
    QVERIFY(stack_->clicks.isEmpty());
}

void ControlsTest::handCursor()
{
    FormSurface* surface = stack_->Surface();
    QMouseEvent move(QEvent::MouseMove, QPointF(20, 20), surface->mapToGlobal(QPointF(20, 20)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(surface, &move);
    QCOMPARE(surface->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(surface->cursor().hotSpot(), QPoint(7, 1));
    QCOMPARE(surface->cursor().bitmap().size(), QSize(32, 32));
    QMouseEvent away(QEvent::MouseMove, QPointF(300, 250), surface->mapToGlobal(QPointF(300, 250)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(surface, &away);
    QCOMPARE(surface->cursor().shape(), Qt::ArrowCursor);
}

void ControlsTest::focusFollowsTabOrder()
{
    auto home = BuildScreen<TForm1>();
    home->Show();
    QVERIFY(QTest::qWaitForWindowActive(home.get()));
    QCOMPARE(QApplication::focusWidget(), home->BitBtn1->Widget());
    // Tab runs through the four buttons in order and wraps around.
    QList<QWidget*> order;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget();
    }
    QCOMPARE(order, (QList<QWidget*>{home->BitBtn2->Widget(), home->BitBtn3->Widget(), home->BitBtn4->Widget(),
                                     home->BitBtn1->Widget()}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // now on "课文点读"

    // Another screen takes its own first control; coming back restores the focus.
    auto words = BuildScreen<TForm2>();
    words->Show();
    QVERIFY(QTest::qWaitForWindowActive(words.get()));
    QCOMPARE(QApplication::focusWidget(), words->BitBtn1->Widget());
    QVERIFY(words->MediaPlayer1->Widget()->focusPolicy() == Qt::NoFocus);
    words->hide();
    home->Show();
    QVERIFY(QTest::qWaitForWindowActive(home.get()));
    QCOMPARE(QApplication::focusWidget(), home->BitBtn2->Widget());
}

void ControlsTest::labelSizesToCaption()
{
    auto home = BuildScreen<TForm1>();
    const QFontMetrics metrics(home->Label1->EffectiveFont().ToQFont());
    QCOMPARE(home->Label1->Width(), metrics.horizontalAdvance(QString::fromUtf8("Tavimo软件")));
    QCOMPARE(home->Label1->Height(), metrics.height());
    QVERIFY(home->Label1->Width() != 450);
    home->Label1->SetCaption(QStringLiteral("Tavimo"));
    QCOMPARE(home->Label1->Width(), metrics.horizontalAdvance(QStringLiteral("Tavimo")));
    QCOMPARE(home->Label1->Left(), 40);
}

void ControlsTest::selectorsAndMemos()
{
    auto words = BuildScreen<TForm2>();
    QCOMPARE(words->ComboBox1->ItemIndex(), -1);
    QCOMPARE(words->ComboBox1->Text(), QString::fromUtf8("单元选择"));
    QCOMPARE(words->ComboBox1->DropDownCount(), 8);
    QCOMPARE(words->ComboBox1->Items().size(), 11);
    QCOMPARE(words->ComboBox1->Items().last(), QString());
    QCOMPARE(words->Memo1->Lines().size(), 10);
    QVERIFY(!words->Memo1->ReadOnly());
    QCOMPARE(words->Memo1->Editor()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QVERIFY(!words->MediaPlayer1->Visible());

    auto pages = BuildScreen<TForm3>();
    QCOMPARE(pages->ComboBox1->Text(), QString::fromUtf8("课文单元选择"));
    QCOMPARE(pages->ComboBox1->Items().size(), 38);
    QVERIFY(pages->Memo1->ReadOnly());
    QVERIFY(pages->Memo1->Editor()->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    QCOMPARE(pages->Memo1->Lines().first(), QString::fromUtf8("使用说明："));
}

void ControlsTest::homeScreenPaint()
{
    auto home = BuildScreen<TForm1>();
    home->Show();
    QVERIFY(QTest::qWaitForWindowExposed(home.get()));
    const QImage shot = home->Surface()->grab().toImage();
    // The start picture fills Image1's top 600 rows; the 15 rows under it show
    // the screen's colour, and so does everything right of its 748 columns.
    QVERIFY(shot.pixelColor(20, 60) != Colors::BtnFace());
    QCOMPARE(shot.pixelColor(100, 40 + 600 + 5), Colors::BtnFace());
    QCOMPARE(shot.pixelColor(8 + 748 + 5, 100), Colors::BtnFace());
    // The heading is blue text on the screen's colour.
    bool blue = false;
    for (int x = 40; x < 40 + home->Label1->Width() && !blue; ++x)
        for (int y = 8; y < 8 + home->Label1->Height() && !blue; ++y)
            blue = shot.pixelColor(x, y) == QColor(0, 0, 255);
    QVERIFY(blue);
}

void ControlsTest::maximizeMovesNothing()
{
    auto home = BuildScreen<TForm1>();
    home->Show();
    QVERIFY(QTest::qWaitForWindowExposed(home.get()));
    const QRect button = home->BitBtn4->Widget()->geometry();
    home->resize(1400, 1000);
    QTest::qWait(20);
    QCOMPARE(home->BitBtn4->Widget()->geometry(), button);
    QVERIFY(!home->ScrollArea()->verticalScrollBar()->isVisible());
    // Smaller than the controls' extent: the screen scrolls to reach the rest.
    home->resize(500, 400);
    QTest::qWait(20);
    QVERIFY(home->ScrollArea()->verticalScrollBar()->isVisible());
    QCOMPARE(home->BitBtn4->Widget()->geometry(), button);
}

void ControlsTest::scaling()
{
    auto home = BuildScreen<TForm1>();
    home->ScaleControls(16, 13);  // 120 dots per inch
    QCOMPARE(home->BitBtn1->BoundsRect(), QRect(994, 158, 198, 90));
    QCOMPARE(home->BitBtn1->Font().Height, -36);
    QCOMPARE(home->Image1->BoundsRect(), QRect(10, 49, 921, 757));
    QCOMPARE(home->StoredBounds().size(), QSize(1006, 715));
}

LEARN3A_TEST_MAIN(ControlsTest)
#include "test_controls.moc"
