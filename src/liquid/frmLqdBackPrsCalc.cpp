#include "liquid/frmLqdBackPrsCalc.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "liquid/LiquidCalc.h"
#include "shell/Controls.h"
#include "shell/FieldEvents.h"
#include "shell/Shell.h"
#include "state/SharedState.h"
#include "state/Text.h"

namespace quorin {

frmLqdBackPrsCalc::frmLqdBackPrsCalc()
    : Dialog(kName, " Liquid Back Pressure Calculation"), events_(new FieldEvents(this)) {
    lblBackPress =
        makeLabel("lblBackPress", "METER REQUIRES NECESSARY BACK PRESSURE TO PREVENT CAVITATION");
    QFont bold = lblBackPress->font();
    bold.setBold(true);
    lblBackPress->setFont(bold);
    lblBackPress->setAlignment(Qt::AlignCenter);
    lblBackPressIn = makeLabel("lblBackPressIn", "Enter Vapor Pressure of the Liquid in PSIA");
    txtBackPressIn = makeBox("txtBackPressIn", "Enter Vapor Pressure Value");
    lblBackPressOut = makeLabel("lblBackPressOut", "Back Pressure in PSIG");
    txtBackPressOut = makeBox("txtBackPressOut", "Back pressure readout in PSIG");
    txtBackPressOut->setReadOnly(true);
    txtBackPressOut->setFocusPolicy(Qt::NoFocus);
    cmdClose = makeButton("cmdClose", "&Close", "Press to close this screen");
    cmdClose->setAutoDefault(false);
    connect(cmdClose, &QPushButton::clicked, this, [this] { close_(); });

    auto* grid = new QGridLayout;
    grid->addWidget(lblBackPressIn, 0, 0);
    grid->addWidget(txtBackPressIn, 0, 1);
    grid->addWidget(lblBackPressOut, 1, 0);
    grid->addWidget(txtBackPressOut, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblBackPress);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // A click in the entry or Enter (which goes no further) calculates;
    // leaving it does not.
    events_->add(FieldRow{txtBackPressIn,
                          [this](Trigger t) {
                              if (t != Trigger::Leave) calculate();
                          },
                          nullptr, false});

    // Load: the calculation on the design value.
    events_->show(txtBackPressIn, ".30");
    txtBackPressOut->setText("0");
    calculate();
    txtBackPressIn->setFocus(Qt::OtherFocusReason);
}

void frmLqdBackPrsCalc::calculate() {
    auto& S = shared();
    if (events_->takeNumber(txtBackPressIn, S.VaporPressPsia)) {
        modBackPressure();
        txtBackPressOut->setText(q(Format(S.BackPressPsig, "0.0#")));
    }
    txtBackPressIn->selectAll();
}

void frmLqdBackPrsCalc::close_() {
    unloadMe();
    Shell::instance().arrangeChildren();
}

}  // namespace quorin
