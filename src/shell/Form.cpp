#include "shell/Form.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>

#include "shell/FieldEvents.h"
#include "shell/Shell.h"

namespace quorin {

Form::Form(const char* name, const QString& caption) {
    setObjectName(name);
    setWindowTitle(caption);
}

void Form::runCommand(const std::function<void()>& command) {
    commitFocusedField();
    CommandScope scope;
    command();
}

void Form::onClick(QPushButton* button, std::function<void()> command) {
    // Enter presses a command button that has the focus.
    button->setAutoDefault(true);
    connect(button, &QPushButton::clicked, this, [this, command] { runCommand(command); });
}

void Form::setDefaultButton(QPushButton* button) {
    defaultButton_ = button;
    button->setDefault(true);
}

void Form::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && cancelButton_ && cancelButton_->isEnabled()) {
        cancelButton_->click();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && defaultButton_ && defaultButton_->isEnabled()) {
        defaultButton_->click();
        return;
    }

    QWidget::keyPressEvent(event);
}

QWidget* Form::scrollingBody() {
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("scrollArea");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* body = new QWidget;
    body->setObjectName("body");
    scroll->setWidget(body);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    return body;
}

void Form::layOutInputScreen(QWidget* heading, QWidget* left, QWidget* rightTop,
                             QWidget* warnings, std::initializer_list<QWidget*> buttons) {
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    for (QWidget* b : buttons) buttonRow->addWidget(b);
    auto* right = new QVBoxLayout;
    right->addWidget(rightTop);
    right->addWidget(warnings);
    right->addStretch();
    right->addLayout(buttonRow);
    auto* columns = new QHBoxLayout;
    columns->addWidget(left, 3);
    columns->addLayout(right, 2);
    auto* layout = new QVBoxLayout(scrollingBody());
    layout->addWidget(heading);
    layout->addLayout(columns);
    layout->addStretch();
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
    connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    return action;
}

QAction* Form::addCommand(QMenu* menu, const QString& title, const char* objectName,
                          const QKeySequence& shortcut, std::function<void()> command) {
    QAction* action = menu->addAction(title);
    action->setObjectName(objectName);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    return action;
}

QAction* Form::addSeparator(QMenu* menu, const char* objectName) {
    QAction* action = menu->addSeparator();
    if (objectName) action->setObjectName(objectName);
    return action;
}

void Form::addCloseAndExit(QMenu* file, std::function<void()> close) {
    addCommand(file, "Close", "mnuClose", QKeySequence("Ctrl+C"), std::move(close));
    addSeparator(file);
    addCommand(file, "Exit", "mnuExit", QKeySequence("Ctrl+X"),
               [] { Shell::instance().exitProgram(); });
}

void Form::addTagListItems(QMenu* file, std::function<void()> showCase) {
    addSeparator(file);
    addCommand(file, "Open Tag List…", "mnuOpenTagList", {},
               [] { showTagList("mnuOpenTagList"); });
    addCommand(file, "New Tag List", "mnuNewTagList", {}, [] { showTagList("mnuNewTagList"); });
    if (!showCase) return;
    auto* show = new QAction(this);
    show->setObjectName("actShowCase");
    connect(show, &QAction::triggered, this, [showCase = std::move(showCase)] {
        CommandScope scope;
        showCase();
    });
    addSeparator(file);
    // The tag-list window takes the case from the record and knows the row
    // it opened in this screen.
    QAction* update = addCommand(file, "Update Tag in List", "mnuUpdateTag", {}, [] {
        Shell::instance().trigger(kTagListForm, "actUpdateTag");
    });
    QAction* add = addCommand(file, "Add Current Case to Tag List", "mnuAddToTagList", {}, [] {
        Shell::instance().trigger(kTagListForm, "actAddCase");
    });
    auto enable = [update, add] {
        const bool open = Shell::instance().isLoaded(kTagListForm);
        update->setEnabled(open);
        add->setEnabled(open);
    };
    enable();
    connect(file, &QMenu::aboutToShow, this, enable);
}

void Form::addHelpAndAbout() {
    addMenuBarCommand("Help", "mnuHelp", [] { Shell::instance().showModal("frmHelp"); });
    addMenuBarCommand("About", "mnuAbout", [] { Shell::instance().showModal("frmAbout"); });
}

}  // namespace quorin
