#include "gas/frmOtherMediaGas.h"

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
#include "shell/Shell.h"
#include "state/SharedState.h"
#include "state/Text.h"

namespace quorin {

namespace {

QGroupBox* frame(const char* name, QRadioButton* first, QRadioButton* second) {
    auto* f = new QGroupBox("CHOOSE ONE");
    f->setObjectName(name);
    auto* layout = new QVBoxLayout(f);
    layout->addWidget(first);
    layout->addWidget(second);
    return f;
}

}  // namespace

frmOtherMediaGas::frmOtherMediaGas() : Dialog(kName, " Other Media"), events_(new FieldEvents(this)) {
    createControls();
    layoutControls();
    createEventTable();
    connectOptions();

    // Load: only the name and the two choices are offered at first.
    setShown({txtOtherSpecGrav, txtOtherDensity, txtOtherViscA, txtOtherViscB, txtOtherViscosity,
              lblViscA, lblViscB, lblViscUnit, lblDensUnit, lblVaEunit, lblVbEunit},
             false);
    shared().OtherMediaName = "Special Gas";
    selectAndFocus(txtNewMedia);
}

void frmOtherMediaGas::createControls() {
    lblNewMedia = makeLabel("lblNewMedia", "Enter Media Name:  ");
    txtNewMedia = makeBox("txtNewMedia", "Enter Name of Other Gas");
    txtNewMedia->setText("Special Gas");

    optDens = makeOption("optDens", "Density", "Select this option to enter density");
    optSg = makeOption("optSg", "Specific Gravity", "Select this option to enter specific gravity ");
    fraSgDens = frame("fraSgDens", optDens, optSg);
    txtOtherDensity = makeBox("txtOtherDensity", "Enter Density value");
    lblDensUnit = makeLabel("lblDensUnit", "lbm/cuft");
    txtOtherSpecGrav = makeBox("txtOtherSpecGrav", "Enter specific gravity value");

    optVisc = makeOption("optVisc", "Viscosity", "Select this option to enter viscosity");
    optViscAB = makeOption("optViscAB", "ViscA / ViscB",
                       "Select this option to enter viscosity A & B terms");
    fraVisc = frame("fraVisc", optVisc, optViscAB);
    txtOtherViscosity = makeBox("txtOtherViscosity", "Enter Viscosity value");
    lblViscUnit = makeLabel("lblViscUnit", "lbm/ft.sec");
    lblViscA = makeLabel("lblViscA", "A");
    txtOtherViscA = makeBox("txtOtherViscA", "Enter Viscosity A term");
    lblVaEunit = makeLabel("lblVaEunit", "x10e-6");
    lblViscB = makeLabel("lblViscB", "B");
    txtOtherViscB = makeBox("txtOtherViscB", "Enter Viscosity B term");
    lblVbEunit = makeLabel("lblVbEunit", "x10e-6");

    cmdClose = new QPushButton("OK");
    cmdClose->setObjectName("cmdClose");
    cmdClose->setToolTip("Press to Close this screen");
    // OK is the Esc button only; Enter presses it when it has the focus.
    cmdClose->setAutoDefault(false);
    connect(cmdClose, &QPushButton::clicked, this, [this] { close_(); });
}

void frmOtherMediaGas::layoutControls() {
    // Columns: the choice frames, the A/B captions, the boxes, the units.
    auto* grid = new QGridLayout(this);
    grid->addWidget(lblNewMedia, 0, 0);
    grid->addWidget(txtNewMedia, 0, 1, 1, 3);
    grid->addWidget(fraSgDens, 1, 0, 2, 1);
    grid->addWidget(txtOtherDensity, 1, 2);
    grid->addWidget(lblDensUnit, 1, 3);
    grid->addWidget(txtOtherSpecGrav, 2, 2);
    grid->addWidget(fraVisc, 3, 0, 3, 1);
    grid->addWidget(txtOtherViscosity, 3, 2);
    grid->addWidget(lblViscUnit, 3, 3);
    grid->addWidget(lblViscA, 4, 1);
    grid->addWidget(txtOtherViscA, 4, 2);
    grid->addWidget(lblVaEunit, 4, 3);
    grid->addWidget(lblViscB, 5, 1);
    grid->addWidget(txtOtherViscB, 5, 2);
    grid->addWidget(lblVbEunit, 5, 3);
    grid->addWidget(cmdClose, 6, 0, 1, 4, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    // The boxes come and go; the dialog keeps its shape.
    for (QWidget* w : findChildren<QWidget*>()) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
}

void frmOtherMediaGas::createEventTable() {
    // A click into a box of this dialog does nothing; Enter and leaving it
    // store the entry. Each entry moves the focus itself, and only when it
    // was taken.
    auto entry = [this](void (frmOtherMediaGas::*handler)(Trigger)) {
        return [this, handler](Trigger trigger) {
            if (trigger != Trigger::Click) (this->*handler)(trigger);
        };
    };
    auto name = [this](Trigger trigger) {
        if (trigger == Trigger::Click) return;
        shared().OtherMediaName = txtNewMedia->text().toStdString();
        if (trigger == Trigger::Enter) optSg->setFocus(Qt::OtherFocusReason);
    };
    events_->add({
        {txtNewMedia, name},
        {txtOtherDensity, entry(&frmOtherMediaGas::densityEntered)},
        {txtOtherSpecGrav, entry(&frmOtherMediaGas::gravityEntered)},
        {txtOtherViscosity, entry(&frmOtherMediaGas::viscosityEntered)},
        {txtOtherViscA, entry(&frmOtherMediaGas::coefAEntered)},
        {txtOtherViscB, entry(&frmOtherMediaGas::coefBEntered)},
    });
}

void frmOtherMediaGas::connectOptions() {
    // An option runs when it becomes chosen; clicking the chosen one again
    // does nothing until its entry has cleared it.
    const std::pair<QRadioButton*, void (frmOtherMediaGas::*)()> options[] = {
        {optDens, &frmOtherMediaGas::densityChosen},
        {optSg, &frmOtherMediaGas::gravityChosen},
        {optVisc, &frmOtherMediaGas::viscosityChosen},
        {optViscAB, &frmOtherMediaGas::coefficientsChosen},
    };
    for (const auto& [button, handler] : options)
        connect(button, &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on) (this->*handler)();
        });
}

void frmOtherMediaGas::selectAndFocus(QLineEdit* box) {
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

void frmOtherMediaGas::setShown(std::initializer_list<QWidget*> widgets, bool shown) {
    for (QWidget* w : widgets) w->setVisible(shown);
}

void frmOtherMediaGas::clearOption(QRadioButton* option) {
    // The chosen button of an exclusive set refuses to be cleared directly.
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

// ---- Density or specific gravity -------------------------------------------

void frmOtherMediaGas::densityChosen() {
    txtOtherSpecGrav->hide();
    txtOtherDensity->show();
    lblDensUnit->show();
    Shell::instance().showModal("frmOtherDensUnit");
    lblDensUnit->setText(q(shared().OtherDensUnit));
    selectAndFocus(txtOtherDensity);
}

void frmOtherMediaGas::densityEntered(Trigger trigger) {
    auto& S = shared();
    if (!events_->takeNumber(txtOtherDensity, S.OtherDensIn)) return;
    modOtherDensCalc();
    events_->show(txtOtherSpecGrav, q(General(S.SpecGravity)));
    txtOtherSpecGrav->show();
    clearOption(optDens);
    if (trigger == Trigger::Enter) optViscAB->setFocus(Qt::OtherFocusReason);
}

void frmOtherMediaGas::gravityChosen() {
    txtOtherDensity->hide();
    lblDensUnit->hide();
    txtOtherSpecGrav->show();
    selectAndFocus(txtOtherSpecGrav);
}

void frmOtherMediaGas::gravityEntered(Trigger trigger) {
    auto& S = shared();
    if (!events_->takeNumber(txtOtherSpecGrav, S.SpecGravity)) return;
    modOtherSgDensity();
    // The unit label keeps whatever caption it last had.
    events_->show(txtOtherDensity, q(Format(S.DensityLbFt3, "0.000e+00")));
    txtOtherDensity->show();
    lblDensUnit->show();
    clearOption(optSg);
    if (trigger == Trigger::Enter) optViscAB->setFocus(Qt::OtherFocusReason);
}

// ---- Viscosity or its coefficients -----------------------------------------

void frmOtherMediaGas::viscosityChosen() {
    setShown({txtOtherViscA, txtOtherViscB, lblViscA, lblViscB, lblVaEunit, lblVbEunit}, false);
    lblViscUnit->show();
    txtOtherViscosity->show();
    Shell::instance().showModal("frmOtherViscUnit");
    lblViscUnit->setText(q(shared().OtherViscUnit));
    selectAndFocus(txtOtherViscosity);
}

void frmOtherMediaGas::viscosityEntered(Trigger trigger) {
    auto& S = shared();
    if (!events_->takeNumber(txtOtherViscosity, S.OtherViscIn)) return;
    modOtherViscCalc();
    clearOption(optVisc);
    if (trigger == Trigger::Enter) cmdClose->setFocus(Qt::OtherFocusReason);
}

void frmOtherMediaGas::coefficientsChosen() {
    txtOtherViscosity->hide();
    txtOtherViscB->hide();
    lblViscUnit->hide();
    txtOtherViscA->show();
    lblViscA->show();
    lblVaEunit->show();
    selectAndFocus(txtOtherViscA);
}

void frmOtherMediaGas::coefAEntered(Trigger trigger) {
    if (!events_->takeNumber(txtOtherViscA, shared().ViscCoefA)) return;
    if (trigger != Trigger::Enter) return;
    txtOtherViscB->show();
    lblViscB->show();
    lblVbEunit->show();
    selectAndFocus(txtOtherViscB);
}

void frmOtherMediaGas::coefBEntered(Trigger trigger) {
    auto& S = shared();
    if (!events_->takeNumber(txtOtherViscB, S.ViscCoefB)) return;
    modOtherViscCoefs();
    events_->show(txtOtherViscosity, q(Format(S.ViscLbFtSec, "0.00e+0")));
    txtOtherViscosity->show();
    lblViscUnit->setText("lbm/ft.sec");
    lblViscUnit->show();
    clearOption(optViscAB);
    if (trigger == Trigger::Enter) cmdClose->setFocus(Qt::OtherFocusReason);
}

// ---- Closing ---------------------------------------------------------------

void frmOtherMediaGas::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // There is no default button: Enter only presses OK when OK has the focus.
        if (focusWidget() == cmdClose) cmdClose->click();
        event->accept();
        return;
    }
    Dialog::keyPressEvent(event);
}

void frmOtherMediaGas::close_() {
    // Esc or the title bar leave the box being edited as a click on OK does.
    events_->commitFocused();
    unloadMe();
    Shell::instance().focus("frmInputScrn", "cmdCalcFlow");
}

}  // namespace quorin
