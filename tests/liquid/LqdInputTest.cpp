// The liquid input screen: start-up, what each entry stores and runs, the
// density or specific-gravity choice, the viscosity kind, refused entries and
// the commands.
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include <ostream>

#include "gas/InputRules.h"
#include "liquid/InputRules.h"
#include "shell/Controls.h"
#include "support/CoreFixture.h"
#include "support/FormTest.h"

namespace quorin::test {
namespace {

const QString kDynamicNote = lqdViscNote(ViscKind::Dynamic);
const QString kKinematicNote = lqdViscNote(ViscKind::Kinematic);
constexpr const char* kInvalidViscosity = "Invalid Viscosity Value.  Please enter a number.";
constexpr double kFt2sPerCst = 1.076391e-5;
const auto& S = shared();

class LiquidInput : public FormTest {
protected:
    LiquidInput() : FormTest("frmLqdInput", "frmLqdResults") {}

    QRadioButton* option(const char* name) const { return control<QRadioButton>(input_, name); }
    QGroupBox* frame() const { return control<QGroupBox>(input_, "fraMedia"); }
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
    // Density and specific gravity wait for the user's choice.
    void expectNoDensityChoice() const {
        EXPECT_FALSE(option("optDens")->isChecked() || option("optSpecGrav")->isChecked());
        EXPECT_FALSE(box("txtDensityIn")->isEnabled() || box("txtSpecGravIn")->isEnabled());
        EXPECT_FALSE(list("cboDensUnit")->isEnabled());
        EXPECT_TRUE(frame()->isEnabled());
        EXPECT_EQ(note(), kDynamicNote);
    }
};

TEST_F(LiquidInput, StartsWithTheStartUpCase) {
    const std::pair<const char*, const char*> boxes[] = {
        {"txtCustomerIn", ""},   {"txtTagNoIn", "Quorin Vortex Flow Meter"},
        {"txtMediaIn", "WATER"}, {"txtFlowRateIn", "500"}, {"txtPipeSizeIn", "6"}, {"txtTempIn", "70"},
        {"txtViscIn", "1.12"},   {"txtDensityIn", "62.3663"}, {"txtSpecGravIn", "1"}};
    for (const auto& [name, text] : boxes) EXPECT_EQ(box(name)->text(), text) << name;
    const struct { const char* name; const char* text; const std::vector<std::string>& entries; bool editable; } lists[] = {
        {"cboFlowUnit", "GPM", lqdFlowUnits(), true},      {"cboPipeUnit", "INCHES", pipeUnits(), false},
        {"cboTempUnit", "deg F", tempUnits(), false},      {"cboViscUnit", "centipoise", lqdViscUnits(), true},
        {"cboDensUnit", "lbm/ft^3", lqdDensUnits(), false}};
    for (const auto& l : lists) {
        SCOPED_TRACE(l.name);
        EXPECT_EQ(list(l.name)->currentText(), l.text);
        EXPECT_EQ(entries(l.name), qtList(l.entries));
        EXPECT_EQ(list(l.name)->isEditable(), l.editable);
    }
    expectNoDensityChoice();
    EXPECT_EQ(focused(), "txtCustomerIn");
    EXPECT_EQ(menuBarText(), "File|Tools|Help|About");
    // The empty customer box stands for the record's "Customer"; the
    // conversions have run.
    EXPECT_EQ(S.CustomerIn, "Customer");
    EXPECT_EQ(Format(S.LqdVelFps, "0.00"), "5.67");
    EXPECT_TRUE(near(S.LqdViscFt2s, 1.12 * kFt2sPerCst, 1e-6));
}

struct LiquidEnterCase {
    const char* box;
    const char* text;
    const char* next;  // focus after Enter
    std::function<bool()> check;
};

std::ostream& operator<<(std::ostream& os, const LiquidEnterCase& c) { return os << c.box; }

class EnterInEachLiquidBox : public LiquidInput, public ::testing::WithParamInterface<LiquidEnterCase> {};

TEST_P(EnterInEachLiquidBox, StoresRunsItsChainAndMovesOn) {
    const LiquidEnterCase& c = GetParam();
    type(c.box, c.text);
    enter(c.box);
    EXPECT_EQ(focused(), c.next);
    EXPECT_TRUE(c.check());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(beeps, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EnterInEachLiquidBox,
    ::testing::Values(
        LiquidEnterCase{"txtCustomerIn", "Acme", "txtTagNoIn", [] { return S.CustomerIn == "Acme"; }},
        LiquidEnterCase{"txtTagNoIn", "FT-7", "txtFlowRateIn", [] { return S.TagNoIn == "FT-7"; }},
        LiquidEnterCase{"txtMediaIn", "Brine", "txtMediaIn", [] { return S.MediaIn == "Brine"; }},
        LiquidEnterCase{"txtFlowRateIn", "100", "cboFlowUnit",
                        [] { return S.LqdFlowGpm == 100 && Format(S.LqdVelFps, "0.00") == "1.13"; }},
        LiquidEnterCase{"txtPipeSizeIn", "4", "cboPipeUnit",
                        [] { return S.PipeIdIn == 4 && Format(S.LqdVelFps, "0.00") == "12.77"; }},
        LiquidEnterCase{"txtTempIn", "200", "cboTempUnit",
                        [] { return S.TempDegF == 200 && Format(S.TempDegC, "0.00") == "93.33"; }},
        LiquidEnterCase{"txtViscIn", "2", "cboViscUnit",
                        [] { return S.ViscCp == 2 && near(S.LqdViscFt2s, 2 * kFt2sPerCst, 1e-6); }}),
    [](const auto& info) { return std::string(info.param.box); });

TEST_F(LiquidInput, EnterInTheListsMovesOn) {
    const std::pair<const char*, const char*> hops[] = {
        {"cboFlowUnit", "txtPipeSizeIn"}, {"cboPipeUnit", "txtTempIn"},
        {"cboTempUnit", "txtMediaIn"}, {"cboViscUnit", "cmdCalcFlow"}};
    for (const auto& [from, to] : hops) {
        list(from)->setFocus(Qt::MouseFocusReason);
        enter(from);
        EXPECT_EQ(focused(), to) << from;
    }
    EXPECT_EQ(list("cboFlowUnit")->count(), 13);  // Enter in an editable list adds nothing
}

TEST_F(LiquidInput, PickingUnitsRunsTheirChains) {
    pick("cboFlowUnit", "m^3/Hr");
    EXPECT_EQ(S.LqdFlowUnit, "m^3/Hr");
    EXPECT_EQ(Format(S.LqdFlowGpm, "0.0"), "2201.4");
    pick("cboPipeUnit", "MILLIMETERS");
    EXPECT_EQ(Format(S.PipeIdIn, "0.0000"), "0.2362");
    pick("cboTempUnit", "deg C");
    EXPECT_EQ(S.TempDegF, 158);
}

// A unit typed into an editable list is stored as typed, on leaving or on
// Enter, without completion; only a unit picked from the list changes the
// viscosity note.
TEST_F(LiquidInput, UnitsTypedIntoTheEditableListsAreKeptAsTyped) {
    typeUnit("cboFlowUnit", "NM^3/HR");
    leave();
    EXPECT_EQ(S.LqdFlowUnit, "NM^3/HR");
    EXPECT_EQ(S.LqdFlowGpm, 500);  // not a liquid unit: nothing changes

    typeUnit("cboFlowUnit", "FP");
    enter(QApplication::focusWidget());
    EXPECT_EQ(S.LqdFlowUnit, "FP");  // not completed to "FPS"
    EXPECT_EQ(S.LqdFlowGpm, 500);
    EXPECT_EQ(focused(), "txtPipeSizeIn");

    typeUnit("cboViscUnit", "ssu");
    enter(QApplication::focusWidget());
    EXPECT_EQ(S.LqdViscUnit, "ssu");
    EXPECT_TRUE(near(S.ViscCp, 1.12 / 4.635, 1e-6));
    EXPECT_EQ(note(), kDynamicNote);
    EXPECT_EQ(list("cboViscUnit")->count(), 5);
}

// The kind of each unit is the core's; a pick shows the kind's note and
// enables the density frame for a dynamic unit only.
TEST_F(LiquidInput, ViscosityKindSetsTheNoteAndTheDensityFrame) {
    pick("cboViscUnit", "ssu");
    EXPECT_FALSE(frame()->isEnabled());
    EXPECT_EQ(note(), kKinematicNote);
    EXPECT_EQ(S.LqdViscUnit, "ssu");
    EXPECT_TRUE(near(S.ViscCp, 1.12 / 4.635, 1e-6));
    pick("cboViscUnit", "centipoise");
    EXPECT_TRUE(frame()->isEnabled());
    EXPECT_EQ(note(), kDynamicNote);
    EXPECT_EQ(S.ViscCp, 1.12);
}

TEST_F(LiquidInput, SpecificGravityGivesTheDensityInPoundsPerCubicFoot) {
    click("optSpecGrav");
    EXPECT_TRUE(box("txtSpecGravIn")->isEnabled());
    EXPECT_FALSE(box("txtDensityIn")->isEnabled() || list("cboDensUnit")->isEnabled());
    EXPECT_EQ(focused(), "txtSpecGravIn");
    EXPECT_EQ(box("txtSpecGravIn")->selectedText(), "1");

    // From a density in another unit.
    click("optDens");
    pick("cboDensUnit", "Kg/m^3");
    click("optSpecGrav");
    EXPECT_EQ(focused(), "txtSpecGravIn");
    keys("0.8");
    EXPECT_EQ(box("txtDensityIn")->text(), "49.89304");
    EXPECT_EQ(list("cboDensUnit")->currentText(), "lbm/ft^3");
    EXPECT_EQ(S.LqdDensUnit, "lbm/ft^3");
    EXPECT_EQ(Format(S.SpecGravity, "0.0000"), "0.8000");
    EXPECT_EQ(Format(S.DensityLbFt3, "0.00"), "49.89");
    // The kinematic viscosity follows the new specific gravity.
    EXPECT_TRUE(near(S.LqdViscFt2s, 1.12 / 0.8 * kFt2sPerCst, 1e-6));

    // "0." is a number still being typed: nothing changes.
    QTest::keyClick(box("txtSpecGravIn"), Qt::Key_Backspace);
    EXPECT_EQ(box("txtSpecGravIn")->text(), "0.");
    EXPECT_EQ(box("txtDensityIn")->text(), "49.89304");
    EXPECT_EQ(Format(S.SpecGravity, "0.0000"), "0.8000");
}

TEST_F(LiquidInput, DensityUpdatesTheSpecificGravityTheViscosityAndAMassFlow) {
    click("optDens");
    EXPECT_TRUE(box("txtDensityIn")->isEnabled() && list("cboDensUnit")->isEnabled());
    EXPECT_FALSE(box("txtSpecGravIn")->isEnabled());
    EXPECT_EQ(focused(), "txtDensityIn");
    keys("50");
    EXPECT_EQ(S.LqdDensityIn, 50);
    EXPECT_EQ(box("txtSpecGravIn")->text(), "0.801715");
    EXPECT_TRUE(near(S.LqdViscFt2s, 1.12 / (50 / 62.3663) * kFt2sPerCst, 1e-6));

    pick("cboDensUnit", "Kg/m^3");
    EXPECT_EQ(box("txtSpecGravIn")->text(), "0.05");
    EXPECT_TRUE(near(S.DensityLbFt3, 50 * 0.062428, 1e-9));

    // A mass flow follows the density.
    pick("cboFlowUnit", "Kg/Hr");
    const float gpm = S.LqdFlowGpm;
    box("txtDensityIn")->setFocus(Qt::MouseFocusReason);
    keys("0");
    EXPECT_EQ(S.LqdDensityIn, 500);
    EXPECT_TRUE(near(S.LqdFlowGpm, gpm / 10, 1e-6));

    // The density and specific-gravity boxes take digits and points only.
    keys("a-e ");
    enter("txtDensityIn");
    EXPECT_EQ(box("txtDensityIn")->text(), "500");
    EXPECT_EQ(focused(), "txtDensityIn");
    EXPECT_EQ(S.LqdDensityIn, 500);
    click("optSpecGrav");
    keys("x1.1");
    EXPECT_EQ(box("txtSpecGravIn")->text(), "1.1");
    EXPECT_TRUE(messages.empty());
}

TEST_F(LiquidInput, ViscosityFollowsTypingAndRefusesWhatIsNoNumber) {
    type("txtViscIn", "3");
    EXPECT_EQ(S.ViscCp, 3);  // before leaving the box
    leave();
    type("txtViscIn", "3x");  // while typing, a non-number is ignored
    EXPECT_EQ(S.ViscCp, 3);
    EXPECT_TRUE(messages.empty());
    leave();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kInvalidViscosity);
    EXPECT_EQ(box("txtViscIn")->text(), "3");
    EXPECT_EQ(S.LqdViscIn, 3);

    type("txtViscIn", "");
    enter("txtViscIn");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text, kInvalidViscosity);
    EXPECT_EQ(focused(), "txtViscIn");
    EXPECT_EQ(box("txtViscIn")->text(), "3");
    EXPECT_EQ(beeps, 0);
}

TEST_F(LiquidInput, ANumberBoxRefusesTextThatIsNoNumberAndTakesEmptyAsZero) {
    for (const char* name : {"txtFlowRateIn", "txtPipeSizeIn", "txtTempIn"}) {
        SCOPED_TRACE(name);
        const QString before = box(name)->text();
        const SharedState was = S;
        type(name, "12abc");
        enter(name);
        EXPECT_EQ(focused(), name);
        EXPECT_EQ(box(name)->text(), before);
        EXPECT_EQ(std::tuple(S.LqdFlowRateIn, S.PipeSizeIn, S.TempIn),
                  std::tuple(was.LqdFlowRateIn, was.PipeSizeIn, was.TempIn));
    }
    EXPECT_EQ(beeps, 3);
    EXPECT_TRUE(messages.empty());
    fill("txtTempIn", "");
    EXPECT_EQ(std::tuple(S.TempIn, S.TempDegF), std::tuple(0.0f, 0.0f));
}

TEST_F(LiquidInput, FindMeterOpensTheResultsBesideTheInputScreen) {
    fill("txtViscIn", "1");
    findMeter();
    EXPECT_EQ(childForms(), (QStringList{"frmLqdInput", "frmLqdResults"}));
    EXPECT_EQ(rows("lstMeter"), QStringList{"QNL"});
    EXPECT_EQ(rows("lstFlowLow"), QStringList{"157.0"});
    EXPECT_EQ(rows("lstFlowHi"), QStringList{"1586.0"});
    // The two windows share the parent, one above the other.
    const auto windows = parent->mdiArea()->subWindowList(QMdiArea::CreationOrder);
    ASSERT_EQ(windows.size(), 2);
    EXPECT_EQ(windows[0]->geometry().bottom() + 1, windows[1]->geometry().top());

    // The results take the keyboard; working in the input screen leaves them open.
    EXPECT_EQ(focused(), "frmLqdResults");
    parent->mdiArea()->setActiveSubWindow(windows[0]);
    settle();
    EXPECT_TRUE(Shell::instance().isLoaded(results_));

    // A second Find Meter shows the new selection, with the typed flow committed.
    type("txtFlowRateIn", "300");
    findMeter();
    EXPECT_EQ(childForms(), (QStringList{"frmLqdInput", "frmLqdResults"}));
    EXPECT_EQ(rows("lstErrorBox").size(), 2);
    EXPECT_EQ(S.LqdFlowRateIn, 300);
}

TEST_F(LiquidInput, MenuCommandCommitsTheBoxBeingTyped) {
    fill("txtPipeSizeIn", "1.049");
    fill("txtViscIn", "1");
    type("txtFlowRateIn", "20");
    menuItem("mnuCalcFlow")->trigger();
    settle();
    EXPECT_EQ(rows("lstMeter"), QStringList{"QWL10"});
    EXPECT_EQ(rows("lstFlowLow"), QStringList{"4.46"});
}

TEST_F(LiquidInput, SetDefaultsRestoresTheStartUpCase) {
    click("optDens");
    ASSERT_TRUE(option("optDens")->isChecked());
    pick("cboViscUnit", "ssu");
    fill("txtFlowRateIn", "300");
    findMeter();
    ASSERT_EQ(S.MeterModel[33], "QNL");
    closeResults();
    menuItem("mnuDefaults")->trigger();
    settle();
    EXPECT_EQ(box("txtCustomerIn")->text(), "Quorin Dynarel Inc.");
    EXPECT_EQ(box("txtCustomerIn")->selectedText(), "Quorin Dynarel Inc.");
    EXPECT_EQ(S.CustomerIn, "Quorin Dynarel Inc.");
    EXPECT_EQ(box("txtFlowRateIn")->text(), "500");
    EXPECT_EQ(S.LqdFlowGpm, 500);
    EXPECT_EQ(list("cboViscUnit")->currentText(), "centipoise");
    expectNoDensityChoice();
    for (int slot = 25; slot <= 40; ++slot) {
        EXPECT_EQ(S.MeterModel[slot], "NONE") << slot;
        EXPECT_EQ(S.MinFlowUser[slot - 1] + S.MaxFlowUser[slot - 1] + S.RangeMinVelFps[slot - 1], 0) << slot;
    }
}

// The averaging-tube items follow the build option (a hidden item also
// reports itself disabled).
TEST_F(LiquidInput, Menus) {
    const QString norvane = kShowNorvane ? "enabled|shown" : "disabled|hidden";
    EXPECT_EQ(menuRows(), (QStringList{
                              "mnuFile|File||enabled|shown",
                              "mnuOpenFile|Open||enabled|shown",
                              "mnuSaveFile|Save|Ctrl+S|enabled|shown",
                              "mnuCalcFlow|Calculate Flow||enabled|shown",
                              "|-||enabled|shown",
                              "mnuClose|Close|Ctrl+C|enabled|shown",
                              "|-||enabled|shown",
                              "mnuExit|Exit|Ctrl+X|enabled|shown",
                              "mnuTools|Tools||enabled|shown",
                              "mnuSizeGasSteam|Size Gas/Steam Meter||enabled|shown",
                              "|-||enabled|shown",
                              "mnuSizeNorvane|Size Norvane||" + norvane,
                              "mnuSizeNorvaneSeparator|-||" + norvane,
                              "mnuStdMtrRng|Liquid Meter Standard Ranges||enabled|shown",
                              "|-||enabled|shown",
                              "mnuDefaults|Set Defaults||enabled|shown",
                              "|-||enabled|shown",
                              "mnuBackPressCalc|Back Pressure Calculation||enabled|shown",
                              "mnuHelp|Help||enabled|shown",
                              "mnuAbout|About||enabled|shown",
                          }));
    for (const char* item : {"mnuBackPressCalc", "mnuHelp", "mnuAbout"}) menuItem(item)->trigger();
    settle();
    EXPECT_EQ(modalsShown, (std::vector<QString>{"frmLqdBackPrsCalc", "frmHelp", "frmAbout"}));
    EXPECT_EQ(Shell::instance().loadedForms(), QStringList{"frmLqdInput"});
}

// Size Gas/Steam Meter and Close land on the intro screen; Exit with the
// results open leaves no window and asks nothing.
TEST_F(LiquidInput, CloseSizeGasSteamAndExit) {
    menuItem("mnuSizeGasSteam")->trigger();
    settle();
    EXPECT_EQ(S.SizingType, "GAS");
    EXPECT_EQ(childForms(), QStringList{"frmINTRO"});
    Shell::instance().unload("frmINTRO");
    Shell::instance().showChild(input_);
    settle();
    click("cmdClose");
    settle();
    EXPECT_EQ(childForms(), QStringList{"frmINTRO"});
    EXPECT_EQ(S.SizingType, "GAS");

    Shell::instance().showChild(input_);
    settle();
    findMeter();
    menuItem("mnuExit")->trigger();
    settle();
    EXPECT_TRUE(Shell::instance().loadedForms().isEmpty());
    EXPECT_TRUE(parent->mdiArea()->subWindowList().isEmpty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(LiquidInput, EscapeKeepsTheScreenAndTheCase) {
    type("txtFlowRateIn", "300");
    QTest::keyClick(box("txtFlowRateIn"), Qt::Key_Escape);
    settle();
    EXPECT_EQ(childForms(), QStringList{"frmLqdInput"});
    EXPECT_EQ(box("txtFlowRateIn")->text(), "300");
}

TEST_F(LiquidInput, ClosingTheProgramWithARefusedViscosityExplainsOnceThenEnds) {
    type("txtViscIn", "abc");
    parent->close();
    settle();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kInvalidViscosity);
    EXPECT_TRUE(Shell::instance().loadedForms().isEmpty());
    EXPECT_FALSE(parent->isVisible());
}

}  // namespace
}  // namespace quorin::test
