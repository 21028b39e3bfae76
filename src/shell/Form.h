// Base of every MDI child form: its name, caption and menus, and what the
// title-bar close button and a loss of activation do.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QWidget>

#include <functional>

class QAction;
class QMenu;
class QPushButton;

namespace quorin {

class Form : public QWidget {
public:
    Form(const char* name, const QString& caption);

    // The items the parent's menu bar shows while this form is active: the
    // drop-down menus and the top-level commands, in order.
    const QList<QAction*>& menuBarItems() const { return menuBarItems_; }

    // The title-bar close button; by default the form is unloaded.
    virtual void onTitleBarClose();
    // Whether the form may go now (its window closes or the program ends);
    // a form that holds unsaved work asks. By default it may.
    virtual bool mayUnload() { return true; }
    // Another MDI child became active.
    virtual void onDeactivated() {}
    // Commits the box that has the focus, as if it lost the focus. Every
    // menu command and shortcut calls it first.
    virtual void commitFocusedField() {}

    // Runs a command of this form: commits the focused box, then runs the
    // command inside a CommandScope.
    void runCommand(const std::function<void()>& command);
    // Connects a button to a command.
    void onClick(QPushButton* button, std::function<void()> command);

protected:
    // The button the Esc key presses while the focus is inside this form.
    void setCancelButton(QPushButton* button) { cancelButton_ = button; }
    // The button Enter presses where no control takes the key itself.
    void setDefaultButton(QPushButton* button);
    void keyPressEvent(QKeyEvent* event) override;

    // The widget that holds the form's controls: a scrolling page filling
    // the form, so a tiled window smaller than its controls scrolls instead
    // of squeezing them.
    QWidget* scrollingBody();
    // The layout of the input screens: the heading over two columns, the
    // entries on the left, on the right `rightTop`, the case's warnings
    // under it and the command buttons at its foot.
    void layOutInputScreen(QWidget* heading, QWidget* left, QWidget* rightTop, QWidget* warnings,
                           std::initializer_list<QWidget*> buttons);

    QMenu* addMenu(const QString& title, const char* objectName);
    // A top-level menu-bar item that runs a command (no drop-down).
    QAction* addMenuBarCommand(const QString& title, const char* objectName,
                            std::function<void()> command);
    QAction* addCommand(QMenu* menu, const QString& title, const char* objectName,
                        const QKeySequence& shortcut, std::function<void()> command);
    QAction* addSeparator(QMenu* menu, const char* objectName = nullptr);
    // What the File menu of every workflow screen ends with: "Close" (Ctrl+C)
    // running `close`, a separator, "Exit" (Ctrl+X) ending the program.
    void addCloseAndExit(QMenu* file, std::function<void()> close);
    // The tag-list window's items at the end of a File menu: "Open Tag
    // List…" and "New Tag List". An input screen passes how it shows a case
    // just put into the record (the tag-list window runs it by name,
    // "actShowCase"), and gets "Update Tag in List" and "Add Current Case to
    // Tag List" too, enabled while a tag list is open.
    void addTagListItems(QMenu* file, std::function<void()> showCase = {});
    // The Help and About commands of the menu bar.
    void addHelpAndAbout();

private:
    QList<QAction*> menuBarItems_;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* defaultButton_ = nullptr;
};

}  // namespace quorin
