#include "shell/FieldEvents.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>
#include <utility>

#include "shell/Seams.h"
#include "state/Text.h"

namespace quorin {

namespace {

void selectWholeText(QWidget* control) {
    if (auto* box = qobject_cast<QLineEdit*>(control)) box->selectAll();
    else if (auto* list = qobject_cast<QComboBox*>(control); list && list->lineEdit())
        list->lineEdit()->selectAll();
}

}  // namespace

FieldEvents::FieldEvents(QWidget* owner) : QObject(owner), owner_(owner) { all_.push_back(this); }

FieldEvents::~FieldEvents() {
    std::erase(all_, this);
    if (receiver_ == this) receiver_ = nullptr;
}

void FieldEvents::add(FieldRow row) {
    row.control->installEventFilter(this);
    if (auto* combo = qobject_cast<QComboBox*>(row.control)) {
        // Picking an entry with the mouse or the arrow keys is the list's click.
        connect(combo, &QComboBox::activated, this, [this, combo] {
            if (const FieldRow* r = rowOf(combo)) fire(*r, Trigger::Click);
        });
        // Enter in the text of an editable list is the list's Enter, not a
        // pick of the entry that matches the text.
        if (combo->lineEdit()) combo->lineEdit()->installEventFilter(this);
    }
    if (auto* box = qobject_cast<QLineEdit*>(row.control)) {
        accepted_[box] = box->text();
        if (row.reactsToChange)
            connect(box, &QLineEdit::textEdited, this, [this, box] {
                if (const FieldRow* r = rowOf(box)) fire(*r, Trigger::Change);
            });
    }
    rows_.push_back(std::move(row));
}

void FieldEvents::add(std::initializer_list<FieldRow> rows) {
    for (const FieldRow& row : rows) add(row);
}

const FieldRow* FieldEvents::rowOf(const QObject* control) const {
    for (const FieldRow& row : rows_)
        if (row.control == control) return &row;
    return nullptr;
}

bool FieldEvents::fire(const FieldRow& row, Trigger trigger) {
    // A commit may show a message box, whose focus change must not commit again.
    if (firing_) return !refused_;
    firing_ = true;
    refused_ = false;
    requested_ = nullptr;
    FieldEvents* const outer = std::exchange(receiver_, this);
    const bool taken = row.commit(trigger);
    receiver_ = outer;
    firing_ = false;
    if (afterCommit_) afterCommit_();
    if (QWidget* asked = requested_) {
        // The calculation asked for a box: it keeps the focus, with its text
        // selected, whatever the trigger.
        requested_ = nullptr;
        selectBox(asked);
        return false;
    }
    return taken && !refused_;
}

void FieldEvents::commitFocused() {
    QWidget* focused = QApplication::focusWidget();
    if (const FieldRow* row = rowOf(focused); row && row->reactsToLeave) fire(*row, Trigger::Leave);
}

bool FieldEvents::eventFilter(QObject* watched, QEvent* event) {
    const FieldRow* row = rowOf(watched);
    if (!row) {
        // The text part of an editable list: only its keys belong to the row.
        auto* edit = qobject_cast<QLineEdit*>(watched);
        auto* combo = edit ? qobject_cast<QComboBox*>(edit->parent()) : nullptr;
        if (!combo || combo->lineEdit() != edit || event->type() != QEvent::KeyPress) return false;
        row = rowOf(combo);
        if (!row) return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (qobject_cast<QLineEdit*>(watched)) fire(*row, Trigger::Click);
        break;
    case QEvent::FocusOut: {
        // A menu opening or another window taking the activation is not a
        // move to another field.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (row->reactsToLeave && !CommandScope::active() && reason != Qt::PopupFocusReason &&
            reason != Qt::ActiveWindowFocusReason && reason != Qt::MenuBarFocusReason)
            fire(*row, Trigger::Leave);
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) break;
        const NextBox next = row->next;
        // A refused entry changes nothing, the focus included. The next box
        // is chosen once the entry is in the case.
        if (!fire(*row, Trigger::Enter)) return true;
        if (enterMoveCommits_) {
            moveTo(next());
        } else {
            CommandScope quiet;
            moveTo(next());
        }
        return true;
    }
    default:
        break;
    }
    return false;
}

void FieldEvents::moveTo(QWidget* target) {
    // A box of another layout (hidden) or one switched off (disabled) hands
    // the focus on along the chain.
    for (int hops = 0; target && (target->isHidden() || !target->isEnabled()); ++hops) {
        const FieldRow* row = rowOf(target);
        target = row && hops < 60 ? row->next() : nullptr;
    }
    if (!target) return;
    target->setFocus(Qt::TabFocusReason);
    selectWholeText(target);
}

void FieldEvents::select(QWidget* control) {
    if (receiver_ == this) requested_ = control;
    else selectBox(control);
}

// Asked for while the focus was leaving a box, the selection is made again
// once that box has finished losing the focus (which clears a selection).
void FieldEvents::selectBox(QWidget* control) {
    CommandScope quiet;
    control->setFocus(Qt::OtherFocusReason);
    selectWholeText(control);
    QMetaObject::invokeMethod(
        this,
        [box = QPointer<QWidget>(control)] {
            if (box && box->hasFocus()) selectWholeText(box);
        },
        Qt::QueuedConnection);
}

FieldEvents* FieldEvents::active() {
    if (QWidget* focus = QApplication::focusWidget())
        for (FieldEvents* events : all_)
            if (events->owner_ == focus || events->owner_->isAncestorOf(focus)) return events;
    for (FieldEvents* events : all_) {
        auto* window = qobject_cast<QMdiSubWindow*>(events->owner_->parentWidget());
        if (window && window->mdiArea() && window->mdiArea()->activeSubWindow() == window)
            return events;
    }
    return nullptr;
}

void FieldEvents::selectNamed(const std::string& name) {
    FieldEvents* events = receiver_ ? receiver_ : active();
    if (!events) return;
    if (auto* control = events->owner_->findChild<QWidget*>(QString::fromStdString(name)))
        events->select(control);
}

FieldEvents::SelectionScope::SelectionScope(FieldEvents& events)
    : events_(events), outer_(std::exchange(receiver_, &events)) {
    events.requested_ = nullptr;
}

FieldEvents::SelectionScope::~SelectionScope() { receiver_ = outer_; }

void FieldEvents::SelectionScope::finish(QWidget* otherwise) {
    QWidget* asked = events_.requested_;
    events_.requested_ = nullptr;
    events_.selectBox(asked ? asked : otherwise);
}

template <class T>
bool FieldEvents::takeNumberAs(QLineEdit* box, T& field, Refusal refusal) {
    const std::string text = box->text().toStdString();
    T value = field;
    bool ok;
    if constexpr (std::is_same_v<T, float>) ok = parseSingle(text, value);
    else ok = parseDouble(text, value);
    if (!ok) {
        refuse(box, refusal);
        return false;
    }
    field = value;
    accepted_[box] = box->text();
    return true;
}

void FieldEvents::refuse(QLineEdit* box, Refusal refusal) {
    if (refusal == Refusal::Ignore) return;
    const QString typed = box->text().trimmed();
    box->setText(accepted_.value(box));
    refused_ = true;
    if (refusal != Refusal::Beep) return;
    if (seams().beep) seams().beep();
    // Says why, beside the box: "Not a number: 2,500 — kept 2500" (or "— the
    // box stays empty" when it held nothing).
    const QString kept = box->text().isEmpty() ? QStringLiteral(" \u2014 the box stays empty")
                                               : QStringLiteral(" \u2014 kept ") + box->text();
    if (seams().hint)
        seams().hint(box, typed.isEmpty() ? QStringLiteral("No number") + kept
                                          : QStringLiteral("Not a number: ") + typed + kept);
}

bool FieldEvents::takeNumber(QLineEdit* box, float& field, Refusal refusal) {
    return takeNumberAs(box, field, refusal);
}
bool FieldEvents::takeNumber(QLineEdit* box, double& field, Refusal refusal) {
    return takeNumberAs(box, field, refusal);
}

std::function<void(Trigger)> FieldEvents::text(QLineEdit* box, std::string& field) {
    return [box, &field](Trigger) { field = box->text().toStdString(); };
}

std::function<void(Trigger)> FieldEvents::number(QLineEdit* box, float& field,
                                                 std::function<void()> chain) {
    return [this, box, &field, chain = std::move(chain)](Trigger) {
        if (takeNumber(box, field)) chain();
    };
}

std::function<void(Trigger)> FieldEvents::unit(QComboBox* list, std::string& field,
                                               std::function<void()> chain) {
    return [list, &field, chain = std::move(chain)](Trigger) {
        field = list->currentText().toStdString();
        chain();
    };
}

void FieldEvents::show(QLineEdit* box, const QString& text) {
    box->setText(text);
    accepted_[box] = text;
}

void FieldEvents::update(QLineEdit* box, const QString& text) {
    if (box->text() != text) show(box, text);
}

}  // namespace quorin
