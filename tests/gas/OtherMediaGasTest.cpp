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

// It opens with the name selected; the name is stored on Enter, which moves
// to the options (and on leaving, below). What each entry shows (the figures
// are the core's: gravity 1 is 0.07635 lb/ft^3 at 14.7 psia and 60 deg F;
// A = 5, B = 0.02 give 1.54e-5 lb/(ft s)); text that is not a number is
// refused with a beep and the box gets back its text. The unit picked in a
// unit dialog is shown beside its entry.
TEST_F(OtherMediaGas, OpensWithTheNameAndShowsWhatEachEntryGives) {
    shared().PressPsia = 14.7f;
    shared().TempDegR = 519.67f;
    unitDialogPicks("frmOtherViscUnit", "optCp");
    runDialog(kDialog, [this](QDialog& d) {
        EXPECT_EQ(std::tuple(focused(), box(d, "txtNewMedia")->selectedText(), shared().OtherMediaName),
                  std::tuple("txtNewMedia", "Special Gas", std::string("Special Gas")));
        typeInto(d, "txtNewMedia", "Flue gas", true);
        EXPECT_EQ(std::tuple(shared().OtherMediaName, focused()),
                  std::tuple(std::string("Flue gas"), "optSg"));
        click(d, "optSg");
        typeInto(d, "txtOtherSpecGrav", "1", true);
        typeInto(d, "txtOtherSpecGrav", "2x", true);
        EXPECT_EQ(std::tuple(box(d, "txtOtherDensity")->text(), box(d, "txtOtherSpecGrav")->text(), beeps),
                  std::tuple("7.635e-02", "1", 1));
        click(d, "optViscAB");
        typeInto(d, "txtOtherViscA", "5", true);
        typeInto(d, "txtOtherViscB", "0.02", true);
        EXPECT_EQ(box(d, "txtOtherViscosity")->text(), "1.54e-5");
        click(d, "optVisc");
        EXPECT_EQ(d.findChild<QLabel*>("lblViscUnit")->text(), "centipoise");
    });
    EXPECT_TRUE(modalsShown.size() == 2 && messages.empty());
}

// The unit dialogs are wider than their captions, which their title bars
// once cut to one letter (Dialog sizes every dialog to its title).
TEST_F(OtherMediaGas, UnitDialogsAreWiderThanTheirTitles) {
    for (const char* form : {"frmOtherDensUnit", "frmOtherViscUnit"}) {
        runDialog(form, [form](QDialog& u) {
            EXPECT_GT(u.width(), u.fontMetrics().horizontalAdvance(u.windowTitle())) << form;
        });
    }
}

// A refused entry in a box that held nothing says so, not "kept" and a blank.
TEST_F(OtherMediaGas, ARefusedEntryInAnEmptyBoxSaysTheBoxStaysEmpty) {
    unitDialogPicks("frmOtherViscUnit", "optCp");
    runDialog(kDialog, [](QDialog& d) {
        click(d, "optVisc");
        typeInto(d, "txtOtherViscosity", "abc", true);
    });
    const QString hint = QStringLiteral("Not a number: abc \u2014 the box stays empty");
    EXPECT_EQ(hints, (Hints{{"txtOtherViscosity", hint}}));
}

// Each number box, reached through its option: Enter stores the value and
// moves on; leaving stores it and keeps the focus where the user put it.
TEST_F(OtherMediaGas, EachNumberBoxStoresItsValue) {
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
        runDialog(kDialog, [&r](QDialog& d) {
            const bool coefB = r.box == std::string("txtOtherViscB");
            click(d, r.option);
            EXPECT_EQ(focused(), coefB ? "txtOtherViscA" : r.box);
            if (coefB) enter(d, "txtOtherViscA");
            typeInto(d, r.box, "2", true);
            EXPECT_EQ(std::tuple(r.stored(), focused()), std::tuple(2.0, r.next));
            typeInto(d, r.box, "3");
            click(d, "txtNewMedia");
            EXPECT_EQ(std::tuple(r.stored(), focused()), std::tuple(3.0, "txtNewMedia"));
        });
    }
    EXPECT_TRUE(modalsShown.size() == 5u + 2u && messages.empty());  // each unit dialog once
}

// Picking "OTHER" on the input screen opens the dialog; however it closes,
// it is unloaded, a coefficient typed but not yet entered is kept, Find
// Meter has the focus and the gas is named beside the list.
TEST_F(OtherMediaGas, PickingOtherOpensItAndEveryWayOfClosingReturnsToFindMeter) {
    auto* name = control<QLabel>(input_, "lblNewMedia");
    for (const std::string how : {"OK clicked", "Enter on OK", "Esc"}) {
        SCOPED_TRACE(how);
        shared().ViscCoefA = 0;
        onDialog(kDialog, [how](QDialog& d) {
            typeInto(d, "txtNewMedia", QString::fromStdString(how));
            click(d, "optViscAB");
            typeInto(d, "txtOtherViscA", "7");
            if (how == "Esc") QTest::keyClick(box(d, "txtOtherViscA"), Qt::Key_Escape);
            else get(d, "cmdClose")->setFocus(Qt::TabFocusReason);
            if (how == "OK clicked") click(d, "cmdClose");
            if (how == "Enter on OK") enter(d, "cmdClose");
            EXPECT_FALSE(Shell::instance().isLoaded(kDialog));
        });
        pick("cboMediaIn", "OTHER");
        settle();
        EXPECT_EQ(std::tuple(shared().MediaIn, shared().ViscCoefA, name->text(),
                             Shell::instance().find(input_)->focusWidget()->objectName()),
                  std::tuple(std::string("OTHER"), 7.0f, QString::fromStdString(how), "cmdCalcFlow"));
    }
}

}  // namespace
}  // namespace quorin::test
