#include <QApplication>

#include "shell/IntroPictures.h"
#include "shell/MDIForm1.h"
#include "shell/Seams.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("quorin");
    quorin::startPaintingIntroPictures();
    quorin::installDesktopSeams();
    quorin::installCoreHooks();
    quorin::MDIForm1 parent;
    parent.show();
    return app.exec();
}
