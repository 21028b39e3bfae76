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

    // Enters an air case at 70 deg F and presses Find Meter.
    void sizeCase(const char* psig, const char* flow, const char* pipe = "2.067") {
        fill("txtPressIn", psig);
        fill("txtPipeSizeIn", pipe);
        fill("txtFlowRateIn", flow);
        findMeter();
    }
    // The input screen's window (0) and the results' (1).
    QMdiSubWindow* window(int k) const {
        return parent->mdiArea()->subWindowList(QMdiArea::CreationOrder)[k];
    }
    // FlowRangeFlag, PressRangeFlag, TempRangeFlag, ReyRangeFlag as "0101".
    static std::string flags() {
        const auto& S = shared();
        return std::to_string(S.FlowRangeFlag) + std::to_string(S.PressRangeFlag) +
               std::to_string(S.TempRangeFlag) + std::to_string(S.ReyRangeFlag);
    }
};

QStringList lowRangeWarning(const QString& code) {
    return {"Warning:  Please note the maximum flow entered will be",
            "                    operating in the lower 15% range of the " + code + " meter."};
}

// Worked cases of air at 70 deg F (the results text files pin their ranges):
// QWG20 shows 5.0 to 200.0 ACFM at 100 psig in a 2.067 in line, so its
// low-range warning starts below 5 + 0.15 x (200 - 5) = 34.25 ACFM. A note
// beeps and keeps its flag; a warning does neither.
TEST_F(GasResults, ShowTheMetersWithTheirWarningsAndNotes) {
    const struct {
        const char *psig, *flow, *pipe;
        QStringList meters, notes;
        int beeps;
        const char* flags;
    } cases[] = {
        {"100", "34.25", "2.067", {"QWG20"}, {}, 0, "0000"},
        {"100", "34.24", "2.067", {"QWG20"}, lowRangeWarning("QWG20"), 0, "0000"},
        {"250.1", "100", "2.067", {"QWG20"}, {"**Pressure out of range"}, 1, "0100"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.psig << " psig, " << c.flow << " ACFM");
        beeps = 0;
        sizeCase(c.psig, c.flow, c.pipe);
        EXPECT_EQ(std::tuple(rows("lstMeter"), rows("lstErrorBox"), beeps, flags()),
                  std::tuple(c.meters, c.notes, c.beeps, std::string(c.flags)));
        closeResults();
    }
}

// The screen has its own menus; a modal dialog opening over it does not
// close it (RangeChartScreenTest checks the tiling).
TEST_F(GasResults, HaveTheirOwnMenusAndStayUnderAModalDialog) {
    sizeCase("100", "100");
    EXPECT_EQ(menuBarText(), "File|Print|Print Preview…|Export PDF…|Picture");
    Shell::instance().showModal("frmAbout");
    settle();
    EXPECT_TRUE(Shell::instance().isLoaded(results_));
}

// 250.1 psig and 200 ACFM raise the pressure and Reynolds flags. Every way
// of closing clears them; Close returns to the first field, a click into the
// input screen leaves the focus where it lands, and the input screen's own
// title bar returns to the intro screen.
TEST_F(GasResults, EveryWayOfClosingClearsTheFlags) {
    const struct { const char* way; const char* formAfter; const char* focusAfter; } cases[] = {
        {"click into the input screen", "frmInputScrn", "txtTagNoIn"},
        {"Close", "frmInputScrn", "txtCustomerIn"},
        {"menu Close", "frmInputScrn", nullptr},
        {"title bar", "frmInputScrn", "txtCustomerIn"},
        {"input screen's title bar", "frmINTRO", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way);
        sizeCase("250.1", "200");
        ASSERT_EQ(flags(), "0101");
        const std::string way = c.way;
        if (way == "click into the input screen") QTest::mouseClick(box("txtTagNoIn"), Qt::LeftButton);
        if (way == "Close") closeResults();
        if (way == "menu Close") menuItem("mnuClose", results_)->trigger();
        if (way == "title bar") window(1)->close();
        if (way == "input screen's title bar") window(0)->close();
        settle();
        EXPECT_EQ(std::tuple(childForms(), flags()),
                  std::tuple(QStringList{c.formAfter}, std::string("0000")));
        if (c.focusAfter) { EXPECT_EQ(focused(), c.focusAfter); }
    }
}

}  // namespace
}  // namespace quorin::test
