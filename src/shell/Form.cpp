#include "shell/Form.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>

#include "shell/Shell.h"

namespace quorin {

Form::Form(const char* name, const QString& caption) {
    setObjectName(name);
    setWindowTitle(caption);
}

void Form::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && cancelButton_ && cancelButton_->isEnabled()) {
        cancelButton_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form::onTitleBarClose() { Shell::instance().unload(objectName()); }

QMenu* Form::addMenu(const QString& title, const char* objectName) {
    auto* menu = new QMenu(title, this);
    menu->setObjectName(objectName);
    menu->menuAction()->setObjectName(objectName);
    menuBarItems_.append(menu->menuAction());
    return menu;
}

QAction* Form::addMenuBarCommand(const QString& title, const char* objectName,
                                 std::function<void()> command) {
    auto* action = new QAction(title, this);
    action->setObjectName(objectName);
    menuBarItems_.append(action);
    connect(action, &QAction::triggered, this, [this, command] {
        commitFocusedField();
        command();
    });
    return action;
}

QAction* Form::addCommand(QMenu* menu, const QString& title, const char* objectName,
                          const QKeySequence& shortcut, std::function<void()> command) {
    QAction* action = menu->addAction(title);
    action->setObjectName(objectName);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, command] {
        commitFocusedField();
        command();
    });
    return action;
}

QAction* Form::addSeparator(QMenu* menu, const char* objectName) {
    QAction* action = menu->addSeparator();
    if (objectName) action->setObjectName(objectName);
    return action;
}

}  // namespace quorin
