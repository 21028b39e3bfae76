#include "tools/frmPipeChart.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "norvane/LineSizes.h"
#include "shell/Controls.h"
#include "shell/FieldEvents.h"
#include "state/SharedState.h"
#include "state/Text.h"

namespace quorin {

frmPipeChart::frmPipeChart() : Dialog(kName, " Pipe Chart"), events_(new FieldEvents(this)) {
    createControls();
    layoutControls();

    // Only a pick from the list shows a row: typing a size and pressing
    // Enter or leaving the list show nothing.
    events_->add(FieldRow{cboNomSize,
                          [this](Trigger t) {
                              if (t != Trigger::Click) return;
                              shared().PipeChartSize = s(cboNomSize->currentText());
                              PipeChart();
                          },
                          nullptr, false});

    // Load: the 6-inch line, its figures written as numbers (so the wall
    // reads "0.28" until a size is picked).
    auto& S = shared();
    loadPipeChart();
    cboNomSize->setEnabled(true);
    nrvAddPipeSize();
    selectText(cboNomSize, S.PipeChartSize);
    txtID->setText(q(General(S.PipeChartId)));
    txtOD->setText(q(General(S.PipeChartOd)));
    txtWallThk->setText(q(General(S.PipeChartWall)));
    cboNomSize->lineEdit()->selectAll();
    cboNomSize->setFocus(Qt::OtherFocusReason);
}

void frmPipeChart::createControls() {
    Label1 = makeLabel("Label1", "NOMINAL PIPE SIZE (INCH)");
    // A size may be typed, but it shows nothing.
    cboNomSize = makeEditableList("cboNomSize", "Select Nominal Pipe Size", {});

    txtOD = makeReadout("txtOD", "Display Outer Diameter");
    txtWallThk = makeReadout("txtWallThk", "Display Wall Thickness");
    txtID = makeReadout("txtID", "Display Inner Diameter");
    lblOD = makeLabel("lblOD", "O.D.");
    lblWallThk = makeLabel("lblWallThk", "Wall");
    lblID = makeLabel("lblID", "I.D.");
    Label2 = makeLabel("Label2", "INCHES");
    lblSch = makeLabel("lblSch", "Sch 40");
    for (QLabel* label : {lblOD, lblWallThk, lblID, lblSch}) label->setAlignment(Qt::AlignCenter);
    // Wide enough for "11.938" and a little more.
    for (QLineEdit* box : {txtOD, txtWallThk, txtID}) {
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000.0000")) + 12);
        box->setAlignment(Qt::AlignRight);
    }

    cmdClose = makeButton("cmdClose", "&Close", "Press to close this screen");
    cmdClose->setAutoDefault(false);
    connect(cmdClose, &QPushButton::clicked, this, [this] { unloadMe(); });
}

void frmPipeChart::layoutControls() {
    // The size on top; the three figures side by side with their headings
    // over them, the unit after them and the wall series under the wall.
    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0, 1, 4);
    grid->addWidget(cboNomSize, 1, 0, 1, 2);
    grid->addWidget(lblOD, 2, 0);
    grid->addWidget(lblWallThk, 2, 1);
    grid->addWidget(lblID, 2, 2);
    grid->addWidget(txtOD, 3, 0);
    grid->addWidget(txtWallThk, 3, 1);
    grid->addWidget(txtID, 3, 2);
    grid->addWidget(Label2, 3, 3);
    grid->addWidget(lblSch, 4, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(cmdClose, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(cboNomSize, cmdClose);
}

void frmPipeChart::nrvAddPipeSize() {
    cboNomSize->clear();
    for (const PipeChartRow& row : pipeChartRows()) cboNomSize->addItem(q(row.name));
}

void frmPipeChart::PipeChart() {
    const PipeChartRow* row = pipeChartRow(shared().PipeChartSize);
    if (!row) return;
    txtID->setText(q(row->id));
    txtOD->setText(q(row->od));
    txtWallThk->setText(q(row->wall));
    lblSch->setText(q(row->series));
}

}  // namespace quorin
