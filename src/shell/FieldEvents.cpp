#include "shell/FieldEvents.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "shell/Seams.h"
#include "state/Text.h"

namespace quorin {

FieldEvents::FieldEvents(QWidget* owner) : QObject(owner) {}

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

void FieldEvents::fire(const FieldRow& row, Trigger trigger) {
    // A commit may show a message box, whose focus change must not commit again.
    if (firing_) return;
    firing_ = true;
    refused_ = false;
    row.commit(trigger);
    firing_ = false;
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
        QWidget* next = row->next;
        fire(*row, Trigger::Enter);
        // A refused entry changes nothing, the focus included.
        if (next && !refused_) next->setFocus(Qt::TabFocusReason);
        return true;
    }
    default:
        break;
    }
    return false;
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
    box->setText(accepted_.value(box));
    refused_ = true;
    if (refusal == Refusal::Beep && seams().beep) seams().beep();
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

}  // namespace quorin
