#include "shell/frmAbout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

#include "reports/Page.h"
#include "shell/ReadOnlyText.h"

namespace quorin {

QString versionText(int major, int minor, int revision) {
    return QStringLiteral("Version %1.%2%3").arg(major).arg(minor).arg(revision);
}

frmAbout::frmAbout() : Dialog(kName, QStringLiteral(" About ")) {
    txtAboutName = new ReadOnlyText("txtAboutName",
                                    QString::fromUtf8(std::string(kMaker.name) + "\n" +
                                                      kMaker.street + "\n" + kMaker.town +
                                                      "\nTelephone " + kMaker.telephone),
                                    this);
    txtAbout = new ReadOnlyText("txtAbout",
                                "QUORIN VORTEX FLOW METER SIZING UTILITY \n"
                                "provides the necessary calculations to \n"
                                "size a meter to a particular set of parameters.",
                                this);
    Label1 = new QLabel(versionText(QUORIN_VERSION_MAJOR, QUORIN_VERSION_MINOR,
                                    QUORIN_VERSION_PATCH),
                        this);
    Label1->setObjectName("Label1");
    cmdCancel = new QPushButton("OK", this);
    cmdCancel->setObjectName("cmdCancel");
    connect(cmdCancel, &QPushButton::clicked, this, &frmAbout::unloadMe);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label1);
    bottom->addStretch();
    bottom->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtAboutName);
    layout->addWidget(txtAbout);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    cmdCancel->setFocus();
}

}  // namespace quorin
