#pragma once
// Shared set-up for the Qt Test suites: the platform configured as the
// program does it, one application object, and error boxes recorded instead
// of shown.

#include "app/Application.h"
#include "app/Platform.h"
#include "ui/ShockwaveFlash.h"

#include <QApplication>
#include <QTest>
#include <vector>

// Every error box the shell asked for since the last Take().
class BoxRecorder {
public:
    BoxRecorder();
    std::vector<MessageBoxRequest> Take();
    QStringList TakeTexts();

private:
    std::vector<MessageBoxRequest> boxes_;
};
BoxRecorder& Boxes();

// Builds a screen of class T from its built-in layout, owned by the caller.
template <class T>
std::unique_ptr<T> BuildScreen()
{
    auto form = std::make_unique<T>();
    form->ReadLayout();
    return form;
}

#define LEARN3A_TEST_MAIN(TestClass)                                              \
    int main(int argc, char** argv)                                               \
    {                                                                             \
        ProgramPlatform platform(argc, argv);                                     \
        TApplication application(QStringLiteral("/opt/learn3a/LEARN3A.EXE"));    \
        application.Initialize();                                                 \
        Boxes();                                                                  \
        TestClass test;                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                \
        return QTest::qExec(&test, argc, argv);                                   \
    }
