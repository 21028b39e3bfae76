// The gas/steam results screen as the user meets it: opened by Find Meter on
// the input screen and tiled below it, showing the meters, ranges and notes,
// and gone again after Close, its title bar, or a click back into the input
// screen, with the four range flags cleared.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <ostream>

#include "support/FormTest.h"

namespace quorin::test {
namespace {

class GasResults : public FormTest {
protected:
    GasResults() : FormTest("frmInputScrn", "frmResults") {}

    // Enters an air case on the input screen and presses Find Meter.
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
        control<QPushButton>(input_, "cmdCalcFlow")->click();
        settle();
        ASSERT_TRUE(Shell::instance().isLoaded(results_));
    }
    void closeResults() {
        control<QPushButton>(results_, "cmdClose")->click();
        settle();
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

const QStringList kNoNotes;

TEST_F(GasResults, WaferCaseAt100Psig) {
    sizeCase("100", "70", "2.067", "100");
    EXPECT_EQ(rows("lstMeter"), QStringList{"QWG20"});
    EXPECT_EQ(rows("lstFlowLow"), QStringList{"5.0"});
    EXPECT_EQ(rows("lstFlowHi"), QStringList{"200.0"});
    EXPECT_EQ(rows("lstErrorBox"), kNoNotes);
    EXPECT_EQ(control<QLineEdit>(results_, "txtDensity")->text(), "0.5845  lbs/ft\u00B3");
    EXPECT_EQ(control<QLineEdit>(results_, "txtAcfm")->text(), "100.00");
    EXPECT_EQ(childForms(), (QStringList{"frmInputScrn", "frmResults"}));
    EXPECT_EQ(menuBarText(), "File|Print");
    EXPECT_EQ(beeps, 0);
}

TEST_F(GasResults, WaferCaseAt250PsigAndJustAbove) {
    sizeCase("250", "70", "2.067", "100");
    EXPECT_EQ(rows("lstFlowHi"), QStringList{"112.3"});
    EXPECT_EQ(rows("lstErrorBox"), kNoNotes);
    closeResults();
    sizeCase("250.1", "70", "2.067", "100");
    EXPECT_EQ(rows("lstErrorBox"), QStringList{"**Pressure out of range"});
    EXPECT_EQ(flags(), "0100");
    EXPECT_EQ(beeps, 1);
}

TEST_F(GasResults, InsertionCaseAndTheLowerRangeWarning) {
    sizeCase("100", "70", "6", "1600");
    EXPECT_EQ(rows("lstMeter"), (QStringList{"QNG", "QNS"}));
    EXPECT_EQ(rows("lstFlowLow"), (QStringList{"23.56", "54.39"}));
    EXPECT_EQ(rows("lstFlowHi"), (QStringList{"1649.34", "2179.48"}));
    closeResults();
    sizeCase("100", "70", "6", "250");
    EXPECT_EQ(rows("lstErrorBox"),
              (QStringList{"Warning:  Please note the maximum flow entered will be",
                           "                    operating in the lower 15% range of the QNG meter.",
                           "Warning:  Please note the maximum flow entered will be",
                           "                    operating in the lower 15% range of the QNS meter."}));
}

// QWG20 shows 5.0 to 200.0 ACFM at 100 psig in a 2.067 in line: the warning
// starts below 5 + 0.15 x (200 - 5) = 34.25 ACFM.
TEST_F(GasResults, LowerRangeWarningAtAndJustBelowTheThreshold) {
    const struct {
        const char* flow;
        QStringList notes;
    } cases[] = {
        {"34.25", kNoNotes},
        {"34.24",
         {"Warning:  Please note the maximum flow entered will be",
          "                    operating in the lower 15% range of the QWG20 meter."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flow);
        sizeCase("100", "70", "2.067", c.flow);
        ASSERT_EQ(rows("lstMeter"), QStringList{"QWG20"});
        const double low = rows("lstFlowLow").value(0).toDouble();
        const double high = rows("lstFlowHi").value(0).toDouble();
        EXPECT_EQ(low + 0.15 * (high - low), 34.25);
        EXPECT_EQ(rows("lstErrorBox"), c.notes);
        EXPECT_EQ(beeps, 0);  // a warning does not beep
        closeResults();
    }
}

TEST_F(GasResults, NothingFitsBeepsOnce) {
    sizeCase("100", "70", "0.75", "100");
    EXPECT_TRUE(rows("lstMeter").isEmpty());
    EXPECT_EQ(rows("lstErrorBox"), QStringList{"**No meters fit parameters"});
    EXPECT_EQ(beeps, 1);
}

TEST_F(GasResults, ReferenceTemperatureNoteAt40Celsius) {
    pick("cboTempRefUnitIn", "deg C");
    type("txtTempRefIn", "40");
    leave();
    sizeCase("100", "70", "2.067", "100");
    EXPECT_EQ(rows("lstErrorBox"), QStringList{"**Reference Temperature out of range"});
}

TEST_F(GasResults, AreTiledBelowTheInputScreenFullWidthEqualHeight) {
    sizeCase("100", "70", "2.067", "100");
    const QRect area = parent->mdiArea()->viewport()->rect();
    const QRect input = windowOf("frmInputScrn")->geometry();
    const QRect results = windowOf("frmResults")->geometry();
    EXPECT_EQ(input, QRect(0, 0, area.width(), area.height() / 2));
    EXPECT_EQ(results, QRect(0, area.height() / 2, area.width(), area.height() / 2));
}

// 250.1 psig and 200 ACFM: the pressure note and a Reynolds number of about
// 178,000 in the QWG20 raise two of the four flags.
TEST_F(GasResults, AMouseClickIntoTheInputScreenClosesThemAndClearsTheFlags) {
    sizeCase("250.1", "70", "2.067", "200");
    ASSERT_EQ(flags(), "0101");
    QTest::mouseClick(box("txtTagNoIn"), Qt::LeftButton);
    settle();
    EXPECT_FALSE(Shell::instance().isLoaded(results_));
    EXPECT_EQ(flags(), "0000");
    EXPECT_EQ(childForms(), QStringList{"frmInputScrn"});
    EXPECT_EQ(focused(), "txtTagNoIn");
    EXPECT_EQ(menuBarText(), "File|Tools|Help|About");
}

TEST_F(GasResults, ActivatingTheInputScreenClosesThem) {
    sizeCase("250.1", "70", "2.067", "100");
    ASSERT_EQ(flags(), "0100");
    parent->mdiArea()->setActiveSubWindow(windowOf("frmInputScrn"));
    settle();
    EXPECT_FALSE(Shell::instance().isLoaded(results_));
    EXPECT_EQ(flags(), "0000");
    EXPECT_EQ(childForms(), QStringList{"frmInputScrn"});
}

TEST_F(GasResults, AModalDialogDoesNotCloseThem) {
    sizeCase("100", "70", "2.067", "100");
    Shell::instance().showModal("frmAbout");
    settle();
    EXPECT_TRUE(Shell::instance().isLoaded(results_));
}

TEST_F(GasResults, CloseReturnsToTheFirstField) {
    sizeCase("250.1", "70", "2.067", "100");
    closeResults();
    EXPECT_FALSE(Shell::instance().isLoaded(results_));
    EXPECT_EQ(flags(), "0000");
    EXPECT_EQ(focused(), "txtCustomerIn");
}

// The title-bar close of either window does what its Close command does.
TEST_F(GasResults, TitleBarCloseOfEitherWindow) {
    const struct {
        const char* window;
        QStringList childrenAfter;
        const char* focusAfter;
    } cases[] = {
        {"frmResults", {"frmInputScrn"}, "txtCustomerIn"},
        {"frmInputScrn", {"frmINTRO"}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        if (!Shell::instance().isLoaded(input_)) Shell::instance().showChild(input_);
        settle();
        sizeCase("250.1", "70", "2.067", "100");
        ASSERT_EQ(flags(), "0100");
        windowOf(c.window)->close();
        settle();
        EXPECT_EQ(childForms(), c.childrenAfter);
        EXPECT_FALSE(Shell::instance().isLoaded(results_));
        EXPECT_EQ(flags(), "0000");
        if (c.focusAfter) {
            EXPECT_EQ(focused(), c.focusAfter);
        }
        EXPECT_TRUE(messages.empty());
    }
}

// Object name, caption, shortcut, enabled, shown; "-" is a separator.
QStringList menuRows(const QMenuBar* bar) {
    QStringList rows;
    auto row = [&rows](const QAction* a) {
        const QString caption = a->isSeparator() ? "-" : a->text();
        rows << QStringList{a->objectName(), caption,
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

TEST_F(GasResults, TheirMenus) {
    sizeCase("100", "70", "2.067", "100");
    EXPECT_EQ(menuRows(parent->menuBar()), (QStringList{
                                               "mnuFile|File||enabled|shown",
                                               "mnuSaveFile|Save|Ctrl+S|enabled|shown",
                                               "mnuClose|Close|Ctrl+C|enabled|shown",
                                               "mnuPrint|Print||enabled|shown",
                                           }));
    // The menu Close unloads the screen and clears the flags, without moving
    // the focus to the input screen.
    QAction* close = control<QAction>(results_, "mnuClose");
    ASSERT_NE(close, nullptr);
    shared().TempRangeFlag = 1;
    close->trigger();
    settle();
    EXPECT_FALSE(Shell::instance().isLoaded(results_));
    EXPECT_EQ(flags(), "0000");
    EXPECT_EQ(childForms(), QStringList{"frmInputScrn"});
}

}  // namespace
}  // namespace quorin::test
