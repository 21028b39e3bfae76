// The form registry and the navigation operations every screen uses.
//
// Each form exists at most once. Showing a form that is not loaded builds it
// (its constructor is the load handler); showing a loaded form brings it to
// the front; unloading destroys it, so the next show loads it afresh. Forms
// are known by name ("frmInputScrn"); the program registers their factories
// once at start-up, before the parent window opens.
#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>

class QDialog;
class QMdiSubWindow;
class QWidget;

namespace quorin {

class Form;
class MDIForm1;

class Shell {
public:
    enum class Kind { Child, Modal };
    using Factory = std::function<QWidget*()>;

    static Shell& instance();

    void setParent(MDIForm1* parent);
    MDIForm1* parent() const { return parent_; }

    void registerForm(const QString& name, Kind kind, Factory factory);

    // Shows an MDI child non-modally, loading it first when needed.
    Form* showChild(const QString& name);
    // Loads a modal dialog, runs it until it is closed and unloads it.
    int showModal(const QString& name);
    // Unloads a loaded form; does nothing for a form that is not loaded.
    void unload(const QString& name);
    // Unloads the workflow screen `name` and shows the intro screen; a new
    // workflow choice (`sizingType`) is recorded first.
    void returnToIntro(const QString& name, const char* sizingType = nullptr);

    QWidget* find(const QString& name) const;
    template <class F>
    F* find() const { return dynamic_cast<F*>(find(F::kName)); }
    bool isLoaded(const QString& name) const { return find(name) != nullptr; }
    // Names of the loaded forms in load order.
    QStringList loadedForms() const;

    // Runs the command of the loaded form `form` whose action is named
    // `action` (a menu item or a command the form offers other screens);
    // false when the form or the action is not there.
    bool trigger(const QString& form, const QString& action);

    // Activates a loaded MDI child and gives one of its controls the focus.
    void focus(const QString& form, const QString& control);

    // Tiles the MDI children top to bottom, full width, equal height.
    void arrangeChildren();
    // Unloads every loaded form from the last to the first and ends the
    // program, without a question but the one of a form that may not go
    // (Form::mayUnload): when it says no, nothing is unloaded.
    void exitProgram();
    bool exiting() const { return exiting_; }

    // The MDI child of a subwindow, or nullptr.
    Form* formOf(QMdiSubWindow* window) const;

private:
    struct Entry {
        QString name;
        QPointer<QWidget> widget;
        QPointer<QMdiSubWindow> window;  // MDI children only
    };
    struct Registration {
        Kind kind;
        Factory factory;
    };

    QWidget* load(const QString& name);
    int indexOf(const QString& name) const;

    MDIForm1* parent_ = nullptr;
    std::map<QString, Registration> registry_;
    QList<Entry> loaded_;
    bool exiting_ = false;
};

// The tag-list window's name. The shell reaches it by name only.
inline constexpr const char* kTagListForm = "frmTagList";
// Shows the tag-list window (loading it when needed) and runs its menu item
// `item` ("mnuOpenTagList", "mnuNewTagList").
void showTagList(const char* item);

// Shows the standard meter range chart for the workflow SizingType names,
// and re-arranges the windows.
void showRangeChart();

}  // namespace quorin
