#include "norvane/frmNorvaneInput.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "norvane/NorvaneCalc.h"
#include "norvane/NorvaneFiles.h"
#include "shell/Controls.h"
#include "shell/FileCommands.h"
#include "shell/Seams.h"
#include "shell/Shell.h"
#include "state/SharedState.h"
#include "state/Text.h"

namespace quorin {

namespace {

const QString kDataFilter = "Data File (*.dat)";
const QString kTextFilter = "Text File (*.txt)";

}  // namespace

frmNorvaneInput::frmNorvaneInput()
    : Form(kName, " Quorin NORVANE Sizing Program Input Screen"), events_(new FieldEvents(this)) {
    events_->setEnterMoveCommits(false);  // an Enter runs its box's chain once
    createControls();
    layoutControls();
    createMenus();
    createEventTable();
    loadDefaults();
}

// ---- Controls ------------------------------------------------------------

void frmNorvaneInput::createControls() {
    txtCust = makeNrvEntry("txtCust", "Enter Customer Name", "Quorin Dynarel Inc.");
    txtCustRef = makeNrvEntry("txtCustRef", "Enter Customer Reference");
    txtPrepBy = makeNrvEntry("txtPrepBy", "Enter Name of Preparer");
    txtDate = makeNrvEntry("txtDate", "Enter Date");
    txtTagNo = makeNrvEntry("txtTagNo", "Enter Tag Number");
    txtRevNo = makeNrvEntry("txtRevNo", "Enter Revision Number");

    cboFluidState = makeEditableList("cboFluidState", "Select Fluid State", qtList(nrvFluidStates()));
    cboFluid = makeEditableList("cboFluid", "Select Fluid", {});
    fitWidth(cboFluid, "PROPENE PROPYLENE  XXX");
    cboFluid->setMaxVisibleItems(24);
    cboLineSize = makeEditableList("cboLineSize", "Select Nominal Line Size", qtList(nrvLineSizeTexts()));
    cboLineSize->setMaxVisibleItems(16);
    txtLineSch = makeNrvEntry("txtLineSch", "Enter Line Schedule");
    txtLineMat = makeNrvEntry("txtLineMat", "Enter Line Material");
    txtID = makeNrvEntry("txtID", "Enter Internal Diameter in Inches");
    txtWall = makeNrvEntry("txtWall", "Enter Wall Thickness in Inches");
    txtOd = makeNrvEntry("txtOd", "Enter Outside Diameter in Inches");
    cboLineOrient = makeList("cboLineOrient", "Select Line Orientation", qtList(nrvOrientations()));
    txtFlowDir = makeNrvDisplay("txtFlowDir", "Display Only Flow Direction");
    cboFlowDir = makeList("cboFlowDir", "Select Flow Direction", qtList(nrvFlowDirs()));

    txtFlowCoe = makeNrvDisplay("txtFlowCoe", "Display Only Flow Coefficient");
    txtBfactor = makeNrvDisplay("txtBfactor", "Display Only B Factor");
    txtMolW = makeNrvEntry("txtMolW", "Enter Molecular Weight for Gas or Density for Liquid");
    txtSpecGrav = makeNrvDisplay("txtSpecGrav", "Display Only Specific Gravity");
    // Locked: grey like the window behind it.
    QPalette grey = txtSpecGrav->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Window));
    txtSpecGrav->setPalette(grey);
    txtCpCv = makeNrvDisplay("txtCpCv", "Display Only Ratio of Specific Heats");
    txtBaseTemp = makeNrvEntry("txtBaseTemp", "Enter Base Temperature in deg F");
    txtBasePress = makeNrvEntry("txtBasePress", "Enter Base Pressure in PSIA");

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

    cboFlowUnit = makeList("cboFlowUnit", "Select Unit of Flow", {});
    fitWidth(cboFlowUnit, "bbl/day  XXXX");
    cboTempUnit = makeList("cboTempUnit", "Select Unit of Temperature", qtList(nrvTempUnits()));
    cboPressUnit = makeList("cboPressUnit", "Select Unit of Pressure", qtList(nrvPressUnits()));

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

void frmNorvaneInput::layoutControls() {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(scrollingBody());
    layout->addWidget(layoutHeader());
    layout->addWidget(layoutApplication());
    layout->addWidget(flowData_.layOut(cboFlowUnit, cboTempUnit, cboPressUnit, lblBbl));
    layout->addLayout(buttons);
    layout->addStretch();

    const auto& [mn, nm, mx] = flowData_.columns();
    QWidget* const order[] = {
        txtCust, txtCustRef, txtPrepBy, txtDate, txtTagNo, txtRevNo, cboFluidState, cboFluid,
        cboLineSize, txtLineSch, txtLineMat, txtID, txtWall, txtOd, cboLineOrient, cboFlowDir,
        txtMolW, txtBaseTemp, txtBasePress, cboFlowUnit, mn.flowRate, nm.flowRate, mx.flowRate,
        cboTempUnit, mn.temp, nm.temp, mx.temp, cboPressUnit, mn.press, nm.press, mx.press,
        mn.comp, nm.comp, mx.comp, cmdClose};
    for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
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
    addCommand(file, "Print Preview…", "mnuPrintPreview", {}, [] { previewReport(modnrvPrintResults); });
    addCommand(file, "Export PDF…", "mnuExportPdf", {},
               [] { exportPdf(modnrvPrintResults, "Quorin Norvane.pdf"); });
    addSeparator(file);
    addCloseAndExit(file, [this] { close_(); });

    // The tools, a separator between each two.
    QMenu* tools = addMenu("Tools", "mnuTools");
    auto modal = [](const char* form) { return [form] { Shell::instance().showModal(form); }; };
    const std::tuple<const char*, const char*, std::function<void()>> items[] = {
        {"Size Vortex Gas/Steam Meter", "mnuGasSteam", [this] { changeWorkflow("GAS"); }},
        {"Size Vortex Liquid Meter", "mnuSizeLiquid", [this] { changeWorkflow("LIQUID"); }},
        {"Steam Table", "mnuSteamTable", modal("frmSteamTable")},
        {"Pipe Chart", "mnuPipeChart", modal("frmPipeChart")},
        {"Convert to Inches", "mnuConvert", modal("frmConvert")},
        {"Set Defaults", "mnuDefaults", [this] { loadDefaults(); }}};
    for (size_t k = 0; k < std::size(items); ++k) {
        if (k > 0) addSeparator(tools);
        addCommand(tools, std::get<0>(items[k]), std::get<1>(items[k]), {}, std::get<2>(items[k]));
    }

    addHelpAndAbout();
}

// ---- Event table ---------------------------------------------------------

void frmNorvaneInput::createEventTable() {
    auto& S = shared();
    FieldEvents& e = *events_;
    const auto& [mn, nm, mx] = flowData_.columns();
    // Where Enter goes from the boxes whose next depends on the layout: a
    // liquid skips the compressibility row, the vertical line the direction.
    auto liquid = [] { return nrvState(shared().FluidState) == NrvState::Liquid; };
    auto afterFlowDirection = [=, this]() -> QWidget* { return liquid() ? txtMolW : mx.flowRate; };
    auto afterOrientation = [=, this]() -> QWidget* {
        return unitIs(shared().LineOrient, "VERT") ? cboFlowDir : afterFlowDirection();
    };
    auto field = [&S](const NrvCaseColumn& c) { return nrvCase(S, c.which()); };
    // A number box or a list: the value, the entry's part of the
    // calculation, the screen.
    auto then = [this](void (*recalc)()) { return [this, recalc] { recalc(); refresh(); }; };
    auto number = [&](QLineEdit* box, float& value, void (*recalc)()) {
        return e.number(box, value, then(recalc));
    };
    auto list = [&](QComboBox* box, std::string& value, void (*recalc)()) {
        return e.unit(box, value, then(recalc));
    };
    e.add({
        {txtCust, e.text(txtCust, S.Cust), txtCustRef},
        {txtCustRef, e.text(txtCustRef, S.CustRef), txtPrepBy},
        {txtPrepBy, e.text(txtPrepBy, S.PrepBy), txtTagNo},
        {txtDate, e.text(txtDate, S.DateText), txtTagNo},
        {txtTagNo, e.text(txtTagNo, S.TagNo), txtRevNo},
        {txtRevNo, e.text(txtRevNo, S.RevNo), cboFluidState},
        {cboFluidState, [this](Trigger) { return fluidStateBox(); }, cboFluid},
        {cboFluid, list(cboFluid, S.Fluid, nrvFluidChanged), cboLineSize},
        {cboLineSize, [this](Trigger) { return lineSizeBox(); }, cboLineOrient},
        {txtLineSch, e.text(txtLineSch, S.LineSch), txtLineMat},
        {txtLineMat, e.text(txtLineMat, S.LineMat), txtID},
        // Only the inside diameter enters the calculation; the wall gives
        // the outside diameter.
        {txtID, number(txtID, S.LineId, nrvInsideDiameterChanged), txtWall},
        {txtWall, number(txtWall, S.LineWall, nrvLineOd), txtOd},
        {txtOd, number(txtOd, S.LineOd, [] {}), cboLineOrient},
        {cboLineOrient, [this](Trigger t) { lineOrientBox(t); }, afterOrientation},
        {cboFlowDir, [this, &S](Trigger) { S.FlowDir = s(cboFlowDir->currentText()); },
         afterFlowDirection},
        {txtMolW, number(txtMolW, S.MolW, nrvMolWeightChanged), txtBaseTemp},
        {txtBaseTemp, number(txtBaseTemp, S.BaseTemp, nrvBaseTempChanged), txtBasePress},
        {txtBasePress, number(txtBasePress, S.BasePress, nrvBasePressChanged), mx.flowRate},
        // The cases, each row from the maximum to the minimum.
        {mx.flowRate, number(mx.flowRate, field(mx).flowRate, nrvFlowRateChanged), cboFlowUnit},
        {nm.flowRate, number(nm.flowRate, field(nm).flowRate, nrvFlowRateChanged), mn.flowRate},
        {mn.flowRate, number(mn.flowRate, field(mn).flowRate, nrvFlowRateChanged), mx.temp},
        {cboFlowUnit, [this](Trigger) { flowUnitBox(); }, nm.flowRate},
        {mx.temp, number(mx.temp, field(mx).temp, nrvTempChanged), cboTempUnit},
        {nm.temp, number(nm.temp, field(nm).temp, nrvTempChanged), mn.temp},
        {mn.temp, number(mn.temp, field(mn).temp, nrvTempChanged), mx.press},
        {cboTempUnit, list(cboTempUnit, S.TempUnitIn, nrvTempChanged), nm.temp},
        {mx.press, number(mx.press, field(mx).press, nrvPressChanged), cboPressUnit},
        {nm.press, number(nm.press, field(nm).press, nrvPressChanged), mn.press},
        {mn.press, number(mn.press, field(mn).press, nrvPressChanged),
         [=, this]() -> QWidget* { return liquid() ? txtCust : mx.comp; }},
        {cboPressUnit, list(cboPressUnit, S.PressUnit, nrvPressUnitChanged), nm.press},
        {mx.comp, number(mx.comp, field(mx).comp, nrvCompChanged), nm.comp},
        {nm.comp, number(nm.comp, field(nm).comp, nrvCompChanged), mn.comp},
        {mn.comp, number(mn.comp, field(mn).comp, nrvCompChanged), txtCust},
    });
}

// ---- Commits -------------------------------------------------------------

// A new fluid state brings its fluid, flow unit, defaults and layout; a text
// that is not a state is selected for correction.
bool frmNorvaneInput::fluidStateBox() {
    const NrvEntry entry = nrvFluidStateEntered(s(cboFluidState->currentText()));
    if (entry == NrvEntry::Refused) {
        events_->select(cboFluidState);
        return false;
    }
    if (entry == NrvEntry::Changed) {
        const NrvState state = nrvState(shared().FluidState);
        showLayout(state);
        fillLists(state);
    }
    refresh();  // the state as the case spells it
    return true;
}

bool frmNorvaneInput::lineSizeBox() {
    float size = shared().LineSize;
    if (!events_->takeNumber(cboLineSize->lineEdit(), size)) return false;
    nrvLineSizeEntered(size);
    refresh();  // the size as the list writes it
    return true;
}

// A vertical line's direction is shown in the direction list.
void frmNorvaneInput::lineOrientBox(Trigger trigger) {
    nrvLineOrientEntered(s(cboLineOrient->currentText()), s(cboFlowDir->currentText()),
                         trigger == Trigger::Enter);
    if (unitIs(shared().LineOrient, "VERT")) selectText(cboFlowDir, shared().FlowDir);
    showFlowDirection();
}

void frmNorvaneInput::flowUnitBox() {
    if (nrvFlowUnitEntered(s(cboFlowUnit->currentText())) == NrvEntry::Changed) refresh();
}

// ---- Screen --------------------------------------------------------------

void frmNorvaneInput::put(QComboBox* list, const std::string& text) {
    if (list->currentText() == q(text)) return;
    selectText(list, text);
    // An editable list shows the case's text as it stands.
    if (list->lineEdit()) events_->show(list->lineEdit(), q(text));
}

void frmNorvaneInput::refresh() {
    const auto& S = shared();
    const std::pair<QLineEdit*, std::string> boxes[] = {
        {txtCust, S.Cust},           {txtCustRef, S.CustRef},
        {txtPrepBy, S.PrepBy},       {txtDate, S.DateText},
        {txtTagNo, S.TagNo},         {txtRevNo, S.RevNo},
        {txtLineSch, S.LineSch},     {txtLineMat, S.LineMat},
        {txtID, General(S.LineId)},  {txtWall, General(S.LineWall)},
        {txtOd, General(S.LineOd)},  {txtFlowDir, "HORIZ"},
        {txtFlowCoe, General(S.FlowCoe)}, {txtBfactor, Format(S.Bfactor, "0.00e+00")},
        {txtMolW, General(S.MolW)},  {txtSpecGrav, Format(S.SpecGrav, "0.0000")},
        {txtCpCv, General(S.CpCv)},  {txtBaseTemp, General(S.BaseTemp)},
        {txtBasePress, General(S.BasePress)}};
    for (const auto& [box, text] : boxes) events_->update(box, q(text));
    put(cboFluidState, S.FluidState);
    put(cboFluid, S.Fluid);
    put(cboLineSize, nrvLineSizeText(S.LineSize));
    put(cboLineOrient, S.LineOrient);
    if (unitIs(S.LineOrient, "VERT")) put(cboFlowDir, S.FlowDir);
    showFlowDirection();
    lblBaseTempC->setText(q(Format(S.BaseTempC, "0.0") + " C"));
    lblBasePressKg->setText(q(Format(S.BasePressKg, "0.000") + " Kg/cm2"));

    put(cboFlowUnit, S.FlowUnit);
    lblBbl->setVisible(nrvShowsBarrelHint(S.FlowUnit));
    put(cboTempUnit, S.TempUnitIn);
    put(cboPressUnit, S.PressUnit);
    flowData_.refresh(shared(), *events_);
}

void frmNorvaneInput::showLayout(NrvState state) {
    const bool liquid = state == NrvState::Liquid;
    const bool steam = state == NrvState::Steam;
    for (QWidget* w : {lblBfactor, lblCpCv, lblMolW, lblMWair}) w->setHidden(liquid);
    for (QWidget* w : {txtBfactor, txtCpCv}) w->setHidden(liquid);
    flowData_.showGasRows(!liquid);
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
// layout and lists; the customer box takes the focus unless the
// calculation asked for another.
void frmNorvaneInput::loadDefaults() {
    auto& S = shared();
    FieldEvents::SelectionScope selection(*events_);
    modnrvLoadPipeTbl();
    nrvLoadDefaults(todayText());
    nrvRecalcAll();
    showLayout(NrvState::Gas);
    fillLists(NrvState::Gas);
    refresh();
    S.DateText = s(txtDate->text());
    selection.finish(txtCust);
}

// A data file replaces the whole case; the screen then shows the file's
// fluid state with its lists but without that state's defaults.
void frmNorvaneInput::openFile() {
    auto& S = shared();
    const OpenResult result = openWithDialog(kDataFilter, S.TubeDataFile, modnrvOpenInData);
    if (result == OpenResult::Cancelled) seams().message("CANCEL", MsgIcon::None);
    if (result != OpenResult::Opened) return;
    FieldEvents::SelectionScope selection(*events_);
    nrvBaseDerived();
    const NrvState state = nrvState(S.FluidState);
    showLayout(state);
    fillLists(state);
    // A fluid state that is not one (an edited file) is held for correction
    // like a gas the table does not know.
    if (state == NrvState::None) events_->select(cboFluidState);
    nrvRecalcAll();
    refresh();
    // A box the calculation asked for (a size without a coefficient, a gas
    // it does not know) keeps the focus; otherwise the customer box.
    selection.finish(txtCust);
}

void frmNorvaneInput::close_() { Shell::instance().returnToIntro(kName); }

void frmNorvaneInput::changeWorkflow(const char* sizingType) {
    Shell::instance().returnToIntro(kName, sizingType);
}

}  // namespace quorin
