// The averaging-tube screen's wiring: what each box stores and runs, where
// Enter goes, the layouts, what is refused or held for correction, the file
// commands and where each command leads. NorvaneCalcTest and the report
// reference files own the figures.
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
    QWidget* w(const char* name) const { return control(input_, name); }
    static QLineEdit* edit(QWidget* c) {  // a box, or the box of an editable list
        auto* l = qobject_cast<QComboBox*>(c);
        return l ? l->lineEdit() : qobject_cast<QLineEdit*>(c);
    }
    static QString text(QObject* c) {
        return c->property(c->inherits("QComboBox") ? "currentText" : "text").toString();
    }
    QString text(const char* name) const { return text(w(name)); }
    // Every box, list and caption: its text, shown, enabled.
    QStringList snapshot() const {
        QStringList rows;
        const QRegularExpression named("^(txt|cbo|lbl)");
        for (QWidget* c : Shell::instance().find(input_)->findChildren<QWidget*>(named))
            rows << c->objectName() + "=" + text(c) + " " + QString::number(c->isVisible()) +
                        QString::number(c->isEnabled());
        return rows;
    }
    void typeIn(const char* name, const QString& typed) {  // a click into the box, its text typed over
        w(name)->setFocus(Qt::MouseFocusReason);
        edit(w(name))->selectAll();
        QTest::keyClicks(w(name), typed);
    }
    void enterIn(const char* name, const QString& typed) {
        typeIn(name, typed);
        enter(w(name));
    }
    void leaveTo(const char* name, const QString& typed) {
        typeIn(name, typed);
        w("txtCust")->setFocus(Qt::MouseFocusReason);
    }
    static QString selected() {
        QLineEdit* b = edit(QApplication::focusWidget());
        return b ? b->selectedText() : QString();
    }
    // This screen in place of the intro screen, or `form` in place of this one.
    void show(const char* form = nullptr) {
        Shell::instance().unload(form ? input_ : "frmINTRO");
        Shell::instance().showChild(form ? form : input_);
        settle();
    }
};

// One box of each kind (typed, then Enter or, without a next box, left; a
// list picked), the field it stores, a box its chain rewrites, where Enter
// goes. The one figure: the start-up air case's DP
// (tests/norvane/data/norvane-air.txt).
TEST_F(NorvaneInput, EachBoxStoresItsFieldAndRunsItsChain) {
    EXPECT_EQ(std::tuple(focused(), selected(), text("txtDate"), text("txtDpMax")),
              std::tuple(QString("txtCust"), QString("Quorin Dynarel Inc."), q(todayText()),
                         QString("6.425")));
    const struct { const char *box, *entry; std::string (*stored)(); const char *moved, *next; } rows[] = {
        {"txtDate", "01-02-2027", [] { return S.DateText; }, nullptr, nullptr},  // stored on losing the focus
        {"txtID", "5", [] { return General(S.LineId); }, "txtBfactor", "txtWall"},
        {"txtFlowRateMax", "1500", [] { return General(S.FlowRateMax); }, "txtDpMax", "cboFlowUnit"},
        {"cboPressUnit", "PSIA", [] { return S.PressUnit; }, "txtDensMin", nullptr},
        {"cboFlowUnit", "SCFM", [] { return S.FlowUnit; }, "txtVelMin", nullptr},
        {"cboLineSize", "4.00", [] { return nrvLineSizeText(S.LineSize); }, "txtID", "cboLineOrient"},
        {"cboFluidState", "LIQUID", [] { return S.FluidState; }, "cboFlowUnit", "cboFluid"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.box);
        const QString before = r.moved ? text(r.moved) : QString();
        if (!edit(w(r.box))) pick(r.box, r.entry);
        else if (r.next) enterIn(r.box, r.entry);
        else leaveTo(r.box, r.entry);
        EXPECT_EQ(r.stored(), r.entry);
        if (r.moved) { EXPECT_NE(text(r.moved), before) << r.moved; }
        if (r.next) { EXPECT_EQ(focused(), r.next); }
    }
    EXPECT_EQ(std::tuple(beeps, messages.size()), std::tuple(0, size_t(0)));
}

// Each layout shows its boxes; a liquid's Enter skips the direction and the
// compressibility row. In steam's, Enter in every box in turn goes round,
// skipping what the layout hides or disables, selects each box's text on
// arrival and changes nothing (typed base conditions and flows stay).
TEST_F(NorvaneInput, EachLayoutShowsItsBoxesAndEnterGoesRoundChangingNothing) {
    const QStringList gasOnly = {"txtBfactor", "txtCompMin", "txtGasExpCorNorm",
                                 "txtCpCv",    "lblMolW",    "lblMWair"};
    const QStringList liquid = {"lblLiquidDensity", "lblMWwater", "txtSpecGrav", "lblBbl"};
    const struct { const char *list, *entry, *unit; QStringList shown, hidden, enters; } layouts[] = {
        {"cboFluidState", "LIQUID", "bbl/day", liquid, gasOnly,
         {"cboLineOrient", "txtMolW", "txtPressMin", "txtCust"}},  // from, to
        {"cboFluidState", "STEAM", "PPH", gasOnly, liquid, {}}};
    for (const auto& c : layouts) {
        SCOPED_TRACE(c.entry);
        menuItem("mnuDefaults")->trigger();
        pick(c.list, c.entry);
        pick("cboFlowUnit", c.unit);
        for (const QString& name : c.shown + c.hidden)
            EXPECT_EQ(w(name.toLatin1())->isVisible(), c.shown.contains(name)) << name.toStdString();
        for (qsizetype k = 0; k < c.enters.size(); k += 2) {
            w(c.enters[k].toLatin1())->setFocus(Qt::MouseFocusReason);
            enter(QApplication::focusWidget());
            EXPECT_EQ(focused(), c.enters[k + 1]);
        }
    }
    leaveTo("txtBaseTemp", "50");
    leaveTo("txtFlowRateNorm", "1500");
    const QStringList before = snapshot();
    QStringList visited{focused()};
    do {
        enter(QApplication::focusWidget());
        QLineEdit* b = edit(QApplication::focusWidget());
        visited << focused() + (b && b->selectedText() != b->text() ? " unselected" : "");
    } while (focused() != "txtCust" && visited.size() < 40);
    const QStringList round = {"txtCust", "txtCustRef", "txtPrepBy", "txtTagNo", "txtRevNo", "cboFluidState",
        "cboLineSize", "cboLineOrient", "txtFlowRateMax", "cboFlowUnit", "txtFlowRateNorm", "txtFlowRateMin",
        "txtTempMax", "cboTempUnit", "txtTempNorm", "txtTempMin", "txtPressMax", "cboPressUnit",
        "txtPressNorm", "txtPressMin", "txtCompMax", "txtCompNorm", "txtCompMin", "txtCust"};
    EXPECT_EQ(std::tuple(visited, snapshot(), beeps), std::tuple(round, before, 0));
}

// Enter into "VERT" from "HORIZ" sets "UP"; later passes and the same state
// typed again keep the direction, the size and what was typed (the
// state and size shown as the case writes them); "HORIZ" sets "HORIZ".
TEST_F(NorvaneInput, TheOrientationAndPassingThroughTheLine) {
    enterIn("txtLineSch", "80");
    enterIn("txtID", "6");
    list("cboLineOrient")->setFocus(Qt::MouseFocusReason);
    list("cboLineOrient")->setCurrentIndex(1);  // as the arrow keys set it: only Enter commits
    enter("cboLineOrient");
    EXPECT_EQ(std::tuple(focused(), text("cboFlowDir"), S.LineOrient, S.FlowDir),
              std::tuple(QString("cboFlowDir"), QString("UP"), std::string("VERT"), std::string("UP")));
    pick("cboFlowDir", "DOWN");
    enter("cboLineOrient");
    enterIn("cboLineSize", "6");
    enterIn("cboFluidState", "gas");
    EXPECT_EQ(std::tuple(S.FlowDir, S.LineId, S.LineSch, text("cboLineSize"), text("cboFluidState")),
              std::tuple(std::string("DOWN"), 6.0f, std::string("80"), QString("6.00"), QString("GAS")));
    pick("cboLineOrient", "HORIZ");
    EXPECT_EQ(std::tuple(S.FlowDir, text("txtFlowDir"), w("cboFlowDir")->isVisible()),
              std::tuple(std::string("HORIZ"), QString("HORIZ"), false));
}

// The box the calculation asks for keeps the focus until it is corrected;
// a state that is not one is held the same way, and text that is no number
// is refused with a beep.
TEST_F(NorvaneInput, WhatIsRefusedOrHeldForCorrection) {
    enterIn("cboLineSize", "5");
    w("txtCust")->setFocus(Qt::MouseFocusReason);
    settle();
    EXPECT_EQ(std::tuple(focused(), selected()), std::tuple(QString("cboLineSize"), QString("5")));
    enterIn("cboLineSize", "2.00");
    enterIn("cboFluid", "FOO");
    EXPECT_EQ(std::tuple(focused(), selected()), std::tuple(QString("cboFluidState"), QString("GAS")));
    const QStringList before = snapshot();
    enterIn("cboFluidState", "PLASMA");
    EXPECT_EQ(std::tuple(focused(), selected(), S.FluidState),
              std::tuple(QString("cboFluidState"), QString("PLASMA"), std::string("GAS")));
    list("cboFluidState")->lineEdit()->setText("GAS");
    enterIn("cboLineSize", "12abc");
    EXPECT_EQ(std::tuple(focused(), beeps, snapshot()), std::tuple(QString("cboLineSize"), 1, before));
    EXPECT_TRUE(messages.empty());
}

// Save, Text File Save and Print first commit the box being typed. Set
// Defaults empties the lists before filling them; Open shows the file's state
// with its layout and lists, the customer box selected; a state that is not
// one is held for correction; a cancelled open says so.
TEST_F(NorvaneInput, TheFileCommands) {
    QTemporaryDir dir;
    QStringList answers;
    seams().chooseFile = [&](const FileRequest&) {
        return answers.isEmpty() ? QString() : answers.takeFirst();
    };
    pick("cboFluidState", "LIQUID");
    pick("cboFlowUnit", "bbl/day");
    typeIn("txtFlowRateMax", "1234");
    const std::string path = dir.filePath("tube.dat").toStdString();
    const std::string report = path + ".txt";
    answers << q(path) << q(report) << q(path);
    menuItem("mnuSave")->trigger();
    const QStringList liquid = snapshot();
    menuItem("mnuTextFileSave")->trigger();
    seams().choosePrinter = [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(q(path + ".pdf"));
        return true;
    };
    menuItem("mnuPrint")->trigger();
    EXPECT_EQ(std::tuple(S.FlowRateMax, readFile(path), readFile(report),
                         readFile(path + ".pdf").substr(0, 4)),
              std::tuple(1234.0f, norvaneDataFileBytes(),
                         norvaneReportText(norvaneReport(), todayText()), "%PDF"));
    menuItem("mnuDefaults")->trigger();
    EXPECT_EQ(std::tuple(text("cboFluidState"), entries("cboFlowUnit")),
              std::tuple(QString("GAS"), qtList(modnrvAddFlowUnit("GAS"))));
    menuItem("mnuOpen")->trigger();
    EXPECT_EQ(std::tuple(snapshot(), focused(), selected(), S.TubeDataFile),
              std::tuple(liquid, QString("txtCust"), QString("Quorin Dynarel Inc."), path));
    menuItem("mnuOpen")->trigger();  // cancelled
    std::string bytes = readFile(path);
    writeFile(path, bytes.replace(bytes.find("\"LIQUID\""), 8, "\"PLASMA\""));
    answers << q(path);
    menuItem("mnuOpen")->trigger();
    EXPECT_EQ(std::tuple(focused(), selected(), text("txtDpMax")),
              std::tuple(QString("cboFluidState"), QString("PLASMA"), QString("Error")));
    EXPECT_TRUE(messages.size() == 1 && messages[0].text == "CANCEL");
}

// The tools open their dialogs and leave the case. The title bar does what
// Close does; outside a text Ctrl+C closes the screen (Esc and Ctrl+X go
// through the shared form code the gas/steam screen's tests run).
TEST_F(NorvaneInput, EveryCommandLandsWhereItShould) {
    pick("cboFluidState", "STEAM");
    const QStringList before = snapshot();
    for (const char* item : {"mnuSteamTable", "mnuPipeChart", "mnuConvert"}) menuItem(item)->trigger();
    const std::vector<QString> tools = {"frmSteamTable", "frmPipeChart", "frmConvert"};
    EXPECT_EQ(std::tuple(modalsShown, snapshot()), std::tuple(tools, before));
    const struct { const char *way, *sizingType; Qt::Key key; } ways[] = {
        {"cmdClose", "", {}}, {"title bar", "", {}}, {"cboLineOrient", "", Qt::Key_C},
        {"mnuGasSteam", "GAS", {}}, {"mnuSizeLiquid", "LIQUID", {}}};
    for (const auto& c : ways) {
        SCOPED_TRACE(c.way);
        shared().SizingType = "";
        show();
        const std::string way = c.way;
        if (c.key) QTest::keyClick(w(c.way), c.key, Qt::ControlModifier);
        else if (way == "cmdClose") control<QPushButton>(input_, "cmdClose")->click();
        else if (way == "title bar") parent->mdiArea()->subWindowList().first()->close();
        else menuItem(c.way)->trigger();
        settle();
        EXPECT_EQ(std::tuple(childForms(), S.SizingType),
                  std::tuple(QStringList{"frmINTRO"}, std::string(c.sizingType)));
    }
}

// "Size Norvane" of both vortex screens leads here through the intro, shown
// or not; the screen loaded again serves the calculation's requests to select
// a box, and once it has gone a request selects nothing.
TEST_F(NorvaneInput, TheVortexScreensLeadHereAndTheLoadedScreenServesSelections) {
    for (const char* from : {"frmInputScrn", "frmLqdInput"}) {
        SCOPED_TRACE(from);
        show(from);
        menuItem("mnuSizeNorvane", from)->trigger();
        settle();
        EXPECT_EQ(std::tuple(childForms(), S.SizingType),
                  std::tuple(QStringList{"frmINTRO"}, std::string("NORVANE")));
        control<QPushButton>("frmINTRO", "cmdNorvane")->click();
        settle();
    }
    hooks().selectControl("cboLineSize");
    EXPECT_EQ(std::tuple(childForms(), focused(), selected()),
              std::tuple(QStringList{"frmNorvaneInput"}, QString("cboLineSize"), QString("6.00")));
    menuItem("mnuClose")->trigger();
    settle();
    const QString before = focused();
    hooks().selectControl("cboLineSize");
    settle();
    EXPECT_EQ(std::tuple(childForms(), focused()), std::tuple(QStringList{"frmINTRO"}, before));
}

}  // namespace
}  // namespace quorin::test
