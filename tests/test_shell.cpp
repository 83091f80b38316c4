// The shell: title and box text rules, screen creation, show and close,
// the end of the program and the start-up failure path.

#include "TestSupport.h"

#include "app/Exceptions.h"
#include "screens/Unit1.h"
#include "screens/Unit2.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"

#include <QProcess>
#include <QRegularExpression>
#include <cstdio>

// Screens whose layouts are broken on purpose (from the test's own fixtures),
// and one that has no layout at all.
class TBadPictureForm : public TForm { Q_OBJECT };
class TBadSyntaxForm : public TForm { Q_OBJECT };
class TMissingForm : public TForm { Q_OBJECT };

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void titleRule_data();
    void titleRule();
    void errorBoxText_data();
    void errorBoxText();
    void handlerOfLastResort();
    void fatalBoxText();
    void screensShowAndClose();
    void startupFailure_data();
    void startupFailure();
};

void ShellTest::titleRule_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("upper case") << "C:/Lern/LEARN3A.EXE" << "Learn3a";
    QTest::newRow("cut at first dot") << "/opt/A.B.C.EXE" << "A";
    QTest::newRow("two dots") << "MY.TOOL.EXE" << "My";
    QTest::newRow("no dot") << "ABC" << "Abc";
    QTest::newRow("first character unchanged") << "/usr/bin/learn3a" << "learn3a";
    QTest::newRow("mixed") << "xYZ.exe" << "xyz";
}

void ShellTest::titleRule()
{
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(ProgramTitleFromFileName(path), title);
}

void ShellTest::errorBoxText_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "Stream read error" << "Stream read error.";
    QTest::newRow("digit") << "JPEG error #42" << "JPEG error #42.";
    QTest::newRow("question mark") << "Why?" << "Why?.";
    QTest::newRow("bracket") << "[x]" << "[x].";
    QTest::newRow("chinese") << QString::fromUtf8("文件错误") << QString::fromUtf8("文件错误.");
    QTest::newRow("full stop") << "Done." << "Done.";
    QTest::newRow("parenthesis") << "Unknown picture file extension (.png)"
                                 << "Unknown picture file extension (.png)";
    QTest::newRow("exclamation") << "Oops!" << "Oops!";
    QTest::newRow("space") << "trailing " << "trailing ";
    QTest::newRow("line break") << "line\n" << "line\n";
    QTest::newRow("empty") << "" << "";
}

void ShellTest::errorBoxText()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(ErrorBoxText(message), shown);
}

void ShellTest::handlerOfLastResort()
{
    Boxes().Take();
    Application->HandleException(std::make_exception_ptr(EAbort(QStringLiteral("silent"))));
    QVERIFY(Boxes().Take().empty());

    Application->HandleException(std::make_exception_ptr(EMCIDeviceError(QStringLiteral("No device"))));
    const auto boxes = Boxes().Take();
    QCOMPARE(boxes.size(), size_t(1));
    QCOMPARE(boxes[0].title, QStringLiteral("Learn3a"));
    QCOMPARE(boxes[0].text, QStringLiteral("No device."));
    QVERIFY(!boxes[0].fatal);
}

void ShellTest::fatalBoxText()
{
    const QString text = FatalBoxText(std::make_exception_ptr(EOleSysError(QStringLiteral("Class not registered"))));
    const QRegularExpression form(
        QStringLiteral("^Exception EOleSysError in module test_shell at [0-9A-F]{8}\\.\r\nClass not registered\\.\r\n$"));
    QVERIFY2(form.match(text).hasMatch(), qPrintable(text));
    // A message that already ends in a full stop gets none added.
    QVERIFY(FatalBoxText(std::make_exception_ptr(EReadError(QStringLiteral("Bad.")))).endsWith("\r\nBad.\r\n"));
}

void ShellTest::screensShowAndClose()
{
    QStringList destroyed;
    Application->OnScreenDestroyed = [&](const QString& name) { destroyed << name; };
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Application->CreateForm(Form3);
    Application->CreateForm(Form4);
    QCOMPARE(Application->MainForm(), static_cast<TForm*>(Form1));
    QCOMPARE(Application->FormCount(), 4);
    for (TForm* form : {static_cast<TForm*>(Form1), static_cast<TForm*>(Form2), static_cast<TForm*>(Form3),
                        static_cast<TForm*>(Form4)})
        QVERIFY(!form->isVisible());

    // Start-up shows only the home screen, at its stored outer rectangle.
    Form1->Show();
    QVERIFY(QTest::qWaitForWindowExposed(Form1));
    QCOMPARE(Form1->frameGeometry(), QRect(10, 22, 1006, 715));
    QVERIFY(!Form2->isVisible() && !Form3->isVisible() && !Form4->isVisible());

    // The activity buttons show their screens; a second press only raises.
    Form1->BitBtn1->Button()->click();
    Form1->BitBtn1->Button()->click();
    QVERIFY(Form2->isVisible());
    QCOMPARE(Form2->frameGeometry(), QRect(8, 15, 1006, 715));
    int wordScreens = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        wordScreens += qobject_cast<TForm2*>(w) != nullptr;
    QCOMPARE(wordScreens, 1);
    Form1->BitBtn3->Button()->click();
    QVERIFY(Form4->isVisible() && Form2->isVisible() && Form1->isVisible());

    // "返回" hides only its own screen; the home screen stays.
    Form4->BitBtn6->Button()->click();
    QVERIFY(!Form4->isVisible() && Form2->isVisible() && Form1->isVisible());
    // The close box of an activity screen hides it, keeping its rectangle.
    Form2->move(30, 40);
    const QRect moved = Form2->frameGeometry();
    QVERIFY(!Form2->close());
    QVERIFY(!Form2->isVisible());
    Form1->BitBtn1->Button()->click();
    QCOMPARE(Form2->frameGeometry(), moved);
    Form1->BitBtn2->Button()->click();
    Form3->BitBtn1->Button()->click();
    QVERIFY(!Form3->isVisible() && Form1->isVisible());

    // Closing the home screen ends the loop even with another screen shown,
    // without hiding the home screen first.
    QVERIFY(!Form1->close());
    QVERIFY(Form1->isVisible());
    QVERIFY(!Application->Terminated());
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(Application->Terminated());

    // The end: screens destroyed from the last created to the first.
    Application->DestroyForms();
    QCOMPARE(destroyed, (QStringList{"Form4", "Form3", "Form2", "Form1"}));
    QVERIFY(!Form1 && !Form2 && !Form3 && !Form4);
    Application->OnScreenDestroyed = nullptr;
}

void ShellTest::startupFailure_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no layout") << "missing"
                               << "Exception EResNotFound in module test_shell at [0-9A-F]{8}\\.\r\n"
                                  "Resource TMissingForm not found\\.\r\n";
    QTest::newRow("broken picture") << "picture" << "Exception EJPEG in module test_shell at [0-9A-F]{8}\\.\r\n"
                                                     "JPEG error #\\d+\\.\r\n";
    QTest::newRow("broken layout") << "syntax"
                                   << "Exception EReadError in module test_shell at [0-9A-F]{8}\\.\r\n"
                                      "Error reading layout, line 4: unterminated text\\.\r\n";
}

// The program's main block with a failing screen, run in a child process: the
// fatal box, the screens built so far destroyed, exit code 1.
void ShellTest::startupFailure()
{
    QFETCH(QString, which);
    QFETCH(QString, expected);
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--startup-failure"), which});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 1);
    const QString out = QString::fromUtf8(child.readAllStandardOutput());
    const QRegularExpression box(QStringLiteral("^box Application Error fatal\n") + expected +
                                 QStringLiteral("destroyed Form1\n$"));
    QVERIFY2(box.match(out).hasMatch(), qPrintable(out));
}

namespace {
int RunFailingMainBlock(int argc, char** argv)
{
    ProgramPlatform platform(argc, argv);
    TApplication application(QCoreApplication::applicationFilePath());
    application.SetMessageBoxPresenter([](const MessageBoxRequest& box) {
        std::printf("box %s%s\n%s", qPrintable(box.title), box.fatal ? " fatal" : "", box.text.toUtf8().constData());
    });
    application.OnScreenDestroyed = [](const QString& name) { std::printf("destroyed %s\n", qPrintable(name)); };
    const QString which = QString::fromLatin1(argv[2]);
    return application.Execute([&] {
        Application->Initialize();
        Application->CreateForm(Form1);
        TForm* failing = nullptr;
        if (which == QLatin1String("picture")) {
            TBadPictureForm* f = nullptr;
            Application->CreateForm(f);
            failing = f;
        } else if (which == QLatin1String("syntax")) {
            TBadSyntaxForm* f = nullptr;
            Application->CreateForm(f);
            failing = f;
        } else {
            TMissingForm* f = nullptr;
            Application->CreateForm(f);
            failing = f;
        }
        Q_UNUSED(failing)
    });
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--startup-failure") == 0)
        return RunFailingMainBlock(argc, argv);
    ProgramPlatform platform(argc, argv);
    TApplication application(QStringLiteral("/opt/learn3a/LEARN3A.EXE"));
    application.Initialize();
    Boxes();
    ShellTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_shell.moc"
