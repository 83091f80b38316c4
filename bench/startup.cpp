// One start of the program (all four screens built, the home screen shown)
// or of a bare Qt window of the same size, to the first complete paint.
// Prints the milliseconds since the process started to that paint, and the
// peak resident size once the program also shows a text page. Run in the
// content folder; bench/startup.sh runs both in turn and prints the ratios.

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
#include <functional>
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

// Notes the time of the first complete paint of `widget`, then runs `then`
// (a page shown, for the program), prints the time and the peak resident
// size, and ends the run.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget* widget, std::function<void()> then) : then_(std::move(then)) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, [this] {
                const double painted = SinceProcessStart();
                if (then_)
                    then_();
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("%.1f %ld\n", painted, usage.ru_maxrss);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    std::function<void()> then_;
    bool done_ = false;
};

// The text reading screen with its first page, painted.
void ShowAPage()
{
    Form3->Show();
    Form3->ComboBox1->Combo()->setCurrentIndex(0);
    emit Form3->ComboBox1->Combo()->activated(0);
    Form3->Surface()->repaint();
}
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
        FirstPaint watch(&window, nullptr);
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
        watch = std::make_unique<FirstPaint>(Form1->Surface(), &ShowAPage);
    });
}
