// The custom-gas dialog and its two unit dialogs, driven while they run.
#include <QLabel>
#include <QRadioButton>

#include <algorithm>
#include <cstdlib>

#include "support/CoreFixture.h"
#include "support/FormTest.h"

namespace quorin::test {
namespace {

constexpr const char* kDialog = "frmOtherMediaGas";

class OtherMediaGas : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        // The worked operating point: 14.7 psia, 60 deg F.
        shared().PressPsia = 14.7f;
        shared().TempDegR = 519.67f;
    }
    void run(const std::function<void(QDialog&)>& drive) { runDialog(kDialog, drive); }

    // What the unit dialogs do while they run: click `option` (none for
    // nullptr), then OK.
    void densityUnitDialogPicks(const char* option) { unitDialogPicks("frmOtherDensUnit", "cmdOk", option); }
    void viscosityUnitDialogPicks(const char* option) { unitDialogPicks("frmOtherViscUnit", "cmdOK", option); }
    int timesShown(const char* form) const { return int(std::count(modalsShown.begin(), modalsShown.end(), form)); }

    template <class W = QWidget>
    static W* get(QDialog& d, const char* name) {
        W* w = d.findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static QLineEdit* box(QDialog& d, const char* name) { return get<QLineEdit>(d, name); }
    static QString label(QDialog& d, const char* name) { return get<QLabel>(d, name)->text(); }
    static bool checked(QDialog& d, const char* name) { return get<QRadioButton>(d, name)->isChecked(); }
    static QString focused(QDialog& d) { return d.focusWidget() ? d.focusWidget()->objectName() : ""; }
    // A mouse click, which moves the focus first as on the desktop.
    static void click(QDialog& d, const char* name) { QTest::mouseClick(get(d, name), Qt::LeftButton); }
    // Replaces the text of a box, as typing over a selection does.
    static void typeInto(QDialog& d, const char* name, const QString& text) {
        QLineEdit* b = box(d, name);
        b->setFocus(Qt::MouseFocusReason);
        b->selectAll();
        QTest::keyClicks(b, text);
    }
    static void enter(QDialog& d, const char* name) { QTest::keyClick(get(d, name), Qt::Key_Return); }
    // Which of the dialog's boxes and labels are shown, e.g. "txtNewMedia lblDensUnit".
    static QString shownFields(QDialog& d) {
        QStringList names;
        for (const char* n : {"txtOtherDensity", "lblDensUnit", "txtOtherSpecGrav", "txtOtherViscosity",
                              "lblViscUnit", "lblViscA", "txtOtherViscA", "lblVaEunit", "lblViscB",
                              "txtOtherViscB", "lblVbEunit"})
            if (get(d, n)->isVisible()) names << n;
        return names.join(' ');
    }

private:
    void unitDialogPicks(const char* form, const char* ok, const char* option) {
        onModal[form] = [option, ok](QDialog& u) {
            if (option) u.findChild<QRadioButton*>(option)->click();
            u.findChild<QPushButton*>(ok)->click();
            return 0;
        };
    }
};

// It opens with the name, selected, and the two choices only; the name is
// stored on Enter and on leaving.
TEST_F(OtherMediaGas, OpensWithOnlyTheNameAndTheTwoChoices) {
    shared().OtherMediaName = "Argon mix";
    run([this](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), " Other Media");
        EXPECT_EQ(shownFields(d), "");
        for (const char* n : {"lblNewMedia", "txtNewMedia", "fraSgDens", "optDens", "optSg", "fraVisc",
                              "optVisc", "optViscAB", "cmdClose"})
            EXPECT_TRUE(get(d, n)->isVisible()) << n;
        for (const char* n : {"optDens", "optSg", "optVisc", "optViscAB"}) EXPECT_FALSE(checked(d, n)) << n;
        EXPECT_EQ(shared().OtherMediaName, "Special Gas");
        EXPECT_EQ(focused(d), "txtNewMedia");
        EXPECT_EQ(box(d, "txtNewMedia")->selectedText(), "Special Gas");

        typeInto(d, "txtNewMedia", "Flue gas");
        enter(d, "txtNewMedia");
        EXPECT_EQ(shared().OtherMediaName, "Flue gas");
        EXPECT_EQ(focused(d), "optSg");
        EXPECT_FALSE(checked(d, "optSg"));
        typeInto(d, "txtNewMedia", "Kiln gas");
        get(d, "optDens")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(shared().OtherMediaName, "Kiln gas");
        EXPECT_EQ(timesShown("frmOtherDensUnit"), 0);
    });
}

// 1.2 Kg/m^3 at 14.7 psia and 519.67 deg R: 0.07488 lb/ft^3 and SG 0.98.
TEST_F(OtherMediaGas, ADensityInKilogramsPerCubicMetreGivesTheGravity) {
    densityUnitDialogPicks("optKg_m3");
    run([this](QDialog& d) {
        click(d, "optDens");
        EXPECT_EQ(timesShown("frmOtherDensUnit"), 1);
        EXPECT_EQ(shownFields(d), "txtOtherDensity lblDensUnit");
        EXPECT_EQ(label(d, "lblDensUnit"), "Kg/m^3");
        EXPECT_EQ(focused(d), "txtOtherDensity");

        typeInto(d, "txtOtherDensity", "1.2");
        enter(d, "txtOtherDensity");
        EXPECT_EQ(Format(shared().DensityLbFt3, "0.00000"), "0.07488");
        EXPECT_EQ(box(d, "txtOtherSpecGrav")->text(), "0.9807213");
        EXPECT_EQ(shownFields(d), "txtOtherDensity lblDensUnit txtOtherSpecGrav");
        EXPECT_FALSE(checked(d, "optDens"));
        EXPECT_EQ(focused(d), "optViscAB");
        // The same option can be picked again after an entry; leaving the box
        // stores the density without moving the focus.
        click(d, "optDens");
        EXPECT_EQ(timesShown("frmOtherDensUnit"), 2);
        EXPECT_EQ(focused(d), "txtOtherDensity");
        typeInto(d, "txtOtherDensity", "3.204");
        click(d, "txtNewMedia");
        EXPECT_TRUE(near(shared().DensityLbFt3, 3.204 * 0.0624, 1e-6));
        EXPECT_EQ(box(d, "txtOtherSpecGrav")->text().toStdString(), General(shared().SpecGravity));
        EXPECT_FALSE(checked(d, "optDens"));
        EXPECT_EQ(focused(d), "txtNewMedia");
    });
    EXPECT_EQ(shared().OtherDensUnit, "Kg/m^3");
    EXPECT_EQ(shared().OtherDensIn, 3.204);
}

TEST_F(OtherMediaGas, AGravityOfOneShowsTheDensityOfAir) {
    run([this](QDialog& d) {
        click(d, "optSg");
        EXPECT_EQ(shownFields(d), "txtOtherSpecGrav");
        EXPECT_EQ(focused(d), "txtOtherSpecGrav");
        typeInto(d, "txtOtherSpecGrav", "1");
        enter(d, "txtOtherSpecGrav");
        EXPECT_EQ(shared().SpecGravity, 1.0f);
        EXPECT_EQ(box(d, "txtOtherDensity")->text(), "7.635e-02");
        EXPECT_EQ(label(d, "lblDensUnit"), "lbm/cuft");  // the label keeps its caption
        EXPECT_EQ(shownFields(d), "txtOtherDensity lblDensUnit txtOtherSpecGrav");
        EXPECT_FALSE(checked(d, "optSg"));
        EXPECT_EQ(focused(d), "optViscAB");
        EXPECT_EQ(timesShown("frmOtherDensUnit"), 0);
    });
}

// OK in the unit dialog without a choice keeps the unit chosen before; with
// none chosen yet, the entered density changes nothing.
TEST_F(OtherMediaGas, AUnitDialogClosedWithoutAChoiceKeepsTheUnitItHad) {
    const struct { const char* unitBefore; const char* entered; double lbFt3After; } rows[] = {
        {"", "1.2", 9.5}, {"g/cm^3", "0.0012", 0.0749136}};
    densityUnitDialogPicks(nullptr);
    for (const auto& r : rows) {
        SCOPED_TRACE(r.unitBefore);
        shared().OtherDensUnit = r.unitBefore;
        shared().DensityLbFt3 = 9.5;
        shared().SpecGravity = 0.75f;
        run([&r](QDialog& d) {
            click(d, "optDens");
            EXPECT_EQ(label(d, "lblDensUnit").toStdString(), r.unitBefore);
            typeInto(d, "txtOtherDensity", r.entered);
            enter(d, "txtOtherDensity");
        });
        EXPECT_EQ(shared().OtherDensUnit, r.unitBefore);
        EXPECT_TRUE(near(shared().DensityLbFt3, r.lbFt3After, 1e-12));
        if (r.lbFt3After == 9.5) {
            EXPECT_EQ(shared().SpecGravity, 0.75f);
        }
    }
}

// A = 5, B = 0.02 at 519.67 deg R: 1.54e-5 lb/(ft s). Both boxes store on
// leaving as on Enter.
TEST_F(OtherMediaGas, TheCoefficientsGiveTheViscosityAtTheOperatingPoint) {
    run([](QDialog& d) {
        click(d, "optViscAB");
        EXPECT_EQ(shownFields(d), "lblViscA txtOtherViscA lblVaEunit");
        EXPECT_EQ(focused(d), "txtOtherViscA");
        typeInto(d, "txtOtherViscA", "6");
        click(d, "txtNewMedia");
        EXPECT_EQ(shared().ViscCoefA, 6.0f);
        EXPECT_FALSE(get(d, "txtOtherViscB")->isVisible());

        click(d, "optViscAB");
        typeInto(d, "txtOtherViscA", "5");
        enter(d, "txtOtherViscA");
        EXPECT_EQ(shownFields(d), "lblViscA txtOtherViscA lblVaEunit lblViscB txtOtherViscB lblVbEunit");
        EXPECT_EQ(focused(d), "txtOtherViscB");
        typeInto(d, "txtOtherViscB", "0.02");
        click(d, "txtNewMedia");
        EXPECT_EQ(shared().ViscCoefB, 0.02f);
        EXPECT_EQ(box(d, "txtOtherViscosity")->text(), "1.54e-5");
        EXPECT_EQ(focused(d), "txtNewMedia");

        click(d, "optViscAB");
        typeInto(d, "txtOtherViscA", "5");
        enter(d, "txtOtherViscA");
        typeInto(d, "txtOtherViscB", "0.02");
        enter(d, "txtOtherViscB");
        EXPECT_EQ(box(d, "txtOtherViscosity")->text(), "1.54e-5");
        EXPECT_EQ(label(d, "lblViscUnit"), "lbm/ft.sec");
        EXPECT_TRUE(get(d, "lblViscUnit")->isVisible());
        EXPECT_EQ(Format(shared().ViscCp, "0.0000"), "0.0229");
        EXPECT_FALSE(checked(d, "optViscAB"));
        EXPECT_EQ(focused(d), "cmdClose");
    });
    EXPECT_EQ(shared().ViscCoefA, 5.0f);
    EXPECT_EQ(shared().ViscCoefB, 0.02f);
}

TEST_F(OtherMediaGas, ADirectViscosityReplacesTheCoefficients) {
    shared().ViscCoefA = 2.6434f;
    shared().ViscCoefB = 0.0176f;
    viscosityUnitDialogPicks("optCp");
    run([this](QDialog& d) {
        click(d, "optVisc");
        EXPECT_EQ(timesShown("frmOtherViscUnit"), 1);
        EXPECT_EQ(shownFields(d), "txtOtherViscosity lblViscUnit");
        EXPECT_EQ(label(d, "lblViscUnit"), "centipoise");
        EXPECT_EQ(focused(d), "txtOtherViscosity");
        typeInto(d, "txtOtherViscosity", "0.018");
        enter(d, "txtOtherViscosity");
        EXPECT_FALSE(checked(d, "optVisc"));
        EXPECT_EQ(focused(d), "cmdClose");
    });
    EXPECT_EQ(shared().ViscCp, 0.018);
    EXPECT_EQ(Format(shared().ViscLbFtSec, "0.0000e+0"), "1.2095e-5");
    EXPECT_TRUE(near(shared().ViscCoefA, 12.09546, 1e-6));
    EXPECT_EQ(shared().ViscCoefB, 0.0f);
}

// Everything an entry could change: the case's fields, the boxes (but
// `except`), the labels and the options.
std::string fingerprint(QDialog& d, const char* except) {
    const auto& S = shared();
    std::string f = Str(S.OtherDensIn) + Str(S.DensityLbFt3) + Str(S.SpecGravity) + Str(S.OtherViscIn) +
                    Str(S.ViscLbFtSec) + Str(S.ViscCp) + Str(S.ViscCoefA) + Str(S.ViscCoefB) + " " +
                    S.OtherMediaName + "|";
    for (QLineEdit* b : d.findChildren<QLineEdit*>())
        if (b->objectName() != except) f += b->text().toStdString() + (b->isVisible() ? "|" : "-|");
    for (QLabel* l : d.findChildren<QLabel*>()) f += l->text().toStdString() + (l->isVisible() ? "|" : "-|");
    for (QRadioButton* o : d.findChildren<QRadioButton*>()) f += o->isChecked() ? "1" : "0";
    return f;
}

// Each number box, reached through its option, takes "2"; then text that is
// not a number, by Enter and by leaving, gives it back "2" and beeps.
TEST_F(OtherMediaGas, TextThatIsNoNumberIsRefusedInEveryNumberBox) {
    const struct { const char* option; const char* box; const char* before; } rows[] = {
        {"optDens", "txtOtherDensity", nullptr}, {"optSg", "txtOtherSpecGrav", nullptr},
        {"optVisc", "txtOtherViscosity", nullptr}, {"optViscAB", "txtOtherViscA", nullptr},
        {"optViscAB", "txtOtherViscB", "txtOtherViscA"}};
    densityUnitDialogPicks("optKg_m3");
    viscosityUnitDialogPicks("optCp");
    for (const auto& r : rows) {
        SCOPED_TRACE(r.box);
        beeps = 0;
        run([this, &r](QDialog& d) {
            click(d, r.option);
            if (r.before) {
                typeInto(d, r.before, "5");
                enter(d, r.before);
            }
            typeInto(d, r.box, "2");
            enter(d, r.box);
            ASSERT_EQ(beeps, 0);
            typeInto(d, r.box, "2x");
            const std::string expected = fingerprint(d, r.box);
            enter(d, r.box);
            EXPECT_EQ(box(d, r.box)->text(), "2");
            EXPECT_EQ(fingerprint(d, r.box), expected);
            EXPECT_EQ(focused(d), r.box);
            EXPECT_EQ(beeps, 1);
            typeInto(d, r.box, "abc");
            click(d, "txtNewMedia");
            EXPECT_EQ(box(d, r.box)->text(), "2");
            EXPECT_EQ(fingerprint(d, r.box), expected);
            EXPECT_EQ(beeps, 2);
        });
    }
    EXPECT_TRUE(messages.empty());
}

// However the dialog closes, it is unloaded, a coefficient typed but not yet
// entered is kept, and Find Meter on the input screen has the focus.
TEST_F(OtherMediaGas, EveryWayOfClosingUnloadsItAndReturnsToFindMeter) {
    Shell::instance().showChild("frmInputScrn");
    settle();
    for (const char* how : {"OK clicked", "Enter on OK", "Esc", "title bar"}) {
        SCOPED_TRACE(how);
        shared().PressPsia = 14.7f;
        shared().TempDegR = 519.67f;
        shared().ViscCoefA = 0;
        run([how](QDialog& d) {
            click(d, "optViscAB");
            typeInto(d, "txtOtherViscA", "7");
            const std::string h = how;
            if (h == "OK clicked") click(d, "cmdClose");
            if (h == "Enter on OK") {
                get(d, "cmdClose")->setFocus(Qt::TabFocusReason);
                enter(d, "cmdClose");
            }
            if (h == "Esc") QTest::keyClick(box(d, "txtOtherViscA"), Qt::Key_Escape);
            if (h == "title bar") d.close();
            EXPECT_FALSE(Shell::instance().isLoaded(kDialog));
        });
        EXPECT_EQ(shared().ViscCoefA, 7.0f);
        QWidget* input = Shell::instance().find("frmInputScrn");
        ASSERT_TRUE(input && input->focusWidget());
        EXPECT_EQ(input->focusWidget()->objectName(), "cmdCalcFlow");
    }
    // Enter on an option does not close it.
    run([](QDialog& d) {
        get(d, "optVisc")->setFocus(Qt::TabFocusReason);
        enter(d, "optVisc");
        EXPECT_TRUE(Shell::instance().isLoaded(kDialog) && d.isVisible());
    });
}

// Each option of the unit dialogs sets its unit at once, and Enter closes
// the dialog; Esc closes it without a choice.
TEST_F(OtherMediaGas, UnitDialogs) {
    const struct { const char* form; const char* option; const char* unit; } rows[] = {
        {"frmOtherDensUnit", "optG_cm3", "g/cm^3"},    {"frmOtherDensUnit", "optKg_m3", "Kg/m^3"},
        {"frmOtherDensUnit", "optPcft", "lbm/cuft"},   {"frmOtherViscUnit", "optPa", "pascal.sec"},
        {"frmOtherViscUnit", "optCp", "centipoise"},   {"frmOtherViscUnit", "optPfts", "lbm/ft.sec"},
        {"frmOtherViscUnit", nullptr, "lbm/ft.sec"}};
    auto unitOf = [](const std::string& form) {
        return form == "frmOtherDensUnit" ? shared().OtherDensUnit : shared().OtherViscUnit;
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.option ? r.option : "Esc");
        runDialog(r.form, [&](QDialog& d) {
            if (!r.option) {
                QTest::keyClick(&d, Qt::Key_Escape);
            } else {
                QTest::mouseClick(d.findChild<QRadioButton*>(r.option), Qt::LeftButton);
                EXPECT_EQ(unitOf(r.form), r.unit);
                EXPECT_TRUE(Shell::instance().isLoaded(r.form));
                QTest::keyClick(&d, Qt::Key_Return);
            }
            EXPECT_FALSE(Shell::instance().isLoaded(r.form));
        });
        EXPECT_EQ(unitOf(r.form), r.unit);
    }
}

// ---- Through the gas/steam input screen -------------------------------------
class OtherGasOnTheInputScreen : public FormTest {
protected:
    OtherGasOnTheInputScreen() : FormTest("frmInputScrn", "frmResults") {}
};

TEST_F(OtherGasOnTheInputScreen, PickingOtherOpensTheDialogAndNamesTheGasBesideTheList) {
    onDialog(kDialog, [](QDialog& d) {
        QLineEdit* name = d.findChild<QLineEdit*>("txtNewMedia");
        name->setFocus(Qt::MouseFocusReason);
        name->selectAll();
        QTest::keyClicks(name, "Kiln gas");
        QTest::mouseClick(d.findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    });
    pick("cboMediaIn", "OTHER");
    settle();
    EXPECT_EQ(modalsShown, std::vector<QString>{kDialog});
    EXPECT_FALSE(Shell::instance().isLoaded(kDialog));
    EXPECT_EQ(shared().MediaIn, "OTHER");
    EXPECT_EQ(shared().OtherMediaName, "Kiln gas");
    QLabel* other = control<QLabel>(input_, "lblOther");
    QLabel* name = control<QLabel>(input_, "lblNewMedia");
    ASSERT_TRUE(other && name);
    EXPECT_TRUE(other->isVisible() && name->isVisible());
    EXPECT_EQ(other->text(), "Other Gas =");
    EXPECT_EQ(name->text(), "Kiln gas");
    // Beside the list: the caption, then the name, within a row of the list.
    const QComboBox* media = list("cboMediaIn");
    auto rect = [media](const QWidget* w) { return QRect(w->mapTo(media->window(), QPoint()), w->size()); };
    EXPECT_LT(rect(other).right(), rect(name).left());
    EXPECT_LE(std::abs(rect(other).top() - rect(media).bottom()), media->height());
    EXPECT_GE(rect(other).left(), rect(media).left());

    pick("cboMediaIn", "AIR");
    EXPECT_FALSE(other->isVisible() || name->isVisible());
    EXPECT_EQ(modalsShown.size(), 1u);
    EXPECT_EQ(Format(shared().ViscCp, "0.00000"), "0.01781");
}

}  // namespace
}  // namespace quorin::test
