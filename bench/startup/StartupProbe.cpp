// The program's own start-up, up to the first paint of the intro screen.
#include <QApplication>

#include "FirstPaint.h"
#include "shell/IntroPictures.h"
#include "shell/MDIForm1.h"
#include "shell/Seams.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FirstPaint probe("frmINTRO");
    app.installEventFilter(&probe);
    QApplication::setApplicationName("quorin");
    quorin::startPaintingIntroPictures();
    quorin::installDesktopSeams();
    quorin::installCoreHooks();
    quorin::MDIForm1 parent;
    parent.show();
    return app.exec();
}
