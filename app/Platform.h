#pragma once

#include <QApplication>
#include <memory>

// Before the platform starts: what the embedded web engine needs.
void PreparePlatform();

// Sets up the widget platform the way the screens were designed for: the
// classic look and colours, and installed fonts in place of the designed ones.
void ConfigurePlatform();

// The platform as the program runs on it, in the order it must be set up:
// the web engine's needs, the player's URL scheme, the application, the look.
class ProgramPlatform {
public:
    ProgramPlatform(int& argc, char** argv);
    ~ProgramPlatform();

private:
    std::unique_ptr<QApplication> application_;
};
