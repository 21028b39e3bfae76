// The liquid input screen: start-up, what each entry stores and runs, the
// density or specific-gravity choice, the viscosity kind, refused entries and
// the commands. The figures are the core's; a check here only shows that the
// right chain ran.
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
    // Types over the text of an editable list.
    void typeUnit(const char* name, const QString& text) {
        list(name)->setFocus(Qt::MouseFocusReason);
        list(name)->lineEdit()->selectAll();
        keys(text);
    }
};

// The empty customer box stands for the record's "Customer".
TEST_F(LiquidInput, StartsWithTheStartUpCase) {
    EXPECT_EQ(std::tuple(box("txtCustomerIn")->text(), S.CustomerIn), std::tuple("", std::string("Customer")));
    EXPECT_EQ(box("txtMediaIn")->text(), "WATER");
    EXPECT_EQ(focused(), "txtCustomerIn");
    for (const char* item : {"mnuSizeNorvane", "mnuSizeNorvaneSeparator"})
        EXPECT_EQ(menuItem(item)->isVisible(), kShowNorvane) << item;
}

// Enter in each box and list (an entry set as the arrow keys set it): what
// it stores, a sign its chain ran, where the focus goes. An editable list
// adds nothing on Enter.
TEST_F(LiquidInput, EnterInEachEntryStoresRunsItsChainAndMovesOn) {
    const struct { const char *control, *text, *next; bool (*check)(); } rows[] = {
        {"txtCustomerIn", "Acme", "txtTagNoIn", [] { return S.CustomerIn == "Acme"; }},
        {"txtMediaIn", "Brine", "txtMediaIn", [] { return S.MediaIn == "Brine"; }},
        {"txtFlowRateIn", "100", "cboFlowUnit", [] { return S.LqdFlowGpm == 100 && S.LqdVelFps < 2; }},
        {"txtPipeSizeIn", "4", "cboPipeUnit", [] { return S.PipeIdIn == 4 && S.LqdVelFps > 2; }},
        {"txtTempIn", "200", "cboTempUnit", [] { return S.TempDegF == 200 && S.TempDegC > 93; }},
        {"txtViscIn", "2", "cboViscUnit", [] { return S.ViscCp == 2 && S.LqdViscFt2s > 2e-5; }},
        {"cboFlowUnit", "m^3/Hr", "txtPipeSizeIn", [] { return S.LqdFlowGpm > 400; }},
        {"cboPipeUnit", "MILLIMETERS", "txtTempIn", [] { return S.PipeIdIn < 1; }},
        {"cboTempUnit", "deg C", "txtMediaIn", [] { return S.TempDegF == 392; }},
        {"cboViscUnit", "ssu", "cmdCalcFlow", [] { return S.LqdViscUnit == "ssu" && S.ViscCp < 1; }}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.control);
        if (r.control[0] == 't') type(r.control, r.text);
        else {
            list(r.control)->setFocus(Qt::MouseFocusReason);
            list(r.control)->setCurrentText(r.text);
        }
        enter(r.control);
        EXPECT_EQ(focused(), r.next);
        EXPECT_TRUE(r.check());
    }
    EXPECT_EQ(std::tuple(list("cboFlowUnit")->count(), list("cboViscUnit")->count()), std::tuple(13, 5));
    EXPECT_TRUE(messages.empty() && beeps == 0);
}

// A unit typed into an editable list is stored as typed, on leaving or on
// Enter, without completion; a unit picked from the list shows its kind's
// note and enables the density frame for a dynamic unit only.
TEST_F(LiquidInput, TypedUnitsAreKeptAsTypedAndAPickedOneShowsItsKind) {
    typeUnit("cboFlowUnit", "FP");
    enter(QApplication::focusWidget());
    EXPECT_EQ(S.LqdFlowUnit, "FP");  // not completed to "FPS"
    EXPECT_EQ(S.LqdFlowGpm, 500);    // not a liquid unit: nothing changes
    typeUnit("cboViscUnit", "ssu");
    enter(QApplication::focusWidget());
    EXPECT_EQ(S.LqdViscUnit, "ssu");
    EXPECT_EQ(note(), kDynamicNote);

    pick("cboViscUnit", "ssu");
    EXPECT_FALSE(frameEnabled());
    EXPECT_EQ(note(), lqdViscNote(ViscKind::Kinematic));
    pick("cboViscUnit", "centipoise");
    EXPECT_TRUE(frameEnabled());
}

// The density box and its unit give the specific gravity, the viscosity and
// a mass flow; the box takes digits and points only, and Enter does nothing.
// A specific gravity then gives the density in lbm/ft^3, which the density
// box and its unit show; "0." is a number still being typed.
TEST_F(LiquidInput, DensityOrSpecificGravityGiveTheOtherTheViscosityAndAMassFlow) {
    const double viscFt2s = S.LqdViscFt2s;  // at specific gravity 1
    click("optDens");
    EXPECT_EQ(std::tuple(focused(), box("txtSpecGravIn")->isEnabled()), std::tuple("txtDensityIn", false));
    keys("50");
    EXPECT_EQ(box("txtSpecGravIn")->text(), "0.801715");
    EXPECT_GT(S.LqdViscFt2s, viscFt2s);
    pick("cboDensUnit", "Kg/m^3");
    EXPECT_EQ(box("txtSpecGravIn")->text(), "0.05");
    pick("cboFlowUnit", "Kg/Hr");
    const float gpm = S.LqdFlowGpm;
    box("txtDensityIn")->setFocus(Qt::MouseFocusReason);
    keys("0a-e ");
    enter("txtDensityIn");
    EXPECT_EQ(std::tuple(box("txtDensityIn")->text(), focused()), std::tuple("500", "txtDensityIn"));
    EXPECT_NEAR(S.LqdFlowGpm, gpm / 10, gpm * 1e-6);

    click("optSpecGrav");
    EXPECT_FALSE(box("txtDensityIn")->isEnabled() || list("cboDensUnit")->isEnabled());
    EXPECT_EQ(std::tuple(focused(), box("txtSpecGravIn")->selectedText()),
              std::tuple("txtSpecGravIn", box("txtSpecGravIn")->text()));
    keys("0.8");
    EXPECT_EQ(std::tuple(box("txtDensityIn")->text(), list("cboDensUnit")->currentText(), S.LqdDensUnit),
              std::tuple("49.89304", "lbm/ft^3", std::string("lbm/ft^3")));
    EXPECT_NEAR(S.LqdViscFt2s, viscFt2s / 0.8, viscFt2s * 1e-6);
    QTest::keyClick(box("txtSpecGravIn"), Qt::Key_Backspace);
    EXPECT_EQ(box("txtDensityIn")->text(), "49.89304");
    EXPECT_EQ(Format(S.SpecGravity, "0.0000"), "0.8000");
}

// The viscosity follows each keystroke that leaves a number; leaving it or
// Enter with text that is no number, or none, explains and restores it. The
// other number boxes refuse such text with a beep and take empty text as 0.
TEST_F(LiquidInput, RefusedEntries) {
    type("txtViscIn", "3");
    EXPECT_EQ(S.ViscCp, 3);  // before leaving the box
    leave();
    type("txtViscIn", "3x");
    EXPECT_TRUE(messages.empty());
    leave();
    type("txtViscIn", "");
    enter("txtViscIn");
    EXPECT_EQ(focused(), "txtViscIn");
    EXPECT_EQ(box("txtViscIn")->text(), "3");
    EXPECT_EQ(S.LqdViscIn, 3);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, kInvalidViscosity);
    EXPECT_EQ(beeps, 0);

    type("txtFlowRateIn", "12abc");
    enter("txtFlowRateIn");
    EXPECT_EQ(std::tuple(focused(), box("txtFlowRateIn")->text()), std::tuple("txtFlowRateIn", "500"));
    EXPECT_EQ(std::tuple(S.LqdFlowRateIn, beeps), std::tuple(500.0f, 1));
    fill("txtTempIn", "");
    EXPECT_EQ(std::tuple(S.TempIn, S.TempDegF, messages.size()), std::tuple(0.0f, 0.0f, size_t(2)));
}

// The results open below the input screen and take the keyboard; they stay
// open while the user works in the input screen, and a second Find Meter,
// which commits the box being typed, builds them anew.
TEST_F(LiquidInput, FindMeterOpensTheResultsBesideTheInputScreen) {
    fill("txtViscIn", "1");
    findMeter();
    const auto windows = parent->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    ASSERT_EQ(windows.size(), 2);
    EXPECT_EQ(windows[0]->geometry().bottom() + 1, windows[1]->geometry().top());
    EXPECT_EQ(focused(), "frmLqdResults");
    parent->mdiArea()->setActiveSubWindow(windows[0]);
    settle();
    EXPECT_TRUE(Shell::instance().isLoaded(results_));

    type("txtFlowRateIn", "300");
    menuItem("mnuCalcFlow")->trigger();
    settle();
    EXPECT_EQ(std::tuple(childForms(), rows("lstErrorBox").size(), S.LqdFlowRateIn),
              std::tuple(QStringList{"frmLqdInput", "frmLqdResults"}, 2, 300.0f));
}

TEST_F(LiquidInput, SetDefaultsRestoresTheStartUpCase) {
    click("optDens");
    pick("cboViscUnit", "ssu");
    findMeter();
    closeResults();
    ASSERT_NE(S.MeterModel[33], "NONE");
    menuItem("mnuDefaults")->trigger();
    EXPECT_EQ(box("txtCustomerIn")->selectedText(), "Quorin Dynarel Inc.");
    EXPECT_EQ(list("cboViscUnit")->currentText(), "centipoise");
    // As at start-up: no density choice, the frame and note of a dynamic unit.
    EXPECT_FALSE(option("optDens")->isChecked() || option("optSpecGrav")->isChecked() ||
                 box("txtDensityIn")->isEnabled() || box("txtSpecGravIn")->isEnabled());
    EXPECT_EQ(std::tuple(frameEnabled(), note()), std::tuple(true, kDynamicNote));
    EXPECT_EQ(S.MeterModel[33], "NONE");
}

// The commands of the Tools and menu bar reach their windows; Size Gas/Steam
// Meter and Close land on the intro screen; Exit with the results open
// leaves no window and asks nothing.
TEST_F(LiquidInput, MenuCommandsCloseAndExit) {
    for (const char* item : {"mnuBackPressCalc", "mnuHelp", "mnuAbout"}) menuItem(item)->trigger();
    settle();
    EXPECT_EQ(modalsShown, (std::vector<QString>{"frmLqdBackPrsCalc", "frmHelp", "frmAbout"}));
    menuItem("mnuSizeGasSteam")->trigger();
    EXPECT_EQ(std::tuple(S.SizingType, childForms()), std::tuple(std::string("GAS"), QStringList{"frmINTRO"}));
    Shell::instance().showChild(input_);
    click("cmdClose");
    settle();
    EXPECT_EQ(childForms(), QStringList{"frmINTRO"});
    Shell::instance().showChild(input_);
    findMeter();
    menuItem("mnuExit")->trigger();
    settle();
    EXPECT_TRUE(Shell::instance().loadedForms().isEmpty() && messages.empty());
}

// Esc does nothing on this screen; closing the program with a refused
// viscosity explains once, then ends it.
TEST_F(LiquidInput, EscapeDoesNothingAndClosingWithARefusedViscosityExplainsOnce) {
    type("txtFlowRateIn", "300");
    QTest::keyClick(box("txtFlowRateIn"), Qt::Key_Escape);
    settle();
    EXPECT_EQ(std::tuple(childForms(), box("txtFlowRateIn")->text()), std::tuple(QStringList{"frmLqdInput"}, "300"));
    type("txtViscIn", "abc");
    parent->close();
    settle();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(std::tuple(messages[0].text, Shell::instance().loadedForms()), std::tuple(kInvalidViscosity, QStringList{}));
}

}  // namespace
}  // namespace quorin::test
