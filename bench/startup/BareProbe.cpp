// The reference: an empty main window of the program's own size, up to its
// first paint.
#include <QApplication>
#include <QMainWindow>

#include "FirstPaint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FirstPaint probe("bare");
    app.installEventFilter(&probe);
    QMainWindow window;
    window.setObjectName("bare");
    window.resize(1024, 768);
    window.show();
    return app.exec();
}
