// Small helpers every screen uses to build its boxes and lists and to move
// texts between Qt and the case record.
#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace quorin {

// The averaging-tube (Norvane) entry points are built into every program but
// shown only by a build configured with QUORIN_SHOW_NORVANE=ON.
inline constexpr bool kShowNorvane = QUORIN_SHOW_NORVANE;

inline QString q(const std::string& text) { return QString::fromStdString(text); }
inline std::string s(const QString& text) { return text.toStdString(); }

inline QLineEdit* makeBox(const char* name, const char* toolTip = nullptr) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    if (toolTip) edit->setToolTip(toolTip);
    return edit;
}

inline QComboBox* makeList(const char* name, const char* toolTip, const QStringList& entries) {
    auto* combo = new QComboBox;
    combo->setObjectName(name);
    if (toolTip) combo->setToolTip(toolTip);
    combo->addItems(entries);
    return combo;
}

// A box the program writes and the user only reads.
inline QLineEdit* makeReadout(const char* name, const char* toolTip = nullptr) {
    QLineEdit* box = makeBox(name, toolTip);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

// An editable list: what the user types is kept as typed (no completion,
// nothing added to the list), and leaving the text does not pick the entry
// it happens to match: only a pick from the list is the list's click.
inline QComboBox* makeEditableList(const char* name, const char* toolTip,
                                   const QStringList& entries) {
    QComboBox* combo = makeList(name, toolTip, entries);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    QObject::disconnect(combo->lineEdit(), &QLineEdit::editingFinished, nullptr, nullptr);
    return combo;
}

inline QStringList qtList(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& t : texts) list << q(t);
    return list;
}

inline QLabel* makeLabel(const char* name, const QString& caption) {
    auto* label = new QLabel(caption);
    if (name) label->setObjectName(name);
    return label;
}

// The title line over a screen: larger, bold, centred.
inline QLabel* makeHeading(const char* name, const QString& caption) {
    QLabel* heading = makeLabel(name, caption);
    QFont big = heading->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    heading->setFont(big);
    heading->setAlignment(Qt::AlignCenter);
    return heading;
}

inline QPushButton* makeButton(const char* name, const QString& caption, const char* toolTip) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    if (toolTip) button->setToolTip(toolTip);
    return button;
}

inline QRadioButton* makeOption(const char* name, const QString& caption, const char* toolTip) {
    auto* option = new QRadioButton(caption);
    option->setObjectName(name);
    if (toolTip) option->setToolTip(toolTip);
    return option;
}

// A list the program writes and the user only reads.
inline QListWidget* makeListBox(const char* name, const char* toolTip = nullptr) {
    auto* list = new QListWidget;
    list->setObjectName(name);
    if (toolTip) list->setToolTip(toolTip);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->setMinimumHeight(90);
    return list;
}

// Shows a unit text in a list; a text the list lacks is added, as a case
// file may bring one. An editable list shows the text as typed.
inline void selectText(QComboBox* combo, const std::string& text) {
    int i = combo->findText(q(text), Qt::MatchFixedString);
    if (i < 0 && combo->isEditable()) {
        combo->setEditText(q(text));
        return;
    }
    if (i < 0) {
        combo->addItem(q(text));
        i = combo->count() - 1;
    }
    combo->setCurrentIndex(i);
}

}  // namespace quorin
