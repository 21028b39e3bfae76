#include "gas/frmOtherUnits.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "state/SharedState.h"

namespace quorin {

OtherUnitDialog::OtherUnitDialog(const char* name, const char* caption, const char* frameName,
                                 const char* okName, const Choice (&choices)[3],
                                 std::string SharedState::*unitField)
    : Dialog(name, caption), frame_(new QGroupBox("CHOOSE ONE")), ok_(new QPushButton("&OK")) {
    frame_->setObjectName(frameName);
    auto* options = new QVBoxLayout(frame_);
    for (int i = 0; i < 3; ++i) {
        const Choice& c = choices[i];
        auto* option = new QRadioButton(c.unit);
        option->setObjectName(c.name);
        if (c.toolTip) option->setToolTip(c.toolTip);
        options->addWidget(option);
        connect(option, &QRadioButton::toggled, this, [unit = c.unit, unitField](bool on) {
            if (on) shared().*unitField = unit;
        });
        options_[i] = option;
    }

    ok_->setObjectName(okName);
    ok_->setToolTip("Press to continue");
    ok_->setDefault(true);  // Enter; Esc closes through reject()
    connect(ok_, &QPushButton::clicked, this, &OtherUnitDialog::unloadMe);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

namespace {

constexpr OtherUnitDialog::Choice kDensityUnits[3] = {
    {"optG_cm3", "g/cm^3", "Press this option for grams per cubic centimeter"},
    {"optKg_m3", "Kg/m^3", "Press this option for kilograms per cubic meter"},
    {"optPcft", "lbm/cuft", "Select this option for pounds per cubic feet"},
};

constexpr OtherUnitDialog::Choice kViscosityUnits[3] = {
    {"optPa", "pascal.sec", nullptr},
    {"optCp", "centipoise", "Select for centipoise"},
    {"optPfts", "lbm/ft.sec", "Select for pounds per foot second"},
};

}  // namespace

frmOtherDensUnit::frmOtherDensUnit()
    : OtherUnitDialog(kName, " Other Density Unit Selection", "fraOtherDensUnit", "cmdOk",
                      kDensityUnits, &SharedState::OtherDensUnit),
      fraOtherDensUnit(frame_), optG_cm3(options_[0]), optKg_m3(options_[1]),
      optPcft(options_[2]), cmdOk(ok_) {}

frmOtherViscUnit::frmOtherViscUnit()
    : OtherUnitDialog(kName, " Other Viscosity Unit Selection", "fraOtherVisc", "cmdOK",
                      kViscosityUnits, &SharedState::OtherViscUnit),
      fraOtherVisc(frame_), optPa(options_[0]), optCp(options_[1]), optPfts(options_[2]),
      cmdOK(ok_) {}

}  // namespace quorin
