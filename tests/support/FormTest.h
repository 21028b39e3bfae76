// A screen test that works on one input screen and its results screen, and
// acts on the controls as a user does: typing, Enter, picking list entries.
#pragma once

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "support/UiFixture.h"

namespace quorin::test {

class FormTest : public UiTest {
protected:
    FormTest(const char* input, const char* results) : input_(input), results_(results) {}

    // Opens the input screen in place of the intro screen.
    void SetUp() override {
        UiTest::SetUp();
        Shell::instance().unload("frmINTRO");
        settle();
        ASSERT_NE(Shell::instance().showChild(input_), nullptr);
        settle();
    }

    QLineEdit* box(const char* name) const { return control<QLineEdit>(input_, name); }
    QComboBox* list(const char* name) const { return control<QComboBox>(input_, name); }

    // Types into a box as a user does: focus it, replace its text.
    void type(const char* name, const QString& text) {
        QLineEdit* b = box(name);
        ASSERT_NE(b, nullptr) << name;
        b->setFocus(Qt::MouseFocusReason);
        b->selectAll();
        text.isEmpty() ? QTest::keyClick(b, Qt::Key_Delete) : QTest::keyClicks(b, text);
    }
    static void enter(QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }
    void enter(const char* name) const { enter(control(input_, name)); }
    // Moves the focus away from the box, as a click elsewhere does.
    void leave() const { box("txtTagNoIn")->setFocus(Qt::MouseFocusReason); }
    // Types into a box and leaves it.
    void fill(const char* name, const QString& text) {
        type(name, text);
        leave();
    }
    // Picks a list entry with the mouse.
    void pick(const char* name, const QString& entry) {
        QComboBox* c = list(name);
        ASSERT_NE(c, nullptr) << name;
        const int i = c->findText(entry);
        ASSERT_GE(i, 0) << entry.toStdString();
        c->setFocus(Qt::MouseFocusReason);
        c->setCurrentIndex(i);
        emit c->activated(i);
    }
    static QString focused() {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    QStringList entries(const char* name) const {
        QStringList texts;
        for (int k = 0; k < list(name)->count(); ++k) texts << list(name)->itemText(k);
        return texts;
    }
    // The rows of a list of the results screen.
    QStringList rows(const char* name) const {
        QStringList texts;
        if (auto* l = control<QListWidget>(results_, name))
            for (int k = 0; k < l->count(); ++k) texts << l->item(k)->text();
        return texts;
    }
    // A menu item of the input screen (or of `form`).
    QAction* menuItem(const char* name, const char* form = nullptr) const {
        return control<QAction>(form ? form : input_, name);
    }
    // Presses Find Meter, which opens the results screen.
    void findMeter() {
        control<QPushButton>(input_, "cmdCalcFlow")->click();
        settle();
        ASSERT_TRUE(Shell::instance().isLoaded(results_));
    }
    void closeResults() {
        control<QPushButton>(results_, "cmdClose")->click();
        settle();
    }

    const char* input_;
    const char* results_;
};

}  // namespace quorin::test
