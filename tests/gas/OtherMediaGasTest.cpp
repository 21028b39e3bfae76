// The custom-gas dialog and its two unit dialogs, driven while they run.
#include <QLabel>
#include <QRadioButton>

#include "support/FormTest.h"

namespace quorin::test {
namespace {

constexpr const char* kDialog = "frmOtherMediaGas";

// The dialog over the gas/steam input screen, which opens it.
class OtherMediaGas : public FormTest {
protected:
    OtherMediaGas() : FormTest("frmInputScrn", "frmResults") {}
    // While a unit dialog runs: click `option`, then OK.
    void unitDialogPicks(const char* form, const char* option) {
        onModal[form] = [form, option](QDialog& u) {
            u.findChild<QRadioButton*>(option)->click();
            u.findChild<QPushButton*>(form[8] == 'D' ? "cmdOk" : "cmdOK")->click();
            return 0;
        };
    }
    static QWidget* get(QDialog& d, const char* name) { return d.findChild<QWidget*>(name); }
    static QLineEdit* box(QDialog& d, const char* name) { return d.findChild<QLineEdit*>(name); }
    static QString unitLabel(QDialog& d) { return d.findChild<QLabel*>("lblViscUnit")->text(); }
    // A mouse click, which moves the focus first as on the desktop.
    static void click(QDialog& d, const char* name) { QTest::mouseClick(get(d, name), Qt::LeftButton); }
    static void enter(QDialog& d, const char* name) { QTest::keyClick(get(d, name), Qt::Key_Return); }
    // Replaces the text of a box, as typing over a selection does, and presses Enter if told.
    static void typeInto(QDialog& d, const char* name, const QString& text, bool andEnter = false) {
        box(d, name)->setFocus(Qt::MouseFocusReason);
        box(d, name)->selectAll();
        QTest::keyClicks(box(d, name), text);
        if (andEnter) enter(d, name);
    }
};

// It opens with the name, selected, and the two choices only; the name is
// stored on Enter, which moves to the options (and on leaving, below). Enter
// on an option does not close the dialog. What each entry shows (the figures
// are the core's: gravity 1 is 0.07635 lb/ft^3 at 14.7 psia and 60 deg F;
// A = 5, B = 0.02 give 1.54e-5 lb/(ft s)). A unit dialog stores the option
// clicked at once; Enter closes it.
TEST_F(OtherMediaGas, OpensWithTheNameAndTwoChoicesAndShowsWhatEachEntryGives) {
    shared().PressPsia = 14.7f;
    shared().TempDegR = 519.67f;
    unitDialogPicks("frmOtherViscUnit", "optCp");
    runDialog(kDialog, [](QDialog& d) {
        for (const char* n : {"txtOtherDensity", "txtOtherSpecGrav", "txtOtherViscosity", "txtOtherViscA"})
            EXPECT_FALSE(get(d, n)->isVisible()) << n;
        EXPECT_EQ(std::tuple(focused(), box(d, "txtNewMedia")->selectedText(), shared().OtherMediaName),
                  std::tuple("txtNewMedia", "Special Gas", std::string("Special Gas")));
        typeInto(d, "txtNewMedia", "Flue gas", true);
        EXPECT_EQ(std::tuple(shared().OtherMediaName, focused()),
                  std::tuple(std::string("Flue gas"), "optSg"));
        enter(d, "optSg");
        EXPECT_TRUE(Shell::instance().isLoaded(kDialog) && d.isVisible());
        click(d, "optSg");
        typeInto(d, "txtOtherSpecGrav", "1", true);
        EXPECT_TRUE(box(d, "txtOtherDensity")->text() == "7.635e-02" &&
                    get(d, "txtOtherDensity")->isVisible());
        click(d, "optViscAB");
        typeInto(d, "txtOtherViscA", "5", true);
        typeInto(d, "txtOtherViscB", "0.02", true);
        EXPECT_EQ(std::tuple(box(d, "txtOtherViscosity")->text(), unitLabel(d)),
                  std::tuple("1.54e-5", "lbm/ft.sec"));
        click(d, "optVisc");
        EXPECT_EQ(unitLabel(d), "centipoise");
    });
    runDialog("frmOtherDensUnit", [](QDialog& d) {
        click(d, "optG_cm3");
        EXPECT_EQ(shared().OtherDensUnit, "g/cm^3");
        QTest::keyClick(&d, Qt::Key_Return);
        EXPECT_FALSE(Shell::instance().isLoaded("frmOtherDensUnit"));
    });
    EXPECT_TRUE(modalsShown.size() == 3 && messages.empty());
}

// Each number box, reached through its option: Enter stores the value and
// moves on; leaving stores it and keeps the focus where the user put it; text
// that is not a number is refused with a beep, and the box gets back its
// text.
TEST_F(OtherMediaGas, EachNumberBoxStoresItsValueOrRefusesText) {
    const struct { const char *option, *box, *next; double (*stored)(); } rows[] = {
        {"optDens", "txtOtherDensity", "optViscAB", [] { return shared().OtherDensIn; }},
        {"optSg", "txtOtherSpecGrav", "optViscAB", [] { return double(shared().SpecGravity); }},
        {"optVisc", "txtOtherViscosity", "cmdClose", [] { return shared().OtherViscIn; }},
        {"optViscAB", "txtOtherViscA", "txtOtherViscB", [] { return double(shared().ViscCoefA); }},
        {"optViscAB", "txtOtherViscB", "cmdClose", [] { return double(shared().ViscCoefB); }}};
    unitDialogPicks("frmOtherDensUnit", "optKg_m3");
    unitDialogPicks("frmOtherViscUnit", "optCp");
    for (const auto& r : rows) {
        SCOPED_TRACE(r.box);
        beeps = 0;
        runDialog(kDialog, [this, &r](QDialog& d) {
            const bool coefB = r.box == std::string("txtOtherViscB");
            click(d, r.option);
            EXPECT_EQ(focused(), coefB ? "txtOtherViscA" : r.box);
            if (coefB) enter(d, "txtOtherViscA");
            typeInto(d, r.box, "2", true);
            EXPECT_EQ(std::tuple(r.stored(), focused()), std::tuple(2.0, r.next));
            // The option is cleared once its entry is complete.
            EXPECT_EQ(d.findChild<QRadioButton*>(r.option)->isChecked(),
                      r.next == std::string("txtOtherViscB"));
            typeInto(d, r.box, "2x", true);
            EXPECT_EQ(std::tuple(box(d, r.box)->text(), r.stored(), focused(), beeps),
                      std::tuple("2", 2.0, r.box, 1));
            typeInto(d, r.box, "3");
            click(d, "txtNewMedia");
            EXPECT_EQ(std::tuple(r.stored(), focused()), std::tuple(3.0, "txtNewMedia"));
        });
    }
    EXPECT_TRUE(modalsShown.size() == 5u + 2u && messages.empty());  // each unit dialog once
}

// Picking "OTHER" on the input screen opens the dialog; however it closes,
// it is unloaded, a coefficient typed but not yet entered is kept, Find
// Meter has the focus and the gas is named beside the list. Another medium
// hides the name again.
TEST_F(OtherMediaGas, PickingOtherOpensItAndEveryWayOfClosingReturnsToFindMeter) {
    auto* name = control<QLabel>(input_, "lblNewMedia");
    for (const std::string how : {"OK clicked", "Enter on OK", "Esc"}) {
        SCOPED_TRACE(how);
        shared().ViscCoefA = 0;
        onDialog(kDialog, [how](QDialog& d) {
            typeInto(d, "txtNewMedia", QString::fromStdString(how));
            click(d, "optViscAB");
            typeInto(d, "txtOtherViscA", "7");
            if (how == "OK clicked") click(d, "cmdClose");
            if (how == "Enter on OK") {
                get(d, "cmdClose")->setFocus(Qt::TabFocusReason);
                enter(d, "cmdClose");
            }
            if (how == "Esc") QTest::keyClick(box(d, "txtOtherViscA"), Qt::Key_Escape);
            EXPECT_FALSE(Shell::instance().isLoaded(kDialog));
        });
        pick("cboMediaIn", "OTHER");
        settle();
        EXPECT_EQ(std::tuple(shared().MediaIn, shared().ViscCoefA,
                             Shell::instance().find(input_)->focusWidget()->objectName(), name->text(),
                             name->isVisible()),
                  std::tuple(std::string("OTHER"), 7.0f, "cmdCalcFlow", QString::fromStdString(how), true));
    }
    pick("cboMediaIn", "AIR");
    EXPECT_FALSE(name->isVisible() || control<QLabel>(input_, "lblOther")->isVisible());
}

}  // namespace
}  // namespace quorin::test
