// The one event mechanism of the input screens. Each screen describes its
// boxes and lists as rows of a table: what a commit of the control stores and
// runs, and where Enter moves the focus. A mouse click on the control, the
// control losing the focus and the Enter key all turn into the same commit
// call, told apart only by the trigger; a box that follows every keystroke
// commits on each change the user makes as well.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <string>
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

struct FieldRow {
    QWidget* control;
    std::function<void(Trigger)> commit;
    QWidget* next = nullptr;  // where Enter moves the focus; nullptr stays
    bool reactsToLeave = true;
    bool reactsToChange = false;  // text boxes: every edit by the user
};

class FieldEvents : public QObject {
public:
    explicit FieldEvents(QWidget* owner);

    void add(FieldRow row);
    void add(std::initializer_list<FieldRow> rows);

    // Commits the control that has the focus as if it lost the focus.
    void commitFocused();

    // What a number box does with text that is not a number.
    enum class Refusal {
        Beep,     // the box gets back the text it last held; the system beeps
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const FieldRow* rowOf(const QObject* control) const;
    void fire(const FieldRow& row, Trigger trigger);
    template <class T>
    bool takeNumberAs(QLineEdit* box, T& field, Refusal refusal);

    std::vector<FieldRow> rows_;
    QHash<const QLineEdit*, QString> accepted_;
    bool firing_ = false;
    bool refused_ = false;  // the last commit refused its text
};

}  // namespace quorin
