// The liquid results screen and the back-pressure calculator, driven from
// the liquid input screen as a user does.
#include <QDate>
#include <QLabel>

#include "support/FormTest.h"

namespace quorin::test {
namespace {

class LiquidResults : public FormTest {
protected:
    LiquidResults() : FormTest("frmLqdInput", "frmLqdResults") {}

    // Water at 1 cP in the start-up line, at `gpm`.
    void waterAt(const char* gpm) {
        fill("txtViscIn", "1");
        fill("txtFlowRateIn", gpm);
        findMeter();
    }
    QString shown(const char* name) const { return control<QLineEdit>(results_, name)->text(); }
    QString label(const char* name) const { return control<QLabel>(results_, name)->text(); }
};

// Every box shows its text of the results computation (whose figures the
// core tests pin).
TEST_F(LiquidResults, ShowTheCaseTheFlowsAndTheFittingMeter) {
    waterAt("500");
    const LiquidResultsScreen v =
        liquidResultsScreen(modLqdResults(), QDate::currentDate().toString("MM-dd-yyyy").toStdString());
    ASSERT_EQ(v.customer, "");  // the empty customer box was left
    const std::pair<const char*, std::string> boxes[] = {
        {"txtDate", v.date},         {"txtCustomer", v.customer}, {"txtTagNo", v.tagNo},
        {"txtFlowRate", v.flowRate}, {"txtPipeSize", v.pipeSize}, {"txtPipeSizeIn", v.pipeSizeIn},
        {"txtPipeSizeMM", v.pipeSizeMM}, {"txtAreaSqFt", v.areaSqFt}, {"txtCustTemp", v.custTemp},
        {"txtTempF", v.tempF},       {"txtTempC", v.tempC},       {"txtMedia", v.media},
        {"txtOtherName", ""},        {"txtDensity", v.density},   {"txtDensPcft", v.densPcft},
        {"txtViscosity", v.viscosity}, {"txtViscCp", v.viscCp},   {"txtGPM", v.gpm},
        {"txtLPM", v.lpm},           {"txtCFM", v.cfm},           {"txtCuMtrHr", v.cuMtrHr},
        {"txtFPS", v.fps},           {"txtFPM", v.fpm},           {"txtMPS", v.mps},
        {"txtPPH", v.pph},           {"txtKgHr", v.kgHr},
        {"lblCFM", v.cfmLabel},      {"lblCuMtrHr", v.cuMtrHrLabel}, {"lblMinUnit", v.minUnit},
        {"lblMaxUnit", v.maxUnit}};
    for (const auto& [name, text] : boxes)
        EXPECT_EQ(name[0] == 't' ? shown(name) : label(name), QString::fromStdString(text)) << name;
    EXPECT_EQ(shown("txtGPM"), "500.00");
    EXPECT_EQ(rows("lstMeter"), QStringList{"QNL"});
    EXPECT_EQ(rows("lstFlowLow"), QStringList{"157.0"});
    EXPECT_EQ(rows("lstFlowHi"), QStringList{"1586.0"});
    EXPECT_TRUE(rows("lstErrorBox").isEmpty());
    EXPECT_EQ(beeps, 0);
    EXPECT_EQ(menuBarText(), "File|Tools|Print");
    EXPECT_EQ(Shell::instance().find(results_)->windowTitle(), " Liquid Calculation Results");
}

TEST_F(LiquidResults, NothingFitsBeepsOnce) {
    fill("txtTempIn", "301");
    waterAt("500");
    EXPECT_TRUE(rows("lstMeter").isEmpty());
    EXPECT_TRUE(rows("lstFlowLow").isEmpty());
    EXPECT_EQ(rows("lstErrorBox"), QStringList{"**No meters fit parameters"});
    EXPECT_EQ(beeps, 1);
}

// Close returns to the first box of the input screen, which fills the parent
// again; the menu's Close, the title bar and Esc unload the screen too.
TEST_F(LiquidResults, EveryWayOfClosingUnloadsIt) {
    for (const char* way : {"Close", "menu", "title bar", "Esc"}) {
        SCOPED_TRACE(way);
        waterAt("500");
        const std::string w = way;
        if (w == "Close") closeResults();
        if (w == "menu") menuItem("mnuClose", results_)->trigger();
        if (w == "title bar") parent->mdiArea()->subWindowList(QMdiArea::CreationOrder)[1]->close();
        if (w == "Esc") QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        settle();
        EXPECT_EQ(childForms(), QStringList{"frmLqdInput"});
        if (w == "Close") {
            EXPECT_EQ(focused(), "txtCustomerIn");
            EXPECT_EQ(parent->mdiArea()->subWindowList().first()->geometry(), parent->mdiArea()->viewport()->rect());
        }
    }
}

TEST_F(LiquidResults, MenusAndTheirCommands) {
    waterAt("500");
    const struct { const char* name; const char* caption; const char* shortcut; } items[] = {
        {"mnuSaveFile", "Save", "Ctrl+S"},
        {"mnuClose", "Close", "Ctrl+C"},
        {"mnuBackPrsCalc", "Back Pressure Calculation", ""},
        {"mnuMtrRange", "All Meter Ranges", ""},
        {"mnuAllMtrRng", "Display All Meter Ranges based on values entered", ""},
        {"mnuCancel", "Cancel", ""},
        {"mnuPrint", "Print", ""}};
    for (const auto& item : items) {
        SCOPED_TRACE(item.name);
        QAction* a = menuItem(item.name, results_);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), item.caption);
        EXPECT_EQ(a->shortcut(), QKeySequence(item.shortcut));
        EXPECT_TRUE(a->isEnabled());
    }
    menuItem("mnuCancel", results_)->trigger();
    menuItem("mnuBackPrsCalc", results_)->trigger();
    settle();
    EXPECT_EQ(modalsShown, std::vector<QString>{"frmLqdBackPrsCalc"});
    // The chart computed for the case opens beside the results, and leaves
    // the workflow at "LIQUID" for the next fixed chart.
    menuItem("mnuAllMtrRng", results_)->trigger();
    settle();
    EXPECT_EQ(childForms(), (QStringList{input_, results_, "frmStdMeterRange"}));
    EXPECT_EQ(shared().SizingType, "LIQUID");
}

// The calculator, shown and active, driven while it runs.
class BackPressure : public LiquidResults {
protected:
    void run(const std::function<void(QDialog&)>& drive) { runDialog("frmLqdBackPrsCalc", drive); }
    static QLineEdit* in(QDialog& d) { return d.findChild<QLineEdit*>("txtBackPressIn"); }
    static QString out(QDialog& d) { return d.findChild<QLineEdit*>("txtBackPressOut")->text(); }
    static void enterValue(QDialog& d, const QString& text) {
        in(d)->selectAll();
        if (text.isEmpty()) QTest::keyClick(in(d), Qt::Key_Delete);
        else QTest::keyClicks(in(d), text);
        QTest::keyClick(in(d), Qt::Key_Return);
    }
};

// Enter calculates, selects the entry and goes no further; text that is no
// number is refused.
TEST_F(BackPressure, EnterCalculatesAndRefusesWhatIsNoNumber) {
    run([this](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), " Liquid Back Pressure Calculation");
        EXPECT_EQ(in(d)->text(), ".30");
        EXPECT_EQ(in(d)->selectedText(), ".30");
        EXPECT_EQ(out(d), "5.0");
        EXPECT_EQ(shared().VaporPressPsia, 0.3f);
        const std::pair<const char*, const char*> cases[] = {{"50", "47.3"}, {"", "5.0"}, {"10", "7.3"}};
        for (const auto& [vapour, back] : cases) {
            enterValue(d, vapour);
            EXPECT_EQ(out(d), back) << vapour;
            EXPECT_EQ(d.focusWidget(), in(d)) << vapour;
            EXPECT_EQ(in(d)->selectedText(), in(d)->text()) << vapour;
            EXPECT_TRUE(d.isVisible()) << vapour;
        }
        enterValue(d, "1O");
        EXPECT_EQ(in(d)->text(), "10");
        EXPECT_EQ(out(d), "7.3");
        EXPECT_EQ(beeps, 1);
        EXPECT_TRUE(messages.empty());
    });
    EXPECT_EQ(shared().VaporPressPsia, 10);
    EXPECT_EQ(Format(shared().BackPressPsig, "0.0#"), "7.3");  // kept after the window closed
    EXPECT_FALSE(Shell::instance().isLoaded("frmLqdBackPrsCalc"));
}

TEST_F(BackPressure, AClickCalculatesAndLeavingDoesNot) {
    run([](QDialog& d) {
        in(d)->selectAll();
        QTest::keyClicks(in(d), "50");
        d.findChild<QWidget*>("cmdClose")->setFocus(Qt::MouseFocusReason);
        EXPECT_EQ(out(d), "5.0");
        QTest::mouseClick(in(d), Qt::LeftButton);
        EXPECT_EQ(out(d), "47.3");
    });
}

TEST_F(BackPressure, CloseAndEscapeUnloadIt) {
    for (const char* way : {"cmdClose", "Esc"}) {
        bool closed = false;
        run([&](QDialog& d) {
            if (std::string(way) == "Esc") QTest::keyClick(in(d), Qt::Key_Escape);
            else QTest::mouseClick(d.findChild<QWidget*>("cmdClose"), Qt::LeftButton);
            closed = !Shell::instance().isLoaded("frmLqdBackPrsCalc");
        });
        EXPECT_TRUE(closed) << way;
    }
}

}  // namespace
}  // namespace quorin::test
