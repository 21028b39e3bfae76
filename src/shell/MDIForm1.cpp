#include "shell/MDIForm1.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include "shell/FieldEvents.h"
#include "shell/Form.h"
#include "shell/Shell.h"

namespace quorin {

MDIForm1::MDIForm1(QWidget* parent) : QMainWindow(parent), mdiArea_(new QMdiArea(this)) {
    setObjectName("MDIForm1");
    setWindowTitle(" QUORIN VORTEX SIZING PROGRAM");
    mdiArea_->setObjectName("mdiArea");
    setCentralWidget(mdiArea_);
    resize(1024, 768);
    createMenus();
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &MDIForm1::onSubWindowActivated);

    Shell::instance().setParent(this);
    showIntro();
}

MDIForm1::~MDIForm1() {
    if (Shell::instance().parent() == this) Shell::instance().setParent(nullptr);
}

void MDIForm1::createMenus() {
    auto* file = new QMenu("File", this);
    file->setObjectName("mnuFile");
    QAction* open = file->addAction("Open");
    open->setObjectName("mnuOpen");
    open->setShortcut(QKeySequence("Ctrl+O"));
    connect(open, &QAction::triggered, this, &MDIForm1::showIntro);
    QAction* exit = file->addAction("Exit");
    exit->setObjectName("mnuExit");
    exit->setShortcut(QKeySequence("Ctrl+X"));
    connect(exit, &QAction::triggered, this, [] { Shell::instance().exitProgram(); });
    file->addSeparator();
    QAction* openTags = file->addAction("Open Tag List…");
    openTags->setObjectName("mnuOpenTagList");
    connect(openTags, &QAction::triggered, this, [] { showTagList("mnuOpenTagList"); });
    QAction* newTags = file->addAction("New Tag List");
    newTags->setObjectName("mnuNewTagList");
    connect(newTags, &QAction::triggered, this, [] { showTagList("mnuNewTagList"); });

    auto* about = new QAction("About", this);
    about->setObjectName("mnuAbout");
    connect(about, &QAction::triggered, this, [] { Shell::instance().showModal("frmAbout"); });

    ownMenuBarItems_ = {file->menuAction(), about};
    showMenusOf(nullptr);
}

void MDIForm1::showIntro() { Shell::instance().showChild("frmINTRO"); }

void MDIForm1::showMenusOf(Form* form) {
    QMenuBar* bar = menuBar();
    bar->clear();
    for (QAction* item : form ? form->menuBarItems() : ownMenuBarItems_) bar->addAction(item);
}

void MDIForm1::onSubWindowActivated(QMdiSubWindow* window) {
    Shell& shell = Shell::instance();
    if (!window) {
        // A modal dialog took the activation, or the last child went away.
        if (mdiArea_->subWindowList().isEmpty()) showMenusOf(nullptr);
        return;
    }
    QPointer<QMdiSubWindow> previous = active_;
    active_ = window;
    showMenusOf(shell.formOf(window));
    if (previous && previous != window)
        if (Form* left = shell.formOf(previous)) {
            CommandScope scope;
            left->onDeactivated();
        }
}

void MDIForm1::closeEvent(QCloseEvent* event) {
    // The title-bar close ends the program as Exit does: the box being edited
    // is committed once, then every form unloads; the window then closes
    // with this event.
    Shell& shell = Shell::instance();
    if (!shell.exiting()) {
        if (Form* active = shell.formOf(mdiArea_->activeSubWindow()))
            active->runCommand([&shell] { shell.exitProgram(); });
        else {
            CommandScope scope;
            shell.exitProgram();
        }
        // A form that may not go kept the program open.
        if (!shell.exiting()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

}  // namespace quorin
