// Page switch: a selector change to the new page painted, for each content
// page, against libjpeg-turbo's own djpeg decoding the same file. Run in the
// content folder (build/app). Medians of 9; prints milliseconds and ratios.

#include "app/Application.h"
#include "app/Platform.h"
#include "screens/Unit2.h"
#include "screens/Unit3.h"
#include "ui/JPEG.h"
#include "ui/ShockwaveFlash.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Picks `entry`, then paints the screen at once, as the next paint would.
double Switch(TForm& form, TComboBox* selector, const TPicture& picture, int entry)
{
    QElapsedTimer t;
    t.start();
    selector->Combo()->setCurrentIndex(entry);
    emit selector->Combo()->activated(entry);
    form.Surface()->repaint();
    const double ms = t.nsecsElapsed() / 1e6;
    // Only a page that was really decoded and drawn counts.
    const auto* page = dynamic_cast<TJPEGImage*>(picture.Graphic());
    if (!page || page->DecodedRows() != page->Height())
        std::fprintf(stderr, "the page was not decoded by the paint\n"), std::exit(1);
    return ms;
}

double Djpeg(const QString& file)
{
    QElapsedTimer t;
    t.start();
    QProcess::execute(QStringLiteral("djpeg"), {QStringLiteral("-outfile"), QStringLiteral("/dev/null"), file});
    return t.nsecsElapsed() / 1e6;
}
}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ProgramPlatform platform(argc, argv);
    TApplication application(QStringLiteral("learn3a"));
    application.Initialize();
    auto words = std::make_unique<TForm2>();
    words->ReadLayout();
    words->Show();
    auto pages = std::make_unique<TForm3>();
    pages->ReadLayout();
    pages->Show();
    QCoreApplication::processEvents();

    struct Case { const char* file; TForm* form; TComboBox* selector; const TPicture& picture; int entry; int other; };
    const Case cases[] = {{"word-1.JPG", words.get(), words->ComboBox1, words->Image1->Picture(), 0, 0},
                          {"1-1.JPG", pages.get(), pages->ComboBox1, pages->Image1->Picture(), 0, 1},
                          {"1-2.JPG", pages.get(), pages->ComboBox1, pages->Image1->Picture(), 1, 0},
                          {"1-3.JPG", pages.get(), pages->ComboBox1, pages->Image1->Picture(), 2, 0},
                          {"1-4.JPG", pages.get(), pages->ComboBox1, pages->Image1->Picture(), 3, 0}};
    for (const Case& c : cases) {
        std::vector<double> ours, theirs;
        for (int run = 0; run < 9; ++run) {
            Switch(*c.form, c.selector, c.picture, c.other);
            ours.push_back(Switch(*c.form, c.selector, c.picture, c.entry));
            theirs.push_back(Djpeg(QString::fromLatin1(c.file)));
        }
        const double a = Median(ours), b = Median(theirs);
        std::printf("%-11s change to painted %6.2f ms | djpeg %6.2f ms | ratio %.2f\n", c.file, a, b, a / b);
    }
    return 0;
}
