// The standard meter range chart as the user meets it: opened from the gas
// and liquid input screens and the liquid results, tiled below the screen
// that opened it, its six columns in line, and gone again as soon as another
// window becomes active.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "support/UiFixture.h"

namespace quorin::test {
namespace {

constexpr const char* kChart = "frmStdMeterRange";
const char* const kColumns[] = {"lstMeter",   "lstDescription", "lstMinFlow",
                                "lstMaxFlow", "lstMinSteam",    "lstMaxSteam"};

enum class From { Gas, Liquid, LiquidResults };

class RangeChartScreen : public UiTest {
protected:
    // Chooses the workflow on the intro screen and opens the chart from the
    // menu the user would use.
    void open(From from) {
        const bool gas = from == From::Gas;
        control<QPushButton>("frmINTRO", gas ? "cmdGasSteam" : "cmdLiquid")->click();
        settle();
        input_ = gas ? "frmInputScrn" : "frmLqdInput";
        if (from == From::LiquidResults) {
            control<QPushButton>(input_, "cmdCalcFlow")->click();
            settle();
        }
        const char* menuForm = from == From::LiquidResults ? "frmLqdResults" : input_;
        const char* item = gas ? "mnuMeterRange" : from == From::Liquid ? "mnuStdMtrRng" : "mnuAllMtrRng";
        QAction* a = control<QAction>(menuForm, item);
        ASSERT_NE(a, nullptr) << item;
        ASSERT_TRUE(a->isEnabled()) << item;
        a->trigger();
        settle();
        ASSERT_TRUE(Shell::instance().isLoaded(kChart));
    }
    QListWidget* column(const char* name) const { return control<QListWidget>(kChart, name); }
    QStringList rows(const char* name) const {
        QStringList texts;
        if (QListWidget* l = column(name))
            for (int k = 0; k < l->count(); ++k) texts << l->item(k)->text();
        return texts;
    }
    QMdiSubWindow* windowOf(const QString& form) const {
        for (QMdiSubWindow* w : parent->mdiArea()->subWindowList())
            if (w->widget() && w->widget()->objectName() == form) return w;
        return nullptr;
    }

    const char* input_ = nullptr;
};

// Each menu opens its chart (told by its reference line) below the screens
// already there, active, with the chart's own File menu; every column holds
// the same number of rows.
TEST_F(RangeChartScreen, OpensTheChartOfTheMenuBelowItsScreen) {
    const struct {
        From from;
        QStringList children;
        int rowCount;
        const char* ref;
    } cases[] = {
        {From::Gas, {"frmInputScrn", kChart}, 31, "Based on 60 degF and 14.7 psia"},
        {From::Liquid, {"frmLqdInput", kChart}, 10, "Based on 50 degF and 1 cSt"},
        {From::LiquidResults, {"frmLqdInput", "frmLqdResults", kChart}, 12, "Based on 70 degF 1.12 Cp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.from));
        if (&c != &cases[0]) {  // a fresh program for each menu
            TearDown();
            SetUp();
        }
        open(c.from);
        EXPECT_EQ(childForms(), c.children);
        EXPECT_EQ(control<QLabel>(kChart, "lblRef")->text(), c.ref);
        for (const char* name : kColumns) EXPECT_EQ(rows(name).size(), c.rowCount) << name;
        EXPECT_EQ(shared().SizingType, c.from == From::Gas ? "GAS" : "LIQUID");
        const QRect area = parent->mdiArea()->viewport()->rect();
        const int n = int(c.children.size()), h = area.height() / n;
        EXPECT_EQ(windowOf(kChart)->geometry(), QRect(0, (n - 1) * h, area.width(), h));
        EXPECT_EQ(parent->mdiArea()->activeSubWindow(), windowOf(kChart));
        EXPECT_EQ(menuRows(), (QStringList{"mnuFile|File||enabled|shown", "mnuClose|Close|Ctrl+C|enabled|shown"}));
    }
}

// Every way of leaving the chart unloads it and gives the input screen the
// whole area again; a modal dialog over it does not.
TEST_F(RangeChartScreen, UnloadsWhenClosedOrWhenAnotherWindowIsActivated) {
    open(From::Gas);
    // About opens over the chart and closes; the parent is active again.
    runDialog("frmAbout", [](QDialog&) {});
    parent->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(parent.get()));
    settle();
    EXPECT_EQ(parent->mdiArea()->activeSubWindow(), windowOf(kChart));
    for (const std::string way : {"click into the input screen", "Close", "Esc", "menu Close", "title bar"}) {
        SCOPED_TRACE(way);
        if (!Shell::instance().isLoaded(kChart)) {
            control<QAction>(input_, "mnuMeterRange")->trigger();
            settle();
        }
        if (way == "click into the input screen")
            QTest::mouseClick(control<QWidget>(input_, "txtTagNoIn"), Qt::LeftButton);
        if (way == "Close") control<QPushButton>(kChart, "cmdClose")->click();
        if (way == "Esc") QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        if (way == "menu Close") control<QAction>(kChart, "mnuClose")->trigger();
        if (way == "title bar") windowOf(kChart)->close();
        settle();
        EXPECT_FALSE(Shell::instance().isLoaded(kChart));
        EXPECT_EQ(childForms(), QStringList{"frmInputScrn"});
        EXPECT_EQ(windowOf("frmInputScrn")->geometry(), parent->mdiArea()->viewport()->rect());
    }
}

// The six columns read as one table: the same rows at the same heights,
// scrolled together by the one scroll bar, each wide enough for its texts.
TEST_F(RangeChartScreen, ColumnsLineUpRowByRow) {
    open(From::Gas);
    QListWidget* last = column("lstMaxSteam");
    ASSERT_GT(last->verticalScrollBar()->maximum(), 0) << "the tiled chart should need scrolling";
    for (int at : {0, last->verticalScrollBar()->maximum()}) {
        SCOPED_TRACE(at);
        last->verticalScrollBar()->setValue(at);
        settle();
        for (int row : {0, 15, 30}) {
            auto placeOf = [row, this](const char* name) {
                QListWidget* l = column(name);
                const QRect r = l->visualItemRect(l->item(row));
                return std::pair(l->mapTo(parent.get(), QPoint(0, r.top())).y(), r.height());
            };
            for (const char* name : kColumns) EXPECT_EQ(placeOf(name), placeOf("lstMeter")) << name << " row " << row;
        }
    }
    // In a narrow window the chart scrolls sideways rather than cut a text.
    parent->resize(480, 768);
    settle();
    Shell::instance().arrangeChildren();
    settle();
    for (const char* name : kColumns) {
        QListWidget* l = column(name);
        EXPECT_EQ(l->horizontalScrollBar()->isVisible(), false) << name;
        for (int k = 0; k < l->count(); ++k)
            EXPECT_LE(l->fontMetrics().horizontalAdvance(l->item(k)->text()), l->viewport()->width())
                << name << " row " << k;
    }
}

}  // namespace
}  // namespace quorin::test
