#include "liquid/frmLqdInput.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include <utility>

#include "gas/GasCalc.h"
#include "gas/InputRules.h"
#include "liquid/InputRules.h"
#include "liquid/LiquidCalc.h"
#include "liquid/Plausibility.h"
#include "reports/CaseFiles.h"
#include "shell/Controls.h"
#include "shell/FileCommands.h"
#include "shell/Seams.h"
#include "shell/Shell.h"
#include "shell/WarningStrip.h"
#include "state/SharedState.h"
#include "state/Single.h"
#include "state/Text.h"

namespace quorin {

namespace {

const QString kDataFilter = "Data File (*.dat)";


// The density and specific-gravity boxes take digits and points only.
void digitsAndPointsOnly(QLineEdit* box) {
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9.]*"), box));
}


}  // namespace

frmLqdInput::frmLqdInput() : Form(kName, " Quorin LIQUID Sizing"), events_(new FieldEvents(this)) {
    createControls();
    layoutControls();
    createMenus();
    createEventTable();

    // Load: start-up values and the whole chain; the customer box starts
    // empty although the case names "Customer".
    loadLiquidDefaults(false);
    modLqdRecalc();
    refresh();
    clearDensityChoice();
    refreshWarnings();
    events_->setAfterCommit([this] { refreshWarnings(); });
    txtCustomerIn->clear();
    txtCustomerIn->setFocus(Qt::OtherFocusReason);
}

void frmLqdInput::createControls() {
    txtCustomerIn = makeBox("txtCustomerIn", "Enter Customer Name");
    txtTagNoIn = makeBox("txtTagNoIn", "Enter Tag Number");
    txtMediaIn = makeBox("txtMediaIn", "Enter Text of Media");
    txtFlowRateIn = makeBox("txtFlowRateIn", "Enter Flow Rate Value");
    cboFlowUnit = makeEditableList("cboFlowUnit", "Select Units of Flow", qtList(lqdFlowUnits()));
    txtPipeSizeIn = makeBox("txtPipeSizeIn", "Enter Pipe Size Value");
    cboPipeUnit = makeList("cboPipeUnit", "Select Pipe Units", qtList(pipeUnits()));
    txtTempIn = makeBox("txtTempIn", "Enter Temperature Value");
    cboTempUnit = makeList("cboTempUnit", "Select Temperature Units", qtList(tempUnits()));
    txtViscIn = makeBox("txtViscIn", "Enter Viscosity Value");
    cboViscUnit = makeEditableList("cboViscUnit", "Select Viscosity Unit", qtList(lqdViscUnits()));
    ViscLabel = makeLabel("ViscLabel", QString());
    ViscLabel->setWordWrap(true);

    optDens = makeOption("optDens", "Density", "Select this option to Enter Density");
    optSpecGrav = makeOption("optSpecGrav", "Specific Gravity",
                             "Select this option to Enter Specific Gravity");
    txtDensityIn = makeBox("txtDensityIn", "Enter Density Value");
    digitsAndPointsOnly(txtDensityIn);
    cboDensUnit = makeList("cboDensUnit", "Select Density Unit", qtList(lqdDensUnits()));
    txtSpecGravIn = makeBox("txtSpecGravIn", "Enter Specific Gravity Value");
    digitsAndPointsOnly(txtSpecGravIn);
    connect(optDens, &QRadioButton::toggled, this, [this](bool on) {
        if (on) chooseDensity();
    });
    connect(optSpecGrav, &QRadioButton::toggled, this, [this](bool on) {
        if (on) chooseGravity();
    });

    cmdCalcFlow = makeButton("cmdCalcFlow", "&Find Meter", "Press to Calculate Flow");
    onClick(cmdCalcFlow, [this] { findMeter(); });
    cmdClose = makeButton("cmdClose", "&Close", "Press to Close this screen");
    onClick(cmdClose, [this] { close_(); });
}

void frmLqdInput::layoutControls() {
    auto* heading = makeHeading("Label1", "Liquid Meter Selection Guide");

    // The application: label, value, unit per row.
    auto* process = new QGroupBox("Application");
    auto* grid = new QGridLayout(process);
    int row = 0;
    auto addRow = [&](const char* labelName, const char* caption, QWidget* value,
                      QWidget* unit) {
        grid->addWidget(makeLabel(labelName, caption), row, 0);
        if (unit) {
            grid->addWidget(value, row, 1);
            grid->addWidget(unit, row, 2);
        } else {
            grid->addWidget(value, row, 1, 1, 2);
        }
        ++row;
    };
    addRow("lblCustomer", "Customer", txtCustomerIn, nullptr);
    addRow("lblTagNoIn", "Tag Number", txtTagNoIn, nullptr);
    addRow("lblMediaIn", "Media", txtMediaIn, nullptr);
    grid->addWidget(makeLabel("lblFlowUnitIn", "Unit of Measure"), row++, 2);
    addRow("lblFlowRateIn", "Flow Rate", txtFlowRateIn, cboFlowUnit);
    addRow("lblPipeSizeIn", "Pipe Size", txtPipeSizeIn, cboPipeUnit);
    addRow("lblTempIn", "Temperature", txtTempIn, cboTempUnit);
    addRow("lblViscosityIn", "Viscosity", txtViscIn, cboViscUnit);
    grid->addWidget(ViscLabel, row++, 0, 1, 3);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    // Density or specific gravity, after choosing which.
    fraMedia = new QGroupBox("Choose Density - or - Specific Gravity to enter below");
    fraMedia->setObjectName("fraMedia");
    auto* media = new QGridLayout(fraMedia);
    media->addWidget(optDens, 0, 0);
    media->addWidget(txtDensityIn, 0, 1);
    media->addWidget(cboDensUnit, 0, 2);
    media->addWidget(optSpecGrav, 1, 0);
    media->addWidget(txtSpecGravIn, 1, 1);
    media->setColumnStretch(1, 1);
    media->setColumnStretch(2, 1);

    // The warnings at the foot of the right column, under the density.
    warnings_ = new WarningStrip("warningStrip");
    layOutInputScreen(heading, process, fraMedia, warnings_, {cmdCalcFlow, cmdClose});

    QWidget* order[] = {txtCustomerIn, txtTagNoIn,  txtMediaIn,   txtFlowRateIn, cboFlowUnit,
                        txtPipeSizeIn, cboPipeUnit, txtTempIn,    cboTempUnit,   txtViscIn,
                        cboViscUnit,   optDens,     txtDensityIn, cboDensUnit,   optSpecGrav,
                        txtSpecGravIn, cmdCalcFlow, cmdClose};
    for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void frmLqdInput::createMenus() {
    QMenu* file = addMenu("File", "mnuFile");
    addCommand(file, "Open", "mnuOpenFile", {}, [this] { openFile(); });
    addCommand(file, "Save", "mnuSaveFile", QKeySequence("Ctrl+S"), [] {
        saveWithDialog({FileRequest::Mode::Save, kDataFilter, {}}, shared().LqdInputFileName,
                       modLqdSaveInputData);
    });
    addCommand(file, "Calculate Flow", "mnuCalcFlow", {}, [this] { findMeter(); });
    addSeparator(file);
    addCloseAndExit(file, [this] { close_(); });
    addTagListItems(file, [this] { showOpenedCase(); });

    QMenu* tools = addMenu("Tools", "mnuTools");
    addCommand(tools, "Size Gas/Steam Meter", "mnuSizeGasSteam", {},
               [this] { changeWorkflow("GAS"); });
    addSeparator(tools);
    QAction* norvane = addCommand(tools, "Size Norvane", "mnuSizeNorvane", {},
                                  [this] { changeWorkflow("NORVANE"); });
    QAction* norvaneSeparator = addSeparator(tools, "mnuSizeNorvaneSeparator");
    norvane->setVisible(kShowNorvane);
    norvaneSeparator->setVisible(kShowNorvane);
    addCommand(tools, "Liquid Meter Standard Ranges", "mnuStdMtrRng", {},
               [] { showRangeChart(); });
    addSeparator(tools);
    addCommand(tools, "Set Defaults", "mnuDefaults", {}, [this] { setDefaults(); });
    addSeparator(tools);
    addCommand(tools, "Back Pressure Calculation", "mnuBackPressCalc", {},
               [] { Shell::instance().showModal("frmLqdBackPrsCalc"); });

    addHelpAndAbout();
}

void frmLqdInput::createEventTable() {
    auto& S = shared();
    FieldEvents& e = *events_;
    auto flowChain = [] { modPipeSize(); modLqdGpmCalc(); };
    auto tempChain = [] { modTemperature(); };
    // The density entries follow every keystroke and a click; Enter is
    // discarded.
    auto onEdit = [](std::function<void()> chain) {
        return [chain](Trigger t) {
            if (t == Trigger::Change || t == Trigger::Click) chain();
        };
    };

    events_->add({
        {txtCustomerIn, e.text(txtCustomerIn, S.CustomerIn), txtTagNoIn},
        {txtTagNoIn, e.text(txtTagNoIn, S.TagNoIn), txtFlowRateIn},
        {txtMediaIn, e.text(txtMediaIn, S.MediaIn), nullptr},
        {txtFlowRateIn, e.number(txtFlowRateIn, S.LqdFlowRateIn, flowChain), cboFlowUnit},
        {cboFlowUnit, e.unit(cboFlowUnit, S.LqdFlowUnit, flowChain), txtPipeSizeIn},
        {txtPipeSizeIn, e.number(txtPipeSizeIn, S.PipeSizeIn, flowChain), cboPipeUnit},
        {cboPipeUnit, e.unit(cboPipeUnit, S.PipeUnitIn, flowChain), txtTempIn},
        {txtTempIn, e.number(txtTempIn, S.TempIn, tempChain), cboTempUnit},
        {cboTempUnit, e.unit(cboTempUnit, S.TempUnitIn, tempChain), txtMediaIn},
        {txtViscIn, [this](Trigger t) { viscosityBox(t); }, cboViscUnit, true, true},
        {cboViscUnit, [this](Trigger t) { viscosityUnit(t); }, cmdCalcFlow},
        {txtDensityIn, onEdit([this] { densityChanged(); }), nullptr, false, true},
        {cboDensUnit,
         [this](Trigger t) {
             if (t != Trigger::Click) return;
             shared().LqdDensUnit = s(cboDensUnit->currentText());
             densityChain();
         },
         nullptr, false},
        {txtSpecGravIn, [this](Trigger t) { gravityChanged(t); }, nullptr, false, true},
    });
}

void frmLqdInput::refresh() {
    const auto& S = shared();
    txtCustomerIn->setText(q(S.CustomerIn));
    txtTagNoIn->setText(q(S.TagNoIn));
    txtMediaIn->setText(q(S.MediaIn));
    events_->show(txtFlowRateIn, q(General(S.LqdFlowRateIn)));
    selectText(cboFlowUnit, S.LqdFlowUnit);
    events_->show(txtPipeSizeIn, q(General(S.PipeSizeIn)));
    selectText(cboPipeUnit, S.PipeUnitIn);
    events_->show(txtTempIn, q(General(S.TempIn)));
    selectText(cboTempUnit, S.TempUnitIn);
    events_->show(txtViscIn, q(General(S.LqdViscIn)));
    selectText(cboViscUnit, S.LqdViscUnit);
    events_->show(txtDensityIn, q(General(S.LqdDensityIn)));
    selectText(cboDensUnit, S.LqdDensUnit);
    events_->show(txtSpecGravIn, q(General(S.SpecGravity)));
    showViscosityKind();
}

void frmLqdInput::refreshWarnings() { warnings_->showWarnings(liquidWarnings().lines); }

void frmLqdInput::clearDensityChoice() {
    for (QRadioButton* option : {optDens, optSpecGrav}) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
    for (QWidget* entry : {static_cast<QWidget*>(txtDensityIn), static_cast<QWidget*>(cboDensUnit),
                           static_cast<QWidget*>(txtSpecGravIn)})
        entry->setEnabled(false);
}

// The viscosity box follows every keystroke that leaves a number in it;
// leaving it (or Enter) with anything else is refused with a message, and
// the box, the case and its chain go back to the value the box held before
// the typing began.
void frmLqdInput::viscosityBox(Trigger trigger) {
    auto& S = shared();
    if (trigger == Trigger::Click) return;
    const bool blank = txtViscIn->text().trimmed().isEmpty();
    if (trigger == Trigger::Change) {
        // The box keeps the text it held before as its accepted text.
        if (!viscBefore_) viscBefore_ = S.LqdViscIn;
        double value = 0;
        if (!blank && parseDouble(s(txtViscIn->text()), value)) {
            S.LqdViscIn = value;
            modLqdVisc();
        }
        return;
    }
    const std::optional<double> before = std::exchange(viscBefore_, std::nullopt);
    if (blank) events_->refuse(txtViscIn, FieldEvents::Refusal::Restore);
    if (blank || !events_->takeNumber(txtViscIn, S.LqdViscIn, FieldEvents::Refusal::Restore)) {
        if (before) S.LqdViscIn = *before;
        modLqdVisc();
        seams().message(kLqdInvalidViscosity, MsgIcon::None);
        return;
    }
    modLqdVisc();
}

void frmLqdInput::viscosityUnit(Trigger trigger) {
    shared().LqdViscUnit = s(cboViscUnit->currentText());
    if (trigger == Trigger::Click) showViscosityKind();
    modLqdVisc();
}

// A dynamic unit needs the density of the liquid, a kinematic one does not:
// the note says which, and the density frame is enabled only for the first.
void frmLqdInput::showViscosityKind() {
    const ViscKind kind = lqdViscKind(s(cboViscUnit->currentText()));
    if (kind == ViscKind::Unknown) return;
    fraMedia->setEnabled(kind == ViscKind::Dynamic);
    ViscLabel->setText(lqdViscNote(kind));
}

// Density, then the viscosity that depends on the specific gravity, then the
// flow (mass units divide by the density).
void frmLqdInput::densityChain() {
    modLqdDens();
    modLqdVisc();
    modLqdGpmCalc();
    if (optDens->isChecked()) events_->show(txtSpecGravIn, q(General(shared().SpecGravity)));
}

void frmLqdInput::densityChanged() {
    const double value = leadingNumber(s(txtDensityIn->text()));
    if (overflowsSingle(value)) return;
    shared().LqdDensityIn = float(value);
    densityChain();
}

// A specific gravity gives the density of the liquid in lbm/ft^3, which the
// density box and its unit then show.
void frmLqdInput::gravityChanged(Trigger trigger) {
    auto& S = shared();
    const QString text = txtSpecGravIn->text();
    const double value = leadingNumber(s(text));
    if (overflowsSingle(value)) return;
    if (trigger == Trigger::Change) {
        // "." and "0." are a number still being typed.
        if (text == "." || text == "0." || !optSpecGrav->isChecked()) return;
        S.SpecGravity = float(value);
        double visc = S.LqdViscIn;
        if (parseDouble(s(txtViscIn->text()), visc)) S.LqdViscIn = visc;
        modLqdVisc();
    } else if (trigger == Trigger::Click) {
        S.SpecGravity = float(value);
    } else {
        return;
    }
    modLqdGravityDensity();
    modLqdGpmCalc();
    events_->show(txtDensityIn, q(General(S.LqdDensityIn)));
    selectText(cboDensUnit, S.LqdDensUnit);
    densityChain();
}

void frmLqdInput::chooseDensity() {
    txtDensityIn->setEnabled(true);
    cboDensUnit->setEnabled(true);
    txtSpecGravIn->setEnabled(false);
    txtDensityIn->setFocus(Qt::OtherFocusReason);
    txtDensityIn->selectAll();
}

void frmLqdInput::chooseGravity() {
    txtSpecGravIn->setEnabled(true);
    txtDensityIn->setEnabled(false);
    cboDensUnit->setEnabled(false);
    txtSpecGravIn->setFocus(Qt::OtherFocusReason);
    txtSpecGravIn->selectAll();
}

void frmLqdInput::findMeter() {
    modLqdSelection();
    Shell& shell = Shell::instance();
    // A results screen still open shows the last selection: build it anew.
    shell.unload("frmLqdResults");
    shell.showChild("frmLqdResults");
    shell.arrangeChildren();
}

// A case file replaces the whole case; the screen then looks as if the user
// had entered it: the viscosity note and the density frame follow the
// viscosity unit, and the density option is set over the opened density.
void frmLqdInput::openFile() {
    auto& S = shared();
    if (openWithDialog(kDataFilter, S.LqdInputFileName, modLqdOpenInputData) != OpenResult::Opened)
        return;
    showOpenedCase();
}

void frmLqdInput::showOpenedCase() {
    modLqdRecalc();
    refresh();
    clearDensityChoice();
    optDens->setChecked(true);
    refreshWarnings();
    txtCustomerIn->setFocus(Qt::OtherFocusReason);
    txtCustomerIn->selectAll();
}

void frmLqdInput::setDefaults() {
    loadLiquidDefaults(true);
    modLqdRecalc();
    resetLiquidSlots();
    refresh();
    clearDensityChoice();
    refreshWarnings();
    txtCustomerIn->setFocus(Qt::OtherFocusReason);
    txtCustomerIn->selectAll();
}

void frmLqdInput::close_() { changeWorkflow(nullptr); }

// The results shown belong to this screen's case: they go with it.
void frmLqdInput::changeWorkflow(const char* sizingType) {
    Shell& shell = Shell::instance();
    shell.unload("frmLqdResults");
    shell.returnToIntro(kName, sizingType);
}

}  // namespace quorin
