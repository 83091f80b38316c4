// The built-in layouts against the screens' tables, and the layout reader's
// refusal of anything it cannot read.

#include "TestSupport.h"

#include "app/Exceptions.h"
#include "screens/Unit1.h"
#include "screens/Unit2.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"
#include "ui/Layout.h"

#include <QtEndian>

namespace {

QStringList ComponentList(const TForm& form)
{
    QStringList list;
    for (const auto& c : form.Components())
        list << c->Name() + QLatin1Char(':') + QString::fromLatin1(c->metaObject()->className());
    return list;
}

QRect Rect(const TForm& form, const char* name)
{
    return qobject_cast<TControl*>(form.FindComponent(QString::fromLatin1(name)))->BoundsRect();
}

}  // namespace

class TReaderForm : public TForm {
    Q_OBJECT
public:
    TReaderForm() { FIELD(Image1); }
    TImage* Image1 = nullptr;
public slots:
    void Image1Click(TObject*) {}
};

class LayoutsTest : public QObject {
    Q_OBJECT
private slots:
    void homeScreen();
    void wordStudyScreen();
    void textReadingScreen();
    void gamesScreen();
    void readerRefuses_data();
    void readerRefuses();
};

void LayoutsTest::homeScreen()
{
    auto f = BuildScreen<TForm1>();
    QCOMPARE(f->objectName(), QStringLiteral("Form1"));
    QCOMPARE(f->Caption(), QString::fromUtf8("Tavimo系列软件"));
    QCOMPARE(f->StoredBounds(), QRect(10, 22, 1006, 715));
    QCOMPARE(ComponentList(*f), (QStringList{"Image1:TImage", "Label1:TLabel", "BitBtn1:TBitBtn", "BitBtn2:TBitBtn",
                                             "BitBtn3:TBitBtn", "BitBtn4:TBitBtn"}));
    QCOMPARE(f->Image1->BoundsRect(), QRect(8, 40, 748, 615));
    QCOMPARE(f->Image1->Picture().Graphic()->ClassName(), "TJPEGImage");
    QCOMPARE(QSize(f->Image1->Picture().Width(), f->Image1->Picture().Height()), QSize(800, 600));
    const QStringList captions{"单词学习", "课文点读", "边玩边学", "退出程序"};
    const TBitBtn* buttons[] = {f->BitBtn1, f->BitBtn2, f->BitBtn3, f->BitBtn4};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(buttons[i]->Caption(), captions[i]);
        QCOMPARE(buttons[i]->TabOrder(), i);
        QCOMPARE(buttons[i]->Font().Color, QColor(255, 0, 255));
        QCOMPARE(buttons[i]->Font().Height, -29);
        QVERIFY(buttons[i]->Font().Bold && !buttons[i]->ParentFont());
        QCOMPARE(buttons[i]->Font().Charset, i == 3 ? int(GB2312_CHARSET) : int(ANSI_CHARSET));
    }
    QCOMPARE(f->BitBtn3->BoundsRect(), QRect(808, 408, 161, 73));
    QCOMPARE(f->Label1->Font().Name, QString::fromUtf8("宋体"));
    QCOMPARE(f->Label1->Font().Color, QColor(0, 0, 255));
    QCOMPARE(f->Font().Name, QStringLiteral("MS Sans Serif"));
    QCOMPARE(f->Font().Height, -11);
    QCOMPARE(f->TextHeight(), 13);
    QVERIFY(!f->windowIcon().isNull());
}

void LayoutsTest::wordStudyScreen()
{
    auto f = BuildScreen<TForm2>();
    QCOMPARE(f->Caption(), QString::fromUtf8("单词学习"));
    QCOMPARE(f->StoredBounds(), QRect(8, 15, 1006, 715));
    QStringList expected{"Image1:TImage"};
    for (int i = 2; i <= 13; ++i)
        expected << QStringLiteral("Image%1:TImage").arg(i);
    expected << "BitBtn1:TBitBtn" << "ComboBox1:TComboBox" << "Memo1:TMemo" << "MediaPlayer1:TMediaPlayer";
    QCOMPARE(ComponentList(*f), expected);
    QCOMPARE(f->Image1->Picture().Graphic()->ClassName(), "TBitmap");
    QCOMPARE(QSize(f->Image1->Picture().Width(), f->Image1->Picture().Height()), QSize(800, 600));
    QCOMPARE(Rect(*f, "Image7"), QRect(200, 424, 73, 33));
    QCOMPARE(Rect(*f, "Image13"), QRect(576, 600, 81, 33));
    QCOMPARE(f->Image13->Cursor(), TCursor::crHandPoint);
    QVERIFY(!f->Image13->OnClick && f->Image9->OnClick);
    QCOMPARE(Rect(*f, "ComboBox1"), QRect(808, 40, 169, 32));
    QCOMPARE(f->ComboBox1->Font().Height, -24);
    QCOMPARE(f->ComboBox1->Items().mid(4, 2), (QStringList{"第5单元", "第7单元"}));
    QCOMPARE(f->Memo1->Lines(), (QStringList{"说明：", "请选择单", "元，然后", "点相应的", "单词就能", "听到单词",
                                             "的读音。", "要回主页", "请点返回", "。"}));
    QCOMPARE(f->MediaPlayer1->TabOrder(), 3);
}

void LayoutsTest::textReadingScreen()
{
    auto f = BuildScreen<TForm3>();
    QCOMPARE(f->Caption(), QString::fromUtf8("课文点读"));
    QCOMPARE(ComponentList(*f), (QStringList{"Image1:TImage", "Image2:TImage", "Image3:TImage", "Image4:TImage",
                                             "BitBtn1:TBitBtn", "ComboBox1:TComboBox", "Memo1:TMemo",
                                             "MediaPlayer1:TMediaPlayer"}));
    QCOMPARE(QSize(f->Image1->Picture().Width(), f->Image1->Picture().Height()), QSize(800, 1133));
    QCOMPARE(Rect(*f, "Image2"), QRect(152, 312, 281, 209));
    QCOMPARE(Rect(*f, "BitBtn1"), QRect(824, 512, 137, 57));
    const QStringList items = f->ComboBox1->Items();
    QCOMPARE(items.size(), 38);
    QCOMPARE(items[0], QString::fromUtf8("3A第一单元第1页"));
    QCOMPARE(items[20], QString::fromUtf8("3A第七单元第1页"));
    QCOMPARE(items[37], QString::fromUtf8("3A第十一单元第2页"));
    QCOMPARE(f->Memo1->Lines().last(), QString::fromUtf8("钮。"));
}

void LayoutsTest::gamesScreen()
{
    auto f = BuildScreen<TForm4>();
    QCOMPARE(f->Caption(), QString::fromUtf8("边学边玩"));
    QCOMPARE(f->StoredBounds(), QRect(9, 14, 1006, 715));
    QCOMPARE(ComponentList(*f), (QStringList{"Label1:TLabel", "Label2:TLabel", "BitBtn1:TBitBtn", "BitBtn2:TBitBtn",
                                             "BitBtn3:TBitBtn", "BitBtn4:TBitBtn", "BitBtn5:TBitBtn",
                                             "BitBtn6:TBitBtn", "ShockwaveFlash1:TShockwaveFlash"}));
    QVERIFY(f->BitBtn1->OnClick && !f->BitBtn2->OnClick && !f->BitBtn5->OnClick);
    QCOMPARE(f->BitBtn6->Caption(), QString::fromUtf8("返回"));
    QCOMPARE(f->ShockwaveFlash1->BoundsRect(), QRect(40, 16, 721, 609));
    const QByteArray data = f->ShockwaveFlash1->ControlData();
    QCOMPARE(data.size(), 280);
    QCOMPARE(qFromLittleEndian<quint32>(data.constData()), 0x55665567u);
    QCOMPARE(qFromLittleEndian<quint32>(data.constData() + 8), 19076u);
    QCOMPARE(qFromLittleEndian<quint32>(data.constData() + 12), 16113u);
    QCOMPARE(f->Label2->Caption(), QString::fromUtf8("请选择游戏"));
}

void LayoutsTest::readerRefuses_data()
{
    QTest::addColumn<QByteArray>("layout");
    const QByteArray head = "object ReaderForm: TReaderForm\n";
    const QByteArray image = "  object Image1: TImage\n  end\n";
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no end") << head + image;
    QTest::newRow("text after end") << head + image + "end\nend\n";
    QTest::newRow("unknown kind") << head + image + "  object X1: TGauge\n  end\nend\n";
    QTest::newRow("unknown setting") << head + "  object Image1: TImage\n    Colour = clRed\n  end\nend\n";
    QTest::newRow("wrong value kind") << head + "  object Image1: TImage\n    Left = 'ten'\n  end\nend\n";
    QTest::newRow("unknown handler") << head + "  object Image1: TImage\n    OnClick = Nowhere\n  end\nend\n";
    QTest::newRow("nested components") << head + "  object Image1: TImage\n    object Image2: TImage\n    end\n  end\nend\n";
    QTest::newRow("duplicate name") << head + image + image + "end\n";
    QTest::newRow("field of another kind") << head + "  object Image1: TLabel\n  end\nend\n";
    QTest::newRow("missing field") << head + "end\n";
    QTest::newRow("number too big") << head + "  object Image1: TImage\n    Left = 99999999999\n  end\nend\n";
    QTest::newRow("bad hex") << head + "  Left = {0G}\n" + image + "end\n";
    QTest::newRow("unterminated text") << head + "  Caption = 'open\n" + image + "end\n";
    QTest::newRow("not UTF-8") << head + "  Caption = '\xff\xfe'\n" + image + "end\n";
    QTest::newRow("missing resource") << head + "  object Image1: TImage\n    Picture.Data = TJPEGImage @none.jpg\n  end\nend\n";
    QTest::newRow("unknown graphic") << head + "  object Image1: TImage\n    Picture.Data = TGIFImage @home.jpg\n  end\nend\n";
    QTest::newRow("class of another screen") << QByteArray("object Form1: TForm1\nend\n");
}

void LayoutsTest::readerRefuses()
{
    QFETCH(QByteArray, layout);
    TReaderForm form;
    try {
        form.ReadLayout(ParseLayout(layout, &LoadBuiltinResource));
        QFAIL("read a broken layout");
    } catch (const EReadError& e) {
        QVERIFY(!e.Message().isEmpty());
    }
}

LEARN3A_TEST_MAIN(LayoutsTest)
#include "test_layouts.moc"
