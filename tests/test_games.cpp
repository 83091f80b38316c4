// The games screen under a real X display: the player takes the game area on
// first show, "游戏一" loads the game beside the executable and its first
// frame appears, failures come to the error box, hiding keeps the game, and
// the page can reach nothing but its own files.

#include "TestSupport.h"

#include "app/Exceptions.h"
#include "screens/Unit4.h"

#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

const QColor kSolid(0xC8, 0x1E, 0x3C);  // the fixture movie's colour

QString GamePath() { return QCoreApplication::applicationDirPath() + QStringLiteral("/game2.swf"); }

void PutGame(const QByteArray& bytes)
{
    QFile file(GamePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Fixture(const char* name)
{
    QFile file(QStringLiteral(LEARN3A_FIXTURES "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("fixture %s missing", name);
    return file.readAll();
}

// The colour an X screenshot shows in the middle of the game area.
QColor GameAreaColour(TForm4& f)
{
    const QRect area = f.ShockwaveFlash1->BoundsRect();
    const QPoint centre = f.Surface()->mapToGlobal(area.center());
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0, centre.x() - 2, centre.y() - 2, 5, 5).toImage();
    return shot.pixelColor(2, 2);
}

bool Near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) < 8 && qAbs(a.green() - b.green()) < 8 && qAbs(a.blue() - b.blue()) < 8;
}

}  // namespace

class GamesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { QFile::remove(GamePath()); }
    void init() { Boxes().Take(); }
    void storedStateIsUnderstood();
    void gameAppearsAndStaysWhenHidden();
    void badGamesComeToTheErrorBox();
    void pageReachesNothingElse();

private:
    std::unique_ptr<TForm4> games_;
};

void GamesTest::initTestCase()
{
    games_ = BuildScreen<TForm4>();
    QVERIFY(!games_->ShockwaveFlash1->Active());  // no player view before the first show
}

void GamesTest::storedStateIsUnderstood()
{
    const auto settings = TShockwaveFlash::ParseControlData(games_->ShockwaveFlash1->ControlData());
    QVERIFY(settings.valid);
    QCOMPARE(settings.quality, QStringLiteral("high"));
    QCOMPARE(settings.scale, QStringLiteral("showAll"));
    QByteArray broken = games_->ShockwaveFlash1->ControlData();
    broken.chop(3);
    QVERIFY(!TShockwaveFlash::ParseControlData(broken).valid);
    QVERIFY(!TShockwaveFlash::ParseControlData(QByteArray(280, '\xff')).valid);
}

void GamesTest::gameAppearsAndStaysWhenHidden()
{
    PutGame(Fixture("solid.swf"));
    // The current directory plays no part: the game lies beside the program.
    QTemporaryDir elsewhere;
    const QString old = QDir::currentPath();
    QDir::setCurrent(elsewhere.path());

    games_->Show();
    QVERIFY(QTest::qWaitForWindowExposed(games_.get()));
    QVERIFY(games_->ShockwaveFlash1->Active());
    QCOMPARE(games_->ShockwaveFlash1->View()->geometry().size(), QSize(721, 609));
    QElapsedTimer pressed;
    pressed.start();
    games_->BitBtn1->Button()->click();
    QVERIFY(pressed.elapsed() < 1000);  // the press does not wait for the load
    QCOMPARE(games_->ShockwaveFlash1->Movie(), GamePath());
    QTRY_VERIFY_WITH_TIMEOUT(games_->ShockwaveFlash1->Playing(), 30000);
    QTRY_VERIFY_WITH_TIMEOUT(Near(GameAreaColour(*games_), kSolid), 10000);
    QDir::setCurrent(old);

    // Hidden and shown again: the same game, not loaded again.
    const int loads = games_->ShockwaveFlash1->Loads();
    games_->hide();
    QTest::qWait(300);
    games_->Show();
    QVERIFY(QTest::qWaitForWindowExposed(games_.get()));
    QTest::qWait(500);
    QCOMPARE(games_->ShockwaveFlash1->Loads(), loads);
    QTRY_VERIFY_WITH_TIMEOUT(Near(GameAreaColour(*games_), kSolid), 10000);
    QVERIFY(Boxes().Take().empty());

    // "游戏二" to "游戏五" do nothing.
    games_->BitBtn2->Button()->click();
    games_->BitBtn5->Button()->click();
    QCOMPARE(games_->ShockwaveFlash1->Loads(), loads);
    QVERIFY(Boxes().Take().empty());
}

void GamesTest::badGamesComeToTheErrorBox()
{
    games_->Show();
    QFile::remove(GamePath());
    games_->BitBtn1->Button()->click();
    QCOMPARE(Boxes().TakeTexts(), QStringList{"The movie " + GamePath() + " cannot be opened."});

    PutGame(QByteArray("<html>not a movie</html>"));
    games_->BitBtn1->Button()->click();
    QCOMPARE(Boxes().TakeTexts(), QStringList{"The file " + GamePath() + " is not a Flash movie."});

    // A movie header over garbage: the press returns at once and the
    // program goes on, whatever the player makes of it.
    PutGame(QByteArray("FWS\x0a\xff\xff\xff\x7f") + QByteArray(4000, '\x5a'));
    games_->BitBtn1->Button()->click();
    QTest::qWait(3000);
    Boxes().Take();

    // The screen stays usable: a good game plays again.
    PutGame(Fixture("solid.swf"));
    games_->BitBtn1->Button()->click();
    QTRY_VERIFY_WITH_TIMEOUT(games_->ShockwaveFlash1->Playing(), 30000);
}

// Requests to anything but the program's own scheme never leave the page.
void GamesTest::pageReachesNothingElse()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    int connections = 0;
    connect(&server, &QTcpServer::newConnection, this, [&] {
        ++connections;
        delete server.nextPendingConnection();
    });
    const QString address = QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort());
    QWebEnginePage* page = games_->ShockwaveFlash1->View()->page();
    QString outcome;
    page->runJavaScript(
        QStringLiteral("var r = []; var img = new Image(); img.src = '%1img';"
                       "fetch('%1fetch').then(() => r.push('fetched'), () => r.push('blocked'));"
                       "var x = new XMLHttpRequest(); x.open('GET', 'file:///etc/passwd');"
                       "x.onload = () => r.push('file read'); x.onerror = () => r.push('file blocked'); x.send();"
                       "var s = new WebSocket('ws://127.0.0.1:%2/'); 0;")
            .arg(address)
            .arg(server.serverPort()));
    QTest::qWait(2000);
    page->runJavaScript(QStringLiteral("r.sort().join(',')"), [&](const QVariant& v) { outcome = v.toString(); });
    QTRY_VERIFY(!outcome.isEmpty());
    QCOMPARE(outcome, QStringLiteral("blocked,file blocked"));
    QCOMPARE(connections, 0);

    // Sound needs no click inside the page first: audio runs from the start.
    QString audio;
    page->runJavaScript(QStringLiteral("var ctx = new AudioContext(); 0;"));
    QTest::qWait(500);
    page->runJavaScript(QStringLiteral("ctx.state"), [&](const QVariant& v) { audio = v.toString(); });
    QTRY_VERIFY(!audio.isEmpty());
    QCOMPARE(audio, QStringLiteral("running"));
}

LEARN3A_TEST_MAIN(GamesTest)
#include "test_games.moc"
