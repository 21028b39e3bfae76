// The steam table dialog: the lookup and calculation halves, and the
// gas/steam case it gives back when it closes. Its figures are the core's
// (SteamTableTest).
#include "support/FormTest.h"

namespace quorin::test {
namespace {

class SteamTableScreen : public FormTest {
protected:
    SteamTableScreen() : FormTest("frmInputScrn", "frmResults") {}

    // Opens the dialog from the gas/steam screen's Tools menu; `drive` acts
    // on it while it runs.
    void open(const std::function<void(QDialog&)>& drive) {
        dialog_ = nullptr;
        onDialog("frmSteamTable", [this, drive](QDialog& d) {
            dialog_ = &d;
            drive(d);
        });
        menuItem("mnuSteamTable")->trigger();
        settle();
        EXPECT_TRUE(dialog_ && !Shell::instance().isLoaded("frmSteamTable"));
    }
    template <class W = QLineEdit> W* in(const char* name) const { return dialog_->findChild<W*>(name); }
    // The texts of controls ("-" for a hidden one), then the focused control,
    // with "*" when its whole text is selected.
    QStringList texts(std::initializer_list<const char*> names) const {
        QStringList list;
        for (auto n : names)
            list << (in<QWidget>(n)->isVisible() ? in<QWidget>(n)->property("text").toString() : "-");
        auto* e = qobject_cast<QLineEdit*>(dialog_->focusWidget());
        const bool whole = e && e->selectedText() == e->text();
        return list << dialog_->focusWidget()->objectName() + (whole ? "*" : "");
    }
    // Types over an entry's text and presses Enter.
    void enterIn(const char* name, const QString& typed) {
        in(name)->setFocus(Qt::MouseFocusReason);
        in(name)->selectAll();
        QTest::keyClicks(in(name), typed);
        QTest::keyClick(in(name), Qt::Key_Return);
    }
    void click(const char* name) const { QTest::mouseClick(in<QWidget>(name), Qt::LeftButton); }

    QDialog* dialog_ = nullptr;
};

// Lookup: the entries and their units are hidden until an option is chosen;
// an option shows its entry and unit, hides the other's and selects its entry
// for typing, and looks nothing up. Enter, a click into the entry (which then
// selects it) and Lookup (also by Enter on it) look up the chosen option;
// Lookup with none chosen does nothing. Text that is not a number keeps the
// value last used and stays as typed; nothing beeps.
TEST_F(SteamTableScreen, LooksUpTheChosenOptionAndCalculates) {
    open([this](QDialog&) {
        const auto entries = {"txtPsiaIn", "lblpsia1", "txtTempIn", "lblDegF1", "txtDens"};
        click("btnLookup");
        EXPECT_EQ(texts(entries), QStringList({"-", "-", "-", "-", "", "btnLookup"}));
        click("optPress");
        EXPECT_EQ(texts(entries), QStringList({"14.696", "PSIA", "-", "-", "", "txtPsiaIn*"}));
        in("txtPsiaIn")->setText("100");
        click("txtPsiaIn");
        EXPECT_EQ(texts({"txtPsia"}), QStringList({"100.0", "txtPsiaIn*"}));
        enterIn("txtPsiaIn", "abc");
        EXPECT_EQ(texts({"txtPsia", "txtPsiaIn"}), QStringList({"100.0", "abc", "txtPsiaIn"}));
        in("txtTempIn")->setText("212");
        click("optTemp");
        in<QWidget>("btnLookup")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(in<QWidget>("btnLookup"), Qt::Key_Return);
        EXPECT_EQ(texts({"txtPsia"}), QStringList({"14.696", "btnLookup"}));

        // Calculation: Enter calculates and moves to the other entry with its
        // text selected; a click into an entry and Calculate calculate too;
        // empty text is 0. Nothing is looked up.
        enterIn("txtTempIn2", "500");
        EXPECT_EQ(texts({"txtTemp2"}), QStringList({"500.0", "txtPsiaIn2*"}));
        in("txtTempIn2")->setText("800");
        click("btnCalculate");
        in("txtPsiaIn2")->setText("");
        click("txtPsiaIn2");
        EXPECT_EQ(texts({"txtTemp2", "txtPSIA2", "txtTemp", "txtPsia", "txtDens"}),
                  QStringList({"800.0", "0.0", "212.0", "14.696", "0.0373", "txtPsiaIn2*"}));
    });
    EXPECT_EQ(beeps, 0);
}

// Closed by its button or by Esc (the title bar's close takes Esc's way), it
// unloads and the gas/steam case is again what its own entries give; no
// message.
TEST_F(SteamTableScreen, ClosingGivesTheGasCaseBack) {
    const auto gasCase = [&S = shared()] {
        return std::tuple(S.PressPsia, S.TempDegR, S.DensityLbFt3, S.ViscCp, S.FlowAcfm);
    };
    fill("txtPressIn", "35");
    const auto before = gasCase();
    for (const std::string way : {"cmdClose", "Esc"}) {
        open([&, this](QDialog&) {
            enterIn("txtPsiaIn2", "100");
            EXPECT_NE(gasCase(), before);
            if (way == "cmdClose") click("cmdClose");
            if (way == "Esc") QTest::keyClick(in("txtPsiaIn2"), Qt::Key_Escape);
        });
        EXPECT_EQ(std::tuple(gasCase(), messages.size()), std::tuple(before, size_t(0))) << way;
    }
}

}  // namespace
}  // namespace quorin::test
