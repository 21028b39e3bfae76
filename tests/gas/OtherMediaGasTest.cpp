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
    void unitDialogPicks(const char* form, const char* option) {
        const char* ok = std::string(form) == "frmOtherDensUnit" ? "cmdOk" : "cmdOK";
        onModal[form] = [option, ok](QDialog& u) {
            if (option) u.findChild<QRadioButton*>(option)->click();
            u.findChild<QPushButton*>(ok)->click();
            return 0;
        };
    }
    int timesShown(const char* form) const { return int(std::count(modalsShown.begin(), modalsShown.end(), form)); }

    template <class W = QWidget>
    static W* get(QDialog& d, const char* name) {
        W* w = d.findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static QLineEdit* box(QDialog& d, const char* name) { return get<QLineEdit>(d, name); }
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
    // Which of the dialog's boxes and labels are shown, e.g. "txtOtherDensity lblDensUnit".
    static QString shownFields(QDialog& d) {
        QStringList names;
        for (const char* n : {"txtOtherDensity", "lblDensUnit", "txtOtherSpecGrav", "txtOtherViscosity",
                              "lblViscUnit", "lblViscA", "txtOtherViscA", "lblVaEunit", "lblViscB",
                              "txtOtherViscB", "lblVbEunit"})
            if (get(d, n)->isVisible()) names << n;
        return names.join(' ');
    }
};

// It opens with the name, selected, and the two choices only; the name is
// stored on Enter and on leaving.
TEST_F(OtherMediaGas, OpensWithOnlyTheNameAndTheTwoChoices) {
    shared().OtherMediaName = "Argon mix";
    run([this](QDialog& d) {
        EXPECT_EQ(shownFields(d), "");
        for (const char* n : {"optDens", "optSg", "optVisc", "optViscAB"}) EXPECT_FALSE(checked(d, n)) << n;
        EXPECT_EQ(focused(d), "txtNewMedia");
        EXPECT_EQ(box(d, "txtNewMedia")->selectedText(), "Special Gas");
        EXPECT_EQ(shared().OtherMediaName, "Special Gas");

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

// Each number box, reached through its option: Enter stores the value and
// moves on, leaving stores it and keeps the focus where the user put it, and
// both recompute the box shown from it. Text that is not a number, by Enter
// and by leaving, is refused: the box gets back its text, nothing else
// changes, the system beeps.
TEST_F(OtherMediaGas, EachNumberBoxStoresItsValueOrRefusesText) {
    const struct {
        const char *option, *box, *before, *next, *derived;
        double (*stored)();
    } rows[] = {
        {"optDens", "txtOtherDensity", nullptr, "optViscAB", "txtOtherSpecGrav", [] { return shared().OtherDensIn; }},
        {"optSg", "txtOtherSpecGrav", nullptr, "optViscAB", "txtOtherDensity",
         [] { return double(shared().SpecGravity); }},
        {"optVisc", "txtOtherViscosity", nullptr, "cmdClose", nullptr, [] { return shared().OtherViscIn; }},
        {"optViscAB", "txtOtherViscA", nullptr, "txtOtherViscB", nullptr, [] { return double(shared().ViscCoefA); }},
        {"optViscAB", "txtOtherViscB", "txtOtherViscA", "cmdClose", "txtOtherViscosity",
         [] { return double(shared().ViscCoefB); }}};
    unitDialogPicks("frmOtherDensUnit", "optKg_m3");
    unitDialogPicks("frmOtherViscUnit", "optCp");
    for (const auto& r : rows) {
        SCOPED_TRACE(r.box);
        beeps = 0;
        run([this, &r](QDialog& d) {
            click(d, r.option);
            EXPECT_EQ(focused(d), r.before ? r.before : r.box);
            if (r.before) {
                typeInto(d, r.before, "5");
                enter(d, r.before);
            }
            typeInto(d, r.box, "2");
            enter(d, r.box);
            EXPECT_EQ(r.stored(), 2);
            EXPECT_EQ(checked(d, r.option), r.next == std::string("txtOtherViscB"));  // B still to come
            EXPECT_EQ(focused(d), r.next);
            const QString derived = r.derived ? box(d, r.derived)->text() : "";
            EXPECT_EQ(r.derived && box(d, r.derived)->isVisible(), !derived.isEmpty());

            typeInto(d, r.box, "2x");
            const std::string expected = fingerprint(d, r.box);
            enter(d, r.box);
            EXPECT_EQ(box(d, r.box)->text(), "2");
            EXPECT_EQ(fingerprint(d, r.box), expected);
            EXPECT_EQ(focused(d), r.box);
            typeInto(d, r.box, "abc");
            click(d, "txtNewMedia");
            EXPECT_EQ(box(d, r.box)->text(), "2");
            EXPECT_EQ(fingerprint(d, r.box), expected);
            EXPECT_EQ(beeps, 2);

            typeInto(d, r.box, "3");
            click(d, "txtNewMedia");
            EXPECT_EQ(r.stored(), 3);
            EXPECT_EQ(focused(d), "txtNewMedia");
            EXPECT_EQ(r.derived && box(d, r.derived)->text() != derived, r.derived != nullptr);
        });
    }
    EXPECT_EQ(timesShown("frmOtherDensUnit") + timesShown("frmOtherViscUnit"), 2);
    EXPECT_TRUE(messages.empty());
}

// The figures of the custom gas are the core's; one of each kind as the
// dialog shows it (hand computations: gravity 1 is 0.07635 lb/ft^3 at 14.7
// psia and 60 deg F; A = 5, B = 0.02 give 1.54e-5 lb/(ft s)).
TEST_F(OtherMediaGas, ShowsTheDerivedFiguresAndUnitsInTheirBoxes) {
    unitDialogPicks("frmOtherViscUnit", "optCp");
    run([](QDialog& d) {
        click(d, "optSg");
        EXPECT_EQ(shownFields(d), "txtOtherSpecGrav");
        typeInto(d, "txtOtherSpecGrav", "1");
        enter(d, "txtOtherSpecGrav");
        EXPECT_EQ(box(d, "txtOtherDensity")->text(), "7.635e-02");
        EXPECT_EQ(shownFields(d), "txtOtherDensity lblDensUnit txtOtherSpecGrav");
        click(d, "optViscAB");
        typeInto(d, "txtOtherViscA", "5");
        enter(d, "txtOtherViscA");
        typeInto(d, "txtOtherViscB", "0.02");
        enter(d, "txtOtherViscB");
        EXPECT_EQ(box(d, "txtOtherViscosity")->text(), "1.54e-5");
        EXPECT_EQ(get<QLabel>(d, "lblViscUnit")->text(), "lbm/ft.sec");
        click(d, "optVisc");
        EXPECT_EQ(get<QLabel>(d, "lblViscUnit")->text(), "centipoise");
    });
}

// OK in the unit dialog without a choice keeps the unit chosen before: with
// none chosen yet, the entered density changes nothing.
TEST_F(OtherMediaGas, AUnitDialogClosedWithoutAChoiceKeepsTheUnitItHad) {
    unitDialogPicks("frmOtherDensUnit", nullptr);
    shared().DensityLbFt3 = 9.5;
    run([](QDialog& d) {
        click(d, "optDens");
        EXPECT_EQ(get<QLabel>(d, "lblDensUnit")->text(), "");
        typeInto(d, "txtOtherDensity", "1.2");
        enter(d, "txtOtherDensity");
    });
    EXPECT_EQ(shared().OtherDensUnit, "");
    EXPECT_EQ(shared().DensityLbFt3, 9.5);
}

// However the dialog closes, it is unloaded, a coefficient typed but not yet
// entered is kept, and Find Meter on the input screen has the focus.
TEST_F(OtherMediaGas, EveryWayOfClosingUnloadsItAndReturnsToFindMeter) {
    Shell::instance().showChild("frmInputScrn");
    settle();
    for (const std::string how : {"OK clicked", "Enter on OK", "Esc", "title bar"}) {
        SCOPED_TRACE(how);
        shared().ViscCoefA = 0;
        run([how](QDialog& d) {
            click(d, "optViscAB");
            typeInto(d, "txtOtherViscA", "7");
            if (how == "OK clicked") click(d, "cmdClose");
            if (how == "Enter on OK") {
                get(d, "cmdClose")->setFocus(Qt::TabFocusReason);
                enter(d, "cmdClose");
            }
            if (how == "Esc") QTest::keyClick(box(d, "txtOtherViscA"), Qt::Key_Escape);
            if (how == "title bar") d.close();
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

// Each option of the unit dialogs stores its unit at once, and Enter closes
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
            if (r.option) {
                QTest::mouseClick(d.findChild<QRadioButton*>(r.option), Qt::LeftButton);
                EXPECT_EQ(unitOf(r.form), r.unit);
                EXPECT_TRUE(Shell::instance().isLoaded(r.form));
            }
            QTest::keyClick(&d, r.option ? Qt::Key_Return : Qt::Key_Escape);
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

// Picking "OTHER" opens the dialog once and names the gas beside the list,
// within a row of it; picking another medium hides the name again.
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
    EXPECT_EQ(shared().MediaIn, "OTHER");
    QLabel* other = control<QLabel>(input_, "lblOther");
    QLabel* name = control<QLabel>(input_, "lblNewMedia");
    ASSERT_TRUE(other && name);
    EXPECT_TRUE(other->isVisible() && name->isVisible());
    EXPECT_EQ(name->text(), "Kiln gas");
    const QComboBox* media = list("cboMediaIn");
    const QPoint at = other->mapTo(media->window(), QPoint()), listAt = media->mapTo(media->window(), QPoint());
    EXPECT_LT(at.x() + other->width(), name->mapTo(media->window(), QPoint()).x());
    EXPECT_LE(std::abs(at.y() - (listAt.y() + media->height())), media->height());

    pick("cboMediaIn", "AIR");
    EXPECT_FALSE(other->isVisible() || name->isVisible());
    EXPECT_EQ(modalsShown.size(), 1u);
    EXPECT_EQ(shared().MediaIn, "AIR");
}

}  // namespace
}  // namespace quorin::test
