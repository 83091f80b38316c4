// "游戏一" to the game's first frame in the games screen, on the first show
// and once the screen has been shown before. The frame is seen in an X
// screenshot of the game area. Prints milliseconds, one line a measurement.

#include "app/Application.h"
#include "app/Platform.h"
#include "screens/Unit4.h"
#include "ui/ShockwaveFlash.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScreen>
#include <QTest>
#include <cstdio>
#include <map>
#include <set>
#include <unistd.h>

namespace {
// Resident size (KiB) of this process and every process it started, such as
// the web engine's renderer and GPU processes. Proportional set sizes are
// summed, so libraries the processes share are counted once.
struct Memory {
    long rss = 0;       // this process alone
    long treePss = 0;   // this process and its descendants
    int processes = 0;
};

long Field(const QString& file, const QByteArray& name)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(name))
            return line.mid(name.size()).trimmed().split(' ').first().toLong();
    return 0;
}

Memory TreeMemory()
{
    std::map<long, long> parentOf;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const long pid = entry.toLong(&number);
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (number && stat.open(QIODevice::ReadOnly))
            parentOf[pid] = stat.readAll().split(')').last().trimmed().split(' ').value(1).toLong();
    }
    std::set<long> tree{long(getpid())};
    for (bool grew = true; grew;) {
        grew = false;
        for (const auto& [pid, parent] : parentOf)
            if (tree.count(parent) && tree.insert(pid).second)
                grew = true;
    }
    Memory m;
    m.rss = Field(QStringLiteral("/proc/self/status"), "VmRSS:");
    for (long pid : tree) {
        m.treePss += Field(QStringLiteral("/proc/%1/smaps_rollup").arg(pid), "Pss:");
        ++m.processes;
    }
    return m;
}

void PrintMemory(const char* when, const Memory& m)
{
    std::printf("memory-%s %ld %ld %d\n", when, m.rss, m.treePss, m.processes);
}

QColor AreaColour(TForm4& f)
{
    const QPoint centre = f.Surface()->mapToGlobal(f.ShockwaveFlash1->BoundsRect().center());
    return QGuiApplication::primaryScreen()->grabWindow(0, centre.x(), centre.y(), 1, 1).toImage().pixelColor(0, 0);
}

double PressToFrame(TForm4& f, const QString& movie, QColor colour)
{
    const QString game = QCoreApplication::applicationDirPath() + QStringLiteral("/game2.swf");
    QFile::remove(game);
    QFile::copy(movie, game);
    QElapsedTimer t;
    t.start();
    f.BitBtn1->Button()->click();
    while (t.elapsed() < 60000) {
        QTest::qWait(5);
        const QColor c = AreaColour(f);
        if (qAbs(c.red() - colour.red()) < 6 && qAbs(c.green() - colour.green()) < 6 && qAbs(c.blue() - colour.blue()) < 6)
            return t.nsecsElapsed() / 1e6;
    }
    return -1;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_game_start RED.swf BLUE.swf\n");
        return 2;
    }
    ProgramPlatform platform(argc, argv);
    TApplication application(QStringLiteral("learn3a"));
    application.Initialize();
    auto games = std::make_unique<TForm4>();
    games->ReadLayout();
    PrintMemory("before", TreeMemory());  // the web engine starts on the screen's first show
    games->Show();
    if (!QTest::qWaitForWindowExposed(games.get()))
        return 1;
    std::printf("first-show %.1f\n", PressToFrame(*games, argv[1], QColor(0xC0, 0x20, 0x20)));
    for (int run = 0; run < 5; ++run) {
        games->hide();
        games->Show();
        QTest::qWait(200);
        const bool blue = run % 2 == 0;
        std::printf("shown-before %.1f\n",
                    PressToFrame(*games, argv[blue ? 2 : 1], blue ? QColor(0x20, 0x40, 0xC0) : QColor(0xC0, 0x20, 0x20)));
    }
    QTest::qWait(1000);
    PrintMemory("game", TreeMemory());
    std::fflush(stdout);
    return 0;
}
