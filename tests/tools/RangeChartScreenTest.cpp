// The standard meter range chart as the user meets it: opened from the gas
// and liquid input screens and the liquid results, its six columns scrolled
// as one, and gone again as soon as another window becomes active. Its rows
// are the core's (RangeChartTest).
#include <QLabel>
#include <QScrollBar>

#include "support/FormTest.h"

namespace quorin::test {
namespace {

constexpr const char* kChart = "frmStdMeterRange";
const char* const kColumns[] = {"lstMeter",   "lstDescription", "lstMinFlow",
                                "lstMaxFlow", "lstMinSteam",    "lstMaxSteam"};

class RangeChartScreen : public UiTest {
protected:
    // Chooses the workflow on the intro screen, presses Find Meter for the
    // results screen's menu, and opens the chart from the menu item.
    void open(const std::string& menuForm = "frmInputScrn", const char* item = "mnuMeterRange") {
        control<QPushButton>("frmINTRO", menuForm == "frmInputScrn" ? "cmdGasSteam" : "cmdLiquid")->click();
        settle();
        if (menuForm == "frmLqdResults") {
            control<QPushButton>("frmLqdInput", "cmdCalcFlow")->click();
            settle();
        }
        control<QAction>(QString::fromStdString(menuForm), item)->trigger();
        settle();
        ASSERT_TRUE(Shell::instance().isLoaded(kChart));
    }
    QListWidget* column(const char* name) const { return control<QListWidget>(kChart, name); }
    QWidget* windowOf(const char* form) const { return Shell::instance().find(form)->parentWidget(); }
};

// Each menu opens its chart (told by its reference line) after the screens
// already there, active; every column holds the chart's rows.
TEST_F(RangeChartScreen, OpensTheChartOfTheMenuBelowItsScreen) {
    const struct { const char *menuForm, *item, *ref; int rows; } cases[] = {
        {"frmInputScrn", "mnuMeterRange", "Based on 60 degF and 14.7 psia", 31},
        {"frmLqdInput", "mnuStdMtrRng", "Based on 50 degF and 1 cSt", 10},
        {"frmLqdResults", "mnuAllMtrRng", "Based on 70 degF 1.12 Cp", 12}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        if (&c != &cases[0]) restart();  // a fresh program for each menu
        open(c.menuForm, c.item);
        EXPECT_EQ(control<QLabel>(kChart, "lblRef")->text(), c.ref);
        for (const char* name : kColumns) EXPECT_EQ(column(name)->count(), c.rows) << name;
        EXPECT_EQ(std::tuple(childForms().last(), parent->mdiArea()->activeSubWindow()),
                  std::tuple(kChart, windowOf(kChart)));
    }
}

// Every way of leaving the chart (a click into the input screen, Close, Esc,
// the menu's Close, the title bar) unloads it; the chart takes the keyboard
// when it opens, so Esc closes it at once.
TEST_F(RangeChartScreen, UnloadsWhenClosedOrWhenAnotherWindowIsActivated) {
    open();
    for (const std::string way : {"click", "Close", "Esc", "menu Close", "title bar"}) {
        SCOPED_TRACE(way);
        if (!Shell::instance().isLoaded(kChart)) {
            control<QAction>("frmInputScrn", "mnuMeterRange")->trigger();
            settle();
        }
        if (way == "click") QTest::mouseClick(control<QWidget>("frmInputScrn", "txtTagNoIn"), Qt::LeftButton);
        if (way == "Close") control<QPushButton>(kChart, "cmdClose")->click();
        if (way == "Esc") QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        if (way == "menu Close") control<QAction>(kChart, "mnuClose")->trigger();
        if (way == "title bar") windowOf(kChart)->close();
        settle();
        EXPECT_EQ(std::tuple(Shell::instance().isLoaded(kChart), childForms()),
                  std::tuple(false, QStringList{"frmInputScrn"}));
    }
}

// The one scroll bar moves every column, so the six read as one table.
TEST_F(RangeChartScreen, OneScrollBarMovesEveryColumn) {
    open();
    QScrollBar* bar = column("lstMaxSteam")->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0) << "the tiled chart should need scrolling";
    bar->setValue(bar->maximum());
    for (const char* name : kColumns)
        EXPECT_EQ(column(name)->verticalScrollBar()->value(), bar->maximum()) << name;
}

}  // namespace
}  // namespace quorin::test
