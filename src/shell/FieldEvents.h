// The one event mechanism of the input screens. Each screen describes its
// boxes and lists as rows of a table: what a commit of the control stores and
// runs, and where Enter moves the focus. A mouse click on the control, the
// control losing the focus and the Enter key all turn into the same commit
// call, told apart only by the trigger; a box that follows every keystroke
// commits on each change the user makes as well.
//
// The calculation may ask for a box to be selected (the selectControl hook,
// installed once by installCoreHooks): the request goes to the window whose
// commit or command is running, or else to the active form, and that box
// keeps the focus instead of the Enter move.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include <concepts>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

class QComboBox;
class QLineEdit;
class QWidget;

namespace quorin {

enum class Trigger { Click, Leave, Enter, Change };

// While a command runs (a button, a menu item, a window closing), the focus
// changes it causes commit nothing: the command commits the focused box
// before it starts, and a window opening or closing is not a move to another
// field.
class CommandScope {
public:
    CommandScope() { ++depth_; }
    ~CommandScope() { --depth_; }
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;
    static bool active() { return depth_ > 0; }

private:
    static inline int depth_ = 0;
};

// What a commit stores and runs (a lambda converts, so rows are written as
// tables). A commit that returns false did not take the entry, and Enter
// then leaves the focus where it is; one that returns nothing took it unless
// it refused its text (FieldEvents::refuse).
class Commit {
public:
    template <class F>
        requires(std::invocable<F&, Trigger> && !std::same_as<F, Commit>)
    Commit(F commit) {
        if constexpr (std::is_same_v<std::invoke_result_t<F&, Trigger>, bool>)
            run_ = std::move(commit);
        else
            run_ = [commit = std::move(commit)](Trigger trigger) mutable {
                commit(trigger);
                return true;
            };
    }
    bool operator()(Trigger trigger) const { return run_(trigger); }

private:
    std::function<bool(Trigger)> run_;
};

// Where Enter moves the focus: a fixed box, or one chosen when Enter is
// pressed; none leaves the focus where it is.
class NextBox {
public:
    NextBox(QWidget* box = nullptr) : box_(box) {}
    template <class F>
        requires(std::is_invocable_r_v<QWidget*, F&> && !std::same_as<F, NextBox>)
    NextBox(F choose) : choose_(std::move(choose)) {}
    QWidget* operator()() const { return choose_ ? choose_() : box_; }

private:
    QWidget* box_ = nullptr;
    std::function<QWidget*()> choose_;
};

struct FieldRow {
    QWidget* control;
    Commit commit;
    // Where Enter moves the focus after a commit that took the entry. A box
    // hidden or disabled there passes the focus on along its own row's next.
    NextBox next = {};
    bool reactsToLeave = true;
    bool reactsToChange = false;  // text boxes: every edit by the user
};

class FieldEvents : public QObject {
public:
    explicit FieldEvents(QWidget* owner);

    // Whether the focus move after Enter commits the box once more, as
    // leaving it does (the default; the gas/steam screen's pressure check
    // follows that second commit). A screen whose Enter commit is complete
    // turns it off.
    void setEnterMoveCommits(bool commits) { enterMoveCommits_ = commits; }
    ~FieldEvents() override;

    void add(FieldRow row);
    // What runs after every commit of a row (a refresh that depends on the
    // whole case).
    void setAfterCommit(std::function<void()> after) { afterCommit_ = std::move(after); }
    void add(std::initializer_list<FieldRow> rows);

    // Commits the control that has the focus as if it lost the focus.
    void commitFocused();

    // What a number box does with text that is not a number.
    enum class Refusal {
        Beep,     // the box gets back the text it last held; the system beeps and a
                  // hint beside the box says what was refused and what was kept
        Restore,  // the same without the beep (the screen explains it itself)
        Ignore,   // the text stays as typed (a number still being typed)
    };
    // Number boxes. `takeNumber` reads the box into `field` and returns true;
    // text that is not a number leaves the field unchanged, is refused as
    // `refusal` says, and false is returned.
    bool takeNumber(QLineEdit* box, float& field, Refusal refusal = Refusal::Beep);
    bool takeNumber(QLineEdit* box, double& field, Refusal refusal = Refusal::Beep);
    // Refuses what the box holds, as `takeNumber` refuses text that is not a
    // number.
    void refuse(QLineEdit* box, Refusal refusal);
    // The commits of the common rows: a text box copied into a text field; a
    // number box read into a 32-bit field, then `chain` (a refused entry runs
    // nothing); a unit list copied into its field, then `chain`.
    std::function<void(Trigger)> text(QLineEdit* box, std::string& field);
    std::function<void(Trigger)> number(QLineEdit* box, float& field, std::function<void()> chain);
    std::function<void(Trigger)> unit(QComboBox* list, std::string& field,
                                      std::function<void()> chain);

    // Writes a box from the program (the text counts as accepted).
    void show(QLineEdit* box, const QString& text);
    // The same, only when the text differs, so a selection or a cursor the
    // user placed stays.
    void update(QLineEdit* box, const QString& text);

    // Asks for `control` to be selected. During a commit of this window, or
    // a command inside its SelectionScope, the box is selected when the
    // commit or the command ends, and keeps the focus instead of the Enter
    // move; otherwise at once.
    void select(QWidget* control);
    // Gives `control` the focus with its whole text selected. The focus
    // change is the program's, not the user's: it commits nothing.
    void selectBox(QWidget* control);
    // The selectControl hook: selects the box named `name` of the window
    // committing or running a command, or else of the active form.
    static void selectNamed(const std::string& name);

    // A command of the owner window (Set Defaults, Open) during which the
    // calculation's requests to select a box are held for the end.
    class SelectionScope {
    public:
        explicit SelectionScope(FieldEvents& events);
        ~SelectionScope();
        SelectionScope(const SelectionScope&) = delete;
        SelectionScope& operator=(const SelectionScope&) = delete;
        // The box a request asked for, or else `otherwise`, takes the focus
        // with its text selected.
        void finish(QWidget* otherwise);

    private:
        FieldEvents& events_;
        FieldEvents* outer_;
    };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const FieldRow* rowOf(const QObject* control) const;
    // Commits the row; false when the entry was not taken, or a box was
    // selected in its place.
    bool fire(const FieldRow& row, Trigger trigger);
    // Enter's move: to `target`, or past it when hidden or disabled.
    void moveTo(QWidget* target);
    // The FieldEvents of the form holding the focus, or of the active MDI
    // child.
    static FieldEvents* active();
    template <class T>
    bool takeNumberAs(QLineEdit* box, T& field, Refusal refusal);

    QWidget* owner_;
    std::vector<FieldRow> rows_;
    QHash<const QLineEdit*, QString> accepted_;
    bool firing_ = false;
    bool enterMoveCommits_ = true;
    bool refused_ = false;  // the last commit refused its text
    std::function<void()> afterCommit_;
    QPointer<QWidget> requested_;  // the box the calculation asked for

    // Every FieldEvents alive, and the one whose commit or command runs.
    static inline std::vector<FieldEvents*> all_;
    static inline FieldEvents* receiver_ = nullptr;
};

}  // namespace quorin
