// The liquid results screen and the back-pressure calculator, driven from
// the liquid input screen as a user does (the figures are the core's).
#include "support/FormTest.h"

namespace quorin::test {
namespace {

class LiquidResults : public FormTest {
protected:
    LiquidResults() : FormTest("frmLqdInput", "frmLqdResults") {}

    // Water at 1 cP in the start-up line (6 in), at 500 GPM or `degF`.
    void sizeWater(const char* degF = "70") {
        fill("txtViscIn", "1");
        fill("txtTempIn", degF);
        findMeter();
    }
    // The back-pressure calculator's entry and result.
    static QLineEdit* in(QDialog& d) { return d.findChild<QLineEdit*>("txtBackPressIn"); }
    static QString out(QDialog& d) { return d.findChild<QLineEdit*>("txtBackPressOut")->text(); }
    static void type(QDialog& d, const QString& text) {
        in(d)->selectAll();
        text.isEmpty() ? QTest::keyClick(in(d), Qt::Key_Delete) : QTest::keyClicks(in(d), text);
    }
};

// The boxes show the case (the empty customer box was left empty) and the
// list the fitting meter; with none fitting, the note beeps once.
TEST_F(LiquidResults, ShowTheCaseAndTheFittingMeterOrBeep) {
    sizeWater();
    EXPECT_EQ(std::tuple(control<QLineEdit>(results_, "txtCustomer")->text(), rows("lstMeter"), beeps),
              std::tuple("", QStringList{"QNL"}, 0));
    sizeWater("301");
    EXPECT_EQ(std::tuple(rows("lstErrorBox").join("|"), beeps), std::tuple("**No meters fit parameters", 1));
}

// Close returns to the first box of the input screen; the menu's Close, the
// title bar and Esc (the screen takes the keyboard when it opens) unload the
// screen too.
TEST_F(LiquidResults, EveryWayOfClosingUnloadsIt) {
    for (const std::string way : {"Close", "menu", "title bar", "Esc"}) {
        sizeWater();
        if (way == "Close") closeResults();
        if (way == "menu") menuItem("mnuClose", results_)->trigger();
        if (way == "title bar") Shell::instance().find(results_)->parentWidget()->close();
        if (way == "Esc") QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        settle();
        EXPECT_EQ(childForms(), QStringList{"frmLqdInput"}) << way;
        if (way == "Close") {
            EXPECT_EQ(focused(), "txtCustomerIn");
        }
    }
}

// Cancel does nothing; the calculator opens modally; the chart computed for
// the case opens beside the results, and leaves the workflow at "LIQUID" for
// the next fixed chart.
TEST_F(LiquidResults, ToolsCommands) {
    sizeWater();
    for (const char* item : {"mnuCancel", "mnuBackPrsCalc", "mnuAllMtrRng"})
        menuItem(item, results_)->trigger();
    settle();
    EXPECT_EQ(std::tuple(modalsShown, childForms(), shared().SizingType),
              std::tuple(std::vector<QString>{"frmLqdBackPrsCalc"},
                         QStringList{input_, results_, "frmStdMeterRange"}, std::string("LIQUID")));
}

// The calculator, shown and active, driven while it runs: Enter or a click
// calculates and selects the entry, leaving does not; text that is no number
// is refused with a beep, empty text is 0 psia. Close and Esc unload it.
TEST_F(LiquidResults, BackPressureCalculatesOnEnterAndClickButNotOnLeaving) {
    runDialog("frmLqdBackPrsCalc", [this](QDialog& d) {
        for (const auto& [vapour, back] : {std::pair{"", "5.0"}, {"10", "7.3"}, {"1O", "7.3"}}) {
            type(d, vapour);
            QTest::keyClick(in(d), Qt::Key_Return);
            EXPECT_EQ(std::tuple(out(d), d.focusWidget(), in(d)->selectedText()),
                      std::tuple(back, in(d), in(d)->text()));
        }
        EXPECT_EQ(std::tuple(in(d)->text(), beeps, messages.size()), std::tuple("10", 1, size_t(0)));
        type(d, "50");
        d.findChild<QWidget*>("cmdClose")->setFocus(Qt::MouseFocusReason);
        EXPECT_EQ(out(d), "7.3");
        QTest::mouseClick(in(d), Qt::LeftButton);
        EXPECT_EQ(out(d), "47.3");
    });
    for (const char* way : {"cmdClose", "Esc"})
        runDialog("frmLqdBackPrsCalc", [way](QDialog& d) {
            if (way[0] == 'E') QTest::keyClick(in(d), Qt::Key_Escape);
            else QTest::mouseClick(d.findChild<QWidget*>(way), Qt::LeftButton);
            EXPECT_FALSE(Shell::instance().isLoaded("frmLqdBackPrsCalc")) << way;
        });
}

}  // namespace
}  // namespace quorin::test
