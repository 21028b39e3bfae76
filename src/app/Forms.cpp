// The factories of every form, by name.
#include "app/Program.h"

#include "gas/frmInputScrn.h"
#include "gas/frmOtherMediaGas.h"
#include "gas/frmOtherUnits.h"
#include "gas/frmResults.h"
#include "liquid/frmLqdBackPrsCalc.h"
#include "liquid/frmLqdInput.h"
#include "liquid/frmLqdResults.h"
#include "norvane/frmNorvaneInput.h"
#include "shell/frmAbout.h"
#include "shell/frmHelp.h"
#include "shell/Shell.h"
#include "shell/frmINTRO.h"
#include "tags/frmTagList.h"
#include "tools/frmConvert.h"
#include "tools/frmPipeChart.h"
#include "tools/frmStdMeterRange.h"
#include "tools/frmSteamTable.h"

namespace quorin {

void registerForms() {
    Shell& shell = Shell::instance();
    shell.registerForm(frmINTRO::kName, Shell::Kind::Child, [] { return new frmINTRO; });
    shell.registerForm(frmAbout::kName, Shell::Kind::Modal, [] { return new frmAbout; });
    shell.registerForm(frmHelp::kName, Shell::Kind::Modal, [] { return new frmHelp; });
    shell.registerForm(frmInputScrn::kName, Shell::Kind::Child, [] { return new frmInputScrn; });
    shell.registerForm(frmResults::kName, Shell::Kind::Child, [] { return new frmResults; });
    shell.registerForm(frmOtherMediaGas::kName, Shell::Kind::Modal, [] { return new frmOtherMediaGas; });
    shell.registerForm(frmOtherDensUnit::kName, Shell::Kind::Modal, [] { return new frmOtherDensUnit; });
    shell.registerForm(frmOtherViscUnit::kName, Shell::Kind::Modal, [] { return new frmOtherViscUnit; });
    shell.registerForm(frmLqdInput::kName, Shell::Kind::Child, [] { return new frmLqdInput; });
    shell.registerForm(frmLqdResults::kName, Shell::Kind::Child, [] { return new frmLqdResults; });
    shell.registerForm(frmLqdBackPrsCalc::kName, Shell::Kind::Modal,
                       [] { return new frmLqdBackPrsCalc; });
    shell.registerForm(frmNorvaneInput::kName, Shell::Kind::Child,
                       [] { return new frmNorvaneInput; });
    shell.registerForm(frmSteamTable::kName, Shell::Kind::Modal, [] { return new frmSteamTable; });
    shell.registerForm(frmStdMeterRange::kName, Shell::Kind::Child,
                       [] { return new frmStdMeterRange; });
    shell.registerForm(frmConvert::kName, Shell::Kind::Modal, [] { return new frmConvert; });
    shell.registerForm(frmPipeChart::kName, Shell::Kind::Modal, [] { return new frmPipeChart; });
    shell.registerForm(frmTagList::kName, Shell::Kind::Child, [] { return new frmTagList; });
}

}  // namespace quorin
