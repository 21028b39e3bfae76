// The liquid input screen: what each entry stores and runs, the density or
// specific-gravity choice, the viscosity kind, refused entries and the
// commands (the figures are the core's).
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "liquid/InputRules.h"
#include "shell/Controls.h"
#include "support/FormTest.h"

namespace quorin::test {
namespace {

const QString kDynamicNote = lqdViscNote(ViscKind::Dynamic);
constexpr const char* kInvalidViscosity = "Invalid Viscosity Value.  Please enter a number.";
const auto& S = shared();

class LiquidInput : public FormTest {
protected:
    LiquidInput() : FormTest("frmLqdInput", "frmLqdResults") {}

    QRadioButton* option(const char* name) const { return control<QRadioButton>(input_, name); }
    bool frameEnabled() const { return control<QGroupBox>(input_, "fraMedia")->isEnabled(); }
    QString note() const { return control<QLabel>(input_, "ViscLabel")->text(); }
    void click(const char* name) const { QTest::mouseClick(control(input_, name), Qt::LeftButton); }
    // Types into the box that has the focus, keystroke by keystroke.
    static void keys(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
};

// The empty customer box stands for the record's "Customer".
TEST_F(LiquidInput, StartsWithTheStartUpCase) {
    EXPECT_EQ(std::tuple(box("txtCustomerIn")->text(), S.CustomerIn),
              std::tuple("", std::string("Customer")));
    EXPECT_EQ(std::tuple(box("txtMediaIn")->text(), focused()), std::tuple("WATER", "txtCustomerIn"));
}

// Enter in each box and list (an entry set as the arrow keys set it): what
// it stores, a sign its chain ran, where the focus goes. An editable list
// adds nothing on Enter, and a unit typed (not picked) leaves the note.
TEST_F(LiquidInput, EnterInEachEntryStoresRunsItsChainAndMovesOn) {
    const struct { const char *control, *text, *next; bool (*check)(); } rows[] = {
        {"txtMediaIn", "Brine", "txtMediaIn", [] { return S.MediaIn == "Brine"; }},
        {"txtFlowRateIn", "100", "cboFlowUnit", [] { return S.LqdFlowGpm == 100 && S.LqdVelFps < 2; }},
        {"txtTempIn", "200", "cboTempUnit", [] { return S.TempDegF == 200 && S.TempDegC > 93; }},
        {"txtViscIn", "2", "cboViscUnit", [] { return S.ViscCp == 2 && S.LqdViscFt2s > 2e-5; }},
        {"cboTempUnit", "deg C", "txtMediaIn", [] { return S.TempDegF == 392; }},
        {"cboViscUnit", "ssu", "cmdCalcFlow", [] { return S.LqdViscUnit == "ssu" && S.ViscCp < 1; }}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.control);
        if (r.control[0] == 't') {
            type(r.control, r.text);
        } else {
            list(r.control)->setFocus(Qt::MouseFocusReason);
            list(r.control)->setCurrentText(r.text);
        }
        enter(r.control);
        EXPECT_EQ(std::tuple(focused(), r.check()), std::tuple(r.next, true));
    }
    EXPECT_EQ(std::tuple(list("cboFlowUnit")->count(), list("cboViscUnit")->count(), note()),
              std::tuple(13, 5, kDynamicNote));
    EXPECT_TRUE(messages.empty() && beeps == 0);
}

// A unit typed into an editable list is stored as typed, without completion
// ("FP" is no unit: nothing changes); a unit picked from the list shows its
// kind's note and enables the density frame for a dynamic unit only.
TEST_F(LiquidInput, TypedUnitsAreKeptAsTypedAndAPickedOneShowsItsKind) {
    list("cboFlowUnit")->setFocus(Qt::MouseFocusReason);
    list("cboFlowUnit")->lineEdit()->selectAll();
    keys("FP");
    enter(QApplication::focusWidget());
    EXPECT_EQ(std::tuple(S.LqdFlowUnit, S.LqdFlowGpm), std::tuple(std::string("FP"), 500.0f));
    pick("cboViscUnit", "ssu");
    EXPECT_EQ(std::tuple(frameEnabled(), note()), std::tuple(false, lqdViscNote(ViscKind::Kinematic)));
}

// The density box and its unit give the specific gravity, the viscosity and
// the flow; the box takes digits and points only, and Enter does nothing.
// A specific gravity then gives the density in lbm/ft^3, which the density
// box and its unit show; "0." is a number still being typed.
TEST_F(LiquidInput, DensityOrSpecificGravityGiveTheOtherAndTheViscosity) {
    const double viscFt2s = S.LqdViscFt2s;  // at specific gravity 1
    click("optDens");
    EXPECT_EQ(std::tuple(focused(), box("txtSpecGravIn")->isEnabled()), std::tuple("txtDensityIn", false));
    keys("50");
    EXPECT_GT(S.LqdViscFt2s, viscFt2s);
    pick("cboDensUnit", "Kg/m^3");
    EXPECT_EQ(box("txtSpecGravIn")->text(), "0.05");
    box("txtDensityIn")->setFocus(Qt::MouseFocusReason);
    keys("0a-e ");
    enter("txtDensityIn");
    EXPECT_EQ(std::tuple(box("txtDensityIn")->text(), focused()), std::tuple("500", "txtDensityIn"));

    click("optSpecGrav");
    EXPECT_EQ(focused(), "txtSpecGravIn");
    keys("0.8");
    EXPECT_EQ(std::tuple(box("txtDensityIn")->text(), list("cboDensUnit")->currentText(), S.LqdDensUnit),
              std::tuple("49.89304", "lbm/ft^3", std::string("lbm/ft^3")));
    QTest::keyClick(box("txtSpecGravIn"), Qt::Key_Backspace);
    EXPECT_EQ(box("txtDensityIn")->text(), "49.89304");
}

// The viscosity follows each keystroke that leaves a number; leaving it or
// Enter with text that is no number ("1e400" overflows), or none, explains
// and restores the value it held before the typing began, with its chain.
// The other number boxes refuse such text with a beep and a hint.
TEST_F(LiquidInput, RefusedEntries) {
    type("txtViscIn", "3");
    EXPECT_EQ(S.ViscCp, 3);  // before leaving the box
    leave();
    type("txtViscIn", "1e400");
    EXPECT_TRUE(messages.empty());
    leave();
    EXPECT_EQ(std::tuple(box("txtViscIn")->text(), S.LqdViscIn, S.ViscCp), std::tuple("3", 3.0, 3.0));
    type("txtViscIn", "");
    enter("txtViscIn");
    EXPECT_EQ(std::tuple(focused(), box("txtViscIn")->text(), S.LqdViscIn),
              std::tuple("txtViscIn", "3", 3.0));
    ASSERT_EQ(std::tuple(messages.size(), beeps, hints.size()), std::tuple(2u, 0, 0u));
    EXPECT_EQ(messages[1].text, kInvalidViscosity);

    type("txtFlowRateIn", "12abc");
    enter("txtFlowRateIn");
    EXPECT_EQ(std::tuple(focused(), box("txtFlowRateIn")->text(), S.LqdFlowRateIn, beeps),
              std::tuple("txtFlowRateIn", "500", 500.0f, 1));
    EXPECT_EQ(hints, (Hints{{"txtFlowRateIn", QStringLiteral("Not a number: 12abc \u2014 kept 500")}}));
}

// Ctrl+C and Ctrl+X in the text of an editable list copy and cut; the
// screen stays (on a list without text they close or exit: InputScrnTest).
TEST_F(LiquidInput, CtrlCAndCtrlXInAnEditableListCopyAndCut) {
    list("cboFlowUnit")->setFocus(Qt::MouseFocusReason);
    list("cboFlowUnit")->lineEdit()->selectAll();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::ControlModifier);
    settle();
    EXPECT_EQ(std::tuple(QApplication::clipboard()->text(), list("cboFlowUnit")->currentText(), childForms()),
              std::tuple("GPM", "", QStringList{"frmLqdInput"}));
}

// The results take the keyboard when they open; a second Find Meter, which
// commits the box being typed, builds them anew (FileCommandsTest shows that
// they stay open while the case is edited).
TEST_F(LiquidInput, FindMeterOpensTheResultsAndASecondBuildsThemAnew) {
    fill("txtViscIn", "1");
    findMeter();
    EXPECT_EQ(focused(), "frmLqdResults");
    type("txtFlowRateIn", "300");
    menuItem("mnuCalcFlow")->trigger();
    settle();
    EXPECT_EQ(std::tuple(childForms(), rows("lstErrorBox").size(), S.LqdFlowRateIn),
              std::tuple(QStringList{"frmLqdInput", "frmLqdResults"}, 2, 300.0f));
}

TEST_F(LiquidInput, SetDefaultsRestoresTheStartUpCase) {
    click("optDens");
    pick("cboViscUnit", "ssu");
    menuItem("mnuDefaults")->trigger();
    // As at start-up: no density choice, the frame and note of a dynamic unit.
    EXPECT_EQ(std::tuple(box("txtCustomerIn")->selectedText(), list("cboViscUnit")->currentText(),
                         frameEnabled(), note()),
              std::tuple("Quorin Dynarel Inc.", "centipoise", true, kDynamicNote));
    EXPECT_FALSE(option("optDens")->isChecked() || option("optSpecGrav")->isChecked() ||
                 box("txtDensityIn")->isEnabled() || box("txtSpecGravIn")->isEnabled());
}

// The calculator opens modally; Size Gas/Steam Meter, Close and the title
// bar land on the intro screen and take the results with them (Help, About
// and Exit come from the Form base: InputScrnTest).
TEST_F(LiquidInput, ToolsSizeGasSteamAndClose) {
    menuItem("mnuBackPressCalc")->trigger();
    settle();
    EXPECT_EQ(modalsShown, (std::vector<QString>{"frmLqdBackPrsCalc"}));
    for (const std::string way : {"mnuSizeGasSteam", "cmdClose", "title bar"}) {
        shared().SizingType = "";
        Shell::instance().showChild(input_);
        findMeter();
        if (way == "cmdClose") click("cmdClose");
        else if (way == "title bar") Shell::instance().find(input_)->parentWidget()->close();
        else menuItem("mnuSizeGasSteam")->trigger();
        settle();
        EXPECT_EQ(std::tuple(S.SizingType, childForms()),
                  std::tuple(std::string(way == "mnuSizeGasSteam" ? "GAS" : ""), QStringList{"frmINTRO"}))
            << way;
    }
}

// Closing the program with a refused viscosity explains once, then ends it.
TEST_F(LiquidInput, ClosingWithARefusedViscosityExplainsOnce) {
    type("txtViscIn", "abc");
    parent->close();
    settle();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(std::tuple(messages[0].text, Shell::instance().loadedForms()),
              std::tuple(kInvalidViscosity, QStringList{}));
}

}  // namespace
}  // namespace quorin::test
