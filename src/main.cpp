#include <QApplication>

#include "shell/MDIForm1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quorin::MDIForm1 parent;
    parent.show();
    return app.exec();
}
