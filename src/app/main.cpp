#include <QApplication>

#include "app/Program.h"
#include "shell/MDIForm1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const auto parent = quorin::startProgram();
    return app.exec();
}
