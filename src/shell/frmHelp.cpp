#include "shell/frmHelp.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/ReadOnlyText.h"

namespace quorin {

namespace {

const QStringList kParagraphs{
    "Enter text or numbers into boxes then press Enter.",
    "Select item from boxes, then press Enter.",
    "Standard Ranges for Vortex Meters are found under Tools Menu",
    "The Gas/Steam Section has a steam table under Tools Menu",
    "The Vortex Meter Save option for the Input screen is for recall \nto the Input screen.",
    "The Vortex Meter Save option for the Results screen creates a \ntext file for electronic "
    "transfer.",
};

}  // namespace

frmHelp::frmHelp() : Dialog(kName, QStringLiteral(" Help")) {
    fraHelp = new QGroupBox(this);
    fraHelp->setObjectName("fraHelp");
    txtHelp = new ReadOnlyText("txtHelp", kParagraphs.join("\n\n"), fraHelp);
    (new QVBoxLayout(fraHelp))->addWidget(txtHelp);

    // Enter and Esc both close the box.
    cmdOK = new QPushButton("&OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmHelp::unloadMe);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraHelp);
    layout->addLayout(buttons);
    cmdOK->setFocus();
}

}  // namespace quorin
