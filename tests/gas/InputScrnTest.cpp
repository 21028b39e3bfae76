// The gas/steam input screen: what each entry stores and runs, the pressure
// check, refused entries and the commands (the figures are the core's).
#include <QClipboard>

#include "shell/Controls.h"
#include "shell/FieldEvents.h"
#include "support/FormTest.h"

namespace quorin::test {
namespace {

class InputScreen : public FormTest {
protected:
    InputScreen() : FormTest("frmInputScrn", "frmResults") {}
    // Opens the input screen again if it was closed, afresh when `fresh`.
    void reopen(bool fresh = false) {
        if (fresh) Shell::instance().unload(input_);
        if (Shell::instance().isLoaded(input_)) return;
        Shell::instance().unload("frmINTRO");
        Shell::instance().showChild(input_);
        settle();
    }
};

// The starts of the core's texts.
const char *const kInvalidPressure = "Error:  Invalid Pressure Value!", *const kVacuumNote = "Please note:";
const auto& S = shared();

TEST_F(InputScreen, StartsWithTheStartUpCase) {
    EXPECT_EQ(std::tuple(box("txtCustomerIn")->text(), list("cboMediaIn")->currentText(), focused()),
              std::tuple("Quorin Dynarel Inc.", "AIR", "txtCustomerIn"));
}

// Enter in each entry of the start-up case (1600 ACFM, 6 in, 0 PSIG, 70 deg F,
// air): what it stores, a sign its chain ran, where the focus goes. A list
// entry is set as the arrow keys set it, in a command scope: Enter commits.
TEST_F(InputScreen, EnterInEachEntryStoresRunsItsChainAndMovesOn) {
    const struct { const char *control, *text, *next; bool (*check)(); } rows[] = {
        {"txtCustomerIn", "Acme", "txtTagNoIn", [] { return S.CustomerIn == "Acme"; }},
        {"txtFlowRateIn", "800", "txtFlowRateIn", [] { return S.FlowAcfm == 800; }},
        {"txtPipeSizeIn", "4", "cboPipeUnitIn", [] { return S.PipeIdIn == 4; }},
        {"txtPressIn", "100", "cboPressUnitIn", [] { return S.DensityLbFt3 > 0.5; }},
        {"txtTempIn", "200", "cboTempUnitIn", [] { return S.TempDegR == 659.67f && S.DensityLbFt3 < 0.07; }},
        {"txtAtmoPressIn", "14", "cboAtmoPressUnitIn",
         [] { return S.PressPsia == 14 && S.DensityLbFt3 < 0.0715; }},
        {"txtPressRefIn", "14.7", "cboPressRefUnitIn", [] { return S.PressRefPsia == 14.7f; }},
        {"txtTempRefIn", "32", "cboTempRefUnitIn", [] { return S.TempRefDegR == 491.67f; }},
        {"cboFlowUnitIn", "LPM", "txtPipeSizeIn", [] { return S.FlowUnitIn == "LPM" && S.FlowAcfm < 100; }},
        // Enter takes the unit only: 0 stays 0 PSIA (a click would lift it).
        {"cboPressUnitIn", "PSIA", "txtTempIn", [] { return S.PressPsia == 0 && S.DensityLbFt3 == 0; }},
        {"cboMediaIn", "ARGON", "cmdCalcFlow", [] { return S.MediaIn == "ARGON" && S.SpecGravity > 1.3f; }}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.control);
        reopen(true);
        if (QComboBox* l = r.control[0] == 'c' ? list(r.control) : nullptr) {
            l->setFocus(Qt::MouseFocusReason);
            l->setCurrentIndex(l->findText(r.text));
            CommandScope quiet;
            enter(l);
        } else {
            type(r.control, r.text);
            enter(r.control);
        }
        EXPECT_EQ(std::tuple(focused(), r.check()), std::tuple(r.next, true));
    }
    EXPECT_TRUE(messages.empty() && modalsShown.empty());
}

// Each outcome of the core's check; the density follows the pressure the box
// ends with. Enter lifts a low pressure silently; -5 PSIG is 9.7 psia.
TEST_F(InputScreen, PressureCheckResetsOrWarnsAndTheDensityFollows) {
    const struct { const char *unit, *typed; bool enter; const char *boxAfter, *message; } rows[] = {
        {"PSIA", "5", true, "14.696", nullptr},
        {"PSIG", "-5", false, "0", kInvalidPressure},
        {"PSIG", "5", false, "5", nullptr},
        {"PSIA", "12", false, "12", kVacuumNote}};
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.typed << " " << r.unit << (r.enter ? " by Enter" : ""));
        reopen(true);
        pick("cboPressUnitIn", r.unit);
        messages.clear();
        type("txtPressIn", r.typed);
        if (r.enter) enter("txtPressIn");
        else leave();
        EXPECT_EQ(box("txtPressIn")->text(), r.boxAfter);
        ASSERT_EQ(messages.size(), r.message ? 1u : 0u);
        // A refusal with the exclamation mark, a note without.
        const MsgIcon icon = r.message == kInvalidPressure ? MsgIcon::Exclamation : MsgIcon::None;
        for (const ShownMessage& m : messages)
            EXPECT_TRUE(m.text.startsWith(r.message) && m.icon == icon);
        EXPECT_EQ(General(S.PressIn), std::string(r.boxAfter));
        EXPECT_DOUBLE_EQ(S.DensityLbFt3, double(S.PressPsia) / (double(S.TempDegR) * 0.370484));
    }
}

// A click on an absolute unit lifts a low pressure; a flow unit with its own
// reference conditions shows them.
TEST_F(InputScreen, PickingAUnitShowsTheValuesItBrings) {
    pick("cboPressUnitIn", "PSIA");
    EXPECT_EQ(box("txtPressIn")->text(), "14.696");
    fill("txtTempRefIn", "50");
    pick("cboFlowUnitIn", "Nm^3/Hr");
    EXPECT_EQ(box("txtTempRefIn")->text(), "32");
    EXPECT_EQ(S.TempRefDegR, 491.67f);
}

// A plain number box and the pressure box refuse text (the pressure box by
// Enter, which then keeps the focus); empty text is 0.
TEST_F(InputScreen, TextThatIsNoNumberIsRefusedAndEmptyIsZero) {
    fill("txtPipeSizeIn", "1.2.3");
    EXPECT_EQ(std::tuple(box("txtPipeSizeIn")->text(), S.PipeSizeIn), std::tuple("6", 6.0f));
    type("txtPressIn", "x12");
    enter("txtPressIn");
    EXPECT_EQ(std::tuple(focused(), box("txtPressIn")->text()), std::tuple("txtPressIn", "0"));
    fill("txtFlowRateIn", "");
    EXPECT_EQ(std::tuple(S.FlowRateIn, S.FlowAcfm), std::tuple(0.0f, 0.0f));
    EXPECT_TRUE(beeps == 2 && messages.empty());
}

TEST_F(InputScreen, SetDefaultsRefillsTheScreen) {
    pick("cboMediaIn", "ARGON");
    menuItem("mnuDefaultValues")->trigger();
    EXPECT_EQ(list("cboMediaIn")->currentText(), "AIR");
}

// A vacuum pressure being typed is committed once, with its note, by Close,
// or Esc (after the focus left the box).
TEST_F(InputScreen, TheVacuumNoteComesOnceWhateverEndsTheEntry) {
    for (const char* way : {"mnuClose", "Esc"}) {
        SCOPED_TRACE(way);
        reopen();
        pick("cboPressUnitIn", "PSIA");
        messages.clear();
        type("txtPressIn", "12");
        if (way[0] == 'E') {
            list("cboTempUnitIn")->setFocus(Qt::MouseFocusReason);  // the check runs here
            QTest::keyClick(list("cboTempUnitIn"), Qt::Key_Escape);
        } else menuItem(way)->trigger();
        settle();
        EXPECT_EQ(childForms(), QStringList{"frmINTRO"});
        EXPECT_TRUE(messages.size() == 1 && messages[0].text.startsWith(kVacuumNote));
    }
}

// Help and About show their boxes modally; Size Liquid Meter lands on the
// intro screen; Exit with several windows open leaves none and asks nothing.
TEST_F(InputScreen, HelpAboutSizeLiquidAndExit) {
    for (const char* item : {"mnuHelp", "mnuAbout"}) menuItem(item)->trigger();
    EXPECT_EQ(modalsShown, (std::vector<QString>{"frmHelp", "frmAbout"}));
    menuItem("mnuSizeLiquid")->trigger();
    settle();
    EXPECT_EQ(std::tuple(childForms(), S.SizingType),
              std::tuple(QStringList{"frmINTRO"}, std::string("LIQUID")));
    reopen();
    findMeter();
    menuItem("mnuExit")->trigger();
    settle();
    EXPECT_TRUE(Shell::instance().loadedForms().isEmpty() && messages.empty());
}

// Ctrl+C copies in a text box; on a list or a button Ctrl+C and Ctrl+X are
// the Close and Exit shortcuts.
TEST_F(InputScreen, CtrlCCopiesInATextBoxAndCtrlCAndCtrlXCloseOrExitElsewhere) {
    const struct { const char* control; Qt::Key key; const char* clipboard; QStringList forms; } cases[] = {
        {"txtCustomerIn", Qt::Key_C, "Quorin Dynarel Inc.", {"frmInputScrn"}},
        {"cboFlowUnitIn", Qt::Key_C, "before", {"frmINTRO"}},
        {"cmdClose", Qt::Key_X, "before", {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        reopen();
        QApplication::clipboard()->setText("before");
        QWidget* w = control(input_, c.control);
        w->setFocus(Qt::MouseFocusReason);
        if (auto* b = qobject_cast<QLineEdit*>(w)) b->selectAll();
        QTest::keyClick(w, c.key, Qt::ControlModifier);
        settle();
        EXPECT_EQ(std::tuple(QApplication::clipboard()->text(), Shell::instance().loadedForms()),
                  std::tuple(c.clipboard, c.forms));
    }
}

}  // namespace
}  // namespace quorin::test
