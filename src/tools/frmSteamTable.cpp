#include "tools/frmSteamTable.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gas/GasCalc.h"
#include "shell/Controls.h"
#include "shell/FieldEvents.h"
#include "state/SharedState.h"
#include "state/Text.h"
#include "tools/SteamTable.h"

namespace quorin {

namespace {

using Refusal = FieldEvents::Refusal;

// Wide enough for the longest readout ("1.5254", "503.08", "14.696") and a
// little more typed.
void setBoxWidth(QLineEdit* box) {
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000.0000")) + 12);
}

QPushButton* makeCommand(const char* name, const QString& caption) {
    QPushButton* button = makeButton(name, caption, nullptr);
    // No default button: Enter presses a button only when it has the focus.
    button->setAutoDefault(false);
    return button;
}

void selectAndFocus(QLineEdit* box) {
    box->selectAll();
    box->setFocus(Qt::OtherFocusReason);
}

}  // namespace

frmSteamTable::frmSteamTable() : Dialog(kName, " Steam Table"), events_(new FieldEvents(this)) {
    createControls();
    layoutControls();
    createEventTable();

    // Load: the units, the table, and no lookup entry until an option is
    // chosen.
    for (QLabel* label : lblDegF) label->setText(QString::fromUtf8(kDeg) + "F");
    lblDens->setText("lbm/ft" + QString::fromUtf8(kSup3));
    lblDens2->setText(lblDens->text());
    for (QWidget* w : lookupEntries()) w->hide();
    fillSteamTable();
}

void frmSteamTable::createControls() {
    fraIn = new QGroupBox("Steam Table  (Lookup)");
    fraIn->setObjectName("fraIn");
    optPress = makeOption(
        "optPress", "Enter Pressure (PSIA) to find saturated temperature && density", nullptr);
    optTemp = makeOption(
        "optTemp", "Enter Temperature (deg F) to find saturated pressure && density", nullptr);
    txtPsiaIn = makeBox("txtPsiaIn", "Enter Steam Pressure in PSIA");
    txtPsiaIn->setText("14.696");
    txtTempIn = makeBox("txtTempIn", "Enter Steam Temperature in deg F");
    btnLookup = makeCommand("btnLookup", "Lookup");
    lblSat = makeLabel("lblSat", "Saturation");
    txtTemp = makeReadout("txtTemp", "Readout of temperature in degF");
    txtPsia = makeReadout("txtPsia", "Readout of pressure in PSIA");
    txtDens = makeReadout("txtDens", "Readout of Density in pounds per cubic foot");

    Frame1 = new QGroupBox("Non-Steam Table - (Calculation)");
    Frame1->setObjectName("Frame1");
    Label6 = makeLabel("Label6", "Enter both system temperature and pressure to calculate density");
    txtTempIn2 = makeBox("txtTempIn2", "Enter deg F");
    txtPsiaIn2 = makeBox("txtPsiaIn2", "Enter PSIA");
    txtPsiaIn2->setText("14.696");
    btnCalculate = makeCommand("btnCalculate", "Calculate");
    txtTemp2 = makeReadout("txtTemp2");
    txtPSIA2 = makeReadout("txtPSIA2");
    txtDens2 = makeReadout("txtDens2");

    for (int k = 0; k < int(lblDegF.size()); ++k)
        lblDegF[k] = makeLabel(qPrintable(QString("lblDegF%1").arg(k)), {});
    lblpsia1 = makeLabel("lblpsia1", "PSIA");
    lblpsia2 = makeLabel("lblpsia2", "PSIA");
    lblpsia3 = makeLabel("lblpsia3", "PSIA");
    lblpsia4 = makeLabel("lblpsia4", "PSIA");
    lblDens = makeLabel("lblDens", {});
    lblDens2 = makeLabel("lblDens2", {});

    cmdClose = makeCommand("cmdClose", "&Close");

    for (QLineEdit* box : {txtPsiaIn, txtTempIn, txtTemp, txtPsia, txtDens, txtTempIn2, txtPsiaIn2,
                           txtTemp2, txtPSIA2, txtDens2})
        setBoxWidth(box);

    connect(optPress, &QRadioButton::toggled, this, [this](bool on) {
        if (on) optionChosen(true);
    });
    connect(optTemp, &QRadioButton::toggled, this, [this](bool on) {
        if (on) optionChosen(false);
    });
    connect(btnLookup, &QPushButton::clicked, this, [this] { lookup(); });
    connect(btnCalculate, &QPushButton::clicked, this, [this] { calculate(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { close_(); });
}

void frmSteamTable::layoutControls() {
    // Both halves share the columns: temperature, pressure, density, each a
    // box and its unit, and the command at the end of the entry row.
    auto columns = [](QGridLayout* grid, int row, QWidget* temp, QLabel* tempUnit, QWidget* psia,
                      QLabel* psiaUnit, QWidget* dens, QLabel* densUnit) {
        grid->addWidget(temp, row, 0);
        grid->addWidget(tempUnit, row, 1);
        grid->addWidget(psia, row, 2);
        grid->addWidget(psiaUnit, row, 3);
        if (dens) grid->addWidget(dens, row, 4);
        if (densUnit) grid->addWidget(densUnit, row, 5);
    };

    auto* lookupGrid = new QGridLayout;
    columns(lookupGrid, 0, txtTempIn, lblDegF[1], txtPsiaIn, lblpsia1, nullptr, nullptr);
    lookupGrid->addWidget(btnLookup, 0, 4, 1, 2);
    lookupGrid->addWidget(lblSat, 1, 0, 1, 6);
    columns(lookupGrid, 2, txtTemp, lblDegF[0], txtPsia, lblpsia2, txtDens, lblDens);
    lookupGrid->setColumnStretch(6, 1);
    auto* lookup = new QVBoxLayout(fraIn);
    lookup->addWidget(optPress);
    lookup->addWidget(optTemp);
    lookup->addLayout(lookupGrid);

    auto* calcGrid = new QGridLayout;
    columns(calcGrid, 0, txtTempIn2, lblDegF[2], txtPsiaIn2, lblpsia3, nullptr, nullptr);
    calcGrid->addWidget(btnCalculate, 0, 4, 1, 2);
    columns(calcGrid, 1, txtTemp2, lblDegF[3], txtPSIA2, lblpsia4, txtDens2, lblDens2);
    calcGrid->setColumnStretch(6, 1);
    auto* calc = new QVBoxLayout(Frame1);
    calc->addWidget(Label6);
    calc->addLayout(calcGrid);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraIn);
    layout->addWidget(Frame1);
    layout->addWidget(cmdClose, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The lookup entries come and go; the dialog keeps its shape.
    for (QWidget* w : lookupEntries()) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    QWidget* const order[] = {optPress,   optTemp,    txtTempIn,    txtPsiaIn, btnLookup,
                              txtTempIn2, txtPsiaIn2, btnCalculate, cmdClose};
    for (size_t k = 1; k < std::size(order); ++k) setTabOrder(order[k - 1], order[k]);
}

void frmSteamTable::createEventTable() {
    // Leaving an entry does nothing. A lookup entry looks up on Enter and on
    // a click, which also selects its text; a calculation entry calculates
    // on both, and Enter then moves to the other calculation entry.
    auto lookupEntry = [this](QLineEdit* box, void (frmSteamTable::*run)()) {
        return FieldRow{box,
                        [this, box, run](Trigger t) {
                            (this->*run)();
                            if (t == Trigger::Click) selectAndFocus(box);
                        },
                        nullptr, false};
    };
    auto calcEntry = [this](QLineEdit* box, QLineEdit* other) {
        return FieldRow{box,
                        [this, other](Trigger t) {
                            calculate();
                            if (t == Trigger::Enter) selectAndFocus(other);
                        },
                        nullptr, false};
    };
    events_->add({
        lookupEntry(txtPsiaIn, &frmSteamTable::lookupPsia),
        lookupEntry(txtTempIn, &frmSteamTable::lookupTemp),
        calcEntry(txtTempIn2, txtPsiaIn2),
        calcEntry(txtPsiaIn2, txtTempIn2),
    });
}

// ---- Lookup ----------------------------------------------------------------

std::array<QWidget*, 4> frmSteamTable::lookupEntries() const {
    return {txtPsiaIn, lblpsia1, txtTempIn, lblDegF[1]};
}

void frmSteamTable::optionChosen(bool byPressure) {
    QLineEdit* shown = byPressure ? txtPsiaIn : txtTempIn;
    txtPsiaIn->setVisible(byPressure);
    lblpsia1->setVisible(byPressure);
    txtTempIn->setVisible(!byPressure);
    lblDegF[1]->setVisible(!byPressure);
    selectAndFocus(shown);
}

// Text that is not a number keeps the value the tool last used; the
// readouts show it, and the entry keeps what was typed.
void frmSteamTable::lookupPsia() {
    events_->takeNumber(txtPsiaIn, shared().SteamPsia, Refusal::Ignore);
    modSteamLookupPsia();
    showResults();
}

void frmSteamTable::lookupTemp() {
    events_->takeNumber(txtTempIn, shared().SteamTempF, Refusal::Ignore);
    modSteamLookupTemp();
    showResults();
}

void frmSteamTable::lookup() {
    if (optTemp->isChecked()) lookupTemp();
    if (optPress->isChecked()) lookupPsia();
}

void frmSteamTable::showResults() {
    const auto& S = shared();
    txtTemp->setText(q(Format(S.SteamTempF, "0.0#")));
    txtPsia->setText(q(Format(S.SteamPsia, "0.0##")));
    txtDens->setText(q(Format(S.SteamDens, "0.0###")));
}

// ---- Calculation -----------------------------------------------------------

void frmSteamTable::calculate() {
    auto& S = shared();
    events_->takeNumber(txtTempIn2, S.SteamTempF, Refusal::Ignore);
    events_->takeNumber(txtPsiaIn2, S.SteamPsia, Refusal::Ignore);
    modSteamDensCalc();
    showResults2();
}

void frmSteamTable::showResults2() {
    const auto& S = shared();
    txtTemp2->setText(q(Format(S.SteamTempF, "0.0#")));
    txtPSIA2->setText(q(Format(S.SteamPsia, "0.0##")));
    txtDens2->setText(q(Format(S.SteamDens, "0.0###")));
}

// ---- Keys and closing ------------------------------------------------------

void frmSteamTable::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) button->click();
        event->accept();
        return;
    }
    Dialog::keyPressEvent(event);
}

void frmSteamTable::close_() {
    // The calculation wrote over the gas/steam case's pressure, temperature,
    // density and viscosity: the case is recomputed from its own entries.
    unloadMe();
    modRestoreGasCase();
}

}  // namespace quorin
