#include "gas/frmOtherUnits.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gas/InputRules.h"
#include "state/SharedState.h"

namespace quorin {

OtherUnitDialog::OtherUnitDialog(const char* name, const char* caption, const char* frameName,
                                 const char* okName, const Choice (&choices)[3],
                                 const std::vector<std::string>& units,
                                 std::string SharedState::*unitField)
    : Dialog(name, caption), frame_(new QGroupBox("CHOOSE ONE")), ok_(new QPushButton("&OK")) {
    frame_->setObjectName(frameName);
    auto* options = new QVBoxLayout(frame_);
    for (int i = 0; i < 3; ++i) {
        const Choice& c = choices[i];
        const std::string& unit = units.at(size_t(i));
        auto* option = new QRadioButton(QString::fromStdString(unit));
        option->setObjectName(c.name);
        if (c.toolTip) option->setToolTip(c.toolTip);
        options->addWidget(option);
        connect(option, &QRadioButton::toggled, this, [unit, unitField](bool on) {
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

constexpr OtherUnitDialog::Choice kDensityChoices[3] = {
    {"optG_cm3", "Press this option for grams per cubic centimeter"},
    {"optKg_m3", "Press this option for kilograms per cubic meter"},
    {"optPcft", "Select this option for pounds per cubic feet"},
};

constexpr OtherUnitDialog::Choice kViscosityChoices[3] = {
    {"optPa", nullptr},
    {"optCp", "Select for centipoise"},
    {"optPfts", "Select for pounds per foot second"},
};

}  // namespace

frmOtherDensUnit::frmOtherDensUnit()
    : OtherUnitDialog(kName, " Other Density Unit Selection", "fraOtherDensUnit", "cmdOk",
                      kDensityChoices, otherDensUnits(), &SharedState::OtherDensUnit),
      fraOtherDensUnit(frame_), optG_cm3(options_[0]), optKg_m3(options_[1]),
      optPcft(options_[2]), cmdOk(ok_) {}

frmOtherViscUnit::frmOtherViscUnit()
    : OtherUnitDialog(kName, " Other Viscosity Unit Selection", "fraOtherVisc", "cmdOK",
                      kViscosityChoices, otherViscUnits(), &SharedState::OtherViscUnit),
      fraOtherVisc(frame_), optPa(options_[0]), optCp(options_[1]), optPfts(options_[2]),
      cmdOK(ok_) {}

}  // namespace quorin
