// One start of the program (all four screens built, the home screen shown)
// or of a bare Qt window of the same size, ending at the first complete
// paint. Prints the milliseconds since the process started and the peak
// resident size. bench/startup.sh runs both in turn and prints the ratios.

#include "app/Application.h"
#include "app/Platform.h"
#include "screens/Unit1.h"
#include "screens/Unit2.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"
#include "ui/ShockwaveFlash.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

namespace {
// Milliseconds since this process was started by the kernel.
double SinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    stat.open(QIODevice::ReadOnly);
    const QList<QByteArray> fields = stat.readAll().split(')').last().trimmed().split(' ');
    const double startTicks = fields.value(19).toDouble();  // field 22 of the whole line
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return (now.tv_sec + now.tv_nsec / 1e9 - startTicks / sysconf(_SC_CLK_TCK)) * 1000;
}

// Ends the run after the first paint of `widget` has completed.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, [] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("%.1f %ld\n", SinceProcessStart(), usage.ru_maxrss);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool done_ = false;
};
}  // namespace

int main(int argc, char** argv)
{
    const bool bare = argc > 1 && qstrcmp(argv[1], "bare") == 0;
    PreparePlatform();
    RegisterFlashScheme();
    QApplication platform(argc, argv);
    if (bare) {
        QWidget window;
        window.setGeometry(10, 22, 1006, 715);
        FirstPaint watch(&window);
        window.show();
        return QCoreApplication::exec();
    }
    ConfigurePlatform();
    TApplication application(QCoreApplication::applicationFilePath());
    std::unique_ptr<FirstPaint> watch;
    return application.Execute([&] {
        Application->Initialize();
        Application->CreateForm(Form1);
        Application->CreateForm(Form2);
        Application->CreateForm(Form3);
        Application->CreateForm(Form4);
        watch = std::make_unique<FirstPaint>(Form1->Surface());
    });
}
