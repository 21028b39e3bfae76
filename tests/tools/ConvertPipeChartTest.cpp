// The unit converter and the pipe chart, opened as the program opens them:
// the readouts after each event, the focus, and a fresh start each time.
// Their figures and texts are the core's (ConvertTest, LineSizesTest).
#include <QComboBox>

#include "support/UiFixture.h"

namespace quorin::test {
namespace {

class ConvertScreen : public UiTest {
protected:
    // Runs the dialog `form`, `drive` acting on it; it is unloaded afterwards.
    void open(const char* form, const std::function<void()>& drive) {
        dialog_ = nullptr;
        runDialog(form, [this, drive](QDialog& d) {
            dialog_ = &d;
            drive();
        });
        EXPECT_TRUE(dialog_ && !Shell::instance().isLoaded(form));
    }
    QWidget* in(const char* name) const { return dialog_->findChild<QWidget*>(name); }
    QComboBox* list(const char* name) const { return qobject_cast<QComboBox*>(in(name)); }
    QLineEdit* edit(const char* n) const {
        return list(n) ? list(n)->lineEdit() : qobject_cast<QLineEdit*>(in(n));
    }
    // The texts of controls ("-" for a hidden one; a list's is its edit
    // text), then the focused control, "*" when its whole text is selected.
    QStringList shown(std::initializer_list<const char*> names) const {
        QStringList texts;
        for (auto n : names)
            texts << (!in(n)->isVisible() ? QString("-")
                                          : in(n)->property(list(n) ? "currentText" : "text").toString());
        const QString focus = qApp->focusWidget()->objectName();
        QLineEdit* e = edit(qPrintable(focus));
        const bool whole = e && e->hasSelectedText() && e->selectedText() == e->text();
        return texts << focus + (whole ? "*" : "");
    }
    void typeInto(const char* name, const QString& typed) {
        in(name)->setFocus(Qt::MouseFocusReason);
        edit(name)->selectAll();
        QTest::keyClicks(edit(name), typed);
    }
    static void enter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
    void pick(const char* name, const char* entry) {
        const int i = list(name)->findText(entry, Qt::MatchExactly);
        list(name)->setFocus(Qt::MouseFocusReason);
        list(name)->setCurrentIndex(i);
        emit list(name)->activated(i);
    }

    QDialog* dialog_ = nullptr;
};

// Every opening shows the load values, whatever the last one left, and Close
// and Esc unload the dialog. An area shows its equivalent diameter in place
// of the inches (by hand: 1 ft^2 = 144 in^2, a circle 13.541 in across).
// Only a pick shows a size's row: a typed size, even a listed one, shows
// nothing on Enter or leaving.
TEST_F(ConvertScreen, AndThePipeChartOpenAfreshAndClose) {
    for (const std::string way : {"cmdClose", "Esc"}) {
        open("frmConvert", [&, this] {
            EXPECT_EQ(shown({"txtInput", "cboParSel", "txtInch", "lblInch", "txtEqPipeDia", "lblEqDia"}),
                      QStringList({"140", "MILLIMETERS", "5.512", "INCHES", "-", "-", "txtInput*"})) << way;
            typeInto("txtInput", "1");
            pick("cboParSel", "SQUARE FEET");
            EXPECT_EQ(shown({"txtInch", "txtArea", "txtEqPipeDia", "lblInch", "lblEqDia"}),
                      QStringList({"-", "144.000", "13.541", "-", "EQUIV DIA INCHES", "cboParSel"}));
            if (way == "cmdClose") QTest::mouseClick(in("cmdClose"), Qt::LeftButton);
            if (way == "Esc") QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        open("frmPipeChart", [&, this] {
            EXPECT_EQ(shown({"cboNomSize", "txtID"}), QStringList({"6", "6.065", "cboNomSize*"})) << way;
            pick("cboNomSize", "1/2");
            EXPECT_EQ(shared().PipeChartSize, "1/2");
            typeInto("cboNomSize", "8");
            enter();
            in("cmdClose")->setFocus(Qt::MouseFocusReason);
            EXPECT_EQ(shown({"cboNomSize", "txtID"}), QStringList({"8", ".622", "cmdClose"}));
            QTest::mouseClick(in("cmdClose"), Qt::LeftButton);
        });
    }
}

// From the opening (140 MILLIMETERS), something typed, then Enter or a click:
// the number box, the inches shown, the unit taken, and where the focus goes
// ("*": whole text selected). A unit the list lacks (or in other letters)
// changes no readout; text that is not a number is refused with a beep (the
// last row, the only one), the number last taken back and the focus kept. A
// click into the number does nothing.
TEST_F(ConvertScreen, WhatConvertsAndWhereEnterGoes) {
    const std::array<const char*, 7> rows[] = {
        {"txtInput", "10", "Enter", "10", "0.394", "MILLIMETERS", "cboParSel*"},
        {"txtInput", "10", "click", "10", "5.512", "MILLIMETERS", "txtInput"},
        {"cboParSel", "square feet", "Enter", "140", "5.512", "square feet", "txtInput*"},
        {"txtInput", "abc", "Enter", "140", "5.512", "MILLIMETERS", "txtInput"}};
    for (const auto& [box, typed, event, number, inches, unit, focused] : rows) {
        open("frmConvert", [&, this] {
            typeInto(box, typed);
            if (event == std::string("Enter")) enter();
            else QTest::mouseClick(in(box), Qt::LeftButton);
            EXPECT_EQ(std::tuple(shown({"txtInput", "txtInch"}), shared().ConvParam, beeps),
                      std::tuple(QStringList({number, inches, focused}), unit,
                                 int(std::string(typed) == "abc"))) << typed << " " << event;
        });
    }
}

}  // namespace
}  // namespace quorin::test
