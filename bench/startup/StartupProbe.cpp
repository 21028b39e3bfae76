// The program's own start-up, up to the first paint of the intro screen.
#include <QApplication>

#include "FirstPaint.h"
#include "app/Program.h"
#include "shell/MDIForm1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FirstPaint probe("frmINTRO");
    app.installEventFilter(&probe);
    const auto parent = quorin::startProgram();
    return app.exec();
}
