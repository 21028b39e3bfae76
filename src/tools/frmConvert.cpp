#include "tools/frmConvert.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/Controls.h"
#include "shell/FieldEvents.h"
#include "state/SharedState.h"
#include "state/Text.h"
#include "tools/Convert.h"

namespace quorin {

namespace {

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
    cboParSel->addItems(qtList(convertUnits()));
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
    const Conversion c = convertToInches(S.ConvInput, S.ConvParam);
    if (!c.known) return;
    if (c.area) {
        txtArea->setText(q(c.squareInches));
        txtEqPipeDia->setText(q(c.equivalentDiameter));
    } else {
        txtInch->setText(q(c.inches));
        txtArea->setText(q(c.squareInches));
    }
    showResultOf(c.area);
}

void frmConvert::showResultOf(bool area) {
    txtInch->setVisible(!area);
    lblInch->setVisible(!area);
    txtEqPipeDia->setVisible(area);
    lblEqDia->setVisible(area);
}

}  // namespace quorin
