// The program's multiple-document parent window. Its menu bar shows the
// menus of the active child form, or its own when no child is active.
#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>

class QAction;
class QMdiArea;
class QMdiSubWindow;

namespace quorin {

class Form;

class MDIForm1 : public QMainWindow {
public:
    explicit MDIForm1(QWidget* parent = nullptr);
    ~MDIForm1() override;

    QMdiArea* mdiArea() const { return mdiArea_; }

    // File > Open and the load handler: shows the intro screen.
    void showIntro();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void onSubWindowActivated(QMdiSubWindow* window);
    void showMenusOf(Form* form);

    QMdiArea* mdiArea_;
    QList<QAction*> ownMenuBarItems_;
    QPointer<QMdiSubWindow> active_;
};

}  // namespace quorin
