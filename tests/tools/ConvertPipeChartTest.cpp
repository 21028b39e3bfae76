// The unit converter and the pipe chart, opened as the program opens them:
// the readouts after each event, the focus, and a fresh start each time.
// Their figures and texts are the core's (ConvertTest, LineSizesTest).
#include <QComboBox>

#include "norvane/LineSizes.h"
#include "shell/Controls.h"
#include "support/UiFixture.h"
#include "tools/Convert.h"

namespace quorin::test {
namespace {

class ToolDialog : public UiTest {
protected:
    // Runs the dialog `form`, `drive` acting on it; it is unloaded afterwards.
    void open(const char* form, const std::function<void()>& drive) {
        dialog_ = nullptr;
        runDialog(form, [this, drive](QDialog& d) { dialog_ = &d, drive(); });
        EXPECT_TRUE(dialog_ && !Shell::instance().isLoaded(form));
    }
    QWidget* in(const char* name) const { return dialog_->findChild<QWidget*>(name); }
    QComboBox* list(const char* name) const { return qobject_cast<QComboBox*>(in(name)); }
    QLineEdit* edit(const char* name) const {
        return list(name) ? list(name)->lineEdit() : qobject_cast<QLineEdit*>(in(name));
    }
    // The texts of controls ("-" for a hidden one); a list's is its edit text.
    QStringList shown(std::initializer_list<const char*> names) const {
        QStringList texts;
        for (const char* name : names)
            texts << (in(name)->isVisible()
                          ? in(name)->property(list(name) ? "currentText" : "text").toString()
                          : "-");
        return texts;
    }
    // The focused control, with "*" when its whole text is selected.
    QString focus() const {
        const QString name = QApplication::focusWidget()->objectName();
        QLineEdit* e = edit(qPrintable(name));
        return name + (e && e->hasSelectedText() && e->selectedText() == e->text() ? "*" : "");
    }
    void typeInto(const char* name, const QString& typed) {
        in(name)->setFocus(Qt::MouseFocusReason), edit(name)->selectAll();
        typed.isEmpty() ? QTest::keyClick(edit(name), Qt::Key_Delete) : QTest::keyClicks(edit(name), typed);
    }
    static void enter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
    void pick(const char* name, const char* entry) {
        const int i = list(name)->findText(entry, Qt::MatchExactly);
        list(name)->setFocus(Qt::MouseFocusReason), list(name)->setCurrentIndex(i);
        emit list(name)->activated(i);
    }
    QStringList converted() const { return shown({"txtInch", "txtArea", "txtEqPipeDia"}); }
    QStringList chartRow() const { return shown({"txtID", "txtOD", "txtWallThk", "lblSch"}); }

    QDialog* dialog_ = nullptr;
};

using ConvertScreen = ToolDialog;

// Every opening shows the load values, whatever the last one left, and Close,
// Esc and the title-bar close all unload the dialog. The lists offer the
// core's units and sizes. An area shows its equivalent diameter in place of
// the inches (by hand: 1 ft^2 = 144 in^2, a circle 13.541 in across). Only a
// pick shows a size's row: a typed size, even a listed one, shows nothing on
// Enter or leaving.
TEST_F(ConvertScreen, AndThePipeChartOpenAfreshAndCloseEveryWay) {
    for (const std::string way : {"cmdClose", "Esc", "title bar"}) {
        SCOPED_TRACE(way);
        const auto close = [&, this] {
            if (way == "cmdClose") QTest::mouseClick(in("cmdClose"), Qt::LeftButton);
            if (way == "Esc") QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            if (way == "title bar") dialog_->close();
        };
        open("frmConvert", [&, this] {
            EXPECT_EQ(shown({"txtInput", "cboParSel", "txtInch", "lblInch", "txtEqPipeDia", "lblEqDia"}),
                      QStringList({"140", "MILLIMETERS", "5.512", "INCHES", "-", "-"}));
            EXPECT_EQ(std::tuple(focus(), shared().ConvInput, shared().ConvParam),
                      std::tuple("txtInput*", 140.0f, "MILLIMETERS"));
            EXPECT_EQ(list("cboParSel")->count(), int(convertUnits().size()));
            typeInto("txtInput", "1"), enter(), pick("cboParSel", "SQUARE FEET");
            EXPECT_EQ(converted() + shown({"lblInch", "lblEqDia"}),
                      QStringList({"-", "144.000", "13.541", "-", "EQUIV DIA INCHES"}));
            close();
        });
        open("frmPipeChart", [&, this] {
            EXPECT_EQ(shown({"cboNomSize"}) + chartRow(),
                      QStringList({"6", "6.065", "6.625", "0.28", "Sch 40"}));
            const auto& S = shared();
            EXPECT_EQ(std::tuple(focus(), S.PipeChartSize, S.PipeChartId, S.PipeChartOd, S.PipeChartWall),
                      std::tuple("cboNomSize*", "6", 6.065f, 6.625f, 0.28f));
            EXPECT_EQ(list("cboNomSize")->count(), int(pipeChartRows().size()));
            pick("cboNomSize", "1/2");
            EXPECT_EQ(std::tuple(chartRow(), S.PipeChartSize),
                      std::tuple(QStringList({".622", ".840", ".109", "Sch 40"}), "1/2"));
            typeInto("cboNomSize", "8"), enter(), in("cmdClose")->setFocus(Qt::MouseFocusReason);
            EXPECT_EQ(std::tuple(shown({"cboNomSize", "txtID"}), S.PipeChartSize),
                      std::tuple(QStringList({"8", ".622"}), "1/2"));
            close();
        });
    }
}

// From the opening (140 MILLIMETERS), something typed or picked, then an
// event: the number box, the inches shown, the unit taken, and where the
// focus goes ("*": whole text selected). A unit the list lacks (or in other
// letters) changes no readout; text that is not a number is refused with a
// beep, the number last taken back and the focus kept; empty text reads 0.
TEST_F(ConvertScreen, WhatConvertsAndWhereEnterGoes) {
    const std::array<const char*, 7> rows[] = {
        {"txtInput", "10", "Enter", "10", "0.394", "MILLIMETERS", "cboParSel*"},
        {"txtInput", "10", "leave", "10", "0.394", "MILLIMETERS", "cboParSel"},
        {"txtInput", "10", "click", "10", "5.512", "MILLIMETERS", "txtInput"},
        {"txtInput", "abc", "Enter", "140", "5.512", "MILLIMETERS", "txtInput"},
        {"txtInput", "", "Enter", "", "0.000", "MILLIMETERS", "cboParSel*"},
        {"cboParSel", "CENTIMETERS", "Enter", "140", "55.118", "CENTIMETERS", "txtInput*"},
        {"cboParSel", "CENTIMETERS", "", "140", "5.512", "MILLIMETERS", "cboParSel"},
        {"cboParSel", "square feet", "Enter", "140", "5.512", "square feet", "txtInput*"},
        {"cboParSel", "METERS", "pick", "140", "5511.814", "METERS", "cboParSel"}};
    for (const auto& [box, typed, event, number, inches, unit, focused] : rows) {
        SCOPED_TRACE(std::string(box) + " " + typed + " " + event);
        beeps = 0;
        open("frmConvert", [&, this] {
            const std::string how = event;
            how == "pick" ? pick(box, typed) : typeInto(box, typed);
            if (how == "Enter") enter();
            if (how == "leave") in("cboParSel")->setFocus(Qt::MouseFocusReason);
            if (how == "click") QTest::mouseClick(in(box), Qt::LeftButton);
            EXPECT_EQ(std::tuple(shown({"txtInput", "txtInch"}), shared().ConvParam, focus()),
                      std::tuple(QStringList({number, inches}), unit, focused));
        });
        EXPECT_EQ(beeps, int(std::string(typed) == "abc"));
    }
}

}  // namespace
}  // namespace quorin::test
