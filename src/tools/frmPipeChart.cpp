#include "tools/frmPipeChart.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

#include "core.h"
#include "shell/Controls.h"
#include "shell/FieldEvents.h"

namespace quorin {

namespace {

// One row of the chart, each figure the text shown.
struct PipeRow {
    const char* size;
    const char* id;
    const char* od;
    const char* wall;
    const char* series;
};

constexpr PipeRow kChart[] = {
    {"1/2", ".622", ".840", ".109", "Sch 40"},     {"3/4", ".824", "1.050", ".113", "Sch 40"},
    {"1", "1.049", "1.315", ".133", "Sch 40"},     {"1-1/4", "1.38", "1.66", ".14", "Sch 40"},
    {"1-1/2", "1.61", "1.9", ".145", "Sch 40"},    {"2", "2.067", "2.375", ".154", "Sch 40"},
    {"2-1/2", "2.469", "2.875", ".203", "Sch 40"}, {"3", "3.068", "3.5", ".216", "Sch 40"},
    {"3-1/2", "3.548", "4", ".226", "Sch 40"},     {"4", "4.026", "4.5", ".237", "Sch 40"},
    {"6", "6.065", "6.625", ".28", "Sch 40"},      {"8", "7.981", "8.625", ".322", "Sch 40"},
    {"10", "10.02", "10.75", ".365", "Sch 40"},    {"12", "11.938", "12.75", ".406", "Sch 40"},
    {"14", "13.25", "14", ".375", "STD"},          {"16", "15.25", "16", ".375", "STD"},
    {"18", "17.25", "18", ".375", "STD"},          {"20", "19.25", "20", ".375", "STD"},
    {"22", "21.25", "22", ".375", "STD"},          {"24", "23.25", "24", ".375", "STD"},
    {"26", "25.25", "26", ".375", "STD"},          {"28", "27.25", "28", ".375", "STD"},
    {"30", "29.25", "30", ".375", "STD"},          {"32", "31.25", "32", ".375", "STD"},
    {"34", "33.25", "34", ".375", "STD"},          {"36", "35.25", "36", ".375", "STD"},
    {"42", "41.25", "42", ".375", "STD"},          {"48", "47.25", "48", ".375", "STD"},
    {"54", "53.25", "54", ".375", "STD"},          {"60", "59.25", "60", ".375", "STD"},
    {"72", "71.25", "72", ".375", "STD"},
};

}  // namespace

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
    // (A new string, not a one-letter literal: GCC 12 warns wrongly about
    // the literal's copy.)
    S.PipeChartSize = std::string("6");
    S.PipeChartId = 6.065f;
    S.PipeChartOd = 6.625f;
    S.PipeChartWall = 0.28f;
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
    for (const PipeRow& row : kChart) cboNomSize->addItem(row.size);
}

void frmPipeChart::PipeChart() {
    const std::string& size = shared().PipeChartSize;
    const auto* row = std::find_if(std::begin(kChart), std::end(kChart),
                                   [&size](const PipeRow& r) { return size == r.size; });
    if (row == std::end(kChart)) return;
    txtID->setText(row->id);
    txtOD->setText(row->od);
    txtWallThk->setText(row->wall);
    lblSch->setText(row->series);
}

}  // namespace quorin
