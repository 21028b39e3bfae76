// The gas/steam input screen: start-up, what each entry stores and runs, the
// pressure check, refused entries, and the commands.
#include <QClipboard>
#include <QLabel>

#include <ostream>

#include "gas/InputRules.h"
#include "shell/Controls.h"
#include "shell/FieldEvents.h"
#include "support/FormTest.h"

namespace quorin::test {
namespace {

class InputScreen : public FormTest {
protected:
    InputScreen() : FormTest("frmInputScrn", "frmResults") {}
};

const char* const kInvalidPressure =
    "Error:  Invalid Pressure Value!\nPressure must be > 10 PSIA (0.69 BAR A).\n\n"
    "Please note you entered a vacuum value for pressure.";
const char* const kVacuumNote =
    "Please note:  You entered an operating pressure below the atmospheric pressure (vacuum "
    "conditions).";

TEST_F(InputScreen, StartsWithTheStartUpCase) {
    const std::pair<const char*, const char*> boxes[] = {
        {"txtCustomerIn", "Quorin Dynarel Inc."}, {"txtTagNoIn", "Quorin Vortex Flow Meter"},
        {"txtFlowRateIn", "1600"}, {"txtPipeSizeIn", "6"}, {"txtPressIn", "0"}, {"txtTempIn", "70"},
        {"txtAtmoPressIn", "14.696"}, {"txtPressRefIn", "14.696"}, {"txtTempRefIn", "60"},
        {"cboFlowUnitIn", "ACFM"}, {"cboPipeUnitIn", "INCHES"}, {"cboPressUnitIn", "PSIG"},
        {"cboTempUnitIn", "deg F"}, {"cboAtmoPressUnitIn", "PSIA"}, {"cboMediaIn", "AIR"},
        {"cboPressRefUnitIn", "PSIA"}, {"cboTempRefUnitIn", "deg F"}};
    for (const auto& [name, text] : boxes)
        EXPECT_EQ(name[0] == 't' ? box(name)->text() : list(name)->currentText(), text) << name;
    EXPECT_EQ(list("cboMediaIn")->count(), 33);
    EXPECT_FALSE(control<QLabel>(input_, "lblOther")->isVisible());
    EXPECT_EQ(Format(shared().ViscCp, "0.00000"), "0.01813");  // the start-up air constants
    EXPECT_EQ(shared().FlowAcfm, 1600);
    EXPECT_EQ(focused(), "txtCustomerIn");
    EXPECT_EQ(menuBarText(), "File|Tools|Help|About");

    pick("cboMediaIn", "AIR");
    EXPECT_EQ(Format(shared().ViscCp, "0.00000"), "0.01781");
}

// Typing and Enter, or picking an entry and Enter, in each box and list of the
// start-up case (1600 ACFM, 6 in, 0 PSIG, 70 deg F, 14.696 PSIA, air,
// reference 14.696 PSIA and 60 deg F): what it stores and runs, where the
// focus goes.
struct EnterCase {
    const char* control;
    const char* text;  // typed, or the list entry
    const char* next;  // focus after Enter
    std::function<bool()> check;
};

std::ostream& operator<<(std::ostream& os, const EnterCase& c) { return os << c.control; }

class EnterInEach : public InputScreen, public ::testing::WithParamInterface<EnterCase> {};

// A list entry is set as the arrow keys set it, without the list's click.
// The focus leaving the list commits too, so the move is made inside a
// command scope, where it commits nothing: what is checked is Enter's commit.
TEST_P(EnterInEach, StoresRunsItsChainAndMovesOn) {
    const EnterCase& c = GetParam();
    if (QComboBox* l = c.control[0] == 'c' ? list(c.control) : nullptr) {
        l->setFocus(Qt::MouseFocusReason);
        l->setCurrentIndex(l->findText(c.text));
        ASSERT_EQ(l->currentText(), c.text);
        CommandScope quiet;
        enter(l);
    } else {
        type(c.control, c.text);
        enter(c.control);
    }
    EXPECT_EQ(focused(), c.next);
    EXPECT_TRUE(c.check());
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(modalsShown.empty());
}

const auto& S = shared();

INSTANTIATE_TEST_SUITE_P(
    Table, EnterInEach,
    ::testing::Values(
        EnterCase{"txtCustomerIn", "Acme", "txtTagNoIn", [] { return S.CustomerIn == "Acme"; }},
        EnterCase{"txtTagNoIn", "FT-101", "txtFlowRateIn", [] { return S.TagNoIn == "FT-101"; }},
        EnterCase{"txtFlowRateIn", "800", "txtFlowRateIn", [] { return S.FlowAcfm == 800; }},
        EnterCase{"txtPipeSizeIn", "4", "cboPipeUnitIn",
                  [] { return Format(S.PipeAreaSqFt, "0.00000") == "0.08727"; }},
        EnterCase{"txtPressIn", "100", "cboPressUnitIn",
                  [] { return Format(S.DensityLbFt3, "0.00000") == "0.58449"; }},
        EnterCase{"txtTempIn", "200", "cboTempUnitIn",
                  [] { return S.TempDegR == 659.67f && Format(S.DensityLbFt3, "0.0000") == "0.0601"; }},
        EnterCase{"txtAtmoPressIn", "14", "cboAtmoPressUnitIn",
                  [] { return S.PressPsia == 14 && S.DensityLbFt3 < 0.0715; }},
        EnterCase{"txtPressRefIn", "14.7", "cboPressRefUnitIn", [] { return S.PressRefPsia == 14.7f; }},
        EnterCase{"txtTempRefIn", "32", "cboTempRefUnitIn", [] { return S.TempRefDegR == 491.67f; }},
        EnterCase{"cboFlowUnitIn", "LPM", "txtPipeSizeIn",
                  [] { return S.FlowUnitIn == "LPM" && Format(S.FlowAcfm, "0.00") == "56.51"; }},
        EnterCase{"cboPipeUnitIn", "MILLIMETERS", "txtPressIn",
                  [] { return S.PipeIdMm == 6.0f && Format(S.PipeIdIn, "0.0000") == "0.2362"; }},
        // Enter takes the unit only: 0 stays 0 PSIA (a click would lift it).
        EnterCase{"cboPressUnitIn", "PSIA", "txtTempIn",
                  [] { return S.PressPsia == 0 && S.PressIn == 0 && S.DensityLbFt3 == 0; }},
        EnterCase{"cboTempUnitIn", "deg C", "txtAtmoPressIn",
                  [] { return S.TempDegF == 158.0f && Format(S.DensityLbFt3, "0.00000") == "0.06422"; }},
        EnterCase{"cboAtmoPressUnitIn", "BAR A", "cboMediaIn",
                  [] { return Format(S.AtmoPressPsia, "0.00") == "213.15" && S.PressPsia == S.AtmoPressPsia; }},
        EnterCase{"cboMediaIn", "ARGON", "cmdCalcFlow",
                  [] { return S.MediaIn == "ARGON" && S.SpecGravity == 1.379f && S.ViscCoefA == 4.1731f; }},
        EnterCase{"cboPressRefUnitIn", "BAR A", "txtTempRefIn",
                  [] { return S.PressRefUnitIn == "BAR A" && Format(S.PressRefPsia, "0.00") == "213.15"; }},
        EnterCase{"cboTempRefUnitIn", "deg C", "txtCustomerIn",
                  [] { return S.TempRefDegF == 140.0f && S.TempRefDegR == 599.67f; }}),
    [](const auto& info) { return std::string(info.param.control); });

struct PressureCheckCase {
    const char* name;
    const char* unit;
    const char* typed;
    bool enter;  // else the focus leaves the box
    const char* boxAfter;
    const char* message;  // nullptr: none
};

std::ostream& operator<<(std::ostream& os, const PressureCheckCase& c) { return os << c.name; }

class PressureCheck : public InputScreen, public ::testing::WithParamInterface<PressureCheckCase> {};

TEST_P(PressureCheck, ResetsOrWarnsAndTheDensityFollows) {
    const PressureCheckCase& c = GetParam();
    pick("cboPressUnitIn", c.unit);
    messages.clear();
    type("txtPressIn", c.typed);
    if (c.enter) enter("txtPressIn");
    else leave();
    EXPECT_EQ(box("txtPressIn")->text(), c.boxAfter);
    ASSERT_EQ(messages.size(), c.message ? 1u : 0u);
    if (c.message) {
        EXPECT_EQ(messages[0].text, c.message);
        EXPECT_EQ(messages[0].icon, c.message == kInvalidPressure ? MsgIcon::Exclamation : MsgIcon::None);
    }
    EXPECT_EQ(General(S.PressIn), std::string(c.boxAfter));
    EXPECT_DOUBLE_EQ(S.DensityLbFt3, double(S.PressPsia) / (double(S.TempDegR) * 0.370484));
}

// What the screen does with each outcome of the check (the boundaries and
// the reset text of every unit are the core's): Enter on a low pressure
// resets the box without a message; the gauge entry is checked as the
// absolute pressure it gives.
INSTANTIATE_TEST_SUITE_P(
    Cases, PressureCheck,
    ::testing::Values(
        PressureCheckCase{"FivePsia", "PSIA", "5", false, "14.696", kInvalidPressure},
        PressureCheckCase{"FivePsiaByEnter", "PSIA", "5", true, "14.696", nullptr},
        PressureCheckCase{"MinusFivePsig", "PSIG", "-5", false, "0", kInvalidPressure},
        PressureCheckCase{"FivePsig", "PSIG", "5", false, "5", nullptr},
        PressureCheckCase{"TwelvePsia", "PSIA", "12", false, "12", kVacuumNote}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InputScreen, PickingAnAbsoluteUnitLiftsALowValue) {
    pick("cboPressUnitIn", "PSIA");
    EXPECT_EQ(box("txtPressIn")->text(), "14.696");
    EXPECT_EQ(S.PressPsia, 14.696f);
    pick("cboPressUnitIn", "BAR A");
    EXPECT_EQ(box("txtPressIn")->text(), "14.696");  // 14.696 bar is not below 0.69
    type("txtPressIn", "0.5");
    enter("txtPressIn");  // the box keeps 0.5 on Enter for BAR A
    messages.clear();
    pick("cboPressUnitIn", "BAR A");
    EXPECT_EQ(box("txtPressIn")->text(), "1");
    EXPECT_EQ(S.PressPsia, 14.5039f);
}

TEST_F(InputScreen, AtmosphereEditGivesANewDensity) {
    fill("txtPressIn", "100");
    const double before = S.DensityLbFt3;
    fill("txtAtmoPressIn", "12");
    EXPECT_EQ(S.PressPsia, 112.0f);
    EXPECT_LT(S.DensityLbFt3, before);
    EXPECT_DOUBLE_EQ(S.DensityLbFt3, 112.0 / (double(S.TempDegR) * 0.370484));
}

TEST_F(InputScreen, NormalCubicMetresSetTheNormalReference) {
    fill("txtPressRefIn", "15");
    fill("txtTempRefIn", "50");
    pick("cboFlowUnitIn", "Nm^3/Hr");
    EXPECT_EQ(box("txtPressRefIn")->text(), "14.696");
    EXPECT_EQ(list("cboPressRefUnitIn")->currentText(), "PSIA");
    EXPECT_EQ(box("txtTempRefIn")->text(), "32");
    EXPECT_EQ(list("cboTempRefUnitIn")->currentText(), "deg F");
    EXPECT_EQ(S.TempRefDegR, 491.67f);
    pick("cboFlowUnitIn", "SCFM");
    EXPECT_EQ(box("txtPressRefIn")->text(), "14.696");
    EXPECT_EQ(box("txtTempRefIn")->text(), "32");
}

TEST_F(InputScreen, TextThatIsNoNumberIsRefusedAndEmptyIsZero) {
    const std::pair<const char*, const char*> refused[] = {
        {"txtFlowRateIn", "abc"}, {"txtPipeSizeIn", "1.2.3"}, {"txtPressIn", "1e400"}, {"txtTempRefIn", "12x"}};
    int expectedBeeps = 0;
    for (const auto& [name, typed] : refused) {
        SCOPED_TRACE(name);
        const QString before = box(name)->text();
        const SharedState was = S;
        fill(name, typed);
        EXPECT_EQ(box(name)->text(), before);
        EXPECT_EQ(beeps, ++expectedBeeps);
        EXPECT_EQ(std::tuple(S.FlowRateIn, S.PressIn, S.PipeSizeIn, S.TempRefIn, S.FlowAcfm, S.DensityLbFt3),
                  std::tuple(was.FlowRateIn, was.PressIn, was.PipeSizeIn, was.TempRefIn, was.FlowAcfm,
                             was.DensityLbFt3));
    }
    fill("txtFlowRateIn", "");
    EXPECT_EQ(std::tuple(S.FlowRateIn, S.FlowAcfm), std::tuple(0.0f, 0.0f));
    EXPECT_EQ(beeps, expectedBeeps);
    EXPECT_TRUE(messages.empty());
}

// A refused Enter on a vacuum pressure neither moves on nor runs the check.
TEST_F(InputScreen, ARefusedEnterKeepsTheFocusAndShowsNothing) {
    pick("cboPressUnitIn", "PSIA");
    fill("txtPressIn", "12");
    messages.clear();
    type("txtPressIn", "x12");
    enter("txtPressIn");
    EXPECT_EQ(focused(), "txtPressIn");
    EXPECT_EQ(box("txtPressIn")->text(), "12");
    EXPECT_EQ(beeps, 1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(InputScreen, SetDefaultsRestoresTheStartUpCase) {
    pick("cboMediaIn", "ARGON");
    fill("txtFlowRateIn", "5");
    shared().FlowRangeFlag = 1;
    menuItem("mnuDefaultValues")->trigger();
    EXPECT_EQ(box("txtFlowRateIn")->text(), "1600");
    EXPECT_EQ(list("cboMediaIn")->currentText(), "AIR");
    EXPECT_EQ(S.ViscCoefA, 3.07f);
    EXPECT_EQ(Format(S.ViscCp, "0.00000"), "0.01813");
    EXPECT_EQ(S.FlowRangeFlag, 0);
}

// A command commits the box being typed first: from the menu, by the access
// key (which presses the button without moving the focus), or by Enter on
// the button the media list's Enter moves to.
TEST_F(InputScreen, EveryWayOfFindingTheMeterSizesWhatWasTyped) {
    for (const char* way : {"mnuCalcFlow", "Alt+F", "Enter"}) {
        SCOPED_TRACE(way);
        fill("txtPipeSizeIn", "2.067");
        type("txtFlowRateIn", "100");
        if (way[0] == 'm') menuItem(way)->trigger();
        if (way[0] == 'A') {
            ASSERT_EQ(control<QPushButton>(input_, "cmdCalcFlow")->shortcut(), QKeySequence(way));
            control<QPushButton>(input_, "cmdCalcFlow")->click();
        }
        if (way[0] == 'E') {
            list("cboMediaIn")->setFocus(Qt::MouseFocusReason);
            enter("cboMediaIn");
            ASSERT_EQ(focused(), "cmdCalcFlow");
            enter("cmdCalcFlow");
        }
        settle();
        EXPECT_EQ(S.FlowRateIn, 100);
        EXPECT_EQ(rows("lstMeter"), QStringList{"QWG20"});
        closeResults();
    }
}

// A vacuum pressure being typed is committed once, with its note, whether a
// command, Close or Esc (after the focus left the box) follows.
TEST_F(InputScreen, TheVacuumNoteComesOnceWhateverEndsTheEntry) {
    for (const char* way : {"mnuClose", "Esc", "mnuCalcFlow"}) {
        SCOPED_TRACE(way);
        if (!Shell::instance().isLoaded(input_)) {
            Shell::instance().unload("frmINTRO");
            Shell::instance().showChild(input_);
            settle();
        }
        pick("cboPressUnitIn", "PSIA");
        messages.clear();
        type("txtPressIn", "12");
        if (way[0] == 'E') {
            list("cboTempUnitIn")->setFocus(Qt::MouseFocusReason);  // the check runs here
            ASSERT_EQ(messages.size(), 1u);
            QTest::keyClick(list("cboTempUnitIn"), Qt::Key_Escape);
        } else {
            menuItem(way)->trigger();
        }
        settle();
        if (way == std::string("mnuCalcFlow")) {
            ASSERT_TRUE(Shell::instance().isLoaded(results_));
            closeResults();
        } else {
            EXPECT_EQ(childForms(), QStringList{"frmINTRO"});
        }
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, kVacuumNote);
        EXPECT_EQ(S.PressPsia, 12.0f);
    }
}

// Size Liquid Meter and Close land on the intro screen; Exit with several
// windows open leaves none and asks nothing.
TEST_F(InputScreen, CloseSizeLiquidAndExit) {
    menuItem("mnuSizeLiquid")->trigger();
    settle();
    EXPECT_EQ(S.SizingType, "LIQUID");
    EXPECT_EQ(childForms(), QStringList{"frmINTRO"});
    Shell::instance().unload("frmINTRO");
    Shell::instance().showChild(input_);
    settle();
    control<QPushButton>(input_, "cmdClose")->click();
    settle();
    EXPECT_EQ(childForms(), QStringList{"frmINTRO"});
    EXPECT_EQ(S.SizingType, "LIQUID");  // Close leaves the choice alone

    Shell::instance().showChild(input_);
    settle();
    findMeter();
    ASSERT_EQ(childForms(), (QStringList{"frmINTRO", "frmInputScrn", "frmResults"}));
    menuItem("mnuExit")->trigger();
    settle();
    EXPECT_TRUE(Shell::instance().loadedForms().isEmpty());
    EXPECT_TRUE(parent->mdiArea()->subWindowList().isEmpty());
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(parent->isVisible());
}

// Ctrl+C and Ctrl+X belong to a text box that has the focus; elsewhere they
// are the Close and Exit shortcuts.
TEST_F(InputScreen, CtrlCAndCtrlXCopyAndCutInATextBoxAndCloseOrExitElsewhere) {
    enum Outcome { Stays, BackToIntro, ProgramEnds };
    const struct {
        const char* control;
        Qt::Key key;
        const char* clipboard;  // text boxes: what was copied or cut
        const char* boxAfter;   // text boxes: what the box keeps
        Outcome outcome;
    } cases[] = {
        {"txtCustomerIn", Qt::Key_C, "Quorin Dynarel Inc.", "Quorin Dynarel Inc.", Stays},
        {"txtTagNoIn", Qt::Key_X, "Quorin Vortex Flow Meter", "", Stays},
        {"txtFlowRateIn", Qt::Key_X, "1600", "", Stays},
        {"txtPressRefIn", Qt::Key_C, "14.696", "14.696", Stays},
        {"cmdCalcFlow", Qt::Key_C, nullptr, nullptr, BackToIntro},
        {"cboFlowUnitIn", Qt::Key_C, nullptr, nullptr, BackToIntro},
        {"cmdClose", Qt::Key_X, nullptr, nullptr, ProgramEnds},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        if (!Shell::instance().isLoaded(input_)) {
            Shell::instance().unload("frmINTRO");
            Shell::instance().showChild(input_);
            settle();
        }
        QApplication::clipboard()->setText("before");
        QWidget* w = control(input_, c.control);
        w->setFocus(Qt::MouseFocusReason);
        if (auto* b = qobject_cast<QLineEdit*>(w)) b->selectAll();
        QTest::keyClick(w, c.key, Qt::ControlModifier);
        settle();
        switch (c.outcome) {
        case Stays:
            EXPECT_EQ(QApplication::clipboard()->text(), c.clipboard);
            EXPECT_EQ(box(c.control)->text(), c.boxAfter);
            EXPECT_EQ(childForms(), QStringList{"frmInputScrn"});
            EXPECT_TRUE(parent->isVisible());
            break;
        case BackToIntro:
            EXPECT_EQ(childForms(), QStringList{"frmINTRO"});
            EXPECT_EQ(QApplication::clipboard()->text(), "before");
            break;
        case ProgramEnds:
            EXPECT_TRUE(Shell::instance().loadedForms().isEmpty());
            EXPECT_FALSE(parent->isVisible());
            break;
        }
        EXPECT_TRUE(messages.empty());
    }
}

// The averaging-tube items follow the build option (a hidden item also
// reports itself disabled).
TEST_F(InputScreen, Menus) {
    const QString norvane = kShowNorvane ? "enabled|shown" : "disabled|hidden";
    EXPECT_EQ(menuRows(), (QStringList{
                              "mnuFile|File||enabled|shown",
                              "mnuOpenFile|Open||enabled|shown",
                              "mnuSaveFile|Save    |Ctrl+S|enabled|shown",
                              "|-||enabled|shown",
                              "mnuCalcFlow|Calculate Flow||enabled|shown",
                              "|-||enabled|shown",
                              "mnuClose|Close|Ctrl+C|enabled|shown",
                              "|-||enabled|shown",
                              "mnuExit|Exit|Ctrl+X|enabled|shown",
                              "mnuTools|Tools||enabled|shown",
                              "mnuSizeLiquid|Size Liquid Meter||enabled|shown",
                              "|-||enabled|shown",
                              "mnuSizeNorvane|Size Norvane||" + norvane,
                              "mnuSizeNorvaneSeparator|-||" + norvane,
                              "mnuSteamTable|Steam Table||enabled|shown",
                              "|-||enabled|shown",
                              "mnuMeterRange|Gas/Steam Meter Standard Ranges||enabled|shown",
                              "|-||enabled|shown",
                              "mnuDefaultValues|Set Defaults||enabled|shown",
                              "mnuHelp|Help||enabled|shown",
                              "mnuAbout|About||enabled|shown",
                          }));
}

// Every control's tool-tip, the core's unit list in each list (the media
// list is checked at start-up) and the captions of the buttons.
TEST_F(InputScreen, ToolTipsListEntriesAndCaptions) {
    const std::pair<const char*, const char*> tips[] = {
        {"txtCustomerIn", "Enter Company Name"},         {"txtTagNoIn", "Enter Tag Number"},
        {"txtFlowRateIn", "Enter Flow Rate Value"},      {"cboFlowUnitIn", "Select Units of Flow"},
        {"txtPipeSizeIn", "Enter Pipe Size Value"},      {"cboPipeUnitIn", "Select Pipe Units"},
        {"txtPressIn", "Enter Pressure Value"},          {"cboPressUnitIn", "Select Units of Pressure"},
        {"txtTempIn", "Enter Temperature Value"},        {"cboTempUnitIn", "Select Temperature Units"},
        {"txtAtmoPressIn", "Enter Atmospheric Pressure Value"},
        {"cboAtmoPressUnitIn", "Select Atmospheric Pressure Units"},
        {"cboMediaIn", "Select Media Type"},             {"txtPressRefIn", "Enter Reference Pressure Value"},
        {"cboPressRefUnitIn", "Select Reference Pressure Units"},
        {"txtTempRefIn", "Enter Reference Temperature Value"}, {"cboTempRefUnitIn", "Select Temperature Unit"},
        {"cmdCalcFlow", "Press to Calculate Flow"},      {"cmdClose", "Press to close this screen"}};
    for (const auto& [name, tip] : tips) EXPECT_EQ(control(input_, name)->toolTip(), tip) << name;
    const std::pair<const char*, const std::vector<std::string>&> lists[] = {
        {"cboFlowUnitIn", gasFlowUnits()},            {"cboPipeUnitIn", pipeUnits()},
        {"cboPressUnitIn", pressUnits()},             {"cboTempUnitIn", tempUnits()},
        {"cboAtmoPressUnitIn", absolutePressUnits()}, {"cboPressRefUnitIn", absolutePressUnits()},
        {"cboTempRefUnitIn", tempUnits()}};
    for (const auto& [name, want] : lists) EXPECT_EQ(entries(name), qtList(want)) << name;
    EXPECT_EQ(control<QPushButton>(input_, "cmdCalcFlow")->text(), "&Find Meter");
    EXPECT_EQ(control<QPushButton>(input_, "cmdClose")->text(), "&Close");
}

}  // namespace
}  // namespace quorin::test
