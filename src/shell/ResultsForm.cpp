#include "shell/ResultsForm.h"

#include <QBuffer>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "reports/Files.h"
#include "shell/Controls.h"
#include "shell/WarningStrip.h"
#include "shell/FileCommands.h"
#include "shell/RangePictureView.h"

namespace quorin {

ResultsForm::ResultsForm(const char* name, const QString& caption) : Form(name, caption) {}

QLineEdit* ResultsForm::addBox(const char* name) {
    QLineEdit* b = makeBox(name);
    b->setReadOnly(true);
    boxes_.insert(name, b);
    return b;
}

void ResultsForm::build(QLabel* heading, std::span<const CaseRow> caseRows,
                        std::span<const FlowRow> flowRows, const ListCaptions& lists) {
    // The case: a caption and its boxes per row, over four columns.
    auto* entries = new QGroupBox("Application");
    auto* grid = new QGridLayout(entries);
    int r = 0;
    for (const CaseRow& row : caseRows) {
        grid->addWidget(makeLabel(row.label, row.caption), r, 0);
        const int count = int(row.boxes.size());
        const int span = count == 1 ? 4 : count == 2 ? 2 : 1;
        int c = 1;
        for (const char* name : row.boxes) {
            grid->addWidget(addBox(name), r, c, 1, span);
            c += span;
        }
        ++r;
    }
    for (int c = 1; c <= 4; ++c) grid->setColumnStretch(c, 1);

    auto* flows = new QGroupBox("Flow");
    auto* flowGrid = new QGridLayout(flows);
    r = 0;
    for (const FlowRow& row : flowRows) {
        flowGrid->addWidget(row.label, r, 0);
        flowGrid->addWidget(addBox(row.box), r, 1);
        ++r;
    }
    flowGrid->setRowStretch(r, 1);

    // Meters, ranges and notes.
    lstMeter = makeListBox("lstMeter", lists.meterTip);
    lstFlowLow = makeListBox("lstFlowLow", lists.minTip);
    lstFlowHi = makeListBox("lstFlowHi", lists.maxTip);
    lstErrorBox = makeListBox("lstErrorBox", lists.errorsTip);
    lblMinUnit = makeLabel("lblMinUnit", QString());
    lblMaxUnit = makeLabel("lblMaxUnit", QString());
    auto* meters = new QGroupBox("Recommended Meters");
    auto* meterGrid = new QGridLayout(meters);
    meterGrid->addWidget(makeLabel("lblMeter", lists.meter), 0, 0);
    meterGrid->addWidget(makeLabel("lblMin", lists.min), 0, 1);
    meterGrid->addWidget(makeLabel("lblMax", lists.max), 0, 2);
    meterGrid->addWidget(lblMinUnit, 1, 1);
    meterGrid->addWidget(lblMaxUnit, 1, 2);
    meterGrid->addWidget(lstMeter, 2, 0);
    meterGrid->addWidget(lstFlowLow, 2, 1);
    meterGrid->addWidget(lstFlowHi, 2, 2);
    auto* errors = new QGroupBox;
    auto* errorLayout = new QVBoxLayout(errors);
    warningStrip = new WarningStrip("warningStrip");
    errorLayout->addWidget(warningStrip);
    errorLayout->addWidget(makeLabel("lblError", lists.errors));
    errorLayout->addWidget(lstErrorBox);

    cmdPrint = makeButton("cmdPrint", "PRINT", "Press for Print Out");
    cmdSave = makeButton("cmdSave", "SAVE", "Press to Save Results Data");
    cmdClose = makeButton("cmdClose", "&Close", "Press to close this screen");
    setCancelButton(cmdClose);
    setDefaultButton(cmdSave);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClose);
    buttons->addStretch();

    // The range picture under the meters and the notes, as wide as both.
    picRange = new RangePictureView;
    auto* answer = new QGridLayout;
    answer->addWidget(meters, 0, 0);
    answer->addWidget(errors, 0, 1);
    answer->addLayout(buttons, 0, 2, 2, 1);
    answer->addWidget(picRange, 1, 0, 1, 2);
    answer->setColumnStretch(0, 4);
    answer->setColumnStretch(1, 5);
    auto* details = new QHBoxLayout;
    details->addWidget(entries, 3);
    details->addWidget(flows, 1);
    auto* layout = new QVBoxLayout(scrollingBody());
    if (heading) layout->addWidget(heading);
    layout->addLayout(answer);
    layout->addLayout(details);
    layout->addStretch();

    // The screen takes the keyboard when it opens, so Esc closes it at once.
    setFocusPolicy(Qt::StrongFocus);
    setFocus(Qt::OtherFocusReason);
}

void ResultsForm::setBoxText(const char* name, const std::string& text) {
    QLineEdit* b = boxes_.value(name);
    if (!b) return;
    b->setText(q(text));
    b->setCursorPosition(0);  // a box too narrow still shows the start
    // Room for the text, the frame and the text margins.
    const int needed = b->fontMetrics().horizontalAdvance(b->text()) + 16;
    if (b->minimumWidth() < needed) b->setMinimumWidth(needed);
}

void ResultsForm::showMeters(const std::string& minUnit, const std::string& maxUnit,
                             const std::vector<std::string>& meters,
                             const std::vector<std::string>& flowLow,
                             const std::vector<std::string>& flowHi,
                             const std::vector<std::string>& errors) {
    lblMinUnit->setText(q(minUnit));
    lblMaxUnit->setText(q(maxUnit));
    auto fill = [](QListWidget* list, const std::vector<std::string>& rows) {
        list->clear();
        for (const std::string& row : rows) list->addItem(q(row));
    };
    fill(lstMeter, meters);
    fill(lstFlowLow, flowLow);
    fill(lstFlowHi, flowHi);
    fill(lstErrorBox, errors);
}

void ResultsForm::showPicture(RangePicture picture) { picRange->setPicture(std::move(picture)); }

void ResultsForm::addPictureMenu() {
    QMenu* menu = addMenu("Picture", "mnuPicture");
    addCommand(menu, "Copy Picture", "mnuCopyPicture", QKeySequence("Ctrl+Shift+C"),
               [this] { QGuiApplication::clipboard()->setImage(picRange->image()); });
    addCommand(menu, "Save Picture\u2026", "mnuSavePicture", {}, [this] { savePicture(); });
}

// The PNG goes to its file through the whole-file writer of the results files,
// so a failed write leaves no partial file and the file it would replace
// intact; an image that cannot be encoded is reported as a device I/O error.
void ResultsForm::savePicture() {
    saveWithDialog({FileRequest::Mode::Save, "PNG Image (*.png)", "Quorin Vortex.png"},
                   pictureFile_, [this] {
                       QByteArray bytes;
                       QBuffer buffer(&bytes);
                       buffer.open(QIODevice::WriteOnly);
                       if (!picRange->image().save(&buffer, "PNG")) return runtimeError(57);
                       return replaceFile(pictureFile_, bytes.toStdString());
                   });
}

}  // namespace quorin
