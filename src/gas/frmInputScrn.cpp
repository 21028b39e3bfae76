#include "gas/frmInputScrn.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "core.h"
#include "shell/Seams.h"
#include "shell/Shell.h"

namespace quorin {

namespace {

const QStringList kFlowUnits = {"ACFM",    "ACF/Day", "SCFM",     "SCF/Day", "m^3/Hr", "m^3/Day",
                                "Nm^3/Hr", "Nm^3/Day", "lbs/min", "lbs/Hr",  "Kg/Hr",  "FPS",
                                "FPM",     "MPS",     "LPM",      "Metric Tons/Hr"};
const QStringList kPipeUnits = {"INCHES",      "MILLIMETERS",        "CENTIMETERS",
                                "METERS",      "SQUARE FEET",        "SQUARE MILLIMETERS",
                                "SQUARE CENTIMETERS", "SQUARE METERS"};
const QStringList kPressUnits = {"PSIA",  "PSIG",         "BAR G",         "Kg/cm^2 G",
                                 "KPa G", "INCHES H2O G", "TORR (mmHg) G", "BAR A"};
const QStringList kAbsoluteUnits = {"PSIA", "Kg/cm^2 A", "BAR A", "KPa A"};
const QStringList kTempUnits = {"deg F", "deg C", "deg R"};

QString q(const std::string& s) { return QString::fromStdString(s); }
std::string s(const QString& q) { return q.toStdString(); }

QLineEdit* box(const char* name, const char* tip) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setToolTip(tip);
    return edit;
}

QComboBox* list(const char* name, const char* tip, const QStringList& entries) {
    auto* combo = new QComboBox;
    combo->setObjectName(name);
    combo->setToolTip(tip);
    combo->addItems(entries);
    return combo;
}

// Shows a unit text in a list; a text the list lacks is added, as a file
// may bring one.
void select(QComboBox* combo, const std::string& text) {
    int i = combo->findText(q(text), Qt::MatchFixedString);
    if (i < 0) {
        combo->addItem(q(text));
        i = combo->count() - 1;
    }
    combo->setCurrentIndex(i);
}

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
    txtCustomerIn->selectAll();
    txtCustomerIn->setFocus(Qt::OtherFocusReason);
}

void frmInputScrn::createControls() {
    txtCustomerIn = box("txtCustomerIn", "Enter Company Name");
    txtTagNoIn = box("txtTagNoIn", "Enter Tag Number");
    txtFlowRateIn = box("txtFlowRateIn", "Enter Flow Rate Value");
    cboFlowUnitIn = list("cboFlowUnitIn", "Select Units of Flow", kFlowUnits);
    txtPipeSizeIn = box("txtPipeSizeIn", "Enter Pipe Size Value");
    cboPipeUnitIn = list("cboPipeUnitIn", "Select Pipe Units", kPipeUnits);
    txtPressIn = box("txtPressIn", "Enter Pressure Value");
    cboPressUnitIn = list("cboPressUnitIn", "Select Units of Pressure", kPressUnits);
    txtTempIn = box("txtTempIn", "Enter Temperature Value");
    cboTempUnitIn = list("cboTempUnitIn", "Select Temperature Units", kTempUnits);
    txtAtmoPressIn = box("txtAtmoPressIn", "Enter Atmospheric Pressure Value");
    cboAtmoPressUnitIn =
        list("cboAtmoPressUnitIn", "Select Atmospheric Pressure Units", kAbsoluteUnits);
    QStringList media;
    for (const std::string& name : gasMediaList()) media << q(name);
    cboMediaIn = list("cboMediaIn", "Select Media Type", media);
    cboMediaIn->setMaxVisibleItems(16);
    lblOther = new QLabel("Other Gas =");
    lblOther->setObjectName("lblOther");
    lblNewMedia = new QLabel;
    lblNewMedia->setObjectName("lblNewMedia");
    txtPressRefIn = box("txtPressRefIn", "Enter Reference Pressure Value");
    cboPressRefUnitIn =
        list("cboPressRefUnitIn", "Select Reference Pressure Units", kAbsoluteUnits);
    txtTempRefIn = box("txtTempRefIn", "Enter Reference Temperature Value");
    cboTempRefUnitIn = list("cboTempRefUnitIn", "Select Temperature Unit", kTempUnits);

    cmdCalcFlow = new QPushButton("&Find Meter");
    cmdCalcFlow->setObjectName("cmdCalcFlow");
    cmdCalcFlow->setToolTip("Press to Calculate Flow");
    onClick(cmdCalcFlow, [this] { findMeter(); });
    cmdClose = new QPushButton("&Close");
    cmdClose->setObjectName("cmdClose");
    cmdClose->setToolTip("Press to close this screen");
    setCancelButton(cmdClose);
    onClick(cmdClose, [this] { close_(); });

    auto* heading = new QLabel("Gas / Steam Meter Selection Guide");
    heading->setObjectName("lblHeading");
    QFont big = heading->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    heading->setFont(big);
    heading->setAlignment(Qt::AlignCenter);

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

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCalcFlow);
    buttons->addWidget(cmdClose);

    auto* right = new QVBoxLayout;
    right->addWidget(reference);
    right->addStretch();
    right->addLayout(buttons);
    auto* columns = new QHBoxLayout;
    columns->addWidget(process, 3);
    columns->addLayout(right, 2);
    auto* layout = new QVBoxLayout(scrollingBody());
    layout->addWidget(heading);
    layout->addLayout(columns);
    layout->addStretch();

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
    // Case files come with the data-file commands.
    addCommand(file, "Open", "mnuOpenFile", {}, [] {})->setEnabled(false);
    addCommand(file, "Save    ", "mnuSaveFile", QKeySequence("Ctrl+S"), [] {})->setEnabled(false);
    addSeparator(file);
    addCommand(file, "Calculate Flow", "mnuCalcFlow", {}, [this] { findMeter(); });
    addSeparator(file);
    addCommand(file, "Close", "mnuClose", QKeySequence("Ctrl+C"), [this] { close_(); });
    addSeparator(file);
    addCommand(file, "Exit", "mnuExit", QKeySequence("Ctrl+X"),
               [] { Shell::instance().exitProgram(); });

    QMenu* tools = addMenu("Tools", "mnuTools");
    addCommand(tools, "Size Liquid Meter", "mnuSizeLiquid", {}, [] {
        Shell& shell = Shell::instance();
        shell.unload(kName);
        shared().SizingType = "LIQUID";
        shell.showChild("frmINTRO");
    });
    addSeparator(tools);
    QAction* norvane = addCommand(tools, "Size Norvane", "mnuSizeNorvane", {}, [] {
        Shell& shell = Shell::instance();
        shell.unload(kName);
        shared().SizingType = "NORVANE";
        shell.showChild("frmINTRO");
    });
    QAction* norvaneSeparator = addSeparator(tools, "mnuSizeNorvaneSeparator");
#ifdef QUORIN_SHOW_NORVANE
    constexpr bool showNorvane = true;
#else
    constexpr bool showNorvane = false;
#endif
    norvane->setVisible(showNorvane);
    norvaneSeparator->setVisible(showNorvane);
    // The steam table and the range charts come with the reference tools.
    addCommand(tools, "Steam Table", "mnuSteamTable", {}, [] {})->setEnabled(false);
    addSeparator(tools);
    addCommand(tools, "Gas/Steam Meter Standard Ranges", "mnuMeterRange", {}, [] {})
        ->setEnabled(false);
    addSeparator(tools);
    addCommand(tools, "Set Defaults", "mnuDefaultValues", {}, [this] { setDefaults(); });

    addMenuBarCommand("Help", "mnuHelp", [] { Shell::instance().showModal("frmHelp"); });
    addMenuBarCommand("About", "mnuAbout", [] { Shell::instance().showModal("frmAbout"); });
}

void frmInputScrn::createEventTable() {
    auto& S = shared();
    auto text = [](QLineEdit* edit, std::string& field) {
        return [edit, &field](Trigger) { field = s(edit->text()); };
    };
    // A number box: store, then run the chain; a refused entry runs nothing.
    auto number = [this](QLineEdit* edit, float& field, std::function<void()> chain) {
        return [this, edit, &field, chain](Trigger) {
            if (events_->takeNumber(edit, field)) chain();
        };
    };
    auto unit = [](QComboBox* combo, std::string& field, std::function<void()> chain) {
        return [combo, &field, chain](Trigger) {
            field = s(combo->currentText());
            chain();
        };
    };
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
        {txtCustomerIn, text(txtCustomerIn, S.CustomerIn), txtTagNoIn},
        {txtTagNoIn, text(txtTagNoIn, S.TagNoIn), txtFlowRateIn},
        {txtFlowRateIn, number(txtFlowRateIn, S.FlowRateIn, [this] { flowChanged(); }), nullptr},
        {cboFlowUnitIn, unit(cboFlowUnitIn, S.FlowUnitIn, [this] { flowChanged(); }), txtPipeSizeIn},
        {txtPipeSizeIn, number(txtPipeSizeIn, S.PipeSizeIn, pipeChain), cboPipeUnitIn},
        {cboPipeUnitIn, unit(cboPipeUnitIn, S.PipeUnitIn, pipeChain), txtPressIn},
        {txtPressIn, [this](Trigger t) { pressureBox(t); }, cboPressUnitIn},
        {cboPressUnitIn, [this](Trigger t) { pressureUnit(t); }, txtTempIn},
        {txtTempIn, number(txtTempIn, S.TempIn, tempChain), cboTempUnitIn},
        {cboTempUnitIn, unit(cboTempUnitIn, S.TempUnitIn, tempChain), txtAtmoPressIn},
        {txtAtmoPressIn, number(txtAtmoPressIn, S.AtmoPressIn, atmoChain), cboAtmoPressUnitIn},
        {cboAtmoPressUnitIn, unit(cboAtmoPressUnitIn, S.AtmoPressUnitIn, atmoChain), cboMediaIn},
        {cboMediaIn,
         unit(cboMediaIn, S.MediaIn,
              [this] {
                  modMediaIn();
                  modAcfmCalc();
                  showOtherGasLabels();
              }),
         cmdCalcFlow, false},
        {txtPressRefIn, number(txtPressRefIn, S.PressRefIn, refPressChain), cboPressRefUnitIn},
        {cboPressRefUnitIn, unit(cboPressRefUnitIn, S.PressRefUnitIn, refPressChain), txtTempRefIn},
        {txtTempRefIn, number(txtTempRefIn, S.TempRefIn, refTempChain), cboTempRefUnitIn},
        {cboTempRefUnitIn, unit(cboTempRefUnitIn, S.TempRefUnitIn, refTempChain), txtCustomerIn},
    });
}

void frmInputScrn::refresh() {
    const auto& S = shared();
    txtCustomerIn->setText(q(S.CustomerIn));
    txtTagNoIn->setText(q(S.TagNoIn));
    events_->show(txtFlowRateIn, q(General(S.FlowRateIn)));
    select(cboFlowUnitIn, S.FlowUnitIn);
    events_->show(txtPipeSizeIn, q(General(S.PipeSizeIn)));
    select(cboPipeUnitIn, S.PipeUnitIn);
    events_->show(txtPressIn, q(General(S.PressIn)));
    select(cboPressUnitIn, S.PressUnitIn);
    events_->show(txtTempIn, q(General(S.TempIn)));
    select(cboTempUnitIn, S.TempUnitIn);
    events_->show(txtAtmoPressIn, q(General(S.AtmoPressIn)));
    select(cboAtmoPressUnitIn, S.AtmoPressUnitIn);
    if (S.MediaIn != "OTHER") select(cboMediaIn, S.MediaIn);
    refreshReference();
}

void frmInputScrn::refreshReference() {
    const auto& S = shared();
    events_->show(txtPressRefIn, q(General(S.PressRefIn)));
    select(cboPressRefUnitIn, S.PressRefUnitIn);
    events_->show(txtTempRefIn, q(General(S.TempRefIn)));
    select(cboTempRefUnitIn, S.TempRefUnitIn);
}

void frmInputScrn::showOtherGasLabels() {
    const bool other = shared().MediaIn == "OTHER";
    lblOther->setVisible(other);
    lblNewMedia->setVisible(other);
    lblNewMedia->setText(other ? q(shared().OtherMediaName) : QString());
}

// Normal cubic metres per hour refer to 14.696 psia and 32 deg F; every
// other unit keeps the user's reference conditions.
void frmInputScrn::flowChanged() {
    auto& S = shared();
    if (unitIs(S.FlowUnitIn, "NM^3/HR")) {
        S.PressRefIn = 14.696f;
        S.PressRefUnitIn = "PSIA";
        S.TempRefIn = 32;
        S.TempRefUnitIn = "deg F";
        refreshReference();
        modPressureRef();
        modTemperatureRef();
    } else {
        refreshReference();
    }
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
        if (unitIs(S.PressUnitIn, "PSIA") && value < 10) events_->show(txtPressIn, "14.696");
        pressureChain();
        return;
    }
    modPressure();
    pressureCheck();
}

// Operating pressure at least 10 psia; below the atmosphere is allowed with
// a note. A refused pressure is replaced by a safe one in the entered unit.
void frmInputScrn::pressureCheck() {
    auto& S = shared();
    const float psia = S.PressPsia;
    if (psia >= 10) {
        if (psia < S.AtmoPressPsia)
            seams().message("Please note:  You entered an operating pressure below the "
                            "atmospheric pressure (vacuum conditions).",
                            MsgIcon::None);
        modMeterSpecs();
        modCalcDensVisc();
        modAcfmCalc();
    } else if (psia < 10) {
        seams().message("Error:  Invalid Pressure Value!\nPressure must be > 10 PSIA (0.69 BAR "
                        "A).\n\nPlease note you entered a vacuum value for pressure.",
                        MsgIcon::Exclamation);
        const char* safe = unitIs(S.PressUnitIn, "PSIA")    ? "14.696"
                           : unitIs(S.PressUnitIn, "BAR A") ? "1"
                                                            : "0";
        events_->show(txtPressIn, safe);
        events_->takeNumber(txtPressIn, S.PressIn);
        pressureChain();
    }
}

void frmInputScrn::pressureUnit(Trigger trigger) {
    auto& S = shared();
    S.PressUnitIn = s(cboPressUnitIn->currentText());
    if (trigger == Trigger::Click) {
        float value = S.PressIn;
        events_->takeNumber(txtPressIn, value);
        if (unitIs(S.PressUnitIn, "PSIA") && value < 10) events_->show(txtPressIn, "14.696");
        else if (unitIs(S.PressUnitIn, "BAR A") && value < 0.69f) events_->show(txtPressIn, "1");
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

void frmInputScrn::setDefaults() {
    loadGasDefaults();
    modGasRecalc();
    refresh();
    showOtherGasLabels();
}

void frmInputScrn::close_() {
    Shell& shell = Shell::instance();
    shell.unload(kName);
    shell.showChild("frmINTRO");
}

}  // namespace quorin
