#include "tools/frmStdMeterRange.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <vector>

#include "shell/Controls.h"
#include "shell/Shell.h"
#include "state/SharedState.h"
#include "state/Text.h"
#include "tools/RangeChart.h"

namespace quorin {

frmStdMeterRange::frmStdMeterRange() : Form(kName, " Standard Meter Range") {
    lblRef = makeLabel("lblRef", QString());
    cmdClose = makeButton("cmdClose", "&Close", "Press to close this screen");
    setCancelButton(cmdClose);
    onClick(cmdClose, [this] { close_(); });

    struct Column {
        QListWidget*& list;
        const char *name, *heading, *caption;
    };
    const Column columns[] = {
        {lstMeter, "lstMeter", "lblMeter", "Meter"},
        {lstDescription, "lstDescription", "Label1", "Description"},
        {lstMinFlow, "lstMinFlow", "lblMinFlow", "Min Flow"},
        {lstMaxFlow, "lstMaxFlow", "lblMaxFlow", "Max Flow"},
        {lstMinSteam, "lstMinSteam", "lblMtrSizeIn", "Nom Meter Size Inches"},
        {lstMaxSteam, "lstMaxSteam", "lblMtrSizeMM", "Nom Meter Size mm"},
    };
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(0);
    int c = 0;
    for (const Column& col : columns) {
        col.list = makeListBox(col.name);
        // The columns read as one table: equal rows, one scroll bar (the
        // last column's) that moves them all, no sideways scrolling.
        col.list->setUniformItemSizes(true);
        col.list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        col.list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        QLabel* heading = makeLabel(col.heading, col.caption);
        heading->setIndent(col.list->frameWidth() + 3);
        grid->addWidget(heading, 0, c);
        grid->addWidget(col.list, 1, c);
        grid->setColumnStretch(c, 1);
        ++c;
    }
    lstMaxSteam->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const std::vector<QListWidget*> lists = {lstMeter,   lstDescription, lstMinFlow,
                                             lstMaxFlow, lstMinSteam,    lstMaxSteam};
    for (QListWidget* from : lists)
        for (QListWidget* to : lists)
            if (from != to)
                connect(from->verticalScrollBar(), &QScrollBar::valueChanged, to->verticalScrollBar(),
                        &QScrollBar::setValue);
    grid->setRowStretch(1, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(lblRef, 1);
    top->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(scrollingBody());
    layout->addLayout(top);
    layout->addLayout(grid, 1);

    QMenu* file = addMenu("File", "mnuFile");
    addCommand(file, "Close", "mnuClose", QKeySequence("Ctrl+C"), [this] { close_(); });

    // Load: the chart of the workflow the case belongs to.
    show(modStdMeterRange());

    // The chart takes the keyboard when it opens, so Esc closes it at once.
    setFocusPolicy(Qt::StrongFocus);
    setFocus(Qt::OtherFocusReason);
}

void frmStdMeterRange::show(const RangeChartView& v) {
    lblRef->setText(q(v.ref));
    const std::pair<QListWidget*, const std::vector<std::string>*> columns[] = {
        {lstMeter, &v.meter},     {lstDescription, &v.description}, {lstMinFlow, &v.minFlow},
        {lstMaxFlow, &v.maxFlow}, {lstMinSteam, &v.sizeIn},         {lstMaxSteam, &v.sizeMm},
    };
    for (const auto& [list, rows] : columns) {
        list->clear();
        for (const std::string& row : *rows) list->addItem(q(row));
        // Wide enough for its longest text, so nothing is cut short.
        int width = list->sizeHintForColumn(0) + 2 * list->frameWidth() + 8;
        if (list->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
            width += list->verticalScrollBar()->sizeHint().width();
        list->setMinimumWidth(width);
    }
}

void frmStdMeterRange::close_() {
    Shell& shell = Shell::instance();
    shell.unload(kName);
    shell.arrangeChildren();
}

}  // namespace quorin
