// The gas/steam results screen as the user meets it: opened by Find Meter on
// the input screen and tiled below it, showing the meters, ranges and notes,
// and gone again after Close, its title bar, or a click back into the input
// screen, with the four range flags cleared.
#include "support/FormTest.h"

namespace quorin::test {
namespace {

class GasResults : public FormTest {
protected:
    GasResults() : FormTest("frmInputScrn", "frmResults") {}

    // Enters an air case on the input screen and presses Find Meter.
    void sizeCase(const char* psig, const char* degF, const char* pipe, const char* flow) {
        for (const auto& [name, text] : {std::pair{"txtPressIn", psig}, {"txtTempIn", degF},
                                         {"txtPipeSizeIn", pipe}, {"txtFlowRateIn", flow}})
            fill(name, text);
        pick("cboMediaIn", "AIR");
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

QStringList lowRangeWarning(const QString& code) {
    return {"Warning:  Please note the maximum flow entered will be",
            "                    operating in the lower 15% range of the " + code + " meter."};
}

// The worked cases of air at 70 deg F. QWG20 shows 5.0 to 200.0 ACFM at 100
// psig in a 2.067 in line: the warning starts below 5 + 0.15 x (200 - 5) =
// 34.25 ACFM. A note beeps, a warning does not. ("*": the range maximum at
// 250.1 psig is not checked here.)
TEST_F(GasResults, FindMeterShowsTheWorkedCases) {
    const struct {
        const char *psig, *pipe, *flow;
        bool refAt40C;
        QStringList meters, low, high, notes;
        int beeps;
        const char* flags;
    } cases[] = {
        {"100", "2.067", "100", false, {"QWG20"}, {"5.0"}, {"200.0"}, {}, 0, "0000"},
        {"250", "2.067", "100", false, {"QWG20"}, {"5.0"}, {"112.3"}, {}, 0, "0000"},
        {"250.1", "2.067", "100", false, {"QWG20"}, {"5.0"}, {"*"}, {"**Pressure out of range"}, 1, "0100"},
        {"100", "2.067", "34.25", false, {"QWG20"}, {"5.0"}, {"200.0"}, {}, 0, "0000"},
        {"100", "2.067", "34.24", false, {"QWG20"}, {"5.0"}, {"200.0"}, lowRangeWarning("QWG20"), 0, "0000"},
        {"100", "2.067", "5", false, {"QWG20"}, {"5.0"}, {"200.0"}, lowRangeWarning("QWG20"), 0, "0000"},
        {"100", "6", "1600", false, {"QNG", "QNS"}, {"23.56", "54.39"}, {"1649.34", "2179.48"}, {}, 0, "0000"},
        {"100", "6", "250", false, {"QNG", "QNS"}, {"23.56", "54.39"}, {"1649.34", "2179.48"},
         lowRangeWarning("QNG") + lowRangeWarning("QNS"), 0, "0000"},
        {"100", "0.75", "100", false, {}, {}, {}, {"**No meters fit parameters"}, 1, "0000"},
        {"100", "2.067", "100", true, {"QWG20"}, {"5.0"}, {"200.0"}, {"**Reference Temperature out of range"}, 1,
         "0000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.psig << " psig, " << c.pipe << " in, " << c.flow << " ACFM");
        beeps = 0;
        if (c.refAt40C) {
            pick("cboTempRefUnitIn", "deg C");
            fill("txtTempRefIn", "40");
        }
        sizeCase(c.psig, "70", c.pipe, c.flow);
        EXPECT_EQ(rows("lstMeter"), c.meters);
        EXPECT_EQ(rows("lstFlowLow"), c.low);
        if (c.high != QStringList{"*"}) {
            EXPECT_EQ(rows("lstFlowHi"), c.high);
        }
        EXPECT_EQ(rows("lstErrorBox"), c.notes);
        EXPECT_EQ(beeps, c.beeps);
        EXPECT_EQ(flags(), c.flags);
        closeResults();
    }
}

// Tiled below the input screen, full width, equal height; a modal dialog
// opening over them does not close them.
TEST_F(GasResults, AreTiledBelowTheInputScreenWithTheirOwnMenus) {
    sizeCase("100", "70", "2.067", "100");
    EXPECT_EQ(control<QLineEdit>(results_, "txtDensity")->text(), "0.5845  lbs/ft\u00B3");
    EXPECT_EQ(control<QLineEdit>(results_, "txtAcfm")->text(), "100.00");
    EXPECT_EQ(childForms(), (QStringList{"frmInputScrn", "frmResults"}));
    const QRect area = parent->mdiArea()->viewport()->rect();
    EXPECT_EQ(windowOf("frmInputScrn")->geometry(), QRect(0, 0, area.width(), area.height() / 2));
    EXPECT_EQ(windowOf("frmResults")->geometry(), QRect(0, area.height() / 2, area.width(), area.height() / 2));
    EXPECT_EQ(menuRows(), (QStringList{"mnuFile|File||enabled|shown", "mnuSaveFile|Save|Ctrl+S|enabled|shown",
                                       "mnuClose|Close|Ctrl+C|enabled|shown", "mnuPrint|Print||enabled|shown"}));
    Shell::instance().showModal("frmAbout");
    settle();
    EXPECT_TRUE(Shell::instance().isLoaded(results_));
}

// 250.1 psig and 200 ACFM: the pressure note and a Reynolds number of about
// 178,000 in the QWG20 raise two of the four flags. Every way of closing
// clears them; Close and the title bar return to the first field, a click
// into the input screen leaves the focus where it lands, and the input
// screen's own title bar returns to the intro screen.
TEST_F(GasResults, EveryWayOfClosingClearsTheFlags) {
    const struct { const char* way; QStringList childrenAfter; const char* focusAfter; } cases[] = {
        {"click into the input screen", {"frmInputScrn"}, "txtTagNoIn"},
        {"input screen activated", {"frmInputScrn"}, nullptr},
        {"Close", {"frmInputScrn"}, "txtCustomerIn"},
        {"menu Close", {"frmInputScrn"}, nullptr},
        {"title bar", {"frmInputScrn"}, "txtCustomerIn"},
        {"input screen's title bar", {"frmINTRO"}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way);
        sizeCase("250.1", "70", "2.067", "200");
        ASSERT_EQ(flags(), "0101");
        const std::string way = c.way;
        if (way == "click into the input screen") QTest::mouseClick(box("txtTagNoIn"), Qt::LeftButton);
        if (way == "input screen activated") parent->mdiArea()->setActiveSubWindow(windowOf("frmInputScrn"));
        if (way == "Close") closeResults();
        if (way == "menu Close") menuItem("mnuClose", results_)->trigger();
        if (way == "title bar") windowOf("frmResults")->close();
        if (way == "input screen's title bar") windowOf("frmInputScrn")->close();
        settle();
        EXPECT_FALSE(Shell::instance().isLoaded(results_));
        EXPECT_EQ(flags(), "0000");
        EXPECT_EQ(childForms(), c.childrenAfter);
        if (c.focusAfter) {
            EXPECT_EQ(focused(), c.focusAfter);
        }
        if (c.childrenAfter.front() == input_) {
            EXPECT_EQ(menuBarText(), "File|Tools|Help|About");
        }
        EXPECT_TRUE(messages.empty());
    }
}

}  // namespace
}  // namespace quorin::test
