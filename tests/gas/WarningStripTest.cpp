// The warning strips of the gas/steam input and results screens: refreshed
// after every commit, the saturation fix typed and committed (the warnings are
// the core's; the liquid screens share the strip and the refresh).
#include <QLabel>
#include <QScrollArea>

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

// Two warning lines over the notes leave the tiled results showing the whole
// range picture without scrolling, as without them.
TEST_F(GasWarnings, TheWarningsLeaveTheWholePictureInView) {
    pick("cboMediaIn", "STEAM (SATURATED)");
    fill("txtAtmoPressIn", "0");
    findMeter();
    settle();
    auto* area = control<QScrollArea>(results_, "scrollArea");
    QWidget* pic = control(results_, "picRange");
    const QRect shown(pic->mapTo(area->viewport(), QPoint(0, 0)), pic->size());
    EXPECT_TRUE(area->viewport()->rect().contains(shown)) << shown.bottom() << " below " << area->height();
}

}  // namespace
}  // namespace quorin::test
