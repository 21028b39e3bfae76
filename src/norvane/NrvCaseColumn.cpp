#include "norvane/NrvCaseColumn.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "norvane/NorvaneCalc.h"
#include "shell/Controls.h"
#include "shell/FieldEvents.h"
#include "state/SharedState.h"
#include "state/Text.h"

namespace quorin {

namespace {

const char* suffix(NrvCase which) {
    switch (which) {
        case NrvCase::Max: return "Max";
        case NrvCase::Norm: return "Norm";
        case NrvCase::Min: break;
    }
    return "Min";
}

const char* caseWord(NrvCase which) {
    switch (which) {
        case NrvCase::Max: return "Maximum";
        case NrvCase::Norm: return "Normal";
        case NrvCase::Min: break;
    }
    return "Minimum";
}

// Object names and tool-tips of the boxes are built from the row and the
// case; Qt keeps its own copies of both.
QByteArray caseName(const char* row, NrvCase which) { return QByteArray(row) + suffix(which); }
QByteArray caseTip(const char* before, NrvCase which, const char* after = "") {
    return QByteArray(before) + caseWord(which) + after;
}

}  // namespace

void fitWidth(QWidget* box, const char* sample) {
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString::fromLatin1(sample)) + 16);
}

QLineEdit* makeNrvEntry(const char* name, const char* toolTip, const char* sample) {
    QLineEdit* box = makeBox(name, toolTip);
    fitWidth(box, sample);
    return box;
}

QLineEdit* makeNrvDisplay(const char* name, const char* toolTip) {
    QLineEdit* box = makeReadout(name, toolTip);
    fitWidth(box, "000000.000");
    return box;
}

NrvCaseColumn::NrvCaseColumn(NrvCase which) : which_(which) {
    const NrvCase w = which;
    flowRate = makeNrvEntry(caseName("txtFlowRate", w), caseTip("Enter ", w, " Flow Rate"));
    temp = makeNrvEntry(caseName("txtTemp", w), caseTip("Enter ", w, " Temperature"));
    press = makeNrvEntry(caseName("txtPress", w), caseTip("Enter ", w, " Pressure PSIG"));
    dens = makeNrvDisplay(caseName("txtDens", w), caseTip("Display Only Density ", w));
    comp = makeNrvEntry(caseName("txtComp", w), caseTip("Enter ", w, " Compressibility"));
    thermExpCor = makeNrvDisplay(caseName("txtThermExpCor", w),
                                 caseTip("Display Only Thermal Expansion Correction ", w));
    gasExpCor = makeNrvDisplay(caseName("txtGasExpCor", w),
                               caseTip("Display Only Gas Expansion Correction ", w));
    vel = makeNrvDisplay(caseName("txtVel", w), caseTip("Display Only Velocity ", w));
    dp = makeNrvDisplay(caseName("txtDp", w), caseTip("Display Only Differential Pressure ", w));
    mps = makeLabel(caseName("lblMps", w), QString());
    mps->setToolTip("Display Only Meters Per Second");
    mps->setAlignment(Qt::AlignCenter);
}

QLabel* NrvCaseColumn::makeCaption() const {
    QLabel* caption = makeLabel(caseName("lbl", which_), caseWord(which_));
    caption->setAlignment(Qt::AlignCenter);
    return caption;
}

void NrvCaseColumn::showGasRows(bool shown) const {
    comp->setHidden(!shown);
    gasExpCor->setHidden(!shown);
}

void NrvCaseColumn::refresh(const NrvCaseFields& f, FieldEvents& events) const {
    events.update(flowRate, q(General(f.flowRate)));
    events.update(temp, q(General(f.temp)));
    events.update(press, q(General(f.press)));
    events.update(comp, q(General(f.comp)));
    events.update(dens, q(Format(f.dens, "0.0000")));
    events.update(thermExpCor, q(Format(f.thermExpCor, "0.0000")));
    events.update(gasExpCor, q(Format(f.gasExpCor, "0.0000")));
    events.update(vel, q(Format(f.vel, "0.00")));
    events.update(dp, q(Format(f.dp, "0.000")));
    mps->setText(q(Format(f.velMps, "0.00") + " MPS"));
}

NrvFlowData::NrvFlowData()
    : columns_{NrvCaseColumn(NrvCase::Min), NrvCaseColumn(NrvCase::Norm),
               NrvCaseColumn(NrvCase::Max)},
      lblComp(makeLabel("lblComp", "Compressibility(Z):")),
      lblGasExpCor(makeLabel("lblGasExpCor", "Gas Expansion Correction(CY):")) {}

QWidget* NrvFlowData::layOut(QComboBox* flowUnit, QComboBox* tempUnit, QComboBox* pressUnit,
                             QLabel* barrelHint) {
    auto* flow = new QGroupBox("Flow Data");
    flow->setObjectName("fraFlowData");
    auto* grid = new QGridLayout(flow);
    grid->setVerticalSpacing(4);
    for (int k = 0; k < 3; ++k) {
        grid->addWidget(columns_[k].makeCaption(), 0, 2 + k);
        grid->setColumnStretch(2 + k, 1);
    }
    struct Row {
        QLabel* label;
        QWidget* unit;
        QLineEdit* NrvCaseColumn::*box;
    };
    const Row rows[] = {
        {makeLabel("lblFlowRate", "Flow Rate(Q):"), flowUnit, &NrvCaseColumn::flowRate},
        {makeLabel("lblTemp", "Temperature(T):"), tempUnit, &NrvCaseColumn::temp},
        {makeLabel("lblPress", "Pressure(P):"), pressUnit, &NrvCaseColumn::press},
        {makeLabel("lblDens", "Density(SW)  (lb/ft^3):"), nullptr, &NrvCaseColumn::dens},
        {lblComp, nullptr, &NrvCaseColumn::comp},
        {makeLabel("lblThermExpCor", "Thermal Expansion Correction(CE):"), nullptr,
         &NrvCaseColumn::thermExpCor},
        {lblGasExpCor, nullptr, &NrvCaseColumn::gasExpCor},
        {makeLabel("lblVel", "Velocity(V) - FPS:"), nullptr, &NrvCaseColumn::vel},
        {makeLabel("lblDp", "Differential Pressure(DP):  (inches W.C.)"), nullptr, &NrvCaseColumn::dp}};
    int row = 1;
    for (const Row& r : rows) {
        grid->addWidget(r.label, row, 0);
        if (r.unit) grid->addWidget(r.unit, row, 1);
        for (int k = 0; k < 3; ++k) grid->addWidget(columns_[k].*r.box, row, 2 + k);
        ++row;
        // The metres per second under the feet per second.
        if (r.box == &NrvCaseColumn::vel) {
            for (int k = 0; k < 3; ++k) grid->addWidget(columns_[k].mps, row, 2 + k);
            ++row;
        }
    }
    grid->addWidget(barrelHint, 1, 5);
    grid->setColumnMinimumWidth(5, barrelHint->sizeHint().width());
    return flow;
}

void NrvFlowData::showGasRows(bool shown) const {
    lblComp->setHidden(!shown);
    lblGasExpCor->setHidden(!shown);
    for (const NrvCaseColumn& c : columns_) c.showGasRows(shown);
}

void NrvFlowData::refresh(SharedState& s, FieldEvents& events) const {
    for (const NrvCaseColumn& c : columns_) c.refresh(nrvCase(s, c.which()), events);
}

}  // namespace quorin
