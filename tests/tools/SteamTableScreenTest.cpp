// The steam table dialog: the lookup and calculation halves,
// and the gas/steam case it gives back when it closes.
#include "support/FormTest.h"

namespace quorin::test {
namespace {

class SteamTableScreen : public FormTest {
protected:
    SteamTableScreen() : FormTest("frmInputScrn", "frmResults") {}

    // Opens the dialog from the gas/steam screen's Tools menu; `drive` acts
    // on it while it runs.
    void open(const std::function<void(QDialog&)>& drive) {
        onDialog("frmSteamTable", [this, drive](QDialog& d) {
            dialog_ = &d;
            drive(d);
        });
        menuItem("mnuSteamTable")->trigger();
        settle();
        EXPECT_FALSE(Shell::instance().isLoaded("frmSteamTable"));
    }
    template <class W = QLineEdit>
    W* in(const char* name) const {
        W* w = dialog_->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // The readouts of a half: temperature, pressure, density.
    QStringList readouts(const char* t, const char* p, const char* d) const {
        return {in(t)->text(), in(p)->text(), in(d)->text()};
    }
    QStringList lookedUp() const { return readouts("txtTemp", "txtPsia", "txtDens"); }
    QStringList calculated() const { return readouts("txtTemp2", "txtPSIA2", "txtDens2"); }
    // Types over an entry's text and presses Enter.
    void enterIn(const char* name, const QString& typed) {
        in(name)->setFocus(Qt::MouseFocusReason);
        in(name)->selectAll();
        QTest::keyClicks(in(name), typed);
        QTest::keyClick(in(name), Qt::Key_Return);
    }
    void click(const char* name) const { QTest::mouseClick(in<QWidget>(name), Qt::LeftButton); }
    QString focusedName() const { return dialog_->focusWidget()->objectName(); }

    QDialog* dialog_ = nullptr;
};

// The lookup entries and their units are hidden until an option is chosen;
// each option shows its entry and unit, hides the other's and selects its
// entry for typing; choosing looks nothing up.
TEST_F(SteamTableScreen, AnOptionShowsItsEntry) {
    open([this](QDialog&) {
        for (const char* name : {"txtPsiaIn", "lblpsia1", "txtTempIn", "lblDegF1"})
            EXPECT_FALSE(in<QWidget>(name)->isVisible()) << name;
        in("txtTempIn")->setText("300");
        for (const char* option : {"optPress", "optTemp", "optPress"}) {
            const bool byPressure = option[3] == 'P';
            const char* entry = byPressure ? "txtPsiaIn" : "txtTempIn";
            click(option);
            EXPECT_EQ(in<QWidget>("txtPsiaIn")->isVisible(), byPressure) << option;
            EXPECT_EQ(in<QWidget>("lblpsia1")->isVisible(), byPressure) << option;
            EXPECT_EQ(in<QWidget>("txtTempIn")->isVisible(), !byPressure) << option;
            EXPECT_EQ(in<QWidget>("lblDegF1")->isVisible(), !byPressure) << option;
            EXPECT_EQ(focusedName(), entry);
            EXPECT_EQ(in(entry)->selectedText(), in(entry)->text()) << option;
        }
        EXPECT_EQ(lookedUp(), QStringList({"", "", ""}));
    });
}

// Enter, a click into the entry (which then selects it) and Lookup all look
// up the chosen option. The entry keeps what was typed; text that is not a
// number keeps the value last used, and nothing beeps. (The lookups' figures
// are the core's; the readouts show 14.696 psia as the table's row.)
TEST_F(SteamTableScreen, LooksUpByEnterClickAndButton) {
    open([this](QDialog&) {
        click("btnLookup");  // no option chosen
        EXPECT_EQ(lookedUp(), QStringList({"", "", ""}));
        click("optPress");
        QTest::keyClick(in("txtPsiaIn"), Qt::Key_Return);
        EXPECT_EQ(lookedUp(), QStringList({"212.0", "14.696", "0.0373"}));
        in("txtPsiaIn")->setText("800");
        click("txtPsiaIn");
        EXPECT_EQ(lookedUp().at(1), "700.0");
        EXPECT_EQ(in("txtPsiaIn")->selectedText(), "800");
        enterIn("txtPsiaIn", "abc");
        EXPECT_EQ(lookedUp().at(1), "700.0");
        EXPECT_EQ(in("txtPsiaIn")->text(), "abc");

        click("optTemp");
        enterIn("txtTempIn", "150");
        EXPECT_EQ(lookedUp().at(0), "195.0");
        in("txtTempIn")->setText("212");
        in<QWidget>("btnLookup")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(in<QWidget>("btnLookup"), Qt::Key_Return);
        EXPECT_EQ(lookedUp().at(1), "14.696");
        EXPECT_EQ(focusedName(), "btnLookup");
    });
    EXPECT_EQ(beeps, 0);
}

// Enter calculates and moves to the other entry with its text selected; a
// click into an entry and Calculate calculate too. Text that is not a number
// keeps the value last used; empty text is 0.
TEST_F(SteamTableScreen, CalculatesAndAlternatesOnEnter) {
    open([this](QDialog&) {
        enterIn("txtTempIn2", "500");
        EXPECT_EQ(focusedName(), "txtPsiaIn2");
        EXPECT_EQ(in("txtPsiaIn2")->selectedText(), "14.696");
        EXPECT_EQ(calculated().at(0), "500.0");
        QTest::keyClicks(in("txtPsiaIn2"), "100");
        QTest::keyClick(in("txtPsiaIn2"), Qt::Key_Return);
        EXPECT_EQ(calculated().at(1), "100.0");
        EXPECT_EQ(focusedName(), "txtTempIn2");
        EXPECT_EQ(in("txtTempIn2")->selectedText(), "500");
        enterIn("txtTempIn2", "x");
        EXPECT_EQ(calculated(), QStringList({"500.0", "100.0", "0.179"}));
        EXPECT_EQ(focusedName(), "txtPsiaIn2");

        in("txtTempIn2")->setText("800");
        click("btnCalculate");
        EXPECT_EQ(calculated().first(), "800.0");  // no clamping on this side
        in("txtPsiaIn2")->setText("");
        click("txtPsiaIn2");
        EXPECT_EQ(calculated().at(1), "0.0");
        EXPECT_EQ(lookedUp(), QStringList({"", "", ""}));
    });
    EXPECT_EQ(beeps, 0);
}

// However the dialog is closed, it unloads and the gas/steam case is again
// what its own entries give.
TEST_F(SteamTableScreen, ClosingGivesTheGasCaseBack) {
    auto& S = shared();
    auto gasCase = [&S] {
        return std::tuple(S.PressPsia, S.PressPsig, S.TempDegR, S.TempDegF, S.DensityLbFt3,
                          S.ViscCp, S.FlowAcfm);
    };
    type("txtPressIn", "35");
    enter("txtPressIn");
    const auto before = gasCase();
    for (const std::string way : {"cmdClose", "Esc", "title bar"}) {
        open([&, this](QDialog& d) {
            enterIn("txtTempIn2", "500");
            enterIn("txtPsiaIn2", "100");
            EXPECT_NE(gasCase(), before);
            if (way == "cmdClose") click("cmdClose");
            if (way == "Esc") QTest::keyClick(in("txtPsiaIn2"), Qt::Key_Escape);
            if (way == "title bar") d.close();
            EXPECT_FALSE(Shell::instance().isLoaded("frmSteamTable")) << way;
        });
        EXPECT_EQ(gasCase(), before) << way;
    }
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace quorin::test
