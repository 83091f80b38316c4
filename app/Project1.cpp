// The main block: the application object, the four screens in order, the loop.

#include "app/Application.h"
#include "app/Platform.h"
#include "screens/Unit1.h"
#include "screens/Unit2.h"
#include "screens/Unit3.h"
#include "screens/Unit4.h"
#include "ui/ShockwaveFlash.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    ProgramPlatform platform(argc, argv);
    TApplication application(QCoreApplication::applicationFilePath());
    return application.Execute([] {
        Application->Initialize();
        Application->CreateForm(Form1);
        Application->CreateForm(Form2);
        Application->CreateForm(Form3);
        Application->CreateForm(Form4);
    });
}
