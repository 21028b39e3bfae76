// The liquid results screen and the back-pressure calculator, driven from
// the liquid input screen as a user does.
#include <QAction>
#include <QDate>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <ostream>

#include "support/FormTest.h"

namespace quorin::test {
namespace {

const QString kCubed = QString::fromUtf8("\u00B3");
const QString kDegree = QString::fromUtf8("\u00B0");

class LiquidResults : public FormTest {
protected:
    LiquidResults() : FormTest("frmLqdInput", "frmLqdResults") {}

    // Water at 1 cP in the start-up line, at `gpm`.
    void waterAt(const char* gpm) {
        type("txtViscIn", "1");
        leave();
        type("txtFlowRateIn", gpm);
        leave();
        control<QPushButton>(input_, "cmdCalcFlow")->click();
        settle();
        ASSERT_TRUE(Shell::instance().isLoaded(results_));
    }
    QString shown(const char* name) const { return control<QLineEdit>(results_, name)->text(); }
    QString label(const char* name) const { return control<QLabel>(results_, name)->text(); }
    QAction* resultsItem(const char* name) const {
        QWidget* form = Shell::instance().find(results_);
        return form ? form->findChild<QAction*>(name) : nullptr;
    }
};

TEST_F(LiquidResults, ShowTheCaseTheFlowsAndTheFittingMeter) {
    waterAt("500");
    const std::pair<const char*, QString> boxes[] = {
        {"txtDate", QDate::currentDate().toString("MM-dd-yyyy")},
        {"txtCustomer", ""},  // the empty customer box was left
        {"txtTagNo", "Quorin Vortex Flow Meter"},
        {"txtFlowRate", "500  GPM"},
        {"txtPipeSize", "6  Inches"},
        {"txtPipeSizeIn", ""},
        {"txtPipeSizeMM", "152.4  Millimeters"},
        {"txtAreaSqFt", "0.1963  Area Square Feet"},
        {"txtCustTemp", "70.0  " + kDegree + "F"},
        {"txtTempF", ""},
        {"txtTempC", "21.11  " + kDegree + "C"},
        {"txtMedia", "WATER"},
        {"txtOtherName", ""},
        {"txtDensity", ""},
        {"txtDensPcft", "62.3663  lbs/ft" + kCubed},
        {"txtViscosity", " "},
        {"txtViscCp", "1.0  cP"},
        {"txtGPM", "500.00"},
        {"txtLPM", "1892.71"},
        {"txtCFM", "66.84"},
        {"txtCuMtrHr", "113.56"},
        {"txtFPS", "5.67"},
        {"txtFPM", "340.41"},
        {"txtMPS", "1.73"},
        {"txtPPH", "250114.83"},
        {"txtKgHr", "113446.93"},
    };
    for (const auto& [name, text] : boxes) EXPECT_EQ(shown(name), text) << name;
    EXPECT_EQ(label("lblCFM"), "Flow in ft" + kCubed + "/min:");
    EXPECT_EQ(label("lblCuMtrHr"), "Flow in m" + kCubed + "/hr:");
    EXPECT_EQ(label("lblMinUnit"), "GPM");
    EXPECT_EQ(label("lblMaxUnit"), "GPM");
    EXPECT_EQ(rows("lstMeter"), QStringList{"QNL"});
    EXPECT_EQ(rows("lstFlowLow"), QStringList{"157.0"});
    EXPECT_EQ(rows("lstFlowHi"), QStringList{"1586.0"});
    EXPECT_TRUE(rows("lstErrorBox").isEmpty());
    EXPECT_EQ(beeps, 0);
    EXPECT_EQ(menuBarText(), "File|Tools|Print");
    EXPECT_EQ(Shell::instance().find(results_)->windowTitle(), " Liquid Calculation Results");
}

TEST_F(LiquidResults, WarnInTheLowest15PercentOfTheRange) {
    waterAt("300");  // 157 + 0.15 x 1429 = 371.35
    EXPECT_EQ(rows("lstErrorBox"),
              (QStringList{"Warning:  Please note the maximum flow entered will be",
                           "                    operating in the lower 15% range of the QNL meter."}));
    control<QPushButton>(results_, "cmdClose")->click();
    settle();
    waterAt("400");
    EXPECT_TRUE(rows("lstErrorBox").isEmpty());
}

TEST_F(LiquidResults, NothingFitsBeepsOnce) {
    type("txtTempIn", "301");
    leave();
    waterAt("500");
    EXPECT_TRUE(rows("lstMeter").isEmpty());
    EXPECT_TRUE(rows("lstFlowLow").isEmpty());
    EXPECT_EQ(rows("lstErrorBox"), QStringList{"**No meters fit parameters"});
    EXPECT_EQ(beeps, 1);
}

TEST_F(LiquidResults, RangesInMetricTonsCarryTheShortUnit) {
    pick("cboFlowUnit", "Metric Tons/Hr");
    waterAt("113");
    EXPECT_EQ(label("lblMinUnit"), "T/Hr");
    EXPECT_EQ(label("lblMaxUnit"), "T/Hr");
    EXPECT_EQ(shown("txtFlowRate"), "113  Metric Tons/Hr");
    EXPECT_EQ(rows("lstMeter"), QStringList{"QNL"});
}

TEST_F(LiquidResults, CloseButtonReturnsToTheFirstBox) {
    waterAt("500");
    control<QPushButton>(results_, "cmdClose")->click();
    settle();
    EXPECT_EQ(childForms(), QStringList{"frmLqdInput"});
    EXPECT_EQ(focused(), "txtCustomerIn");
    // The input screen fills the parent again.
    EXPECT_EQ(parent->mdiArea()->subWindowList().first()->geometry(),
              parent->mdiArea()->viewport()->rect());
}

TEST_F(LiquidResults, MenuCloseTitleBarCloseAndEscapeUnload) {
    for (const char* way : {"menu", "title bar", "Esc"}) {
        SCOPED_TRACE(way);
        waterAt("500");
        const std::string w = way;
        if (w == "menu") resultsItem("mnuClose")->trigger();
        else if (w == "title bar") parent->mdiArea()->subWindowList(QMdiArea::CreationOrder)[1]->close();
        else QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        settle();
        EXPECT_EQ(childForms(), QStringList{"frmLqdInput"});
    }
}

TEST_F(LiquidResults, MenusAndTheirCommands) {
    waterAt("500");
    const struct {
        const char* name;
        const char* caption;
        const char* shortcut;
        bool enabled;
    } items[] = {
        {"mnuSaveFile", "Save", "Ctrl+S", true},
        {"mnuClose", "Close", "Ctrl+C", true},
        {"mnuBackPrsCalc", "Back Pressure Calculation", "", true},
        {"mnuMtrRange", "All Meter Ranges", "", true},
        {"mnuAllMtrRng", "Display All Meter Ranges based on values entered", "", true},
        {"mnuCancel", "Cancel", "", true},
        {"mnuPrint", "Print", "", true},
    };
    for (const auto& item : items) {
        SCOPED_TRACE(item.name);
        QAction* a = resultsItem(item.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), item.caption);
        EXPECT_EQ(a->shortcut(), QKeySequence(item.shortcut));
        EXPECT_EQ(a->isEnabled(), item.enabled);
    }
    resultsItem("mnuCancel")->trigger();
    resultsItem("mnuBackPrsCalc")->trigger();
    settle();
    EXPECT_EQ(modalsShown, std::vector<QString>{"frmLqdBackPrsCalc"});
    resultsItem("mnuAllMtrRng")->trigger();
    settle();
    EXPECT_EQ(shared().SizingType, "ALL LIQUID");
    EXPECT_TRUE(Shell::instance().isLoaded(results_));
}

// The calculator is shown, active, and driven while it runs.
class BackPressure : public LiquidResults {
protected:
    void run(const std::function<void(QDialog&)>& drive) {
        onModal["frmLqdBackPrsCalc"] = [drive](QDialog& d) {
            d.show();
            d.activateWindow();
            EXPECT_TRUE(QTest::qWaitFor([&d] { return QApplication::activeWindow() == &d; }));
            drive(d);
            return 0;
        };
        Shell::instance().showModal("frmLqdBackPrsCalc");
        settle();
    }
    static QLineEdit* in(QDialog& d) { return d.findChild<QLineEdit*>("txtBackPressIn"); }
    static QString out(QDialog& d) { return d.findChild<QLineEdit*>("txtBackPressOut")->text(); }
    static void enterValue(QDialog& d, const QString& text) {
        in(d)->selectAll();
        if (text.isEmpty()) QTest::keyClick(in(d), Qt::Key_Delete);
        else QTest::keyClicks(in(d), text);
        QTest::keyClick(in(d), Qt::Key_Return);
    }
};

TEST_F(BackPressure, NeverBelowFivePsig) {
    run([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), " Liquid Back Pressure Calculation");
        EXPECT_EQ(in(d)->text(), ".30");
        EXPECT_EQ(in(d)->selectedText(), ".30");
        EXPECT_EQ(out(d), "5.0");
        EXPECT_EQ(shared().VaporPressPsia, 0.3f);
        const std::pair<const char*, const char*> cases[] = {
            {"7.696", "5.0"}, {"10", "7.3"}, {"50", "47.3"}, {"", "5.0"}};
        for (const auto& [vapour, back] : cases) {
            enterValue(d, vapour);
            EXPECT_EQ(out(d), back) << vapour;
            EXPECT_EQ(d.focusWidget(), in(d)) << "Enter goes no further";
            EXPECT_EQ(in(d)->selectedText(), in(d)->text()) << vapour;
            EXPECT_TRUE(d.isVisible()) << "Enter does not close the calculator";
        }
    });
    EXPECT_EQ(shared().BackPressPsig, 5.0f);  // kept after the window closed
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

TEST_F(BackPressure, TextThatIsNoNumberIsRefused) {
    run([this](QDialog& d) {
        enterValue(d, "10");
        enterValue(d, "1O");
        EXPECT_EQ(in(d)->text(), "10");
        EXPECT_EQ(out(d), "7.3");
        EXPECT_EQ(beeps, 1);
        EXPECT_TRUE(messages.empty());
    });
    EXPECT_EQ(shared().VaporPressPsia, 10);
}

TEST_F(BackPressure, CloseAndEscapeUnloadIt) {
    for (const char* way : {"cmdClose", "Esc"}) {
        SCOPED_TRACE(way);
        bool closed = false;
        run([&](QDialog& d) {
            if (std::string(way) == "Esc") QTest::keyClick(in(d), Qt::Key_Escape);
            else QTest::mouseClick(d.findChild<QWidget*>("cmdClose"), Qt::LeftButton);
            closed = !Shell::instance().isLoaded("frmLqdBackPrsCalc");
        });
        EXPECT_TRUE(closed);
    }
}

}  // namespace
}  // namespace quorin::test
