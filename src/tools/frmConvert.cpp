#include "tools/frmConvert.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "core.h"
#include "shell/Controls.h"
#include "shell/FieldEvents.h"

namespace quorin {

namespace {

// A unit of the list and its factor to inches (a length) or to square
// inches (an area).
struct ConvUnit {
    const char* name;
    bool area;
    double factor;
};

constexpr ConvUnit kUnits[] = {
    {"MILLIMETERS", false, 0.03937},     {"CENTIMETERS", false, 0.3937},
    {"METERS", false, 39.3701},          {"SQUARE INCHES", true, 1},
    {"SQUARE FEET", true, 144},          {"SQUARE MILLIMETERS", true, 0.00155},
    {"SQUARE CENTIMETERS", true, 0.155}, {"SQUARE METERS", true, 1550.003},
};

constexpr const char* kResultFormat = "0.000";

void selectAndFocus(QLineEdit* box) {
    box->selectAll();
    box->setFocus(Qt::OtherFocusReason);
}

void selectAndFocus(QComboBox* list) {
    list->lineEdit()->selectAll();
    list->setFocus(Qt::OtherFocusReason);
}

}  // namespace

frmConvert::frmConvert() : Dialog(kName, " Convert to INCHES"), events_(new FieldEvents(this)) {
    createControls();
    layoutControls();
    createEventTable();

    // Load: 140 millimetres, shown as a length.
    auto& S = shared();
    S.ConvInput = 140;
    S.ConvParam = "MILLIMETERS";
    showResultOf(false);
    cboParSel->setEnabled(true);
    nrvAddConvert();
    events_->show(txtInput, q(General(S.ConvInput)));
    selectText(cboParSel, S.ConvParam);
    nrvConvert();
    selectAndFocus(txtInput);
}

void frmConvert::createControls() {
    txtInput = makeBox("txtInput", "Enter Number to be converted");
    // A unit may be typed.
    cboParSel = makeEditableList("cboParSel", "Select Paramter to be converted", {});

    txtInch = makeReadout("txtInch", "Display Conversion in INCHES");
    txtArea = makeReadout("txtArea", "Display Conversion in INCHES");
    txtEqPipeDia = makeReadout("txtEqPipeDia", "Display Equivalent Pipe Diameter in INCHES");
    lblInch = makeLabel("lblInch", "INCHES");
    lblSqInch = makeLabel("lblSqInch", "SQUARE INCHES");
    lblEqDia = makeLabel("lblEqDia", "EQUIV DIA INCHES");

    cmdClose = makeButton("cmdClose", "C&LOSE", nullptr);
    cmdClose->setAutoDefault(false);
    connect(cmdClose, &QPushButton::clicked, this, [this] { unloadMe(); });
}

void frmConvert::layoutControls() {
    // The number and its unit on top; each readout with its unit after it.
    // The inch and equivalent-diameter readouts share a row: one of them is
    // shown at a time.
    auto* grid = new QGridLayout;
    grid->addWidget(txtInput, 0, 0);
    grid->addWidget(cboParSel, 0, 1);
    grid->addWidget(txtInch, 1, 0);
    grid->addWidget(lblInch, 1, 1);
    grid->addWidget(txtEqPipeDia, 1, 0);
    grid->addWidget(lblEqDia, 1, 1);
    grid->addWidget(txtArea, 2, 0);
    grid->addWidget(lblSqInch, 2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(cmdClose, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(txtInput, cboParSel);
    setTabOrder(cboParSel, cmdClose);
}

void frmConvert::createEventTable() {
    // Both boxes convert when they lose the focus and on Enter, which then
    // selects the other box for typing; a pick from the unit list converts
    // too. A click into the number does nothing. A refused number keeps the
    // focus where it is.
    events_->add({
        FieldRow{txtInput,
                 [this](Trigger t) {
                     if (t == Trigger::Click) return;
                     if (readScreen() && t == Trigger::Enter) selectAndFocus(cboParSel);
                 }},
        FieldRow{cboParSel,
                 [this](Trigger t) {
                     readScreen();
                     if (t == Trigger::Enter) selectAndFocus(txtInput);
                 }},
    });
}

void frmConvert::nrvAddConvert() {
    cboParSel->clear();
    for (const ConvUnit& unit : kUnits) cboParSel->addItem(unit.name);
}

bool frmConvert::readScreen() {
    auto& S = shared();
    const bool accepted = events_->takeNumber(txtInput, S.ConvInput);
    S.ConvParam = s(cboParSel->currentText());
    nrvConvert();
    return accepted;
}

void frmConvert::nrvConvert() {
    const auto& S = shared();
    const auto* unit = std::find_if(std::begin(kUnits), std::end(kUnits),
                                    [&S](const ConvUnit& u) { return S.ConvParam == u.name; });
    if (unit == std::end(kUnits)) return;

    const double value = double(S.ConvInput) * unit->factor;
    if (unit->area) {
        txtArea->setText(q(Format(value, kResultFormat)));
        txtEqPipeDia->setText(q(Format(2 * std::sqrt(value / kPi), kResultFormat)));
    } else {
        txtInch->setText(q(Format(value, kResultFormat)));
        txtArea->setText(q(Format(kPi * (value / 2) * (value / 2), kResultFormat)));
    }
    showResultOf(unit->area);
}

void frmConvert::showResultOf(bool area) {
    txtInch->setVisible(!area);
    lblInch->setVisible(!area);
    txtEqPipeDia->setVisible(area);
    lblEqDia->setVisible(area);
}

}  // namespace quorin
