#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cstdlib>
#include <ostream>

#include "support/CoreFixture.h"
#include "support/FormTest.h"
#include "support/UiFixture.h"

namespace quorin::test {
namespace {

constexpr const char* kDialog = "frmOtherMediaGas";

// Shows a dialog and makes it the active window, so focus changes send
// their events as on the desktop.
void present(QDialog& d) {
    d.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&d));
    d.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&d] { return QApplication::activeWindow() == &d; }));
}

class OtherMediaGas : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        // The worked operating point: 14.7 psia, 60 deg F.
        shared().PressPsia = 14.7f;
        shared().TempDegR = 519.67f;
    }

    // Opens the dialog and lets `drive` act on it while it is up, shown and
    // active as on the desktop.
    void run(const std::function<void(QDialog&)>& drive) {
        onModal[kDialog] = [drive](QDialog& d) {
            present(d);
            drive(d);
            return 0;
        };
        Shell::instance().showModal(kDialog);
        settle();
    }

    // What the unit dialogs do while they run: click `option` (none for
    // nullptr), then OK.
    void densityUnitDialogPicks(const char* option) { unitDialogPicks("frmOtherDensUnit", "cmdOk", option); }
    void viscosityUnitDialogPicks(const char* option) { unitDialogPicks("frmOtherViscUnit", "cmdOK", option); }

    int timesShown(const char* form) const {
        return int(std::count(modalsShown.begin(), modalsShown.end(), QString(form)));
    }

    template <class W = QWidget>
    static W* get(QDialog& d, const char* name) {
        W* w = d.findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static QLineEdit* box(QDialog& d, const char* name) { return get<QLineEdit>(d, name); }
    static QString focused(QDialog& d) { return d.focusWidget() ? d.focusWidget()->objectName() : ""; }

    // A mouse click, which moves the focus first as on the desktop.
    static void click(QDialog& d, const char* name) { QTest::mouseClick(get(d, name), Qt::LeftButton); }
    // Replaces the text of the box that has the focus, as typing over a selection does.
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

TEST_F(OtherMediaGas, OpensWithOnlyTheNameAndTheTwoChoices) {
    shared().OtherMediaName = "Argon mix";
    run([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), " Other Media");
        EXPECT_EQ(shownFields(d), "");
        for (const char* n : {"lblNewMedia", "txtNewMedia", "fraSgDens", "optDens", "optSg", "fraVisc",
                              "optVisc", "optViscAB", "cmdClose"})
            EXPECT_TRUE(get(d, n)->isVisible()) << n;
        for (const char* n : {"optDens", "optSg", "optVisc", "optViscAB"})
            EXPECT_FALSE(get<QRadioButton>(d, n)->isChecked()) << n;
        EXPECT_EQ(shared().OtherMediaName, "Special Gas");
        EXPECT_EQ(focused(d), "txtNewMedia");
        EXPECT_EQ(box(d, "txtNewMedia")->selectedText(), "Special Gas");
    });
}

TEST_F(OtherMediaGas, ChoosingTheMediumOtherOpensIt) {
    shared().MediaIn = "OTHER";
    modMediaIn();
    EXPECT_EQ(modalsShown, std::vector<QString>{kDialog});
    EXPECT_FALSE(Shell::instance().isLoaded(kDialog));
}

// ---- The name --------------------------------------------------------------
TEST_F(OtherMediaGas, TheNameIsStoredOnEnterAndOnLeaving) {
    run([this](QDialog& d) {
        typeInto(d, "txtNewMedia", "Flue gas");
        enter(d, "txtNewMedia");
        EXPECT_EQ(shared().OtherMediaName, "Flue gas");
        EXPECT_EQ(focused(d), "optSg");
        EXPECT_FALSE(get<QRadioButton>(d, "optSg")->isChecked());

        typeInto(d, "txtNewMedia", "Kiln gas");
        get(d, "optDens")->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(shared().OtherMediaName, "Kiln gas");
        EXPECT_EQ(timesShown("frmOtherDensUnit"), 0);
    });
}

// ---- Density or specific gravity ------------------------------------------
TEST_F(OtherMediaGas, ADensityInKilogramsPerCubicMetreGivesTheGravity) {
    densityUnitDialogPicks("optKg_m3");
    run([this](QDialog& d) {
        click(d, "optDens");
        EXPECT_EQ(timesShown("frmOtherDensUnit"), 1);
        EXPECT_EQ(shownFields(d), "txtOtherDensity lblDensUnit");
        EXPECT_EQ(get<QLabel>(d, "lblDensUnit")->text(), "Kg/m^3");
        EXPECT_EQ(focused(d), "txtOtherDensity");

        typeInto(d, "txtOtherDensity", "1.2");
        enter(d, "txtOtherDensity");
        EXPECT_EQ(Format(shared().DensityLbFt3, "0.00000"), "0.07488");
        EXPECT_EQ(box(d, "txtOtherSpecGrav")->text(), "0.9807213");
        EXPECT_EQ(shownFields(d), "txtOtherDensity lblDensUnit txtOtherSpecGrav");
        EXPECT_FALSE(get<QRadioButton>(d, "optDens")->isChecked());
        EXPECT_EQ(focused(d), "optViscAB");
    });
    EXPECT_EQ(shared().OtherDensUnit, "Kg/m^3");
    EXPECT_EQ(shared().OtherDensIn, 1.2);
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
        // The unit label keeps its caption.
        EXPECT_EQ(get<QLabel>(d, "lblDensUnit")->text(), "lbm/cuft");
        EXPECT_EQ(shownFields(d), "txtOtherDensity lblDensUnit txtOtherSpecGrav");
        EXPECT_FALSE(get<QRadioButton>(d, "optSg")->isChecked());
        EXPECT_EQ(focused(d), "optViscAB");
        EXPECT_EQ(timesShown("frmOtherDensUnit"), 0);
    });
}

TEST_F(OtherMediaGas, LeavingTheDensityBoxStoresItWithoutMovingTheFocus) {
    densityUnitDialogPicks("optPcft");
    run([](QDialog& d) {
        click(d, "optDens");
        typeInto(d, "txtOtherDensity", "0.2");
        click(d, "txtNewMedia");
        EXPECT_EQ(shared().DensityLbFt3, 0.2);
        EXPECT_EQ(box(d, "txtOtherSpecGrav")->text().toStdString(), General(shared().SpecGravity));
        EXPECT_FALSE(get<QRadioButton>(d, "optDens")->isChecked());
        EXPECT_EQ(focused(d), "txtNewMedia");
    });
}

// OK in the unit dialog without a choice keeps the unit chosen before; with
// none chosen yet, the entered density changes nothing.
struct KeptUnit {
    const char* unitBefore;
    const char* entered;
    double lbFt3After;
};
std::ostream& operator<<(std::ostream& os, const KeptUnit& k) { return os << '"' << k.unitBefore << '"'; }

class OtherGasUnitWithoutChoice : public OtherMediaGas, public ::testing::WithParamInterface<KeptUnit> {};

TEST_P(OtherGasUnitWithoutChoice, KeepsTheUnitItHad) {
    const KeptUnit& k = GetParam();
    shared().OtherDensUnit = k.unitBefore;
    shared().DensityLbFt3 = 9.5;
    shared().SpecGravity = 0.75f;
    densityUnitDialogPicks(nullptr);
    run([&k](QDialog& d) {
        click(d, "optDens");
        EXPECT_EQ(get<QLabel>(d, "lblDensUnit")->text().toStdString(), k.unitBefore);
        typeInto(d, "txtOtherDensity", k.entered);
        enter(d, "txtOtherDensity");
    });
    EXPECT_EQ(shared().OtherDensUnit, k.unitBefore);
    EXPECT_TRUE(near(shared().DensityLbFt3, k.lbFt3After, 1e-12)) << k;
    if (k.lbFt3After == 9.5) {
        EXPECT_EQ(shared().SpecGravity, 0.75f);
    }
}

INSTANTIATE_TEST_SUITE_P(Units, OtherGasUnitWithoutChoice,
                         ::testing::Values(KeptUnit{"", "1.2", 9.5},
                                           KeptUnit{"g/cm^3", "0.0012", 0.0749136}));

TEST_F(OtherMediaGas, TheSameOptionCanBePickedAgainAfterAnEntry) {
    densityUnitDialogPicks("optKg_m3");
    run([this](QDialog& d) {
        click(d, "optDens");
        EXPECT_EQ(timesShown("frmOtherDensUnit"), 1);
        typeInto(d, "txtOtherDensity", "1.2");
        enter(d, "txtOtherDensity");
        click(d, "optDens");
        EXPECT_EQ(timesShown("frmOtherDensUnit"), 2);
        EXPECT_EQ(focused(d), "txtOtherDensity");
    });
}

// ---- Viscosity or its coefficients -----------------------------------------
TEST_F(OtherMediaGas, TheCoefficientsGiveTheViscosityAtTheOperatingPoint) {
    run([](QDialog& d) {
        click(d, "optViscAB");
        EXPECT_EQ(shownFields(d), "lblViscA txtOtherViscA lblVaEunit");
        EXPECT_EQ(focused(d), "txtOtherViscA");
        typeInto(d, "txtOtherViscA", "5");
        enter(d, "txtOtherViscA");
        EXPECT_EQ(shownFields(d), "lblViscA txtOtherViscA lblVaEunit lblViscB txtOtherViscB lblVbEunit");
        EXPECT_EQ(focused(d), "txtOtherViscB");

        typeInto(d, "txtOtherViscB", "0.02");
        enter(d, "txtOtherViscB");
        EXPECT_EQ(box(d, "txtOtherViscosity")->text(), "1.54e-5");
        EXPECT_EQ(get<QLabel>(d, "lblViscUnit")->text(), "lbm/ft.sec");
        EXPECT_TRUE(get(d, "lblViscUnit")->isVisible());
        EXPECT_EQ(Format(shared().ViscCp, "0.0000"), "0.0229");
        EXPECT_FALSE(get<QRadioButton>(d, "optViscAB")->isChecked());
        EXPECT_EQ(focused(d), "cmdClose");
    });
    EXPECT_EQ(shared().ViscCoefA, 5.0f);
    EXPECT_EQ(shared().ViscCoefB, 0.02f);
}

TEST_F(OtherMediaGas, TheCoefficientBoxesStoreOnLeavingToo) {
    run([](QDialog& d) {
        click(d, "optViscAB");
        typeInto(d, "txtOtherViscA", "6");
        click(d, "txtNewMedia");
        EXPECT_EQ(shared().ViscCoefA, 6.0f);
        EXPECT_FALSE(get(d, "txtOtherViscB")->isVisible());

        click(d, "optViscAB");
        typeInto(d, "txtOtherViscA", "5");
        enter(d, "txtOtherViscA");
        typeInto(d, "txtOtherViscB", "0.02");
        click(d, "txtNewMedia");
        EXPECT_EQ(shared().ViscCoefB, 0.02f);
        EXPECT_EQ(box(d, "txtOtherViscosity")->text(), "1.54e-5");
        EXPECT_EQ(focused(d), "txtNewMedia");
    });
}

TEST_F(OtherMediaGas, ADirectViscosityReplacesTheCoefficients) {
    shared().ViscCoefA = 2.6434f;
    shared().ViscCoefB = 0.0176f;
    viscosityUnitDialogPicks("optCp");
    run([this](QDialog& d) {
        click(d, "optVisc");
        EXPECT_EQ(timesShown("frmOtherViscUnit"), 1);
        EXPECT_EQ(shownFields(d), "txtOtherViscosity lblViscUnit");
        EXPECT_EQ(get<QLabel>(d, "lblViscUnit")->text(), "centipoise");
        EXPECT_EQ(focused(d), "txtOtherViscosity");
        typeInto(d, "txtOtherViscosity", "0.018");
        enter(d, "txtOtherViscosity");
        EXPECT_FALSE(get<QRadioButton>(d, "optVisc")->isChecked());
        EXPECT_EQ(focused(d), "cmdClose");
    });
    EXPECT_EQ(shared().ViscCp, 0.018);
    EXPECT_EQ(Format(shared().ViscLbFtSec, "0.0000e+0"), "1.2095e-5");
    EXPECT_TRUE(near(shared().ViscCoefA, 12.09546, 1e-6));
    EXPECT_EQ(shared().ViscCoefB, 0.0f);
}

// ---- Text that is not a number ---------------------------------------------
// Each number box, reached through its option, first takes "2" and then is
// given text that is not a number.
struct NumberBox {
    const char* option;
    const char* box;
    const char* before;  // a box to enter first, or nullptr
};
std::ostream& operator<<(std::ostream& os, const NumberBox& b) { return os << b.box; }

class RefusedOtherGasEntry : public OtherMediaGas, public ::testing::WithParamInterface<NumberBox> {
protected:
    // Everything an entry could change: the case's fields, the boxes and the options.
    // The box under test is left out: its text is checked on its own.
    static std::string fingerprint(QDialog& d, const char* except) {
        const auto& S = shared();
        std::string f = Str(S.OtherDensIn) + Str(S.DensityLbFt3) + Str(S.SpecGravity) +
                        Str(S.OtherViscIn) + Str(S.ViscLbFtSec) + Str(S.ViscCp) +
                        Str(S.ViscCoefA) + Str(S.ViscCoefB) + " " + S.OtherMediaName + "|" +
                        shownFields(d).toStdString() + "|";
        for (QLineEdit* b : d.findChildren<QLineEdit*>())
            if (b->objectName() != except) f += b->text().toStdString() + "|";
        for (QLabel* l : d.findChildren<QLabel*>()) f += l->text().toStdString() + "|";
        for (QRadioButton* o : d.findChildren<QRadioButton*>()) f += o->isChecked() ? "1" : "0";
        return f;
    }
};

TEST_P(RefusedOtherGasEntry, GivesTheBoxBackItsTextAndBeeps) {
    const NumberBox& b = GetParam();
    densityUnitDialogPicks("optKg_m3");
    viscosityUnitDialogPicks("optCp");
    run([this, &b](QDialog& d) {
        click(d, b.option);
        if (b.before) {
            typeInto(d, b.before, "5");
            enter(d, b.before);
        }
        typeInto(d, b.box, "2");
        enter(d, b.box);
        ASSERT_EQ(beeps, 0);

        typeInto(d, b.box, "2x");
        const std::string expected = fingerprint(d, b.box);
        enter(d, b.box);
        EXPECT_EQ(box(d, b.box)->text(), "2") << b;
        EXPECT_EQ(fingerprint(d, b.box), expected) << b;
        EXPECT_EQ(focused(d), b.box) << b;
        EXPECT_EQ(beeps, 1) << b;

        // Leaving the box with such text is refused the same way.
        typeInto(d, b.box, "abc");
        click(d, "txtNewMedia");
        EXPECT_EQ(box(d, b.box)->text(), "2") << b;
        EXPECT_EQ(fingerprint(d, b.box), expected) << b;
        EXPECT_EQ(beeps, 2) << b;
    });
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryNumberBox, RefusedOtherGasEntry,
    ::testing::Values(NumberBox{"optDens", "txtOtherDensity", nullptr},
                      NumberBox{"optSg", "txtOtherSpecGrav", nullptr},
                      NumberBox{"optVisc", "txtOtherViscosity", nullptr},
                      NumberBox{"optViscAB", "txtOtherViscA", nullptr},
                      NumberBox{"optViscAB", "txtOtherViscB", "txtOtherViscA"}));

// ---- Closing -----------------------------------------------------------------
enum class Closing { OkClicked, OkByEnter, Escape, TitleBar };
std::ostream& operator<<(std::ostream& os, Closing c) {
    const char* names[] = {"OK clicked", "Enter on OK", "Esc", "title bar"};
    return os << names[int(c)];
}

class ClosingOtherMedia : public OtherMediaGas, public ::testing::WithParamInterface<Closing> {};

TEST_P(ClosingOtherMedia, UnloadsItAndReturnsToFindMeter) {
    const Closing how = GetParam();
    Shell::instance().showChild("frmInputScrn");
    settle();
    shared().PressPsia = 14.7f;
    shared().TempDegR = 519.67f;
    run([how](QDialog& d) {
        // A coefficient typed but not yet entered is kept whichever way the dialog closes.
        click(d, "optViscAB");
        typeInto(d, "txtOtherViscA", "7");
        switch (how) {
        case Closing::OkClicked: click(d, "cmdClose"); break;
        case Closing::OkByEnter:
            get(d, "cmdClose")->setFocus(Qt::TabFocusReason);
            enter(d, "cmdClose");
            break;
        case Closing::Escape: QTest::keyClick(box(d, "txtOtherViscA"), Qt::Key_Escape); break;
        case Closing::TitleBar: d.close(); break;
        }
        EXPECT_FALSE(Shell::instance().isLoaded(kDialog)) << how;
    });
    EXPECT_EQ(shared().ViscCoefA, 7.0f) << how;
    QWidget* input = Shell::instance().find("frmInputScrn");
    ASSERT_NE(input, nullptr);
    ASSERT_NE(input->focusWidget(), nullptr);
    EXPECT_EQ(input->focusWidget()->objectName(), "cmdCalcFlow") << how;
}

INSTANTIATE_TEST_SUITE_P(EveryWay, ClosingOtherMedia,
                         ::testing::Values(Closing::OkClicked, Closing::OkByEnter, Closing::Escape,
                                           Closing::TitleBar));

TEST_F(OtherMediaGas, EnterOnAnOptionDoesNotClose) {
    run([](QDialog& d) {
        get(d, "optVisc")->setFocus(Qt::TabFocusReason);
        enter(d, "optVisc");
        EXPECT_TRUE(Shell::instance().isLoaded(kDialog));
        EXPECT_TRUE(d.isVisible());
    });
}

// ---- The unit dialogs -------------------------------------------------------
struct UnitOption {
    const char* form;
    const char* option;
    const char* unit;
};
std::ostream& operator<<(std::ostream& os, const UnitOption& u) { return os << u.option; }

class OtherGasUnitDialog : public UiTest, public ::testing::WithParamInterface<UnitOption> {
protected:
    static const std::string& unitOf(const char* form) {
        return QString(form) == "frmOtherDensUnit" ? shared().OtherDensUnit : shared().OtherViscUnit;
    }
};

TEST_P(OtherGasUnitDialog, AnOptionSetsItsUnitAtOnceAndEnterCloses) {
    const UnitOption& u = GetParam();
    onModal[u.form] = [&u](QDialog& d) {
        present(d);
        QTest::mouseClick(d.findChild<QRadioButton*>(u.option), Qt::LeftButton);
        EXPECT_EQ(unitOf(u.form), u.unit) << u;
        EXPECT_TRUE(Shell::instance().isLoaded(u.form));
        QTest::keyClick(&d, Qt::Key_Return);
        EXPECT_FALSE(Shell::instance().isLoaded(u.form)) << u;
        return 0;
    };
    Shell::instance().showModal(u.form);
    EXPECT_EQ(unitOf(u.form), u.unit);
}

INSTANTIATE_TEST_SUITE_P(
    EveryUnit, OtherGasUnitDialog,
    ::testing::Values(UnitOption{"frmOtherDensUnit", "optG_cm3", "g/cm^3"},
                      UnitOption{"frmOtherDensUnit", "optKg_m3", "Kg/m^3"},
                      UnitOption{"frmOtherDensUnit", "optPcft", "lbm/cuft"},
                      UnitOption{"frmOtherViscUnit", "optPa", "pascal.sec"},
                      UnitOption{"frmOtherViscUnit", "optCp", "centipoise"},
                      UnitOption{"frmOtherViscUnit", "optPfts", "lbm/ft.sec"}));

TEST_F(OtherMediaGas, EscInAUnitDialogClosesItWithoutAChoice) {
    shared().OtherViscUnit = "pascal.sec";
    onModal["frmOtherViscUnit"] = [](QDialog& u) {
        QTest::keyClick(&u, Qt::Key_Escape);
        EXPECT_FALSE(Shell::instance().isLoaded("frmOtherViscUnit"));
        return 0;
    };
    Shell::instance().showModal("frmOtherViscUnit");
    EXPECT_EQ(shared().OtherViscUnit, "pascal.sec");
}

// ---- Through the gas/steam input screen -------------------------------------
class OtherGasOnTheInputScreen : public FormTest {
protected:
    OtherGasOnTheInputScreen() : FormTest("frmInputScrn", "frmResults") {}
    QLabel* label(const char* name) const { return control<QLabel>(input_, name); }
};

TEST_F(OtherGasOnTheInputScreen, PickingOtherOpensTheDialogAndNamesTheGasBesideTheList) {
    onModal[kDialog] = [](QDialog& d) {
        present(d);
        QLineEdit* name = d.findChild<QLineEdit*>("txtNewMedia");
        name->setFocus(Qt::MouseFocusReason);
        name->selectAll();
        QTest::keyClicks(name, "Kiln gas");
        QTest::mouseClick(d.findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
        return 0;
    };
    pick("cboMediaIn", "OTHER");
    settle();
    EXPECT_EQ(modalsShown, std::vector<QString>{kDialog});
    EXPECT_FALSE(Shell::instance().isLoaded(kDialog));
    EXPECT_EQ(shared().MediaIn, "OTHER");
    EXPECT_EQ(shared().OtherMediaName, "Kiln gas");
    QLabel* other = label("lblOther");
    QLabel* name = label("lblNewMedia");
    ASSERT_TRUE(other && name);
    EXPECT_TRUE(other->isVisible());
    EXPECT_TRUE(name->isVisible());
    EXPECT_EQ(other->text(), "Other Gas =");
    EXPECT_EQ(name->text(), "Kiln gas");
    // Beside the list: the caption, then the name, within a row of the list.
    const QComboBox* media = list("cboMediaIn");
    const QRect listRect(media->mapTo(media->window(), QPoint()), media->size());
    const QRect otherRect(other->mapTo(media->window(), QPoint()), other->size());
    const QRect nameRect(name->mapTo(media->window(), QPoint()), name->size());
    EXPECT_LT(otherRect.right(), nameRect.left());
    EXPECT_LE(std::abs(otherRect.top() - listRect.bottom()), listRect.height());
    EXPECT_GE(otherRect.left(), listRect.left());

    pick("cboMediaIn", "AIR");
    EXPECT_FALSE(other->isVisible());
    EXPECT_FALSE(name->isVisible());
    EXPECT_EQ(modalsShown.size(), 1u);
    EXPECT_EQ(Format(shared().ViscCp, "0.00000"), "0.01781");
}

}  // namespace
}  // namespace quorin::test
