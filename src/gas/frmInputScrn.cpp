#include "gas/frmInputScrn.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "gas/GasCalc.h"
#include "gas/InputRules.h"
#include "gas/MediaTable.h"
#include "gas/Plausibility.h"
#include "reports/CaseFiles.h"
#include "shell/Controls.h"
#include "shell/FileCommands.h"
#include "shell/Seams.h"
#include "shell/Shell.h"
#include "shell/WarningStrip.h"
#include "state/SharedState.h"
#include "state/Text.h"

namespace quorin {

namespace {

const QString kDataFilter = "Data File (*.dat)";

}  // namespace

frmInputScrn::frmInputScrn() : Form(kName, " Quorin GAS/STEAM Sizing"), events_(new FieldEvents(this)) {
    createControls();
    createMenus();
    createEventTable();

    // Load: start-up values, the full chain, then the screen.
    loadGasDefaults();
    modGasRecalc();
    refresh();
    showOtherGasLabels();
    refreshWarnings();
    events_->setAfterCommit([this] { refreshWarnings(); });
    txtCustomerIn->selectAll();
    txtCustomerIn->setFocus(Qt::OtherFocusReason);
}

void frmInputScrn::createControls() {
    txtCustomerIn = makeBox("txtCustomerIn", "Enter Company Name");
    txtTagNoIn = makeBox("txtTagNoIn", "Enter Tag Number");
    txtFlowRateIn = makeBox("txtFlowRateIn", "Enter Flow Rate Value");
    cboFlowUnitIn = makeList("cboFlowUnitIn", "Select Units of Flow", qtList(gasFlowUnits()));
    txtPipeSizeIn = makeBox("txtPipeSizeIn", "Enter Pipe Size Value");
    cboPipeUnitIn = makeList("cboPipeUnitIn", "Select Pipe Units", qtList(pipeUnits()));
    txtPressIn = makeBox("txtPressIn", "Enter Pressure Value");
    cboPressUnitIn = makeList("cboPressUnitIn", "Select Units of Pressure", qtList(pressUnits()));
    txtTempIn = makeBox("txtTempIn", "Enter Temperature Value");
    cboTempUnitIn = makeList("cboTempUnitIn", "Select Temperature Units", qtList(tempUnits()));
    txtAtmoPressIn = makeBox("txtAtmoPressIn", "Enter Atmospheric Pressure Value");
    cboAtmoPressUnitIn =
        makeList("cboAtmoPressUnitIn", "Select Atmospheric Pressure Units",
                 qtList(absolutePressUnits()));
    QStringList media;
    for (const std::string& name : gasMediaList()) media << q(name);
    cboMediaIn = makeList("cboMediaIn", "Select Media Type", media);
    cboMediaIn->setMaxVisibleItems(16);
    lblOther = new QLabel("Other Gas =");
    lblOther->setObjectName("lblOther");
    lblNewMedia = new QLabel;
    lblNewMedia->setObjectName("lblNewMedia");
    txtPressRefIn = makeBox("txtPressRefIn", "Enter Reference Pressure Value");
    cboPressRefUnitIn =
        makeList("cboPressRefUnitIn", "Select Reference Pressure Units",
                 qtList(absolutePressUnits()));
    txtTempRefIn = makeBox("txtTempRefIn", "Enter Reference Temperature Value");
    cboTempRefUnitIn = makeList("cboTempRefUnitIn", "Select Temperature Unit", qtList(tempUnits()));

    cmdCalcFlow = new QPushButton("&Find Meter");
    cmdCalcFlow->setObjectName("cmdCalcFlow");
    cmdCalcFlow->setToolTip("Press to Calculate Flow");
    onClick(cmdCalcFlow, [this] { findMeter(); });
    cmdClose = new QPushButton("&Close");
    cmdClose->setObjectName("cmdClose");
    cmdClose->setToolTip("Press to close this screen");
    setCancelButton(cmdClose);
    onClick(cmdClose, [this] { close_(); });

    auto* heading = makeHeading("lblHeading", "Gas / Steam Meter Selection Guide");

    // Process group: label, value, unit per row.
    auto* process = new QGroupBox("Process");
    auto* grid = new QGridLayout(process);
    int row = 0;
    auto addRow = [&](const char* caption, QWidget* value, QWidget* unit) {
        grid->addWidget(new QLabel(caption), row, 0);
        grid->addWidget(value, row, 1);
        if (unit) grid->addWidget(unit, row, 2);
        ++row;
    };
    addRow("Customer", txtCustomerIn, nullptr);
    grid->addWidget(txtCustomerIn, 0, 1, 1, 2);
    addRow("Tag Number", txtTagNoIn, nullptr);
    grid->addWidget(txtTagNoIn, 1, 1, 1, 2);
    grid->addWidget(new QLabel("Unit of Measure"), row, 2);
    ++row;
    addRow("Flow Rate", txtFlowRateIn, cboFlowUnitIn);
    addRow("Pipe Size I.D.", txtPipeSizeIn, cboPipeUnitIn);
    addRow("Pressure", txtPressIn, cboPressUnitIn);
    addRow("Temperature", txtTempIn, cboTempUnitIn);
    addRow("Atmospheric Pressure", txtAtmoPressIn, cboAtmoPressUnitIn);
    addRow("Media", cboMediaIn, nullptr);
    grid->addWidget(cboMediaIn, row - 1, 1, 1, 2);
    auto* other = new QHBoxLayout;
    other->addWidget(lblOther);
    other->addWidget(lblNewMedia, 1);
    grid->addLayout(other, row++, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    auto* reference = new QGroupBox("Standard");
    reference->setObjectName("fraStandard");
    auto* refGrid = new QGridLayout(reference);
    refGrid->addWidget(new QLabel("Pressure Reference"), 0, 0);
    refGrid->addWidget(txtPressRefIn, 1, 0);
    refGrid->addWidget(new QLabel("Pressure Reference Unit"), 0, 1);
    refGrid->addWidget(cboPressRefUnitIn, 1, 1);
    refGrid->addWidget(new QLabel("Temperature Reference"), 2, 0);
    refGrid->addWidget(txtTempRefIn, 3, 0);
    refGrid->addWidget(new QLabel("Temperature Reference Unit"), 2, 1);
    refGrid->addWidget(cboTempRefUnitIn, 3, 1);

    // The warnings at the foot of the right column, under the reference.
    warnings_ = new WarningStrip("warningStrip");
    warnings_->setFix("cmdUseSaturation", "Use saturation temperature",
                      [this] { useSaturationTemperature(); });
    layOutInputScreen(heading, process, reference, warnings_, {cmdCalcFlow, cmdClose});

    setTabOrder(txtCustomerIn, txtTagNoIn);
    QWidget* order[] = {txtTagNoIn,     txtFlowRateIn,      cboFlowUnitIn,     txtPipeSizeIn,
                        cboPipeUnitIn,  txtPressIn,         cboPressUnitIn,    txtTempIn,
                        cboTempUnitIn,  txtAtmoPressIn,     cboAtmoPressUnitIn, cboMediaIn,
                        txtPressRefIn,  cboPressRefUnitIn,  txtTempRefIn,      cboTempRefUnitIn,
                        cmdCalcFlow,    cmdClose};
    for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void frmInputScrn::createMenus() {
    QMenu* file = addMenu("File", "mnuFile");
    addCommand(file, "Open", "mnuOpenFile", {}, [this] { openFile(); });
    addCommand(file, "Save    ", "mnuSaveFile", QKeySequence("Ctrl+S"), [] {
        saveWithDialog({FileRequest::Mode::Save, kDataFilter, {}}, shared().InputFileName,
                       modSaveInputData);
    });
    addSeparator(file);
    addCommand(file, "Calculate Flow", "mnuCalcFlow", {}, [this] { findMeter(); });
    addSeparator(file);
    addCloseAndExit(file, [this] { close_(); });
    addTagListItems(file, [this] { showOpenedCase(); });

    QMenu* tools = addMenu("Tools", "mnuTools");
    addCommand(tools, "Size Liquid Meter", "mnuSizeLiquid", {}, [] {
        Shell::instance().returnToIntro(kName, "LIQUID");
    });
    addSeparator(tools);
    QAction* norvane = addCommand(tools, "Size Norvane", "mnuSizeNorvane", {}, [] {
        Shell::instance().returnToIntro(kName, "NORVANE");
    });
    QAction* norvaneSeparator = addSeparator(tools, "mnuSizeNorvaneSeparator");
    norvane->setVisible(kShowNorvane);
    norvaneSeparator->setVisible(kShowNorvane);
    addCommand(tools, "Steam Table", "mnuSteamTable", {},
               [] { Shell::instance().showModal("frmSteamTable"); });
    addSeparator(tools);
    addCommand(tools, "Gas/Steam Meter Standard Ranges", "mnuMeterRange", {},
               [] { showRangeChart(); });
    addSeparator(tools);
    addCommand(tools, "Set Defaults", "mnuDefaultValues", {}, [this] { setDefaults(); });

    addHelpAndAbout();
}

void frmInputScrn::createEventTable() {
    auto& S = shared();
    FieldEvents& e = *events_;
    auto pipeChain = [] { modPipeSize(); modAcfmCalc(); };
    auto tempChain = [] { modTemperature(); modCalcDensVisc(); modAcfmCalc(); };
    auto atmoChain = [] {
        modAtmoPress();
        modPressure();
        modMeterSpecs();
        modCalcDensVisc();
        modAcfmCalc();
    };
    auto refPressChain = [] { modPressureRef(); modAcfmCalc(); };
    auto refTempChain = [] { modTemperatureRef(); modAcfmCalc(); };

    events_->add({
        {txtCustomerIn, e.text(txtCustomerIn, S.CustomerIn), txtTagNoIn},
        {txtTagNoIn, e.text(txtTagNoIn, S.TagNoIn), txtFlowRateIn},
        {txtFlowRateIn, e.number(txtFlowRateIn, S.FlowRateIn, [this] { flowChanged(); }), nullptr},
        {cboFlowUnitIn, e.unit(cboFlowUnitIn, S.FlowUnitIn, [this] { flowChanged(); }), txtPipeSizeIn},
        {txtPipeSizeIn, e.number(txtPipeSizeIn, S.PipeSizeIn, pipeChain), cboPipeUnitIn},
        {cboPipeUnitIn, e.unit(cboPipeUnitIn, S.PipeUnitIn, pipeChain), txtPressIn},
        {txtPressIn, [this](Trigger t) { pressureBox(t); }, cboPressUnitIn},
        {cboPressUnitIn, [this](Trigger t) { pressureUnit(t); }, txtTempIn},
        {txtTempIn, e.number(txtTempIn, S.TempIn, tempChain), cboTempUnitIn},
        {cboTempUnitIn, e.unit(cboTempUnitIn, S.TempUnitIn, tempChain), txtAtmoPressIn},
        {txtAtmoPressIn, e.number(txtAtmoPressIn, S.AtmoPressIn, atmoChain), cboAtmoPressUnitIn},
        {cboAtmoPressUnitIn, e.unit(cboAtmoPressUnitIn, S.AtmoPressUnitIn, atmoChain), cboMediaIn},
        {cboMediaIn,
         e.unit(cboMediaIn, S.MediaIn,
              [this] {
                  modMediaIn();
                  modAcfmCalc();
                  showOtherGasLabels();
              }),
         cmdCalcFlow, false},
        {txtPressRefIn, e.number(txtPressRefIn, S.PressRefIn, refPressChain), cboPressRefUnitIn},
        {cboPressRefUnitIn, e.unit(cboPressRefUnitIn, S.PressRefUnitIn, refPressChain), txtTempRefIn},
        {txtTempRefIn, e.number(txtTempRefIn, S.TempRefIn, refTempChain), cboTempRefUnitIn},
        {cboTempRefUnitIn, e.unit(cboTempRefUnitIn, S.TempRefUnitIn, refTempChain), txtCustomerIn},
    });
}

void frmInputScrn::refresh() {
    const auto& S = shared();
    txtCustomerIn->setText(q(S.CustomerIn));
    txtTagNoIn->setText(q(S.TagNoIn));
    events_->show(txtFlowRateIn, q(General(S.FlowRateIn)));
    selectText(cboFlowUnitIn, S.FlowUnitIn);
    events_->show(txtPipeSizeIn, q(General(S.PipeSizeIn)));
    selectText(cboPipeUnitIn, S.PipeUnitIn);
    events_->show(txtPressIn, q(General(S.PressIn)));
    selectText(cboPressUnitIn, S.PressUnitIn);
    events_->show(txtTempIn, q(General(S.TempIn)));
    selectText(cboTempUnitIn, S.TempUnitIn);
    events_->show(txtAtmoPressIn, q(General(S.AtmoPressIn)));
    selectText(cboAtmoPressUnitIn, S.AtmoPressUnitIn);
    if (S.MediaIn != "OTHER") selectText(cboMediaIn, S.MediaIn);
    refreshReference();
}

void frmInputScrn::refreshReference() {
    const auto& S = shared();
    events_->show(txtPressRefIn, q(General(S.PressRefIn)));
    selectText(cboPressRefUnitIn, S.PressRefUnitIn);
    events_->show(txtTempRefIn, q(General(S.TempRefIn)));
    selectText(cboTempRefUnitIn, S.TempRefUnitIn);
}

void frmInputScrn::refreshWarnings() {
    const CaseWarnings w = gasWarnings();
    saturationTemp_ = w.saturationTemp;
    warnings_->showWarnings(w.lines, w.saturationTemp.has_value());
}

void frmInputScrn::useSaturationTemperature() {
    if (!saturationTemp_) return;
    txtTempIn->setFocus(Qt::OtherFocusReason);
    txtTempIn->setText(q(General(*saturationTemp_)));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(txtTempIn, &enter);
}

void frmInputScrn::showOtherGasLabels() { showOtherGasLabels(shared().MediaIn == "OTHER"); }

void frmInputScrn::showOtherGasLabels(bool other) {
    lblOther->setVisible(other);
    lblNewMedia->setVisible(other);
    lblNewMedia->setText(other ? q(shared().OtherMediaName) : QString());
}

// A flow unit may bring its own reference conditions.
void frmInputScrn::flowChanged() {
    modFlowUnitRef();
    refreshReference();
    modAcfmCalc();
}

void frmInputScrn::pressureChain() {
    modPressure();
    modMeterSpecs();
    modCalcDensVisc();
    modAcfmCalc();
}

void frmInputScrn::pressureBox(Trigger trigger) {
    auto& S = shared();
    float value = S.PressIn;
    if (!events_->takeNumber(txtPressIn, value)) return;
    S.PressIn = value;
    if (trigger == Trigger::Enter) {
        // No message on Enter: the check follows when the focus moves on.
        if (const char* lifted = pressureTextOnEnter(S.PressUnitIn, value))
            events_->show(txtPressIn, lifted);
        pressureChain();
        return;
    }
    modPressure();
    pressureCheck();
}

// The core checks the absolute pressure; a refused one is replaced by the
// safe text it gives.
void frmInputScrn::pressureCheck() {
    auto& S = shared();
    const PressureCheck check = checkOperatingPressure(S.PressPsia, S.AtmoPressPsia, S.PressUnitIn);
    switch (check.outcome) {
        case PressureOutcome::Accepted:
        case PressureOutcome::BelowAtmosphere:
            if (check.message) seams().message(check.message, MsgIcon::None);
            modMeterSpecs();
            modCalcDensVisc();
            modAcfmCalc();
            break;
        case PressureOutcome::Refused:
            seams().message(check.message, MsgIcon::Exclamation);
            events_->show(txtPressIn, check.resetText);
            events_->takeNumber(txtPressIn, S.PressIn);
            pressureChain();
            break;
        case PressureOutcome::NotANumber: break;
    }
}

void frmInputScrn::pressureUnit(Trigger trigger) {
    auto& S = shared();
    S.PressUnitIn = s(cboPressUnitIn->currentText());
    if (trigger == Trigger::Click) {
        float value = S.PressIn;
        events_->takeNumber(txtPressIn, value);
        if (const char* lifted = pressureTextOnUnit(S.PressUnitIn, value))
            events_->show(txtPressIn, lifted);
        events_->takeNumber(txtPressIn, S.PressIn);
    }
    pressureChain();
}

void frmInputScrn::findMeter() {
    modGasSelection();
    Shell& shell = Shell::instance();
    shell.showChild("frmResults");
    shell.arrangeChildren();
}

// A case file replaces the whole case; the user-defined gas keeps its name
// beside the media list.
void frmInputScrn::openFile() {
    auto& S = shared();
    const OpenResult result = openWithDialog(kDataFilter, S.InputFileName, modOpenInputData);
    if (result == OpenResult::Cancelled) seams().message("CANCEL", MsgIcon::None);
    if (result != OpenResult::Opened) return;
    showOpenedCase();
}

void frmInputScrn::showOpenedCase() {
    auto& S = shared();
    modGasRecalc();
    refresh();
    selectText(cboMediaIn, S.OtherMediaFlag ? std::string("OTHER") : S.MediaIn);
    showOtherGasLabels(S.OtherMediaFlag);
    refreshWarnings();
    txtCustomerIn->setFocus(Qt::OtherFocusReason);
    txtCustomerIn->selectAll();
}

void frmInputScrn::setDefaults() {
    loadGasDefaults();
    modGasRecalc();
    refresh();
    showOtherGasLabels();
    refreshWarnings();
}

void frmInputScrn::close_() {
    Shell::instance().returnToIntro(kName);
}

}  // namespace quorin
