// The program's multiple-document parent window.
#pragma once

#include <QMainWindow>

class QMdiArea;

namespace quorin {

class MDIForm1 : public QMainWindow {
public:
    explicit MDIForm1(QWidget* parent = nullptr);

    QMdiArea* mdiArea() const { return mdiArea_; }

private:
    QMdiArea* mdiArea_;
};

}  // namespace quorin
