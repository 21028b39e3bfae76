#include "liquid/frmLqdResults.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "liquid/Results.h"
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

frmLqdResults::frmLqdResults() : ResultsForm(kName, " Liquid Calculation Results") {
    auto* heading = makeHeading("Label1", "Liquid Calculation Results");

    const CaseRow caseRows[] = {
        {"lblDate", "Date:", {"txtDate"}},
        {"lblCustomer", "Customer:", {"txtCustomer"}},
        {"lblTagNo", "Tag Number:", {"txtTagNo"}},
        {"lblFlowRate", "Flow Entered:", {"txtFlowRate"}},
        {"lblPipeSize", "Pipe Size:", {"txtPipeSize", "txtPipeSizeIn", "txtPipeSizeMM", "txtAreaSqFt"}},
        {"lblTemp", "Temperature:", {"txtCustTemp", "txtTempF", "txtTempC"}},
        {"lblMedia", "Media:", {"txtMedia", "txtOtherName"}},
        {"lblDensity", "Density:", {"txtDensity", "txtDensPcft"}},
        {"lblViscosity", "Viscosity:", {"txtViscosity", "txtViscCp"}},
    };
    // Two flow captions carry the superscript three.
    lblCFM = makeLabel("lblCFM", QString());
    lblCuMtrHr = makeLabel("lblCuMtrHr", QString());
    const FlowRow flowRows[] = {
        {makeLabel("lblGPM", "Flow in GPM:"), "txtGPM"},
        {makeLabel("lblLPM", "Flow in LPM:"), "txtLPM"},
        {lblCFM, "txtCFM"},
        {lblCuMtrHr, "txtCuMtrHr"},
        {makeLabel("lblFPS", "Flow in FPS:"), "txtFPS"},
        {makeLabel("lblFPM", "Flow in FPM:"), "txtFPM"},
        {makeLabel("lblMPS", "Flow in MPS:"), "txtMPS"},
        {makeLabel("lblPPH", "Flow in lb/hr:"), "txtPPH"},
        {makeLabel("lblKgHr", "Flow in kg/hr:"), "txtKgHr"},
    };
    build(heading, caseRows, flowRows,
          {"Meter", "Min", "Max", "Errors", "List of meters fitting application",
           "Minimum flow of selected meter", "Maximum flow of selected meter",
           "Application errors"});
    // The name of a user-defined gas has no place in a liquid case.
    box("txtOtherName")->hide();

    onClick(cmdPrint, [this] { print(); });
    onClick(cmdSave, [this] { save(); });
    onClick(cmdClose, [this] { close_(true); });
    createMenus();

    // Load: the results of the last selection.
    view_ = modLqdResults();
    show(liquidResultsScreen(view_, todayText()));
    showPicture(liquidRangePicture(view_));
    if (view_.beep && seams().beep) seams().beep();
}

void frmLqdResults::print() {
    printReport([this] { return modLqdPrintResults(view_, todayText()); });
}

void frmLqdResults::save() {
    saveWithDialog({FileRequest::Mode::Save, "Text File (*.txt)", {}}, shared().LqdResultsFileName,
                   [this] { return modLqdSaveResults(view_, todayText()); });
}

void frmLqdResults::createMenus() {
    QMenu* file = addMenu("File", "mnuFile");
    addCommand(file, "Save", "mnuSaveFile", QKeySequence("Ctrl+S"), [this] { save(); });
    addCommand(file, "Close", "mnuClose", QKeySequence("Ctrl+C"), [this] { close_(false); });

    QMenu* tools = addMenu("Tools", "mnuTools");
    addCommand(tools, "Back Pressure Calculation", "mnuBackPrsCalc", {},
               [] { Shell::instance().showModal("frmLqdBackPrsCalc"); });
    addSeparator(tools);
    QMenu* ranges = tools->addMenu("All Meter Ranges");
    ranges->setObjectName("mnuMtrRange");
    ranges->menuAction()->setObjectName("mnuMtrRange");
    addCommand(ranges, "Display All Meter Ranges based on values entered", "mnuAllMtrRng", {}, [] {
        shared().SizingType = "ALL LIQUID";
        showRangeChart();
    });
    addSeparator(ranges);
    addCommand(ranges, "Cancel", "mnuCancel", {}, [] {});

    addMenuBarCommand("Print", "mnuPrint", [this] { print(); });
    auto page = [this] { return modLqdPrintResults(view_, todayText()); };
    addMenuBarCommand("Print Preview…", "mnuPrintPreview", [page] { previewReport(page); });
    addMenuBarCommand("Export PDF…", "mnuExportPdf", [page] { exportPdf(page, "Quorin Vortex.pdf"); });
    addPictureMenu();
}

void frmLqdResults::show(const LiquidResultsScreen& v) {
    const std::pair<const char*, const std::string*> texts[] = {
        {"txtDate", &v.date},           {"txtCustomer", &v.customer},
        {"txtTagNo", &v.tagNo},         {"txtFlowRate", &v.flowRate},
        {"txtPipeSize", &v.pipeSize},   {"txtPipeSizeIn", &v.pipeSizeIn},
        {"txtPipeSizeMM", &v.pipeSizeMM}, {"txtAreaSqFt", &v.areaSqFt},
        {"txtCustTemp", &v.custTemp},   {"txtTempF", &v.tempF},
        {"txtTempC", &v.tempC},         {"txtMedia", &v.media},
        {"txtDensity", &v.density},     {"txtDensPcft", &v.densPcft},
        {"txtViscosity", &v.viscosity}, {"txtViscCp", &v.viscCp},
        {"txtGPM", &v.gpm},             {"txtLPM", &v.lpm},
        {"txtCFM", &v.cfm},             {"txtCuMtrHr", &v.cuMtrHr},
        {"txtFPS", &v.fps},             {"txtFPM", &v.fpm},
        {"txtMPS", &v.mps},             {"txtPPH", &v.pph},
        {"txtKgHr", &v.kgHr},
    };
    for (const auto& [name, text] : texts) setBoxText(name, *text);
    lblCFM->setText(q(v.cfmLabel));
    lblCuMtrHr->setText(q(v.cuMtrHrLabel));
    showMeters(v.minUnit, v.maxUnit, v.meters, v.flowLow, v.flowHi, v.errors);
    warningStrip->showWarnings(v.warnings);
}

void frmLqdResults::close_(bool focusInput) {
    Shell& shell = Shell::instance();
    shell.unload(kName);
    if (focusInput) shell.focus("frmLqdInput", "txtCustomerIn");
    shell.arrangeChildren();
}

}  // namespace quorin
