#include "shell/Shell.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "shell/Form.h"
#include "shell/MDIForm1.h"
#include "shell/Seams.h"
#include "state/SharedState.h"

namespace quorin {

namespace {

// Routes the title-bar close button of a subwindow to its form.
class TitleBarClose : public QObject {
public:
    TitleBarClose(QMdiSubWindow* window, Form* form) : QObject(window), form_(form) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Close || !form_) return false;
        event->ignore();
        Form* form = form_;
        form->runCommand([form] { form->onTitleBarClose(); });
        return true;
    }

private:
    QPointer<Form> form_;
};

}  // namespace

Shell& Shell::instance() {
    static Shell shell;
    return shell;
}

void Shell::setParent(MDIForm1* parent) {
    parent_ = parent;
    loaded_.clear();
    exiting_ = false;
}

void Shell::registerForm(const QString& name, Kind kind, Factory factory) {
    registry_[name] = Registration{kind, std::move(factory)};
}

int Shell::indexOf(const QString& name) const {
    for (int i = 0; i < loaded_.size(); ++i)
        if (loaded_[i].name == name && loaded_[i].widget) return i;
    return -1;
}

QWidget* Shell::find(const QString& name) const {
    const int i = indexOf(name);
    return i < 0 ? nullptr : loaded_[i].widget.data();
}

QStringList Shell::loadedForms() const {
    QStringList names;
    for (const Entry& e : loaded_)
        if (e.widget) names << e.name;
    return names;
}

QWidget* Shell::load(const QString& name) {
    if (QWidget* w = find(name)) return w;
    auto it = registry_.find(name);
    if (it == registry_.end()) return nullptr;
    // Entered before the constructor runs, so a load handler that asks the
    // shell about its own form finds it loading.
    loaded_.append(Entry{name, nullptr, nullptr});
    QWidget* widget = it->second.factory();
    for (Entry& e : loaded_)
        if (e.name == name && !e.widget) e.widget = widget;
    return widget;
}

Form* Shell::showChild(const QString& name) {
    const int i = indexOf(name);
    if (i >= 0 && loaded_[i].window) {
        loaded_[i].window->show();
        parent_->mdiArea()->setActiveSubWindow(loaded_[i].window);
        return dynamic_cast<Form*>(loaded_[i].widget.data());
    }
    auto* form = dynamic_cast<Form*>(load(name));
    if (!form || !parent_) return form;
    // Recorded before it joins the area: a visible area activates a new
    // subwindow at once, and the parent then asks which form it holds.
    auto* window = new QMdiSubWindow;
    window->setWidget(form);
    window->setObjectName(name + "Window");
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->installEventFilter(new TitleBarClose(window, form));
    const int at = indexOf(name);
    if (at < 0) return nullptr;  // the form unloaded itself while loading
    loaded_[at].window = window;
    parent_->mdiArea()->addSubWindow(window);
    window->show();
    parent_->mdiArea()->setActiveSubWindow(window);
    return form;
}

int Shell::showModal(const QString& name) {
    auto* dialog = dynamic_cast<QDialog*>(load(name));
    if (!dialog) return QDialog::Rejected;
    QPointer<QDialog> guard(dialog);
    const int result = seams().runModal ? seams().runModal(*dialog) : dialog->exec();
    if (guard && isLoaded(name)) unload(name);
    return result;
}

void Shell::returnToIntro(const QString& name, const char* sizingType) {
    unload(name);
    if (sizingType) shared().SizingType = sizingType;
    showChild("frmINTRO");
}

void Shell::unload(const QString& name) {
    const int i = indexOf(name);
    if (i < 0) return;
    Entry entry = loaded_.takeAt(i);
    if (entry.window) {
        parent_->mdiArea()->removeSubWindow(entry.window);
        entry.window->hide();
        entry.window->deleteLater();
        if (!exiting_) {
            // Removing the active child activates none; give the activation to
            // the child on top, as the window system would.
            QMdiArea* area = parent_->mdiArea();
            const auto windows = area->subWindowList(QMdiArea::StackingOrder);
            if (!area->activeSubWindow() && !windows.isEmpty())
                area->setActiveSubWindow(windows.last());
        }
    } else if (auto* dialog = dynamic_cast<QDialog*>(entry.widget.data())) {
        dialog->done(QDialog::Rejected);
        dialog->deleteLater();
    } else if (entry.widget) {
        entry.widget->deleteLater();
    }
}

Form* Shell::formOf(QMdiSubWindow* window) const {
    for (const Entry& e : loaded_)
        if (e.window == window) return dynamic_cast<Form*>(e.widget.data());
    return nullptr;
}

void Shell::focus(const QString& form, const QString& control) {
    const int i = indexOf(form);
    if (i < 0) return;
    if (loaded_[i].window) parent_->mdiArea()->setActiveSubWindow(loaded_[i].window);
    if (auto* w = loaded_[i].widget->findChild<QWidget*>(control)) w->setFocus(Qt::OtherFocusReason);
}

bool Shell::trigger(const QString& form, const QString& action) {
    QWidget* w = find(form);
    auto* item = w ? w->findChild<QAction*>(action) : nullptr;
    if (!item) return false;
    item->trigger();
    return true;
}

void Shell::arrangeChildren() {
    if (!parent_) return;
    QList<QMdiSubWindow*> windows;
    for (const Entry& e : loaded_)
        if (e.window && e.window->isVisible() && !e.window->isMinimized()) windows << e.window;
    if (windows.isEmpty()) return;
    const QRect area = parent_->mdiArea()->viewport()->rect();
    const int height = area.height() / int(windows.size());
    for (int k = 0; k < windows.size(); ++k) {
        windows[k]->showNormal();
        windows[k]->setGeometry(0, k * height, area.width(), height);
    }
}

void showRangeChart() {
    Shell& shell = Shell::instance();
    shell.showChild("frmStdMeterRange");
    shell.arrangeChildren();
}

void showTagList(const char* item) {
    Shell& shell = Shell::instance();
    if (!shell.showChild(kTagListForm)) return;
    shell.arrangeChildren();
    shell.trigger(kTagListForm, item);
}

void Shell::exitProgram() {
    if (!exiting_)
        for (const Entry& e : QList<Entry>(loaded_))
            if (auto* form = dynamic_cast<Form*>(e.widget.data()); form && !form->mayUnload())
                return;
    exiting_ = true;
    for (int i = loaded_.size() - 1; i >= 0; --i)
        if (i < loaded_.size()) unload(loaded_[i].name);
    loaded_.clear();
    if (parent_) parent_->close();
    QCoreApplication::quit();
}

}  // namespace quorin
