#include "gas/frmResults.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "gas/Results.h"
#include "reports/Page.h"
#include "reports/RangePicture.h"
#include "reports/ResultsText.h"
#include "shell/Controls.h"
#include "shell/FileCommands.h"
#include "shell/Seams.h"
#include "shell/Shell.h"
#include "shell/WarningStrip.h"
#include "state/SharedState.h"

namespace quorin {

frmResults::frmResults() : ResultsForm(kName, " Gas/Steam Calculation Results") {
    const CaseRow caseRows[] = {
        {"lblDate", "Date:", {"txtDate"}},
        {"lblCustomer", "Customer:", {"txtCustomer"}},
        {"lblTagNo", "Tag Number:", {"txtTagNo"}},
        {"lblFlowRate", "Flow Entered:", {"txtFlowRate"}},
        {"lblPipeSize", "Pipe Size:", {"txtPipeSize", "txtPipeSizeIn", "txtPipeSizeMM", "txtAreaSqFt"}},
        {"lblPress", "Pressure:", {"txtPressIn", "txtPressPsia", "txtPressPsig"}},
        {"lblAtmoPress", "Atmospheric Pressure:", {"txtAtmoPressIn", "txtAtmoPressPsia"}},
        {"lblTemp", "Temperature:", {"txtCustTemp", "txtTempF", "txtTempC", "txtTempR"}},
        {"lblPressRef", "Pressure Ref:", {"txtPressRef", "txtPressRefPsia"}},
        {"lblTempRef", "Temperature Ref:", {"txtTempRef", "txtTempRefF"}},
        {"lblMedia", "Media:", {"txtMedia", "txtOtherName"}},
        {"lblDensity", "Density:", {"txtDensity"}},
        {"lblViscosity", "Viscosity:", {"txtViscosity", "txtViscCp", "txtPaSec"}},
    };
    lblCuMtrHr = makeLabel("lblCuMtrHr", QString());
    lblNmCuMtrHr = makeLabel("lblNmCuMtrHr", QString());
    const FlowRow flowRows[] = {
        {makeLabel("lblAcfm", "Flow in ACFM:"), "txtAcfm"},
        {makeLabel("lblScfm", "Flow in SCFM:"), "txtScfm"},
        {lblCuMtrHr, "txtCuMtrHr"},
        {lblNmCuMtrHr, "txtNmCuMtrHr"},
        {makeLabel("lblPpm", "Flow in lbs/min:"), "txtPpm"},
        {makeLabel("lblPph", "Flow in lbs/hr:"), "txtPph"},
        {makeLabel("lblKgHr", "Flow in kg/hr:"), "txtKgHr"},
        {makeLabel("lblFps", "Flow in FPS:"), "txtFps"},
        {makeLabel("lblFpm", "Flow in FPM:"), "txtFpm"},
        {makeLabel("lblMps", "Flow in MPS:"), "txtMps"},
        {makeLabel("lblLpm", "Flow in LPM:"), "txtLpm"},
    };
    build(nullptr, caseRows, flowRows,
          {"Meter:", "Min:", "Max:", "Errors:", nullptr, nullptr, nullptr, nullptr});

    auto page = [this] { return modPrintResults(view_, todayText()); };
    auto print = [page] { printReport(page); };
    auto save = [this] {
        saveWithDialog({FileRequest::Mode::Save, "Text File (*.txt)", "Quorin Vortex.txt"},
                       shared().ResultsFileName,
                       [this] { return modSaveResults(view_, todayText()); });
    };
    onClick(cmdPrint, print);
    onClick(cmdSave, save);
    onClick(cmdClose, [this] { unloadAndClear(true); });

    QMenu* file = addMenu("File", "mnuFile");
    addCommand(file, "Save", "mnuSaveFile", QKeySequence("Ctrl+S"), save);
    addCommand(file, "Close", "mnuClose", QKeySequence("Ctrl+C"), [this] { unloadAndClear(false); });
    addMenuBarCommand("Print", "mnuPrint", print);
    addMenuBarCommand("Print Preview…", "mnuPrintPreview", [page] { previewReport(page); });
    addMenuBarCommand("Export PDF…", "mnuExportPdf", [page] { exportPdf(page, "Quorin Vortex.pdf"); });
    addPictureMenu();

    // Load: the results of the last selection; the case record keeps their
    // range flags.
    view_ = modGasResults();
    storeGasResults(view_);
    show(gasResultsScreen(view_, todayText()));
    showPicture(gasRangePicture(view_));
    for (int k = 0; k < view_.beeps; ++k)
        if (seams().beep) seams().beep();
}

void frmResults::show(const GasResultsScreen& v) {
    const std::pair<const char*, const std::string*> texts[] = {
        {"txtDate", &v.date},           {"txtCustomer", &v.customer},
        {"txtTagNo", &v.tagNo},         {"txtFlowRate", &v.flowRate},
        {"txtPipeSize", &v.pipeSize},   {"txtPipeSizeIn", &v.pipeSizeIn},
        {"txtPipeSizeMM", &v.pipeSizeMM}, {"txtAreaSqFt", &v.areaSqFt},
        {"txtPressIn", &v.pressIn},     {"txtPressPsia", &v.pressPsia},
        {"txtPressPsig", &v.pressPsig}, {"txtAtmoPressIn", &v.atmoPressIn},
        {"txtAtmoPressPsia", &v.atmoPressPsia}, {"txtCustTemp", &v.custTemp},
        {"txtTempF", &v.tempF},         {"txtTempC", &v.tempC},
        {"txtTempR", &v.tempR},         {"txtPressRef", &v.pressRef},
        {"txtPressRefPsia", &v.pressRefPsia}, {"txtTempRef", &v.tempRef},
        {"txtTempRefF", &v.tempRefF},   {"txtMedia", &v.media},
        {"txtOtherName", &v.otherName}, {"txtDensity", &v.density},
        {"txtViscosity", &v.viscosity}, {"txtViscCp", &v.viscCp},
        {"txtPaSec", &v.paSec},
    };
    for (const auto& [name, text] : texts) setBoxText(name, *text);
    box("txtOtherName")->setVisible(v.otherNameVisible);
    const char* flowBoxes[] = {"txtAcfm", "txtScfm", "txtCuMtrHr", "txtNmCuMtrHr",
                               "txtPpm",  "txtPph",  "txtKgHr",    "txtFps",
                               "txtFpm",  "txtMps",  "txtLpm"};
    for (size_t k = 0; k < v.flows.size() && k < std::size(flowBoxes); ++k)
        setBoxText(flowBoxes[k], v.flows[k]);
    lblCuMtrHr->setText(q(v.cuMtrHrLabel));
    lblNmCuMtrHr->setText(q(v.nmCuMtrHrLabel));
    showMeters(v.minUnit, v.maxUnit, v.meters, v.flowLow, v.flowHi, v.errors);
    warningStrip->showWarnings(v.warnings);
}

void frmResults::unloadAndClear(bool focusInput) {
    Shell& shell = Shell::instance();
    shell.unload(kName);
    auto& S = shared();
    S.FlowRangeFlag = S.PressRangeFlag = S.TempRangeFlag = S.ReyRangeFlag = 0;
    if (focusInput) shell.focus("frmInputScrn", "txtCustomerIn");
    shell.arrangeChildren();
}

}  // namespace quorin
