#include "norvane/frmNorvaneInput.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "core.h"
#include "shell/Controls.h"
#include "shell/FileCommands.h"
#include "shell/Seams.h"
#include "shell/Shell.h"
#include "tools/frmConvert.h"
#include "tools/frmPipeChart.h"

namespace quorin {

namespace {

const QString kDataFilter = "Data File (*.dat)";
const QString kTextFilter = "Text File (*.txt)";


// Room for `sample` in the box's font, and a little more.
void fitWidth(QWidget* box, const char* sample) {
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString::fromLatin1(sample)) + 16);
}

QLineEdit* makeEntry(const char* name, const char* toolTip, const char* sample = "000000.000") {
    QLineEdit* box = makeBox(name, toolTip);
    fitWidth(box, sample);
    return box;
}

// A box the program writes and the user only reads.
QLineEdit* makeDisplay(const char* name, const char* toolTip) {
    QLineEdit* box = makeReadout(name, toolTip);
    fitWidth(box, "000000.000");
    return box;
}

const char* suffix(NrvCase which) {
    switch (which) {
        case NrvCase::Max: return "Max";
        case NrvCase::Norm: return "Norm";
        case NrvCase::Min: break;
    }
    return "Min";
}

const char* caseWord(NrvCase which) {
    switch (which) {
        case NrvCase::Max: return "Maximum";
        case NrvCase::Norm: return "Normal";
        case NrvCase::Min: break;
    }
    return "Minimum";
}

// Object names and tool-tips of the per-case boxes are built from the row
// and the case; Qt keeps its own copies of both.
QByteArray caseName(const char* row, NrvCase which) { return QByteArray(row) + suffix(which); }
QByteArray caseTip(const char* before, NrvCase which, const char* after = "") {
    return QByteArray(before) + caseWord(which) + after;
}

// The list entry of a nominal line size (".50", "6.00"); a size the list
// lacks in its general form.
std::string lineSizeText(float size) {
    for (const std::string& entry : nrvLineSizeTexts()) {
        float value = 0;
        if (parseSingle(entry, value) && value == size) return entry;
    }
    return General(size);
}

void run(std::initializer_list<void (*)()> steps) {
    for (auto step : steps) step();
}

void selectWholeText(QWidget* control) {
    if (auto* box = qobject_cast<QLineEdit*>(control)) box->selectAll();
    else if (auto* list = qobject_cast<QComboBox*>(control); list && list->lineEdit())
        list->lineEdit()->selectAll();
}

}  // namespace

frmNorvaneInput::frmNorvaneInput()
    : Form(kName, " Quorin NORVANE Sizing Program Input Screen"), events_(new FieldEvents(this)) {
    // While the screen is loaded, the calculation's requests to select a box
    // are served here. A screen unloaded but not yet destroyed hands on the
    // handler it replaced.
    const auto* unloading = hooks().selectControl.target<SelectHandler>();
    previousSelectHook_ = unloading ? unloading->form->previousSelectHook_ : hooks().selectControl;
    hooks().selectControl = SelectHandler{this};

    createControls();
    layoutControls();
    createMenus();
    createEventTable();
    loadDefaults();
}

frmNorvaneInput::~frmNorvaneInput() {
    const auto* installed = hooks().selectControl.target<SelectHandler>();
    if (installed && installed->form == this) hooks().selectControl = previousSelectHook_;
}

// ---- Controls ------------------------------------------------------------

void frmNorvaneInput::createControls() {
    txtCust = makeEntry("txtCust", "Enter Customer Name", "Quorin Dynarel Inc.");
    txtCustRef = makeEntry("txtCustRef", "Enter Customer Reference");
    txtPrepBy = makeEntry("txtPrepBy", "Enter Name of Preparer");
    txtDate = makeEntry("txtDate", "Enter Date");
    txtTagNo = makeEntry("txtTagNo", "Enter Tag Number");
    txtRevNo = makeEntry("txtRevNo", "Enter Revision Number");

    cboFluidState = makeEditableList("cboFluidState", "Select Fluid State", qtList(nrvFluidStates()));
    cboFluid = makeEditableList("cboFluid", "Select Fluid", {});
    fitWidth(cboFluid, "PROPENE PROPYLENE  XXX");
    cboFluid->setMaxVisibleItems(24);
    cboLineSize = makeEditableList("cboLineSize", "Select Nominal Line Size", qtList(nrvLineSizeTexts()));
    cboLineSize->setMaxVisibleItems(16);
    txtLineSch = makeEntry("txtLineSch", "Enter Line Schedule");
    txtLineMat = makeEntry("txtLineMat", "Enter Line Material");
    txtID = makeEntry("txtID", "Enter Internal Diameter in Inches");
    txtWall = makeEntry("txtWall", "Enter Wall Thickness in Inches");
    txtOd = makeEntry("txtOd", "Enter Outside Diameter in Inches");
    cboLineOrient = makeList("cboLineOrient", "Select Line Orientation", qtList(nrvOrientations()));
    txtFlowDir = makeDisplay("txtFlowDir", "Display Only Flow Direction");
    cboFlowDir = makeList("cboFlowDir", "Select Flow Direction", qtList(nrvFlowDirs()));

    txtFlowCoe = makeDisplay("txtFlowCoe", "Display Only Flow Coefficient");
    txtBfactor = makeDisplay("txtBfactor", "Display Only B Factor");
    txtMolW = makeEntry("txtMolW", "Enter Molecular Weight for Gas or Density for Liquid");
    txtSpecGrav = makeDisplay("txtSpecGrav", "Display Only Specific Gravity");
    // Locked: grey like the window behind it.
    QPalette grey = txtSpecGrav->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Window));
    txtSpecGrav->setPalette(grey);
    txtCpCv = makeDisplay("txtCpCv", "Display Only Ratio of Specific Heats");
    txtBaseTemp = makeEntry("txtBaseTemp", "Enter Base Temperature in deg F");
    txtBasePress = makeEntry("txtBasePress", "Enter Base Pressure in PSIA");

    lblMolW = makeLabel("lblMolW", "Molecular Weight(MW):");
    lblLiquidDensity = makeLabel("lblLiquidDensity", "Liquid Density:");
    lblMWair = makeLabel("lblMWair", "MW of AIR = 28.964");
    lblMWwater = makeLabel("lblMWwater", "Density of WATER = 62.371");
    lblBfactor = makeLabel("lblBfactor", "B Factor(B):");
    lblSpecGrav = makeLabel("lblSpecGrav", "Specific Gravity(SG):");
    lblCpCv = makeLabel("lblCpCv", "Cp/Cv(k):");
    lblBaseTempC = makeLabel("lblBaseTempC", QString());
    lblBasePressKg = makeLabel("lblBasePressKg", QString());
    lblBbl = makeLabel("lblBbl", "1 barrel = 42 US gallons");
    lblComp = makeLabel("lblComp", "Compressibility(Z):");
    lblGasExpCor = makeLabel("lblGasExpCor", "Gas Expansion Correction(CY):");

    cboFlowUnit = makeList("cboFlowUnit", "Select Unit of Flow", {});
    fitWidth(cboFlowUnit, "bbl/day  XXXX");
    cboTempUnit = makeList("cboTempUnit", "Select Unit of Temperature", qtList(nrvTempUnits()));
    cboPressUnit = makeList("cboPressUnit", "Select Unit of Pressure", qtList(nrvPressUnits()));

    // Minimum, Normal, Maximum from left to right.
    const NrvCase order[] = {NrvCase::Min, NrvCase::Norm, NrvCase::Max};
    for (int k = 0; k < 3; ++k) {
        const NrvCase w = order[k];
        CaseColumn& c = columns_[k];
        c.which = w;
        c.flowRate = makeEntry(caseName("txtFlowRate", w), caseTip("Enter ", w, " Flow Rate"));
        c.temp = makeEntry(caseName("txtTemp", w), caseTip("Enter ", w, " Temperature"));
        c.press = makeEntry(caseName("txtPress", w), caseTip("Enter ", w, " Pressure PSIG"));
        c.dens = makeDisplay(caseName("txtDens", w), caseTip("Display Only Density ", w));
        c.comp = makeEntry(caseName("txtComp", w), caseTip("Enter ", w, " Compressibility"));
        c.thermExpCor = makeDisplay(caseName("txtThermExpCor", w),
                                    caseTip("Display Only Thermal Expansion Correction ", w));
        c.gasExpCor = makeDisplay(caseName("txtGasExpCor", w),
                                  caseTip("Display Only Gas Expansion Correction ", w));
        c.vel = makeDisplay(caseName("txtVel", w), caseTip("Display Only Velocity ", w));
        c.dp = makeDisplay(caseName("txtDp", w), caseTip("Display Only Differential Pressure ", w));
        c.mps = makeLabel(caseName("lblMps", w), QString());
        c.mps->setToolTip("Display Only Meters Per Second");
        c.mps->setAlignment(Qt::AlignCenter);
    }

    cmdClose = makeButton("cmdClose", "&Close", "Press to Close this screen");
    setCancelButton(cmdClose);
    onClick(cmdClose, [this] { close_(); });
}

QWidget* frmNorvaneInput::layoutHeader() {
    auto* header = new QGroupBox;
    header->setObjectName("fraHeader");
    auto* grid = new QGridLayout(header);
    grid->setVerticalSpacing(4);
    const std::tuple<const char*, const char*, QLineEdit*> entries[] = {
        {"lblCust", "Customer:", txtCust},   {"lblCustRef", "Cust. Ref.:", txtCustRef},
        {"lblPrepBy", "Prep. By:", txtPrepBy}, {"lblDate", "Date:", txtDate},
        {"lblTagNo", "Tag No.:", txtTagNo},    {"lblRevNo", "Rev. No.:", txtRevNo}};
    int k = 0;
    for (const auto& [name, caption, box] : entries) {
        const int row = k / 3, column = k % 3 * 2;
        grid->addWidget(makeLabel(name, caption), row, column);
        grid->addWidget(box, row, column + 1);
        grid->setColumnStretch(column + 1, 1);
        ++k;
    }
    return header;
}

QWidget* frmNorvaneInput::layoutApplication() {
    auto* application = new QGroupBox("Application Specifications");
    application->setObjectName("fraApplication");
    auto* grid = new QGridLayout(application);
    grid->setVerticalSpacing(4);

    // The fluid and the line on the left, read row by row; a row holds one
    // entry across or two side by side.
    struct Entry {
        const char* name;
        const char* caption;
        QWidget* control;
    };
    const std::vector<std::vector<Entry>> line = {
        {{"lblFluidState", "Fluid State:", cboFluidState}},
        {{"lblFluid", "Fluid:", cboFluid}},
        {{"lblLineSize", "Line Size (INCH):", cboLineSize}},
        {{"lblLineSch", "Schedule:", txtLineSch}, {"lblLineMat", "Material:", txtLineMat}},
        {{"lblID", "Internal Dia (D) (INCH):", txtID}},
        {{"lblWall", "Wall:", txtWall}, {"lblOd", "OD:", txtOd}},
        {{"lblLineOrient", "Line Orientation:", cboLineOrient},
         {"lblFlowDir", "Flow Direction:", txtFlowDir}}};
    int row = 0;
    for (const auto& entries : line) {
        for (size_t k = 0; k < entries.size(); ++k) {
            grid->addWidget(makeLabel(entries[k].name, entries[k].caption), row, int(2 * k));
            grid->addWidget(entries[k].control, row, int(2 * k + 1));
        }
        ++row;
    }
    grid->addWidget(cboFluid, 1, 1, 1, 3);
    // Vertical lines show the direction list in the place of the box.
    grid->addWidget(cboFlowDir, row - 1, 3);

    // The coefficients, the fluid's properties and the base conditions on
    // the right; the liquid's density label takes the place of the
    // molecular weight's, and the hints stand beside their boxes.
    grid->setColumnMinimumWidth(4, 16);
    const std::tuple<QLabel*, QLineEdit*, QLabel*> properties[] = {
        {makeLabel("lblFlowCoe", "FlowCoefficient(K):"), txtFlowCoe, nullptr},
        {lblBfactor, txtBfactor, nullptr},
        {lblMolW, txtMolW, lblMWair},
        {lblSpecGrav, txtSpecGrav, nullptr},
        {lblCpCv, txtCpCv, nullptr},
        {makeLabel("lblBaseTemp", "Base Temp degF(Tb):"), txtBaseTemp, lblBaseTempC},
        {makeLabel("lblBasePress", "Base Press PSIA(Pb):"), txtBasePress, lblBasePressKg}};
    row = 0;
    for (const auto& [label, box, hint] : properties) {
        grid->addWidget(label, row, 5);
        grid->addWidget(box, row, 6);
        if (hint) grid->addWidget(hint, row, 7);
        ++row;
    }
    grid->addWidget(lblLiquidDensity, 2, 5);
    grid->addWidget(lblMWwater, 2, 7);
    // The hints' column keeps the room of the longest, so nothing moves when
    // the layout changes.
    grid->setColumnMinimumWidth(5, lblMolW->sizeHint().width());
    grid->setColumnMinimumWidth(7, lblMWwater->sizeHint().width());
    for (int column : {1, 3, 6}) grid->setColumnStretch(column, 1);
    return application;
}

QWidget* frmNorvaneInput::layoutFlowData() {
    auto* flow = new QGroupBox("Flow Data");
    flow->setObjectName("fraFlowData");
    auto* grid = new QGridLayout(flow);
    grid->setVerticalSpacing(4);
    for (int k = 0; k < 3; ++k) {
        QLabel* caption = makeLabel(caseName("lbl", columns_[k].which), caseWord(columns_[k].which));
        caption->setAlignment(Qt::AlignCenter);
        grid->addWidget(caption, 0, 2 + k);
        grid->setColumnStretch(2 + k, 1);
    }
    struct Row {
        QLabel* label;
        QWidget* unit;
        QLineEdit* CaseColumn::*box;
    };
    const Row rows[] = {
        {makeLabel("lblFlowRate", "Flow Rate(Q):"), cboFlowUnit, &CaseColumn::flowRate},
        {makeLabel("lblTemp", "Temperature(T):"), cboTempUnit, &CaseColumn::temp},
        {makeLabel("lblPress", "Pressure(P):"), cboPressUnit, &CaseColumn::press},
        {makeLabel("lblDens", "Density(SW)  (lb/ft^3):"), nullptr, &CaseColumn::dens},
        {lblComp, nullptr, &CaseColumn::comp},
        {makeLabel("lblThermExpCor", "Thermal Expansion Correction(CE):"), nullptr,
         &CaseColumn::thermExpCor},
        {lblGasExpCor, nullptr, &CaseColumn::gasExpCor},
        {makeLabel("lblVel", "Velocity(V) - FPS:"), nullptr, &CaseColumn::vel},
        {makeLabel("lblDp", "Differential Pressure(DP):  (inches W.C.)"), nullptr, &CaseColumn::dp}};
    int row = 1;
    for (const Row& r : rows) {
        grid->addWidget(r.label, row, 0);
        if (r.unit) grid->addWidget(r.unit, row, 1);
        for (int k = 0; k < 3; ++k) grid->addWidget(columns_[k].*r.box, row, 2 + k);
        ++row;
        // The metres per second under the feet per second.
        if (r.box == &CaseColumn::vel) {
            for (int k = 0; k < 3; ++k) grid->addWidget(columns_[k].mps, row, 2 + k);
            ++row;
        }
    }
    grid->addWidget(lblBbl, 1, 5);
    grid->setColumnMinimumWidth(5, lblBbl->sizeHint().width());
    return flow;
}

void frmNorvaneInput::layoutControls() {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(scrollingBody());
    layout->addWidget(layoutHeader());
    layout->addWidget(layoutApplication());
    layout->addWidget(layoutFlowData());
    layout->addLayout(buttons);
    layout->addStretch();

    std::vector<QWidget*> order = {txtCust,   txtCustRef,    txtPrepBy,  txtDate,    txtTagNo,
                                   txtRevNo,  cboFluidState, cboFluid,   cboLineSize, txtLineSch,
                                   txtLineMat, txtID,        txtWall,    txtOd,      cboLineOrient,
                                   cboFlowDir, txtMolW,      txtBaseTemp, txtBasePress, cboFlowUnit};
    for (const CaseColumn& c : columns_) order.push_back(c.flowRate);
    order.push_back(cboTempUnit);
    for (const CaseColumn& c : columns_) order.push_back(c.temp);
    order.push_back(cboPressUnit);
    for (const CaseColumn& c : columns_) order.push_back(c.press);
    for (const CaseColumn& c : columns_) order.push_back(c.comp);
    order.push_back(cmdClose);
    for (size_t i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
}

// ---- Menus ---------------------------------------------------------------

void frmNorvaneInput::createMenus() {
    QMenu* file = addMenu("File", "mnuFile");
    addCommand(file, "Open", "mnuOpen", QKeySequence("Ctrl+O"), [this] { openFile(); });
    addCommand(file, "Screen Save", "mnuSave", QKeySequence("Ctrl+S"), [] {
        saveWithDialog({FileRequest::Mode::Save, kDataFilter, {}}, shared().TubeDataFile,
                       modnrvSaveInData);
    });
    addCommand(file, "Text File Save", "mnuTextFileSave", QKeySequence("Ctrl+T"), [] {
        saveWithDialog({FileRequest::Mode::Save, kTextFilter, {}}, shared().TubeTextFile,
                       [] { return modnrvTextFileSave(todayText()); });
    });
    addSeparator(file);
    addCommand(file, "Print", "mnuPrint", QKeySequence("Ctrl+P"),
               [] { printReport([] { return modnrvPrintResults(); }); });
    addSeparator(file);
    addCommand(file, "Close", "mnuClose", QKeySequence("Ctrl+C"), [this] { close_(); });
    addSeparator(file);
    addCommand(file, "Exit", "mnuExit", QKeySequence("Ctrl+X"),
               [] { Shell::instance().exitProgram(); });

    QMenu* tools = addMenu("Tools", "mnuTools");
    addCommand(tools, "Size Vortex Gas/Steam Meter", "mnuGasSteam", {},
               [this] { changeWorkflow("GAS"); });
    addSeparator(tools);
    addCommand(tools, "Size Vortex Liquid Meter", "mnuSizeLiquid", {},
               [this] { changeWorkflow("LIQUID"); });
    addSeparator(tools);
    addCommand(tools, "Steam Table", "mnuSteamTable", {},
               [] { Shell::instance().showModal("frmSteamTable"); });
    addSeparator(tools);
    addCommand(tools, "Pipe Chart", "mnuPipeChart", {},
               [] { Shell::instance().showModal(frmPipeChart::kName); });
    addSeparator(tools);
    addCommand(tools, "Convert to Inches", "mnuConvert", {},
               [] { Shell::instance().showModal(frmConvert::kName); });
    addSeparator(tools);
    addCommand(tools, "Set Defaults", "mnuDefaults", {}, [this] { loadDefaults(); });

    addMenuBarCommand("Help", "mnuHelp", [] { Shell::instance().showModal("frmHelp"); });
    addMenuBarCommand("About", "mnuAbout", [] { Shell::instance().showModal("frmAbout"); });
}

// ---- Event table ---------------------------------------------------------

void frmNorvaneInput::addRow(QWidget* control, std::function<bool(Trigger)> commit, Next next) {
    nextOf_.insert(control, next);
    events_->add(FieldRow{control, [this, commit = std::move(commit), next](Trigger trigger) {
                              selected_ = nullptr;
                              const bool taken = commit(trigger);
                              if (selected_) {
                                  // The calculation asked for a box: it keeps
                                  // the focus, with its text selected.
                                  selectBox(selected_);
                                  return;
                              }
                              if (taken && trigger == Trigger::Enter && next) moveTo(next());
                          }});
}

void frmNorvaneInput::addNumber(QLineEdit* box, float& field, std::function<void()> chain,
                                Next next) {
    addRow(box,
           [this, box, &field, chain = std::move(chain)](Trigger) {
               if (!events_->takeNumber(box, field)) return false;
               chain();
               refresh();
               return true;
           },
           std::move(next));
}

void frmNorvaneInput::addText(QLineEdit* box, std::string& field, QWidget* next) {
    addRow(box,
           [box, &field](Trigger) {
               field = s(box->text());
               return true;
           },
           [next] { return next; });
}

void frmNorvaneInput::createEventTable() {
    auto& S = shared();
    auto to = [](QWidget* w) { return [w] { return w; }; };
    auto flowChain = [] { run({modnrvGasExpCor, modnrvVelFps, modnrvDpCalc}); };
    auto tempChain = [] {
        run({modnrvTemp, modnrvDensCalc, modnrvThermExpCor, modnrvGasExpCor, modnrvVelFps,
             modnrvDpCalc});
    };
    auto pressChain = [] {
        run({modnrvPressCalc, modnrvDensCalc, modnrvGasExpCor, modnrvVelFps, modnrvDpCalc});
    };
    auto densChain = [] { run({modnrvDensCalc, modnrvGasExpCor, modnrvVelFps, modnrvDpCalc}); };

    addText(txtCust, S.Cust, txtCustRef);
    addText(txtCustRef, S.CustRef, txtPrepBy);
    addText(txtPrepBy, S.PrepBy, txtTagNo);
    addText(txtDate, S.DateText, txtTagNo);
    addText(txtTagNo, S.TagNo, txtRevNo);
    addText(txtRevNo, S.RevNo, cboFluidState);
    addRow(cboFluidState, [this](Trigger) { return fluidStateBox(); }, to(cboFluid));
    addRow(cboFluid, [this](Trigger) { return fluidBox(); }, to(cboLineSize));
    addRow(cboLineSize, [this](Trigger) { return lineSizeBox(); }, to(cboLineOrient));
    addText(txtLineSch, S.LineSch, txtLineMat);
    addText(txtLineMat, S.LineMat, txtID);
    addRow(txtID, [this, &S](Trigger) { return lineDimension(txtID, S.LineId, true); }, to(txtWall));
    addRow(txtWall, [this, &S](Trigger) { return lineDimension(txtWall, S.LineWall, false); },
           to(txtOd));
    addRow(txtOd,
           [this, &S](Trigger) {
               if (!events_->takeNumber(txtOd, S.LineOd)) return false;
               refresh();
               return true;
           },
           to(cboLineOrient));
    addRow(cboLineOrient, [this](Trigger t) { return lineOrientBox(t); },
           [this] { return afterOrientation(); });
    addRow(cboFlowDir,
           [this, &S](Trigger) {
               S.FlowDir = s(cboFlowDir->currentText());
               return true;
           },
           [this] { return afterFlowDirection(); });
    addRow(txtMolW, [this](Trigger) { return molWeightBox(); }, to(txtBaseTemp));
    addNumber(txtBaseTemp, S.BaseTemp,
              [] { run({nrvBaseDerived, modnrvGasExpCor, modnrvVelFps, modnrvDpCalc}); },
              to(txtBasePress));
    // The base pressure is the atmosphere of every gauge value: the gauge
    // pressures follow it before the densities.
    addNumber(txtBasePress, S.BasePress,
              [] {
                  run({nrvBaseDerived, modnrvPressCalc, modnrvDensCalc, modnrvGasExpCor,
                       modnrvVelFps, modnrvDpCalc});
              },
              to(columns_[2].flowRate));

    // The cases: columns_ runs Minimum, Normal, Maximum.
    CaseColumn &mn = columns_[0], &nm = columns_[1], &mx = columns_[2];
    auto field = [&S](const CaseColumn& c) { return nrvCase(S, c.which); };
    addNumber(mx.flowRate, field(mx).flowRate, flowChain, to(cboFlowUnit));
    addNumber(nm.flowRate, field(nm).flowRate, flowChain, to(mn.flowRate));
    addNumber(mn.flowRate, field(mn).flowRate, flowChain, to(mx.temp));
    addRow(cboFlowUnit, [this](Trigger) { return flowUnitBox(); }, to(nm.flowRate));

    addNumber(mx.temp, field(mx).temp, tempChain, to(cboTempUnit));
    addNumber(nm.temp, field(nm).temp, tempChain, to(mn.temp));
    addNumber(mn.temp, field(mn).temp, tempChain, to(mx.press));
    addRow(cboTempUnit,
           [this, &S, tempChain](Trigger) {
               S.TempUnitIn = s(cboTempUnit->currentText());
               tempChain();
               refresh();
               return true;
           },
           to(nm.temp));

    addNumber(mx.press, field(mx).press, pressChain, to(cboPressUnit));
    addNumber(nm.press, field(nm).press, pressChain, to(mn.press));
    addNumber(mn.press, field(mn).press, pressChain, [this] { return afterMinimumPressure(); });
    addRow(cboPressUnit,
           [this, &S](Trigger) {
               S.PressUnit = s(cboPressUnit->currentText());
               run({modnrvPressCalc, modnrvDensCalc, modnrvThermExpCor, modnrvGasExpCor,
                    modnrvVelFps, modnrvDpCalc});
               refresh();
               return true;
           },
           to(nm.press));

    addNumber(mx.comp, field(mx).comp, densChain, to(nm.comp));
    addNumber(nm.comp, field(nm).comp, densChain, to(mn.comp));
    addNumber(mn.comp, field(mn).comp, densChain, to(txtCust));
}

// ---- Commits -------------------------------------------------------------

// A new fluid state brings its fluid, flow unit, defaults and layout. A text
// that is not a state is selected for correction; the state the case already
// has changes nothing, so passing through the box keeps the entered case.
bool frmNorvaneInput::fluidStateBox() {
    auto& S = shared();
    const NrvState state = nrvState(s(cboFluidState->currentText()));
    if (state == NrvState::None) {
        selected_ = cboFluidState;
        return false;
    }
    if (state == nrvState(S.FluidState)) {
        refresh();  // the state as the case spells it
        return true;
    }
    S.FluidState = nrvFluidStates()[state == NrvState::Gas ? 0 : state == NrvState::Steam ? 1 : 2];
    nrvFluidStateChanged();
    showLayout(state);
    fillLists(state);
    refresh();
    return true;
}

bool frmNorvaneInput::fluidBox() {
    shared().Fluid = s(cboFluid->currentText());
    run({modnrvGasCpCvk, modnrvDensCalc, modnrvGasExpCor, modnrvVelFps, modnrvDpCalc});
    refresh();
    return true;
}

// A new nominal size brings its pipe dimensions, schedule and material; the
// size the case already has changes nothing, so passing through the box
// keeps a typed inside diameter, wall, schedule or material (a size without
// a flow coefficient is still held for correction).
bool frmNorvaneInput::lineSizeBox() {
    auto& S = shared();
    const float previous = S.LineSize;
    if (!events_->takeNumber(cboLineSize->lineEdit(), S.LineSize)) return false;
    if (S.LineSize == previous) {
        modnrvFlowCoeK();
        refresh();  // the size as the list writes it
        return true;
    }
    modnrvPipeTbl();
    S.LineSch = nrvScheduleFor(S.LineSize);
    S.LineMat = "CS";
    run({modnrvFlowCoeK, modnrvBfactor, modnrvGasExpCor, modnrvVelFps, modnrvDpCalc});
    refresh();
    return true;
}

// The inside diameter and the wall give the outside diameter; only the
// inside diameter enters the calculation.
bool frmNorvaneInput::lineDimension(QLineEdit* box, float& field, bool inside) {
    if (!events_->takeNumber(box, field)) return false;
    nrvLineOd();
    if (inside) run({modnrvBfactor, modnrvGasExpCor, modnrvVelFps, modnrvDpCalc});
    refresh();
    return true;
}

// Horizontal lines flow "HORIZ"; vertical ones up or down, shown in the
// direction list (set to "UP" when Enter leads into it from "HORIZ"; a
// direction already chosen stays).
bool frmNorvaneInput::lineOrientBox(Trigger trigger) {
    auto& S = shared();
    const bool wasVertical = unitIs(S.LineOrient, "VERT");
    S.LineOrient = s(cboLineOrient->currentText());
    if (unitIs(S.LineOrient, "VERT")) {
        if (trigger == Trigger::Enter && !wasVertical) selectText(cboFlowDir, "UP");
        S.FlowDir = s(cboFlowDir->currentText());
    } else {
        S.FlowDir = "HORIZ";
    }
    showFlowDirection();
    return true;
}

// A new flow unit brings the base conditions that belong to it; the unit the
// case already has changes nothing.
bool frmNorvaneInput::flowUnitBox() {
    auto& S = shared();
    const std::string unit = s(cboFlowUnit->currentText());
    if (upper(unit) == upper(S.FlowUnit)) return true;
    S.FlowUnit = unit;
    nrvFlowUnitChanged();
    refresh();
    return true;
}

// Gas and steam enter a molecular weight (relative to air), a liquid its
// density (relative to water).
bool frmNorvaneInput::molWeightBox() {
    auto& S = shared();
    if (!events_->takeNumber(txtMolW, S.MolW)) return false;
    nrvSpecGravFromMolW();
    run({modnrvDensCalc, modnrvGasExpCor, modnrvVelFps, modnrvDpCalc});
    refresh();
    return true;
}

QWidget* frmNorvaneInput::afterOrientation() const {
    return unitIs(shared().LineOrient, "VERT") ? cboFlowDir : afterFlowDirection();
}

QWidget* frmNorvaneInput::afterFlowDirection() const {
    return nrvState(shared().FluidState) == NrvState::Liquid ? txtMolW : columns_[2].flowRate;
}

QWidget* frmNorvaneInput::afterMinimumPressure() const {
    return nrvState(shared().FluidState) == NrvState::Liquid ? static_cast<QWidget*>(txtCust)
                                                             : columns_[2].comp;
}

// ---- Focus ---------------------------------------------------------------

void frmNorvaneInput::moveTo(QWidget* control) {
    // A box of another layout (hidden) or the steam's fluid (disabled) hands
    // the focus on along the chain.
    for (int hops = 0; control && (control->isHidden() || !control->isEnabled()); ++hops) {
        const Next next = nextOf_.value(control);
        control = next && hops < 60 ? next() : nullptr;
    }
    if (!control) return;
    control->setFocus(Qt::TabFocusReason);
    selectWholeText(control);
}

void frmNorvaneInput::selectRequested(const std::string& name) {
    if (auto* control = findChild<QWidget*>(q(name))) {
        selected_ = control;
        selectBox(control);
    }
}

// The focus change is the program's, not the user's: it commits nothing.
// Asked for while the focus was leaving a box, the selection is made again
// once that box has finished losing the focus (which clears a selection).
void frmNorvaneInput::selectBox(QWidget* control) {
    CommandScope quiet;
    control->setFocus(Qt::OtherFocusReason);
    selectWholeText(control);
    QMetaObject::invokeMethod(
        this,
        [box = QPointer<QWidget>(control)] {
            if (box && box->hasFocus()) selectWholeText(box);
        },
        Qt::QueuedConnection);
}

// ---- Screen --------------------------------------------------------------

void frmNorvaneInput::put(QLineEdit* box, const std::string& text) {
    if (box->text() != q(text)) events_->show(box, q(text));
}

void frmNorvaneInput::put(QComboBox* list, const std::string& text) {
    if (list->currentText() == q(text)) return;
    selectText(list, text);
    // An editable list shows the case's text as it stands.
    if (list->lineEdit()) events_->show(list->lineEdit(), q(text));
}

void frmNorvaneInput::refresh() {
    const auto& S = shared();
    put(txtCust, S.Cust);
    put(txtCustRef, S.CustRef);
    put(txtPrepBy, S.PrepBy);
    put(txtDate, S.DateText);
    put(txtTagNo, S.TagNo);
    put(txtRevNo, S.RevNo);

    put(cboFluidState, S.FluidState);
    put(cboFluid, S.Fluid);
    put(cboLineSize, lineSizeText(S.LineSize));
    put(txtLineSch, S.LineSch);
    put(txtLineMat, S.LineMat);
    put(txtID, General(S.LineId));
    put(txtWall, General(S.LineWall));
    put(txtOd, General(S.LineOd));
    put(cboLineOrient, S.LineOrient);
    put(txtFlowDir, "HORIZ");
    if (unitIs(S.LineOrient, "VERT")) put(cboFlowDir, S.FlowDir);
    showFlowDirection();

    put(txtFlowCoe, General(S.FlowCoe));
    put(txtBfactor, Format(S.Bfactor, "0.00e+00"));
    put(txtMolW, General(S.MolW));
    put(txtSpecGrav, Format(S.SpecGrav, "0.0000"));
    put(txtCpCv, General(S.CpCv));
    put(txtBaseTemp, General(S.BaseTemp));
    put(txtBasePress, General(S.BasePress));
    lblBaseTempC->setText(q(Format(S.BaseTempC, "0.0") + " C"));
    lblBasePressKg->setText(q(Format(S.BasePressKg, "0.000") + " Kg/cm2"));

    put(cboFlowUnit, S.FlowUnit);
    lblBbl->setVisible(nrvShowsBarrelHint(S.FlowUnit));
    put(cboTempUnit, S.TempUnitIn);
    put(cboPressUnit, S.PressUnit);
    for (const CaseColumn& c : columns_) {
        const NrvCaseFields f = nrvCase(shared(), c.which);
        put(c.flowRate, General(f.flowRate));
        put(c.temp, General(f.temp));
        put(c.press, General(f.press));
        put(c.comp, General(f.comp));
        put(c.dens, Format(f.dens, "0.0000"));
        put(c.thermExpCor, Format(f.thermExpCor, "0.0000"));
        put(c.gasExpCor, Format(f.gasExpCor, "0.0000"));
        put(c.vel, Format(f.vel, "0.00"));
        put(c.dp, Format(f.dp, "0.000"));
        c.mps->setText(q(Format(f.velMps, "0.00") + " MPS"));
    }
}

void frmNorvaneInput::showLayout(NrvState state) {
    const bool liquid = state == NrvState::Liquid;
    const bool steam = state == NrvState::Steam;
    std::vector<QWidget*> gasOnly = {lblBfactor, txtBfactor, lblCpCv, txtCpCv, lblComp, lblGasExpCor,
                                     lblMolW,    lblMWair};
    for (const CaseColumn& c : columns_) {
        gasOnly.push_back(c.comp);
        gasOnly.push_back(c.gasExpCor);
    }
    for (QWidget* w : gasOnly) w->setHidden(liquid);
    lblLiquidDensity->setVisible(liquid);
    lblMWwater->setVisible(liquid);
    lblSpecGrav->setHidden(steam);
    txtSpecGrav->setHidden(steam);
}

void frmNorvaneInput::fillLists(NrvState state) {
    const auto& S = shared();
    cboFluid->clear();
    if (state == NrvState::Gas) cboFluid->addItems(qtList(modnrvAddFluid()));
    cboFluid->setEnabled(state != NrvState::Steam);
    put(cboFluid, S.Fluid);
    cboFlowUnit->clear();
    cboFlowUnit->addItems(qtList(modnrvAddFlowUnit(S.FluidState)));
    put(cboFlowUnit, S.FlowUnit);
}

void frmNorvaneInput::showFlowDirection() {
    const bool vertical = unitIs(shared().LineOrient, "VERT");
    txtFlowDir->setHidden(vertical);
    cboFlowDir->setVisible(vertical);
}

// ---- Commands ------------------------------------------------------------

// Start-up and Set Defaults: the start-up case, the whole chain, the gas
// layout and lists; the customer box takes the focus.
void frmNorvaneInput::loadDefaults() {
    auto& S = shared();
    selected_ = nullptr;
    modnrvLoadPipeTbl();
    nrvLoadDefaults(todayText());
    nrvRecalcAll();
    showLayout(NrvState::Gas);
    fillLists(NrvState::Gas);
    refresh();
    S.DateText = s(txtDate->text());
    selectBox(selected_ ? selected_ : txtCust);
}

// A data file replaces the whole case; the screen then shows the file's
// fluid state with its lists but without that state's defaults.
void frmNorvaneInput::openFile() {
    auto& S = shared();
    const OpenResult result = openWithDialog(kDataFilter, S.TubeDataFile, modnrvOpenInData);
    if (result == OpenResult::Cancelled) seams().message("CANCEL", MsgIcon::None);
    if (result != OpenResult::Opened) return;
    nrvBaseDerived();
    const NrvState state = nrvState(S.FluidState);
    showLayout(state);
    fillLists(state);
    // A fluid state that is not one (an edited file) is held for correction
    // like a gas the table does not know.
    selected_ = state == NrvState::None ? cboFluidState : nullptr;
    nrvRecalcAll();
    refresh();
    // A box the calculation asked for (a size without a coefficient, a gas
    // it does not know) keeps the focus; otherwise the customer box.
    selectBox(selected_ ? selected_ : txtCust);
}

void frmNorvaneInput::close_() { Shell::instance().returnToIntro(kName); }

void frmNorvaneInput::changeWorkflow(const char* sizingType) {
    Shell::instance().returnToIntro(kName, sizingType);
}

}  // namespace quorin
