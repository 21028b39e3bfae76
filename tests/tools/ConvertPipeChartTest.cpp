// The unit converter and the pipe chart, opened as the program opens them:
// the readouts after each event, the focus, and a fresh start each time.
#include <QComboBox>

#include <stdexcept>

#include "norvane/LineSizes.h"
#include "shell/Controls.h"
#include "support/UiFixture.h"
#include "tools/Convert.h"

namespace quorin::test {
namespace {

class ToolDialog : public UiTest {
protected:
    void open(const char* form, const std::function<void()>& drive) {
        runDialog(form, [this, drive](QDialog& d) { dialog_ = &d, drive(); });
        EXPECT_FALSE(Shell::instance().isLoaded(form));
    }
    template <class W = QWidget>
    W* in(const char* name) const {
        W* w = dialog_->findChild<W*>(name);
        if (!w) throw std::runtime_error(std::string("no control ") + name);
        return w;
    }
    // The texts of controls ("-" for a hidden one); a list's is its edit text.
    QStringList shown(std::initializer_list<const char*> names) const {
        QStringList texts;
        for (const char* name : names) {
            QWidget* w = in(name);
            auto* list = qobject_cast<QComboBox*>(w);
            texts << (!w->isVisible() ? "-"
                      : list          ? list->currentText()
                                      : w->property("text").toString());
        }
        return texts;
    }
    QString text(const char* name) const { return shown({name}).first(); }
    QStringList entries(const char* name) const {
        QStringList texts;
        for (int k = 0; k < in<QComboBox>(name)->count(); ++k)
            texts << in<QComboBox>(name)->itemText(k);
        return texts;
    }
    // The focused control, with "*" when its whole text is selected.
    static QString focus() {
        QWidget* w = QApplication::focusWidget();
        auto* list = qobject_cast<QComboBox*>(w);
        QLineEdit* edit = list ? list->lineEdit() : qobject_cast<QLineEdit*>(w);
        const bool all = edit && !edit->text().isEmpty() && edit->selectedText() == edit->text();
        return w->objectName() + (all ? "*" : "");
    }
    void typeInto(const char* name, const QString& typed) {
        in(name)->setFocus(Qt::MouseFocusReason);
        auto* list = qobject_cast<QComboBox*>(in(name));
        QLineEdit* edit = list ? list->lineEdit() : in<QLineEdit>(name);
        edit->selectAll();
        typed.isEmpty() ? QTest::keyClick(edit, Qt::Key_Delete) : QTest::keyClicks(edit, typed);
    }
    static void enter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
    void leaveTo(const char* name) const { in(name)->setFocus(Qt::MouseFocusReason); }
    void pick(const char* name, const QString& entry) {
        auto* list = in<QComboBox>(name);
        const int i = list->findText(entry, Qt::MatchExactly);
        ASSERT_GE(i, 0) << entry.toStdString();
        list->setFocus(Qt::MouseFocusReason), list->setCurrentIndex(i);
        emit list->activated(i);
    }
    QStringList converted() const { return shown({"txtInch", "txtArea", "txtEqPipeDia"}); }
    QStringList chartRow() const { return shown({"txtID", "txtOD", "txtWallThk", "lblSch"}); }

    QDialog* dialog_ = nullptr;
};

using ConvertScreen = ToolDialog;
using PipeChartScreen = ToolDialog;

// Every opening shows the load values, whatever the last one left, and Close,
// Esc and the title-bar close all unload the dialog.
TEST_F(ConvertScreen, AndThePipeChartOpenAfreshAndCloseEveryWay) {
    for (const std::string way : {"cmdClose", "Esc", "title bar"}) {
        SCOPED_TRACE(way);
        const auto close = [&, this](const char* form) {
            if (way == "cmdClose") QTest::mouseClick(in("cmdClose"), Qt::LeftButton);
            if (way == "Esc") QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            if (way == "title bar") dialog_->close();
            EXPECT_FALSE(Shell::instance().isLoaded(form));
        };
        open("frmConvert", [&, this] {
            EXPECT_EQ(shown({"txtInput", "cboParSel"}), QStringList({"140", "MILLIMETERS"}));
            EXPECT_EQ(converted(), QStringList({"5.512", "23.860", "-"}));
            EXPECT_EQ(shown({"lblInch", "lblSqInch", "lblEqDia"}),
                      QStringList({"INCHES", "SQUARE INCHES", "-"}));
            EXPECT_EQ(std::tuple(focus(), shared().ConvInput, shared().ConvParam),
                      std::tuple("txtInput*", 140.0f, "MILLIMETERS"));
            typeInto("txtInput", "3"), enter(), pick("cboParSel", "SQUARE FEET");
            close("frmConvert");
        });
        open("frmPipeChart", [&, this] {
            EXPECT_EQ(shown({"cboNomSize"}) + chartRow(),
                      QStringList({"6", "6.065", "6.625", "0.28", "Sch 40"}));
            const auto& S = shared();
            EXPECT_EQ(
                std::tuple(focus(), S.PipeChartSize, S.PipeChartId, S.PipeChartOd, S.PipeChartWall),
                std::tuple("cboNomSize*", "6", 6.065f, 6.625f, 0.28f));
            pick("cboNomSize", "20");
            close("frmPipeChart");
        });
    }
    EXPECT_EQ(modalsShown.size(), 6u);
}

// The list offers the core's units; a number entered, then a unit picked
// shows the core's readouts (its figures are the core's), and an area swaps
// the readout shown, and its label with it.
TEST_F(ConvertScreen, WorkedConversions) {
    const std::tuple<const char*, const char*, QStringList> rows[] = {
        {"1", "SQUARE FEET", {"-", "144.000", "13.541"}},
        {"50", "MILLIMETERS", {"1.969", "3.043", "-"}}};
    open("frmConvert", [&, this] {
        EXPECT_EQ(entries("cboParSel"), qtList(convertUnits()));
        for (const auto& [number, unit, results] : rows) {
            SCOPED_TRACE(std::string(number) + " " + unit);
            typeInto("txtInput", number), enter(), pick("cboParSel", unit);
            EXPECT_EQ(converted(), results);
            EXPECT_EQ(shown({"lblInch", "lblSqInch", "lblEqDia"}).indexOf("-"),
                      results.indexOf("-"));
            EXPECT_EQ(std::tuple(shared().ConvInput, shared().ConvParam),
                      std::tuple(QString(number).toFloat(), unit));
        }
    });
    EXPECT_EQ(beeps, 0);
}

// From the opening, a number or unit typed (or a unit picked), then an event:
// what it converts to and where the focus goes ("*": whole text selected).
TEST_F(ConvertScreen, WhatConvertsAndWhereEnterGoes) {
    const std::array<const char*, 5> rows[] = {
        {"txtInput", "10", "Enter", "0.394", "cboParSel*"},
        {"txtInput", "10", "leave", "0.394", "cboParSel"},
        {"txtInput", "10", "click", "5.512", "txtInput"},
        {"cboParSel", "CENTIMETERS", "Enter", "55.118", "txtInput*"},
        {"cboParSel", "CENTIMETERS", "leave", "55.118", "txtInput"},
        {"cboParSel", "CENTIMETERS", "", "5.512", "cboParSel"},
        {"cboParSel", "METERS", "pick", "5511.814", "cboParSel"}};
    for (const auto& [box, typed, event, inches, focused] : rows) {
        SCOPED_TRACE(std::string(box) + " " + event);
        open("frmConvert", [&, this] {
            const std::string how = event;
            how == "pick" ? pick(box, typed) : typeInto(box, typed);
            if (how == "Enter") enter();
            if (how == "leave") leaveTo(box[0] == 't' ? "cboParSel" : "txtInput");
            if (how == "click") QTest::mouseClick(in(box), Qt::LeftButton);
            EXPECT_EQ(std::tuple(text("txtInch"), focus()), std::tuple(inches, focused));
        });
    }
}

// A unit the list lacks or in other letters stays as typed and changes no
// readout; text that is not a number is refused: a beep, the number last
// taken back, the focus kept. Empty text reads as 0.
TEST_F(ConvertScreen, UnknownUnitsAndTextThatIsNoNumber) {
    open("frmConvert", [this] {
        pick("cboParSel", "SQUARE FEET");
        const QStringList area = converted();
        for (const char* typed : {"square feet", "millimeters", "SQUARE FEET ", "INCHES", ""}) {
            typeInto("cboParSel", typed), enter();
            EXPECT_EQ(std::tuple(text("cboParSel"), shared().ConvParam, converted()),
                      std::tuple(QString(typed), typed, area));
        }
        typeInto("cboParSel", "MILLIMETERS"), enter(), typeInto("txtInput", "25"), enter();
        const QStringList at25 = {"0.984", "0.761", "-"};
        for (const char* typed : {"abc", "1.2.3", "1,5", "12abc"}) {
            typeInto("txtInput", typed), enter();
            EXPECT_EQ(focus(), "txtInput") << typed;
            typeInto("txtInput", typed), leaveTo("cboParSel");
            EXPECT_EQ(std::tuple(text("txtInput"), shared().ConvInput, converted()),
                      std::tuple("25", 25.0f, at25));
        }
        EXPECT_EQ(beeps, 8);
        typeInto("txtInput", ""), enter();
        EXPECT_EQ(converted(), QStringList({"0.000", "0.000", "-"}));
    });
}

// The list offers the chart's sizes in table order; a pick shows the
// core's row of the size (its texts are the core's). A typed size, even a
// listed one, shows nothing on Enter or on leaving.
TEST_F(PipeChartScreen, OnlyAPickShowsTheRowOfTheSize) {
    open("frmPipeChart", [&, this] {
        QStringList names;
        for (const PipeChartRow& row : pipeChartRows()) names << QString::fromStdString(row.name);
        EXPECT_EQ(entries("cboNomSize"), names);
        const std::pair<const char*, QStringList> rows[] = {
            {"1/2", {".622", ".840", ".109", "Sch 40"}}, {"72", {"71.25", "72", ".375", "STD"}}};
        for (const auto& [size, texts] : rows) {
            pick("cboNomSize", size);
            EXPECT_EQ(std::tuple(chartRow(), shared().PipeChartSize), std::tuple(texts, size));
        }
        for (const char* typed : {"8", "1", "38", "six"}) {
            typeInto("cboNomSize", typed), enter(), leaveTo("cmdClose");
            EXPECT_EQ(std::tuple(text("cboNomSize"), chartRow().first(), shared().PipeChartSize),
                      std::tuple(typed, "71.25", "72"));
        }
    });
}

}  // namespace
}  // namespace quorin::test
