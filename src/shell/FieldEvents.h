// The one event mechanism of the input screens. Each screen describes its
// boxes and lists as rows of a table: what a commit of the control stores and
// runs, and where Enter moves the focus. A mouse click on the control, the
// control losing the focus and the Enter key all turn into the same commit
// call, told apart only by the trigger.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QLineEdit;
class QWidget;

namespace quorin {

enum class Trigger { Click, Leave, Enter };

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
};

class FieldEvents : public QObject {
public:
    explicit FieldEvents(QWidget* owner);

    void add(FieldRow row);
    void add(std::initializer_list<FieldRow> rows);

    // Commits the control that has the focus as if it lost the focus.
    void commitFocused();

    // Number boxes. `takeNumber` reads the box into `field`; text that is
    // not a number is refused: the box gets back the text it last held, the
    // field keeps its value, the system beeps, and false is returned.
    bool takeNumber(QLineEdit* box, float& field);
    bool takeNumber(QLineEdit* box, double& field);
    // Writes a box from the program (the text counts as accepted).
    void show(QLineEdit* box, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const FieldRow* rowOf(const QObject* control) const;
    void fire(const FieldRow& row, Trigger trigger);
    template <class T>
    bool takeNumberAs(QLineEdit* box, T& field);

    std::vector<FieldRow> rows_;
    QHash<const QLineEdit*, QString> accepted_;
    bool firing_ = false;
    bool refused_ = false;  // the last commit refused its text
};

}  // namespace quorin
