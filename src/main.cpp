#include "app/Main.h"
#include "app/Startup.h"
#include "platform/Application.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    CreateStartupObjects();
    fmStart->show();
    const int code = app.exec();
    Application().DestroyAll();
    return code;
}
