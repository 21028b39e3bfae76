// The averaging-tube screen's wiring: what each box stores and runs, the
// layouts, where Enter goes, what is refused or held for correction, the
// file commands and where each command leads. NorvaneCalcTest and the
// report reference files own the figures.
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

class NorvaneInput : public FormTest {
protected:
    NorvaneInput() : FormTest("frmNorvaneInput", "") {}
    void SetUp() override {
        FormTest::SetUp();
        seams().chooseFile = [this](const FileRequest& r) {
            filters << r.filter;
            return answers.isEmpty() ? QString() : answers.takeFirst();
        };
    }
    QWidget* w(const char* name) const { return control(input_, name); }
    static QLineEdit* edit(QWidget* c) {  // a box, or the box of an editable list
        auto* l = qobject_cast<QComboBox*>(c);
        return l ? l->lineEdit() : qobject_cast<QLineEdit*>(c);
    }
    QString text(const char* name) const {
        auto* l = qobject_cast<QComboBox*>(w(name));
        auto* c = qobject_cast<QLabel*>(w(name));
        return l ? l->currentText() : c ? c->text() : edit(w(name)) ? edit(w(name))->text() : "<none>";
    }
    // Every named box, list and caption: its text, shown, enabled.
    QStringList snapshot() const {
        QStringList rows;
        for (QWidget* c : Shell::instance().find(input_)->findChildren<QWidget*>())
            if (!c->objectName().isEmpty() && !c->objectName().startsWith("qt_") &&
                (qobject_cast<QLineEdit*>(c) || qobject_cast<QComboBox*>(c) || qobject_cast<QLabel*>(c)))
                rows << c->objectName() + "=" + text(c->objectName().toLatin1()) + "|" +
                            QString::number(c->isVisible()) + QString::number(c->isEnabled());
        return rows;
    }
    void typeIn(const char* name, const QString& typed) {  // a click into the box, its text typed over
        w(name)->setFocus(Qt::MouseFocusReason);
        if (edit(w(name))) edit(w(name))->selectAll();
        QTest::keyClicks(QApplication::focusWidget(), typed);
    }
    void enterIn(const char* name, const QString& typed) { typeIn(name, typed), enter(QApplication::focusWidget()); }
    void leaveTo(const char* name, const QString& typed) {
        typeIn(name, typed), w("txtCust")->setFocus(Qt::MouseFocusReason);
    }
    static QString selected() {
        QLineEdit* b = edit(QApplication::focusWidget());
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

// The one figure: the DP of the start-up air case (tests/norvane/data/norvane-air.txt).
TEST_F(NorvaneInput, StartsWithTheAirCaseAndTheCustomerBoxSelected) {
    EXPECT_EQ(std::tuple(focused(), selected(), text("txtDate"), S.DateText, text("txtDpMax")),
              std::tuple(QString("txtCust"), QString("Quorin Dynarel Inc."), q(todayText()), todayText(),
                         QString("6.425")));
}

// One box of each kind (typed and left; an editable list: Enter; a list:
// picked), the field it stores, and a box its chain rewrites.
TEST_F(NorvaneInput, EachBoxStoresItsFieldAndRunsItsChain) {
    const struct { const char *box, *entry; std::function<std::string()> stored; const char* moved; } rows[] = {
        {"txtCustRef", "Ref 7", [] { return S.CustRef; }, nullptr},
        {"txtDate", "01-02-2027", [] { return S.DateText; }, nullptr},  // stored on losing the focus
        {"cboFluid", "METHANE", [] { return S.Fluid; }, "txtSpecGrav"},
        {"txtID", "5", [] { return General(S.LineId); }, "txtBfactor"},
        {"txtWall", "0.5", [] { return General(S.LineWall); }, "txtOd"},
        {"txtOd", "7", [] { return General(S.LineOd); }, nullptr},
        {"txtMolW", "16", [] { return General(S.MolW); }, "txtSpecGrav"},
        {"txtBaseTemp", "50", [] { return General(S.BaseTemp); }, "lblBaseTempC"},
        {"txtBasePress", "14", [] { return General(S.BasePress); }, "txtDensMin"},
        {"txtFlowRateMax", "1500", [] { return General(S.FlowRateMax); }, "txtDpMax"},
        {"txtTempNorm", "100", [] { return General(S.TempNorm); }, "txtDensNorm"},
        {"txtPressMin", "20", [] { return General(S.PressMin); }, "txtDensMin"},
        {"txtCompMax", "0.8", [] { return General(S.CompMax); }, "txtDensMax"},
        {"cboTempUnit", "deg C", [] { return S.TempUnitIn; }, "txtDensMax"},
        {"cboPressUnit", "PSIA", [] { return S.PressUnit; }, "txtDensMin"},
        {"cboFlowUnit", "SCFM", [] { return S.FlowUnit; }, "txtVelMin"},
        {"cboLineSize", "4.00", [] { return nrvLineSizeText(S.LineSize); }, "txtID"},
        {"cboFluidState", "LIQUID", [] { return S.FluidState; }, "cboFlowUnit"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.box);
        const QString before = r.moved ? text(r.moved) : QString();
        auto* l = qobject_cast<QComboBox*>(w(r.box));
        if (l && !l->lineEdit()) pick(r.box, r.entry);
        else if (l) enterIn(r.box, r.entry);
        else leaveTo(r.box, r.entry);
        EXPECT_EQ(r.stored(), r.entry);
        if (r.moved) { EXPECT_NE(text(r.moved), before) << r.moved; }
    }
    EXPECT_EQ(std::tuple(beeps, messages.size()), std::tuple(0, size_t(0)));
}

// The boxes each fluid state shows and hides; the fluid box is disabled for
// steam, which has one fluid.
TEST_F(NorvaneInput, EachFluidStateShowsItsBoxes) {
    const QStringList gasOnly = {"txtBfactor", "txtCompMin", "txtGasExpCorNorm", "txtCpCv", "lblMolW", "lblMWair"};
    const QStringList liquidOnly = {"lblLiquidDensity", "lblMWwater"};
    const struct { const char *state, *unit, *fluid; QStringList shown, hidden; } layouts[] = {
        {"GAS", "ACFM", "AIR", gasOnly, QStringList(liquidOnly) << "cboFlowDir" << "lblBbl"},
        {"STEAM", "PPH", "STEAM (SATURATED)", gasOnly, QStringList(liquidOnly) << "txtSpecGrav"},
        {"LIQUID", "GPM", "WATER", QStringList(liquidOnly) << "txtSpecGrav", QStringList(gasOnly) << "lblBbl"},
        {"LIQUID", "bbl/day", "WATER", {"lblBbl"}, {}}};
    for (const auto& c : layouts) {
        SCOPED_TRACE(std::string(c.state) + " " + c.unit);
        pick("cboFluidState", c.state);
        pick("cboFlowUnit", c.unit);
        EXPECT_EQ(std::tuple(text("cboFluid"), w("cboFluid")->isEnabled()),
                  std::tuple(QString(c.fluid), c.state != std::string("STEAM")));
        for (const QString& name : c.shown) EXPECT_TRUE(w(name.toLatin1())->isVisible()) << name.toStdString();
        for (const QString& name : c.hidden) EXPECT_FALSE(w(name.toLatin1())->isVisible()) << name.toStdString();
    }
}

// ---- Enter ----------------------------------------------------------------

// Enter in every box in turn goes round, skipping what the layout hides or
// disables, selects each box's text on arrival and changes nothing (typed
// base conditions and flows stay).
TEST_F(NorvaneInput, EnterGoesRoundAndChangesNothing) {
    const QStringList header = {"txtCust", "txtCustRef", "txtPrepBy", "txtTagNo", "txtRevNo", "cboFluidState"};
    const QStringList line = {"cboLineSize", "cboLineOrient"}, comp = {"txtCompMax", "txtCompNorm", "txtCompMin"};
    const QStringList cases = {"txtFlowRateMax", "cboFlowUnit",  "txtFlowRateNorm", "txtFlowRateMin",
                               "txtTempMax",     "cboTempUnit",  "txtTempNorm",     "txtTempMin",
                               "txtPressMax",    "cboPressUnit", "txtPressNorm",    "txtPressMin"};
    const struct { const char *list, *entry; QStringList round; } rounds[] = {
        {"cboFluidState", "GAS", QStringList(header) << "cboFluid" << line << cases << comp},
        {"cboFluidState", "STEAM", QStringList(header) << line << cases << comp},
        {"cboFluidState", "LIQUID",
         QStringList(header) << "cboFluid" << line << "txtMolW" << "txtBaseTemp" << "txtBasePress" << cases},
        {"cboLineOrient", "VERT", QStringList(header) << "cboFluid" << line << "cboFlowDir" << cases << comp}};
    for (const auto& r : rounds) {
        SCOPED_TRACE(r.entry);
        menuItem("mnuDefaults")->trigger();
        pick(r.list, r.entry);
        leaveTo("txtBaseTemp", "50");
        leaveTo("txtFlowRateNorm", "1500");
        const QStringList before = snapshot();
        QStringList visited{focused()};
        do {
            enter(QApplication::focusWidget());
            if (auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
                EXPECT_EQ(box->selectedText(), box->text()) << focused().toStdString();
            }
            visited << focused();
        } while (focused() != "txtCust" && visited.size() < 40);
        EXPECT_EQ(visited, QStringList(r.round) << "txtCust");
        EXPECT_EQ(std::tuple(snapshot(), beeps), std::tuple(before, 0));
    }
}

// Enter off the round; into "VERT" from "HORIZ" it sets "UP", later passes
// keep the direction, the size and what was typed; "HORIZ" sets "HORIZ".
TEST_F(NorvaneInput, EnterOffTheRoundAndTheOrientation) {
    const struct { const char *box, *typed, *next; } hops[] = {
        {"txtDate", "12-31-2026", "txtTagNo"}, {"txtLineSch", "80", "txtLineMat"}, {"txtLineMat", "SS", "txtID"},
        {"txtID", "6", "txtWall"}, {"txtWall", "0.3", "txtOd"}, {"txtOd", "6.6", "cboLineOrient"}};
    for (const auto& h : hops) {
        enterIn(h.box, h.typed);
        EXPECT_EQ(focused(), h.next) << h.box;
    }
    list("cboLineOrient")->setCurrentIndex(1);  // as the arrow keys set it: only Enter commits
    {
        CommandScope quiet;
        enter("cboLineOrient");
    }
    EXPECT_EQ(std::tuple(focused(), text("cboFlowDir"), S.LineOrient, S.FlowDir),
              std::tuple(QString("cboFlowDir"), QString("UP"), std::string("VERT"), std::string("UP")));
    pick("cboFlowDir", "DOWN");
    enter("cboLineOrient");
    enterIn("cboLineSize", "6");
    enterIn("cboFluidState", "gas");
    EXPECT_EQ(std::tuple(S.FlowDir, S.LineId, S.LineSch, S.LineMat, S.LineOd, text("cboLineSize"), text("cboFluidState")),
              std::tuple(std::string("DOWN"), 6.0f, std::string("80"), std::string("SS"), 6.6f, QString("6.00"),
                         QString("GAS")));
    pick("cboLineOrient", "HORIZ");
    EXPECT_EQ(std::tuple(S.FlowDir, text("txtFlowDir"), w("cboFlowDir")->isVisible()),
              std::tuple(std::string("HORIZ"), QString("HORIZ"), false));
}

// ---- Refused entries and boxes held for correction ------------------------

// The box the calculation asks for keeps the focus until it is corrected.
TEST_F(NorvaneInput, ASizeWithoutCoefficientOrAnUnknownGasIsSelectedForCorrection) {
    enterIn("cboLineSize", "5");
    w("txtCust")->setFocus(Qt::MouseFocusReason);
    settle();
    EXPECT_EQ(std::tuple(focused(), selected()), std::tuple(QString("cboLineSize"), QString("5")));
    enterIn("cboLineSize", "2.00");
    EXPECT_EQ(focused(), "cboLineOrient");
    enterIn("cboFluid", "FOO");
    EXPECT_EQ(std::tuple(focused(), selected()), std::tuple(QString("cboFluidState"), QString("GAS")));
    const QStringList before = snapshot();
    enterIn("cboFluidState", "PLASMA");  // not a state: selected, nothing else changes
    EXPECT_EQ(std::tuple(focused(), selected(), S.FluidState),
              std::tuple(QString("cboFluidState"), QString("PLASMA"), std::string("GAS")));
    list("cboFluidState")->lineEdit()->setText("GAS");
    EXPECT_EQ(std::tuple(snapshot(), messages.size()), std::tuple(before, size_t(0)));
}

// The list, a box of the line and a box of a case row.
TEST_F(NorvaneInput, TextThatIsNoNumberIsRefusedWithABeep) {
    const QStringList before = snapshot();
    int n = 0;
    for (const char* name : {"cboLineSize", "txtBaseTemp", "txtPressMin"}) {
        enterIn(name, "12abc");
        EXPECT_EQ(std::tuple(focused(), beeps, snapshot()), std::tuple(QString(name), ++n, before));
    }
    EXPECT_TRUE(messages.empty());
}

// ---- Files, printing, tools and the ways out -------------------------------

// Set Defaults empties the lists before filling them; Open shows the file's
// state with its layout and lists, the customer box selected; a fluid state
// that is not one is held for correction; a cancelled or failed open changes
// nothing.
TEST_F(NorvaneInput, OpenShowsTheFileOrChangesNothing) {
    pick("cboFluidState", "LIQUID");
    pick("cboFlowUnit", "bbl/day");
    const QStringList liquid = snapshot();
    const std::string path = dir.filePath("tube.dat").toStdString();
    answers << q(path) << q(path);
    menuItem("mnuSave")->trigger();
    menuItem("mnuDefaults")->trigger();
    EXPECT_EQ(std::tuple(text("cboFluidState"), entries("cboFlowUnit")),
              std::tuple(QString("GAS"), qtList(modnrvAddFlowUnit("GAS"))));
    menuItem("mnuOpen")->trigger();
    EXPECT_EQ(std::tuple(snapshot(), focused(), selected(), S.TubeDataFile),
              std::tuple(liquid, QString("txtCust"), QString("Quorin Dynarel Inc."), path));
    menuItem("mnuOpen")->trigger();  // cancelled
    std::string bytes = readFile(path);
    writeFile(path + "1", bytes.substr(0, bytes.find("\"bbl/day\"")));  // ends early
    writeFile(path + "2", bytes.replace(bytes.find("\"LIQUID\""), 8, "\"PLASMA\""));
    answers << q(path + "1") << q(path + "2");
    menuItem("mnuOpen")->trigger();
    EXPECT_EQ(snapshot(), liquid);
    menuItem("mnuOpen")->trigger();
    EXPECT_EQ(std::tuple(focused(), selected(), text("cboFlowUnit"), text("txtDpMax")),
              std::tuple(QString("cboFluidState"), QString("PLASMA"), QString("bbl/day"), QString("Error")));
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "CANCEL");
    EXPECT_TRUE(messages[1].text.contains("past end of file")) << messages[1].text.toStdString();
}

// Save, Text File Save and Print first commit the box being typed.
TEST_F(NorvaneInput, SaveTextFileAndPrintCarryTheBoxBeingTyped) {
    typeIn("txtFlowRateMax", "1234");
    answers << dir.filePath("tube.dat") << dir.filePath("report.txt");
    menuItem("mnuSave")->trigger();
    EXPECT_EQ(readFile(dir.filePath("tube.dat").toStdString()), norvaneDataFileBytes());
    menuItem("mnuTextFileSave")->trigger();
    menuItem("mnuTextFileSave")->trigger();  // cancelled: silent
    EXPECT_EQ(std::tuple(S.FlowRateMax, S.TubeTextFile), std::tuple(1234.0f, dir.filePath("report.txt").toStdString()));
    EXPECT_EQ(readFile(S.TubeTextFile), norvaneReportText(norvaneReport(), todayText()));
    EXPECT_EQ(filters, QStringList({"Data File (*.dat)", "Text File (*.txt)", "Text File (*.txt)"}));
    seams().choosePrinter = [this](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(dir.filePath("report.pdf"));
        return true;
    };
    menuItem("mnuPrint")->trigger();
    EXPECT_TRUE(readFile(dir.filePath("report.pdf").toStdString()).starts_with("%PDF"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(NorvaneInput, TheToolsOpenTheirDialogsAndLeaveTheCase) {
    pick("cboFluidState", "STEAM");
    const QStringList before = snapshot();
    const std::vector<QString> tools = {"frmSteamTable", "frmPipeChart", "frmConvert", "frmHelp", "frmAbout"};
    for (const char* item : {"mnuSteamTable", "mnuPipeChart", "mnuConvert", "mnuHelp", "mnuAbout"})
        menuItem(item)->trigger();
    settle();
    EXPECT_EQ(std::tuple(modalsShown, childForms(), snapshot()),
              std::tuple(tools, QStringList{"frmNorvaneInput"}, before));
}

// Esc and the title bar do what Close does; Ctrl+C and Ctrl+X copy and cut
// inside a text, elsewhere they close the screen or end the program.
TEST_F(NorvaneInput, EveryWayOutLandsWhereItShould) {
    for (const auto& [box, key, copied, left] :
         {std::tuple("txtCust", Qt::Key_C, "Quorin Dynarel Inc.", "Quorin Dynarel Inc."),
          std::tuple("txtFlowRateMin", Qt::Key_X, "1000", "")}) {
        QApplication::clipboard()->setText("before");
        typeIn(box, "");
        QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
        EXPECT_EQ(std::tuple(QApplication::clipboard()->text(), text(box)), std::tuple(QString(copied), QString(left)));
    }
    const struct { const char *way, *sizingType; Qt::Key key; bool exits; } ways[] = {
        {"cmdClose", "", {}, false}, {"mnuClose", "", {}, false}, {"title bar", "", {}, false},
        {"txtCust", "", Qt::Key_Escape, false}, {"cboLineOrient", "", Qt::Key_C, false},
        {"cmdClose", "", Qt::Key_X, true}, {"mnuGasSteam", "GAS", {}, false},
        {"mnuSizeLiquid", "LIQUID", {}, false}, {"mnuExit", "", {}, true}};
    for (const auto& c : ways) {
        SCOPED_TRACE(c.way);
        shared().SizingType = "";
        reopen();
        const std::string way = c.way;
        if (c.key) w(c.way)->setFocus(Qt::MouseFocusReason);
        if (c.key) QTest::keyClick(QApplication::focusWidget(), c.key, c.key == Qt::Key_Escape ? Qt::NoModifier : Qt::ControlModifier);
        else if (way == "cmdClose") control<QPushButton>(input_, "cmdClose")->click();
        else if (way == "title bar") parent->mdiArea()->subWindowList().first()->close();
        else menuItem(c.way)->trigger();
        settle();
        EXPECT_EQ(std::tuple(childForms(), S.SizingType),
                  std::tuple(c.exits ? QStringList{} : QStringList{"frmINTRO"}, std::string(c.sizingType)));
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
        EXPECT_EQ(std::tuple(childForms(), S.SizingType), std::tuple(QStringList{"frmINTRO"}, std::string("NORVANE")));
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

}  // namespace
}  // namespace quorin::test
