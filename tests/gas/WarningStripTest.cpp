// The warning strips of the gas/steam input and results screens: refreshed
// after every commit, the saturation fix typed and committed (the warnings are
// the core's; the liquid screens share the strip and the refresh).
#include <QLabel>

#include "support/FormTest.h"

namespace quorin::test {
namespace {

class GasWarnings : public FormTest {
protected:
    GasWarnings() : FormTest("frmInputScrn", "frmResults") {}
    QWidget* strip() const { return control(input_, "warningStrip"); }
};

TEST_F(GasWarnings, CommitShowsTheWarningAndTheCorrectionHidesIt) {
    EXPECT_TRUE(strip()->isHidden());
    type("txtFlowRateIn", "0");
    enter("txtFlowRateIn");
    EXPECT_FALSE(strip()->isHidden());
    type("txtFlowRateIn", "1600");
    enter("txtFlowRateIn");
    EXPECT_TRUE(strip()->isHidden());
}

// Steam at 0 PSIG and 70 deg F: the fix types 212 and runs the temperature chain.
TEST_F(GasWarnings, UseSaturationTemperatureTypesItAndRunsTheChain) {
    pick("cboMediaIn", "STEAM (SATURATED)");
    auto* fix = control<QPushButton>(input_, "cmdUseSaturation");
    ASSERT_FALSE(fix->isHidden());
    fix->click();
    EXPECT_EQ(box("txtTempIn")->text(), "212");
    EXPECT_EQ(shared().TempDegR, 671.67f);
    EXPECT_TRUE(strip()->isHidden());
}

TEST_F(GasWarnings, ResultsShowTheWarningsInTheNotesGroup) {
    pick("cboMediaIn", "STEAM (SATURATED)");
    findMeter();
    auto* strip = control(results_, "warningStrip");
    EXPECT_EQ(strip->parentWidget(), control(results_, "lstErrorBox")->parentWidget());
    EXPECT_TRUE(control<QLabel>(results_, "warningStripText")->text().startsWith("Steam at 70 deg F"));
    EXPECT_FALSE(strip->isHidden());
}

}  // namespace
}  // namespace quorin::test
