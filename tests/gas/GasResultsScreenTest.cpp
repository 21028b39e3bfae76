// The gas/steam results screen as the user meets it: opened by Find Meter on
// the input screen and tiled below it, showing the meters, ranges and notes
// of the selection (whose figures the core tests own), and gone again after
// Close, its title bar, or a click back into the input screen, with the four
// range flags cleared.
#include "support/FormTest.h"

namespace quorin::test {
namespace {

class GasResults : public FormTest {
protected:
    GasResults() : FormTest("frmInputScrn", "frmResults") {}

    // Enters an air case at 70 deg F in a 2.067 in line and presses Find Meter.
    void sizeCase(const char* psig, const char* flow) {
        fill("txtPressIn", psig);
        fill("txtPipeSizeIn", "2.067");
        fill("txtFlowRateIn", flow);
        findMeter();
    }
    QMdiSubWindow* windowOf(const char* form) const {
        for (QMdiSubWindow* w : parent->mdiArea()->subWindowList())
            if (w->widget() && w->widget()->objectName() == form) return w;
        return nullptr;
    }
    // FlowRangeFlag, PressRangeFlag, TempRangeFlag, ReyRangeFlag as "0101".
    static std::string flags() {
        const auto& S = shared();
        return std::to_string(S.FlowRangeFlag) + std::to_string(S.PressRangeFlag) +
               std::to_string(S.TempRangeFlag) + std::to_string(S.ReyRangeFlag);
    }
};

// The lists show the selection; each note beeps and its flag is kept.
// Tiled below the input screen, full width, equal height, the screen has
// its own menus; a modal dialog opening over it does not close it.
TEST_F(GasResults, ShowTheSelectionTiledBelowTheInputScreen) {
    sizeCase("100", "100");
    EXPECT_EQ(std::tuple(rows("lstMeter"), rows("lstFlowLow"), rows("lstFlowHi"), rows("lstErrorBox"), beeps),
              std::tuple(QStringList{"QWG20"}, QStringList{"5.0"}, QStringList{"200.0"}, QStringList{}, 0));
    EXPECT_EQ(control<QLineEdit>(results_, "txtAcfm")->text(), "100.00");
    const QRect area = parent->mdiArea()->viewport()->rect();
    EXPECT_EQ(windowOf("frmInputScrn")->geometry(), QRect(0, 0, area.width(), area.height() / 2));
    EXPECT_EQ(windowOf("frmResults")->geometry(), QRect(0, area.height() / 2, area.width(), area.height() / 2));
    EXPECT_EQ(menuBarText(), "File|Print");
    Shell::instance().showModal("frmAbout");
    settle();
    EXPECT_TRUE(Shell::instance().isLoaded(results_));
    closeResults();

    sizeCase("250.1", "100");
    EXPECT_EQ(std::tuple(rows("lstErrorBox"), beeps, flags()),
              std::tuple(QStringList{"**Pressure out of range"}, 1, std::string("0100")));
}

// 250.1 psig and 200 ACFM raise the pressure and Reynolds flags. Every way
// of closing clears them; Close returns to the first field, a click into the
// input screen leaves the focus where it lands, and the input screen's own
// title bar returns to the intro screen.
TEST_F(GasResults, EveryWayOfClosingClearsTheFlags) {
    const struct { const char* way; const char* formAfter; const char* focusAfter; } cases[] = {
        {"click into the input screen", "frmInputScrn", "txtTagNoIn"}, {"Close", "frmInputScrn", "txtCustomerIn"},
        {"menu Close", "frmInputScrn", nullptr},  {"title bar", "frmInputScrn", "txtCustomerIn"},
        {"input screen's title bar", "frmINTRO", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way);
        sizeCase("250.1", "200");
        ASSERT_EQ(flags(), "0101");
        const std::string way = c.way;
        if (way == "click into the input screen") QTest::mouseClick(box("txtTagNoIn"), Qt::LeftButton);
        if (way == "Close") closeResults();
        if (way == "menu Close") menuItem("mnuClose", results_)->trigger();
        if (way == "title bar") windowOf("frmResults")->close();
        if (way == "input screen's title bar") windowOf("frmInputScrn")->close();
        settle();
        EXPECT_EQ(std::tuple(childForms(), flags()), std::tuple(QStringList{c.formAfter}, std::string("0000")));
        if (c.focusAfter) {
            EXPECT_EQ(focused(), c.focusAfter);
        }
        if (c.formAfter == std::string(input_)) {
            EXPECT_EQ(menuBarText(), "File|Tools|Help|About");
        }
        EXPECT_TRUE(messages.empty());
    }
}

}  // namespace
}  // namespace quorin::test
