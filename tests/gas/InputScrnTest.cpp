#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <ostream>

#include "shell/Controls.h"
#include "shell/FieldEvents.h"
#include "support/FormTest.h"

namespace quorin::test {
namespace {

class InputScreen : public FormTest {
protected:
    InputScreen() : FormTest("frmInputScrn", "frmResults") {}
};

TEST_F(InputScreen, StartsWithTheStartUpCase) {
    const std::pair<const char*, const char*> boxes[] = {
        {"txtCustomerIn", "Quorin Dynarel Inc."}, {"txtTagNoIn", "Quorin Vortex Flow Meter"},
        {"txtFlowRateIn", "1600"}, {"txtPipeSizeIn", "6"}, {"txtPressIn", "0"},
        {"txtTempIn", "70"}, {"txtAtmoPressIn", "14.696"}, {"txtPressRefIn", "14.696"},
        {"txtTempRefIn", "60"}};
    for (const auto& [name, text] : boxes) EXPECT_EQ(box(name)->text(), text) << name;
    const std::pair<const char*, const char*> lists[] = {
        {"cboFlowUnitIn", "ACFM"}, {"cboPipeUnitIn", "INCHES"}, {"cboPressUnitIn", "PSIG"},
        {"cboTempUnitIn", "deg F"}, {"cboAtmoPressUnitIn", "PSIA"}, {"cboMediaIn", "AIR"},
        {"cboPressRefUnitIn", "PSIA"}, {"cboTempRefUnitIn", "deg F"}};
    for (const auto& [name, text] : lists) EXPECT_EQ(list(name)->currentText(), text) << name;
    EXPECT_EQ(list("cboMediaIn")->count(), 33);
    EXPECT_EQ(list("cboFlowUnitIn")->count(), 16);
    EXPECT_FALSE(control<QLabel>("frmInputScrn", "lblOther")->isVisible());
    EXPECT_EQ(Format(shared().ViscCp, "0.00000"), "0.01813");
    EXPECT_EQ(shared().FlowAcfm, 1600);
    EXPECT_EQ(focused(), "txtCustomerIn");
    EXPECT_EQ(menuBarText(), "File|Tools|Help|About");

    pick("cboMediaIn", "AIR");
    EXPECT_EQ(Format(shared().ViscCp, "0.00000"), "0.01781");
}

struct EnterCase {
    const char* box;
    const char* text;
    const char* next;  // focus after Enter
    std::function<bool()> check;
};

std::ostream& operator<<(std::ostream& os, const EnterCase& c) { return os << c.box; }

class EnterInEachBox : public InputScreen, public ::testing::WithParamInterface<EnterCase> {};

TEST_P(EnterInEachBox, StoresRunsItsChainAndMovesOn) {
    const EnterCase& c = GetParam();
    type(c.box, c.text);
    enter(c.box);
    EXPECT_EQ(focused(), c.next) << c.box;
    EXPECT_TRUE(c.check()) << c.box;
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, EnterInEachBox,
    ::testing::Values(
        EnterCase{"txtCustomerIn", "Acme", "txtTagNoIn", [] { return shared().CustomerIn == "Acme"; }},
        EnterCase{"txtTagNoIn", "FT-101", "txtFlowRateIn", [] { return shared().TagNoIn == "FT-101"; }},
        EnterCase{"txtFlowRateIn", "800", "txtFlowRateIn", [] { return shared().FlowAcfm == 800; }},
        EnterCase{"txtPipeSizeIn", "4", "cboPipeUnitIn",
                  [] { return Format(shared().PipeAreaSqFt, "0.00000") == "0.08727"; }},
        EnterCase{"txtPressIn", "100", "cboPressUnitIn",
                  [] { return Format(shared().DensityLbFt3, "0.00000") == "0.58449"; }},
        EnterCase{"txtTempIn", "200", "cboTempUnitIn",
                  [] { return shared().TempDegR == 659.67f &&
                         Format(shared().DensityLbFt3, "0.0000") == "0.0601"; }},
        EnterCase{"txtAtmoPressIn", "14", "cboAtmoPressUnitIn",
                  [] { return shared().PressPsia == 14 && shared().DensityLbFt3 < 0.0715; }},
        EnterCase{"txtPressRefIn", "14.7", "cboPressRefUnitIn",
                  [] { return shared().PressRefPsia == 14.7f; }},
        EnterCase{"txtTempRefIn", "32", "cboTempRefUnitIn",
                  [] { return shared().TempRefDegR == 491.67f; }}),
    [](const auto& info) { return std::string(info.param.box); });

struct ListEnterCase {
    const char* list;
    const char* entry;
    const char* next;  // focus after Enter
    std::function<bool()> check;
};

std::ostream& operator<<(std::ostream& os, const ListEnterCase& c) { return os << c.list; }

class EnterInEachList : public InputScreen, public ::testing::WithParamInterface<ListEnterCase> {};

// The entry is set as the arrow keys set it, without the list's click; Enter
// then commits it. The focus leaving the list commits too, so the move is
// made inside a command scope, where it commits nothing: what is checked is
// Enter's own commit.
TEST_P(EnterInEachList, RunsItsChainAndMovesOn) {
    const ListEnterCase& c = GetParam();
    QComboBox* l = list(c.list);
    l->setFocus(Qt::MouseFocusReason);
    l->setCurrentIndex(l->findText(c.entry));
    ASSERT_EQ(l->currentText(), c.entry);
    {
        CommandScope quiet;
        enter(l);
    }
    EXPECT_EQ(focused(), c.next);
    EXPECT_TRUE(c.check()) << c.list;
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(modalsShown.empty());
}

// From the start-up case: 1600 ACFM, 6 in, 0 PSIG, 70 deg F, 14.696 PSIA,
// air, reference 14.696 PSIA and 60 deg F.
INSTANTIATE_TEST_SUITE_P(
    Table, EnterInEachList,
    ::testing::Values(
        ListEnterCase{"cboFlowUnitIn", "LPM", "txtPipeSizeIn",
                      [] { return shared().FlowUnitIn == "LPM" &&
                                  Format(shared().FlowAcfm, "0.00") == "56.51"; }},
        ListEnterCase{"cboPipeUnitIn", "MILLIMETERS", "txtPressIn",
                      [] { return shared().PipeIdMm == 6.0f &&
                                  Format(shared().PipeIdIn, "0.0000") == "0.2362"; }},
        // Enter takes the unit only: 0 stays 0 PSIA (a click would lift it).
        ListEnterCase{"cboPressUnitIn", "PSIA", "txtTempIn",
                      [] { return shared().PressPsia == 0 && shared().PressIn == 0 &&
                                  shared().DensityLbFt3 == 0; }},
        ListEnterCase{"cboTempUnitIn", "deg C", "txtAtmoPressIn",
                      [] { return shared().TempDegF == 158.0f &&
                                  Format(shared().DensityLbFt3, "0.00000") == "0.06422"; }},
        ListEnterCase{"cboAtmoPressUnitIn", "BAR A", "cboMediaIn",
                      [] { return Format(shared().AtmoPressPsia, "0.00") == "213.15" &&
                                  shared().PressPsia == shared().AtmoPressPsia; }},
        ListEnterCase{"cboMediaIn", "ARGON", "cmdCalcFlow",
                      [] { return shared().MediaIn == "ARGON" && shared().SpecGravity == 1.379f &&
                                  shared().ViscCoefA == 4.1731f; }},
        ListEnterCase{"cboPressRefUnitIn", "BAR A", "txtTempRefIn",
                      [] { return shared().PressRefUnitIn == "BAR A" &&
                                  Format(shared().PressRefPsia, "0.00") == "213.15"; }},
        ListEnterCase{"cboTempRefUnitIn", "deg C", "txtCustomerIn",
                      [] { return shared().TempRefDegF == 140.0f &&
                                  shared().TempRefDegR == 599.67f; }}),
    [](const auto& info) { return std::string(info.param.list); });

TEST_F(InputScreen, PipeUnitAndTemperatureUnitRunTheirChains) {
    pick("cboPipeUnitIn", "MILLIMETERS");
    EXPECT_EQ(shared().PipeIdMm, 6.0f);
    pick("cboTempUnitIn", "deg C");
    EXPECT_EQ(shared().TempDegF, 158.0f);
    pick("cboFlowUnitIn", "LPM");
    EXPECT_EQ(Format(shared().FlowAcfm, "0.00"), "56.51");
}

struct PressureCheckCase {
    const char* name;
    const char* unit;
    const char* typed;
    const char* boxAfter;
    const char* message;  // nullptr: none
    MsgIcon icon;
};

std::ostream& operator<<(std::ostream& os, const PressureCheckCase& c) { return os << c.name; }

class PressureCheck : public InputScreen,
                      public ::testing::WithParamInterface<PressureCheckCase> {};

const char* const kInvalidPressure =
    "Error:  Invalid Pressure Value!\nPressure must be > 10 PSIA (0.69 BAR A).\n\n"
    "Please note you entered a vacuum value for pressure.";
const char* const kVacuumNote =
    "Please note:  You entered an operating pressure below the atmospheric pressure (vacuum "
    "conditions).";

TEST_P(PressureCheck, OnLeavingTheBox) {
    const PressureCheckCase& c = GetParam();
    pick("cboPressUnitIn", c.unit);
    messages.clear();
    type("txtPressIn", c.typed);
    leave();
    EXPECT_EQ(box("txtPressIn")->text(), c.boxAfter);
    ASSERT_EQ(messages.size(), c.message ? 1u : 0u);
    if (c.message) {
        EXPECT_EQ(messages[0].text, c.message);
        EXPECT_EQ(messages[0].icon, c.icon);
    }
    EXPECT_EQ(General(shared().PressIn), std::string(c.boxAfter));
    // The density always follows the pressure the box holds.
    EXPECT_DOUBLE_EQ(shared().DensityLbFt3,
                     double(shared().PressPsia) * 1.0 / (double(shared().TempDegR) * 0.370484));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PressureCheck,
    ::testing::Values(
        PressureCheckCase{"FivePsia", "PSIA", "5", "14.696", kInvalidPressure, MsgIcon::Exclamation},
        PressureCheckCase{"MinusFivePsig", "PSIG", "-5", "0", kInvalidPressure, MsgIcon::Exclamation},
        PressureCheckCase{"FivePsig", "PSIG", "5", "5", nullptr, MsgIcon::None},
        PressureCheckCase{"HalfBarAbsolute", "BAR A", "0.5", "1", kInvalidPressure, MsgIcon::Exclamation},
        PressureCheckCase{"TwelvePsia", "PSIA", "12", "12", kVacuumNote, MsgIcon::None},
        PressureCheckCase{"TenPsia", "PSIA", "10", "10", kVacuumNote, MsgIcon::None},
        PressureCheckCase{"AtmospherePsia", "PSIA", "14.696", "14.696", nullptr, MsgIcon::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(InputScreen, EnterOnALowPressureResetsWithoutAMessageThenChecks) {
    pick("cboPressUnitIn", "PSIA");
    messages.clear();
    type("txtPressIn", "5");
    enter("txtPressIn");
    EXPECT_EQ(box("txtPressIn")->text(), "14.696");
    EXPECT_EQ(focused(), "cboPressUnitIn");
    EXPECT_EQ(shared().PressPsia, 14.696f);
    EXPECT_TRUE(messages.empty());
}

TEST_F(InputScreen, PickingAnAbsoluteUnitLiftsALowValue) {
    pick("cboPressUnitIn", "PSIA");
    EXPECT_EQ(box("txtPressIn")->text(), "14.696");
    EXPECT_EQ(shared().PressPsia, 14.696f);
    pick("cboPressUnitIn", "BAR A");
    EXPECT_EQ(box("txtPressIn")->text(), "14.696");  // 14.696 bar is not below 0.69
    type("txtPressIn", "0.5");
    QTest::keyClick(box("txtPressIn"), Qt::Key_Return);  // box keeps 0.5 on Enter for BAR A
    messages.clear();
    pick("cboPressUnitIn", "BAR A");
    EXPECT_EQ(box("txtPressIn")->text(), "1");
    EXPECT_EQ(shared().PressPsia, 14.5039f);
}

TEST_F(InputScreen, AtmosphereEditGivesANewDensity) {
    type("txtPressIn", "100");
    leave();
    const double before = shared().DensityLbFt3;
    type("txtAtmoPressIn", "12");
    leave();
    EXPECT_EQ(shared().PressPsia, 112.0f);
    EXPECT_LT(shared().DensityLbFt3, before);
    EXPECT_DOUBLE_EQ(shared().DensityLbFt3, 112.0 / (double(shared().TempDegR) * 0.370484));
}

TEST_F(InputScreen, NormalCubicMetresSetTheNormalReference) {
    type("txtPressRefIn", "15");
    leave();
    type("txtTempRefIn", "50");
    leave();
    pick("cboFlowUnitIn", "Nm^3/Hr");
    EXPECT_EQ(box("txtPressRefIn")->text(), "14.696");
    EXPECT_EQ(list("cboPressRefUnitIn")->currentText(), "PSIA");
    EXPECT_EQ(box("txtTempRefIn")->text(), "32");
    EXPECT_EQ(list("cboTempRefUnitIn")->currentText(), "deg F");
    EXPECT_EQ(shared().TempRefDegR, 491.67f);
    pick("cboFlowUnitIn", "SCFM");
    EXPECT_EQ(box("txtPressRefIn")->text(), "14.696");
    EXPECT_EQ(box("txtTempRefIn")->text(), "32");
    pick("cboFlowUnitIn", "Nm^3/Day");
    type("txtTempRefIn", "60");
    leave();
    pick("cboFlowUnitIn", "Nm^3/Day");
    EXPECT_EQ(box("txtTempRefIn")->text(), "60");
}

struct RefusedCase {
    const char* box;
    const char* typed;
};

std::ostream& operator<<(std::ostream& os, const RefusedCase& c) {
    return os << c.box << " '" << c.typed << "'";
}

class RefusedEntry : public InputScreen, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedEntry, ChangesNothingButBeeps) {
    const RefusedCase& c = GetParam();
    const QString before = box(c.box)->text();
    const SharedState record = shared();
    type(c.box, c.typed);
    leave();
    EXPECT_EQ(box(c.box)->text(), before);
    EXPECT_EQ(beeps, 1);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(shared().FlowRateIn, record.FlowRateIn);
    EXPECT_EQ(shared().PressIn, record.PressIn);
    EXPECT_EQ(shared().PipeSizeIn, record.PipeSizeIn);
    EXPECT_EQ(shared().FlowAcfm, record.FlowAcfm);
    EXPECT_EQ(shared().DensityLbFt3, record.DensityLbFt3);
}

INSTANTIATE_TEST_SUITE_P(Texts, RefusedEntry,
                         ::testing::Values(RefusedCase{"txtFlowRateIn", "abc"},
                                           RefusedCase{"txtPipeSizeIn", "1.2.3"},
                                           RefusedCase{"txtPressIn", "1e400"},
                                           RefusedCase{"txtTempRefIn", "12x"}));

TEST_F(InputScreen, AnEmptyFlowBoxCountsAsZero) {
    type("txtFlowRateIn", "");
    leave();
    EXPECT_EQ(shared().FlowRateIn, 0);
    EXPECT_EQ(shared().FlowAcfm, 0);
    EXPECT_EQ(beeps, 0);
}

TEST_F(InputScreen, SetDefaultsRestoresTheStartUpCase) {
    pick("cboMediaIn", "ARGON");
    type("txtFlowRateIn", "5");
    leave();
    shared().FlowRangeFlag = 1;
    parent->findChild<QAction*>("mnuDefaultValues")->trigger();
    EXPECT_EQ(box("txtFlowRateIn")->text(), "1600");
    EXPECT_EQ(list("cboMediaIn")->currentText(), "AIR");
    EXPECT_EQ(shared().ViscCoefA, 3.07f);
    EXPECT_EQ(Format(shared().ViscCp, "0.00000"), "0.01813");
    EXPECT_EQ(shared().FlowRangeFlag, 0);
}

TEST_F(InputScreen, MenuCommandCommitsTheBoxBeingTyped) {
    type("txtPipeSizeIn", "2.067");
    leave();
    type("txtFlowRateIn", "100");  // still focused, not committed
    parent->findChild<QAction*>("mnuCalcFlow")->trigger();
    settle();
    EXPECT_EQ(shared().FlowRateIn, 100);
    EXPECT_EQ(rows("lstMeter"), QStringList{"QWG20"});
}

TEST_F(InputScreen, CloseAndSizeLiquidLandOnTheIntroScreen) {
    menuItem("mnuSizeLiquid")->trigger();
    settle();
    EXPECT_EQ(shared().SizingType, "LIQUID");
    EXPECT_EQ(childForms(), QStringList{"frmINTRO"});
    EXPECT_FALSE(Shell::instance().isLoaded("frmLqdInput"));

    Shell::instance().unload("frmINTRO");
    Shell::instance().showChild("frmInputScrn");
    settle();
    control<QPushButton>("frmInputScrn", "cmdClose")->click();
    settle();
    EXPECT_EQ(childForms(), QStringList{"frmINTRO"});
    EXPECT_FALSE(Shell::instance().isLoaded("frmLqdInput"));
    EXPECT_EQ(shared().SizingType, "LIQUID");  // Close leaves the choice alone
}

TEST_F(InputScreen, ExitLeavesNoWindowAndAsksNothing) {
    type("txtPressIn", "100");
    leave();
    control<QPushButton>("frmInputScrn", "cmdCalcFlow")->click();
    settle();
    parent->findChild<QAction*>("mnuExit")->trigger();
    settle();
    EXPECT_TRUE(Shell::instance().loadedForms().isEmpty());
    EXPECT_TRUE(parent->mdiArea()->subWindowList().isEmpty());
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(parent->isVisible());
}

}  // namespace
}  // namespace quorin::test

namespace quorin::test {
namespace {

TEST_F(InputScreen, AccessKeyCommitsTheBoxBeingTyped) {
    type("txtPipeSizeIn", "2.067");
    leave();
    type("txtFlowRateIn", "100");
    // An access key presses the button without moving the focus.
    auto* findMeter = control<QPushButton>("frmInputScrn", "cmdCalcFlow");
    ASSERT_EQ(findMeter->shortcut(), QKeySequence("Alt+F"));
    findMeter->click();
    settle();
    ASSERT_TRUE(Shell::instance().isLoaded("frmResults"));
    EXPECT_EQ(rows("lstMeter"), QStringList{"QWG20"});
}

TEST_F(InputScreen, TheVacuumNoteComesOnceWhenAMenuCommandCommitsThePressure) {
    pick("cboPressUnitIn", "PSIA");
    messages.clear();
    type("txtPressIn", "12");
    parent->findChild<QAction*>("mnuCalcFlow")->trigger();
    settle();
    ASSERT_TRUE(Shell::instance().isLoaded("frmResults"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kVacuumNote);
    control<QPushButton>("frmResults", "cmdClose")->click();
    settle();
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(InputScreen, EnterOnTheFocusedButtonFindsTheMeter) {
    list("cboMediaIn")->setFocus(Qt::MouseFocusReason);
    enter("cboMediaIn");
    ASSERT_EQ(focused(), "cmdCalcFlow");
    enter("cmdCalcFlow");
    settle();
    EXPECT_TRUE(Shell::instance().isLoaded("frmResults"));
}

TEST_F(InputScreen, ARefusedEnterKeepsTheFocusAndShowsNothing) {
    pick("cboPressUnitIn", "PSIA");
    type("txtPressIn", "12");
    leave();
    messages.clear();
    type("txtPressIn", "x12");
    enter("txtPressIn");
    EXPECT_EQ(focused(), "txtPressIn");
    EXPECT_EQ(box("txtPressIn")->text(), "12");
    EXPECT_EQ(beeps, 1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(InputScreen, EscapeClosesTheScreenWithoutCheckingThePressure) {
    pick("cboPressUnitIn", "PSIA");
    messages.clear();
    type("txtPressIn", "12");
    list("cboTempUnitIn")->setFocus(Qt::MouseFocusReason);  // the check runs here
    ASSERT_EQ(messages.size(), 1u);
    QTest::keyClick(list("cboTempUnitIn"), Qt::Key_Escape);
    settle();
    EXPECT_FALSE(Shell::instance().isLoaded("frmInputScrn"));
    EXPECT_TRUE(Shell::instance().isLoaded("frmINTRO"));
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(InputScreen, ClosingWhileTypingCommitsOnceAndQuietly) {
    pick("cboPressUnitIn", "PSIA");
    messages.clear();
    type("txtPressIn", "12");
    parent->findChild<QAction*>("mnuClose")->trigger();
    settle();
    EXPECT_FALSE(Shell::instance().isLoaded("frmInputScrn"));
    EXPECT_EQ(messages.size(), 1u);  // the typed pressure was committed once
    EXPECT_EQ(shared().PressPsia, 12.0f);
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

// Object name, caption, shortcut, enabled, shown; "-" is a separator.
QStringList menuRows(const QMenuBar* bar) {
    QStringList rows;
    auto row = [&rows](const QAction* a) {
        rows << QStringList{a->objectName(), a->isSeparator() ? "-" : a->text(),
                            a->shortcut().toString(QKeySequence::PortableText),
                            a->isEnabled() ? "enabled" : "disabled",
                            a->isVisible() ? "shown" : "hidden"}
                    .join('|');
    };
    for (const QAction* item : bar->actions()) {
        row(item);
        if (item->menu())
            for (const QAction* a : item->menu()->actions()) row(a);
    }
    return rows;
}

// The steam table and the range chart come later and are disabled; the
// averaging-tube items follow the build option (a hidden item also
// reports itself disabled).
TEST_F(InputScreen, Menus) {
    const QString norvane = kShowNorvane ? "enabled|shown" : "disabled|hidden";
    EXPECT_EQ(menuRows(parent->menuBar()), (QStringList{
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
                                               "mnuSteamTable|Steam Table||disabled|shown",
                                               "|-||enabled|shown",
                                               "mnuMeterRange|Gas/Steam Meter Standard Ranges||disabled|shown",
                                               "|-||enabled|shown",
                                               "mnuDefaultValues|Set Defaults||enabled|shown",
                                               "mnuHelp|Help||enabled|shown",
                                               "mnuAbout|About||enabled|shown",
                                           }));
}

// Every control's tool-tip, and the entries of the lists or the caption of
// the buttons, in order.
TEST_F(InputScreen, ToolTipsListEntriesAndCaptions) {
    const struct {
        const char* control;
        const char* toolTip;
        QStringList content;
    } rows[] = {
        {"txtCustomerIn", "Enter Company Name", {}},
        {"txtTagNoIn", "Enter Tag Number", {}},
        {"txtFlowRateIn", "Enter Flow Rate Value", {}},
        {"cboFlowUnitIn", "Select Units of Flow",
         {"ACFM", "ACF/Day", "SCFM", "SCF/Day", "m^3/Hr", "m^3/Day", "Nm^3/Hr", "Nm^3/Day",
          "lbs/min", "lbs/Hr", "Kg/Hr", "FPS", "FPM", "MPS", "LPM", "Metric Tons/Hr"}},
        {"txtPipeSizeIn", "Enter Pipe Size Value", {}},
        {"cboPipeUnitIn", "Select Pipe Units",
         {"INCHES", "MILLIMETERS", "CENTIMETERS", "METERS", "SQUARE FEET", "SQUARE MILLIMETERS",
          "SQUARE CENTIMETERS", "SQUARE METERS"}},
        {"txtPressIn", "Enter Pressure Value", {}},
        {"cboPressUnitIn", "Select Units of Pressure",
         {"PSIA", "PSIG", "BAR G", "Kg/cm^2 G", "KPa G", "INCHES H2O G", "TORR (mmHg) G", "BAR A"}},
        {"txtTempIn", "Enter Temperature Value", {}},
        {"cboTempUnitIn", "Select Temperature Units", {"deg F", "deg C", "deg R"}},
        {"txtAtmoPressIn", "Enter Atmospheric Pressure Value", {}},
        {"cboAtmoPressUnitIn", "Select Atmospheric Pressure Units",
         {"PSIA", "Kg/cm^2 A", "BAR A", "KPa A"}},
        {"cboMediaIn", "Select Media Type", {}},  // the medium table, checked at start-up
        {"txtPressRefIn", "Enter Reference Pressure Value", {}},
        {"cboPressRefUnitIn", "Select Reference Pressure Units",
         {"PSIA", "Kg/cm^2 A", "BAR A", "KPa A"}},
        {"txtTempRefIn", "Enter Reference Temperature Value", {}},
        {"cboTempRefUnitIn", "Select Temperature Unit", {"deg F", "deg C", "deg R"}},
        {"cmdCalcFlow", "Press to Calculate Flow", {"&Find Meter"}},
        {"cmdClose", "Press to close this screen", {"&Close"}},
    };
    for (const auto& r : rows) {
        QWidget* w = control(input_, r.control);
        ASSERT_NE(w, nullptr) << r.control;
        EXPECT_EQ(w->toolTip(), r.toolTip) << r.control;
        QStringList content;
        if (auto* l = qobject_cast<QComboBox*>(w); l && w->objectName() != "cboMediaIn")
            for (int k = 0; k < l->count(); ++k) content << l->itemText(k);
        if (auto* b = qobject_cast<QPushButton*>(w)) content << b->text();
        EXPECT_EQ(content, r.content) << r.control;
    }
}

}  // namespace
}  // namespace quorin::test
