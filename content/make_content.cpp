// Draws the demo content pack's pages: the first unit's word page and its
// four text pages, each word or passage printed exactly under its hot spot
// (the hot spot's client rectangle less the page's origin at (16, 24)).
// Also writes clips.tsv, the clip file names with the text each one speaks.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QTextStream>
#include <cstdio>

namespace {

const QPoint kPageOrigin(16, 24);

struct Spot {
    QRect client;      // the hot spot's rectangle on the screen
    const char* clip;  // the clip it plays
    const char* text;  // what is printed under it and spoken in the clip
};

struct Page {
    const char* file;
    QSize size;
    const char* heading;
    std::vector<Spot> spots;
};

const std::vector<Page> kPages = {
    {"word-1.JPG", {800, 640}, "Unit 1  Words",
     {{{232, 120, 73, 33}, "word-1-1.mp3", "hello"},
      {{584, 152, 57, 33}, "word-1-2.mp3", "hi"},
      {{360, 168, 73, 33}, "word-1-3.mp3", "bye"},
      {{320, 224, 113, 33}, "word-1-4.mp3", "goodbye"},
      {{296, 296, 97, 33}, "word-1-6.mp3", "teacher"},
      {{496, 392, 129, 25}, "word-1-5.mp3", "classmate"},
      {{240, 520, 105, 25}, "word-1-7.mp3", "school"},
      {{552, 584, 89, 33}, "word-1-8.mp3", "friend"}}},
    {"1-1.JPG", {800, 1000}, "Unit 1  Hello!  (1)",
     {{{360, 352, 177, 41}, "1-1-1.mp3", "Hello, I'm Sam."},
      {{344, 568, 161, 33}, "1-1-2.mp3", "Hi, I'm Lily."}}},
    {"1-2.JPG", {800, 1000}, "Unit 1  Hello!  (2)",
     {{{288, 80, 225, 81}, "1-2-1.mp3", "Good morning,\nMiss Li."},
      {{368, 384, 169, 41}, "1-2-2.mp3", "Good morning."}}},
    {"1-3.JPG", {800, 1000}, "Unit 1  Hello!  (3)",
     {{{384, 208, 225, 73}, "1-3-1.mp3", "What's your\nname?"},
      {{384, 488, 145, 33}, "1-3-2.mp3", "I'm Tom."}}},
    {"1-4.JPG", {800, 1000}, "Unit 1  Hello!  (4)",
     {{{304, 88, 137, 41}, "1-4-1.mp3", "Goodbye!"},
      {{344, 400, 161, 41}, "1-4-2.mp3", "Bye, Sam!"}}},
};

// The largest bold font at which the text fits the box.
QFont FittingFont(const QString& text, const QSize& box)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    for (int px = box.height(); px > 6; --px) {
        font.setPixelSize(px);
        const QRect need = QFontMetrics(font).boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignLeft, text);
        if (need.width() <= box.width() - 6 && need.height() <= box.height() - 2)
            break;
    }
    return font;
}

QImage Draw(const Page& page)
{
    QImage image(page.size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient paper(0, 0, 0, page.size.height());
    paper.setColorAt(0, QColor(255, 253, 240));
    paper.setColorAt(1, QColor(250, 240, 215));
    p.fillRect(image.rect(), paper);
    p.setPen(QPen(QColor(120, 170, 230), 8));
    p.drawRect(image.rect().adjusted(4, 4, -5, -5));
    // Heading in the top left, clear of every hot spot.
    QFont heading(QStringLiteral("DejaVu Sans"));
    heading.setPixelSize(22);
    heading.setBold(true);
    p.setFont(heading);
    p.setPen(QColor(40, 90, 170));
    p.drawText(QRect(24, 16, 400, 30), Qt::AlignLeft, QString::fromLatin1(page.heading));

    for (const Spot& spot : page.spots) {
        const QRect box = spot.client.translated(-kPageOrigin);
        p.setPen(QPen(QColor(250, 150, 40), 2));
        p.setBrush(QColor(255, 230, 170));
        p.drawRoundedRect(QRectF(box).adjusted(1, 1, -1, -1), 8, 8);
        const QString text = QString::fromLatin1(spot.text);
        p.setFont(FittingFont(text, box.size()));
        p.setPen(QColor(20, 60, 140));
        p.drawText(box, Qt::AlignCenter, text);
    }
    return image;
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_content OUTPUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QFile list(out.filePath(QStringLiteral("clips.tsv")));
    if (!list.open(QIODevice::WriteOnly | QIODevice::Text))
        return 1;
    QTextStream clips(&list);
    for (const Page& page : kPages) {
        QImageWriter writer(out.filePath(QString::fromLatin1(page.file)), "jpeg");
        writer.setQuality(88);
        if (!writer.write(Draw(page).convertToFormat(QImage::Format_RGB888))) {
            std::fprintf(stderr, "make_content: cannot write %s\n", page.file);
            return 1;
        }
        for (const Spot& spot : page.spots)
            clips << spot.clip << '\t' << QString::fromLatin1(spot.text).replace('\n', ' ') << '\n';
    }
    return 0;
}
