#include "shell/MDIForm1.h"

#include <QMdiArea>

namespace quorin {

MDIForm1::MDIForm1(QWidget* parent) : QMainWindow(parent), mdiArea_(new QMdiArea(this)) {
    setObjectName("MDIForm1");
    setWindowTitle(" QUORIN VORTEX SIZING PROGRAM");
    mdiArea_->setObjectName("mdiArea");
    setCentralWidget(mdiArea_);
    resize(1024, 768);
}

}  // namespace quorin
