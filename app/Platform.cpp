#include "app/Platform.h"

#include "ui/ShockwaveFlash.h"
#include "ui/Types.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QQuickWindow>
#include <QStyleFactory>
#include <unistd.h>

void PreparePlatform()
{
    // The web engine's own sandbox cannot start for the superuser; the game
    // is fenced in by the player's request guard instead.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The game view is composed in software. Through OpenGL a software
    // rasteriser kept some 2 MB for every game started and was slower too;
    // a 721x609 game needs no GPU.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

void ConfigurePlatform()
{
    if (QStyle* classic = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(classic);

    QPalette palette = QApplication::palette();
    for (const auto role : {QPalette::Window, QPalette::Button})
        palette.setColor(role, Colors::BtnFace());
    palette.setColor(QPalette::Base, Colors::Window());
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, Colors::WindowText());
    QApplication::setPalette(palette);

    // The Song typeface of the designs, and the screens' default font.
    QFont::insertSubstitutions(QStringLiteral("宋体"),
                               {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                                QStringLiteral("Noto Serif CJK SC")});
    QFont::insertSubstitutions(QStringLiteral("SimSun"), {QStringLiteral("AR PL UMing CN")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

ProgramPlatform::ProgramPlatform(int& argc, char** argv)
{
    PreparePlatform();
    RegisterFlashScheme();
    application_ = std::make_unique<QApplication>(argc, argv);
    ConfigurePlatform();
}

ProgramPlatform::~ProgramPlatform() = default;
