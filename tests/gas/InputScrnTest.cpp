#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <ostream>

#include "support/UiFixture.h"

namespace quorin::test {
namespace {

class InputScreen : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        Shell::instance().unload("frmINTRO");
        settle();
        ASSERT_NE(Shell::instance().showChild("frmInputScrn"), nullptr);
        settle();
    }
    QLineEdit* box(const char* name) const { return control<QLineEdit>("frmInputScrn", name); }
    QComboBox* list(const char* name) const { return control<QComboBox>("frmInputScrn", name); }

    // Types into a box as a user does: focus it, replace its text.
    void type(const char* name, const QString& text) {
        QLineEdit* b = box(name);
        ASSERT_NE(b, nullptr) << name;
        b->setFocus(Qt::MouseFocusReason);
        b->selectAll();
        if (text.isEmpty()) QTest::keyClick(b, Qt::Key_Delete);
        else QTest::keyClicks(b, text);
    }
    void enter(QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }
    void enter(const char* name) { enter(control("frmInputScrn", name)); }
    // Moves the focus away from the box, as a click elsewhere does.
    void leave() { box("txtTagNoIn")->setFocus(Qt::MouseFocusReason); }
    // Picks a list entry with the mouse.
    void pick(const char* name, const QString& entry) {
        QComboBox* c = list(name);
        ASSERT_NE(c, nullptr) << name;
        const int i = c->findText(entry);
        ASSERT_GE(i, 0) << entry.toStdString();
        c->setFocus(Qt::MouseFocusReason);
        c->setCurrentIndex(i);
        emit c->activated(i);
    }
    QString focused() const {
        QWidget* w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }
    QStringList rows(const char* list) const {
        QStringList texts;
        if (auto* l = control<QListWidget>("frmResults", list))
            for (int k = 0; k < l->count(); ++k) texts << l->item(k)->text();
        return texts;
    }
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

TEST_F(InputScreen, EnterInTheListsMovesOn) {
    const std::pair<const char*, const char*> hops[] = {
        {"cboFlowUnitIn", "txtPipeSizeIn"},     {"cboPipeUnitIn", "txtPressIn"},
        {"cboPressUnitIn", "txtTempIn"},        {"cboTempUnitIn", "txtAtmoPressIn"},
        {"cboAtmoPressUnitIn", "cboMediaIn"},   {"cboMediaIn", "cmdCalcFlow"},
        {"cboPressRefUnitIn", "txtTempRefIn"},  {"cboTempRefUnitIn", "txtCustomerIn"}};
    for (const auto& [from, to] : hops) {
        list(from)->setFocus(Qt::MouseFocusReason);
        enter(from);
        EXPECT_EQ(focused(), to) << from;
    }
}

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

class FindMeter : public InputScreen {
protected:
    void sizeCase(const char* psig, const char* degF, const char* pipe, const char* flow) {
        type("txtPressIn", psig);
        leave();
        type("txtTempIn", degF);
        leave();
        type("txtPipeSizeIn", pipe);
        leave();
        type("txtFlowRateIn", flow);
        leave();
        pick("cboMediaIn", "AIR");
        control<QPushButton>("frmInputScrn", "cmdCalcFlow")->click();
        settle();
        ASSERT_TRUE(Shell::instance().isLoaded("frmResults"));
    }
};

TEST_F(FindMeter, WaferCaseAt100Psig) {
    sizeCase("100", "70", "2.067", "100");
    EXPECT_EQ(rows("lstMeter"), QStringList{"QWG20"});
    EXPECT_EQ(rows("lstFlowLow"), QStringList{"5.0"});
    EXPECT_EQ(rows("lstFlowHi"), QStringList{"200.0"});
    EXPECT_TRUE(rows("lstErrorBox").isEmpty());
    EXPECT_EQ(control<QLineEdit>("frmResults", "txtDensity")->text(), "0.5845  lbs/ft\u00B3");
    EXPECT_EQ(control<QLineEdit>("frmResults", "txtAcfm")->text(), "100.00");
    EXPECT_EQ(childForms(), (QStringList{"frmInputScrn", "frmResults"}));
    EXPECT_EQ(menuBarText(), "File|Print");
    EXPECT_EQ(beeps, 0);
}

TEST_F(FindMeter, WaferCaseAt250PsigAndJustAbove) {
    sizeCase("250", "70", "2.067", "100");
    EXPECT_EQ(rows("lstFlowHi"), QStringList{"112.3"});
    EXPECT_TRUE(rows("lstErrorBox").isEmpty());
    control<QPushButton>("frmResults", "cmdClose")->click();
    settle();
    sizeCase("250.1", "70", "2.067", "100");
    EXPECT_EQ(rows("lstErrorBox"), QStringList{"**Pressure out of range"});
    EXPECT_EQ(shared().PressRangeFlag, 1);
    EXPECT_EQ(beeps, 1);
}

TEST_F(FindMeter, InsertionCaseAndTheLowerRangeWarning) {
    sizeCase("100", "70", "6", "1600");
    EXPECT_EQ(rows("lstMeter"), (QStringList{"QNG", "QNS"}));
    EXPECT_EQ(rows("lstFlowLow"), (QStringList{"23.56", "54.39"}));
    EXPECT_EQ(rows("lstFlowHi"), (QStringList{"1649.34", "2179.48"}));
    control<QPushButton>("frmResults", "cmdClose")->click();
    settle();
    sizeCase("100", "70", "6", "250");
    EXPECT_EQ(rows("lstErrorBox"),
              (QStringList{"Warning:  Please note the maximum flow entered will be",
                           "                    operating in the lower 15% range of the QNG meter.",
                           "Warning:  Please note the maximum flow entered will be",
                           "                    operating in the lower 15% range of the QNS meter."}));
}

TEST_F(FindMeter, NothingFitsBeepsOnce) {
    sizeCase("100", "70", "0.75", "100");
    EXPECT_TRUE(rows("lstMeter").isEmpty());
    EXPECT_EQ(rows("lstErrorBox"), QStringList{"**No meters fit parameters"});
    EXPECT_EQ(beeps, 1);
}

TEST_F(FindMeter, ReferenceTemperatureNoteAt40Celsius) {
    pick("cboTempRefUnitIn", "deg C");
    type("txtTempRefIn", "40");
    leave();
    sizeCase("100", "70", "2.067", "100");
    EXPECT_EQ(rows("lstErrorBox"), QStringList{"**Reference Temperature out of range"});
}

TEST_F(FindMeter, MenuCommandCommitsTheBoxBeingTyped) {
    type("txtPipeSizeIn", "2.067");
    leave();
    type("txtFlowRateIn", "100");  // still focused, not committed
    parent->findChild<QAction*>("mnuCalcFlow")->trigger();
    settle();
    EXPECT_EQ(shared().FlowRateIn, 100);
    EXPECT_EQ(rows("lstMeter"), QStringList{"QWG20"});
}

TEST_F(FindMeter, ActivatingTheInputScreenClosesTheResults) {
    sizeCase("250.1", "70", "2.067", "100");
    ASSERT_EQ(shared().PressRangeFlag, 1);
    auto* input = parent->mdiArea()->subWindowList(QMdiArea::CreationOrder).first();
    parent->mdiArea()->setActiveSubWindow(input);
    settle();
    EXPECT_FALSE(Shell::instance().isLoaded("frmResults"));
    EXPECT_EQ(shared().PressRangeFlag, 0);
    EXPECT_EQ(childForms(), QStringList{"frmInputScrn"});
}

TEST_F(FindMeter, AModalDialogDoesNotCloseTheResults) {
    sizeCase("100", "70", "2.067", "100");
    Shell::instance().showModal("frmAbout");
    settle();
    EXPECT_TRUE(Shell::instance().isLoaded("frmResults"));
}

TEST_F(FindMeter, CloseReturnsToTheFirstField) {
    sizeCase("100", "70", "2.067", "100");
    control<QPushButton>("frmResults", "cmdClose")->click();
    settle();
    EXPECT_FALSE(Shell::instance().isLoaded("frmResults"));
    EXPECT_EQ(focused(), "txtCustomerIn");
}

TEST_F(InputScreen, CloseAndSizeLiquidLandOnTheIntroScreen) {
    parent->findChild<QAction*>("mnuSizeLiquid")->trigger();
    settle();
    EXPECT_EQ(shared().SizingType, "LIQUID");
    EXPECT_FALSE(Shell::instance().isLoaded("frmInputScrn"));
    Shell::instance().showChild("frmInputScrn");
    settle();
    control<QPushButton>("frmInputScrn", "cmdClose")->click();
    settle();
    EXPECT_FALSE(Shell::instance().isLoaded("frmInputScrn"));
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

TEST_F(FindMeter, AccessKeyCommitsTheBoxBeingTyped) {
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

TEST_F(FindMeter, TheVacuumNoteComesOnceWhenAMenuCommandCommitsThePressure) {
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

TEST_F(FindMeter, EnterOnTheFocusedButtonFindsTheMeter) {
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

}  // namespace
}  // namespace quorin::test
