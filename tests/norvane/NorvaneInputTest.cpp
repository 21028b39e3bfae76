// The averaging-tube screen: the worked cases as the boxes show them, the
// three layouts, the Enter chain, what is refused, the file commands, the
// menus and where each command leads.
#include <QClipboard>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QTemporaryDir>

#include "shell/Controls.h"
#include "shell/FieldEvents.h"
#include "shell/FileCommands.h"
#include "support/CoreFixture.h"
#include "support/FormTest.h"

namespace quorin::test {
namespace {

const auto& S = shared();
using Texts = std::vector<std::pair<const char*, const char*>>;
using Step = std::function<void(class NorvaneInput&)>;

// The steps of the tables act through the public helpers.
class NorvaneInput : public FormTest {
public:
    using FormTest::pick;
    NorvaneInput() : FormTest("frmNorvaneInput", "") {}

    void SetUp() override {
        FormTest::SetUp();
        seams().chooseFile = [this](const FileRequest& r) {
            filters << r.filter;
            return answers.isEmpty() ? QString() : answers.takeFirst();
        };
    }
    QWidget* w(const char* name) const { return control(input_, name); }
    // The text a box, a list or a caption shows.
    QString text(const char* name) const {
        QWidget* c = w(name);
        if (auto* b = qobject_cast<QLineEdit*>(c)) return b->text();
        if (auto* l = qobject_cast<QComboBox*>(c)) return l->currentText();
        if (auto* l = qobject_cast<QLabel*>(c)) return l->text();
        return "<no " + QString(name) + ">";
    }
    // Every named box, list and caption: its text, shown or not, disabled.
    QStringList snapshot() const {
        QStringList rows;
        for (QWidget* c : Shell::instance().find(input_)->findChildren<QWidget*>()) {
            const QString name = c->objectName();
            if (name.isEmpty() || name.startsWith("qt_") ||
                !(qobject_cast<QLineEdit*>(c) || qobject_cast<QComboBox*>(c) || qobject_cast<QLabel*>(c)))
                continue;
            rows << name + "=" + text(name.toLatin1()) + (c->isVisible() ? "|shown" : "|hidden") +
                        (c->isEnabled() ? "" : "|disabled");
        }
        return rows;
    }
    // Clicks into a control and selects its text; types over it.
    void focusAll(const char* name) const {
        w(name)->setFocus(Qt::MouseFocusReason);
        if (auto* l = qobject_cast<QComboBox*>(w(name)); l && l->lineEdit()) l->lineEdit()->selectAll();
        if (auto* b = qobject_cast<QLineEdit*>(w(name))) b->selectAll();
    }
    void typeIn(const char* name, const QString& typed) {
        focusAll(name);
        QTest::keyClicks(QApplication::focusWidget(), typed);
    }
    void enterIn(const char* name, const QString& typed) {
        typeIn(name, typed);
        enter(QApplication::focusWidget());
    }
    void leaveTo(const char* name, const QString& typed) {
        typeIn(name, typed);
        w("txtCust")->setFocus(Qt::MouseFocusReason);
    }
    QString selected() const {
        auto* l = qobject_cast<QComboBox*>(QApplication::focusWidget());
        auto* b = l ? l->lineEdit() : qobject_cast<QLineEdit*>(QApplication::focusWidget());
        return b ? b->selectedText() : QString();
    }
    void reopen() {
        Shell::instance().unload("frmINTRO");
        Shell::instance().showChild(input_);
        settle();
    }

    QTemporaryDir dir;
    QStringList answers, filters;
};

// ---- Worked cases and layouts -------------------------------------------

struct ScreenCase {
    const char* name;
    Step act;
    Texts texts;
    std::vector<const char*> shown, hidden;
};

std::ostream& operator<<(std::ostream& os, const ScreenCase& c) { return os << c.name; }

class ScreenAfter : public NorvaneInput, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(ScreenAfter, ShowsTheCaseOfTheRecord) {
    GetParam().act(*this);
    for (const auto& [name, want] : GetParam().texts) EXPECT_EQ(text(name), want) << name;
    for (const char* name : GetParam().shown) EXPECT_TRUE(w(name)->isVisible()) << name;
    for (const char* name : GetParam().hidden) EXPECT_FALSE(w(name)->isVisible()) << name;
    EXPECT_EQ(w("cboFluid")->isEnabled(), text("cboFluidState") != "STEAM");  // steam has one fluid
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(beeps, 0);
}

const std::vector<const char*> kGasOnly = {"txtBfactor",      "lblBfactor",       "txtCompMin", "txtCompMax",
                                           "txtGasExpCorMin", "txtGasExpCorNorm", "txtCpCv",    "lblCpCv",
                                           "lblMolW",         "lblMWair"};
const Step kLiquid = [](NorvaneInput& t) { t.pick("cboFluidState", "LIQUID"); };

INSTANTIATE_TEST_SUITE_P(
    Norvane, ScreenAfter,
    ::testing::Values(
        ScreenCase{"StartUp", [](NorvaneInput&) {},
                   {{"txtCust", "Quorin Dynarel Inc."}, {"txtCustRef", "Norvane"}, {"txtPrepBy", " - "},
                    {"txtTagNo", "Quorin Norvane"}, {"txtRevNo", " - "}, {"cboFluidState", "GAS"},
                    {"cboFluid", "AIR"}, {"cboLineSize", "6.00"}, {"txtLineSch", "40"}, {"txtLineMat", "CS"},
                    {"txtID", "6.065"}, {"txtWall", "0.28"}, {"txtOd", "6.625"}, {"cboLineOrient", "HORIZ"},
                    {"txtFlowDir", "HORIZ"}, {"txtFlowCoe", "0.637"}, {"txtBfactor", "5.66e-03"},
                    {"txtMolW", "28.964"}, {"txtSpecGrav", "1.0000"}, {"txtCpCv", "1.4"}, {"txtBaseTemp", "60"},
                    {"lblBaseTempC", "15.6 C"}, {"txtBasePress", "14.696"}, {"lblBasePressKg", "1.033 Kg/cm2"},
                    {"cboFlowUnit", "ACFM"}, {"txtFlowRateNorm", "1000"}, {"cboTempUnit", "deg F"},
                    {"txtTempMax", "70"}, {"cboPressUnit", "PSIG"}, {"txtPressMin", "10"}, {"txtCompNorm", "1"},
                    {"txtDensMin", "0.1258"}, {"txtThermExpCorNorm", "0.9995"}, {"txtGasExpCorMax", "0.9990"},
                    {"txtDpMax", "6.425"}, {"txtVelMin", "83.08"}, {"lblMpsNorm", "25.32 MPS"}},
                   kGasOnly, {"cboFlowDir", "lblBbl", "lblLiquidDensity", "lblMWwater"}},
        ScreenCase{"Scfm", [](NorvaneInput& t) { t.pick("cboFlowUnit", "SCFM"); },
                   {{"txtDpNorm", "2.371"}, {"txtVelMin", "50.39"}, {"txtGasExpCorMax", "0.9996"}}, {}, {}},
        ScreenCase{"WaterInAFourInchLine",
                   [](NorvaneInput& t) {
                       t.pick("cboFluidState", "LIQUID");
                       for (const char* box : {"txtFlowRateMin", "txtFlowRateNorm", "txtFlowRateMax"})
                           t.leaveTo(box, "100");
                       t.pick("cboLineSize", "4.00");
                   },
                   {{"txtFlowCoe", "0.648"}, {"txtID", "4.026"}, {"txtDpMax", "2.827"}, {"txtVelNorm", "2.52"}},
                   {}, {}},
        ScreenCase{"ThirtyInchLine", [](NorvaneInput& t) { t.enterIn("cboLineSize", "30"); },
                   {{"txtFlowCoe", "0.616"}, {"txtLineSch", "STD"}, {"txtID", "29.25"}, {"txtOd", "30"}}, {}, {}},
        ScreenCase{"TypedGasTheListLacks", [](NorvaneInput& t) { t.enterIn("cboFluid", "METHYL CHLORIDE"); },
                   {{"txtCpCv", "1.2"}, {"txtMolW", "50.488"}, {"txtSpecGrav", "1.7431"}}, {}, {}},
        ScreenCase{"Steam", [](NorvaneInput& t) { t.pick("cboFluidState", "STEAM"); },
                   {{"cboFluid", "STEAM (SATURATED)"}, {"cboFlowUnit", "PPH"}, {"txtFlowRateMin", "2000"},
                    {"txtFlowRateMax", "2000"}, {"txtTempNorm", "212"}, {"txtPressMax", "0"}, {"txtCpCv", "1.3"},
                    {"txtMolW", "18.015"}, {"txtThermExpCorMin", "1.0017"}},
                   kGasOnly, {"txtSpecGrav", "lblSpecGrav", "lblLiquidDensity", "lblMWwater"}},
        ScreenCase{"Liquid", kLiquid,
                   {{"cboFluid", "WATER"}, {"cboFlowUnit", "GPM"}, {"txtMolW", "62.371"}, {"txtSpecGrav", "1.0000"},
                    {"lblLiquidDensity", "Liquid Density:"}, {"lblMWwater", "Density of WATER = 62.371"}},
                   {"lblLiquidDensity", "lblMWwater", "txtSpecGrav", "lblSpecGrav", "txtFlowCoe"}, kGasOnly},
        ScreenCase{"Barrels", [](NorvaneInput& t) { kLiquid(t), t.pick("cboFlowUnit", "bbl/day"); },
                   {{"lblBbl", "1 barrel = 42 US gallons"}}, {"lblBbl"}, {}},
        ScreenCase{"MetricFlowUnit",
                   [](NorvaneInput& t) { t.leaveTo("txtBaseTemp", "50"), t.pick("cboFlowUnit", "m3/hr"); },
                   {{"txtBaseTemp", "32"}, {"txtBasePress", "14.69947"}, {"lblBaseTempC", "0.0 C"},
                    {"lblBasePressKg", "1.034 Kg/cm2"}}, {}, {}},
        ScreenCase{"BackToAcfm",
                   [](NorvaneInput& t) {
                       t.pick("cboFlowUnit", "m3/hr"), t.leaveTo("txtBasePress", "13");
                       t.pick("cboFlowUnit", "ACFM");
                   },
                   {{"txtBaseTemp", "60"}, {"txtBasePress", "14.696"}, {"txtDpMax", "6.425"}}, {}, {}},
        // The unit the case already has changes nothing.
        ScreenCase{"SameFlowUnit",
                   [](NorvaneInput& t) { t.leaveTo("txtBaseTemp", "50"), t.pick("cboFlowUnit", "ACFM"); },
                   {{"txtBaseTemp", "50"}, {"lblBaseTempC", "10.0 C"}}, {}, {}},
        ScreenCase{"Wall", [](NorvaneInput& t) { t.leaveTo("txtWall", "0.5"); },
                   {{"txtOd", "7.065"}, {"txtID", "6.065"}, {"txtDpMax", "6.425"}, {"txtVelMin", "83.08"}}, {}, {}},
        ScreenCase{"InsideDiameter", [](NorvaneInput& t) { t.leaveTo("txtID", "5"); },
                   {{"txtOd", "5.56"}, {"txtBfactor", "3.42e-03"}, {"txtVelMin", "122.24"}}, {}, {}},
        ScreenCase{"InsideDiameterZero", [](NorvaneInput& t) { t.leaveTo("txtID", "0"); },
                   {{"txtBfactor", "5.66e-03"}, {"txtVelMax", "Error"}, {"lblMpsMin", "Error MPS"},
                    {"txtDpNorm", "Error"}},
                   {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NorvaneInput, StartsInTheCustomerBoxAndUnitsReachTheCase) {
    EXPECT_EQ(std::tuple(focused(), selected(), text("txtDate"), S.DateText),
              std::tuple(QString("txtCust"), QString("Quorin Dynarel Inc."), q(todayText()), todayText()));
    pick("cboTempUnit", "deg C");
    leaveTo("txtTempMax", "100");
    EXPECT_EQ(S.TempMaxF, 212);
    pick("cboPressUnit", "PSIA");
    leaveTo("txtPressMin", "10");
    EXPECT_NEAR(S.PressMinPsig, 10 - 14.696, 1e-5);
    leaveTo("txtPressMax", "30");
    leaveTo("txtBasePress", "10");  // the gauge pressure follows before the density
    EXPECT_NEAR(S.PressMaxPsig, 20, 1e-5);
    EXPECT_EQ(text("txtDensMax"), q(Format(2.6988 * 30 / (212 + 459.67), "0.0000")));
    pick("cboLineOrient", "VERT");
    pick("cboFlowDir", "DOWN");
    EXPECT_EQ(S.FlowDir, "DOWN");
    pick("cboLineOrient", "HORIZ");
    EXPECT_EQ(S.FlowDir, "HORIZ");
    leaveTo("txtDate", "01-02-2027");
    EXPECT_EQ(S.DateText, "01-02-2027");
}

// ---- Enter chain ---------------------------------------------------------

struct ChainCase {
    const char* name;
    Step setUp;
    QStringList chain;  // from txtCust back to txtCust
};

std::ostream& operator<<(std::ostream& os, const ChainCase& c) { return os << c.name; }

class EnterChain : public NorvaneInput, public ::testing::WithParamInterface<ChainCase> {};

// Enter in every box in turn: the focus goes round, each box's text is
// selected on arrival, and passing through changes nothing (the state and
// flow-unit boxes included: typed base conditions and flows stay).
TEST_P(EnterChain, GoesRoundAndChangesNothing) {
    GetParam().setUp(*this);
    leaveTo("txtBaseTemp", "50");
    leaveTo("txtFlowRateNorm", "1500");
    const QStringList before = snapshot();
    w("txtCust")->setFocus(Qt::MouseFocusReason);
    QStringList visited{focused()};
    do {
        enter(QApplication::focusWidget());
        if (auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
            EXPECT_EQ(box->selectedText(), box->text()) << focused().toStdString();
        }
        visited << focused();
    } while (focused() != "txtCust" && visited.size() < 40);
    EXPECT_EQ(visited, GetParam().chain);
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(beeps, 0);
}

const QStringList kHeader = {"txtCust", "txtCustRef", "txtPrepBy", "txtTagNo", "txtRevNo", "cboFluidState"};
const QStringList kCases = {"txtFlowRateMax", "cboFlowUnit",  "txtFlowRateNorm", "txtFlowRateMin",
                            "txtTempMax",     "cboTempUnit",  "txtTempNorm",     "txtTempMin",
                            "txtPressMax",    "cboPressUnit", "txtPressNorm",    "txtPressMin"};
const QStringList kComp = {"txtCompMax", "txtCompNorm", "txtCompMin", "txtCust"};

INSTANTIATE_TEST_SUITE_P(
    Norvane, EnterChain,
    ::testing::Values(
        ChainCase{"Gas", [](NorvaneInput&) {},
                  kHeader + QStringList{"cboFluid", "cboLineSize", "cboLineOrient"} + kCases + kComp},
        ChainCase{"Steam", [](NorvaneInput& t) { t.pick("cboFluidState", "STEAM"); },
                  kHeader + QStringList{"cboLineSize", "cboLineOrient"} + kCases + kComp},
        ChainCase{"Liquid", kLiquid,
                  kHeader + QStringList{"cboFluid", "cboLineSize", "cboLineOrient", "txtMolW", "txtBaseTemp",
                                        "txtBasePress"} + kCases + QStringList{"txtCust"}},
        ChainCase{"Vertical", [](NorvaneInput& t) { t.pick("cboLineOrient", "VERT"); },
                  kHeader + QStringList{"cboFluid", "cboLineSize", "cboLineOrient", "cboFlowDir"} + kCases +
                      kComp}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NorvaneInput, EnterInTheBoxesOffTheRoundAndIntoVertical) {
    const struct { const char *box, *typed, *next; } hops[] = {
        {"txtDate", "12-31-2026", "txtTagNo"}, {"txtLineSch", "80", "txtLineMat"}, {"txtLineMat", "SS", "txtID"},
        {"txtID", "6", "txtWall"}, {"txtWall", "0.3", "txtOd"}, {"txtOd", "6.6", "cboLineOrient"},
        {"txtMolW", "29", "txtBaseTemp"}, {"txtBasePress", "14.7", "txtFlowRateMax"}};
    for (const auto& h : hops) {
        enterIn(h.box, h.typed);
        EXPECT_EQ(focused(), h.next) << h.box;
    }
    EXPECT_EQ(std::tuple(S.DateText, S.LineSch, S.LineMat, S.LineId, S.LineOd),
              std::tuple(std::string("12-31-2026"), std::string("80"), std::string("SS"), 6.0f, 6.6f));
    list("cboLineOrient")->setFocus(Qt::MouseFocusReason);
    list("cboLineOrient")->setCurrentIndex(1);  // as the arrow keys set it: only Enter commits
    {
        CommandScope quiet;
        enter("cboLineOrient");
    }
    EXPECT_EQ(std::tuple(focused(), text("cboFlowDir"), S.LineOrient, S.FlowDir),
              std::tuple(QString("cboFlowDir"), QString("UP"), std::string("VERT"), std::string("UP")));
    // Passing through again keeps what was chosen and typed; the same state
    // or size typed otherwise is shown as the case writes it.
    pick("cboFlowDir", "DOWN");
    enter("cboLineOrient");
    enterIn("cboLineSize", "6");
    enterIn("cboFluidState", "gas");
    EXPECT_EQ(std::tuple(S.FlowDir, S.LineId, S.LineSch, S.LineOd),
              std::tuple(std::string("DOWN"), 6.0f, std::string("80"), 6.6f));
    EXPECT_EQ(std::tuple(text("cboLineSize"), text("cboFluidState")),
              std::tuple(QString("6.00"), QString("GAS")));
}

// ---- What is refused -----------------------------------------------------

// The box the calculation asks for keeps the focus until it is corrected.
TEST_F(NorvaneInput, ASizeWithoutCoefficientOrAnUnknownGasIsSelectedForCorrection) {
    enterIn("cboLineSize", "5");
    EXPECT_EQ(std::tuple(focused(), selected(), text("txtFlowCoe"), text("txtID"), text("txtLineSch")),
              std::tuple(QString("cboLineSize"), QString("5"), QString("0.637"), QString("6.065"), QString("40")));
    w("txtCust")->setFocus(Qt::MouseFocusReason);
    settle();
    EXPECT_EQ(std::tuple(focused(), selected()), std::tuple(QString("cboLineSize"), QString("5")));
    enterIn("cboLineSize", "2.00");
    EXPECT_EQ(std::tuple(focused(), text("txtFlowCoe")), std::tuple(QString("cboLineOrient"), QString("0.595")));
    enterIn("cboFluid", "FOO");
    EXPECT_EQ(std::tuple(focused(), selected(), text("txtCpCv"), text("txtMolW")),
              std::tuple(QString("cboFluidState"), QString("GAS"), QString("1.4"), QString("28.964")));
    const QStringList before = snapshot();
    enterIn("cboFluidState", "PLASMA");  // not a state: selected, nothing else changes
    EXPECT_EQ(std::tuple(focused(), selected(), S.FluidState),
              std::tuple(QString("cboFluidState"), QString("PLASMA"), std::string("GAS")));
    list("cboFluidState")->lineEdit()->setText("GAS");
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(messages.empty());
}

TEST_F(NorvaneInput, TextThatIsNoNumberIsRefusedWithABeep) {
    const QStringList before = snapshot();
    int n = 0;
    for (const char* name : {"cboLineSize", "txtID", "txtWall", "txtOd", "txtMolW", "txtBaseTemp", "txtBasePress",
                             "txtFlowRateMax", "txtTempNorm", "txtPressMin", "txtCompMax"}) {
        enterIn(name, "12abc");
        EXPECT_EQ(std::tuple(focused(), beeps), std::tuple(QString(name), ++n));
        EXPECT_EQ(snapshot(), before) << name;
    }
    EXPECT_TRUE(messages.empty());
}

// ---- Files and printing --------------------------------------------------

TEST_F(NorvaneInput, OpeningALiquidFileOverTheGasScreenShowsTheLiquidCase) {
    kLiquid(*this);
    pick("cboFlowUnit", "bbl/day");
    leaveTo("txtFlowRateMin", "750");
    const QStringList liquid = snapshot();
    answers << dir.filePath("tube.dat") << dir.filePath("tube.dat");
    menuItem("mnuSave")->trigger();
    EXPECT_EQ(S.TubeDataFile, dir.filePath("tube.dat").toStdString());
    menuItem("mnuDefaults")->trigger();
    ASSERT_EQ(text("cboFluidState"), "GAS");
    EXPECT_EQ(entries("cboFlowUnit"), qtList(modnrvAddFlowUnit("GAS")));  // emptied before it is filled
    menuItem("mnuOpen")->trigger();
    EXPECT_EQ(snapshot(), liquid);
    EXPECT_EQ(entries("cboFlowUnit"), qtList(modnrvAddFlowUnit("LIQUID")));
    EXPECT_EQ(std::tuple(focused(), selected()), std::tuple(QString("txtCust"), QString("Quorin Dynarel Inc.")));
    EXPECT_EQ(filters, QStringList({"Data File (*.dat)", "Data File (*.dat)"}));
    EXPECT_TRUE(messages.empty());
}

// An edited file whose fluid state is not one: the file's values, "Error"
// where nothing can be computed, the fluid-state box held for correction.
TEST_F(NorvaneInput, AFileWithoutAFluidStateAsksForOne) {
    answers << dir.filePath("tube.dat");
    menuItem("mnuSave")->trigger();
    std::string bytes = readFile(dir.filePath("tube.dat").toStdString());
    bytes.replace(bytes.find("\"GAS\""), 5, "\"PLASMA\"");
    writeFile(dir.filePath("plasma.dat").toStdString(), bytes);
    answers << dir.filePath("plasma.dat");
    menuItem("mnuOpen")->trigger();
    EXPECT_EQ(std::tuple(focused(), selected(), text("cboFlowUnit"), text("txtDpMax")),
              std::tuple(QString("cboFluidState"), QString("PLASMA"), QString("ACFM"), QString("Error")));
    pick("cboFluidState", "GAS");
    EXPECT_EQ(text("txtDpMax"), "6.425");
    EXPECT_TRUE(messages.empty());
}

TEST_F(NorvaneInput, ACancelledOrFailedOpenChangesNothing) {
    answers << dir.filePath("tube.dat");
    menuItem("mnuSave")->trigger();
    std::string bytes = readFile(dir.filePath("tube.dat").toStdString());
    size_t at = 0;
    for (int line = 0; line < 20; ++line) at = bytes.find('\n', at) + 1;
    writeFile(dir.filePath("short.dat").toStdString(), bytes.substr(0, at));  // the first 20 lines
    pick("cboFluidState", "STEAM");
    const QStringList before = snapshot();
    menuItem("mnuOpen")->trigger();  // the dialog is cancelled
    answers << dir.filePath("short.dat");
    menuItem("mnuOpen")->trigger();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "CANCEL");
    EXPECT_TRUE(messages[1].text.contains("(line 21)")) << messages[1].text.toStdString();
    EXPECT_EQ(snapshot(), before);
}

// Save, Text File Save and Print first commit the box being typed.
TEST_F(NorvaneInput, SaveTextFileAndPrintCarryTheBoxBeingTyped) {
    typeIn("txtFlowRateMax", "1234");
    answers << dir.filePath("tube.dat") << dir.filePath("report.txt");
    menuItem("mnuSave")->trigger();
    EXPECT_EQ(S.FlowRateMax, 1234);
    EXPECT_EQ(readFile(dir.filePath("tube.dat").toStdString()), norvaneDataFileBytes());
    menuItem("mnuTextFileSave")->trigger();
    EXPECT_EQ(S.TubeTextFile, dir.filePath("report.txt").toStdString());
    EXPECT_EQ(readFile(S.TubeTextFile), norvaneReportText(norvaneReport(), todayText()));
    EXPECT_EQ(filters, QStringList({"Data File (*.dat)", "Text File (*.txt)"}));
    menuItem("mnuTextFileSave")->trigger();  // cancelled: silent
    seams().choosePrinter = [this](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(dir.filePath("report.pdf"));
        return true;
    };
    menuItem("mnuPrint")->trigger();
    EXPECT_TRUE(readFile(dir.filePath("report.pdf").toStdString()).starts_with("%PDF"));
    EXPECT_TRUE(messages.empty());
}

// ---- Menus, tools and navigation -----------------------------------------

TEST_F(NorvaneInput, MenusAndTools) {
    QStringList want;
    for (const char* item : {"mnuFile|File", "mnuOpen|Open|Ctrl+O", "mnuSave|Screen Save|Ctrl+S",
                             "mnuTextFileSave|Text File Save|Ctrl+T", "|-", "mnuPrint|Print|Ctrl+P", "|-",
                             "mnuClose|Close|Ctrl+C", "|-", "mnuExit|Exit|Ctrl+X", "mnuTools|Tools",
                             "mnuGasSteam|Size Vortex Gas/Steam Meter", "|-",
                             "mnuSizeLiquid|Size Vortex Liquid Meter", "|-", "mnuSteamTable|Steam Table", "|-",
                             "mnuPipeChart|Pipe Chart", "|-", "mnuConvert|Convert to Inches", "|-",
                             "mnuDefaults|Set Defaults", "mnuHelp|Help", "mnuAbout|About"})
        want << QString(item) + (QString(item).count('|') == 2 ? "" : "|") + "|enabled|shown";
    EXPECT_EQ(menuRows(), want);
    EXPECT_EQ(Shell::instance().find(input_)->windowTitle(), " Quorin NORVANE Sizing Program Input Screen");

    // The steam table borrows fields the steam density uses and recomputes
    // the gas/steam case when it closes; this screen's case stays.
    pick("cboFluidState", "STEAM");
    const QStringList before = snapshot();
    onDialog("frmSteamTable", [](QDialog& d) {
        d.findChild<QLineEdit*>("txtTempIn2")->setText("500");
        d.findChild<QPushButton*>("btnCalculate")->click();
        d.findChild<QPushButton*>("cmdClose")->click();
    });
    for (const char* item : {"mnuSteamTable", "mnuPipeChart", "mnuConvert", "mnuHelp", "mnuAbout"})
        menuItem(item)->trigger();
    settle();
    EXPECT_EQ(modalsShown,
              (std::vector<QString>{"frmSteamTable", "frmPipeChart", "frmConvert", "frmHelp", "frmAbout"}));
    EXPECT_EQ(childForms(), QStringList{"frmNorvaneInput"});
    EXPECT_EQ(snapshot(), before);
    parent->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(parent.get()));
    enterIn("txtFlowRateMax", "2000");  // a fresh commit recomputes the same steam case
    EXPECT_EQ(snapshot(), before);
}

TEST_F(NorvaneInput, EveryWayOutLandsWhereItShould) {
    const struct { const char *way, *sizingType; } ways[] = {
        {"cmdClose", ""}, {"mnuClose", ""}, {"title bar", ""}, {"Esc", ""}, {"mnuGasSteam", "GAS"},
        {"mnuSizeLiquid", "LIQUID"}, {"mnuExit", ""}};
    for (const auto& c : ways) {
        SCOPED_TRACE(c.way);
        shared().SizingType = "";
        reopen();
        const std::string way = c.way;
        if (way == "cmdClose") control<QPushButton>(input_, "cmdClose")->click();
        else if (way == "title bar") parent->mdiArea()->subWindowList().first()->close();
        else if (way == "Esc") QTest::keyClick(w("txtCust"), Qt::Key_Escape);
        else menuItem(c.way)->trigger();
        settle();
        EXPECT_EQ(childForms(), way == "mnuExit" ? QStringList{} : QStringList{"frmINTRO"});
        EXPECT_EQ(S.SizingType, c.sizingType);
    }
    EXPECT_FALSE(parent->isVisible());
}

// "Size Norvane" of both vortex screens leads through the intro to this
// screen, whether the build shows the entries or not.
TEST_F(NorvaneInput, TheVortexScreensLeadHereThroughTheIntro) {
    for (const char* from : {"frmInputScrn", "frmLqdInput"}) {
        SCOPED_TRACE(from);
        Shell::instance().unload(input_);
        Shell::instance().showChild(from);
        settle();
        menuItem("mnuSizeNorvane", from)->trigger();
        settle();
        EXPECT_EQ(std::tuple(childForms(), S.SizingType),
                  std::tuple(QStringList{"frmINTRO"}, std::string("NORVANE")));
        control<QPushButton>("frmINTRO", "cmdNorvane")->click();
        settle();
        EXPECT_EQ(childForms(), QStringList{"frmNorvaneInput"});
    }
}

// The calculation's request to select a box reaches the screen loaded
// again; once the screen has gone, a request selects nothing.
TEST_F(NorvaneInput, TheLoadedScreenServesTheSelectionRequests) {
    control<QPushButton>(input_, "cmdClose")->click();
    reopen();
    hooks().selectControl("cboLineSize");
    EXPECT_EQ(std::tuple(focused(), selected()), std::tuple(QString("cboLineSize"), QString("6.00")));
    menuItem("mnuClose")->trigger();
    settle();
    const QString before = focused();
    hooks().selectControl("cboLineSize");
    settle();
    EXPECT_EQ(std::tuple(childForms(), focused()), std::tuple(QStringList{"frmINTRO"}, before));
}

// Ctrl+C and Ctrl+X copy and cut inside a text; elsewhere they close the
// screen or end the program.
TEST_F(NorvaneInput, CtrlCAndCtrlX) {
    const struct { const char* control; Qt::Key key; const char *clipboard, *after; } cases[] = {
        {"txtCust", Qt::Key_C, "Quorin Dynarel Inc.", "Quorin Dynarel Inc."}, {"cboFluid", Qt::Key_C, "AIR", "AIR"},
        {"txtFlowRateMin", Qt::Key_X, "1000", ""}, {"cboLineOrient", Qt::Key_C, nullptr, nullptr},
        {"cmdClose", Qt::Key_X, nullptr, nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control);
        if (!Shell::instance().isLoaded(input_)) reopen();
        QApplication::clipboard()->setText("before");
        focusAll(c.control);
        QTest::keyClick(QApplication::focusWidget(), c.key, Qt::ControlModifier);
        settle();
        if (c.clipboard) {
            EXPECT_EQ(std::tuple(QApplication::clipboard()->text(), text(c.control)),
                      std::tuple(QString(c.clipboard), QString(c.after)));
        } else {
            EXPECT_EQ(childForms(), c.key == Qt::Key_C ? QStringList{"frmINTRO"} : QStringList{});
        }
    }
}

TEST_F(NorvaneInput, EveryControlSaysWhatItIsFor) {
    for (QWidget* c : Shell::instance().find(input_)->findChildren<QWidget*>()) {
        auto* box = qobject_cast<QLineEdit*>(c);
        if (c->objectName().isEmpty() || c->objectName().startsWith("qt_") ||
            (box && qobject_cast<QComboBox*>(box->parent())))
            continue;
        const char* kind = qobject_cast<QComboBox*>(c) ? "Select "
                           : !box                      ? nullptr
                           : box->isReadOnly()         ? "Display Only "
                                                       : "Enter ";
        if (kind) { EXPECT_TRUE(c->toolTip().startsWith(kind)) << c->objectName().toStdString(); }
    }
    const Texts tips = {{"txtPressMin", "Enter Minimum Pressure PSIG"},
                        {"txtMolW", "Enter Molecular Weight for Gas or Density for Liquid"},
                        {"txtBaseTemp", "Enter Base Temperature in deg F"},
                        {"txtDpMax", "Display Only Differential Pressure Maximum"},
                        {"lblMpsMin", "Display Only Meters Per Second"},
                        {"cboLineSize", "Select Nominal Line Size"},
                        {"cboFluidState", "Select Fluid State"}, {"cboFlowUnit", "Select Unit of Flow"},
                        {"cmdClose", "Press to Close this screen"}};
    for (const auto& [name, tip] : tips) EXPECT_EQ(w(name)->toolTip(), tip) << name;
    EXPECT_EQ(control<QPushButton>(input_, "cmdClose")->text(), "&Close");
    const std::pair<const char*, const std::vector<std::string>&> lists[] = {
        {"cboFluidState", nrvFluidStates()}, {"cboFluid", modnrvAddFluid()}, {"cboLineSize", nrvLineSizeTexts()},
        {"cboLineOrient", nrvOrientations()}, {"cboFlowDir", nrvFlowDirs()}, {"cboTempUnit", nrvTempUnits()},
        {"cboPressUnit", nrvPressUnits()}};
    for (const auto& [name, want] : lists) EXPECT_EQ(entries(name), qtList(want)) << name;
}

}  // namespace
}  // namespace quorin::test
