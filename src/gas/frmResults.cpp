#include "gas/frmResults.h"

#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "core.h"
#include "shell/Seams.h"
#include "shell/Shell.h"

namespace quorin {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

QListWidget* listBox(const char* name) {
    auto* list = new QListWidget;
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    list->setMinimumHeight(90);
    return list;
}

QLabel* caption(const QString& text, const char* name = nullptr) {
    auto* label = new QLabel(text);
    if (name) label->setObjectName(name);
    return label;
}

}  // namespace

QLineEdit* frmResults::addBox(const char* name) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setReadOnly(true);
    boxes_.insert(name, box);
    return box;
}

frmResults::frmResults() : Form(kName, " Gas/Steam Calculation Results") {
    // The case: a caption and its boxes per row.
    struct Row {
        const char* caption;
        std::vector<const char*> boxes;
    };
    const Row caseRows[] = {
        {"Date:", {"txtDate"}},
        {"Customer:", {"txtCustomer"}},
        {"Tag Number:", {"txtTagNo"}},
        {"Flow Entered:", {"txtFlowRate"}},
        {"Pipe Size:", {"txtPipeSize", "txtPipeSizeIn", "txtPipeSizeMM", "txtAreaSqFt"}},
        {"Pressure:", {"txtPressIn", "txtPressPsia", "txtPressPsig"}},
        {"Atmospheric Pressure:", {"txtAtmoPressIn", "txtAtmoPressPsia"}},
        {"Temperature:", {"txtCustTemp", "txtTempF", "txtTempC", "txtTempR"}},
        {"Pressure Ref:", {"txtPressRef", "txtPressRefPsia"}},
        {"Temperature Ref:", {"txtTempRef", "txtTempRefF"}},
        {"Media:", {"txtMedia", "txtOtherName"}},
        {"Density:", {"txtDensity"}},
        {"Viscosity:", {"txtViscosity", "txtViscCp", "txtPaSec"}},
    };
    auto* entries = new QGroupBox("Application");
    auto* grid = new QGridLayout(entries);
    int r = 0;
    for (const Row& row : caseRows) {
        grid->addWidget(caption(row.caption), r, 0);
        const int span = row.boxes.size() == 1 ? 4 : 1;
        int c = 1;
        for (const char* name : row.boxes) grid->addWidget(addBox(name), r, c++, 1, span);
        ++r;
    }
    for (int c = 1; c <= 4; ++c) grid->setColumnStretch(c, 1);

    // The flow in eleven units.
    const std::pair<const char*, const char*> flowRows[] = {
        {"Flow in ACFM:", "txtAcfm"},      {"Flow in SCFM:", "txtScfm"},
        {"", "txtCuMtrHr"},                {"", "txtNmCuMtrHr"},
        {"Flow in lbs/min:", "txtPpm"},    {"Flow in lbs/hr:", "txtPph"},
        {"Flow in kg/hr:", "txtKgHr"},     {"Flow in FPS:", "txtFps"},
        {"Flow in FPM:", "txtFpm"},        {"Flow in MPS:", "txtMps"},
        {"Flow in LPM:", "txtLpm"},
    };
    auto* flows = new QGroupBox("Flow");
    auto* flowGrid = new QGridLayout(flows);
    lblCuMtrHr = caption("", "lblCuMtrHr");
    lblNmCuMtrHr = caption("", "lblNmCuMtrHr");
    r = 0;
    for (const auto& [text, name] : flowRows) {
        QLabel* label = std::string(name) == "txtCuMtrHr"     ? lblCuMtrHr
                        : std::string(name) == "txtNmCuMtrHr" ? lblNmCuMtrHr
                                                              : caption(text);
        flowGrid->addWidget(label, r, 0);
        flowGrid->addWidget(addBox(name), r, 1);
        ++r;
    }

    // Meters, ranges and notes.
    lstMeter = listBox("lstMeter");
    lstFlowLow = listBox("lstFlowLow");
    lstFlowHi = listBox("lstFlowHi");
    lstErrorBox = listBox("lstErrorBox");
    lblMinUnit = caption("", "lblMinUnit");
    lblMaxUnit = caption("", "lblMaxUnit");
    auto* meters = new QGroupBox("Recommended Meters");
    auto* meterGrid = new QGridLayout(meters);
    meterGrid->addWidget(caption("Meter:"), 0, 0);
    meterGrid->addWidget(caption("Min:"), 0, 1);
    meterGrid->addWidget(caption("Max:"), 0, 2);
    meterGrid->addWidget(lblMinUnit, 1, 1);
    meterGrid->addWidget(lblMaxUnit, 1, 2);
    meterGrid->addWidget(lstMeter, 2, 0);
    meterGrid->addWidget(lstFlowLow, 2, 1);
    meterGrid->addWidget(lstFlowHi, 2, 2);
    auto* errors = new QGroupBox("Application errors");
    auto* errorLayout = new QVBoxLayout(errors);
    errorLayout->addWidget(caption("Errors:"));
    errorLayout->addWidget(lstErrorBox);

    // Commands. Printing and saving come with the reports.
    cmdPrint = new QPushButton("PRINT");
    cmdPrint->setObjectName("cmdPrint");
    cmdPrint->setEnabled(false);
    cmdSave = new QPushButton("SAVE");
    cmdSave->setObjectName("cmdSave");
    cmdSave->setEnabled(false);
    cmdClose = new QPushButton("&Close");
    cmdClose->setObjectName("cmdClose");
    onClick(cmdClose, [this] { unloadAndClear(true); });
    setCancelButton(cmdClose);

    QMenu* file = addMenu("File", "mnuFile");
    addCommand(file, "Save", "mnuSaveFile", QKeySequence("Ctrl+S"), [] {})->setEnabled(false);
    addCommand(file, "Close", "mnuClose", QKeySequence("Ctrl+C"), [this] { unloadAndClear(false); });
    addMenuBarCommand("Print", "mnuPrint", [] {})->setEnabled(false);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(meters, 1);
    bottom->addWidget(errors, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(entries, 3);
    top->addWidget(flows, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(scrollingBody());
    layout->addLayout(top);
    layout->addLayout(bottom, 1);
    layout->addLayout(buttons);

    const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    const GasResultsView view = modGasResults(today.toStdString());
    show(view);
    for (int k = 0; k < view.beeps; ++k)
        if (seams().beep) seams().beep();
}

void frmResults::show(const GasResultsView& v) {
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
    for (const auto& [name, text] : texts) boxes_[name]->setText(q(*text));
    boxes_["txtOtherName"]->setVisible(v.otherNameVisible);
    const char* flowBoxes[] = {"txtAcfm", "txtScfm", "txtCuMtrHr", "txtNmCuMtrHr",
                               "txtPpm",  "txtPph",  "txtKgHr",    "txtFps",
                               "txtFpm",  "txtMps",  "txtLpm"};
    for (size_t k = 0; k < v.flows.size(); ++k) boxes_[flowBoxes[k]]->setText(q(v.flows[k]));
    lblCuMtrHr->setText(q(v.cuMtrHrLabel));
    lblNmCuMtrHr->setText(q(v.nmCuMtrHrLabel));
    lblMinUnit->setText(q(v.minUnit));
    lblMaxUnit->setText(q(v.maxUnit));
    auto fill = [](QListWidget* list, const std::vector<std::string>& rows) {
        list->clear();
        for (const std::string& row : rows) list->addItem(q(row));
    };
    fill(lstMeter, v.meters);
    fill(lstFlowLow, v.flowLow);
    fill(lstFlowHi, v.flowHi);
    fill(lstErrorBox, v.errors);
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
